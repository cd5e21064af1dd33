// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// The folders that may hold the picture folders Images and opening, as absolute paths
// in the order they are searched: the working directory; the installed data folder
// (<prefix>/share/chalkline, found from the program's own folder, so that an
// installation under any prefix works); the program's own folder, as in a build tree.
// A folder that comes twice is listed once.
QStringList data_folders();

// The file at a relative path ("opening/vorlen00.jpg") in the first data folder that
// has it, as an absolute path. A path found in none of them, or an absolute path, comes
// back unchanged.
QString find_data_file(const QString& path);

// What to tell the user about a data file that could not be loaded: for one found
// nowhere, every folder searched; for one found but unreadable, its permissions;
// otherwise that the file is damaged.
QString data_file_hint(const QString& path);

} // namespace shell
