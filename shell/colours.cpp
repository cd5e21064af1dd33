// SPDX-License-Identifier: GPL-3.0-or-later
// Colour arithmetic for legible text: luminance and contrast, greyed and engraved text,
// the colour a picture averages to.
#include "colours.h"

#include "twips.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

// Greyed text reads at this contrast or better against the back behind it.
constexpr double kGreyedContrast = 3.2;

} // namespace

// Relative luminance, as a greyscale rendering shows a colour.
double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Greyed text: the grey nearest mid grey that reads at kGreyedContrast on the back (mid
// grey itself on black, a dark grey on the screens' blue).
QColor greyed_text(const QColor& back) {
    for (int step = 0; step <= 128; ++step) {
        for (const int level : {128 - step, 128 + step}) {
            const QColor grey(level, level, level);
            if (level >= 0 && level <= 255 && contrast(grey, back) >= kGreyedContrast) {
                return grey;
            }
        }
    }
    return kWhite;
}

// The colour a picture averages to: the back that a transparent caption has on it. The
// last picture asked about is remembered; screens repaint on the same one.
QColor average_colour(const QPixmap& picture) {
    static qint64 key = 0;
    static QColor average;
    if (picture.cacheKey() != key) {
        key = picture.cacheKey();
        average = picture.toImage()
                      .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .pixelColor(0, 0);
    }
    return average;
}

// Greyed text is engraved: a copy a pixel down and to the right, light under text darker
// than its back, dark under text lighter than it.
QColor engraving(const QColor& text, const QColor& back) {
    return luminance(text) < luminance(back) ? kWhite : QColor(24, 24, 24);
}

} // namespace shell
