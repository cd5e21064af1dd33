// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

namespace shell {

// The program's input layer: one filter on the application that sees every key and click
// before the control it is meant for. Input for a screen that has been left goes nowhere
// (its keys go on to the screen in use); keys go to the key table of their screen
// (keys.h), or close the cover over it (overlays.h); the second tap of a double tap is
// dropped (gestures.h). Installed with the first key table.
void install_input_layer();

// Ends a press or a drag in progress on a control of the form, as if the pointer had let
// go over the place the control was picked up from: a dragged control is dropped back
// where it started, a button is let go without a click. The rest of that gesture is
// ignored. A cover that comes over the screen calls it.
void let_go(Form& form);

} // namespace shell
