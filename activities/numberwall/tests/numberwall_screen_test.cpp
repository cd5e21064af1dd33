// SPDX-License-Identifier: GPL-3.0-or-later
// The Number Wall screen driven with clicks, on decimals: the sentences give the wall
// from the bottom row.

#include "numberwall_screen.h"
#include "sentences.h"

#include "board_screen_checks.h"

#include <algorithm>

using namespace chalkline::boards::testing;
using chalkline::numberwall::NumberWallForm;

class NumberWallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<NumberWallForm>("numberwall", "menu3"); }
    void cleanup() { unload_every_form(); }

    void go_solution_kind_and_exit() {
        check_screen_flow(
            "numberwall", "Number Wall", "menu3", 3, [](chalkline::boards::BoardForm* form) {
                // The wall as rows in words from the bottom, every hidden brick "blank";
                // the answer each hidden brick with its place, in the order Solution
                // fills them.
                const auto& wall = static_cast<NumberWallForm*>(form)->wall();
                const QString sentence = shell::testing::without_code(form->sentence());
                QVERIFY2(sentence.startsWith("Problem: number wall, bottom row first. row 1 has "),
                         qPrintable(sentence));
                QVERIFY(!sentence.contains('?') && !sentence.contains(';'));
                const auto hidden = std::count(wall.shown.begin(), wall.shown.end(), false);
                QCOMPARE(sentence.section(" Answer: ", 0, 0).count("blank"), hidden);
                const auto& first = wall.steps.front();
                const int row = chalkline::boards::row_of(first.cell);
                QVERIFY2(
                    sentence.section(" Answer: ", 1)
                        .startsWith(QString("row %1, place %2 is ")
                                        .arg(chalkline::numberwall::kRows - row)
                                        .arg(first.cell - chalkline::boards::cell_of(row, 0) + 1)),
                    qPrintable(sentence));
            });
    }
};

QTEST_MAIN(NumberWallScreenTest)
#include "numberwall_screen_test.moc"
