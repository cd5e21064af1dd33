// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keys.h"

namespace shell {

class ActivityForm;

// Go to problem: a small dialog over the screen that takes a problem's code, typed or
// tapped on its own keys (the characters codes have, for a whiteboard without a
// keyboard), and shows that problem. A code that is wrong is said so in the dialog, which
// stays open; the board stays as it was.
void ask_for_problem(Form& over);

// The row of Ctrl+G in a screen's key table, which opens the dialog.
KeyBinding go_to_problem_key(Form& form);

// A worksheet from the board: a small dialog over the activity (how many problems,
// answers or not; saved as a PDF or printed) for the kind on show, the problem on the
// board the first on the sheet.
void ask_for_worksheet(ActivityForm& activity);

} // namespace shell
