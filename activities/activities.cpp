#include "activities.h"

void register_activities() {}
