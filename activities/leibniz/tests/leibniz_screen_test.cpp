// SPDX-License-Identifier: GPL-3.0-or-later
// The Leibniz' Triangle screen driven with clicks, on rows 1 to 7: fractions in lowest
// terms, stacked on the board.

#include "leibniz_screen.h"
#include "sentences.h"

#include "board_screen_checks.h"

using namespace chalkline::boards::testing;

class LeibnizScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_screen<chalkline::leibniz::LeibnizForm>("leibniz", "menu5"); }
    void cleanup() { unload_all(); }

    void go_solution_kind_and_exit() {
        check_screen_flow(
            "leibniz", "Leibniz' Triangle", "menu5", 2, [](chalkline::boards::BoardForm* form) {
                QCOMPARE(form->Board1->number(chalkline::boards::cell_of(4, 2)), QString("1/30"));
                QVERIFY(shell::testing::without_code(form->sentence())
                            .startsWith("Problem: Leibniz triangle, rows 1 to 7, top first: 1; "));
                QVERIFY(shell::testing::without_code(form->sentence())
                            .contains(" Answer: 1; 1/2, 1/2; 1/3, 1/6, 1/3; 1/4, 1/12, 1/12, 1/4; "
                                      "1/5, 1/20, 1/30, 1/20, 1/5; "));
                QVERIFY(shell::testing::without_code(form->sentence())
                            .endsWith("; 1/7, 1/42, 1/105, 1/140, 1/105, 1/42, 1/7."));
            });
    }
};

QTEST_MAIN(LeibnizScreenTest)
#include "leibniz_screen_test.moc"
