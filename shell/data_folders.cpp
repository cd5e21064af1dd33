// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace shell {

QStringList data_folders() {
    QStringList folders{QDir::currentPath()};
    // Before the application object exists its folder is unknown; only the working
    // directory is searched then.
    if (QCoreApplication::instance() != nullptr) {
        const QString program = QCoreApplication::applicationDirPath();
        // CHALKLINE_DATA_FROM_PROGRAM is the installed data folder relative to the
        // installed program ("../share/chalkline"), set by the build.
        folders << QDir::cleanPath(program + '/' + CHALKLINE_DATA_FROM_PROGRAM) << program;
    }
    folders.removeDuplicates();
    return folders;
}

QString find_data_file(const QString& path) {
    if (QDir::isAbsolutePath(path)) {
        return path;
    }
    for (const QString& folder : data_folders()) {
        const QString candidate = QDir(folder).filePath(path);
        if (QFileInfo::exists(candidate)) {
            return candidate;
        }
    }
    return path;
}

QString data_file_hint(const QString& path) {
    const QFileInfo file(path);
    if (file.isRelative()) {
        const QStringList folders = data_folders();
        return QCoreApplication::translate(
                   "Errors", "It is in none of the folders searched: %1. Reinstall the program; "
                             "an installed Chalkline keeps its Images and opening folders in %2.")
            .arg(folders.join(", "), folders.value(1, folders.first()));
    }
    if (!file.exists()) {
        return QCoreApplication::translate("Errors", "Reinstall the program to restore it.");
    }
    if (!file.isReadable()) {
        return QCoreApplication::translate(
            "Errors", "Check its permissions: the user running Chalkline must be able to read it.");
    }
    return QCoreApplication::translate("Errors",
                                       "The file is damaged; reinstall the program to restore it.");
}

} // namespace shell
