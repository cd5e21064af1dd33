// SPDX-License-Identifier: GPL-3.0-or-later
#include "gestures.h"

#include "handlers.h"
#include "program_window.h"
#include "twips.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

namespace shell {

namespace {

quint64 double_click_interval() {
    return quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

// The centre of the control in twips on its screen's stage.
QPointF centre_on_stage(Control* control) {
    QPointF at(control->width() / 2, control->height() / 2);
    for (QWidget* w = control->widget(); w; w = w->parentWidget()) {
        if (auto* form = dynamic_cast<Form*>(w->parentWidget()); form && form->stage() == w) {
            break;
        }
        const auto* c = dynamic_cast<const Control*>(w);
        at += c ? QPointF(c->left(), c->top()) : QPointF(w->pos()) * twips_per_pixel();
    }
    return at;
}

} // namespace

// ---- TapGuard ----

bool TapGuard::drop_press(Form* form, const QMouseEvent* event) {
    if (guarded_ == form && event->timestamp() - opened_at_ < double_click_interval()) {
        dropping_ = true;
        return true;
    }
    if (guarded_ == form) {
        guarded_ = nullptr;
    }
    return false;
}

bool TapGuard::drop_release(Form* form, const QMouseEvent* event) {
    if (dropping_ && guarded_ == form) {
        dropping_ = false;
        return true;
    }
    last_release_ = event->timestamp();
    release_known_ = true;
    return false;
}

void TapGuard::shown(Form* form) {
    if (release_known_) {
        guarded_ = form;
        opened_at_ = last_release_;
        dropping_ = false;
    }
}

// ---- HeldControl ----

void HeldControl::hold(QObject* watched) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (auto* control = dynamic_cast<Control*>(widget)) {
        held_ = widget;
        held_from_ = centre_on_stage(control);
    }
}

void HeldControl::let_go(Form& form) {
    Control* control = held_ ? dynamic_cast<Control*>(held_.data()) : nullptr;
    if (!control || form_of(held_) != &form) {
        return;
    }
    let_go_of_ = held_;
    held_ = nullptr;
    if (auto* button = dynamic_cast<QAbstractButton*>(control->widget())) {
        button->setDown(false);
        return;
    }
    if (auto* label = dynamic_cast<Label*>(control)) {
        label->cancel_press();
    }
    if (auto up = control->on_mouse_up) {
        const QPointF at = held_from_ - centre_on_stage(control) +
                           QPointF(control->width() / 2, control->height() / 2);
        const int index = control->index();
        run_handler([&] { up(index, {Qt::LeftButton, {}, at.x(), at.y()}); });
    }
}

bool HeldControl::drops_release(const QObject* watched, bool last) {
    if (last) {
        held_ = nullptr;
    }
    if (watched == let_go_of_) {
        if (last) {
            let_go_of_ = nullptr;
        }
        return true;
    }
    return false;
}

} // namespace shell
