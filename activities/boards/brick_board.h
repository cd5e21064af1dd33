// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <QFont>
#include <QWidget>

#include <vector>

namespace chalkline::boards {

// How a box of the board looks.
enum class BoxLook {
    Given,   // a number of the problem: yellow on the blue
    Hidden,  // "?" in white
    Answer,  // a number Solution has filled in: white in a white frame
    Filling, // the number being filled in: dark on a yellow box
    Source,  // a number it is worked out from: white in a thick white frame
    Marked,  // coloured in: a yellow box
};

// Rows of boxes centred above each other, each box between the two below it: a number
// wall or a number triangle of 1 to 64 rows. Row 0 at the top holds one box and every
// row one more; boxes are numbered row by row from the top, as boards::cell_of numbers
// them. The board fills as much of its place as the rows allow and paints every box
// itself (one widget is far cheaper than a label per box: 64 rows are 2080 boxes). Every
// number is drawn in one font, the largest that fits each of them (and "?") in a box, so
// the font stays the same as hidden numbers are revealed. It never takes the mouse.
class BrickBoard : public QWidget, public shell::Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    BrickBoard(QWidget* parent, const QString& name);

    // Lays out the rows; a box is width_to_height times as wide as it is high, as large
    // as the board's place allows. Every box is then Given and holds no number.
    void set_rows(int rows, double width_to_height);
    int rows() const { return rows_; }
    int box_count() const { return int(numbers_.size()); }

    // The number of every box, as the class writes it ("12", "-4.5", "3/4", stacked when
    // a fraction); an empty text draws no number.
    void set_numbers(std::vector<QString> numbers);
    const QString& number(int box) const { return numbers_.at(std::size_t(box)); }
    void set_look(int box, BoxLook look);
    void set_all_looks(BoxLook look);
    BoxLook look(int box) const { return looks_.at(std::size_t(box)); }

    // Where a box is drawn, in the board's pixels, and the numbers' font.
    QRect box_rect(int box) const;
    // The part of a box that its number may take.
    QRect number_room(int box) const;
    const QFont& number_font() const { return font_; }

    void apply_scale() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit_font();
    QRect line_box(const QRect& room, const QString& text) const;

    int rows_ = 0;
    double ratio_ = 1.0;
    std::vector<QString> numbers_;
    std::vector<BoxLook> looks_;
    QFont font_;
};

} // namespace chalkline::boards
