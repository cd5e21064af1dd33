// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace shell {

class Form;

// The program's one top-level window. Every screen is a child of it and is shown in it,
// one at a time: a move between screens swaps what the window holds instead of opening
// a window of its own, so the window keeps its place on the desktop (a compositor that
// places windows itself cannot make it jump), its drawing buffer is made once, and a
// screen reader meets one frame whose name and description are those of the screen in
// it. The window carries the program's icon and the caption of the screen it shows.
class ProgramWindow : public QWidget {
public:
    ProgramWindow();

    // The screen the window shows, or nullptr.
    Form* shown() const { return shown_; }
    // Makes the form the screen the window shows, filling it; the form that was shown
    // stays as it is until the move hides it. Takes its caption.
    void hold(Form& form);
    // Forgets the form (it is being hidden or unloaded); the window hides with the last
    // screen it showed.
    void release(const Form& form);
    // The screen the window was made full screen on, or nullptr in a window.
    QScreen* full_screen_on() const { return full_screen_on_; }
    void set_full_screen_on(QScreen* screen) { full_screen_on_ = screen; }
    // Back in a window from full screen; nothing when it is in a window.
    void leave_full_screen();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<Form> shown_;
    QPointer<QScreen> full_screen_on_;
};

// The window, made the first time it is asked for (an application must exist).
ProgramWindow* program_window();

// The screen a widget stands on: the form among its ancestors (or the form the program
// window shows, for the window itself); nullptr for anything else.
Form* form_of(const QWidget* widget);
// What a widget is shown in: its screen, or its window when it stands on none.
QWidget* shown_in(QWidget* widget);

} // namespace shell
