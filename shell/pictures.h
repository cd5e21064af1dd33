// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace shell {

// A picture the installation should have but that cannot be read. Found by the check at
// start, it ends the program; once the program runs, the screens show without it.
class PictureError : public std::runtime_error {
public:
    PictureError(QString path, QString reason);
    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }
    QString report() const;

private:
    QString path_;
    QString reason_;
};

// A JPEG picture file, known by its header: where it is, its pixel size and the size it
// shows at. It is decoded only when drawn (picture_pixmap).
class Picture {
public:
    Picture() = default;
    bool isNull() const { return file_.isEmpty(); }
    // The file as found on disk.
    const QString& file() const { return file_; }
    // The file's own pixels.
    QSize pixels() const { return pixels_; }
    // The size it shows at, in twips: 15 twips to a pixel, or 5 for the program's own
    // pictures, which are painted at three times that size to stay sharp when enlarged
    // and say so with a density of 288 dots per inch.
    QSizeF own_size() const;
    bool operator==(const Picture&) const = default;

private:
    friend Picture load_picture(const QString& path);
    QString file_;
    QSize pixels_;
    bool oversampled_ = false;
};

// Loads a JPEG by the path as the screens write it ("Images\next.jpg"), from the first
// data folder that has it (data_folders.h). Only its header is read, once per run. An empty path
// gives the null picture. A file that is missing, not a regular file, not a JPEG or too big to
// decode safely throws PictureError.
Picture load_picture(const QString& path);

// The picture decoded straight at size device pixels (only its part clip of that size
// when clip is not empty), for a device pixel ratio dpr. Each is decoded once and kept
// while its scale (twips per device pixel) is in use or was the one before; what older
// scales used is dropped. Corrupt or incomplete data throws PictureError.
QPixmap picture_pixmap(const Picture& picture, QSize size, qreal dpr, QRect clip = {});

// Every picture the program shows, read and decoded once at start (at a small size, so
// that damage anywhere in a file shows): the first that cannot be read throws
// PictureError, and the start ends with its report.
void check_program_pictures();
// The same check for one picture path.
void check_picture(const QString& path);

// Once the program runs, a picture that cannot be read never ends the lesson: it is
// reported once on the console (one line for each file) and not read again this run, and
// its place falls back to its colour (a picture button to its face, button_faces.h).
// The picture for a screen being loaded, or the null picture when it cannot be read:
Picture picture_or_none(const QString& path);
// The picture decoded for painting, or nothing when it cannot be read now.
QPixmap painted_pixmap(const Picture& picture, QSize size, qreal dpr, QRect clip = {});
// Whether picture_pixmap() with these would find the picture decoded already.
bool pixmap_ready(const Picture& picture, QSize size, qreal dpr, QRect clip = {});
// The picture files reported as unreadable this run.
QStringList failed_pictures();

// The word a picture button shows ("Next" for "Images\next.jpg"), for screen readers.
QString picture_word(const QString& path);

// What the pictures cost so far: decodes made, decodes of a picture at a size it had
// been decoded at before, and the bytes of the pixmaps kept.
struct PictureStats {
    int decodes = 0;
    int repeated = 0;
    qint64 held_bytes = 0;
};
PictureStats picture_stats();

// Forgets every picture read and its counts (tests that change the files on disk).
void clear_picture_cache();

// Reports the picture once, as above (handlers.h: every handler runs through it).
void report_failed_picture(const PictureError& error);

// Ends the start with the report of a picture the check found broken: on the console and
// in a message box, and status 1.
void fail_with(const PictureError& error);

} // namespace shell
