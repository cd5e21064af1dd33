#include "activities.h"

#include "fourrules_screen.h"
#include "ordering_screen.h"

void register_activities() {
    chalkline::register_fourrules_screen();
    chalkline::ordering::register_ordering_screen();
}
