// SPDX-License-Identifier: GPL-3.0-or-later
// Chalkline: mathematics activities for the whole class on a projector or whiteboard.

#include "activities.h"
#include "command_line.h"
#include "display.h"
#include "forms.h"
#include "menu_forms.h"
#include "pictures.h"
#include "program_icon.h"
#include "session.h"
#include "title_form.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <optional>

int main(int argc, char** argv) {
    // The command line is read before the application starts, so that --help, --version
    // and a mistyped option answer without a display and before any window opens.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const shell::StartRequest request = shell::read_command_line(arguments);
    if (request.exit_status) {
        std::fputs(qPrintable(request.output), *request.exit_status == 0 ? stdout : stderr);
        return *request.exit_status;
    }

    shell::require_graphical_session(argc, argv);
    std::optional<shell::DisplayConnection> connecting(std::in_place, argc, argv);
    QApplication app(argc, argv);
    connecting.reset();
    // The desktop entry tells Wayland desktops the program's name and icon; message boxes
    // take the icon from the application.
    QGuiApplication::setDesktopFileName("chalkline");
    QApplication::setWindowIcon(shell::program_icon());
    if (request.screen && !shell::use_screen_number(*request.screen)) {
        std::fprintf(stderr, "chalkline: there is no screen %d; this display has %d, from 0\n",
                     *request.screen, int(QGuiApplication::screens().size()));
        return 2;
    }
    std::fputs(qPrintable(shell::screen_request_warning(request, QGuiApplication::platformName())),
               stderr);
    shell::start_display();
    shell::set_full_screen(request.full_screen);
    shell::register_title_form();
    shell::register_menu_forms();
    chalkline::register_activities();

    // A broken installation is reported at start; later a picture never ends the lesson.
    try {
        shell::check_program_pictures();
    } catch (const shell::PictureError& error) {
        shell::fail_with(error);
        return shell::exit_status();
    }
    shell::run_handler([] { shell::show_form("Titlefrm"); });
    if (shell::program_ended()) {
        return shell::exit_status();
    }
    const int status = app.exec();
    // Screens unloaded on the way out are deleted before the application goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
