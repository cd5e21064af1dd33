// SPDX-License-Identifier: GPL-3.0-or-later
// What every screen built on RevealForm does, driven with real clicks: Go, Solution
// revealed part by part, a kind, Exit. Each activity's screen test runs it.
#pragma once

#include "forms.h"
#include "reveal_form.h"

#include <QtTest>

#include <clocale>

namespace shell::testing {

// The listing menu screen that Exit returns to.
class MenuStandIn : public Form {
public:
    explicit MenuStandIn(const QString& name) : Form(name, 12000, 9000) {}
};

inline void register_menu_stand_in(const QString& menu) {
    register_form(menu, [menu] { return std::make_unique<MenuStandIn>(menu); });
}

inline void unload_all() {
    for (Form* f : loaded_forms()) {
        unload_form(f->name());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline RevealForm* open_reveal_form(const QString& screen) {
    std::setlocale(LC_ALL, "C");
    auto* form = dynamic_cast<RevealForm*>(show_form(screen));
    if (form) {
        (void)QTest::qWaitForWindowExposed(form);
    }
    return form;
}

// Clicks near the left edge, halfway down: on an option button that is its dot.
inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

// Shows the whole solution: Solution, then the reveal's ticks until it stops.
inline void reveal_all(RevealForm* form) {
    click(form->cmdsoln);
    for (int ticks = 0; form->Timer1->fire(); ++ticks) {
        QVERIFY(ticks < 20);
    }
}

// Go makes a new problem and hides the answer; Solution reveals it part by part, the
// answer sentence coming with the last part, and a second Solution changes nothing; Go
// during the reveal stops it; a click on the second kind makes a problem of that kind;
// Exit shows the menu and unloads the screen.
inline void check_reveal_form(RevealForm* form, const QString& menu) {
    QVERIFY(form);
    QCOMPARE(form->kind(), 0);
    const QString first = form->sentence();
    QVERIFY(first.startsWith("Problem: ") && !first.contains("Answer:"));
    click(form->cmdgo);
    QVERIFY(form->sentence() != first);

    click(form->cmdsoln);
    QCOMPARE(form->parts_shown(), 1);
    QVERIFY(form->Timer1->enabled() || !form->sentence().contains("Answer:"));
    click(form->cmdgo); // during the reveal
    QCOMPARE(form->parts_shown(), 0);
    QVERIFY(!form->Timer1->enabled());

    const QString problem = form->sentence();
    reveal_all(form);
    QVERIFY(form->sentence().startsWith(problem + " Answer: "));
    const int shown = form->parts_shown();
    const QString answered = form->sentence();
    click(form->cmdsoln);
    QCOMPARE(form->parts_shown(), shown);
    QCOMPARE(form->sentence(), answered);

    click(form->get<OptionButton>("Option2"));
    QCOMPARE(form->kind(), 1);
    QCOMPARE(form->parts_shown(), 0);
    QVERIFY(!form->sentence().contains("Answer:"));

    const QString self = form->name();
    click(form->cmdexit);
    QVERIFY(loaded_form(self) == nullptr);
    QVERIFY(loaded_form(menu) && loaded_form(menu)->isVisible());
}

} // namespace shell::testing
