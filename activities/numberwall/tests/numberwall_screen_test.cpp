// SPDX-License-Identifier: GPL-3.0-or-later
// The Number Wall screen driven with clicks, on decimals: the sentences give the wall
// from the bottom row.

#include "numberwall_screen.h"
#include "sentences.h"

#include "board_screen_checks.h"

using namespace chalkline::boards::testing;
using chalkline::numberwall::NumberWallForm;
using chalkline::numberwall::wall_text;

class NumberWallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_screen<NumberWallForm>("numberwall", "menu3"); }
    void cleanup() { unload_all(); }

    void go_solution_kind_and_exit() {
        check_screen_flow(
            "numberwall", "Number Wall", "menu3", 3, [](chalkline::boards::BoardForm* form) {
                const auto& wall = static_cast<NumberWallForm*>(form)->wall();
                QCOMPARE(shell::testing::without_code(form->sentence()),
                         QString("Problem: number wall, bottom row first: %1. Answer: %2.")
                             .arg(QString::fromStdString(wall_text(wall)),
                                  QString::fromStdString(wall_text(wall, true))));
                QVERIFY(shell::testing::without_code(form->sentence()).contains('.'));
            });
    }
};

QTEST_MAIN(NumberWallScreenTest)
#include "numberwall_screen_test.moc"
