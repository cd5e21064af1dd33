// SPDX-License-Identifier: GPL-3.0-or-later
// For developers: opens one screen by name, as a menu would, to look at it or take a
// screenshot (show_screen fourrules; show_screen -f fourrules for full screen). With
// --screenshot FILE it saves the screen as a PNG picture once it has painted, and ends:
// the build makes the screenshots of the AppStream metadata so. Not installed with the
// program.

#include "activities.h"
#include "display.h"
#include "handlers.h"
#include "language.h"
#include "menu_forms.h"
#include "pictures.h"
#include "program.h"
#include "screens.h"
#include "title_form.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

// Time for the screen's first timer ticks and paints before the picture is taken.
constexpr int kScreenshotDelayMs = 500;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    shell::use_language(shell::requested_language(app.arguments()));
    QStringList arguments = app.arguments().mid(1);
    if (const qsizetype at = arguments.indexOf("--lang"); at >= 0) {
        arguments.remove(at, std::min<qsizetype>(2, arguments.size() - at));
    }
    const bool full = arguments.removeAll("-f") + arguments.removeAll("--full-screen") > 0;
    QString screenshot;
    if (const qsizetype at = arguments.indexOf("--screenshot");
        at >= 0 && at + 1 < arguments.size()) {
        screenshot = arguments.takeAt(at + 1);
        arguments.removeAt(at);
    }
    if (arguments.size() != 1 || arguments[0].startsWith('-')) {
        std::fprintf(stderr, "usage: show_screen [-f | --full-screen] [--lang CODE] "
                             "[--screenshot FILE.png] <screen name>\n");
        return 2;
    }
    shell::register_title_form();
    shell::register_menu_forms();
    chalkline::register_activities();
    const QString name = arguments[0];
    if (!shell::has_form(name)) {
        std::fprintf(stderr, "show_screen: no screen named %s\n", qPrintable(name));
        return 2;
    }
    shell::start_display();
    shell::set_full_screen(full);
    shell::run_handler([&] { shell::show_form(name); });
    if (shell::program_ended()) {
        return shell::exit_status();
    }
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(kScreenshotDelayMs, &app, [&] {
            shell::Form* form = shell::loaded_form(name);
            if (form == nullptr || !form->grab().save(screenshot, "PNG")) {
                std::fprintf(stderr, "show_screen: cannot write %s\n", qPrintable(screenshot));
                app.exit(1);
                return;
            }
            app.exit(0);
        });
    }
    return app.exec();
}
