// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace shell {

// The screens of the program, by name (without regard to letter case): each is made by
// its factory when a move first needs it, shown in the program's window, and unloaded
// when the move away from it is done.

using FormFactory = std::function<std::unique_ptr<Form>()>;
void register_form(const QString& name, FormFactory factory);
bool has_form(const QString& name);

// Loads the form if it is not loaded (running Form_Load), then makes it visible as the
// screen in use; the screen that was in use is hidden (the move unloads it next).
Form* show_form(const QString& name);
// Loads the form hidden if it is not loaded; a loaded form stays as it is.
Form* touch_form(const QString& name);
// Closes the form and discards it with its controls and timers; the next show or
// touch makes a fresh one. Safe to call from the form's own handlers.
void unload_form(const QString& name);
// The loaded form of that name, or nullptr.
Form* loaded_form(const QString& name);
// The screen in use: the one the last move showed, while it is loaded; or nullptr.
Form* current_form();
// Whether input may reach the widget: false when it stands on a screen that is left.
bool takes_input(const QWidget* widget);
template <class T> T* loaded(const QString& name) {
    return dynamic_cast<T*>(loaded_form(name));
}
std::vector<Form*> loaded_forms();
bool any_form_visible();

// A form that goes without an unload (the program's window closing) is forgotten by the
// registry; Form's destructor calls it.
void forget_form(const Form& form);

} // namespace shell
