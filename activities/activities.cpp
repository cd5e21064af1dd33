#include "activities.h"

#include "fastmental_screen.h"

void register_activities() {
    register_fastmental_screen();
}
