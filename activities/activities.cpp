#include "activities.h"

#include "ordering_screen.h"

void register_activities() {
    chalkline::ordering::register_ordering_screen();
}
