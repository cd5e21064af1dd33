// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <QWidget>

#include <vector>

namespace chalkline::fractionsbetween {

// A number line from one value to another, painted across the control at `line_y`
// twips from its top, with a tick at each end. Each shown mark is a dot on the line at
// its value with a leader line down to the bottom edge of the control at `anchor_x`
// twips, where the box that names the mark stands. It is only a picture, with no name
// for a screen reader: the boxes and the end labels carry the numbers.
class NumberLine : public QWidget, public shell::Control {
public:
    using shell::Control::height;
    using shell::Control::move;
    using shell::Control::width;
    NumberLine(QWidget* parent, const QString& name);

    // The line runs from x `start` to x `end` (twips from the control's left) and stands
    // for the values low to high.
    void set_line(double start, double end, double y);
    void set_range(double low, double high);

    struct Mark {
        double value = 0;
        double anchor_x = 0;
        bool shown = false;
    };
    void set_marks(std::vector<Mark> marks);
    const std::vector<Mark>& marks() const { return marks_; }
    void show_mark(std::size_t which);
    void hide_marks();

    // Where a value lies on the line, in twips from the control's left.
    double x_of(double value) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double start_ = 0, end_ = 0, y_ = 0;
    double low_ = 0, high_ = 1;
    std::vector<Mark> marks_;
};

} // namespace chalkline::fractionsbetween
