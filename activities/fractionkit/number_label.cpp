// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_label.h"

#include "accessibility.h"
#include "number_drawing.h"
#include "speech.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace chalkline::fractionkit {

namespace {

// The text without its dots, and the places (in that text) of the dotted digits.
struct DottedText {
    QString plain;
    std::vector<int> dotted;
};

DottedText undotted(const QString& text) {
    DottedText result;
    for (const QChar c : text) {
        if (c == QChar(kRecurringDot)) {
            result.dotted.push_back(int(result.plain.size()) - 1);
        } else {
            result.plain += c;
        }
    }
    return result;
}

// One line, centred in the box, with a dot above each dotted digit, clear of its top.
void draw_dotted(QPainter& painter, const QRect& box, const DottedText& text) {
    const QFont font = shell::fitted_number_font(painter.font(), box, text.plain);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, text.plain);
    const QFontMetricsF metrics(font);
    const double left = box.center().x() + 0.5 - metrics.horizontalAdvance(text.plain) / 2;
    const double baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
    const double radius = std::max(1.5, font.pixelSize() / 11.0);
    const double y = baseline - metrics.capHeight() - radius - font.pixelSize() * 0.14;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const int place : text.dotted) {
        const double x = left + metrics.horizontalAdvance(text.plain.left(place)) +
                         metrics.horizontalAdvance(text.plain.at(place)) / 2;
        painter.drawEllipse(QPointF(x, y), radius, radius);
    }
}

} // namespace

NumberLabel::NumberLabel(QWidget* parent, const QString& name) : shell::Label(parent, name) {
    shell::set_reader_traits(this, {.name = [this] { return shell::speech::words(caption()); }});
}

void NumberLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque()) {
        painter.fillRect(rect(), back_colour());
    }
    if (border()) {
        const int edge = shell::reference_px(border_width());
        painter.setPen(QPen(border_colour(), edge, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const double half = edge / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
    // Digits keep clear of the edge and the border, as a label's caption does.
    const int inset = shell::reference_px(border() ? 3 : 2);
    const QRect box = rect().adjusted(inset, inset, -inset, -inset);
    painter.setPen(fore_colour());
    painter.setBrush(fore_colour());
    painter.setFont(font());
    const DottedText text = undotted(caption());
    if (text.dotted.empty()) {
        shell::draw_number(painter, box, caption());
    } else {
        draw_dotted(painter, box, text);
    }
}

NumberLabel* add_number_label(shell::Form& form, QWidget* parent, const shell::LabelSpec& design) {
    auto* label = form.add<NumberLabel>(parent, design.name);
    label->set_index(design.index);
    label->move(design.left, design.top, design.width, design.height);
    label->set_font_spec(design.font);
    label->set_fore_colour(design.fore);
    label->set_border(design.border);
    label->set_caption(design.caption);
    label->set_visible(design.visible);
    return label;
}

} // namespace chalkline::fractionkit
