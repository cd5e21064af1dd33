#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <stdexcept>

namespace shell {

// A picture the installation should have but that cannot be read. It ends the program.
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

// Loads a JPEG by the path as the screens write it ("Images\next.jpg"), from the first
// data folder that has it (data_folders.h). Each file is decoded once per run and kept.
// An empty path gives the empty picture. A file that is missing, truncated, not a JPEG
// or too big to decode safely throws PictureError.
QPixmap load_picture(const QString& path);

// The word a picture button shows ("Next" for "Images\next.jpg"), for screen readers.
QString picture_word(const QString& path);

// The picture smoothly scaled to size, kept so that repainting never rescales.
QPixmap scaled_picture(const QPixmap& picture, QSize size);

// Forgets every decoded picture (tests that change the files on disk).
void clear_picture_cache();

// Runs a handler; a picture failure inside it ends the program with a report instead of
// unwinding through the toolkit.
template <class F> void run_handler(F&& handler);
void fail_with(const PictureError& error);

template <class F> void run_handler(F&& handler) {
    try {
        handler();
    } catch (const PictureError& error) {
        fail_with(error);
    }
}

} // namespace shell
