// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_filter.h"

#include "accessibility.h"
#include "display.h"
#include "gestures.h"
#include "keys.h"
#include "overlays.h"
#include "program_window.h"
#include "screens.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <memory>

namespace shell {

namespace {

Form* form_of_object(QObject* object) {
    return form_of(qobject_cast<QWidget*>(object));
}

bool is_modifier(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

class InputFilter : public QObject {
public:
    using QObject::QObject;

    void let_go(Form& form) { held_.let_go(form); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            if (!takes_input(qobject_cast<QWidget*>(watched))) {
                return pass_on(static_cast<QKeyEvent*>(event));
            }
            return type == QEvent::KeyPress && key_press(watched, static_cast<QKeyEvent*>(event));
        }
        // Mouse, wheel, touch and pen; hovering too.
        const bool pointer = event->isPointerEvent() || type == QEvent::ContextMenu;
        if (pointer && !takes_input(qobject_cast<QWidget*>(watched))) {
            return true;
        }
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (Form* form = form_of_object(watched)) {
                if (guard_.drop_press(form, static_cast<QMouseEvent*>(event))) {
                    return true;
                }
                held_.hold(watched);
            }
            return false;
        case QEvent::MouseMove:
            if (held_.drops_move(watched)) {
                return true;
            }
            if (Form* form = form_of_object(watched)) {
                return guard_.drop_move(form);
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (held_.drops_release(watched,
                                    static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)) {
                return true;
            }
            if (Form* form = form_of_object(watched)) {
                return guard_.drop_release(form, static_cast<QMouseEvent*>(event));
            }
            return false;
        case QEvent::Show:
            if (auto* form = dynamic_cast<Form*>(watched)) {
                guard_.shown(form);
            }
            return false;
        default:
            return false;
        }
    }

private:
    // A key meant for a screen that has been left: the screen that took its place
    // receives it, so Escape Escape goes two screens back whatever the queue holds.
    bool pass_on(const QKeyEvent* event) {
        Form* current = current_form();
        if (current && current->isVisible()) {
            QWidget* target = current->focusWidget() ? current->focusWidget() : current;
            const std::unique_ptr<QEvent> copy(event->clone());
            QCoreApplication::sendEvent(target, copy.get());
        }
        return true;
    }

    bool key_press(QObject* watched, QKeyEvent* event) {
        Form* form = form_of_object(watched);
        ScreenKeys* keys = form ? ScreenKeys::find(*form) : nullptr;
        if (!keys || is_full_screen_key(event)) {
            return false;
        }
        // A dialog over the screen (Go to problem, a worksheet) takes the keys; none
        // reaches the board beneath it, even where the window system left it the focus.
        if (QApplication::activeModalWidget()) {
            return true;
        }
        guard_.key_pressed();
        if (overlay_open(*form)) {
            if (!is_modifier(event->key()) && !held_down(event)) {
                close_overlay(*form);
            }
            return true;
        }
        return keys->key_press(event) || keys->exclusive;
    }

    TapGuard guard_;
    HeldControl held_;
};

InputFilter*& input_filter() {
    static InputFilter* filter = nullptr;
    return filter;
}

} // namespace

void install_input_layer() {
    static bool installed = false;
    if (installed || !qApp) {
        return;
    }
    installed = true;
    input_filter() = new InputFilter(qApp);
    qApp->installEventFilter(input_filter());
    install_accessibility();
}

void let_go(Form& form) {
    if (InputFilter* filter = input_filter()) {
        filter->let_go(form);
    }
}

} // namespace shell
