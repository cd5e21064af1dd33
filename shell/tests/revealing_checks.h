// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every screen built on RevealingForm does, checked with real clicks.

#include "revealing_form.h"
#include "screen_harness.h"
#include "screens.h"
#include "sentences.h"
#include <QtTest>
#include <clocale>
#include <memory>

namespace shell::testing {

// Shows the whole solution: Solution, then the reveal's ticks until it stops.
inline void reveal_all(RevealingForm* form) {
    click(form->cmdsoln);
    for (int ticks = 0; form->Timer1->fire(); ++ticks) {
        QVERIFY(ticks < 200);
    }
}

// The first kind is chosen as the screen opens. Go always brings a problem unlike the
// one before, its answer hidden. Solution shows one part at once and each other a tick
// later, the answer sentence with the last; a second Solution, during the reveal or
// after it, changes nothing; Go during the reveal stops it. Each kind, clicked during a
// reveal, stops it and makes a problem of its own. Exit goes back to the menu.
inline void check_revealing_screen(RevealingForm* form) {
    QVERIFY(form);
    const QString name = form->name();
    const QString menu = form->menu();
    QVERIFY(form->get<OptionButton>("Option1")->value());
    QCOMPARE(form->kind(), 0);
    QVERIFY(shell::testing::without_code(form->sentence()).startsWith("Problem: "));
    QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
    for (int i = 0; i < 20; ++i) {
        const QString before = shell::testing::without_code(form->sentence());
        click(form->cmdgo);
        QVERIFY(shell::testing::without_code(form->sentence()) != before);
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
    }

    const QString problem = shell::testing::without_code(form->sentence());
    const int parts = form->answer_parts();
    click(form->cmdsoln);
    QCOMPARE(form->parts_shown(), 1);
    QCOMPARE(form->Timer1->enabled(), parts > 1);
    for (int part = 2; part <= parts; ++part) {
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
        click(form->cmdsoln);
        QCOMPARE(form->parts_shown(), part - 1);
        QVERIFY(form->Timer1->fire());
        QCOMPARE(form->parts_shown(), part);
    }
    QVERIFY(!form->Timer1->enabled());
    QVERIFY(shell::testing::without_code(form->sentence()).startsWith(problem + " Answer: "));
    const QString answered = shell::testing::without_code(form->sentence());
    click(form->cmdsoln);
    QCOMPARE(form->parts_shown(), parts);
    QCOMPARE(shell::testing::without_code(form->sentence()), answered);

    click(form->cmdgo);
    click(form->cmdsoln);
    click(form->cmdgo);
    QVERIFY(!form->Timer1->enabled());
    QCOMPARE(form->parts_shown(), 0);
    QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));

    for (int kind = 3; kind >= 1; --kind) {
        const QString before = shell::testing::without_code(form->sentence());
        auto* option = form->get<OptionButton>(QString("Option%1").arg(kind));
        click(form->cmdsoln);
        click(option);
        QVERIFY(option->value());
        QCOMPARE(form->kind(), kind - 1);
        QVERIFY(shell::testing::without_code(form->sentence()) != before);
        QVERIFY(!form->Timer1->enabled());
        QCOMPARE(form->parts_shown(), 0);
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
    }

    click(form->cmdsoln);
    click(form->cmdexit);
    QVERIFY(back_at_menu(name, menu));
}

} // namespace shell::testing
