// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QRectF>

class QPainter;
class QWidget;

namespace shell {

// The print palette: what a colour of the screens becomes on paper, dark on white. Lines
// and text (`ink`) turn dark: the screens' yellow, white and greys black, any other hue
// kept but dark enough to read on white. Fills (`ground`) turn light: the screens' blues
// and black white, any other hue a pale tint, so that dark text on it still reads.
QColor paper_ink(const QColor& colour);
QColor paper_ground(const QColor& colour);

// Paints the `area` of a widget (in its own pixels) into `target` on the page, scaled to
// fit and centred in it, in the print palette. The widget draws itself as on the screen,
// through its own paint code; every colour it paints with is turned on the way, text
// stays text (so that it is embedded and extractable on a PDF page) and lines stay lines.
void paint_on_paper(QPainter& page, QWidget& widget, const QRect& area, const QRectF& target);

} // namespace shell
