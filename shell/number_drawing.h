// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace shell {

// How the boards of the activities draw a number in a box, as the class writes it: a
// fraction "3/4" stacked, numerator over a bar over denominator; a mixed number "1 3/4"
// with its whole part beside the stacked fraction; anything else ("12", "-0.5", "?") on
// one line. A leading "-" stands before the whole stack.

// The pixels the text takes drawn in font.
QSize number_extent(const QFont& font, const QString& text);
// The font, shrunk in whole pixel steps where it must be, in which the text fits the box
// (never below 6 pixels).
QFont fitted_number_font(const QFont& font, const QRect& box, const QString& text);
// Draws the text centred in the box with the painter's pen, in the painter's font
// shrunk to fit.
void draw_number(QPainter& painter, const QRect& box, const QString& text);

} // namespace shell
