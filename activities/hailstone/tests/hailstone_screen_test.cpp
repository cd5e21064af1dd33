// SPDX-License-Identifier: GPL-3.0-or-later
// The Hailstone Numbers screen driven by clicks, with the reveal's ticks fired by the
// test.

#include "hailstone_screen.h"
#include "sentences.h"

#include "activity_table.h"
#include "screen_harness.h"
#include "screens.h"

#include <QtTest>

using namespace shell;
using chalkline::hailstone::HailstoneForm;

using shell::testing::click;

namespace {

int start_of(HailstoneForm* form) {
    return int(form->sequence().terms.front());
}

// Solution, then every tick until the reveal ends; the number of ticks.
int solve(HailstoneForm* form) {
    click(form->cmdsoln);
    int ticks = 0;
    while (form->Timer1->fire()) {
        ++ticks;
    }
    return ticks;
}

} // namespace

class HailstoneScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        register_form("hailstone", make_screen<HailstoneForm>);
        // The menu that Exit goes back to.
        register_form("menu5", [] { return std::make_unique<Form>("menu5", 12000, 9000); });
    }

    // Go and a kind draw new starts in range, only the start in the strip; Solution
    // brings one term at once and one a tick, a second Solution changing nothing, then
    // the steps and the highest term, marked; Go stops a reveal; Exit goes to menu 5.
    void go_kinds_reveal_and_exit() {
        auto* form = static_cast<HailstoneForm*>(show_form("hailstone"));
        QCOMPARE(form->caption(), QString("Hailstone Numbers"));
        QCOMPARE(form->Timer1->interval(), 400);
        int largest = 0;
        for (int round = 0; round < 40; ++round) {
            const int before = start_of(form);
            click(round < 20 ? form->cmdgo
                             : static_cast<QWidget*>(form->get<OptionButton>("Option3")));
            QVERIFY(start_of(form) != before && (round >= 20 || start_of(form) <= 30));
            largest = std::max(largest, start_of(form));
        }
        QVERIFY(largest > 30 && largest <= 1000);
        QCOMPARE(form->Label3->caption(), QString::number(start_of(form)));
        QCOMPARE(shell::testing::without_code(form->sentence()),
                 QString("Problem: the hailstone sequence from %1.").arg(start_of(form)));

        form->show_start(27);
        QCOMPARE(form->Strip1->text(1), QString());
        click(form->cmdsoln);
        click(form->cmdsoln);
        QCOMPARE(form->Strip1->text(1), QString("82"));
        QCOMPARE(form->Strip1->text(2), QString());
        QCOMPARE(form->Strip1->flash(), 1);
        int ticks = 0;
        while (form->Timer1->fire()) {
            ++ticks;
        }
        QCOMPARE(ticks, 111);
        QCOMPARE(form->Label4->caption(), QString("111 steps, highest 9232"));
        QCOMPARE(form->Strip1->text(form->Strip1->marked()), QString("9232"));
        QStringList terms;
        for (std::int64_t term : form->sequence().terms) {
            terms << QString::number(term);
        }
        QCOMPARE(shell::testing::without_code(form->sentence()), "Problem: the hailstone sequence from 27. Answer: " +
                                       terms.join(", ") + ". 111 steps, highest 9232.");

        // From 871 every one of the 179 terms stands in the strip.
        form->show_start(871);
        QCOMPARE(solve(form), 178);
        for (int i = 0; i < 179; ++i) {
            QVERIFY(!form->Strip1->text(i).isEmpty());
            QVERIFY(form->Strip1->rect().contains(form->Strip1->box(i)));
        }
        form->show_start(1);
        QCOMPARE(solve(form), 0);
        QVERIFY(shell::testing::without_code(form->sentence()).endsWith(" Answer: 1. 0 steps, highest 1."));
        form->show_start(2);
        solve(form);
        QCOMPARE(form->Label4->caption(), QString("1 step, highest 2"));

        form->show_start(97);
        click(form->cmdsoln);
        click(form->cmdgo);
        QVERIFY(!form->Timer1->enabled());
        QCOMPARE(form->Strip1->text(1), QString());
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));

        click(form->cmdsoln);
        click(form->cmdexit);
        QVERIFY(loaded_form("hailstone") == nullptr);
        QVERIFY(loaded_form("menu5") && loaded_form("menu5")->isVisible());
    }
};

QTEST_MAIN(HailstoneScreenTest)
#include "hailstone_screen_test.moc"
