// SPDX-License-Identifier: GPL-3.0-or-later
// The Integer Squares screen driven by clicks: the run every grid screen passes, then
// the nine integers and the diagonal sums.

#include "integersquares_screen.h"
#include "speech.h"
#include "sentences.h"

#include "grid_screen_checks.h"

#include <QAccessible>
#include <QtTest>

using namespace chalkline::grids;
using namespace chalkline::grids::testing;
using chalkline::integersquares::IntegerSquaresForm;

class IntegerSquaresScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<IntegerSquaresForm>("integersquares", "menu1"); }
    void cleanup() { unload_every_form(); }

    void runs_as_every_grid_screen() {
        check_grid_screen("integersquares", "Integer Squares", "menu1");
    }

    // The integers to place are shown and said; the diagonal sums come with the second
    // and third kinds, at the ends of the diagonals.
    void shows_the_integers_and_the_diagonal_sums() {
        auto* form = static_cast<IntegerSquaresForm*>(open<GridForm>("integersquares"));
        const QStringList integers = form->Label2->caption().split(' ', Qt::SkipEmptyParts);
        QCOMPARE(integers.size(), 9);
        QVERIFY(shell::testing::without_code(form->sentence()).startsWith("Problem: a square of the integers " +
                                            shell::speech::words(integers.join(", ")) +
                                            ", top row first: row 1 has "));
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("diagonal"));
        QCOMPARE(form->board->kind({3, 0}), BoxKind::None);
        // The widest nine, all of two characters, keep the size of the numbers.
        form->Label2->set_caption("-9  -8  -7  -6  -5  -4  -3  -2  -1");
        QVERIFY(form->Label2->caption_font().pixelSize() >= shell::font_px(24));
        QCOMPARE(QAccessible::queryAccessibleInterface(form->Label2)->text(QAccessible::Name),
                 QString("minus 9, minus 8, minus 7, minus 6, minus 5, minus 4, minus 3, minus 2, "
                         "minus 1"));
        for (int kind : {1, 2}) {
            click(option(form, kind));
            QVERIFY(shell::testing::without_code(form->sentence()).contains(". diagonal sums "));
            QCOMPARE(form->board->kind({3, 0}), BoxKind::Ringed);
            QCOMPARE(form->board->kind({3, 4}), BoxKind::Ringed);
        }
    }
};

QTEST_MAIN(IntegerSquaresScreenTest)
#include "integersquares_screen_test.moc"
