// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An activity screen driven as the class would, in its own test: the screen and a
// stand-in for the menu it returns to registered, opened as a menu opens it, clicked and
// unloaded. Every screen test uses these, the families' checks too.

#include "activity_table.h"
#include "form.h"
#include "screens.h"

#include <QRadioButton>
#include <QtTest>

#include <clocale>
#include <memory>
#include <type_traits>

namespace shell::testing {

// The listing menu screen that Exit returns to.
class MenuStandIn : public Form {
public:
    explicit MenuStandIn(const QString& name) : Form(name, 12000, 9000) {}
};

// The screen, and a stand-in for the menu that lists it unless that menu is known.
template <class Screen> void register_activity(const QString& screen, const QString& menu) {
    register_form(screen, make_screen<Screen>);
    if (!has_form(menu)) {
        register_form(menu, [menu] { return std::make_unique<MenuStandIn>(menu); });
    }
}

// Shows the screen as a menu does and waits until it is on the screen.
template <class Screen> Screen* open(const QString& screen) {
    auto* form = dynamic_cast<Screen*>(show_form(screen));
    if (form) {
        (void)QTest::qWaitForWindowExposed(form);
    }
    return form;
}

// The same, with the C library's numbers in the C locale, as the program has them.
template <class Screen> Screen* open_activity(const QString& screen) {
    std::setlocale(LC_ALL, "C");
    return open<Screen>(screen);
}

// A real click on a control (a widget, or a control found by name): on an option button
// its round box at the left, on anything else its middle.
template <class Target> void click(Target* target) {
    QWidget* widget = nullptr;
    if constexpr (std::is_base_of_v<QWidget, Target>) {
        widget = target;
    } else {
        widget = target->widget();
    }
    const QPoint at = qobject_cast<QRadioButton*>(widget) ? QPoint(8, widget->height() / 2)
                                                          : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

inline void unload_every_form() {
    for (Form* f : loaded_forms()) {
        unload_form(f->name());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Whether Exit took the screen away and showed its menu.
inline bool back_at_menu(const QString& screen, const QString& menu) {
    return loaded_form(screen) == nullptr && loaded_form(menu) && loaded_form(menu)->isVisible();
}

} // namespace shell::testing
