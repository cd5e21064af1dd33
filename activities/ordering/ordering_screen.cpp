// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordering_screen.h"

#include "accessibility.h"
#include "form.h"
#include "keys.h"
#include "speech.h"

namespace chalkline::ordering {

// The activity's record: its place on the menus, its title, kinds and code prefix.
const shell::ActivityInfo kActivity{
    .screen = "ordering",
    .menu = 1,
    .place = 4,
    .title = QT_TRANSLATE_NOOP("Activities", "Ordering"),
    .kinds = {QT_TRANSLATE_NOOP("Kinds", "Positive Whole Numbers"),
              QT_TRANSLATE_NOOP("Kinds", "Integers"), QT_TRANSLATE_NOOP("Kinds", "Decimals")},
    .code_prefix = "SRT",
    .make = shell::make_screen<OrderingForm>,
};

namespace {

constexpr double kRowTops[kCount] = {915, 1725, 2535, 3345, 4155};
const shell::FontSpec kBigFont{"Tahoma", 21.75, false};
constexpr int kFlashBorder = 4;
// The arrows are character 0xE8 of Wingdings where that face is here; otherwise a
// heavy right-pointing arrow of a face that every machine has.
bool has_wingdings() {
    return shell::face_available("Wingdings");
}
QString arrow() {
    return has_wingdings() ? QString(QChar(0xE8)) : QString(QChar(0x2794));
}
shell::FontSpec arrow_font() {
    return {has_wingdings() ? "Wingdings" : "DejaVu Sans", 20.25, true};
}

} // namespace

OrderingForm::OrderingForm() : ActivityForm(kActivity) {
    keeps_style_background = true;

    for (int i = 0; i < kCount; ++i) {
        Label10[i] = add_label(this, {.name = "Label10",
                                      .index = i,
                                      .left = 2985,
                                      .top = kRowTops[i],
                                      .width = 1575,
                                      .height = 795,
                                      .caption = "9.999",
                                      .font = kBigFont,
                                      .border = true,
                                      .visible = false});
        Label10[i]->on_click = [this](int index) { Label10_Click(index); };
        Label11[i] = add_label(this, {.name = "Label11",
                                      .index = i,
                                      .left = 6960,
                                      .top = kRowTops[i],
                                      .width = 1575,
                                      .height = 795,
                                      .caption = "",
                                      .font = kBigFont,
                                      .opaque = true,
                                      .back = shell::kRed,
                                      .border = true,
                                      .visible = false});
    }
    Label12_smallest = add_label(this, {.name = "Label12",
                                        .index = 5,
                                        .left = 4755,
                                        .top = 1035,
                                        .width = 1635,
                                        .height = 525,
                                        .caption = tr("Smallest"),
                                        .font = kBigFont,
                                        .visible = false});
    Label12_biggest = add_label(this, {.name = "Label12",
                                       .index = 0,
                                       .left = 4845,
                                       .top = 4275,
                                       .width = 1425,
                                       .height = 525,
                                       .caption = tr("Biggest"),
                                       .font = kBigFont,
                                       .visible = false});
    Label13 = add_label(this, {.name = "Label13",
                               .left = 6435,
                               .top = 1140,
                               .width = 495,
                               .height = 450,
                               .caption = arrow(),
                               .font = arrow_font(),
                               .visible = false});
    Label5 = add_label(this, {.name = "Label5",
                              .left = 6435,
                              .top = 4380,
                              .width = 495,
                              .height = 450,
                              .caption = arrow(),
                              .font = arrow_font(),
                              .visible = false});

    // The arrows only point from tr("Smallest") to tr("Biggest"): nothing to read.
    shell::set_reader_traits(Label13, {.passed_over = true});
    shell::set_reader_traits(Label5, {.passed_over = true});

    Frame1 = add<shell::Frame>(this, "Frame1");
    Frame1->move(8865, 4710, 3030, 1485);
    recoloured << "Frame1";
    add_kinds({.left = 135, .top = 150, .width = 2800, .height = 375, .step = 442, .points = 9.75},
              Frame1);
    Option1 = kind_options[0];
    Option2 = kind_options[1];
    Option3 = kind_options[2];

    cmdundo = add_picture_button(this, "cmdundo", "Images\\undo.jpg", 5085, 2820, 1350, 465);
    cmdundo->on_click = [this](int) { cmdundo_Click(); };

    Timer4 = add_timer("Timer4", 1000, false);
    Timer5 = add_timer("Timer5", 250, false);
    Timer6 = add_timer("Timer6", 1, false);
    Timer4->on_tick = [this] { Timer4_Timer(); };
    Timer5->on_tick = [this] { Timer5_Timer(); };
    Timer6->on_tick = [this] { Timer6_Timer(); };

    add_keys();
}

// The numbers still to place come first in the focus order, then Undo: Return places
// the marked number as its click does. The arrows move the mark as Tab does.
std::vector<shell::Control*> OrderingForm::own_focus_order() const {
    std::vector<shell::Control*> order(Label10.begin(), Label10.end());
    order.push_back(cmdundo);
    return order;
}

void OrderingForm::add_keys() {
    shell::ScreenKeys& keys = shell::ScreenKeys::of(*this);
    keys.add({
        {{Qt::Key_Down, Qt::Key_Up},
         tr("Down arrow; Up arrow"),
         tr("mark the next or the previous control, as Tab and Shift+Tab do"),
         [&keys](int which) { which == 0 ? keys.focus_next() : keys.focus_previous(); },
         true},
        {{Qt::Key_Backspace, Qt::Key_U},
         tr("Backspace or U"),
         tr("Undo"),
         [this](int) { shell::press(cmdundo); }},
    });
    for (int i = 0; i < kCount; ++i) {
        shell::set_reader_traits(Label11[i], {.name = [this, i] {
                                     const QString end = i == 0            ? tr(", smallest")
                                                         : i == kCount - 1 ? tr(", biggest")
                                                                           : "";
                                     const QString held = Label11[i]->caption();
                                     return tr("Place %1%2: %3")
                                         .arg(i + 1)
                                         .arg(end, held.isEmpty() ? tr("empty")
                                                                  : shell::speech::words(held));
                                 }});
    }
}

void OrderingForm::start() {
    set_places_opaque(false);
    next_problem();
}

void OrderingForm::new_problem() {
    for (auto* number : Label10) {
        number->set_enabled(true);
    }
    cmdundo->set_visible(true);
    Timer4->set_enabled(false);
    for (auto* number : Label10) {
        number->set_visible(true);
    }
    Timer5->set_enabled(false);
    Timer6->set_enabled(false);
    Timer5->set_enabled(true);
    set_places_opaque(false);
    Label13->set_visible(true);
    show_end_captions();
    Label5->set_visible(true);

    write_board(make_problem(kind_as<Kind>(), problem_random()));
    for (auto* place : Label11) {
        place->set_visible(true);
    }
    set_problem_sentence(tr("put in order, smallest first: %1.").arg(listed(Label10)));
}

template <class Labels> QString OrderingForm::listed(const Labels& labels) {
    QStringList numbers;
    for (const shell::Label* label : labels) {
        numbers << shell::speech::words(label->caption());
    }
    return numbers.join(", ");
}

void OrderingForm::Label10_Click(int index) {
    OrderingBoard board = read_board();
    if (board.used[index]) {
        return;
    }
    const OrderingBoard before = board;
    place_number(board, index);
    write_board(board);
    if (board_full(board)) {
        show_end_captions();
    }
    if (const int place = changed_place(before, board); place >= 0) {
        shell::Announcer::of(this).announce(
            tr("%1 placed in place %2")
                .arg(shell::speech::words(Label11[std::size_t(place)]->caption()))
                .arg(place + 1));
    }
}

void OrderingForm::cmdundo_Click() {
    OrderingBoard board = read_board();
    const OrderingBoard before = board;
    undo_last(board);
    write_board(board);
    if (const int place = changed_place(before, board); place >= 0) {
        shell::Announcer::of(this).announce(tr("%1 taken back from place %2")
                                                .arg(shell::speech::words(QString::fromStdString(
                                                    before.places[std::size_t(place)])))
                                                .arg(place + 1));
    }
}

int OrderingForm::changed_place(const OrderingBoard& before, const OrderingBoard& after) {
    for (int i = 0; i < kCount; ++i) {
        if (before.places[std::size_t(i)] != after.places[std::size_t(i)]) {
            return i;
        }
    }
    return -1;
}

void OrderingForm::cmdsoln_Click() {
    Timer5->set_enabled(false);
    Timer6->set_enabled(false);
    set_places_opaque(false);
    OrderingBoard board = read_board();
    board.places = sorted_solution(board.numbers);
    write_board(board);
    for (auto* place : Label11) {
        place->set_visible(false);
    }
    Timer4->set_enabled(true);
}

void OrderingForm::reveal_at_once() {
    cmdsoln_Click();
    while (Timer4->enabled()) {
        Timer4_Timer();
    }
}

void OrderingForm::Timer4_Timer() {
    for (auto* place : Label11) {
        if (!place->visible()) {
            place->set_visible(true);
            break;
        }
    }
    if (Label11[kCount - 1]->visible()) {
        Timer4->set_enabled(false);
        set_answer_sentence(listed(Label11) + '.');
    }
}

void OrderingForm::Timer5_Timer() {
    const bool correct = order_correct(read_board().places);
    // Enabling a running timer would restart its interval and hold the flashing back,
    // so the flashing timer is only started once.
    if (correct && !Timer6->enabled()) {
        Timer6->set_enabled(true);
    }
    // Undo can break a correct board while it flashes: only a correct order is
    // celebrated, so the flashing stops with it.
    if (!correct && Timer6->enabled()) {
        Timer6->set_enabled(false);
        set_places_opaque(false);
    }
}

void OrderingForm::Timer6_Timer() {
    // The first tick comes almost at once; the flashing then runs at 250 ms.
    if (Timer6->interval() != 250) {
        Timer6->set_interval(250);
    }
    set_places_opaque(!Label11[0]->opaque());
}

OrderingBoard OrderingForm::read_board() const {
    OrderingBoard board;
    for (int i = 0; i < kCount; ++i) {
        board.numbers[i] = Label10[i]->caption().toStdString();
        board.used[i] = !Label10[i]->enabled();
        board.places[i] = Label11[i]->caption().toStdString();
    }
    return board;
}

void OrderingForm::write_board(const OrderingBoard& board) {
    for (int i = 0; i < kCount; ++i) {
        Label10[i]->set_caption(QString::fromStdString(board.numbers[i]));
        Label10[i]->set_enabled(!board.used[i]);
        Label11[i]->set_caption(QString::fromStdString(board.places[i]));
    }
}

// The places flash red; their borders thicken with the red, so that the flashing shows
// also where the red does not (a washed-out projector, a colour-blind eye).
void OrderingForm::set_places_opaque(bool opaque) {
    for (auto* place : Label11) {
        place->set_opaque(opaque);
        place->set_border_width(opaque ? kFlashBorder : 1);
    }
}

void OrderingForm::show_end_captions() {
    Label12_smallest->set_visible(true);
    Label12_biggest->set_visible(true);
}

} // namespace chalkline::ordering
