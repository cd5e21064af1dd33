// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problem_codes.h"
#include "worksheet.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace shell {

// What the command line asks for. When `exit_status` is set the program prints `output`
// (to standard output for status 0, to standard error otherwise) and ends with that
// status before it opens any window.
struct StartRequest {
    // --full-screen, or --window; without either, what was kept from the last time.
    bool full_screen = false;
    bool window = false;
    std::optional<int> screen;
    // The activity to start on (its name as the activity table spells it), and its kind
    // from 0.
    QString launch;
    std::optional<int> kind;
    // The lesson file to run, as given.
    QString lesson;
    bool reset_settings = false;
    // --open CODE: start on that problem.
    std::optional<ProblemAddress> open;
    // --worksheet ACTIVITY ... -o FILE: write the sheet and end, without a display.
    struct WorksheetOutput {
        Worksheet sheet;
        QString path;
        bool as_text = false;
    };
    std::optional<WorksheetOutput> worksheet;
    std::optional<int> exit_status;
    QString output;
};

// Reads the arguments, the program's name first. The toolkit's own options
// (-platform, -display, ...) are let through for it.
StartRequest read_command_line(const QStringList& arguments);

// The text of --help: the options and the keys, one line each, then where to report
// bugs and the home page.
QString help_text();
// The text of --list-activities: one line an activity, with its name for --launch and
// lessons, its menu, its title, its kinds and its own settings, in the language in use.
QString activity_list_text();
// The text of --version: the version, the copyright, the licence and the warranty.
QString version_text();

// What to say on standard error when the platform cannot honour the screen asked for:
// under Wayland the desktop, not the program, places a window (full screen goes to the
// screen asked for even there). Empty when there is nothing to say.
QString screen_request_warning(const StartRequest& request, const QString& platform);

} // namespace shell
