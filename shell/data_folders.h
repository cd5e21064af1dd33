// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// The folders that may hold the picture folders Images and opening, as absolute paths
// in the order they are searched. An installed program (its <prefix>/share/chalkline,
// found from the program's own folder, exists) reads its own pictures first: that data
// folder, then the working directory, then the program's own folder. A build tree
// searches the working directory first, then the data folder, then the program's folder,
// where the build puts the pictures. A folder that comes twice is listed once.
QStringList data_folders();

// The file at a relative path ("opening/vorlen00.jpg") in the first data folder that
// has it, as an absolute path. A path found in none of them, or an absolute path, comes
// back unchanged.
QString find_data_file(const QString& path);

// What to tell the user about a data file that could not be loaded, by where it lives:
// for one found nowhere, every folder searched; for one in the program's own folders,
// to reinstall (or, when it cannot be read, to check its permissions); for one in any
// other folder, such as the user's own, to remove or replace it.
QString data_file_hint(const QString& path);

} // namespace shell
