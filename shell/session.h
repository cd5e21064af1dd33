// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <cstdio>

namespace shell {

// Ends the program with status 1 and a one-line message when there is no graphical
// session to show its windows on: neither an X nor a Wayland display, and no platform
// chosen with QT_QPA_PLATFORM, -platform or -display. The toolkit would abort instead.
// Called before the application object is made; --help and --version, which only print
// text, pass without a display.
void require_graphical_session(int argc, char** argv);

// Watches the toolkit connect to its display while the application object is made, from
// construction to destruction of this guard. A display that is named but cannot be
// reached (nothing there, a wrong name, a socket that is gone) ends the program with one
// line naming the display it tried and status 1, where the toolkit would abort with a
// core dump. What the toolkit says meanwhile is held back, and passed on when it
// connects.
class DisplayConnection {
public:
    DisplayConnection(int argc, char** argv);
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

private:
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text);

    QtMessageHandler previous_;
    // Standard error as it was; while connecting, what is written straight to it (by
    // the libraries under the toolkit) goes to a file and is passed on once connected.
    int saved_stderr_ = -1;
    std::FILE* held_stderr_ = nullptr;
};

} // namespace shell
