#include "activities.h"

#include "matchthetarget_screen.h"

void register_activities() {
    register_matchthetarget_screen();
}
