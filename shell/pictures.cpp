// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "button_faces.h"
#include "data_folders.h"
#include "form.h"
#include "language.h"
#include "program.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QMessageBox>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <memory>
#include <numeric>
#include <sys/stat.h>
#include <unistd.h>

namespace shell {

namespace {

// The context of the errors' texts in the translations. A reason names what is wrong
// with the file; what the JPEG decoder or the system says of it follows in its own words.
struct Errors {
    Q_DECLARE_TR_FUNCTIONS(Errors)
};

// The program's own pictures are painted at three times the size they show at.
constexpr int kOwnPictureDpi = 288;
constexpr double kTwipsPerPicturePixel = 15.0;
constexpr double kTwipsPerOwnPicturePixel = 5.0;

struct PixmapKey {
    QString file;
    QSize size;
    QRect clip;
    qreal dpr;
    bool operator==(const PixmapKey&) const = default;
};
size_t qHash(const PixmapKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.file, k.size.width(), k.size.height(), k.clip.x(), k.clip.y(),
                      k.clip.width(), k.clip.height(), k.dpr);
}

struct Held {
    QPixmap pixmap;
    double scale; // twips per device pixel when it was decoded
};

struct Cache {
    QHash<QString, Picture> headers;
    QHash<PixmapKey, Held> pixmaps;
    QSet<PixmapKey> decoded;
    double scales[2] = {0, 0}; // the scale in use and the one before
    // The files found unreadable once the program runs, and the paths that named them.
    QSet<QString> failed;
    QStringList failed_files;
    PictureStats stats;
};

Cache& cache() {
    static Cache c;
    return c;
}

// The picture path with the separators of this system; the screens write Windows ones.
// A button's picture ("Images/next.jpg") has a copy with the words of the language in
// use ("Images/fr/next.jpg") where the build painted one.
QString local_path(const QString& path) {
    QString local = path;
    local.replace('\\', '/');
    if (current_language() != "en" && local.startsWith("Images/") && local.count('/') == 1) {
        // Looked for once a path and language: pictures are asked for at every load.
        static QHash<QString, bool> painted;
        const QString translated = "Images/" + current_language() + local.mid(6);
        auto found = painted.find(translated);
        if (found == painted.end()) {
            found = painted.insert(translated, find_data_file(translated) != translated);
        }
        if (*found) {
            return translated;
        }
    }
    return local;
}

// Where the file of a picture path is: in the first data folder that has it.
QString resolve_picture_path(const QString& path) {
    return find_data_file(local_path(path));
}

// Opens the file for reading without ever blocking: anything but a regular file (a
// folder, a pipe, a device) is refused at once.
std::unique_ptr<QFile> open_picture_file(const QString& file) {
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        throw PictureError(file, error == ENOENT
                                     ? Errors::tr("the file does not exist")
                                     : Errors::tr("the file cannot be read: %1")
                                           .arg(QString::fromLocal8Bit(std::strerror(error))));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        throw PictureError(file,
                           Errors::tr("it is not a regular file but a folder, pipe or device"));
    }
    auto opened = std::make_unique<QFile>();
    if (!opened->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw PictureError(file,
                           Errors::tr("the file cannot be read: %1").arg(opened->errorString()));
    }
    return opened;
}

// A JFIF header that declares 288 dots per inch marks one of the program's own pictures.
bool declares_own_density(const QByteArray& head) {
    const auto byte = [&](int i) { return int(uchar(head[i])); };
    if (head.size() < 18 || byte(2) != 0xFF || byte(3) != 0xE0 ||
        !head.mid(6, 5).startsWith("JFIF")) {
        return false;
    }
    const int units = byte(13);
    const int x = byte(14) << 8 | byte(15);
    const int y = byte(16) << 8 | byte(17);
    return units == 1 && x == kOwnPictureDpi && y == kOwnPictureDpi;
}

qint64 allocation_limit_bytes() {
    return qint64(QImageReader::allocationLimit()) << 20;
}

// Collects what the JPEG decoder reports while one picture is decoded; every other
// message goes on to the handler that was there before.
class DecoderMessages {
public:
    DecoderMessages() : previous_(qInstallMessageHandler(&DecoderMessages::handle)) {
        current_ = this;
    }
    ~DecoderMessages() {
        qInstallMessageHandler(previous_);
        current_ = nullptr;
    }
    DecoderMessages(const DecoderMessages&) = delete;
    DecoderMessages& operator=(const DecoderMessages&) = delete;

    const QStringList& messages() const { return messages_; }
    // What the decoder says of data it could not find or make sense of.
    QString damage() const {
        for (const QString& m : messages_) {
            if (m.contains("Corrupt") || m.contains("Premature end") ||
                m.contains("Inconsistent progression")) {
                return m;
            }
        }
        return {};
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (current_ && qstrcmp(context.category, "qt.gui.imageio.jpeg") == 0) {
            current_->messages_ << text;
        } else if (current_ && current_->previous_) {
            current_->previous_(type, context, text);
        }
    }
    static inline DecoderMessages* current_ = nullptr;
    QtMessageHandler previous_;
    QStringList messages_;
};

qint64 image_bytes(QSize size) {
    return qint64(size.width()) * size.height() * 4;
}

QSize reduced(QSize pixels, int by) {
    return QSize((pixels.width() + by - 1) / by, (pixels.height() + by - 1) / by);
}

// How far the JPEG decoder shrinks the picture as it decodes it: by a power of two up to
// eight, as long as at least twice the pixels shown remain, so that the final smooth
// scaling looks as sharp as from the whole picture; further if the decoded picture would
// pass the allocation limit.
int decoder_reduction(QSize pixels, QSize shown) {
    int by = 1;
    while (by < 8) {
        const QSize next = reduced(pixels, 2 * by);
        const bool sharp = next.width() >= 2 * shown.width() && next.height() >= 2 * shown.height();
        if (!sharp && image_bytes(reduced(pixels, by)) <= allocation_limit_bytes()) {
            break;
        }
        by *= 2;
    }
    return by;
}

// The file's pixels that show in clip of the picture drawn at size, widened to whole pixels.
QRect source_rect(QSize pixels, QSize size, QRect clip) {
    const double sx = double(pixels.width()) / size.width();
    const double sy = double(pixels.height()) / size.height();
    const int left = int(std::floor(clip.left() * sx));
    const int top = int(std::floor(clip.top() * sy));
    const int right = std::min(pixels.width(), int(std::ceil((clip.right() + 1) * sx)));
    const int bottom = std::min(pixels.height(), int(std::ceil((clip.bottom() + 1) * sy)));
    return QRect(left, top, right - left, bottom - top);
}

// Reads what the reader is set to read; a picture that cannot be decoded, or that the
// decoder finds damaged, throws PictureError.
QImage read_checked(QImageReader& reader, const QString& file) {
    QImage image;
    QString damage;
    {
        const DecoderMessages messages;
        image = reader.read();
        damage = messages.damage();
        if (image.isNull()) {
            damage = messages.messages().isEmpty() ? reader.errorString()
                                                   : messages.messages().join("; ");
        }
    }
    if (image.isNull()) {
        throw PictureError(file, Errors::tr("the JPEG picture cannot be decoded: %1").arg(damage));
    }
    if (!damage.isEmpty()) {
        throw PictureError(file,
                           Errors::tr("the JPEG picture is corrupt or incomplete: %1").arg(damage));
    }
    return image;
}

// A whole decode larger than this is made in bands of rows instead (below).
constexpr qint64 kBandBytes = 3 << 20;

// The picture scaled to shown from bands of its rows, each decoded and scaled on its own,
// so that the whole picture is never held decoded at once (a 2400 by 1800 picture is
// 16.5 MiB) beside its scaled copy. Bands meet where a row shown begins exactly on a row
// of the file, so the smooth scaling of each band gives the rows the whole would (an
// enlarged band's edge rows are drawn from its own last row, not the next band's first:
// a difference no one sees on a background); where no such rows exist close enough, the
// result is empty and the picture is decoded whole.
QImage decode_in_bands(const QString& file, QSize pixels, QSize shown) {
    const int common = std::gcd(pixels.height(), shown.height());
    const int shown_step = shown.height() / common;
    const int file_step = pixels.height() / common;
    const qint64 row_bytes = image_bytes(QSize(pixels.width(), 1));
    const int steps = std::max<qint64>(1, kBandBytes / (row_bytes * file_step));
    if (qint64(file_step) * row_bytes > kBandBytes || steps * shown_step >= shown.height()) {
        return {};
    }
    QImage whole;
    for (int top = 0; top < shown.height(); top += steps * shown_step) {
        const int rows = std::min(steps * shown_step, shown.height() - top);
        const int from = top / shown_step * file_step;
        const int to = (top + rows) / shown_step * file_step;
        auto device = open_picture_file(file);
        QImageReader reader(device.get(), "jpeg");
        reader.setClipRect(QRect(0, from, pixels.width(), to - from));
        QImage band = read_checked(reader, file);
        band = band.scaled(shown.width(), rows, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (whole.isNull()) {
            whole = QImage(shown, band.format());
        }
        for (int y = 0; y < rows; ++y) {
            std::memcpy(whole.scanLine(top + y), band.constScanLine(y),
                        std::size_t(band.bytesPerLine()));
        }
    }
    // The bands were freed into the heap, which would keep them: given back to the system.
    malloc_trim(0);
    return whole;
}

// Decodes the picture at size, or only its part clip of that size. The decoder reads only
// the rows and columns that show, or shrinks the picture while it decodes it; one smooth
// scaling makes the size shown.
QImage decode(const Picture& picture, QSize size, QRect clip) {
    const QString& file = picture.file();
    const QSize pixels = picture.pixels();
    const QSize shown = clip.isEmpty() ? size : clip.size();
    if (image_bytes(shown) > allocation_limit_bytes()) {
        throw PictureError(file, Errors::tr("the picture would show at %1 by %2 pixels, too large")
                                     .arg(shown.width())
                                     .arg(shown.height()));
    }
    auto device = open_picture_file(file);
    QImageReader reader(device.get(), "jpeg");
    QSize read = pixels;
    if (!clip.isEmpty()) {
        const QRect source = size == pixels ? clip : source_rect(pixels, size, clip);
        reader.setClipRect(source);
        read = source.size();
    } else if (const int by = decoder_reduction(pixels, shown); by > 1) {
        read = reduced(pixels, by);
        reader.setScaledSize(read);
    } else if (image_bytes(pixels) > kBandBytes && shown.height() != pixels.height()) {
        if (QImage banded = decode_in_bands(file, pixels, shown); !banded.isNull()) {
            return banded;
        }
    }
    if (image_bytes(read) > allocation_limit_bytes()) {
        throw PictureError(file, Errors::tr("the picture needs %1 by %2 pixels decoded, too large")
                                     .arg(read.width())
                                     .arg(read.height()));
    }
    QImage image = read_checked(reader, file);
    if (image.size() != shown) {
        image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

// Keeps what the scale in use and the one before it use; a third scale drops the rest.
void enter_scale(double scale) {
    auto& c = cache();
    if (scale == c.scales[0]) {
        return;
    }
    const double kept = c.scales[0];
    c.scales[1] = kept;
    c.scales[0] = scale;
    c.pixmaps.removeIf([&](const auto& entry) {
        return entry.value().scale != scale && entry.value().scale != kept;
    });
}

} // namespace

PictureError::PictureError(QString path, QString reason)
    : std::runtime_error((path + ": " + reason).toStdString()), path_(std::move(path)),
      reason_(std::move(reason)) {}

QString PictureError::report() const {
    return Errors::tr("Chalkline cannot start: the picture \"%1\" cannot be loaded (%2). %3")
        .arg(path_, reason_, data_file_hint(path_));
}

QSizeF Picture::own_size() const {
    const double twips = oversampled_ ? kTwipsPerOwnPicturePixel : kTwipsPerPicturePixel;
    return QSizeF(pixels_) * twips;
}

Picture load_picture(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    auto& headers = cache().headers;
    if (auto it = headers.find(local_path(path)); it != headers.end()) {
        return *it;
    }
    const QString file = resolve_picture_path(path);
    auto device = open_picture_file(file);
    const QByteArray head = device->peek(64);
    if (head.size() < 4 || uchar(head[0]) != 0xFF || uchar(head[1]) != 0xD8) {
        throw PictureError(file, Errors::tr("the file is not a JPEG picture"));
    }
    QImageReader reader(device.get(), "jpeg");
    QSize pixels;
    QStringList said;
    {
        const DecoderMessages messages;
        pixels = reader.size();
        said = messages.messages();
    }
    if (!pixels.isValid() || pixels.isEmpty()) {
        throw PictureError(
            file, said.isEmpty()
                      ? Errors::tr("the JPEG picture is corrupt")
                      : Errors::tr("the JPEG picture is corrupt: %1").arg(said.join("; ")));
    }
    // The decoder shrinks a picture at most eightfold while it decodes.
    const qint64 smallest = qint64((pixels.width() + 7) / 8) * ((pixels.height() + 7) / 8) * 4;
    if (smallest > allocation_limit_bytes()) {
        throw PictureError(file,
                           Errors::tr("the picture declares %1 by %2 pixels, too large to decode")
                               .arg(pixels.width())
                               .arg(pixels.height()));
    }
    Picture picture;
    picture.file_ = file;
    picture.pixels_ = pixels;
    picture.oversampled_ = declares_own_density(head);
    headers.insert(local_path(path), picture);
    return picture;
}

QPixmap picture_pixmap(const Picture& picture, QSize size, qreal dpr, QRect clip) {
    if (picture.isNull() || size.isEmpty()) {
        return {};
    }
    auto& c = cache();
    const double scale = twips_per_pixel() / dpr;
    enter_scale(scale);
    const PixmapKey key{picture.file(), size, clip, dpr};
    if (auto it = c.pixmaps.find(key); it != c.pixmaps.end()) {
        it->scale = scale;
        return it->pixmap;
    }
    QPixmap pixmap = QPixmap::fromImage(decode(picture, size, clip));
    pixmap.setDevicePixelRatio(dpr);
    ++c.stats.decodes;
    if (c.decoded.contains(key)) {
        ++c.stats.repeated;
    }
    c.decoded.insert(key);
    c.pixmaps.insert(key, {pixmap, scale});
    return pixmap;
}

void check_picture(const QString& path) {
    const Picture picture = load_picture(path);
    decode(picture, reduced(picture.pixels(), 8), {});
}

void check_program_pictures() {
    check_picture("opening\\vorlen00.jpg");
    check_picture("Images\\menu1.jpg");
    for (const ButtonFace& face : kButtonFaces) {
        check_picture("Images\\" + face.file);
    }
}

void report_failed_picture(const PictureError& error) {
    auto& c = cache();
    if (c.failed.contains(error.path())) {
        return;
    }
    c.failed.insert(error.path());
    c.failed_files << error.path();
    std::fputs(qPrintable(Errors::tr("chalkline: the picture \"%1\" cannot be loaded (%2); the "
                                     "lesson goes on without it. %3\n")
                              .arg(error.path(), error.reason(), data_file_hint(error.path()))),
               stderr);
    std::fflush(stderr);
}

Picture picture_or_none(const QString& path) {
    auto& c = cache();
    const QString local = local_path(path);
    if (c.failed.contains(local)) {
        return {};
    }
    try {
        const Picture picture = load_picture(path);
        return c.failed.contains(picture.file()) ? Picture() : picture;
    } catch (const PictureError& error) {
        report_failed_picture(error);
        c.failed.insert(local);
        return {};
    }
}

QPixmap painted_pixmap(const Picture& picture, QSize size, qreal dpr, QRect clip) {
    if (cache().failed.contains(picture.file())) {
        return {};
    }
    try {
        return picture_pixmap(picture, size, dpr, clip);
    } catch (const PictureError& error) {
        report_failed_picture(error);
        return {};
    }
}

bool pixmap_ready(const Picture& picture, QSize size, qreal dpr, QRect clip) {
    return cache().pixmaps.contains(PixmapKey{picture.file(), size, clip, dpr});
}

QStringList failed_pictures() {
    return cache().failed_files;
}

QString picture_word(const QString& path) {
    QString base = QFileInfo(local_path(path)).completeBaseName();
    if (base.isEmpty()) {
        return {};
    }
    base[0] = base[0].toUpper();
    // The word painted on the picture, in the language in use.
    return QCoreApplication::translate("Pictures", qPrintable(base));
}

PictureStats picture_stats() {
    PictureStats stats = cache().stats;
    for (const Held& held : cache().pixmaps) {
        stats.held_bytes +=
            qint64(held.pixmap.width()) * held.pixmap.height() * held.pixmap.depth() / 8;
    }
    return stats;
}

void clear_picture_cache() {
    cache() = Cache{};
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
