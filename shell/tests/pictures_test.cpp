// SPDX-License-Identifier: GPL-3.0-or-later
// Any JPEG at a picture path shows at its own size or is reported clearly, without
// hanging, and a picture costs only the area it fills. The pictures are made here.

#include "menu_forms.h"
#include "pictures.h"
#include "program.h"
#include "screens.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <sys/stat.h>

using namespace shell;

namespace {

QByteArray jpeg(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return buffer.data();
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A picture with detail in every block, so that damage anywhere shows in its data.
QImage detailed_picture() {
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
        }
    }
    return image;
}

// An empty working folder but for the exit button's picture, current while it lives.
class WorkingFolder {
public:
    WorkingFolder() : home_(QDir::currentPath()) {
        QDir(dir_.path()).mkpath("Images");
        copy_from_build("Images/exit.jpg");
        QDir::setCurrent(dir_.path());
        clear_picture_cache();
    }
    ~WorkingFolder() {
        QDir::setCurrent(home_);
        clear_picture_cache();
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    void copy_from_build(const QString& name) const { QFile::copy(home_ + '/' + name, path(name)); }

private:
    QString home_;
    QTemporaryDir dir_;
};

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           24;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_menu_forms(); }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A 96-dpi photo of the window's size, with bytes after its end marker, fills the
    // whole menu window.
    void a_photo_shows_at_its_own_size() {
        WorkingFolder folder;
        const QColor red(200, 40, 40);
        QImage photo(800, 600, QImage::Format_RGB32);
        photo.fill(red);
        write_file(folder.path("Images/menu1.jpg"), jpeg(photo) + QByteArray(3000, 'x'));
        const QImage shot = show_form("intro0")->grab().toImage();
        QVERIFY(near(shot.pixelColor(400, 300), red));
        QVERIFY(near(shot.pixelColor(798, 598), red));
    }

    // An 8000 by 6000 photo is accepted and held at the size of the window it fills.
    void a_large_photo_costs_only_the_area_it_fills() {
        WorkingFolder folder;
        QImage photo(8000, 6000, QImage::Format_Grayscale8);
        photo.fill(90);
        write_file(folder.path("Images/menu1.jpg"), jpeg(photo));
        show_form("intro0")->grab();
        QVERIFY2(picture_stats().held_bytes < 2'000'000,
                 qPrintable(QString::number(picture_stats().held_bytes)));
    }

    // A picture shrunk or enlarged from bands of its rows (never held decoded whole)
    // shows as the whole would, seams included, and damage in any band is still found.
    void a_picture_decoded_in_bands_matches_the_whole() {
        WorkingFolder folder;
        QImage photo(2400, 1800, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            for (int x = 0; x < photo.width(); ++x) {
                photo.setPixel(x, y, qRgb(x / 10 % 256, y / 60 % 2 * 200, (x + y) / 20 % 256));
            }
        }
        const QByteArray bytes = jpeg(photo);
        write_file(folder.path("Images/menu1.jpg"), bytes);
        for (const QSize shown : {QSize(1440, 1080), QSize(2880, 2160)}) {
            const QImage banded =
                picture_pixmap(load_picture("Images/menu1.jpg"), shown, 1).toImage();
            const QImage whole =
                QImage::fromData(bytes, "JPEG")
                    .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QCOMPARE(banded.size(), shown);
            for (int y = 0; y < shown.height(); y += 7) {
                for (int x = 0; x < shown.width(); x += 13) {
                    QVERIFY2(
                        near(banded.pixelColor(x, y), whole.pixelColor(x, y)),
                        qPrintable(QString("at %1,%2 of %3").arg(x).arg(y).arg(shown.height())));
                }
            }
        }
        const QSize shown(1440, 1080);
        clear_picture_cache();
        write_file(folder.path("Images/menu1.jpg"), bytes.left(bytes.size() * 3 / 4));
        QVERIFY_THROWS_EXCEPTION(PictureError,
                                 picture_pixmap(load_picture("Images/menu1.jpg"), shown, 1));
    }

    // Once the program runs, a picture that fails at load or at a later redraw never
    // ends the lesson: a button draws its word on its own colours and still works, a
    // menu shows its blue, and each file is reported once.
    void a_picture_that_fails_later_falls_back_to_its_colour() {
        WorkingFolder folder;
        folder.copy_from_build("Images/solution.jpg");
        write_file(folder.path("Images/next.jpg"), "not a picture");
        Form* intro = show_form("intro0"); // without Images/menu1.jpg
        QVERIFY(intro->isVisible() && intro->background_as_drawn().isNull());

        Form form("probe", 6000, 4000);
        std::vector<PictureButton*> buttons;
        int clicks = 0;
        for (const char* file : {"next", "solution", "exit"}) {
            auto* button = form.add<PictureButton>(&form, file);
            button->move(30, 30 + 600 * double(buttons.size()), 1650, 500);
            button->set_picture_file(QString("Images\\%1.jpg").arg(file));
            button->on_click = [&clicks](int) { ++clicks; };
            buttons.push_back(button);
        }
        // A new scale decodes the pictures again, and the solution's file has gone.
        QVERIFY(QFile::remove(folder.path("Images/solution.jpg")));
        set_twips_per_pixel(7.5);
        form.apply_scale();
        std::vector<QImage> faces;
        for (PictureButton* button : buttons) {
            faces.push_back(button->grab().toImage());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        set_twips_per_pixel(15);
        QCOMPARE(clicks, 3);
        const auto at_left = [](const QImage& face) {
            return face.pixelColor(8, face.height() / 2);
        };
        QVERIFY(at_left(faces[0]).green() > 2 * at_left(faces[0]).red());  // Next, green
        QVERIFY(at_left(faces[1]).red() > at_left(faces[1]).green() &&     // Solution,
                at_left(faces[1]).green() > 2 * at_left(faces[1]).blue()); // orange
        QVERIFY(at_left(faces[2]).red() > 2 * at_left(faces[2]).green());  // Exit, red
        for (const QImage& face : faces) {                                 // the word, in white
            int white = 0;
            for (int y = 0; y < face.height(); ++y) {
                for (int x = 0; x < face.width(); ++x) {
                    white += face.pixelColor(x, y).lightness() > 240;
                }
            }
            QVERIFY(white > face.width() * face.height() / 20);
        }
        QCOMPARE(failed_pictures().size(), qsizetype(3));
        QVERIFY(!program_ended());
    }

    // Pictures that cannot be read are reported with their file and reason at once by the
    // check at start, never drawn as garbage, decoded into a huge allocation or waited
    // on. Once the program runs, a box given one of them stays empty and the file is
    // reported once.
    void unreadable_pictures_are_reported() {
        WorkingFolder folder;
        const QByteArray good = jpeg(detailed_picture());
        QByteArray huge = good;
        // Declare 65000 by 65000 pixels in the frame header.
        const int sof = huge.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        huge.replace(sof + 5, 4, "\xFD\xE8\xFD\xE8");

        const struct {
            const char* file;
            std::optional<QByteArray> bytes;
            const char* reason;
        } cases[] = {
            {"truncated.jpg", good.left(good.size() / 2), "corrupt or incomplete"},
            {"ends-well.jpg", good.left(good.size() / 2) + "\xFF\xD9", "corrupt or incomplete"},
            {"text.jpg", "not a picture", "not a JPEG"},
            {"empty.jpg", "", "not a JPEG"},
            {"huge.jpg", huge, "too large"},
            {"folder.jpg", {}, "not a regular file"},
            {"pipe.jpg", {}, "not a regular file"},
            {"missing.jpg", {}, "does not exist"},
        };
        QVERIFY(QDir(folder.path("")).mkdir("folder.jpg"));
        QCOMPARE(::mkfifo(qPrintable(folder.path("pipe.jpg")), 0600), 0);
        Form form("probe", 6000, 4000);
        auto* box = form.add<PictureBox>(&form, "Picture1");
        box->move(0, 0, 4800, 3600);
        for (const auto& c : cases) {
            const QString path = folder.path(c.file);
            if (c.bytes) {
                write_file(path, *c.bytes);
            }
            try {
                check_picture(path);
                QFAIL(c.file);
            } catch (const PictureError& e) {
                QVERIFY2(e.reason().contains(c.reason), qPrintable(e.reason()));
                QVERIFY(e.report().contains(path));
            }
            box->set_picture_file(path);
            box->set_picture_file(path);
            QVERIFY(failed_pictures().contains(path));
        }
        QCOMPARE(failed_pictures().size(), qsizetype(std::size(cases)));
        QVERIFY(load_picture("").isNull());
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
