// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the class sees of a control: its pixels as its form draws them, with whatever
// lies behind, and their brightness as a greyscale rendering shows it.

#include "controls.h"

#include <QImage>
#include <QMap>

#include <algorithm>
#include <cmath>
#include <utility>

namespace shell::testing {

// The control drawn with the caption (a label's or a button's).
inline QImage rendered_with(Control& control, const QString& caption) {
    if (auto* label = dynamic_cast<Label*>(&control)) {
        label->set_caption(caption);
    } else if (auto* button = dynamic_cast<QAbstractButton*>(control.widget())) {
        button->setText(caption);
    }
    QWidget* window = control.widget()->window();
    const QPoint at = control.widget()->mapTo(window, QPoint());
    return window->grab(QRect(at, control.widget()->size())).toImage();
}

// The contrast of two colours as a greyscale rendering shows them, 1 (none) to 21.
inline double contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb pixel) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
               0.0722 * linear(qBlue(pixel));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The two colours most pixels inside a 2-pixel frame (where borders are) have: the
// back behind a caption, and the caption's own.
inline std::pair<QRgb, QRgb> back_and_text(const QImage& image) {
    QMap<QRgb, int> counts;
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const auto back = std::max_element(counts.begin(), counts.end());
    const QRgb back_colour = back.key();
    counts.erase(back);
    return {back_colour, std::max_element(counts.begin(), counts.end()).key()};
}

// Whether two renderings agree on their outermost pixels, where a cut caption shows.
inline bool same_edges(const QImage& a, const QImage& b) {
    const int w = a.width(), h = a.height();
    for (const QRect edge :
         {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)}) {
        if (a.copy(edge) != b.copy(edge)) {
            return false;
        }
    }
    return true;
}

} // namespace shell::testing
