// SPDX-License-Identifier: GPL-3.0-or-later
// The Roman Arithmetic screen driven by clicks, the reveal's ticks fired by the test.

#include "roman_screen.h"
#include "speech.h"
#include "sentences.h"

#include "revealing_checks.h"

#include <QtTest>

using namespace shell;
using namespace shell::testing;
using chalkline::roman::RomanForm;

class RomanScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<RomanForm>("roman", "menu4"); }
    void cleanup() { unload_every_form(); }

    void goes_reveals_changes_kind_and_exits() {
        auto* form = open_activity<RomanForm>("roman");
        QCOMPARE(form->caption(), QString("Roman Arithmetic"));
        check_revealing_screen(form);
    }

    // The answers come one row a tick, a Roman answer with our number beside it; the
    // sentence reads each question and then each with its answer.
    void solution_shows_one_answer_a_row() {
        auto* form = open_activity<RomanForm>("roman");
        click(form->get<OptionButton>("Option2"));
        QStringList questions;
        for (shell::Label* question : form->Question) {
            questions << question->caption();
        }
        QVERIFY2(shell::testing::without_code(form->sentence()).startsWith("Problem: Roman "), qPrintable(shell::testing::without_code(form->sentence())));
        QCOMPARE(shell::testing::without_code(form->sentence()).count(". "), 5);
        QVERIFY(!shell::testing::without_code(form->sentence()).contains(questions[0]));
        click(form->cmdsoln);
        for (int row = 0; row < 6; ++row) {
            QVERIFY(row == 0 || form->Timer1->fire());
            QVERIFY(form->Answer[row]->visible() && form->Ours[row]->visible());
            QVERIFY(row == 5 || !form->Answer[row + 1]->visible());
        }
        const auto& first = form->problem().questions[0];
        QCOMPARE(form->Ours[0]->caption(), QString("(%1)").arg(first.answer()));
        QVERIFY2(shell::testing::without_code(form->sentence()).contains(
                     " equals " + shell::speech::roman(form->Answer[0]->caption()) +
                     " open bracket " + QString::number(first.answer()) + " close bracket. "),
                 qPrintable(shell::testing::without_code(form->sentence())));
    }
};

QTEST_MAIN(RomanScreenTest)
#include "roman_screen_test.moc"
