// SPDX-License-Identifier: GPL-3.0-or-later
// Chalkline: mathematics activities for the whole class on a projector or whiteboard.

#include "activities.h"
#include "command_line.h"
#include "display.h"
#include "forms.h"
#include "language.h"
#include "menu_forms.h"
#include "pictures.h"
#include "problem_codes.h"
#include "program_icon.h"
#include "session.h"
#include "title_form.h"
#include "worksheet.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

// A worksheet is made on the offscreen platform, so that it needs no display: in a
// terminal, a script or a scheduled job.
int write_worksheet(const shell::StartRequest::WorksheetOutput& out,
                    std::optional<QCoreApplication>& early, int argc, char** argv,
                    const QString& language) {
    early.reset();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The toolkit's notes (no runtime folder, the offscreen platform's limits) are not for
    // the teacher: standard error says what went wrong, in one line.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fputs(qPrintable(text + '\n'), stderr);
        }
    });
    QApplication app(argc, argv);
    shell::use_language(language);
    chalkline::register_activities();
    if (const auto error = shell::write_worksheet(out.sheet, out.path, out.as_text)) {
        std::fputs(qPrintable("chalkline: " + *error + "\n"), stderr);
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // The command line is read before the window's application starts, so that --help,
    // --version and a mistyped option answer without a display and before any window opens.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // A plain application object first, so that --help, --version and the errors of the
    // command line answer in the teacher's language without a display.
    const QString language = shell::requested_language(arguments);
    std::optional<QCoreApplication> early(std::in_place, argc, argv);
    const bool translated = shell::use_language(language);
    const shell::StartRequest request = shell::read_command_line(arguments);
    if (request.exit_status) {
        std::fputs(qPrintable(request.output), *request.exit_status == 0 ? stdout : stderr);
        return *request.exit_status;
    }
    // A language asked for by name that the program does not have: said once, in English,
    // the language the program then shows.
    const bool named = std::any_of(arguments.begin(), arguments.end(),
                                   [](const QString& a) { return a.startsWith("--lang"); });
    if (named && !translated && QLocale(language).language() != QLocale::English) {
        std::fprintf(stderr,
                     "chalkline: there is no translation for \"%s\"; the texts are in English\n",
                     qPrintable(language));
    }
    if (request.worksheet) {
        return write_worksheet(*request.worksheet, early, argc, argv, language);
    }
    shell::require_graphical_session(argc, argv);
    // The display's watch is set up while the plain application still holds the teacher's
    // language, so that its one line is in that language.
    std::optional<shell::DisplayConnection> connecting(std::in_place, argc, argv);
    early.reset();

    QApplication app(argc, argv);
    connecting.reset();
    shell::use_language(language);
    // The desktop entry tells Wayland desktops the program's name and icon; message boxes
    // take the icon from the application.
    QGuiApplication::setDesktopFileName("chalkline");
    QApplication::setWindowIcon(shell::program_icon());
    if (request.screen && !shell::use_screen_number(*request.screen)) {
        std::fputs(qPrintable(QCoreApplication::translate(
                                  "CommandLine",
                                  "chalkline: there is no screen %1; this display has %2, from 0\n")
                                  .arg(*request.screen)
                                  .arg(QGuiApplication::screens().size())),
                   stderr);
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
    // --open starts on its problem, the way back to the menus as from any activity.
    shell::run_handler([&request] {
        if (request.open) {
            shell::show_problem_at(*request.open);
        } else {
            shell::show_form("Titlefrm");
        }
    });
    if (shell::program_ended()) {
        return shell::exit_status();
    }
    const int status = app.exec();
    // Screens unloaded on the way out are deleted before the application goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
