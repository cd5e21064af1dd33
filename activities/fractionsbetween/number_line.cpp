// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_line.h"

#include "twips.h"

#include <QPainter>

namespace chalkline::fractionsbetween {

NumberLine::NumberLine(QWidget* parent, const QString& name) : QWidget(parent), Control(this) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    apply_scale();
}

void NumberLine::set_line(double start, double end, double y) {
    start_ = start;
    end_ = end;
    y_ = y;
    update();
}

void NumberLine::set_range(double low, double high) {
    low_ = low;
    high_ = high;
    update();
}

void NumberLine::set_marks(std::vector<Mark> marks) {
    marks_ = std::move(marks);
    update();
}

void NumberLine::show_mark(std::size_t which) {
    marks_.at(which).shown = true;
    update();
}

void NumberLine::hide_marks() {
    for (Mark& mark : marks_) {
        mark.shown = false;
    }
    update();
}

double NumberLine::x_of(double value) const {
    return start_ + (value - low_) / (high_ - low_) * (end_ - start_);
}

void NumberLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double tpp = shell::twips_per_pixel();
    const auto at = [tpp](double x, double y) { return QPointF(x / tpp, y / tpp); };
    const double tick = 220;
    painter.setPen(QPen(shell::kYellow, shell::reference_px(3), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(start_, y_), at(end_, y_));
    for (const double x : {start_, end_}) {
        painter.drawLine(at(x, y_ - tick), at(x, y_ + tick));
    }
    painter.setPen(QPen(shell::kWhite, shell::reference_px(2), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(shell::kWhite);
    const double radius = shell::reference_px(6);
    for (const Mark& mark : marks_) {
        if (!mark.shown) {
            continue;
        }
        const double x = x_of(mark.value);
        painter.drawLine(at(x, y_), at(mark.anchor_x, Control::height()));
        painter.drawEllipse(at(x, y_), radius, radius);
    }
}

} // namespace chalkline::fractionsbetween
