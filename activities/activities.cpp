// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities.h"

#include "affine_screen.h"
#include "fastmental_screen.h"
#include "fdp_screen.h"
#include "fibonacci_screen.h"
#include "fourrules_screen.h"
#include "fractionsbetween_screen.h"
#include "hailstone_screen.h"
#include "hiddendigits_screen.h"
#include "hundredsquare_screen.h"
#include "integersquares_screen.h"
#include "leibniz_screen.h"
#include "magicsquares_screen.h"
#include "matchthetarget_screen.h"
#include "numbersquares_screen.h"
#include "numberwall_screen.h"
#include "ordering_screen.h"
#include "orderofoperations_screen.h"
#include "pandigital_screen.h"
#include "pascal1_screen.h"
#include "pascal2_screen.h"
#include "percentages_screen.h"
#include "products_screen.h"
#include "pythagorean_screen.h"
#include "quadratic_screen.h"
#include "rightangled_screen.h"
#include "roman_screen.h"
#include "spiderdiagrams_screen.h"
#include "substitution_screen.h"
#include "twentyfour_screen.h"

namespace chalkline {

namespace {

using shell::make_screen;

// Every activity of the program. A menu title is enabled exactly when a row names its
// menu and place; a new activity needs only its row here and its folder in CMake.
const shell::ActivityEntry kActivities[] = {
    {"matchthetarget", 1, 0, make_screen<matchthetarget::MatchTheTargetForm>, 0},
    {"Magicsquares", 1, 1, make_screen<magicsquares::Magicsquares>, 2},
    {"spiderdiagrams", 1, 2, make_screen<spiderdiagrams::SpiderDiagramsForm>, 3},
    {"twentyfour", 1, 3, make_screen<twentyfour::TwentyFourForm>, 3},
    {"ordering", 1, 4, make_screen<ordering::OrderingForm>, 3},
    {"integersquares", 1, 5, make_screen<integersquares::IntegerSquaresForm>, 3},
    {"numbersquares", 2, 0, make_screen<numbersquares::NumberSquaresForm>, 3},
    {"percentages", 2, 1, make_screen<percentages::PercentagesForm>, 3},
    {"substitution", 2, 2, make_screen<substitution::SubstitutionForm>, 3},
    {"rightangled", 2, 3, make_screen<rightangled::Form>, 3},
    {"fastmental", 2, 4, make_screen<fastmental::FastMentalForm>, 3, fastmental::kSettings},
    {"hundredsquare", 2, 5, make_screen<hundredsquare::HundredSquareForm>, 3},
    {"fourrules", 3, 0, make_screen<fourrules::FourRulesForm>, 3},
    {"fdp", 3, 1, make_screen<fdp::FdpForm>, 3},
    {"pythagorean", 3, 2, make_screen<pythagorean::Form>, 3},
    {"orderofoperations", 3, 3, make_screen<orderofoperations::OrderOfOperationsForm>, 3},
    {"numberwall", 3, 4, make_screen<numberwall::NumberWallForm>, 3},
    {"fractionsbetween", 3, 5, make_screen<fractionsbetween::FractionsBetweenForm>, 3},
    {"pandigital", 4, 0, make_screen<pandigital::PandigitalForm>, 3},
    {"products", 4, 1, make_screen<products::ProductsForm>, 3},
    {"quadratic", 4, 2, make_screen<quadratic::QuadraticForm>, 3},
    {"hiddendigits", 4, 3, make_screen<hiddendigits::HiddenDigitsForm>, 3},
    {"roman", 4, 4, make_screen<roman::RomanForm>, 3},
    {"pascal1", 4, 5, make_screen<pascal1::Pascal1Form>, 3},
    {"pascal2", 5, 0, make_screen<pascal2::Pascal2Form>, 3},
    {"fibonacci", 5, 1, make_screen<fibonacci::FibonacciForm>, 3},
    {"affine", 5, 2, make_screen<affine::AffineForm>, 3},
    {"hailstone", 5, 3, make_screen<hailstone::HailstoneForm>, 3},
    {"leibniz", 5, 4, make_screen<leibniz::LeibnizForm>, 3},
};

} // namespace

std::span<const shell::ActivityEntry> activities() {
    return kActivities;
}

void register_activities() {
    shell::register_activities(kActivities);
}

} // namespace chalkline
