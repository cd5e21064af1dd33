// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

namespace shell {

// One row of a screen's key table: the keys, how the list of keys names them and what
// they do. `run` learns which of the keys was pressed (0 for the first), so that one row
// can stand for "1 to 9". Shift is ignored when keys are matched, so "?" and Shift+N work
// on every keyboard layout; a held key repeats the row only when `repeats` is set.
struct KeyBinding {
    QList<QKeyCombination> keys;
    QString keys_text;
    QString what;
    std::function<void(int which)> run;
    bool repeats = false;
};

// Presses a control as a click on it would: its click handler runs, or for a button its
// click. A hidden or disabled control, which a click cannot reach, or one on a screen
// that has been left, is not pressed. Returns whether it was pressed.
bool press(Control* control);

// The keyboard of one screen: its key table and the controls that the keyboard focus
// moves through. Every key reaches the table first, whichever control has the focus, so
// a key only ever does what the table says; on an exclusive screen (every screen but the
// title screen) a key that no row names does nothing at all. F11 and Ctrl+F are left to
// the full-screen switch. The focused control carries a focus mark; the hover handlers
// of a control run when the keys move the focus onto it, as when the pointer arrives.
class ScreenKeys : public QObject {
public:
    // The keyboard of the form, made on first use; it lives and dies with the form.
    static ScreenKeys& of(Form& form);
    // The keyboard of the form if it has one, or nullptr.
    static ScreenKeys* find(Form& form);

    void add(std::vector<KeyBinding> rows);
    void add_front(std::vector<KeyBinding> rows);
    const std::vector<KeyBinding>& table() const { return table_; }

    // The controls the focus moves through, in reading order; those hidden or disabled
    // at the time are passed over.
    std::function<std::vector<Control*>()> focus_order;
    bool exclusive = true;

    // The control with the focus, when it is one the focus may now reach.
    Control* focused() const;
    void focus(Control* control);
    void focus_next() { step_focus(+1); }
    void focus_previous() { step_focus(-1); }
    // Presses the focused control; when that takes it out of reach (a number placed),
    // the focus goes on to the next control that is still in reach.
    void press_focused();

    // Runs the row of the key; false when no row names it.
    bool key_press(const class QKeyEvent* event);

    // The little frame around the focused control (for tests and screenshots).
    QWidget* focus_mark() const;

private:
    explicit ScreenKeys(Form& form);
    bool reachable(Control* control) const;
    void step_focus(int step);
    void step_from(int position, int step);
    void follow_focus();

    Form& form_;
    std::vector<KeyBinding> table_;
    QPointer<QWidget> mark_;
};

// Whether a key press repeats a key held down, rather than a press of its own that came
// quickly after the last (Escape Escape from a remote).
bool held_down(const class QKeyEvent* event);

} // namespace shell
