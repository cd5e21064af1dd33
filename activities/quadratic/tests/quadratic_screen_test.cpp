// SPDX-License-Identifier: GPL-3.0-or-later
// The Quadratic Factors screen driven by clicks, the reveal's ticks fired by the test.

#include "quadratic_screen.h"
#include "speech.h"
#include "sentences.h"

#include "revealing_checks.h"

#include <QtTest>

using namespace shell;
using namespace shell::testing;
using chalkline::quadratic::QuadraticForm;

class QuadraticScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<QuadraticForm>("quadratic", "menu4"); }
    void cleanup() { unload_every_form(); }

    void goes_reveals_changes_kind_and_exits() {
        auto* form = open_activity<QuadraticForm>("quadratic");
        QCOMPARE(form->caption(), QString("Quadratic Factors"));
        check_revealing_screen(form);
    }

    // The factors first, then the check that multiplies them out; the sentence reads the
    // quadratic and its factors as the screen writes them.
    void solution_shows_the_factors_then_the_check() {
        auto* form = open_activity<QuadraticForm>("quadratic");
        for (int kind : {2, 3}) {
            click(form->get<OptionButton>(QString("Option%1").arg(kind)));
            const QString quadratic = form->Quadratic->caption();
            const QString heard = shell::speech::words(quadratic);
            QCOMPARE(shell::testing::without_code(form->sentence()), "Problem: factorise " + heard + ".");
            QVERIFY(!form->Factors->visible() && !form->CheckExpansion->visible());
            click(form->cmdsoln);
            QVERIFY(form->Factors->visible() && !form->CheckExpansion->visible());
            QVERIFY(form->Timer1->fire());
            QVERIFY(form->CheckExpansion->visible() && form->CheckResult->visible());
            const QString factors = form->CheckFactors->caption();
            QCOMPARE(form->Factors->caption(), "= " + factors);
            QCOMPARE(form->CheckResult->caption(), "= " + quadratic);
            QCOMPARE(shell::testing::without_code(form->sentence()), "Problem: factorise " + heard +
                                           ". Answer: " + shell::speech::words(factors) + ".");
        }
    }
};

QTEST_MAIN(QuadraticScreenTest)
#include "quadratic_screen_test.moc"
