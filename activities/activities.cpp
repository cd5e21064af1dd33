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

// Every activity of the program, in the order of the menus. Each record stands beside its
// screen (activity_table.h says what it holds); a new activity needs only its folder with
// its record, one add_activity() line in its CMakeLists.txt and its line here.
const shell::ActivityInfo* const kActivities[] = {
    &matchthetarget::kActivity,    &magicsquares::kActivity, &spiderdiagrams::kActivity,
    &twentyfour::kActivity,        &ordering::kActivity,     &integersquares::kActivity,
    &numbersquares::kActivity,     &percentages::kActivity,  &substitution::kActivity,
    &rightangled::kActivity,       &fastmental::kActivity,   &hundredsquare::kActivity,
    &fourrules::kActivity,         &fdp::kActivity,          &pythagorean::kActivity,
    &orderofoperations::kActivity, &numberwall::kActivity,   &fractionsbetween::kActivity,
    &pandigital::kActivity,        &products::kActivity,     &quadratic::kActivity,
    &hiddendigits::kActivity,      &roman::kActivity,        &pascal1::kActivity,
    &pascal2::kActivity,           &fibonacci::kActivity,    &affine::kActivity,
    &hailstone::kActivity,         &leibniz::kActivity,
};

} // namespace

std::span<const shell::ActivityInfo* const> activities() {
    return kActivities;
}

void register_activities() {
    shell::register_activities(kActivities);
}

} // namespace chalkline
