// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every screen of a number wall or triangle does, driven with real clicks: a kind
// and Go make new problems, Solution reveals its parts tick by tick and then the answer
// sentence (pressed again it changes nothing), Go stops a reveal, Exit returns to the
// menu and unloads the screen.

#include "activity_table.h"
#include "board_form.h"
#include "screen_harness.h"
#include "screens.h"
#include "sentences.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <vector>

namespace chalkline::boards::testing {

using namespace shell::testing;

inline bool has_answer(BoardForm* form) {
    return shell::testing::without_code(form->sentence()).contains(" Answer: ");
}

// The hidden numbers an answer sentence names with their places, "row 3, place 2 is
// 45" as {3, 2, "45"}, in the order said.
struct SpokenPlace {
    int row;
    int place;
    QString number;
};
inline std::vector<SpokenPlace> spoken_places(const QString& sentence) {
    static const QRegularExpression place("row (\\d+), place (\\d+) is ([^.]+)");
    std::vector<SpokenPlace> places;
    for (auto it = place.globalMatch(sentence.section(" Answer: ", 1)); it.hasNext();) {
        const auto match = it.next();
        places.push_back({match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3)});
    }
    return places;
}

// n choose k.
inline long long choose(int n, int k) {
    long long ways = 1;
    for (int i = 1; i <= k; ++i) {
        ways = ways * (n - i + 1) / i;
    }
    return ways;
}

// Runs the whole flow on the kind of option `kind` (2 or 3); `solved` looks at the screen once its
// Solution is fully shown.
inline void check_screen_flow(const QString& screen, const QString& caption, const QString& menu,
                              int kind, const std::function<void(BoardForm*)>& solved) {
    auto* form = dynamic_cast<BoardForm*>(shell::show_form(screen));
    QVERIFY(form);
    QCOMPARE(form->caption(), caption);
    QCOMPARE(form->kind(), 0);
    QVERIFY(form->Option1->value());

    QString before = shell::testing::without_code(form->sentence());
    auto* option = form->get<shell::OptionButton>(QString("Option%1").arg(kind));
    click(option);
    QVERIFY(option->value());
    QCOMPARE(form->kind(), kind - 1);
    QVERIFY(shell::testing::without_code(form->sentence()) != before);
    before = shell::testing::without_code(form->sentence());
    click(form->cmdgo);
    QVERIFY(shell::testing::without_code(form->sentence()) != before);
    QVERIFY(shell::testing::without_code(form->sentence()).startsWith("Problem: ") &&
            !has_answer(form));

    // The first part at once, one part a tick: each hidden box is filled with the two it
    // comes from flashing. Solution again midway changes nothing; the answer is read
    // once all is shown, and every box is then given or filled in.
    const std::vector<Step> steps = form->steps();
    const QString problem = shell::testing::without_code(form->sentence());
    click(form->cmdsoln);
    std::size_t part = 0;
    for (; form->Timer1->enabled(); ++part) {
        if (part < steps.size()) {
            QCOMPARE(form->Board1->look(steps[part].cell), BoxLook::Filling);
            QCOMPARE(form->Board1->look(steps[part].from[0]), BoxLook::Source);
            QCOMPARE(form->Board1->look(steps[part].from[1]), BoxLook::Source);
        }
        if (part == 1) {
            click(form->cmdsoln);
        }
        QVERIFY(!has_answer(form));
        QVERIFY(form->Timer1->fire());
    }
    QVERIFY(steps.empty() || part == steps.size());
    QVERIFY(form->solution_shown());
    QVERIFY(shell::testing::without_code(form->sentence()).startsWith(problem + " Answer: "));
    for (int box = 0; box < form->Board1->box_count() && !steps.empty(); ++box) {
        const BoxLook look = form->Board1->look(box);
        QVERIFY(look == BoxLook::Given || look == BoxLook::Answer);
    }
    solved(form);
    if (QTest::currentTestFailed()) {
        return;
    }

    // Go during the reveal stops it and hides the answer again.
    click(form->cmdsoln);
    click(form->cmdgo);
    QVERIFY(!form->Timer1->enabled() && !form->solution_begun() && !has_answer(form));

    click(form->cmdexit);
    QVERIFY(!shell::loaded_form(screen));
    QVERIFY(shell::loaded_form(menu) && shell::loaded_form(menu)->isVisible());
}

} // namespace chalkline::boards::testing
