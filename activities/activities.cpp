#include "activities.h"

#include "fourrules_screen.h"

void register_activities() {
    chalkline::register_fourrules_screen();
}
