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
    void initTestCase() { register_activity<chalkline::leibniz::LeibnizForm>("leibniz", "menu5"); }
    void cleanup() { unload_every_form(); }

    void go_solution_kind_and_exit() {
        check_screen_flow(
            "leibniz", "Leibniz' Triangle", "menu5", 2, [](chalkline::boards::BoardForm* form) {
                QCOMPARE(form->Board1->number(chalkline::boards::cell_of(4, 2)), QString("1/30"));
                const QString sentence = shell::testing::without_code(form->sentence());
                QVERIFY(sentence.startsWith(
                    "Problem: Leibniz triangle, rows 1 to 7, top first. row 1 has 1. row 2 has "));
                // Fractions are read "1 over 7", never with a slash; which ones are shown
                // is drawn, so no one of them is sure to be.
                QVERIFY(sentence.contains(". row 7 has ") && sentence.contains(" over ") &&
                        !sentence.contains('/'));
                // Each hidden fraction with its place: 1 over row times (row - 1 choose
                // place - 1).
                const auto places = spoken_places(sentence);
                for (const SpokenPlace& at : places) {
                    QCOMPARE(at.number,
                             QString("1 over %1").arg(at.row * choose(at.row - 1, at.place - 1)));
                }
                QCOMPARE(places.size(), form->steps().size());
            });
    }
};

QTEST_MAIN(LeibnizScreenTest)
#include "leibniz_screen_test.moc"
