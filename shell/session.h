// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace shell {

// Ends the program with status 1 and a one-line message when there is no graphical
// session to show its windows on: neither an X nor a Wayland display, and no platform
// chosen with QT_QPA_PLATFORM, -platform or -display. The toolkit would abort instead.
// Called before the application object is made; --help and --version, which only print
// text, pass without a display.
void require_graphical_session(int argc, char** argv);

} // namespace shell
