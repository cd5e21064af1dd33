#pragma once

// What the class sees of a control: its pixels as its form draws them, with whatever
// lies behind it, and their brightness as a greyscale rendering shows it.

#include "controls.h"

#include <QImage>
#include <QMap>

#include <algorithm>
#include <cmath>

namespace shell::testing {

inline QImage rendered(const Control& control) {
    QWidget* widget = control.widget();
    QWidget* window = widget->window();
    return window->grab(QRect(widget->mapTo(window, QPoint()), widget->size())).toImage();
}

// Relative luminance: 0 for black, 1 for white.
inline double luminance(QRgb pixel) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
           0.0722 * linear(qBlue(pixel));
}

// The contrast ratio of two luminances, 1 (none) to 21.
inline double contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The two colours most pixels inside the image's frame of `margin` pixels (where
// borders are drawn) have: the back behind a caption, and the caption's own.
inline std::pair<QRgb, QRgb> back_and_text(const QImage& image, int margin) {
    QMap<QRgb, int> counts;
    for (int y = margin; y < image.height() - margin; ++y) {
        for (int x = margin; x < image.width() - margin; ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const auto back = std::max_element(counts.begin(), counts.end());
    const QRgb back_colour = back.key();
    counts.erase(back);
    return {back_colour, std::max_element(counts.begin(), counts.end()).key()};
}

// Pixels of the outermost ring that differ between two renderings of a control, with
// and without its caption: a caption that is cut off shows there.
inline int changed_on_edge(const QImage& with, const QImage& without) {
    int changed = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            const bool edge = x == 0 || y == 0 || x == with.width() - 1 || y == with.height() - 1;
            changed += edge && with.pixel(x, y) != without.pixel(x, y);
        }
    }
    return changed;
}

} // namespace shell::testing
