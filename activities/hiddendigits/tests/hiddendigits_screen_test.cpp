// SPDX-License-Identifier: GPL-3.0-or-later
// The Hidden Digits screen driven by clicks and keys, with the reveal timer fired by the
// test.

#include "hiddendigits_screen.h"
#include "sentences.h"
#include "speech.h"

#include "activity_table.h"
#include "screen_harness.h"
#include "screens.h"

#include <QAccessible>
#include <QtTest>

using namespace shell;
using chalkline::hiddendigits::HiddenDigitsForm;

using shell::testing::click;

namespace {

HiddenDigitsForm* open() {
    auto* form = static_cast<HiddenDigitsForm*>(show_form("hiddendigits"));
    (void)QTest::qWaitForWindowExposed(form);
    return form;
}

// The captions of the row as the board shows it, left to right.
QString row_text(HiddenDigitsForm* form, int row) {
    QString text;
    for (int place = 3; place >= 0; --place) {
        if (form->digit(row, place)->visible()) {
            text += form->digit(row, place)->caption();
        }
    }
    return text;
}

} // namespace

class HiddenDigitsScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        register_form("hiddendigits", make_screen<HiddenDigitsForm>);
        register_form("menu4", [] { return std::make_unique<Form>("menu4", 12000, 9000); });
    }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The board shows the problem the sentence reads; Solution fills one box per tick,
    // a second Solution changes nothing, and the answer is read once every box is full;
    // Go hides it all again.
    void go_and_solution() {
        HiddenDigitsForm* form = open();
        QCOMPARE(form->caption(), QString("Hidden Digits"));
        QVERIFY(form->get<OptionButton>("Option1")->value());
        const QString first = shell::testing::without_code(form->sentence());
        QVERIFY(first.startsWith("Problem: "));
        // Every hidden digit is read as a word, the signs too.
        const QString shown = shell::speech::words(row_text(form, 0) + " + " + row_text(form, 1) +
                                                   " = " + row_text(form, 2)) +
                              ".";
        QCOMPARE(first, "Problem: " + shown);
        QVERIFY(!first.contains('?'));
        const int boxes = int(first.count("blank"));
        QVERIFY(boxes >= 3 && boxes <= 5);
        Label* box = nullptr;
        for (int i = 0; i < 12 && !box; ++i) {
            Label* cell = form->get<Label>("Digit", i);
            box = cell->visible() && cell->caption() == "?" ? cell : nullptr;
        }
        QVERIFY(box && box->border());
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(reader->text(QAccessible::Name), QString("blank"));

        click(form->cmdsoln);
        Timer* timer = form->timer("Timer1");
        int ticks = 0;
        while (timer->enabled()) {
            QCOMPARE(shell::testing::without_code(form->sentence()), first);
            QTest::keyClick(form, Qt::Key_S); // a second Solution does not start again
            QVERIFY(timer->fire());
            ++ticks;
        }
        QCOMPARE(ticks, boxes - 1);
        const QString answer = QString::fromStdString(answer_text(form->problem()));
        QCOMPARE(shell::testing::without_code(form->sentence()),
                 first + " Answer: " + shell::speech::words(answer) + ".");
        QCOMPARE(row_text(form, 0) + " + " + row_text(form, 1) + " = " + row_text(form, 2), answer);
        QCOMPARE(reader->text(QAccessible::Name), box->caption());

        QTest::keyClick(form, Qt::Key_PageDown);
        QVERIFY(!timer->enabled());
        QVERIFY(shell::testing::without_code(form->sentence()) != first);
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer"));
    }

    // A kind's option makes a problem of that kind; Exit during the reveal returns to the
    // menu and stops the timer with the screen.
    void kinds_and_exit() {
        HiddenDigitsForm* form = open();
        click(form->get<OptionButton>("Option3"));
        QCOMPARE(form->kind_as<chalkline::hiddendigits::Kind>(),
                 chalkline::hiddendigits::Kind::Multiplication);
        QVERIFY(shell::testing::without_code(form->sentence()).contains(" times "));
        QCOMPARE(form->LabelSign->caption(), QString("x"));
        QTest::keyClick(form, Qt::Key_2, Qt::ControlModifier);
        QVERIFY(form->get<OptionButton>("Option2")->value());
        QVERIFY(shell::testing::without_code(form->sentence()).contains(" minus "));

        click(form->cmdsoln);
        QPointer<Timer> timer = form->timer("Timer1");
        click(form->cmdexit);
        QVERIFY(loaded_form("menu4")->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!loaded_form("hiddendigits"));
        QVERIFY(!timer || !timer->fire());
    }
};

QTEST_MAIN(HiddenDigitsScreenTest)
#include "hiddendigits_screen_test.moc"
