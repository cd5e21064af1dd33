// SPDX-License-Identifier: GPL-3.0-or-later
#include "sentences.h"
#include "twentyfour_screen.h"

#include "activity_table.h"
#include "revealing_checks.h"
#include "speech.h"

using namespace shell;
using namespace shell::testing;
using chalkline::twentyfour::TwentyFourForm;

class TwentyFourScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<TwentyFourForm>("twentyfour", "menu1"); }
    void cleanup() { unload_every_form(); }

    void go_solution_kinds_and_exit() {
        check_revealing_screen(open_activity<TwentyFourForm>("twentyfour"));
    }

    // The problem names the target and the four numbers in their boxes; the answer is the
    // solution shown, then the number of ways; the third kind asks for another target.
    void reads_the_puzzle_and_its_solution() {
        auto* form = open_activity<TwentyFourForm>("twentyfour");
        const auto& p = form->problem().puzzle;
        QCOMPARE(shell::testing::without_code(form->sentence()),
                 QString("Problem: make 24 from %1, %2, %3 and %4.")
                     .arg(p.numbers[0])
                     .arg(p.numbers[1])
                     .arg(p.numbers[2])
                     .arg(p.numbers[3]));
        QCOMPARE(form->Label3[2]->caption(), QString::number(p.numbers[2]));
        reveal_all(form);
        // The solution in words, then the number of ways the screen shows.
        QVERIFY2(
            shell::testing::without_code(form->sentence()).endsWith(" Answer: " + shell::speech::words(form->Label4->caption()) +
                                      ". " + form->Label5->caption() + "."),
            qPrintable(shell::testing::without_code(form->sentence())));
        QVERIFY(form->Label4->caption().endsWith(" = 24"));
        QVERIFY(form->Label5->visible() && form->Label5->caption().contains("way"));
        click(form->get<OptionButton>("Option3"));
        QVERIFY(form->problem().puzzle.target != 24);
        QCOMPARE(form->Label2->caption(), QString::number(form->problem().puzzle.target));
    }
};

QTEST_MAIN(TwentyFourScreenTest)
#include "twentyfour_screen_test.moc"
