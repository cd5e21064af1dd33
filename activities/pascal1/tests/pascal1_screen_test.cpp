// SPDX-License-Identifier: GPL-3.0-or-later
// The Pascal's Triangle 1 screen driven with clicks, on rows 0 to 10.

#include "pascal1_screen.h"
#include "sentences.h"

#include "board_screen_checks.h"

using namespace chalkline::boards::testing;

class Pascal1ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_screen<chalkline::pascal1::Pascal1Form>("pascal1", "menu4"); }
    void cleanup() { unload_all(); }

    void go_solution_kind_and_exit() {
        check_screen_flow(
            "pascal1", "Pascal's Triangle 1", "menu4", 2, [](chalkline::boards::BoardForm* form) {
                QCOMPARE(form->Board1->rows(), 11);
                QVERIFY(
                    shell::testing::without_code(form->sentence())
                        .startsWith(
                            "Problem: Pascal's triangle, rows 0 to 10, top first: 1; 1, 1; 1, "));
                QVERIFY(shell::testing::without_code(form->sentence())
                            .contains(" Answer: 1; 1, 1; 1, 2, 1; 1, 3, 3, 1; 1, 4, 6, 4, 1; 1, 5, "
                                      "10, 10, 5, 1;"));
                QVERIFY(shell::testing::without_code(form->sentence())
                            .endsWith("; 1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1."));
            });
    }
};

QTEST_MAIN(Pascal1ScreenTest)
#include "pascal1_screen_test.moc"
