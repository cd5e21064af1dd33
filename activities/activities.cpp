#include "activities.h"

#include "magicsquares_screen.h"

void register_activities() {
    chalkline::magicsquares::register_magicsquares_screen();
}
