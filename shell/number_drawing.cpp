// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_drawing.h"

#include "language.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace shell {

namespace {

// A number text cut into its parts: sign, whole part, numerator and denominator (the
// last two empty when it is not a fraction).
struct NumberParts {
    QString sign, whole, numerator, denominator;
    bool stacked() const { return !denominator.isEmpty(); }
};

NumberParts parts_of(const QString& text) {
    NumberParts parts;
    const int slash = text.indexOf('/');
    if (slash <= 0 || slash == text.size() - 1) {
        parts.whole = text;
        return parts;
    }
    QString before = text.left(slash);
    parts.denominator = text.mid(slash + 1);
    if (before.startsWith('-')) {
        parts.sign = "-";
        before.remove(0, 1);
    }
    const int space = before.lastIndexOf(' ');
    parts.whole = space < 0 ? QString() : before.left(space);
    parts.numerator = space < 0 ? before : before.mid(space + 1);
    return parts;
}

// The gap between the whole part and the stack, and the bar's overhang on each side.
int gap(const QFontMetrics& metrics) {
    return std::max(1, metrics.height() / 6);
}

} // namespace

QSize number_extent(const QFont& font, const QString& written) {
    const QString text = reader_text(written);
    const QFontMetrics metrics(font);
    const NumberParts parts = parts_of(text);
    if (!parts.stacked()) {
        return {metrics.horizontalAdvance(text), metrics.height()};
    }
    const int stack = std::max(metrics.horizontalAdvance(parts.numerator),
                               metrics.horizontalAdvance(parts.denominator)) +
                      2 * gap(metrics);
    int width = stack + metrics.horizontalAdvance(parts.sign);
    if (!parts.whole.isEmpty()) {
        width += metrics.horizontalAdvance(parts.whole) + gap(metrics);
    }
    return {width, 2 * metrics.height() + gap(metrics)};
}

QFont fitted_number_font(const QFont& font, const QRect& box, const QString& text) {
    QFont fitted = font;
    int pixels = QFontInfo(font).pixelSize();
    while (pixels > 6) {
        const QSize extent = number_extent(fitted, text);
        if (extent.width() <= box.width() && extent.height() <= box.height()) {
            break;
        }
        fitted.setPixelSize(--pixels);
    }
    return fitted;
}

void draw_number(QPainter& painter, const QRect& box, const QString& written) {
    // Drawn as the reader writes it: "2,51" in French.
    const QString text = reader_text(written);
    const QFont font = fitted_number_font(painter.font(), box, text);
    painter.save();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const NumberParts parts = parts_of(text);
    if (!parts.stacked()) {
        painter.drawText(box, Qt::AlignCenter, text);
        painter.restore();
        return;
    }
    const QSize extent = number_extent(font, text);
    int x = box.left() + (box.width() - extent.width()) / 2;
    const int top = box.top() + (box.height() - extent.height()) / 2;
    const int line = metrics.height();
    const QRect middle(x, top, extent.width(), extent.height());
    // The sign and the whole part stand level with the bar, before the stack.
    const auto beside = [&](const QString& part, int after) {
        if (!part.isEmpty()) {
            const int width = metrics.horizontalAdvance(part);
            painter.drawText(QRect(x, middle.top(), width, middle.height()), Qt::AlignCenter, part);
            x += width + after;
        }
    };
    beside(parts.sign, 0);
    beside(parts.whole, gap(metrics));
    const int stack = box.left() + (box.width() + extent.width()) / 2 - x;
    painter.drawText(QRect(x, top, stack, line), Qt::AlignCenter, parts.numerator);
    painter.drawText(QRect(x, top + line + gap(metrics), stack, line), Qt::AlignCenter,
                     parts.denominator);
    const int bar = top + line + gap(metrics) / 2;
    QPen pen = painter.pen();
    pen.setWidth(std::max(1, metrics.lineWidth()));
    painter.setPen(pen);
    painter.drawLine(x + gap(metrics) / 2, bar, x + stack - gap(metrics) / 2, bar);
    painter.restore();
}

} // namespace shell
