// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An activity screen driven as the class would, in its own test: the screen and the
// menu it returns to registered, opened as a menu opens it, clicked, and unloaded.

#include "activity_table.h"
#include "forms.h"

#include <QtTest>

#include <memory>

namespace shell::testing {

// The listing menu screen that Exit returns to.
class MenuStandIn : public Form {
public:
    explicit MenuStandIn(const QString& name) : Form(name, 12000, 9000) {}
};

template <class Screen> void register_activity(const QString& screen, const QString& menu) {
    register_form(screen, make_screen<Screen>);
    register_form(menu, [menu] { return std::make_unique<MenuStandIn>(menu); });
}

template <class Screen> Screen* open_activity(const QString& screen) {
    auto* form = dynamic_cast<Screen*>(show_form(screen));
    if (form) {
        (void)QTest::qWaitForWindowExposed(form);
    }
    return form;
}

// Clicks near the left edge, halfway down: on an option button that is its dot.
inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
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
