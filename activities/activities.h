// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_table.h"

#include <span>

namespace chalkline {

// The program's activities, one record each, in the order of the menus.
std::span<const shell::ActivityInfo* const> activities();

// Makes every activity known to the screens and the menus.
void register_activities();

} // namespace chalkline
