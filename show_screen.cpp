// For developers: opens one screen by name, as a menu would, to look at it or take a
// screenshot (show_screen fourrules). Not installed with the program.

#include "activities.h"
#include "forms.h"
#include "menu_forms.h"
#include "pictures.h"
#include "title_form.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: show_screen <screen name>\n");
        return 2;
    }
    shell::register_title_form();
    shell::register_menu_forms();
    register_activities();
    const QString name = QString::fromLocal8Bit(argv[1]);
    if (!shell::has_form(name)) {
        std::fprintf(stderr, "show_screen: no screen named %s\n", argv[1]);
        return 2;
    }
    shell::run_handler([&] { shell::show_form(name); });
    if (shell::program_ended()) {
        return shell::exit_status();
    }
    return app.exec();
}
