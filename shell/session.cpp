// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace shell {

void require_graphical_session(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        // The toolkit's own -platform and -display choose a display; help and version
        // are answered without one. A single dash works as well as two.
        const char* option = argv[i] + (std::strncmp(argv[i], "--", 2) == 0 ? 1 : 0);
        for (const char* known : {"-platform", "-display", "-help", "-version"}) {
            if (std::strcmp(option, known) == 0) {
                return;
            }
        }
    }
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            return;
        }
    }
    std::fputs(qPrintable(QCoreApplication::translate(
                   "CommandLine", "chalkline: needs a graphical session to show its windows, but "
                                  "neither DISPLAY nor WAYLAND_DISPLAY is set; start it from the "
                                  "desktop\n")),
               stderr);
    std::exit(1);
}

} // namespace shell
