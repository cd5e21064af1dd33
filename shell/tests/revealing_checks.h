// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every screen built on RevealingRowForm does, checked with real clicks: Go, the
// reveal of Solution on its timer, the kinds and Exit.

#include "activity_table.h"
#include "forms.h"
#include "revealing_row_form.h"

#include <QtTest>

#include <memory>

namespace shell::testing {

// The listing menu screen that Exit returns to.
class StandInMenu : public Form {
public:
    explicit StandInMenu(const QString& name) : Form(name, 12000, 9000) {}
};

inline void register_stand_in_menu(const QString& menu) {
    if (!has_form(menu)) {
        register_form(menu, [menu] { return std::make_unique<StandInMenu>(menu); });
    }
}

// Clicks near the left end, halfway down: on an option button that is its dot.
inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

// Makes the screen known, with a stand-in for its menu, and opens it.
template <class T> T* open_screen(const QString& name, const QString& menu) {
    register_form(name, make_screen<T>);
    register_stand_in_menu(menu);
    auto* form = dynamic_cast<T*>(show_form(name));
    if (form) {
        (void)QTest::qWaitForWindowExposed(form);
    }
    return form;
}

inline void unload_all() {
    for (Form* f : loaded_forms()) {
        unload_form(f->name());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Go always brings a problem unlike the one before; Solution shows its parts one a tick
// and the answer sentence after the last, ignores a second press and is stopped by Go;
// each kind makes a problem of its own; Exit goes back to the menu.
inline void check_revealing_screen(RevealingRowForm* form) {
    const QString name = form->name();
    const QString menu = form->menu();
    QVERIFY(form->sentence().startsWith("Problem: "));
    for (int i = 0; i < 20; ++i) {
        const QString before = form->sentence();
        click(form->cmdgo);
        QVERIFY(form->sentence() != before);
        QVERIFY(!form->sentence().contains("Answer:"));
    }
    const QString problem = form->sentence();
    const int parts = form->answer_parts();
    click(form->cmdsoln);
    QCOMPARE(form->parts_shown(), 1);
    for (int part = 2; part <= parts; ++part) {
        QVERIFY(!form->sentence().contains("Answer:"));
        click(form->cmdsoln);
        QCOMPARE(form->parts_shown(), part - 1);
        QVERIFY(form->RevealTimer->fire());
        QCOMPARE(form->parts_shown(), part);
    }
    QVERIFY(!form->RevealTimer->enabled());
    QVERIFY(form->sentence().startsWith(problem + " Answer: "));

    click(form->cmdgo);
    click(form->cmdsoln);
    click(form->cmdgo);
    QVERIFY(!form->RevealTimer->enabled());
    QCOMPARE(form->parts_shown(), 0);
    QVERIFY(!form->sentence().contains("Answer:"));

    auto* first = form->get<OptionButton>("Option1");
    QVERIFY(first->value());
    for (int kind = 2; kind >= 0; --kind) {
        const QString before = form->sentence();
        auto* option = form->get<OptionButton>(QString("Option%1").arg(kind + 1));
        click(option);
        QVERIFY(option->value());
        QCOMPARE(form->kind(), kind);
        QVERIFY(form->sentence() != before);
    }

    click(form->cmdsoln);
    click(form->cmdexit);
    QVERIFY(loaded_form(menu));
    QVERIFY(!loaded_form(name));
}

} // namespace shell::testing
