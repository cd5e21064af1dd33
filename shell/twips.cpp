// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QtGlobal>

#include <cmath>

namespace shell {

namespace {
double g_twips_per_pixel = 15.0;
}

double twips_per_pixel() {
    return g_twips_per_pixel;
}
void set_twips_per_pixel(double factor) {
    g_twips_per_pixel = factor;
}

int px(double twips) {
    return int(std::lround(twips / g_twips_per_pixel));
}
int reference_px(double pixels) {
    return std::max(1, int(std::lround(pixels * 15.0 / g_twips_per_pixel)));
}
int font_px(double points) {
    return std::max(1, int(std::lround(points * 20.0 / g_twips_per_pixel)));
}

} // namespace shell
