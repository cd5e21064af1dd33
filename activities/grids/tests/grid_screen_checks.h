// SPDX-License-Identifier: GPL-3.0-or-later
// What the screen tests of the grid screens share: the screen opened as a menu opens
// it, the Solution played to its end, and the run every grid screen must pass.
#pragma once

#include "grid_form.h"
#include "sentences.h"

#include "screen_harness.h"

namespace chalkline::grids::testing {

using namespace shell::testing;

// Kind k, from 0.
inline shell::OptionButton* option(const GridForm* form, int k) {
    return form->get<shell::OptionButton>(QString("Option%1").arg(k + 1));
}

// Solution, then the reveal's ticks until it stops. Returns the ticks fired.
inline int play_solution(GridForm* form) {
    click(form->cmdsoln);
    int ticks = 0;
    while (ticks < 100 && form->timer("Timer1")->fire()) {
        ++ticks;
    }
    return ticks;
}

inline bool any_hidden(const GridForm* form) {
    return !form->board->hidden_places().empty();
}

// Opens on the first kind; Go makes another problem; Solution fills one hidden box at
// once and one a tick, each flashing, is not restarted by a second press, and ends
// with the answer sentence (told with the last box, a tick before its flash ends), the
// board's reading and no flash; Go during the reveal stops it; every kind's click makes
// a problem of it with numbers of at least 24 points; Exit goes back to the menu and
// unloads the screen.
inline void check_grid_screen(const QString& name, const QString& caption, const QString& menu) {
    GridForm* form = open<GridForm>(name);
    QVERIFY(form);
    QCOMPARE(form->caption(), caption);
    QCOMPARE(form->kind(), 0);
    QVERIFY(option(form, 0)->value() && option(form, 2) && !option(form, 3));
    QVERIFY(shell::testing::without_code(form->sentence()).startsWith("Problem: "));

    const QString first = shell::testing::without_code(form->sentence());
    click(form->cmdgo);
    QVERIFY(shell::testing::without_code(form->sentence()) != first);
    QVERIFY(any_hidden(form));

    const std::size_t hidden = form->board->hidden_places().size();
    click(form->cmdsoln);
    QCOMPARE(form->board->hidden_places().size(), hidden - 1);
    QVERIFY(form->board->flashing());
    click(form->cmdsoln);
    QCOMPARE(form->board->hidden_places().size(), hidden - 1);
    QVERIFY(form->timer("Timer1")->fire());
    QCOMPARE(form->board->hidden_places().size(), hidden - 2);
    QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
    click(form->cmdgo);
    QVERIFY(!form->timer("Timer1")->enabled());
    QVERIFY(!form->board->flashing());
    QVERIFY(any_hidden(form));

    // One box at once, one a tick, and a last tick that ends the flash.
    const int to_fill = int(form->board->hidden_places().size());
    QCOMPARE(play_solution(form), to_fill);
    QVERIFY(!any_hidden(form));
    QVERIFY(!form->board->flashing());
    QVERIFY(!form->timer("Timer1")->enabled());
    QVERIFY(shell::testing::without_code(form->sentence()).contains(" Answer: "));
    QVERIFY(!shell::testing::without_code(form->sentence()).section(" Answer: ", 1).contains('?'));

    // The answer is told as the last box is filled, while it still flashes; the tick
    // that ends the flash leaves the sentence as it is.
    click(form->cmdgo);
    click(form->cmdsoln);
    while (any_hidden(form)) {
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
        QVERIFY(form->timer("Timer1")->fire());
    }
    const QString told = shell::testing::without_code(form->sentence());
    QVERIFY(told.contains(" Answer: ") && form->board->flashing());
    QVERIFY(form->timer("Timer1")->fire());
    QVERIFY(!form->board->flashing() && !form->timer("Timer1")->enabled());
    QCOMPARE(shell::testing::without_code(form->sentence()), told);

    for (int kind = 2; kind >= 0; --kind) {
        click(option(form, kind));
        QCOMPARE(form->kind(), kind);
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
        QVERIFY2(form->board->number_font().pixelSize() >= shell::font_px(24),
                 qPrintable(shell::testing::without_code(form->sentence())));
    }

    click(form->cmdexit);
    QVERIFY(!shell::loaded_form(name));
    QVERIFY(shell::loaded_form(menu) && shell::loaded_form(menu)->isVisible());
}

} // namespace chalkline::grids::testing
