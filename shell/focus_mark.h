// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace shell {

// A frame around the focused control, in white with a dark inner line so that it shows
// on the blue screens and on the black menu labels alike. It sits beside the control, in
// front of everything, follows it and never takes the mouse. `on_change` runs when the
// control is shown, hidden, enabled or disabled, so that the keyboard can move the mark.
class FocusMark : public QWidget {
public:
    FocusMark(QWidget* target, std::function<void()> on_change);

    // Moves the mark to the target (another control, or the same one moved) and shows it.
    void follow(QWidget* target);

protected:
    bool eventFilter(QObject*, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;

private:
    void place();

    QPointer<QWidget> target_;
    std::function<void()> on_change_;
};

} // namespace shell
