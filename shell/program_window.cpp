// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_window.h"

#include "accessibility.h"
#include "program.h"
#include "ink.h"
#include "program_icon.h"
#include "screens.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace shell {

ProgramWindow::ProgramWindow() {
    install_accessibility();
    setObjectName("chalkline");
    // The screen it shows covers every pixel, so the window paints nothing itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowIcon(program_icon());
    setWindowTitle("Chalkline");
}

void ProgramWindow::hold(Form& form) {
    if (shown_ == &form) {
        return;
    }
    shown_ = &form;
    form.setGeometry(rect());
    // A screen shown anew has no ink, and the pen is off.
    start_ink(form);
    setWindowTitle(form.caption());
    // Where the screens share a caption (the menus are all "Chalkline"), the name a
    // minimised window shows tells them apart: the screen's name for a screen reader,
    // "Chalkline, Menu 3".
    setWindowIconText(form.accessibleName().isEmpty() ? form.caption() : form.accessibleName());
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // A screen reader's view of the window (its name and description) is the screen's.
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

// The window hides once nothing is shown in it by the time the move is over, so that a
// move that unloads before it shows does not take the window down and up again.
void ProgramWindow::release(const Form& form) {
    if (shown_ == &form) {
        shown_ = nullptr;
        QTimer::singleShot(0, this, [this] {
            if (!shown_) {
                hide();
            }
        });
    }
}

void ProgramWindow::leave_full_screen() {
    if (!full_screen_on_) {
        return;
    }
    full_screen_on_ = nullptr;
    // A Wayland compositor may keep a surface full screen whose client asked to leave it
    // and changed its size limits in the same breath: there the window comes back as a
    // new surface, in a window from the start.
    if (QGuiApplication::platformName().startsWith("wayland")) {
        hide();
    }
    // The platform's window is told, whatever the widget believes: sizing a full-screen
    // window can clear the widget's own record of the state, but not the platform's.
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    if (QWindow* handle = windowHandle()) {
        handle->setWindowStates(handle->windowStates() & ~Qt::WindowFullScreen);
    }
}

void ProgramWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (shown_) {
        shown_->setGeometry(rect());
    }
}

// Closing the window through the window manager leaves the screen it shows like any
// other move; with no screen left to show, the program ends rather than run on unseen.
void ProgramWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (program_ended()) {
        return;
    }
    if (Form* form = shown_) {
        unload_form(form->name());
    }
    if (!any_form_visible()) {
        end_program(0);
    }
}

ProgramWindow* program_window() {
    // Reachable for the whole run; the application takes its native window down at exit.
    static QPointer<ProgramWindow> window;
    if (!window) {
        window = new ProgramWindow;
    }
    return window;
}

Form* form_of(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        // A dialog over a screen is a window of its own, not part of the screen.
        if (w->isWindow() && !dynamic_cast<const ProgramWindow*>(w) &&
            !dynamic_cast<const Form*>(w)) {
            return nullptr;
        }
        if (auto* form = dynamic_cast<const Form*>(w)) {
            return const_cast<Form*>(form);
        }
        if (auto* window = dynamic_cast<const ProgramWindow*>(w)) {
            return window->shown();
        }
    }
    return nullptr;
}

QWidget* shown_in(QWidget* widget) {
    if (Form* form = form_of(widget)) {
        return form;
    }
    return widget ? widget->window() : nullptr;
}

} // namespace shell
