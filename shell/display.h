// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;
class QScreen;

namespace shell {

// How the screens are shown. In a window, each screen has its design size at the
// reference scale (15 twips to a pixel) and stands where its placement rule puts it.
// Full screen, each screen covers the whole screen in use, and its design is scaled by
// the largest factor at which 800 by 600 fits that screen, centred on black.
bool full_screen();
void set_full_screen(bool on);
void toggle_full_screen();
// F11 and Ctrl+F: the keys that toggle full screen on every screen.
bool is_full_screen_key(const QKeyEvent* key);

// Design pixels to screen pixels: 1 in a window; in full screen
// min(screen width / 800, screen height / 600), in device-independent pixels.
double scale_factor();

// The screen the program shows its screens on: the primary screen until chosen, and
// afterwards the screen of the window a move leaves from.
QScreen* screen_in_use();
// Makes the screen the one in use; in full screen every loaded screen is scaled for it.
void set_screen_in_use(QScreen* screen);
// The same by its place in the toolkit's list of screens, from 0; false when there is
// no such screen.
bool use_screen_number(int index);

// Starts what serves full screen, once the application exists: F11 and Ctrl+F toggle
// it on every screen, whatever has the focus; the toolkit's own drawing (option
// circles, scroll bar arrows) grows with the factor; unplugged screens and screens
// that change their size are followed.
void start_display();

} // namespace shell
