// SPDX-License-Identifier: GPL-3.0-or-later
// The Number Squares screen driven by clicks: the run every grid screen passes, then
// the sentences of the problem and of the answer.

#include "numbersquares_screen.h"
#include "sentences.h"

#include "grid_screen_checks.h"

#include <QtTest>

using namespace chalkline::grids;
using namespace chalkline::grids::testing;
using chalkline::numbersquares::NumberSquaresForm;

class NumberSquaresScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<NumberSquaresForm>("numbersquares", "menu2"); }
    void cleanup() { unload_every_form(); }

    void runs_as_every_grid_screen() {
        check_grid_screen("numbersquares", "Number Squares", "menu2");
    }

    void says_the_square_its_totals_and_its_answer() {
        GridForm* form = open<GridForm>("numbersquares");
        const QString row = "([1-9]|blank), ([1-9]|blank), ([1-9]|blank)";
        const QString square = QString("row 1 has %1\\. row 2 has %1\\. row 3 has %1").arg(row);
        const QString totals = "\\d+, \\d+, \\d+";
        for (const QString total : {"sums", "products", "sums"}) {
            const QRegularExpression problem(
                QString("^Problem: a square of the digits 1 to 9, top row first: %1\\. "
                        "row %2 %3\\. column %2 %3\\.$")
                    .arg(square, total, totals));
            QVERIFY2(problem.match(shell::testing::without_code(form->sentence())).hasMatch(), qPrintable(shell::testing::without_code(form->sentence())));
            play_solution(form);
            QString answer = shell::testing::without_code(form->sentence()).section(" Answer: ", 1);
            QVERIFY2(QRegularExpression(QString("^%1\\.$").arg(square)).match(answer).hasMatch() &&
                         !answer.contains("blank"),
                     qPrintable(answer));
            answer.remove(QRegularExpression("row \\d has "));
            for (char digit = '1'; digit <= '9'; ++digit) {
                QCOMPARE(answer.count(QChar(digit)), 1);
            }
            click(option(form, total == "sums" ? 1 : 2));
        }
    }
};

QTEST_MAIN(NumberSquaresScreenTest)
#include "numbersquares_screen_test.moc"
