// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_table.h"

#include <span>

namespace chalkline {

// The program's activities, one row each: screen name, menu, place on the menu, screen.
std::span<const shell::ActivityEntry> activities();

// Makes every activity known to the screens and the menus.
void register_activities();

} // namespace chalkline
