#include "activities.h"

#include "fourrules_screen.h"
#include "magicsquares_screen.h"

void register_activities() {
    chalkline::register_fourrules_screen();
    chalkline::magicsquares::register_magicsquares_screen();
}
