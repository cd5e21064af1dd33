#include "pictures.h"

#include "data_folders.h"
#include "forms.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QMessageBox>

#include <cstdio>

namespace shell {

namespace {

QHash<QString, QPixmap>& picture_cache() {
    static QHash<QString, QPixmap> cache;
    return cache;
}

struct ScaledKey {
    qint64 key;
    QSize size;
    bool operator==(const ScaledKey&) const = default;
};
size_t qHash(const ScaledKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.key, k.size.width(), k.size.height());
}
QHash<ScaledKey, QPixmap>& scaled_cache() {
    static QHash<ScaledKey, QPixmap> cache;
    return cache;
}

QString local_path(const QString& path) {
    QString local = path;
    local.replace('\\', '/');
    return local;
}

QImage decode(const QString& path) {
    const QString local = find_data_file(local_path(path));
    QFile file(local);
    if (!file.exists()) {
        throw PictureError(local, "the file does not exist");
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw PictureError(local, "the file cannot be read: " + file.errorString());
    }
    QByteArray bytes = file.readAll();
    // Qt decodes a truncated JPEG with only a warning, so check both markers first.
    if (bytes.size() < 4 || uchar(bytes[0]) != 0xFF || uchar(bytes[1]) != 0xD8) {
        throw PictureError(local, "the file is not a JPEG picture");
    }
    if (uchar(bytes[bytes.size() - 2]) != 0xFF || uchar(bytes[bytes.size() - 1]) != 0xD9) {
        throw PictureError(local, "the JPEG picture is truncated or corrupt");
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        throw PictureError(local, "the JPEG picture is corrupt");
    }
    if (qint64(size.width()) * size.height() * 4 > qint64(QImageReader::allocationLimit()) << 20) {
        throw PictureError(local,
                           QString("the picture declares %1 by %2 pixels, too large to decode")
                               .arg(size.width())
                               .arg(size.height()));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw PictureError(local, "the JPEG picture cannot be decoded: " + reader.errorString());
    }
    return image;
}

} // namespace

PictureError::PictureError(QString path, QString reason)
    : std::runtime_error((path + ": " + reason).toStdString()), path_(std::move(path)),
      reason_(std::move(reason)) {}

QString PictureError::report() const {
    return QString(
               "Chalkline cannot start this screen: the picture \"%1\" cannot be loaded (%2). %3")
        .arg(path_, reason_, data_file_hint(path_));
}

QPixmap load_picture(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    auto& cache = picture_cache();
    const QString key = local_path(path);
    if (auto it = cache.find(key); it != cache.end()) {
        return *it;
    }
    QPixmap picture = QPixmap::fromImage(decode(path));
    cache.insert(key, picture);
    return picture;
}

QString picture_word(const QString& path) {
    QString base = QFileInfo(local_path(path)).completeBaseName();
    if (base.isEmpty()) {
        return {};
    }
    base[0] = base[0].toUpper();
    return base;
}

QPixmap scaled_picture(const QPixmap& picture, QSize size) {
    if (picture.isNull() || size.isEmpty()) {
        return {};
    }
    if (picture.size() == size) {
        return picture;
    }
    auto& cache = scaled_cache();
    const ScaledKey key{picture.cacheKey(), size};
    if (auto it = cache.find(key); it != cache.end()) {
        return *it;
    }
    QPixmap scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    cache.insert(key, scaled);
    return scaled;
}

void clear_picture_cache() {
    picture_cache().clear();
    scaled_cache().clear();
}

void fail_with(const PictureError& error) {
    std::fprintf(stderr, "chalkline: %s\n", qPrintable(error.report()));
    std::fflush(stderr);
    if (QGuiApplication::platformName() != "offscreen") {
        QMessageBox::critical(nullptr, "Chalkline", error.report());
    }
    end_program(1);
}

} // namespace shell
