// SPDX-License-Identifier: GPL-3.0-or-later
// Chalkline: mathematics activities for the whole class on a projector or whiteboard.

#include "activities.h"
#include "activity_choices.h"
#include "command_line.h"
#include "display.h"
#include "handlers.h"
#include "language.h"
#include "lessons.h"
#include "menu_forms.h"
#include "pictures.h"
#include "problem_codes.h"
#include "program.h"
#include "program_icon.h"
#include "screens.h"
#include "session.h"
#include "settings.h"
#include "title_form.h"
#include "worksheet.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

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
    std::optional<QCoreApplication> early(std::in_place, argc, argv);
    chalkline::register_activities();
    // The school's defaults and the settings kept from the last time come first, since
    // they may choose the language; --reset-settings leaves the kept ones unread.
    shell::load_settings(shell::lesson_activities(),
                         !arguments.contains(QStringLiteral("--reset-settings")));
    const bool named = std::any_of(arguments.begin(), arguments.end(),
                                   [](const QString& a) { return a.startsWith("--lang"); });
    const QString kept_language = shell::setting("General", "language");
    const QString language =
        named || kept_language.isEmpty() ? shell::requested_language(arguments) : kept_language;
    const bool translated = shell::use_language(language);
    for (const QString& line : shell::settings_problems()) {
        std::fputs(qPrintable(line + '\n'), stderr);
    }
    const shell::StartRequest request = shell::read_command_line(arguments);
    if (request.exit_status) {
        std::fputs(qPrintable(request.output), *request.exit_status == 0 ? stdout : stderr);
        return *request.exit_status;
    }
    // A language asked for by name that the program does not have: said once, in English,
    // the language the program then shows.
    const bool english = QLocale(language).language() == QLocale::English;
    if (named && !translated && !english) {
        std::fprintf(stderr,
                     "chalkline: there is no translation for \"%s\"; the texts are in English\n",
                     qPrintable(language));
    }
    if (request.worksheet) {
        return write_worksheet(*request.worksheet, early, argc, argv, language);
    }
    std::vector<chalkline::LessonStep> lesson;
    if (!request.lesson.isEmpty()) {
        shell::LessonFile file = shell::read_lesson_file(request.lesson);
        if (!file.error.isEmpty()) {
            std::fputs(qPrintable(file.error + '\n'), stderr);
            return 2;
        }
        lesson = std::move(file.steps);
    }
    if (request.reset_settings) {
        if (const QString failure = shell::forget_user_settings(); !failure.isEmpty()) {
            std::fputs(qPrintable(failure + '\n'), stderr);
        }
    }
    if (named && (translated || english)) {
        shell::remember_setting("General", "language", language, {});
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
    // The screen and the mode kept from the last time (or the school's), unless the command
    // line says; a kept screen that is not there now is passed over.
    if (!request.screen) {
        if (const QString kept = shell::setting("General", "screen"); !kept.isEmpty()) {
            shell::use_screen_number(kept.toInt());
        }
    }
    shell::StartRequest start = request;
    start.full_screen =
        request.full_screen ||
        (!request.window && shell::setting("General", "fullScreen") == QLatin1String("true"));
    if (request.screen && !shell::use_screen_number(*request.screen)) {
        std::fputs(qPrintable(QCoreApplication::translate(
                                  "CommandLine",
                                  "chalkline: there is no screen %1; this display has %2, from 0\n")
                                  .arg(*request.screen)
                                  .arg(QGuiApplication::screens().size())),
                   stderr);
        return 2;
    }
    std::fputs(qPrintable(shell::screen_request_warning(start, QGuiApplication::platformName())),
               stderr);
    shell::start_display();
    shell::set_full_screen(start.full_screen);
    shell::register_title_form();
    shell::register_menu_forms();

    // A broken installation is reported at start; later a picture never ends the lesson.
    try {
        shell::check_program_pictures();
    } catch (const shell::PictureError& error) {
        shell::fail_with(error);
        return shell::exit_status();
    }
    // A problem by its code, else a lesson, else an activity to start on (asked for, or the
    // school's), else the title; the way back to the menus is as from any activity.
    const QString launch = !request.launch.isEmpty() || !lesson.empty() || request.open
                               ? request.launch
                               : shell::setting("General", "launch");
    shell::run_handler([&] {
        if (request.open) {
            shell::show_problem_at(*request.open);
        } else if (!lesson.empty()) {
            shell::start_lesson(std::move(lesson));
        } else if (!launch.isEmpty()) {
            shell::open_next_with(launch, {request.kind, {}}, true);
            shell::show_form(launch);
        } else {
            shell::show_form("Titlefrm");
        }
    });
    if (shell::program_ended()) {
        return shell::exit_status();
    }
    const int status = app.exec();
    // The mode and the screen the program ends in are where it starts next time.
    shell::remember_setting("General", "fullScreen", shell::full_screen() ? "true" : "false",
                            "false");
    const auto screens = QGuiApplication::screens();
    shell::remember_setting(
        "General", "screen",
        QString::number(std::max<qsizetype>(0, screens.indexOf(shell::screen_in_use()))), "0");
    // Screens unloaded on the way out are deleted before the application goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
