// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QPointer>
#include <QWidget>

#include <vector>

class QFrame;

namespace bench {

// A screen of the bare program: what a plain Qt program would show for a recorded
// Chalkline screen (screen_record.h), one top-level window of its own. The same widgets
// as plain Qt widgets, the same pictures read with QPixmap and smoothly scaled once per
// size; the window paints every pixel once, as Chalkline's screens do (black margins,
// the back colour where the picture does not reach, the picture), and the opaque widgets
// on it are left out of its painting by the toolkit.
class BareScreen : public QWidget {
public:
    explicit BareScreen(const QJsonObject& record);

    QString name() const { return objectName(); }
    // In front with the keyboard focus, at the recorded place or full screen.
    void show_as_recorded();
    // Moves the focus mark to the next (+1) or the previous (-1) entry of the recorded
    // focus order that is visible and enabled, from the first or the last when none has
    // it; the entry is drawn opaque, as the menus draw the entry under the pointer.
    void step_focus(int step);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QJsonObject record_;
    QRect design_;
    QString picture_;
    QRect picture_rect_;
    QColor back_;
    std::vector<QWidget*> focus_order_;
    int focused_ = -1;
    QFrame* mark_ = nullptr;
};

// Makes the widget follow the pointer while the left button holds it, in front of the
// others, as a tile is dragged.
void make_draggable(QWidget* widget);

} // namespace bench
