// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities.h"

#include "fastmental_screen.h"
#include "fourrules_screen.h"
#include "magicsquares_screen.h"
#include "matchthetarget_screen.h"
#include "ordering_screen.h"

void register_activities() {
    chalkline::register_fastmental_screen();
    chalkline::register_fourrules_screen();
    chalkline::magicsquares::register_magicsquares_screen();
    register_matchthetarget_screen();
    chalkline::ordering::register_ordering_screen();
}
