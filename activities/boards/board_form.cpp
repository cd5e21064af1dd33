// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_form.h"

#include "speech.h"

namespace chalkline::boards {

namespace {

// The three kinds in the frame at the top right.
constexpr shell::KindPlaces kKindPlaces{
    .left = 135, .top = 90, .width = 2800, .height = 375, .step = 405, .points = 9.75};

} // namespace

BoardForm::BoardForm(const QString& name, const QString& caption, const QString& menu,
                     const QStringList& kinds)
    : RevealingForm(name, caption, menu) {
    Board1 = add<BrickBoard>(this, "Board1");
    Board1->move(120, 120, 9960, 8760);
    Label1 = add_label(this, {.name = "Label1",
                              .left = 165,
                              .top = 150,
                              .width = 3600,
                              .height = 1500,
                              .caption = "",
                              .font = {"Tahoma", 18, true},
                              .align = Qt::AlignLeft | Qt::AlignTop});
    Label2 = add_label(this, {.name = "Label2",
                              .left = 165,
                              .top = 7950,
                              .width = 9900,
                              .height = 750,
                              .caption = "",
                              .font = {"Tahoma", 20.25, true},
                              .align = Qt::AlignLeft | Qt::AlignVCenter,
                              .visible = false});
    Frame1 = add<shell::Frame>(this, "Frame1");
    Frame1->move(8850, 120, 3030, 1380);
    Frame1->set_border(false);
    recoloured << "Frame1";
    add_kinds(kinds, kKindPlaces, Frame1);
    Option1 = kind_options.at(0);
    Option2 = kind_options.at(1);
    Option3 = kind_options.at(2);
}

int BoardForm::answer_parts() const {
    return int(steps_.size()) + 1;
}

void BoardForm::show_part(int part) {
    if (part > 0 && part <= int(steps_.size())) {
        const Step& before = steps_[std::size_t(part - 1)];
        for (int box : {before.cell, before.from[0], before.from[1]}) {
            Board1->set_look(box, settled(box));
        }
    }
    if (part < int(steps_.size())) {
        const Step& step = steps_[std::size_t(part)];
        Board1->set_look(step.from[0], BoxLook::Source);
        Board1->set_look(step.from[1], BoxLook::Source);
        Board1->set_look(step.cell, BoxLook::Filling);
    }
}

void BoardForm::show_puzzle(const std::vector<std::string>& numbers, std::vector<bool> shown,
                            std::vector<Step> steps, bool bottom_first, int first_row) {
    std::vector<QString> texts;
    for (const std::string& number : numbers) {
        texts.push_back(QString::fromStdString(number));
    }
    Board1->set_numbers(std::move(texts));
    shown_ = std::move(shown);
    steps_ = std::move(steps);
    bottom_first_ = bottom_first;
    first_row_ = first_row;
    for (int box = 0; box < Board1->box_count(); ++box) {
        Board1->set_look(box, shown_.at(std::size_t(box)) ? BoxLook::Given : BoxLook::Hidden);
    }
    Board1->setAccessibleName(board_words());
}

int BoardForm::spoken_row(int box) const {
    const int row = row_of(box);
    return first_row_ + (bottom_first_ ? Board1->rows() - 1 - row : row);
}

QString BoardForm::board_words() const {
    QList<QStringList> rows;
    for (int i = 0; i < Board1->rows(); ++i) {
        const int row = bottom_first_ ? Board1->rows() - 1 - i : i;
        QStringList cells;
        for (int place = 0; place <= row; ++place) {
            const int box = cell_of(row, place);
            cells << (Board1->look(box) == BoxLook::Hidden ? QString("?") : Board1->number(box));
        }
        rows << cells;
    }
    return shell::speech::rows(rows, first_row_);
}

QString BoardForm::answer_sentence() const {
    QStringList places;
    for (const Step& step : steps_) {
        places << shell::speech::at_place(spoken_row(step.cell),
                                          step.cell - cell_of(row_of(step.cell), 0) + 1,
                                          Board1->number(step.cell));
    }
    return tr("%1.").arg(shell::speech::one_after_another(places));
}

BoxLook BoardForm::settled(int box) const {
    return shown_.at(std::size_t(box)) ? BoxLook::Given : BoxLook::Answer;
}

} // namespace chalkline::boards
