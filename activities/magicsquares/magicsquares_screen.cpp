// SPDX-License-Identifier: GPL-3.0-or-later
#include "magicsquares_screen.h"

#include "accessibility.h"
#include "form.h"
#include "keys.h"

#include <QString>

#include <algorithm>

namespace chalkline::magicsquares {

namespace {

const char* const kInstruction = QT_TRANSLATE_NOOP("chalkline::magicsquares::Magicsquares",
                                                   "Use the 9 numbers to create a magic square");
const char* const kSolutionLead = QT_TRANSLATE_NOOP(
    "chalkline::magicsquares::Magicsquares", "The sum along each row, column and diagonal is %1");
const QColor kLightYellow{255, 255, 128};
const QColor kBrown{128, 64, 0};
constexpr int kFlashBorder = 4;

// Line-sum labels, left and top on the board, in the order of the lines.
constexpr std::array<std::array<double, 2>, line_count> kSumPlaces = {{
    {4080, 240},
    {4320, 1110},
    {4320, 2340},
    {4320, 3585},
    {4080, 4560},
    {2955, 4935},
    {1710, 4935},
    {480, 4935},
}};

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

Magicsquares::Magicsquares(std::unique_ptr<RandomSource> random)
    : ActivityForm("Magicsquares", "Magic Squares", "menu1"), random_(std::move(random)) {
    Label19 = add_label(this, {.name = "Label19",
                               .left = 165,
                               .top = 330,
                               .width = 11535,
                               .height = 645,
                               .caption = tr(kInstruction),
                               .font = {"Tahoma", 18, true},
                               .fore = shell::kYellow});

    Frame1 = add<shell::Frame>(this, "Frame1");
    Frame1->move(1095, 1260, 7665, 6930);

    // Children of the board stack in the order they are made: grid, cells, copies and
    // sums first, the tiles last so that they lie in front and take the mouse.
    Shape1 = add<shell::Shape>(Frame1, "Shape1");
    Shape1->move(195, 735, 3840, 3855);
    Shape1->set_border_colour(shell::kYellow);
    const double ends[4][4] = {{1425, 750, 1425, 4590},
                               {2715, 735, 2715, 4590},
                               {195, 1995, 4035, 1995},
                               {195, 3255, 4035, 3255}};
    for (int i = 0; i < 4; ++i) {
        lines[std::size_t(i)] = add<shell::Line>(Frame1, QString("Line%1").arg(i + 1));
        lines[std::size_t(i)]->set_points(ends[i][0], ends[i][1], ends[i][2], ends[i][3]);
        lines[std::size_t(i)]->set_border_colour(kLightYellow);
    }

    for (int k = 0; k < cell_count; ++k) {
        const BoardPoint snap = snap_position(k);
        cells[std::size_t(k)] = add_label(Frame1, {.name = QString("Label%1").arg(k + 1),
                                                   .left = snap.x,
                                                   .top = snap.y,
                                                   .width = tile_width,
                                                   .height = tile_height,
                                                   .caption = {},
                                                   .font = {"Arial", 26.25, true},
                                                   .fore = shell::kYellow,
                                                   .opaque = true,
                                                   .back = shell::kRed,
                                                   .border = true,
                                                   .visible = false});
    }
    for (int i = 0; i < tile_count; ++i) {
        const BoardPoint home = home_position(i);
        copies[std::size_t(i)] = add_label(Frame1, {.name = QString("Label%1").arg(i + 21),
                                                    .left = home.x,
                                                    .top = home.y,
                                                    .width = tile_width,
                                                    .height = tile_height,
                                                    .caption = {},
                                                    .font = {"Tahoma", 21.75, false, true},
                                                    .fore = kBrown,
                                                    .border = true,
                                                    .visible = false});
    }
    for (int line = 0; line < line_count; ++line) {
        const auto& place = kSumPlaces[std::size_t(line)];
        auto* sum = add_label(Frame1, {.name = QString("Label%1").arg(line + 30),
                                       .left = place[0],
                                       .top = place[1],
                                       .width = 720,
                                       .height = 570,
                                       .caption = {},
                                       .font = {"Arial", 21.75, false},
                                       .fore = shell::kWhite,
                                       .back = shell::kWhite});
        sum->on_change = [this, line](int) { line_sum_change(line); };
        sums[std::size_t(line)] = sum;
        // Read with its line: "top row sum 42", or "top row sum empty".
        static const char* const kLineNames[line_count] = {
            QT_TR_NOOP("rising diagonal"),  QT_TR_NOOP("top row"),
            QT_TR_NOOP("middle row"),       QT_TR_NOOP("bottom row"),
            QT_TR_NOOP("falling diagonal"), QT_TR_NOOP("right column"),
            QT_TR_NOOP("middle column"),    QT_TR_NOOP("left column")};
        shell::set_reader_traits(sum, {.name = [sum, line] {
                                     const QString value = sum->caption();
                                     return tr("%1 sum %2")
                                         .arg(tr(kLineNames[line]),
                                              value.isEmpty() ? tr("empty") : value);
                                 }});
    }
    for (int k = 0; k < cell_count; ++k) {
        Label_value[std::size_t(k)] =
            add_label(Frame1, {.name = "Label_value", .index = k, .caption = {}, .visible = false});
        Label_array[std::size_t(k)] =
            add_label(Frame1, {.name = "Label_array", .index = k, .caption = {}, .visible = false});
    }
    for (int i = 0; i < tile_count; ++i) {
        const BoardPoint home = home_position(i);
        auto* tile = add_label(Frame1, {.name = QString("Label%1").arg(i + 10),
                                        .left = home.x,
                                        .top = home.y,
                                        .width = tile_width,
                                        .height = tile_height,
                                        .caption = {},
                                        .font = {"Tahoma", 21.75, false},
                                        .fore = shell::kYellow,
                                        .border = true});
        tile->on_mouse_move = [this, i](int, const shell::MouseArgs& args) {
            tile_mouse_move(i, args);
        };
        tile->on_mouse_up = [this, i](int, const shell::MouseArgs& args) {
            tile_mouse_up(i, args);
        };
        tiles[std::size_t(i)] = tile;
    }

    add_kinds(
        {"Positive Whole Numbers", "Integers"},
        {.left = 9075, .top = 3750, .width = 2745, .height = 360, .step = 360, .points = 9.75});
    Option1 = kind_options[0];
    Option2 = kind_options[1];
    // The shorter caption has the narrower option, so that a click right of it chooses
    // nothing.
    Option2->move(9075, 4110, 2190, 360);

    Command1 = add_picture_button(this, "Command1", "Images\\show.jpg", 9405, 4965, 2089, 465);
    Command1->on_click = [this](int) { Command1_Click(); };
    Command2 = add_picture_button(this, "Command2", "Images\\hide.jpg", 9405, 4965, 2089, 465);
    Command2->set_visible(false);
    Command2->on_click = [this](int) { Command2_Click(); };

    Label20 = add_label(this, {.name = "Label20",
                               .left = 9960,
                               .top = 5475,
                               .width = 945,
                               .height = 720,
                               .caption = {},
                               .font = {"Arial", 26.25, true},
                               .fore = shell::kYellow,
                               .border = true,
                               .visible = false});

    Timer1 = add_timer("Timer1", 250, false);
    Timer1->on_tick = [this] { Timer1_Timer(); };
    Timer2 = add_timer("Timer2", 1, false);
    Timer2->on_tick = [this] { Timer2_Timer(); };

    recoloured << "Frame1";
    add_keys();
}

// The tiles come first in the focus order, then Show and Hide: Tab chooses a tile (the
// focus mark shows which) and a digit drops it on that cell, as a drag would drop it
// there. A screen reader presses a tile to choose it and a cell to drop the chosen tile
// there.
std::vector<shell::Control*> Magicsquares::own_focus_order() const {
    std::vector<shell::Control*> order(tiles.begin(), tiles.end());
    order.insert(order.end(), {Command1, Command2});
    return order;
}

void Magicsquares::add_keys() {
    shell::ScreenKeys& keys = shell::ScreenKeys::of(*this);
    QList<QKeyCombination> digits;
    for (int k = 0; k < cell_count; ++k) {
        digits << QKeyCombination(Qt::Key(Qt::Key_1 + k));
    }
    keys.add({
        {digits, tr("1 to 9"), tr("put the chosen tile in that cell, counted along the rows"),
         [this](int which) { put_chosen_tile(which); }},
        {{Qt::Key_0, Qt::Key_Delete},
         tr("0 or Delete"),
         tr("send the chosen tile home"),
         [this](int) { put_chosen_tile(-1); }},
        {{Qt::Key_H},
         tr("H"),
         tr("Show or Hide the magic sum"),
         [this](int) { (void)(shell::press(Command1) || shell::press(Command2)); }},
    });

    for (int i = 0; i < tile_count; ++i) {
        shell::Label* tile = tiles[std::size_t(i)];
        shell::set_reader_traits(
            tile, {.role = QAccessible::Button,
                   .name = [this, i] { return tile_reading(i); },
                   .press = [this, tile] { shell::ScreenKeys::of(*this).focus(tile); }});
    }
    for (int k = 0; k < cell_count; ++k) {
        shell::set_reader_traits(cells[std::size_t(k)],
                                 {.role = QAccessible::Button,
                                  .name = [this, k] { return cell_reading(k); },
                                  .press = [this, k] { put_chosen_tile(k); }});
    }
}

void Magicsquares::put_chosen_tile(int cell) {
    shell::Control* chosen = shell::ScreenKeys::of(*this).focused();
    const auto at = std::find(tiles.begin(), tiles.end(), chosen);
    if (at == tiles.end()) {
        return;
    }
    const int tile = int(at - tiles.begin());
    tiles[std::size_t(tile)]->raise();
    drop_at(tile, cell < 0 ? home_position(tile) : snap_position(cell));
}

QString Magicsquares::tile_reading(int tile) const {
    const QString number = tiles[std::size_t(tile)]->caption();
    const BoardPoint at = board_.tile_position(tile);
    for (int k = 0; k < cell_count; ++k) {
        if (snap_position(k) == at) {
            return tr("%1, in cell %2").arg(number).arg(k + 1);
        }
    }
    return tr("%1, in the tile column").arg(number);
}

QString Magicsquares::cell_reading(int cell) const {
    const QString shown = cells[std::size_t(cell)]->caption();
    const QString held = !shown.isEmpty()                  ? shown
                         : board_.label_array(cell) != "0" ? qtext(board_.label_value(cell))
                                                           : tr("empty");
    return tr("Cell %1: %2").arg(cell + 1).arg(held);
}

void Magicsquares::start() {
    stop_flash();
    calculate();
}

void Magicsquares::stop_flash() {
    set_flash(false);
}

// The cells flash red, and their borders thicken with the red, so that the flashing
// shows also where the red does not (a washed-out projector, a colour-blind eye).
void Magicsquares::set_flash(bool on) {
    for (auto* cell : cells) {
        cell->set_opaque(on);
        cell->set_border_width(on ? kFlashBorder : 1);
    }
}

void Magicsquares::calculate() {
    Timer1->set_enabled(false);
    Timer2->set_enabled(false);
    Timer1->set_enabled(true);
    stop_flash();
    // A new square has no magic sum on show yet: forget the last one, so that no line
    // turns red and nothing flashes against the previous square's sum.
    Label20->set_caption("");
    for (int line = 0; line < line_count; ++line) {
        line_sum_change(line);
    }
    makevisible();
    square_ = make_problem(kind_as<Kind>(), *random_);
    board_.deal(square_.tiles);
    for (int i = 0; i < tile_count; ++i) {
        tiles[std::size_t(i)]->set_caption(qtext(square_.tiles[std::size_t(i)]));
        copies[std::size_t(i)]->set_caption(tiles[std::size_t(i)]->caption());
    }
    QStringList numbers;
    for (const auto* tile : tiles) {
        numbers << tile->caption();
    }
    const QString last = numbers.takeLast();
    set_problem_sentence(tr("make a magic square from %1 and %2.").arg(numbers.join(", "), last));
}

void Magicsquares::makevisible() {
    for (auto* cell : cells) {
        cell->set_caption("");
        cell->set_visible(true);
    }
    for (auto* tile : tiles) {
        tile->set_visible(true);
    }
    Label19->set_caption(tr(kInstruction));
    board_.clear_board();
    for (int i = 0; i < tile_count; ++i) {
        tiles[std::size_t(i)]->set_caption("");
        place_tile(i);
    }
    show_board();
}

void Magicsquares::hide_magic_sum() {
    Label20->set_visible(false);
    Command1->set_visible(true);
    Command2->set_visible(false);
}

void Magicsquares::cmdgo_Click() {
    hide_magic_sum();
    calculate();
}

void Magicsquares::Command1_Click() {
    Label20->set_caption(qtext(magic_sum_text(square_.params)));
    Label20->set_visible(true);
    Command1->set_visible(false);
    Command2->set_visible(true);
}

void Magicsquares::Command2_Click() {
    hide_magic_sum();
}

void Magicsquares::cmdsoln_Click() {
    // The success check stops; a square already flashing goes on flashing.
    Timer1->set_enabled(false);
    const SquareSolution answer = solution(square_.params);
    for (int k = 0; k < cell_count; ++k) {
        cells[std::size_t(k)]->set_caption(qtext(answer.cells[std::size_t(k)]));
    }
    Label19->set_caption(tr(kSolutionLead).arg(qtext(answer.magic_sum)));
    for (auto* tile : tiles) {
        tile->set_visible(false);
    }
    for (auto* copy : copies) {
        copy->set_visible(true);
    }
    for (auto* sum : sums) {
        sum->set_caption(qtext(answer.magic_sum));
    }
    const auto row = [this](int first) {
        return QStringList{cells[std::size_t(first)]->caption(),
                           cells[std::size_t(first + 1)]->caption(),
                           cells[std::size_t(first + 2)]->caption()}
            .join(", ");
    };
    set_answer_sentence(tr("every line adds to %1; top row %2; middle row %3; bottom row %4.")
                            .arg(qtext(answer.magic_sum), row(0), row(3), row(6)));
}

void Magicsquares::Timer1_Timer() {
    // Enabling a running timer would start its interval afresh, and a success found on
    // every tick would then keep the flash from ever coming.
    if (board_.solved(Label20->caption().toStdString()) && !Timer2->enabled()) {
        Timer2->set_enabled(true);
    }
}

void Magicsquares::Timer2_Timer() {
    // The first step after loading comes at once; every later one after 250 ms.
    if (Timer2->interval() != 250) {
        Timer2->set_interval(250);
    }
    set_flash(!cells[0]->opaque());
}

void Magicsquares::tile_mouse_move(int tile, const shell::MouseArgs& args) {
    if (args.button != Qt::LeftButton) {
        return;
    }
    const BoardPoint pointer{float(args.x), float(args.y)};
    board_.move_tile(tile, centred_corner(board_.tile_position(tile), pointer));
    // The tile in hand passes in front of the other tiles.
    tiles[std::size_t(tile)]->raise();
    place_tile(tile);
}

void Magicsquares::tile_mouse_up(int tile, const shell::MouseArgs& args) {
    const BoardPoint pointer{float(args.x), float(args.y)};
    drop_at(tile, centred_corner(board_.tile_position(tile), pointer));
}

void Magicsquares::drop_at(int tile, BoardPoint corner) {
    board_.drop_tile(tile, corner);
    place_tile(tile);
    show_board();
}

void Magicsquares::line_sum_change(int line) {
    auto* sum = sums[std::size_t(line)];
    const bool reached =
        line_reaches(sum->caption().toStdString(), Label20->caption().toStdString());
    sum->set_fore_colour(reached ? shell::kRed : shell::kWhite);
    // Red alone hardly shows on the blue; a reached sum also stands bold on a white box.
    sum->set_font_spec({"Arial", 21.75, reached});
    sum->set_opaque(reached);
    sum->set_border(reached);
}

void Magicsquares::place_tile(int tile) {
    const BoardPoint corner = board_.tile_position(tile);
    tiles[std::size_t(tile)]->move(corner.x, corner.y, tile_width, tile_height);
}

// Shows the board state after a drop or a cleared board: the copies of the tiles that
// are out of the column, the cell state and the line sums.
void Magicsquares::show_board() {
    for (int i = 0; i < tile_count; ++i) {
        copies[std::size_t(i)]->set_visible(board_.copy_shown(i));
    }
    for (int k = 0; k < cell_count; ++k) {
        Label_array[std::size_t(k)]->set_caption(qtext(board_.label_array(k)));
        Label_value[std::size_t(k)]->set_caption(qtext(board_.label_value(k)));
    }
    for (int line = 0; line < line_count; ++line) {
        sums[std::size_t(line)]->set_caption(qtext(board_.line_sum(line)));
    }
}

} // namespace chalkline::magicsquares
