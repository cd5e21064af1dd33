// SPDX-License-Identifier: GPL-3.0-or-later
// The Hundred Square screen driven by clicks: the run every grid screen passes, then
// what each kind shows and says.

#include "hundredsquare_screen.h"
#include "sentences.h"

#include "grid_screen_checks.h"

#include <QtTest>

using namespace chalkline::grids;
using namespace chalkline::grids::testing;
using chalkline::hundredsquare::HundredSquareForm;

class HundredSquareScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<HundredSquareForm>("hundredsquare", "menu2"); }
    void cleanup() { unload_every_form(); }

    void runs_as_every_grid_screen() {
        check_grid_screen("hundredsquare", "The Hundred Square", "menu2");
    }

    // The whole squares read their hundred numbers in rows, a piece its own, in boxes
    // larger than those of the whole square; the answer is the hidden numbers alone.
    void each_kind_shows_and_says_its_square() {
        GridForm* form = open<GridForm>("hundredsquare");
        const QRect whole = form->board->place_rect({0, 0});
        const QString prefix = "Problem: the hundred square, top row first: row 1 has ";
        QVERIFY(shell::testing::without_code(form->sentence()).startsWith(prefix + "1, ") ||
                shell::testing::without_code(form->sentence()).startsWith(prefix + "blank, "));
        QCOMPARE(shell::testing::without_code(form->sentence()).count(", "), 1 + 10 * 9);
        const int hidden = int(shell::testing::without_code(form->sentence()).count("blank"));
        QVERIFY(hidden >= 12 && hidden <= 20);
        play_solution(form);
        QCOMPARE(shell::testing::without_code(form->sentence()).count(" is "), hidden);

        click(option(form, 1));
        QVERIFY(shell::testing::without_code(form->sentence())
                    .startsWith("Problem: a piece of the hundred square, top row "
                                "first: "));
        QVERIFY(form->board->rows() <= 9 && form->board->columns() <= 9);
        const QRect piece = form->board->place_rect({0, 0});
        QVERIFY(piece.width() >= whole.width() && piece.height() >= whole.height());
        QVERIFY(piece.width() <= whole.width() * 3 / 2 + 1);
        play_solution(form);
        QVERIFY(shell::testing::without_code(form->sentence()).contains(" Answer: "));

        click(option(form, 2));
        QVERIFY(shell::testing::without_code(form->sentence()).startsWith("Problem: the square from minus 50 to 49"));
        QVERIFY(form->board->number({0, 0}) == "-50" && form->board->number({9, 9}) == "49");
    }
};

QTEST_MAIN(HundredSquareScreenTest)
#include "hundredsquare_screen_test.moc"
