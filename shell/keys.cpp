// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

#include "focus_mark.h"
#include "handlers.h"
#include "input_filter.h"
#include "program_window.h"
#include "screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>

#include <algorithm>

namespace shell {

namespace {

// The key as the tables name it: Shift+Tab is Backtab whatever sent it, and only Ctrl,
// Alt and Meta count as modifiers.
QKeyCombination normalised(const QKeyEvent* event) {
    const Qt::KeyboardModifiers counted =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    int key = event->key();
    if (key == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier)) {
        key = Qt::Key_Backtab;
    }
    return QKeyCombination(counted, Qt::Key(key));
}

// The pointer arriving on a control: it crosses the form, then lands on the control.
// The form hears of it in design coordinates, from the corner of its stage.
void hover(Form& form, Control* control) {
    QWidget* widget = control->widget();
    const QPoint centre = widget->rect().center();
    const QPoint on_form = widget->mapTo(form.stage(), centre);
    const double tpp = twips_per_pixel();
    form.Form_MouseMove({Qt::NoButton, {}, on_form.x() * tpp, on_form.y() * tpp});
    if (auto handler = control->on_mouse_move) {
        handler(control->index(), {Qt::NoButton, {}, centre.x() * tpp, centre.y() * tpp});
    }
}

} // namespace

// Whether a key press repeats a key held down. The toolkit takes a release and a press
// of the same key at the same moment for the keyboard's repeat, and so does a remote or
// a script that sends Escape Escape at once; but a key held down repeats only after a
// delay (a tenth of a second at the very least on any desktop), so a "repeat" that comes
// sooner after the press it would repeat is a press of its own. Asked again about the
// same event (a key passed on to the screen in use), it answers the same.
bool held_down(const QKeyEvent* event) {
    constexpr quint64 kShortestRepeatDelay = 80; // ms
    static QHash<int, quint64> pressed_at;
    const quint64 at = event->timestamp();
    const auto found = pressed_at.constFind(event->key());
    if (event->isAutoRepeat() && found != pressed_at.constEnd() &&
        at - found.value() >= kShortestRepeatDelay) {
        return true;
    }
    pressed_at.insert(event->key(), at);
    return false;
}

bool press(Control* control) {
    if (!control) {
        return false;
    }
    QWidget* widget = control->widget();
    if (!takes_input(widget) || !widget->isEnabled() || !widget->isVisibleTo(shown_in(widget))) {
        return false;
    }
    if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        button->click();
        return true;
    }
    if (auto handler = control->on_click) {
        const int index = control->index();
        run_handler([&] { handler(index); });
        return true;
    }
    return false;
}

// ---- ScreenKeys ----

ScreenKeys* ScreenKeys::find(Form& form) {
    for (QObject* child : form.children()) {
        if (auto* keys = dynamic_cast<ScreenKeys*>(child)) {
            return keys;
        }
    }
    return nullptr;
}

ScreenKeys& ScreenKeys::of(Form& form) {
    if (ScreenKeys* keys = find(form)) {
        return *keys;
    }
    install_input_layer();
    return *new ScreenKeys(form);
}

ScreenKeys::ScreenKeys(Form& form) : QObject(&form), form_(form) {
    if (qApp) {
        connect(qApp, &QApplication::focusChanged, this, [this] { follow_focus(); });
    }
}

void ScreenKeys::add(std::vector<KeyBinding> rows) {
    table_.insert(table_.end(), rows.begin(), rows.end());
}

void ScreenKeys::add_front(std::vector<KeyBinding> rows) {
    table_.insert(table_.begin(), rows.begin(), rows.end());
}

bool ScreenKeys::key_press(const QKeyEvent* event) {
    const QKeyCombination key = normalised(event);
    for (const KeyBinding& row : table_) {
        const auto which = row.keys.indexOf(key);
        if (which < 0) {
            continue;
        }
        if (row.repeats || !held_down(event)) {
            // The row is copied: it may unload the screen, and the table with it.
            auto run = row.run;
            run_handler([&] { run(int(which)); });
        }
        return true;
    }
    return false;
}

bool ScreenKeys::reachable(Control* control) const {
    QWidget* widget = control->widget();
    return widget->isEnabled() && widget->isVisibleTo(&form_);
}

Control* ScreenKeys::focused() const {
    QWidget* focus = form_.focusWidget();
    if (!focus || !focus_order) {
        return nullptr;
    }
    for (Control* control : focus_order()) {
        if (control->widget() == focus) {
            return reachable(control) ? control : nullptr;
        }
    }
    return nullptr;
}

void ScreenKeys::focus(Control* control) {
    if (!control || !reachable(control)) {
        return;
    }
    control->widget()->setFocus(Qt::TabFocusReason);
    run_handler([&] { hover(form_, control); });
    follow_focus();
}

void ScreenKeys::step_focus(int step) {
    if (!focus_order) {
        return;
    }
    const auto order = focus_order();
    const auto at = std::find_if(order.begin(), order.end(),
                                 [this](Control* c) { return c->widget() == form_.focusWidget(); });
    step_from(at == order.end() ? -1 : int(at - order.begin()), step);
}

// From the control at `position` in the focus order (-1: none, so the first or the last
// is next) to the next one in reach, round the end and back to the start.
void ScreenKeys::step_from(int position, int step) {
    const auto order = focus_order();
    const int count = int(order.size());
    for (int i = 1; i <= count; ++i) {
        const int next = position < 0 ? (step > 0 ? i - 1 : count - i)
                                      : ((position + step * i) % count + count) % count;
        if (reachable(order[std::size_t(next)])) {
            focus(order[std::size_t(next)]);
            return;
        }
    }
}

void ScreenKeys::press_focused() {
    Control* control = focused();
    if (!control) {
        return;
    }
    const auto order = focus_order();
    const int position = int(std::find(order.begin(), order.end(), control) - order.begin());
    const QString screen = form_.name();
    press(control);
    // The press may have left the screen, which then goes with its next event.
    if (loaded_form(screen) == &form_ && form_.isVisible() && !reachable(control)) {
        step_from(position, +1);
    }
}

QWidget* ScreenKeys::focus_mark() const {
    return mark_ && !mark_->isHidden() ? mark_.data() : nullptr;
}

void ScreenKeys::follow_focus() {
    // A form is hidden before it goes; while it goes down its controls are not asked.
    Control* control = form_.isVisible() ? focused() : nullptr;
    if (!control) {
        if (mark_) {
            mark_->hide();
        }
        return;
    }
    if (!mark_) {
        // The mark may outlive the keyboard while the form goes down.
        QPointer<ScreenKeys> keys(this);
        mark_ = new FocusMark(control->widget(), [keys] {
            if (keys) {
                keys->follow_focus();
            }
        });
    } else {
        static_cast<FocusMark*>(mark_.data())->follow(control->widget());
    }
}

} // namespace shell
