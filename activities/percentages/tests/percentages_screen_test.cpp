// SPDX-License-Identifier: GPL-3.0-or-later
// The Percentages screen driven by clicks: the shared Go, Solution, kind and Exit
// script, and the answers revealed one at a time.

#include "percentages_screen.h"
#include "screen_script.h"
#include "speech.h"
#include "sentences.h"

#include <QtTest>

#include <clocale>

using namespace chalkline::fractionkit::testing;
using chalkline::percentages::kQuestions;
using chalkline::percentages::PercentagesForm;

class PercentagesScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_activity<PercentagesForm>("percentages", "menu2");
    }
    void cleanup() { unload_every_form(); }

    void go_solution_kind_and_exit() {
        auto* form = open<PercentagesForm>("percentages");
        QCOMPARE(form->caption(), QString("Percentages"));
        QVERIFY(form->Option1->value());
        check_go_solution_kind_exit(form, "Timer1", kQuestions, "menu2");
    }

    // The answers come one at a time, top first, and the sentence reads each question
    // with its answer.
    void answers_are_revealed_in_order() {
        auto* form = open<PercentagesForm>("percentages");
        click(form->Option3);
        click(form->cmdsoln);
        for (int shown = 1; shown <= kQuestions; ++shown) {
            for (int i = 0; i < kQuestions; ++i) {
                QCOMPARE(form->Label4[std::size_t(i)]->visible(), i < shown);
            }
            QCOMPARE(form->timer("Timer1")->fire(), shown < kQuestions);
        }
        const QString first =
            shell::speech::words(form->Label2[0]->caption() + " = " + form->Label4[0]->caption());
        QVERIFY(form->Label4[0]->caption().endsWith('%'));
        QVERIFY2(shell::testing::without_code(form->sentence()).contains("Answer: " + first + ". ") && first.endsWith(" percent"),
                 qPrintable(shell::testing::without_code(form->sentence())));
    }
};

QTEST_MAIN(PercentagesScreenTest)
#include "percentages_screen_test.moc"
