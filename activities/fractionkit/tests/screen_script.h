// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every screen of the fraction activities must do, driven with real clicks: Go
// makes a new problem, Solution reveals it part by part on its timer and then gives the
// answer sentence, Go hides it again, a kind's option makes a problem of that kind, Exit
// goes back to the menu.

#include "activity_form.h"
#include "reveal.h"
#include "screen_harness.h"
#include "screens.h"
#include "sentences.h"
#include <QtTest>

namespace chalkline::fractionkit::testing {

using namespace shell::testing;

// Clicks Solution and fires the reveal's timer until it stops; returns the ticks.
inline int solve(shell::ActivityForm* form, const QString& timer) {
    click(form->cmdsoln);
    int ticks = 0;
    while (form->timer(timer)->fire() && ticks < 100) {
        ++ticks;
    }
    return ticks;
}

// The shared behaviour; `parts` is how many parts the Solution reveals.
inline void check_go_solution_kind_exit(shell::ActivityForm* form, const QString& timer, int parts,
                                        const QString& menu) {
    const QString first = shell::testing::without_code(form->sentence());
    QVERIFY2(first.startsWith("Problem: ") && !first.contains("Answer:"), qPrintable(first));
    click(form->cmdgo);
    QVERIFY(shell::testing::without_code(form->sentence()) != first);

    // One part at once, then one a tick; a second Solution midway changes nothing.
    click(form->cmdsoln);
    QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
    QCOMPARE(form->timer(timer)->interval(), shell::Reveal::kRevealInterval);
    if (parts > 1) {
        QVERIFY(form->timer(timer)->fire());
        click(form->cmdsoln);
    }
    int ticks = parts > 1 ? 1 : 0;
    while (form->timer(timer)->fire()) {
        QVERIFY(++ticks < 100);
    }
    QCOMPARE(ticks, parts - 1);
    const QString solved = shell::testing::without_code(form->sentence());
    QVERIFY2(solved.contains(" Answer: "), qPrintable(solved));
    click(form->cmdsoln);
    QCOMPARE(shell::testing::without_code(form->sentence()), solved);

    // Go midway through a reveal stops it and hides the answer.
    click(form->cmdgo);
    QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
    click(form->cmdsoln);
    click(form->cmdgo);
    QVERIFY(!form->timer(timer)->enabled());
    QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));

    const QString before = shell::testing::without_code(form->sentence());
    click(form->control("Option2"));
    QVERIFY(form->get<shell::OptionButton>("Option2")->value());
    QVERIFY(shell::testing::without_code(form->sentence()) != before);

    const QString screen = form->name();
    click(form->cmdexit);
    QVERIFY(shell::loaded_form(screen) == nullptr);
    QVERIFY(shell::loaded_form(menu) && shell::loaded_form(menu)->isVisible());
}

} // namespace chalkline::fractionkit::testing
