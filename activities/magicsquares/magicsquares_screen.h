// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "magicsquares_logic.h"
#include "random.h"
#include "tile_board.h"

#include <array>
#include <memory>

namespace chalkline::magicsquares {

// The Magic Squares screen: nine number tiles dragged into a 3 by 3 grid, eight line sums
// that turn red at the magic sum, a Show / Hide pair for that sum and a flashing square
// once the class has built it.
class Magicsquares : public shell::ActivityForm {
    Q_OBJECT

public:
    explicit Magicsquares(std::unique_ptr<RandomSource> random = std::make_unique<ClockRandom>());

    void start() override;
    void cmdgo_Click() override;
    void cmdsoln_Click() override;
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    void stop_flash();
    void calculate();
    void makevisible();

    // The square on the tiles now, for the tests that solve it.
    const GeneratedSquare& square() const { return square_; }

    shell::Label* Label19;
    shell::Frame* Frame1;
    shell::Shape* Shape1;
    std::array<shell::Line*, 4> lines{};   // Line1 to Line4
    std::array<shell::Label*, 9> cells{};  // Label1 to Label9
    std::array<shell::Label*, 9> tiles{};  // Label10 to Label18
    std::array<shell::Label*, 9> copies{}; // Label21 to Label29
    std::array<shell::Label*, 8> sums{};   // Label30 to Label37
    std::array<shell::Label*, 9> Label_value{};
    std::array<shell::Label*, 9> Label_array{};
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::PictureButton* Command1;
    shell::PictureButton* Command2;
    shell::Label* Label20;
    shell::Timer* Timer1;
    shell::Timer* Timer2;

protected:
    std::vector<shell::Control*> own_focus_order() const override;

private:
    void add_keys();
    // Drops the tile that has the keyboard focus on the cell (0 to 8), or home (-1).
    void put_chosen_tile(int cell);
    // Where a released tile's corner would be: in a free cell or home (the board decides).
    void drop_at(int tile, BoardPoint corner);
    QString tile_reading(int tile) const;
    QString cell_reading(int cell) const;
    void hide_magic_sum();
    void tile_mouse_move(int tile, const shell::MouseArgs& args);
    void tile_mouse_up(int tile, const shell::MouseArgs& args);
    void line_sum_change(int line);
    void place_tile(int tile);
    void show_board();
    void set_flash(bool on);

    std::unique_ptr<RandomSource> random_;
    GeneratedSquare square_;
    TileBoard board_;
};

} // namespace chalkline::magicsquares
