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
    {"matchthetarget", 1, 0, make_screen<matchthetarget::MatchTheTargetForm>},
    {"Magicsquares", 1, 1, make_screen<magicsquares::Magicsquares>},
    {"spiderdiagrams", 1, 2, make_screen<spiderdiagrams::SpiderDiagramsForm>},
    {"twentyfour", 1, 3, make_screen<twentyfour::TwentyFourForm>},
    {"ordering", 1, 4, make_screen<ordering::OrderingForm>},
    {"integersquares", 1, 5, make_screen<integersquares::IntegerSquaresForm>},
    {"numbersquares", 2, 0, make_screen<numbersquares::NumberSquaresForm>},
    {"percentages", 2, 1, make_screen<percentages::PercentagesForm>},
    {"substitution", 2, 2, make_screen<substitution::SubstitutionForm>},
    {"rightangled", 2, 3, make_screen<rightangled::Form>},
    {"fastmental", 2, 4, make_screen<fastmental::FastMentalForm>},
    {"hundredsquare", 2, 5, make_screen<hundredsquare::HundredSquareForm>},
    {"fourrules", 3, 0, make_screen<fourrules::FourRulesForm>},
    {"fdp", 3, 1, make_screen<fdp::FdpForm>},
    {"pythagorean", 3, 2, make_screen<pythagorean::Form>},
    {"orderofoperations", 3, 3, make_screen<orderofoperations::OrderOfOperationsForm>},
    {"numberwall", 3, 4, make_screen<numberwall::NumberWallForm>},
    {"fractionsbetween", 3, 5, make_screen<fractionsbetween::FractionsBetweenForm>},
    {"pandigital", 4, 0, make_screen<pandigital::PandigitalForm>},
    {"products", 4, 1, make_screen<products::ProductsForm>},
    {"quadratic", 4, 2, make_screen<quadratic::QuadraticForm>},
    {"hiddendigits", 4, 3, make_screen<hiddendigits::HiddenDigitsForm>},
    {"roman", 4, 4, make_screen<roman::RomanForm>},
    {"pascal1", 4, 5, make_screen<pascal1::Pascal1Form>},
    {"pascal2", 5, 0, make_screen<pascal2::Pascal2Form>},
    {"fibonacci", 5, 1, make_screen<fibonacci::FibonacciForm>},
    {"affine", 5, 2, make_screen<affine::AffineForm>},
    {"hailstone", 5, 3, make_screen<hailstone::HailstoneForm>},
    {"leibniz", 5, 4, make_screen<leibniz::LeibnizForm>},
};

} // namespace

std::span<const shell::ActivityEntry> activities() {
    return kActivities;
}

void register_activities() {
    shell::register_activities(kActivities);
}

} // namespace chalkline
