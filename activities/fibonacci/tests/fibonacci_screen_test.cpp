// SPDX-License-Identifier: GPL-3.0-or-later
// The Fibonacci Sequence screen driven by clicks, with the reveal's ticks fired by the
// test.

#include "fibonacci_screen.h"
#include "sentences.h"

#include "activity_table.h"
#include "screen_harness.h"
#include "screens.h"

#include <QtTest>

using namespace shell;
using namespace chalkline::fibonacci;

using shell::testing::click;

namespace {

int hidden_in_strip(FibonacciForm* form) {
    int hidden = 0;
    for (int k = 0; k < form->Strip1->count(); ++k) {
        hidden += form->Strip1->text(k) == "?";
    }
    return hidden;
}

} // namespace

class FibonacciScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        register_form("fibonacci", make_screen<FibonacciForm>);
        // The menu that Exit goes back to.
        register_form("menu5", [] { return std::make_unique<Form>("menu5", 12000, 9000); });
    }

    // Go and a kind make new problems; Solution fills one "?" at once with its working
    // and the rest a tick apart, a second Solution changing nothing, then reads the
    // answer; Go stops a reveal; Exit goes back to menu 5.
    void go_kinds_reveal_and_exit() {
        auto* form = static_cast<FibonacciForm*>(show_form("fibonacci"));
        QCOMPARE(form->caption(), QString("The Fibonacci Sequence"));
        QCOMPARE(form->problem().kind, Kind::Fibonacci);
        for (int round = 0; round < 20; ++round) {
            const Problem before = form->problem();
            click(form->cmdgo);
            QVERIFY(!(form->problem() == before));
        }
        click(form->get<OptionButton>("Option3"));
        QCOMPARE(form->problem().kind, Kind::Integers);

        Problem problem{Kind::AnyStart, terms_from(3, 4), {}};
        for (int k : {0, 1, 4, 6, 7, 8, 9}) {
            problem.hidden[k] = true;
        }
        form->show_terms(problem);
        const QString asked =
            "Problem: each term is the sum of the two before it: blank, blank, 7, 11, blank, 29, "
            "blank, blank, blank, blank.";
        QCOMPARE(shell::testing::without_code(form->sentence()), asked);
        click(form->cmdsoln);
        click(form->cmdsoln);
        QCOMPARE(hidden_in_strip(form), 6);
        QCOMPARE(form->Strip1->text(1), QString("4"));
        QCOMPARE(form->Label2->caption(), QString("11 - 7 = 4"));
        for (int tick = 0; tick < 7; ++tick) {
            QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
            QVERIFY(form->Timer1->fire());
        }
        QVERIFY(!form->Timer1->enabled());
        QCOMPARE(hidden_in_strip(form), 0);
        QCOMPARE(form->Strip1->flash(), -1);
        QCOMPARE(shell::testing::without_code(form->sentence()),
                 asked + " Answer: 3, 4, 7, 11, 18, 29, 47, 76, 123, 199.");
        click(form->cmdsoln);
        QVERIFY(!form->Timer1->enabled());

        form->show_terms(problem);
        click(form->cmdsoln);
        click(form->cmdgo);
        QVERIFY(!form->Timer1->enabled());
        QVERIFY(hidden_in_strip(form) >= 3);
        QCOMPARE(form->Label2->caption(), QString());
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));

        click(form->cmdsoln);
        click(form->cmdexit);
        QVERIFY(loaded_form("fibonacci") == nullptr);
        QVERIFY(loaded_form("menu5") && loaded_form("menu5")->isVisible());
    }
};

QTEST_MAIN(FibonacciScreenTest)
#include "fibonacci_screen_test.moc"
