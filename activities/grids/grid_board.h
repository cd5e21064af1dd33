// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <QPointF>
#include <QWidget>

#include <optional>
#include <vector>

namespace chalkline::grids {

// How a place of the board is drawn.
enum class BoxKind {
    None,   // nothing: a gap in the grid
    Number, // a box of the grid: a given number, or "?" until it is filled
    Header, // a row's or a column's header, a box on a darker ground
    Total,  // a total beside the grid, without a box
    Ringed, // a total in a dashed rounded box, at the end of a guide (a diagonal's)
    Sign,   // an operation sign in a corner, without a box
};

struct GridPlace {
    int row = 0;
    int column = 0;
    friend bool operator==(const GridPlace&, const GridPlace&) = default;
};

// A grid of places in rows and columns that paints itself: boxes of numbers, headers
// and totals, "?" where a number is hidden, a hidden number filled as an answer with a
// flash. Every number is drawn in one font, the largest in which each of them (hidden
// answers included, so that filling one changes nothing else) fits its box. The grid
// is centred in the control, its places as large as the control allows up to a
// largest place, so a small grid (a piece of a larger one) keeps the size of its
// boxes. Its accessible name is what it shows, row by row.
class GridBoard : public QWidget, public shell::Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    GridBoard(QWidget* parent, const QString& name);

    // Empties the board into rows by columns places of BoxKind::None, without guides.
    void set_grid(int rows, int columns);
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    // The largest size of a place in twips; 0 for no limit.
    void set_largest_place(double width, double height);

    void set_place(GridPlace place, BoxKind kind, const QString& number, bool hidden = false);
    BoxKind kind(GridPlace place) const { return cell(place).kind; }
    const QString& number(GridPlace place) const { return cell(place).number; }
    bool hidden(GridPlace place) const { return cell(place).hidden; }
    // What the class sees at the place: its number, "?" while it is hidden.
    QString shown(GridPlace place) const;

    // Shows a hidden number as an answer and flashes its box; the box flashed before
    // stops flashing.
    void fill(GridPlace place);
    void stop_flash();
    std::optional<GridPlace> flashing() const { return flashing_; }
    // The places that still hide their number, row by row.
    std::vector<GridPlace> hidden_places() const;

    // A dashed line that leads the eye, from one point to another, x and y counted in
    // places from the grid's top left corner: (columns, rows) is its bottom right one.
    void add_guide(QPointF from, QPointF to);

    // The one font of every number, and where a place stands, in the board's pixels.
    QFont number_font() const;
    QRect place_rect(GridPlace place) const;
    // The box a number is fitted into inside its place.
    QRect number_box(GridPlace place) const;

    void apply_scale() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Cell {
        BoxKind kind = BoxKind::None;
        QString number;
        bool hidden = false;
        bool filled = false;
    };
    const Cell& cell(GridPlace place) const;
    Cell& cell(GridPlace place);
    // The size of a place and the grid's top left corner, in pixels.
    QSizeF place_size() const;
    QPointF origin() const;
    int margin() const;
    void changed();
    void update_reading();

    int rows_ = 0;
    int columns_ = 0;
    double largest_width_ = 0;
    double largest_height_ = 0;
    std::vector<Cell> cells_;
    std::vector<std::pair<QPointF, QPointF>> guides_;
    std::optional<GridPlace> flashing_;
    mutable std::optional<QFont> font_;
};

// Rows of numbers in words for a screen reader: "row 1 has 1, 2, blank. row 2 has ...".
QString reading_of(const std::vector<QStringList>& rows);
// The board's places of the given kinds as rows, top row first; a row without such a
// place is left out.
std::vector<QStringList> rows_of(const GridBoard& board, std::initializer_list<BoxKind> kinds);

} // namespace chalkline::grids
