// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_form.h"

#include "form.h"
#include "program.h"

namespace shell {

namespace {

struct ButtonPlace {
    const char* name;
    double top;
};
constexpr ButtonPlace kStatusButtons[] = {{"cmdgo", 30}, {"cmdsoln", 580}, {"cmdexit", 1130}};

// Centred on the desktop, and shifted 840 to the left on a desktop wider than the
// window.
void place_styled(Form& form) {
    const DesktopMetrics desktop = desktop_metrics();
    set_hourglass(true);
    // Worked in single precision, as the positions always have been.
    const float w = float(desktop.width);
    const float h = float(desktop.height);
    form.set_top(h / 2.0f - float(form.outer_height()) / 2.0f);
    float left = w / 2.0f - float(form.outer_width()) / 2.0f;
    if (w > 12000.0f) {
        left -= 840.0f;
    }
    form.set_left(left);
    set_hourglass(false);
}

} // namespace

void style_form(Form& form) {
    form.set_back_colour(kStyleBlue);

    if (auto* picture = form.get<PictureBox>("Picture1")) {
        picture->set_back_colour(kStyleBlue);
    }
    for (const char* name : {"Label5", "Label6", "Label7", "Label8", "Label17"}) {
        if (auto* label = form.get<Label>(name)) {
            label->set_fore_colour(kYellow);
        }
    }

    form.set_outer_size(12000, 9000);
    form.set_placement(place_styled);
    place_styled(form);

    if (auto* status = form.get<Frame>("framestatus")) {
        status->move(10200, 6850, 1730, 1650);
        status->set_back_colour(kStyleBlue);
        status->set_border(false);
        status->set_caption("");
    }
    for (const auto& place : kStatusButtons) {
        if (auto* button = form.get<PictureButton>(place.name)) {
            button->move(30, place.top, 1650, 500);
            button->set_tab_stop(false);
        }
    }
}

} // namespace shell
