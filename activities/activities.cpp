// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities.h"

#include "affine_screen.h"
#include "fastmental_screen.h"
#include "fourrules_screen.h"
#include "magicsquares_screen.h"
#include "matchthetarget_screen.h"
#include "ordering_screen.h"
#include "quadratic_screen.h"
#include "roman_screen.h"

namespace chalkline {

namespace {

using shell::make_screen;

// Every activity of the program. A menu title is enabled exactly when a row names its
// menu and place; a new activity needs only its row here and its folder in CMake.
const shell::ActivityEntry kActivities[] = {
    {"matchthetarget", 1, 0, make_screen<matchthetarget::MatchTheTargetForm>},
    {"Magicsquares", 1, 1, make_screen<magicsquares::Magicsquares>},
    {"ordering", 1, 4, make_screen<ordering::OrderingForm>},
    {"fastmental", 2, 4, make_screen<fastmental::FastMentalForm>},
    {"fourrules", 3, 0, make_screen<fourrules::FourRulesForm>},
    {"quadratic", 4, 2, make_screen<quadratic::QuadraticForm>},
    {"roman", 4, 4, make_screen<roman::RomanForm>},
    {"affine", 5, 2, make_screen<affine::AffineForm>},
};

} // namespace

std::span<const shell::ActivityEntry> activities() {
    return kActivities;
}

void register_activities() {
    shell::register_activities(kActivities);
}

} // namespace chalkline
