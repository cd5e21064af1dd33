// SPDX-License-Identifier: GPL-3.0-or-later
#include "orderofoperations_screen.h"
#include "speech.h"
#include "sentences.h"

#include "activity_table.h"
#include "revealing_checks.h"

using namespace shell;
using namespace shell::testing;
using chalkline::orderofoperations::OrderOfOperationsForm;

class OrderOfOperationsScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<OrderOfOperationsForm>("orderofoperations", "menu3"); }
    void cleanup() { unload_every_form(); }

    void go_solution_kinds_and_exit() {
        check_revealing_screen(open_activity<OrderOfOperationsForm>("orderofoperations"));
    }

    // A line of the working per tick, each "= " and what remains; the answer sentence
    // joins the lines with "=".
    void reveals_the_working_a_line_at_a_time() {
        auto* form = open_activity<OrderOfOperationsForm>("orderofoperations");
        const int lines = int(form->problem().working.size());
        QVERIFY(lines >= 3 && lines <= OrderOfOperationsForm::kLines);
        QCOMPARE(shell::testing::without_code(form->sentence()),
                 "Problem: " + shell::speech::words(form->Label2->caption()) + ".");
        click(form->cmdsoln);
        QVERIFY(form->Label3[0]->visible() && !form->Label3[1]->visible());
        reveal_all(form);
        QStringList working;
        for (int i = 0; i < lines; ++i) {
            QVERIFY(form->Label3[std::size_t(i)]->visible());
            working << form->Label3[std::size_t(i)]->caption().mid(2);
        }
        QVERIFY(shell::testing::without_code(form->sentence()).endsWith(" Answer: " + shell::speech::words(working.join(" = ")) +
                                          "."));
    }
};

QTEST_MAIN(OrderOfOperationsScreenTest)
#include "orderofoperations_screen_test.moc"
