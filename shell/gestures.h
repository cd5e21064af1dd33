// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QPointF>
#include <QPointer>

class QMouseEvent;

namespace shell {

// What the input layer (input_filter.h) remembers of the pointer from one event to the
// next: the double tap to drop, and the control a press holds down.

// A click that reaches a screen within the double-click interval of the click that
// opened it is the second tap of a double tap meant for the screen before; it is dropped,
// so a double tap on Exit leaves one screen, not two. Times are the events' own.
class TapGuard {
public:
    // The press (or double click) to drop; its release is dropped with it.
    bool drop_press(Form* form, const QMouseEvent* event);
    // A drag that the dropped press would start goes with it.
    bool drop_move(Form* form) const { return dropping_ && guarded_ == form; }
    bool drop_release(Form* form, const QMouseEvent* event);
    // A screen shown by the click now being handled is guarded from its time.
    void shown(Form* form);
    // Screens opened from the keyboard are not guarded.
    void key_pressed() { release_known_ = false; }

private:
    QPointer<Form> guarded_;
    quint64 opened_at_ = 0;
    quint64 last_release_ = 0;
    bool release_known_ = false;
    bool dropping_ = false;
};

// The control a press holds down, and the drag let go of when a cover comes over the
// screen: the rest of that gesture, up to its last button, is dropped.
class HeldControl {
public:
    // A press on a widget: a control is held, from the place it stands at now.
    void hold(QObject* watched);
    // Ends the press or drag on a control of the form as if the pointer had let go over
    // the place the control was picked up from: a drag goes back where it started, and
    // a button pressed is let go without a click.
    void let_go(Form& form);
    // Whether a movement belongs to a gesture let go of.
    bool drops_move(const QObject* watched) const { return watched == let_go_of_; }
    // A button coming up (`last` when no button stays down): whether it belongs to a
    // gesture let go of.
    bool drops_release(const QObject* watched, bool last);

private:
    QPointer<QWidget> held_;
    QPointF held_from_;
    QPointer<QWidget> let_go_of_;
};

} // namespace shell
