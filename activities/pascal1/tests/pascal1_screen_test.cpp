// SPDX-License-Identifier: GPL-3.0-or-later
// The Pascal's Triangle 1 screen driven with clicks, on rows 0 to 10.

#include "pascal1_screen.h"
#include "sentences.h"

#include "board_screen_checks.h"

using namespace chalkline::boards::testing;

class Pascal1ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<chalkline::pascal1::Pascal1Form>("pascal1", "menu4"); }
    void cleanup() { unload_every_form(); }

    void go_solution_kind_and_exit() {
        check_screen_flow(
            "pascal1", "Pascal's Triangle 1", "menu4", 2, [](chalkline::boards::BoardForm* form) {
                QCOMPARE(form->Board1->rows(), 11);
                const QString sentence = shell::testing::without_code(form->sentence());
                QVERIFY(sentence.startsWith("Problem: Pascal's triangle, rows 0 to 10, top first. "
                                            "row 0 has 1. row 1 has 1, 1. row 2 has 1, "));
                QVERIFY(!sentence.contains('?'));
                // Each hidden number with its place, rows counted from 0 as on the board.
                const auto places = spoken_places(sentence);
                for (const SpokenPlace& at : places) {
                    QCOMPARE(at.number.toLongLong(), choose(at.row, at.place - 1));
                }
                QCOMPARE(places.size(), form->steps().size());
            });
    }
};

QTEST_MAIN(Pascal1ScreenTest)
#include "pascal1_screen_test.moc"
