// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures.h"

namespace shell {

// Runs a handler (a click, a key, a timer's tick, a move between screens); a picture
// failure inside it is reported and the lesson goes on, instead of unwinding through the
// toolkit. Every handler of the program runs through it.
template <class F> void run_handler(F&& handler) {
    try {
        handler();
    } catch (const PictureError& error) {
        report_failed_picture(error);
    }
}

} // namespace shell
