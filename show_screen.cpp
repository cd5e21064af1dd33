// SPDX-License-Identifier: GPL-3.0-or-later
// For developers: opens one screen by name, as a menu would, to look at it or take a
// screenshot (show_screen fourrules; show_screen -f fourrules for full screen). Not
// installed with the program.

#include "activities.h"
#include "display.h"
#include "forms.h"
#include "language.h"
#include "menu_forms.h"
#include "pictures.h"
#include "title_form.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    shell::use_language(shell::requested_language(app.arguments()));
    QStringList arguments = app.arguments().mid(1);
    if (const qsizetype at = arguments.indexOf("--lang"); at >= 0) {
        arguments.remove(at, std::min<qsizetype>(2, arguments.size() - at));
    }
    const bool full = arguments.removeAll("-f") + arguments.removeAll("--full-screen") > 0;
    if (arguments.size() != 1) {
        std::fprintf(stderr,
                     "usage: show_screen [-f | --full-screen] [--lang CODE] <screen name>\n");
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
    return app.exec();
}
