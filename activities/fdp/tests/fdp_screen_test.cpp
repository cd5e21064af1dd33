// SPDX-License-Identifier: GPL-3.0-or-later
// The Fractions, Decimals and Percentages screen driven by clicks: the shared Go,
// Solution, kind and Exit script, the rows filled one at a time, and a recurring decimal
// read out as "recurring".

#include "fdp_screen.h"
#include "screen_script.h"
#include "speech.h"
#include "sentences.h"

#include <QAccessible>
#include <QtTest>

#include <clocale>

using namespace chalkline::fractionkit::testing;
using chalkline::fdp::FdpForm;
using chalkline::fdp::kColumns;
using chalkline::fdp::kRows;

namespace {

int question_marks(FdpForm* form, int row) {
    int count = 0;
    for (int column = 0; column < kColumns; ++column) {
        count += form->cell(row, column)->caption() == "?";
    }
    return count;
}

} // namespace

class FdpScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_activity<FdpForm>("fdp", "menu3");
    }
    void cleanup() { unload_every_form(); }

    void go_solution_kind_and_exit() {
        auto* form = open<FdpForm>("fdp");
        QCOMPARE(form->caption(), QString("Fractions, Decimals and Percentages"));
        QVERIFY(form->Option1->value());
        check_go_solution_kind_exit(form, "Timer1", kRows, "menu3");
    }

    // Each row has two "?" until its turn comes, top row first.
    void rows_are_filled_in_order() {
        auto* form = open<FdpForm>("fdp");
        click(form->cmdsoln);
        for (int filled = 1; filled <= kRows; ++filled) {
            for (int row = 0; row < kRows; ++row) {
                QCOMPARE(question_marks(form, row), row < filled ? 0 : 2);
            }
            form->timer("Timer1")->fire();
        }
    }

    // Thirds and sixths come in every harder table: their decimals are drawn dotted
    // and read as "recurring", in the cell and in the answer sentence.
    void recurring_decimals_are_read_as_recurring() {
        auto* form = open<FdpForm>("fdp");
        click(form->Option2);
        solve(form, "Timer1");
        QVERIFY2(shell::testing::without_code(form->sentence()).contains(" recurring, "), qPrintable(shell::testing::without_code(form->sentence())));
        QVERIFY(!shell::testing::without_code(form->sentence()).contains(QChar(chalkline::fractionkit::kRecurringDot)));
        bool found = false;
        for (int row = 0; row < kRows; ++row) {
            auto* cell = form->cell(row, 1);
            if (cell->caption().contains(QChar(chalkline::fractionkit::kRecurringDot))) {
                const QString name =
                    QAccessible::queryAccessibleInterface(cell)->text(QAccessible::Name);
                QVERIFY2(name.endsWith(" recurring"), qPrintable(name));
                found = true;
            }
        }
        QVERIFY(found);
        QCOMPARE(shell::speech::words(QString::fromUtf8("3.1\u030742857\u0307 and 0.3\u0307.")),
                 QString("3.142857 recurring and 0.3 recurring."));
    }
};

QTEST_MAIN(FdpScreenTest)
#include "fdp_screen_test.moc"
