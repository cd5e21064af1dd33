// SPDX-License-Identifier: GPL-3.0-or-later
// The Fractions Between screen driven by clicks: the shared Go, Solution, kind and Exit
// script, and the three answers marked on the number line one at a time.

#include "fractionsbetween_screen.h"
#include "screen_script.h"
#include "speech.h"
#include "sentences.h"

#include <QtTest>

#include <clocale>

using namespace chalkline::fractionkit::testing;
using chalkline::fractionsbetween::FractionsBetweenForm;
using chalkline::fractionsbetween::text;

using shell::speech::words;

class FractionsBetweenScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_activity<FractionsBetweenForm>("fractionsbetween", "menu3");
    }
    void cleanup() { unload_every_form(); }

    void go_solution_kind_and_exit() {
        auto* form = open<FractionsBetweenForm>("fractionsbetween");
        QCOMPARE(form->caption(), QString("Fractions Between"));
        QVERIFY(form->Option1->value());
        const QString problem =
            QString("Problem: find a fraction between %1 and %2.")
                .arg(words(form->Label2->caption()), words(form->Label4->caption()));
        QCOMPARE(shell::testing::without_code(form->sentence()), problem);
        check_go_solution_kind_exit(form, "Timer1", FractionsBetweenForm::kAnswers, "menu3");
    }

    // Each answer comes with its mark on the line, between the ends, in turn.
    void answers_are_marked_in_turn() {
        auto* form = open<FractionsBetweenForm>("fractionsbetween");
        click(form->Option3);
        click(form->cmdsoln);
        const auto& marks = form->Line1->marks();
        for (int shown = 1; shown <= FractionsBetweenForm::kAnswers; ++shown) {
            for (int i = 0; i < FractionsBetweenForm::kAnswers; ++i) {
                QCOMPARE(form->Label10[std::size_t(i)]->visible(), i < shown);
                QCOMPARE(marks[std::size_t(i)].shown, i < shown);
            }
            form->timer("Timer1")->fire();
        }
        const auto found = answers(form->pair());
        QCOMPARE(shell::testing::without_code(form->sentence()),
                 QString("Problem: find a fraction between %1 and %2. Answer: "
                         "halfway %3, mediant %4, simplest %5.")
                     .arg(words(form->Label2->caption()), words(form->Label4->caption()),
                          words(QString::fromStdString(text(found.halfway))),
                          words(QString::fromStdString(text(found.mediant))),
                          words(QString::fromStdString(text(found.simplest)))));
        QVERIFY(form->Label2->caption().contains(' '));
    }
};

QTEST_MAIN(FractionsBetweenScreenTest)
#include "fractionsbetween_screen_test.moc"
