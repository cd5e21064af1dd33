// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace shell {

namespace {

// The folders that belong to the program itself: its installed data folder and its own
// folder. Empty before the application object exists, when neither is known.
QStringList own_folders() {
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    const QString program = QCoreApplication::applicationDirPath();
    // CHALKLINE_DATA_FROM_PROGRAM is the installed data folder relative to the
    // installed program ("../share/chalkline"), set by the build.
    return {QDir::cleanPath(program + '/' + CHALKLINE_DATA_FROM_PROGRAM), program};
}

} // namespace

QStringList data_folders() {
    const QString working = QDir::currentPath();
    const QStringList own = own_folders();
    QStringList folders;
    if (own.isEmpty()) {
        folders = {working};
    } else if (QFileInfo(own[0]).isDir()) {
        // Installed: a launcher starts the program in the home folder, whose pictures
        // (~/Images on some desktops) must neither replace nor break the program's own.
        folders = {own[0], working, own[1]};
    } else {
        folders = {working, own[0], own[1]};
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
    const QStringList own = own_folders();
    if (file.isRelative()) {
        return QCoreApplication::translate(
                   "Errors", "It is in none of the folders searched: %1. Reinstall the program; "
                             "an installed Chalkline keeps its Images and opening folders in %2.")
            .arg(data_folders().join(", "), own.value(0, QDir::currentPath()));
    }
    // The folder searched that holds the file: the one above its Images or opening folder
    // (a button painted in a language is one folder further down, in Images/<language>).
    QString pictures = QDir::cleanPath(file.absolutePath());
    if (!pictures.endsWith("/Images") && !pictures.endsWith("/opening")) {
        pictures = QFileInfo(pictures).path();
    }
    const QString searched = QFileInfo(pictures).path();
    if (!own.contains(searched)) {
        return QCoreApplication::translate(
                   "Errors", "It is not one of the program's own pictures but a file in %1, which "
                             "is searched for pictures too: remove or replace this file.")
            .arg(searched);
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
