// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Colours for legible text: luminance and contrast as a greyscale rendering sees them,
// the greyed text of a disabled control and its engraving, and the colour a picture
// averages to (the back a transparent caption has on it).

#include <QColor>
#include <QPixmap>

namespace shell {

// Relative luminance, as a greyscale rendering shows a colour.
double luminance(const QColor& colour);
// The contrast ratio of two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b);
// Greyed text: the grey nearest mid grey that reads well on the back.
QColor greyed_text(const QColor& back);
// The colour a picture averages to.
QColor average_colour(const QPixmap& picture);
// The colour of the copy under greyed text, a pixel down and to the right.
QColor engraving(const QColor& text, const QColor& back);

} // namespace shell
