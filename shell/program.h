// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

#include <functional>

class QWidget;

namespace shell {

// The program as a whole: its end, the desktop it runs on, the busy pointer and the web
// browser it hands addresses to.

// Unloads every screen and ends the event loop with the exit status.
void end_program(int status = 0);
bool program_ended();
int exit_status();
// Forgets that the program ended (tests that end it more than once).
void reset_program_state();

// The screen in use, in twips at the current factor.
struct DesktopMetrics {
    double width;           // twips
    double height;          // twips
    double twips_per_pixel; // horizontally
};
DesktopMetrics desktop_metrics();
// Fixes the desktop size in pixels instead of reading the screen (0, 0 reads it again).
void set_desktop_pixels(int width, int height);

// The hourglass pointer for the whole application, or the default one.
void set_hourglass(bool on);

// Hands a web address to the platform's default handler. The answer is ignored.
void open_address(const QUrl& address, QWidget* owner);
// Replaces the handler (tests record the request instead of starting a browser).
void set_address_opener(std::function<bool(const QUrl&)> opener);

} // namespace shell
