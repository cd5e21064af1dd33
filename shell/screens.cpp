// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens.h"

#include "display.h"
#include "program.h"
#include "program_window.h"

#include <QMap>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace shell {

namespace {

struct Registry {
    QMap<QString, FormFactory> factories;
    QMap<QString, Form*> loaded;
    QPointer<Form> current;
};

Registry& registry() {
    static Registry r;
    return r;
}

QString key(const QString& name) {
    return name.toLower();
}

Form* load(const QString& name) {
    auto& r = registry();
    auto factory = r.factories.value(key(name));
    if (!factory) {
        return nullptr;
    }
    Form* form = factory().release();
    r.loaded.insert(key(name), form);
    try {
        form->Form_Load();
    } catch (...) {
        r.loaded.remove(key(name));
        form->kill_timers();
        form->deleteLater();
        throw;
    }
    return form;
}

// The focus goes where it went when each screen had a window of its own and that
// window came up: back to the control of the screen that had it, or else to the first
// control Tab reaches; on a screen with neither, to the screen itself.
void focus_screen(Form& form) {
    QWidget* target = form.focusWidget();
    const auto can_take = [&form](const QWidget* w) {
        return w && w != &form && form.isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(&form);
    };
    if (!can_take(target)) {
        target = nullptr;
        for (QWidget* w = form.nextInFocusChain(); w && w != &form; w = w->nextInFocusChain()) {
            if (can_take(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
                target = w;
                break;
            }
        }
    }
    (target ? target : &form)->setFocus(Qt::ActiveWindowFocusReason);
}

// The screen a move leaves from: the visible screen other than the one to show.
QScreen* screen_left(const QString& name) {
    for (Form* form : loaded_forms()) {
        if (form->isVisible() && key(form->name()) != key(name)) {
            return form->screen();
        }
    }
    return nullptr;
}

} // namespace

void register_form(const QString& name, FormFactory factory) {
    registry().factories.insert(key(name), std::move(factory));
}

bool has_form(const QString& name) {
    return registry().factories.contains(key(name));
}

Form* loaded_form(const QString& name) {
    return registry().loaded.value(key(name));
}

Form* touch_form(const QString& name) {
    if (Form* form = loaded_form(name)) {
        return form;
    }
    return load(name);
}

Form* show_form(const QString& name) {
    // The next screen opens where the teacher has the program: on the screen of the
    // window being left, which may have been dragged to a projector.
    set_screen_in_use(screen_left(name));
    Form* form = touch_form(name);
    auto& r = registry();
    if (form && !program_ended()) {
        form->present();
        form->window()->raise();
        form->window()->activateWindow();
        // Before the screen left hides, so that its focus does not wander on its way out.
        focus_screen(*form);
        // One screen is in use and visible at a time.
        if (Form* previous = r.current; previous && previous != form) {
            previous->left_behind_ = true;
            previous->hide();
        }
        r.current = form;
        form->left_behind_ = false;
    }
    return form;
}

Form* current_form() {
    return registry().current;
}

bool takes_input(const QWidget* widget) {
    const Form* form = form_of(widget);
    return !form || !form->is_left();
}

void unload_form(const QString& name) {
    auto& r = registry();
    Form* form = r.loaded.take(key(name));
    if (!form) {
        return;
    }
    form->left_behind_ = true;
    if (r.current == form) {
        r.current = nullptr;
    }
    form->Form_Unload();
    form->kill_timers();
    form->hide();
    if (auto* window = dynamic_cast<ProgramWindow*>(form->parentWidget())) {
        window->release(*form);
    }
    form->deleteLater();
}

std::vector<Form*> loaded_forms() {
    const auto values = registry().loaded.values();
    return {values.begin(), values.end()};
}

bool any_form_visible() {
    const auto forms = loaded_forms();
    return std::any_of(forms.begin(), forms.end(), [](Form* f) { return f->isVisible(); });
}

void forget_form(const Form& form) {
    auto& r = registry();
    if (r.loaded.value(key(form.objectName())) == &form) {
        r.loaded.remove(key(form.objectName()));
    }
}

} // namespace shell
