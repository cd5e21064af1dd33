// SPDX-License-Identifier: GPL-3.0-or-later
// The Pandigital Fractions screen driven by clicks: the shared Go, Solution, kind and
// Exit script, the clues, and the digits filled one at a time.

#include "pandigital_screen.h"
#include "screen_script.h"
#include "speech.h"
#include "sentences.h"

#include <QtTest>

#include <clocale>

using namespace chalkline::fractionkit::testing;
using chalkline::pandigital::kDigits;
using chalkline::pandigital::PandigitalForm;

namespace {

int filled(PandigitalForm* form) {
    int count = 0;
    for (auto* box : form->Label2) {
        count += !box->caption().isEmpty();
    }
    return count;
}

} // namespace

class PandigitalScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_activity<PandigitalForm>("pandigital", "menu4");
    }
    void cleanup() { unload_every_form(); }

    void go_solution_kind_and_exit() {
        auto* form = open<PandigitalForm>("pandigital");
        QCOMPARE(form->caption(), QString("Pandigital Fractions"));
        QVERIFY(form->Option1->value());
        QVERIFY2(shell::testing::without_code(form->sentence()).endsWith(
                     ": blank blank blank blank over blank blank blank blank blank."),
                 qPrintable(shell::testing::without_code(form->sentence())));
        check_go_solution_kind_exit(form, "Timer1", kDigits + 1, "menu4");
    }

    // Three clues from the start; the other six digits one a tick, then the count of
    // ways; the answer is the form the boxes show.
    void clues_then_digits_one_at_a_time() {
        auto* form = open<PandigitalForm>("pandigital");
        click(form->Option3);
        QCOMPARE(filled(form), 3);
        click(form->cmdsoln);
        for (int digits = 4; digits <= kDigits; ++digits) {
            QCOMPARE(filled(form), digits);
            QVERIFY(!form->Label9->visible());
            QVERIFY(form->timer("Timer1")->fire());
        }
        QVERIFY(form->Label9->visible());
        QString shown;
        for (int place = 0; place < kDigits; ++place) {
            shown += (place == 4 ? "/" : "") + form->Label2[std::size_t(place)]->caption();
        }
        QVERIFY2(
            shell::testing::without_code(form->sentence()).contains(
                "Answer: " + shell::speech::words(shown + " = " + form->Label4->caption()) + ". "),
            qPrintable(shell::testing::without_code(form->sentence())));
        QVERIFY(shell::testing::without_code(form->sentence()).endsWith(QString(" %1 ways.").arg(form->problem().ways)) ||
                form->problem().ways == 1);
    }
};

QTEST_MAIN(PandigitalScreenTest)
#include "pandigital_screen_test.moc"
