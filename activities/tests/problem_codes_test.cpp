// SPDX-License-Identifier: GPL-3.0-or-later
// Problem codes on every activity: a problem's code, typed back, brings the same problem
// on the screen of that activity, over many seeds of every kind; the code shows on the
// screen and ends the reader's sentence; a mistyped code is refused, saying which part
// is wrong, and leaves the board as it was. The reveal at once that worksheets use ends
// on the answer Solution ends on.

#include "activities.h"
#include "activity_form.h"
#include "problem_code.h"
#include "problem_codes.h"
#include "timer.h"

#include <QtTest>

using namespace shell;

namespace {

constexpr int kSeedsPerKind = 25;

} // namespace

class ProblemCodesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { chalkline::register_activities(); }

    void cleanup() {
        for (Form* form : loaded_forms()) {
            unload_form(form->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void codes_bring_their_problems_back_data() {
        QTest::addColumn<QString>("screen");
        for (const ActivityInfo* row : chalkline::activities()) {
            QTest::newRow(qPrintable(row->screen)) << row->screen;
        }
    }

    void codes_bring_their_problems_back() {
        QFETCH(QString, screen);
        QVERIFY(!code_prefix(screen).isEmpty());
        auto* form = dynamic_cast<ActivityForm*>(show_form(screen));
        QVERIFY(form);
        for (int kind = 0; kind < std::max(1, form->kind_count()); ++kind) {
            for (int i = 0; i < kSeedsPerKind; ++i) {
                const auto seed = std::uint32_t(i * 1193 % chalkline::kSeedCount);
                form->show_problem(kind, seed);
                const QString code = problem_code(*form);
                const QString sentence = form->problem_sentence();
                QCOMPARE(form->LabelCode->caption(), code);
                QVERIFY2(form->sentence().endsWith(" Code " + spoken_code(code) + "."),
                         qPrintable(form->sentence()));
                // Another problem between, then the code typed back, as a teacher would.
                form->cmdgo_Click();
                const CodeReading reading = read_problem_code(code.toLower());
                QVERIFY2(reading.address, qPrintable(reading.fault));
                QCOMPARE(*reading.address, (ProblemAddress{screen, kind, seed}));
                QCOMPARE(show_problem_at(*reading.address), form);
                QCOMPARE(problem_code(*form), code);
                QCOMPARE(form->problem_sentence(), sentence);
            }
        }
    }

    void a_wrong_code_says_which_part_and_changes_nothing() {
        const QString code = problem_code({"twentyfour", 1, 500});
        QString typo = code;
        typo[8] = typo[8] == 'Z' ? 'Y' : 'Z';
        const struct {
            QString typed;
            QString part;
        } cases[] = {{typo, typo.mid(6)},
                     {"24P-4" + code.mid(5), "1 to 3"},
                     {"QQQ" + code.mid(3), "QQQ"},
                     {"24P-2", "24P-2"},
                     {code.left(6) + "0" + code.mid(7), "0"}};
        for (const auto& c : cases) {
            const CodeReading reading = read_problem_code(c.typed);
            QVERIFY2(!reading.address, qPrintable(c.typed));
            QVERIFY2(reading.fault.contains(c.part), qPrintable(reading.fault));
        }
    }

    // What a worksheet's key shows is what Solution shows once its reveal has ended.
    void reveal_at_once_ends_where_solution_ends_data() { codes_bring_their_problems_back_data(); }
    void reveal_at_once_ends_where_solution_ends() {
        QFETCH(QString, screen);
        auto* form = dynamic_cast<ActivityForm*>(show_form(screen));
        form->show_problem(0, 4242);
        form->cmdsoln_Click();
        for (int round = 0; round < 2000 && form->answer_sentence_shown().isEmpty(); ++round) {
            for (Timer* timer : form->timers()) {
                timer->fire();
            }
        }
        const QString timed = form->answer_sentence_shown();
        form->show_problem(0, 4242);
        form->reveal_at_once();
        QVERIFY(!timed.isEmpty());
        QCOMPARE(form->answer_sentence_shown(), timed);
    }
};

QTEST_MAIN(ProblemCodesTest)
#include "problem_codes_test.moc"
