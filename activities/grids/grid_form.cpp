// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_form.h"

namespace chalkline::grids {

namespace {

// The kinds stand in a column at the right.
constexpr double kOptionLeft = 9480;
constexpr double kOptionTop = 1200;
constexpr double kOptionStep = 600;
constexpr double kOptionWidth = 2460;
constexpr double kOptionHeight = 480;
constexpr double kOptionFont = 12;

} // namespace

GridForm::GridForm(const QString& name, const QString& caption, const QString& menu,
                   const QStringList& kinds)
    : ActivityForm(name, caption, menu), Label1(add_label(this, {.name = "Label1",
                                                                 .left = 240,
                                                                 .top = 180,
                                                                 .width = 11520,
                                                                 .height = 780,
                                                                 .caption = "",
                                                                 .font = {"Tahoma", 18, true},
                                                                 .align = Qt::AlignCenter})),
      board(add<GridBoard>(this, "board")), reveal_(*this, *board) {
    board->move(240, 1080, 9000, 7680);
    for (int i = 0; i < kinds.size(); ++i) {
        auto* option =
            add_option(this, QString("Option%1").arg(i + 1), kinds[i], kOptionLeft,
                       kOptionTop + i * kOptionStep, kOptionWidth, kOptionHeight, kOptionFont);
        option->on_click = [this, i](int) { choose_kind(i); };
        kind_options.push_back(option);
        recoloured << option->name();
    }
    if (!kind_options.empty()) {
        kind_options.front()->set_value(true);
    }
}

void GridForm::place_options(double left, double width) {
    for (std::size_t i = 0; i < kind_options.size(); ++i) {
        kind_options[i]->move(left, kOptionTop + double(i) * kOptionStep, width, kOptionHeight);
    }
}

void GridForm::start() {
    kind_ = 0;
    cmdgo_Click();
}

void GridForm::choose_kind(int kind) {
    kind_ = kind;
    cmdgo_Click();
}

void GridForm::cmdgo_Click() {
    reveal_.reset();
    new_problem();
}

void GridForm::cmdsoln_Click() {
    reveal_.start(reveal_order(), [this] { set_answer_sentence(answer_sentence()); });
}

} // namespace chalkline::grids
