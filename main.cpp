// Chalkline: mathematics activities for the whole class on a projector or whiteboard.

#include "activities.h"
#include "forms.h"
#include "menu_forms.h"
#include "pictures.h"
#include "session.h"
#include "title_form.h"

#include <QApplication>

int main(int argc, char** argv) {
    shell::require_graphical_session(argc, argv);
    QApplication app(argc, argv);
    shell::register_title_form();
    shell::register_menu_forms();
    register_activities();

    shell::run_handler([] { shell::show_form("Titlefrm"); });
    if (shell::program_ended()) {
        return shell::exit_status();
    }
    const int status = app.exec();
    // Screens unloaded on the way out are deleted before the application goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
