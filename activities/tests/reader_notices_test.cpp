// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told when a problem changes: one notice, and few enough
// changes that a reader never drops them as a flood. The platform's accessibility is
// switched on, as when a screen reader listens (the way Qt's own accessibility tests
// do), so that the controls' changes are told at all.

#include "accessibility.h"
#include "activities.h"
#include "activity_form.h"
#include "screens.h"
#include "keys.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtTest>

using namespace shell;

class ReaderNoticesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        chalkline::register_activities();
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!platform) {
            QSKIP("this platform has no accessibility");
        }
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }

    // Every activity, Next: one notice, in far fewer changes than the hundred at once
    // that a reader drops (The Hundred Square rewrites a hundred places).
    void a_new_problem_is_one_notice_on_every_screen() {
        int notices = 0, changes = 0;
        set_reader_change_tap([&](QObject* object, QAccessible::Event type) {
            ++changes;
            notices += dynamic_cast<Announcer*>(object) && type == QAccessible::ObjectShow;
        });
        for (const ActivityEntry& row : chalkline::activities()) {
            Form* form = show_form(row.screen);
            QCoreApplication::processEvents();
            notices = changes = 0;
            QTest::keyClick(form, Qt::Key_PageDown);
            QCoreApplication::processEvents();
            QVERIFY2(notices == 1,
                     qPrintable(QString("%1: %2 notices").arg(row.screen).arg(notices)));
            QVERIFY2(changes < 50,
                     qPrintable(QString("%1: %2 changes").arg(row.screen).arg(changes)));
            unload_form(row.screen);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        set_reader_change_tap({});
    }
};

QTEST_MAIN(ReaderNoticesTest)
#include "reader_notices_test.moc"
