// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

namespace shell {

// Every position and size on the screens is in twips (1/1440 inch). One factor turns
// twips into pixels for the whole program, so changing it enlarges every window, its
// geometry, line widths and fonts together. 15 is the reference desktop (96 dpi).
double twips_per_pixel();
void set_twips_per_pixel(double factor);

// Twips to whole pixels.
int px(double twips);
// A line width or other size given in pixels at the reference desktop.
int reference_px(double pixels);
// A font size in points as a pixel size.
int font_px(double points);

// Colours the screens share.
inline const QColor kStyleBlue{49, 135, 214};
inline const QColor kScreenBlue{49, 135, 215};
inline const QColor kYellow{255, 255, 0};
inline const QColor kRed{255, 0, 0};
inline const QColor kBlack{0, 0, 0};
inline const QColor kWhite{255, 255, 255};

} // namespace shell
