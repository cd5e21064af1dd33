// SPDX-License-Identifier: GPL-3.0-or-later
// The Pascal's Triangle 2 screen driven with clicks, on 64 rows: exactly the multiples
// coloured, their count on the status line and in the answer.

#include "pascal2_screen.h"
#include "sentences.h"

#include "board_screen_checks.h"

using namespace chalkline::boards;
using namespace chalkline::boards::testing;
using chalkline::pascal2::Pascal2Form;

class Pascal2ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<Pascal2Form>("pascal2", "menu5"); }
    void cleanup() { unload_every_form(); }

    void go_solution_kind_and_exit() {
        check_screen_flow("pascal2", "Pascal's Triangle 2", "menu5", 3, [](BoardForm* form) {
            const auto& question = static_cast<Pascal2Form*>(form)->question();
            QCOMPARE(form->Board1->box_count(), 2080);
            for (int box = 0; box < 2080; ++box) {
                QCOMPARE(form->Board1->look(box) == BoxLook::Marked,
                         bool(question.multiple[std::size_t(box)]));
            }
            const QString answer = QString("%1 of the 2080 numbers are multiples of %2.")
                                       .arg(question.multiples)
                                       .arg(question.divisor);
            QVERIFY(form->Label2->visible());
            QCOMPARE(form->Label2->caption(), answer);
            QCOMPARE(shell::testing::without_code(form->sentence()),
                     QString("Problem: find the multiples of %1 in rows 0 to 63 of Pascal's "
                             "triangle. Answer: %2 Multiples in each row from row 0: 0, 0, ")
                             .arg(question.divisor)
                             .arg(answer) +
                         shell::testing::without_code(form->sentence()).section(" row 0: 0, 0, ", 1));
            // Each row's count heard, the counts adding up to the multiples marked.
            const QStringList counts =
                shell::testing::without_code(form->sentence()).section(" row 0: ", 1).chopped(1).split(", ");
            QCOMPARE(counts.size(), 64);
            int total = 0;
            for (const QString& count : counts) {
                total += count.toInt();
            }
            QCOMPARE(total, question.multiples);
        });
    }
};

QTEST_MAIN(Pascal2ScreenTest)
#include "pascal2_screen_test.moc"
