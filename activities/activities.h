// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes every activity screen of the program known to the screen registry, so that the
// menu screens enable their titles and open them. Each activity's screen library offers
// register_<name>_screen(), which calls shell::register_form with its form's name;
// activities.cpp calls them all.
void register_activities();
