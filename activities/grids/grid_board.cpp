// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_board.h"

#include "number_drawing.h"
#include "speech.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace chalkline::grids {

namespace {

// Headers stand on a darker blue than the screen's, where yellow reads even better.
const QColor kHeaderGround{22, 78, 150};
const QColor kGuideColour{255, 255, 128};
constexpr int kBorderWidth = 2;
constexpr int kFlashBorderWidth = 4;

} // namespace

GridBoard::GridBoard(QWidget* parent, const QString& name) : QWidget(parent), Control(this) {
    setObjectName(name);
    apply_scale();
}

void GridBoard::set_grid(int rows, int columns) {
    rows_ = std::max(0, rows);
    columns_ = std::max(0, columns);
    cells_.assign(std::size_t(rows_ * columns_), Cell{});
    guides_.clear();
    flashing_.reset();
    changed();
}

void GridBoard::set_largest_place(double width, double height) {
    largest_width_ = width;
    largest_height_ = height;
    changed();
}

const GridBoard::Cell& GridBoard::cell(GridPlace place) const {
    if (place.row < 0 || place.row >= rows_ || place.column < 0 || place.column >= columns_) {
        throw std::out_of_range("a place outside the grid");
    }
    return cells_[std::size_t(place.row * columns_ + place.column)];
}

GridBoard::Cell& GridBoard::cell(GridPlace place) {
    return const_cast<Cell&>(std::as_const(*this).cell(place));
}

void GridBoard::set_place(GridPlace place, BoxKind kind, const QString& number, bool hidden) {
    cell(place) = {kind, number, hidden, false};
    if (flashing_ == place) {
        flashing_.reset();
    }
    changed();
}

QString GridBoard::shown(GridPlace place) const {
    const Cell& c = cell(place);
    return c.hidden ? QStringLiteral("?") : c.number;
}

void GridBoard::fill(GridPlace place) {
    Cell& c = cell(place);
    if (c.hidden) {
        c.hidden = false;
        c.filled = true;
    }
    flashing_ = place;
    update_reading();
    update();
}

void GridBoard::stop_flash() {
    if (flashing_) {
        flashing_.reset();
        update();
    }
}

std::vector<GridPlace> GridBoard::hidden_places() const {
    std::vector<GridPlace> places;
    for (int row = 0; row < rows_; ++row) {
        for (int column = 0; column < columns_; ++column) {
            if (hidden({row, column})) {
                places.push_back({row, column});
            }
        }
    }
    return places;
}

void GridBoard::add_guide(QPointF from, QPointF to) {
    guides_.emplace_back(from, to);
    update();
}

void GridBoard::changed() {
    font_.reset();
    update_reading();
    update();
}

// A screen reader reads the board as it shows it, row by row.
void GridBoard::update_reading() {
    setAccessibleName(reading_of(
        rows_of(*this, {BoxKind::Number, BoxKind::Header, BoxKind::Total, BoxKind::Ringed})));
}

void GridBoard::apply_scale() {
    Control::apply_scale();
    font_.reset();
    update();
}

// ---- Layout ----

// The grid keeps clear of the control's edge by half a flashing border, so that the
// outer lines are drawn whole.
QSizeF GridBoard::place_size() const {
    if (rows_ == 0 || columns_ == 0) {
        return {};
    }
    const double edge = shell::reference_px(kFlashBorderWidth) / 2.0;
    double w = (QWidget::width() - 2 * edge) / columns_;
    double h = (QWidget::height() - 2 * edge) / rows_;
    const double tpp = shell::twips_per_pixel();
    if (largest_width_ > 0) {
        w = std::min(w, largest_width_ / tpp);
    }
    if (largest_height_ > 0) {
        h = std::min(h, largest_height_ / tpp);
    }
    return {std::max(0.0, w), std::max(0.0, h)};
}

QPointF GridBoard::origin() const {
    const QSizeF place = place_size();
    return {(QWidget::width() - place.width() * columns_) / 2,
            (QWidget::height() - place.height() * rows_) / 2};
}

QRect GridBoard::place_rect(GridPlace place) const {
    (void)cell(place);
    const QSizeF size = place_size();
    const QPointF corner = origin();
    const int left = qRound(corner.x() + place.column * size.width());
    const int top = qRound(corner.y() + place.row * size.height());
    const int right = qRound(corner.x() + (place.column + 1) * size.width());
    const int bottom = qRound(corner.y() + (place.row + 1) * size.height());
    return {left, top, right - left, bottom - top};
}

// A number keeps clear of its box's border, and in a large box a little more.
int GridBoard::margin() const {
    const QSizeF size = place_size();
    return std::max(shell::reference_px(kBorderWidth + 1),
                    int(std::min(size.width(), size.height()) / 14));
}

QRect GridBoard::number_box(GridPlace place) const {
    const int m = margin();
    return place_rect(place).adjusted(m, m, -m, -m);
}

QFont GridBoard::number_font() const {
    if (font_) {
        return *font_;
    }
    // Places differ by a rounded pixel at most: the smallest box holds every number.
    const QSizeF size = place_size();
    const QRect box(0, 0, int(size.width()) - 2 * margin(), int(size.height()) - 2 * margin());
    QFont font = shell::make_font({"Tahoma", 8.25, true});
    font.setPixelSize(std::max(6, box.height()));
    for (const Cell& c : cells_) {
        if (c.kind == BoxKind::None) {
            continue;
        }
        font = shell::fitted_number_font(font, box, c.number);
        if (c.hidden) {
            font = shell::fitted_number_font(font, box, QStringLiteral("?"));
        }
    }
    font_ = font;
    return font;
}

// ---- Painting ----

void GridBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(number_font());
    const int border = shell::reference_px(kBorderWidth);
    const QSizeF size = place_size();
    const QPointF corner = origin();

    QPen guide(kGuideColour, border, Qt::DashLine, Qt::FlatCap);
    painter.setPen(guide);
    for (const auto& [from, to] : guides_) {
        painter.drawLine(corner + QPointF(from.x() * size.width(), from.y() * size.height()),
                         corner + QPointF(to.x() * size.width(), to.y() * size.height()));
    }

    for (int row = 0; row < rows_; ++row) {
        for (int column = 0; column < columns_; ++column) {
            const GridPlace place{row, column};
            const Cell& c = cell(place);
            if (c.kind == BoxKind::None) {
                continue;
            }
            const QRect box = place_rect(place);
            const bool flash = flashing_ == place;
            const bool boxed = c.kind == BoxKind::Number || c.kind == BoxKind::Header;
            if (c.kind == BoxKind::Ringed) {
                painter.setPen(guide);
                painter.setBrush(Qt::NoBrush);
                const double round = std::min(box.width(), box.height()) / 4.0;
                painter.drawRoundedRect(QRectF(box).adjusted(border, border, -border, -border),
                                        round, round);
            }
            if (flash) {
                painter.fillRect(box, shell::kYellow);
            } else if (c.kind == BoxKind::Header) {
                painter.fillRect(box, kHeaderGround);
            }
            if (boxed || flash) {
                // Neighbouring boxes share their lines: each is drawn on the place's edge.
                const int width = shell::reference_px(flash ? kFlashBorderWidth : kBorderWidth);
                painter.setPen(QPen(flash ? shell::kWhite : shell::kYellow, width, Qt::SolidLine,
                                    Qt::SquareCap, Qt::MiterJoin));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(box));
            }
            // Given numbers and headers in yellow; totals, "?" and answers in white; a
            // flashing box in the screen's blue on yellow.
            QColor ink = shell::kYellow;
            if (flash) {
                ink = shell::kScreenBlue.darker(160);
            } else if (c.hidden || c.filled || c.kind == BoxKind::Total ||
                       c.kind == BoxKind::Ringed) {
                ink = shell::kWhite;
            }
            painter.setPen(ink);
            shell::draw_number(painter, number_box(place), shown(place));
        }
    }
}

// ---- Reading ----

QString reading_of(const std::vector<QStringList>& rows) {
    return shell::speech::rows(QList<QStringList>(rows.begin(), rows.end()));
}

std::vector<QStringList> rows_of(const GridBoard& board, std::initializer_list<BoxKind> kinds) {
    std::vector<QStringList> rows;
    for (int row = 0; row < board.rows(); ++row) {
        QStringList numbers;
        for (int column = 0; column < board.columns(); ++column) {
            const GridPlace place{row, column};
            if (std::find(kinds.begin(), kinds.end(), board.kind(place)) != kinds.end()) {
                numbers << board.shown(place);
            }
        }
        if (!numbers.isEmpty()) {
            rows.push_back(numbers);
        }
    }
    return rows;
}

} // namespace chalkline::grids
