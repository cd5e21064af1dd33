// The picture folders of an installed program. This test runs from the bin folder of a
// test installation (`cmake --install --prefix`), beside the installed program, with
// CHALKLINE_TEST_PREFIX naming that prefix, and works from an empty working folder as
// a program started from the desktop menu would.

#include "data_folders.h"
#include "forms.h"
#include "pictures.h"
#include "title_form.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace shell;

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
        auto* title = static_cast<TitleForm*>(show_form("Titlefrm"));
        QVERIFY(!title->Picture1->picture().isNull());
        QCOMPARE(find_data_file("opening/vorlen00.jpg"),
                 prefix + "/share/chalkline/opening/vorlen00.jpg");
        QVERIFY(!load_picture("Images\\menu1.jpg").isNull());
        unload_form("Titlefrm");
    }

    // The working folder comes first: a picture there wins over the installed one.
    void working_folder_comes_first() {
        QVERIFY(QDir().mkpath("Images"));
        QImage own(10, 10, QImage::Format_RGB32);
        own.fill(Qt::red);
        QVERIFY(own.save("Images/next.jpg", "JPEG"));
        QCOMPARE(load_picture("Images\\next.jpg").size(), QSize(10, 10));
        QVERIFY(QFile::remove("Images/next.jpg"));
    }

    // A picture found nowhere is reported with every folder searched, in order.
    void missing_picture_names_every_folder_searched() {
        try {
            load_picture("Images\\missing.jpg");
            QFAIL("a missing picture loaded");
        } catch (const PictureError& e) {
            const QString report = e.report();
            const qsizetype here = report.indexOf(QDir::currentPath() + ", ");
            const qsizetype data = report.indexOf(prefix + "/share/chalkline, ");
            const qsizetype bin = report.indexOf(prefix + "/bin.");
            QVERIFY2(here >= 0 && here < data && data < bin, qPrintable(report));
            QVERIFY2(report.contains("Images/missing.jpg"), qPrintable(report));
        }
    }
};

QTEST_MAIN(InstalledTest)
#include "installed_test.moc"
