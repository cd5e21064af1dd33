// SPDX-License-Identifier: GPL-3.0-or-later
// The picture folders of an installed program. This test runs from the bin folder of a
// test installation (`cmake --install --prefix`), beside the installed program, with
// CHALKLINE_TEST_PREFIX naming that prefix, and works from an empty working folder as
// a program started from the desktop menu would.

#include "data_folders.h"
#include "language.h"
#include "pictures.h"
#include "screens.h"
#include "title_form.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace shell;

namespace {

bool save_picture(const QString& path, int size) {
    QImage picture(size, size, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return picture.save(path, "JPEG");
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The report of a picture path whose file, written at file, is not a JPEG.
QString report_of(const QString& path, const QString& file) {
    if (!write_file(file, "not a picture")) {
        return "cannot write " + file;
    }
    try {
        load_picture(path);
    } catch (const PictureError& e) {
        return e.report();
    }
    return path + " loaded";
}

} // namespace

class InstalledTest : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString prefix;

private slots:
    void initTestCase() {
        prefix = QDir(qEnvironmentVariable("CHALKLINE_TEST_PREFIX")).canonicalPath();
        QVERIFY2(!prefix.isEmpty(), "CHALKLINE_TEST_PREFIX names no folder");
        QVERIFY(QDir::setCurrent(work.path()));
        register_title_form();
    }

    void cleanup() { clear_picture_cache(); }

    // From a folder without pictures the title screen takes its picture from the
    // installed data folder.
    void title_screen_finds_the_installed_picture() {
        Form* title = nullptr;
        QVERIFY_THROWS_NO_EXCEPTION(title = show_form("Titlefrm"));
        QVERIFY(!static_cast<TitleForm*>(title)->Picture1->picture().isNull());
        QCOMPARE(find_data_file("opening/vorlen00.jpg"),
                 prefix + "/share/chalkline/opening/vorlen00.jpg");
        QVERIFY(!load_picture("Images\\menu1.jpg").isNull());
        unload_form("Titlefrm");
        // The translations and the buttons painted in each language are installed too.
        QVERIFY(use_language("de"));
        QCOMPARE(find_data_file("Images/de/next.jpg"),
                 prefix + "/share/chalkline/Images/de/next.jpg");
        use_language("en");
    }

    // The installed pictures come first: one of the same name in the working folder (the
    // home folder, for a program started from the desktop menu) neither replaces nor
    // breaks them. A picture the installation lacks is read from the working folder, then
    // from beside the program.
    void installed_pictures_come_first_then_the_working_folder_then_the_program_folder() {
        QVERIFY(QDir().mkpath("Images"));
        QVERIFY(write_file("Images/next.jpg", "not a picture"));
        QVERIFY(save_picture("Images/menu1.jpg", 10));
        QVERIFY_THROWS_NO_EXCEPTION(load_picture("Images\\next.jpg"));
        QCOMPARE(load_picture("Images\\menu1.jpg").file(),
                 prefix + "/share/chalkline/Images/menu1.jpg");

        const QString beside = QCoreApplication::applicationDirPath() + "/Images/own.jpg";
        QVERIFY(QDir().mkpath(QFileInfo(beside).path()));
        QVERIFY(save_picture(beside, 20));
        QCOMPARE(load_picture("Images\\own.jpg").pixels(), QSize(20, 20));
        clear_picture_cache();
        QVERIFY(save_picture("Images/own.jpg", 10));
        QCOMPARE(load_picture("Images\\own.jpg").pixels(), QSize(10, 10));
        QVERIFY(QDir(QFileInfo(beside).path()).removeRecursively());
    }

    // A broken picture is reported with the file read and advice that fits where it lives:
    // the user's own file is to be removed or replaced, the installation's reinstalled.
    void a_broken_picture_is_reported_by_where_it_lives() {
        const QString installed = prefix + "/share/chalkline/Images/broken.jpg";
        const QString report_of_theirs = report_of("Images\\theirs.jpg", "Images/theirs.jpg");
        const QString report_of_broken = report_of("Images\\broken.jpg", installed);
        QVERIFY(QFile::remove(installed));
        QVERIFY2(report_of_theirs.contains(QDir::currentPath() + "/Images/theirs.jpg\"") &&
                     report_of_theirs.contains("remove or replace this file") &&
                     !report_of_theirs.contains("einstall"),
                 qPrintable(report_of_theirs));
        QVERIFY2(report_of_broken.contains(installed + "\"") &&
                     report_of_broken.contains("reinstall the program"),
                 qPrintable(report_of_broken));
    }

    // A picture found nowhere is reported with every folder searched, in order.
    void missing_picture_names_every_folder_searched() {
        try {
            load_picture("Images\\missing.jpg");
            QFAIL("a missing picture loaded");
        } catch (const PictureError& e) {
            const QString report = e.report();
            const qsizetype data = report.indexOf(prefix + "/share/chalkline, ");
            const qsizetype here = report.indexOf(QDir::currentPath() + ", ");
            const qsizetype bin = report.indexOf(prefix + "/bin.");
            QVERIFY2(data >= 0 && data < here && here < bin, qPrintable(report));
            QVERIFY2(report.contains("Images/missing.jpg"), qPrintable(report));
        }
    }
};

QTEST_MAIN(InstalledTest)
#include "installed_test.moc"
