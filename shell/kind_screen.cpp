// SPDX-License-Identifier: GPL-3.0-or-later
#include "kind_screen.h"

namespace shell {

namespace {

// The height of an option's row, the room above the first and below the last, and the
// room beside the options.
constexpr double kRow = 500;
constexpr double kMargin = 100;
constexpr double kSide = 30;

} // namespace

void KindScreen::start() {
    choose_kind(1);
}

void KindScreen::choose_kind(int kind) {
    kind_ = kind;
    option(kind)->set_value(true);
    calculate();
}

void KindScreen::add_kinds(const QStringList& captions, double left, double top, double width,
                           double font_size) {
    Frame1 = add<Frame>(this, "Frame1");
    Frame1->move(left, top, width, captions.size() * kRow + 2 * kMargin);
    Frame1->set_border(false);
    recoloured << "Frame1";
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QString("Option%1").arg(i + 1);
        OptionButton* choice = add_option(Frame1, name, captions[i], kSide, kMargin + i * kRow,
                                          width - 2 * kSide, kRow - 20, font_size);
        choice->on_click = [this, i](int) { choose_kind(i + 1); };
        recoloured << name;
        kind_options.push_back(choice);
    }
}

} // namespace shell
