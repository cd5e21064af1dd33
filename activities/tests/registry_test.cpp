// SPDX-License-Identifier: GPL-3.0-or-later
// Every activity of the table, opened by a real click on its menu title: its caption is
// the title, it reads its problem and, once Solution has fully shown, its answer; every
// kind and every Go make a new problem, never the one before; Exit goes back to the
// menu and unloads the screen.

#include "activities.h"
#include "activity_form.h"
#include "menu_forms.h"
#include "screens.h"
#include "sentences.h"
#include "timer.h"

#include <QtTest>

using namespace shell;

namespace {

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

bool answered(const ActivityForm& form) {
    return shell::testing::without_code(form.sentence()).contains(" Answer: ");
}

// Runs the screen's timers, as time would, until the answer is read out (bounded: a
// screen whose reveal never ends fails).
void run_reveal(ActivityForm& form) {
    for (int round = 0; round < 2000 && !answered(form); ++round) {
        for (Timer* timer : form.timers()) {
            timer->fire();
        }
    }
}

} // namespace

class RegistryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        register_menu_forms();
        chalkline::register_activities();
    }

    void cleanup() {
        for (Form* form : loaded_forms()) {
            unload_form(form->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void every_activity_runs_from_its_menu_data() {
        QTest::addColumn<int>("row");
        const auto rows = chalkline::activities();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QTest::newRow(qPrintable(rows[i].screen)) << int(i);
        }
    }
    void every_activity_runs_from_its_menu() {
        QFETCH(int, row);
        const ActivityEntry& entry = chalkline::activities()[std::size_t(row)];
        const QString menu = QString("menu%1").arg(entry.menu);
        Form* listing = show_form(menu);
        auto* title = listing->get<Label>("Label3", entry.index);
        QVERIFY(title && title->enabled());
        const QString caption = title->caption();
        click(title);

        auto* form = loaded<ActivityForm>(entry.screen);
        QVERIFY(form && form->isVisible());
        QCOMPARE(loaded_form(menu), nullptr);
        QCOMPARE(form->caption(), caption);
        QCOMPARE(form->menu(), menu);
        QCOMPARE(form->kind_count(), entry.kinds);
        QVERIFY2(shell::testing::without_code(form->sentence()).startsWith("Problem: "),
                 qPrintable(shell::testing::without_code(form->sentence())));
        QVERIFY(!answered(*form));

        for (OptionButton* kind : form->findChildren<OptionButton*>()) {
            if (!kind->isVisible()) {
                continue;
            }
            click(kind);
            QVERIFY2(shell::testing::without_code(form->sentence()).startsWith("Problem: "),
                     qPrintable(shell::testing::without_code(form->sentence())));
        }

        // Each Go hides the answer; each Solution ends by reading it; no problem is the
        // one before it.
        QString previous;
        for (int go = 0; go < 10; ++go) {
            click(form->cmdgo);
            QVERIFY2(shell::testing::without_code(form->sentence()).startsWith("Problem: "),
                     qPrintable(shell::testing::without_code(form->sentence())));
            QVERIFY(!answered(*form));
            click(form->cmdsoln);
            run_reveal(*form);
            QVERIFY2(answered(*form), qPrintable(shell::testing::without_code(form->sentence())));
            QVERIFY2(shell::testing::without_code(form->sentence()) != previous,
                     qPrintable(previous));
            previous = shell::testing::without_code(form->sentence());
        }

        click(form->cmdexit);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(loaded_form(entry.screen), nullptr);
        QVERIFY(loaded_form(menu) && loaded_form(menu)->isVisible());
    }
};

QTEST_MAIN(RegistryTest)
#include "registry_test.moc"
