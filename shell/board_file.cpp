// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace shell {

namespace {

struct BoardFile {
    Q_DECLARE_TR_FUNCTIONS(BoardFile)
};

} // namespace

QString board_folder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir()) {
        return pictures;
    }
    return QDir::homePath();
}

QString board_file_name(const QString& screen, const QDateTime& when) {
    QString name;
    for (const QChar c : screen.simplified()) {
        name += c.isPrint() && !QStringLiteral("/\\:*?\"<>|").contains(c) ? c : QChar('-');
    }
    if (name.isEmpty() || name.startsWith('.')) {
        name.prepend("Chalkline");
    }
    return name + ' ' + when.toString("yyyy-MM-dd HH-mm-ss") + ".png";
}

SavedBoard save_board_picture(const QImage& picture, const QString& folder, const QString& name) {
    const QDir dir(folder);
    if (!dir.exists()) {
        return {{},
                BoardFile::tr("the folder %1 is not there").arg(QDir::toNativeSeparators(folder))};
    }
    QString path = dir.filePath(name);
    const QString stem = name.chopped(4);
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = dir.filePath(QString("%1 (%2).png").arg(stem).arg(n));
    }
    // Written beside its name and renamed when whole, so that no half-written picture
    // is ever left behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {{}, file.errorString()};
    }
    if (!picture.save(&file, "PNG")) {
        file.cancelWriting();
        return {{},
                file.errorString().isEmpty() ? BoardFile::tr("the picture could not be written")
                                             : file.errorString()};
    }
    if (!file.commit()) {
        return {{}, file.errorString()};
    }
    return {path, {}};
}

} // namespace shell
