// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace shell {

// What the command line asks for. When `exit_status` is set the program prints `output`
// (to standard output for status 0, to standard error otherwise) and ends with that
// status before it opens any window.
struct StartRequest {
    bool full_screen = false;
    std::optional<int> screen;
    std::optional<int> exit_status;
    QString output;
};

// Reads the arguments, the program's name first. The toolkit's own options
// (-platform, -display, ...) are let through for it.
StartRequest read_command_line(const QStringList& arguments);

// The text of --help: the options and the keys, one line each.
QString help_text();

} // namespace shell
