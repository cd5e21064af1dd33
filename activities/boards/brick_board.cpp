// SPDX-License-Identifier: GPL-3.0-or-later
#include "brick_board.h"

#include "number_drawing.h"
#include "triangle.h"
#include "twips.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <set>

namespace chalkline::boards {

namespace {

// The numbers' font where the boxes have room to spare: large, yet leaving the box
// around a short number in view.
const shell::FontSpec kLargestFont{"Tahoma", 36, true};
// Dark text on a yellow box.
const QColor kOnYellow{0, 0, 128};
// A box without a number that is not coloured in.
const QColor kEmptyTile{16, 64, 128};

// The frame of a box: 2 pixels at the reference desktop, thinner on the smallest boxes.
int frame_width(const QRect& box) {
    return std::clamp(box.width() / 10, 1, shell::reference_px(2));
}

} // namespace

BrickBoard::BrickBoard(QWidget* parent, const QString& name) : QWidget(parent), Control(this) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    font_ = shell::make_font(kLargestFont);
    apply_scale();
}

void BrickBoard::set_rows(int rows, double width_to_height) {
    rows_ = std::clamp(rows, 1, 64);
    ratio_ = width_to_height;
    numbers_.assign(std::size_t(cell_count(rows_)), QString());
    looks_.assign(numbers_.size(), BoxLook::Given);
    fit_font();
    update();
}

void BrickBoard::set_numbers(std::vector<QString> numbers) {
    numbers.resize(numbers_.size());
    numbers_ = std::move(numbers);
    fit_font();
    update();
}

void BrickBoard::set_look(int box, BoxLook look) {
    looks_.at(std::size_t(box)) = look;
    update();
}

void BrickBoard::set_all_looks(BoxLook look) {
    std::fill(looks_.begin(), looks_.end(), look);
    update();
}

QRect BrickBoard::box_rect(int box) const {
    const int row = row_of(box);
    const int place = box - cell_of(row, 0);
    // Row height and box width in twips: the rows fill the height or the widest row the
    // width, whichever comes first.
    const double high = std::min(height() / rows_, width() / (rows_ * ratio_));
    const double wide = high * ratio_;
    const double x = (width() - (row + 1) * wide) / 2 + place * wide;
    const double y = (height() - rows_ * high) / 2 + row * high;
    // In pixels from the board's corner, rounded as every control's place is.
    const auto across = [this](double twips) {
        return shell::px(left() + twips) - shell::px(left());
    };
    const auto down = [this](double twips) { return shell::px(top() + twips) - shell::px(top()); };
    const QRect cell(QPoint(across(x), down(y)), QPoint(across(x + wide) - 1, down(y + high) - 1));
    // A little gap between neighbours, as between bricks.
    const int gap = std::max(1, std::min(cell.width(), cell.height()) / 30);
    return cell.adjusted(gap, gap, -gap, -gap);
}

QRect BrickBoard::number_room(int box) const {
    const QRect inside = box_rect(box);
    // Clear of a flashing box's thick frame.
    const int across = 2 * frame_width(inside) + inside.width() / 40;
    const int down = 2 * frame_width(inside) + inside.height() / 16;
    return inside.adjusted(across, down, -across, -down);
}

void BrickBoard::fit_font() {
    font_ = shell::make_font(kLargestFont);
    if (numbers_.empty()) {
        return;
    }
    // Boxes differ by a pixel where their edges round differently: fit to the smallest.
    QRect room = number_room(0);
    for (int box = 1; box < box_count(); ++box) {
        const QRect other = number_room(box);
        room.setWidth(std::min(room.width(), other.width()));
        room.setHeight(std::min(room.height(), other.height()));
    }
    std::set<QString> texts(numbers_.begin(), numbers_.end());
    texts.erase(QString());
    texts.insert("?");
    // The box a number is laid out in depends on the font: fitted again until every
    // number fits its box in the font it ends with (each pass only shrinks it).
    for (bool shrunk = true; shrunk;) {
        shrunk = false;
        for (const QString& text : texts) {
            const QFont fitted = shell::fitted_number_font(font_, line_box(room, text), text);
            if (fitted.pixelSize() < font_.pixelSize()) {
                font_ = fitted;
                shrunk = true;
            }
        }
    }
}

// A number is fitted by its glyphs, not by the full height of its lines, which keep
// room for accents and descenders that digits never use: the box it is laid out in is
// taller than the room by that much, so that the digits themselves fill the room. (A
// stacked fraction is two lines with a sixth of a line between, as shell::draw_number
// lays it out; its glyphs reach from the top of the numerator's digits to the foot of
// the denominator's.)
QRect BrickBoard::line_box(const QRect& room, const QString& text) const {
    const QFontMetrics metrics(font_);
    const int line = metrics.height();
    const int digits = std::max(1, metrics.tightBoundingRect("0123456789?").height());
    const int gap = std::max(1, line / 6);
    const bool stacked = text.contains('/');
    const int laid_out = stacked ? 2 * line + gap : line;
    const int ink = stacked ? line + gap + digits : digits;
    const int extra = room.height() * (laid_out - ink) / ink;
    return room.adjusted(0, -extra / 2, 0, extra - extra / 2);
}

void BrickBoard::apply_scale() {
    Control::apply_scale();
    fit_font();
}

void BrickBoard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit_font();
}

void BrickBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font_);
    for (int box = 0; box < box_count(); ++box) {
        const QRect rect = box_rect(box);
        const BoxLook look = looks_[std::size_t(box)];
        const bool filled = look == BoxLook::Filling || look == BoxLook::Marked;
        const bool framed_white = look == BoxLook::Source || look == BoxLook::Answer;
        const int frame = frame_width(rect) * (look == BoxLook::Source ? 2 : 1);
        if (filled) {
            painter.fillRect(rect, shell::kYellow);
        }
        const QString text = look == BoxLook::Hidden ? QString("?") : numbers_[std::size_t(box)];
        // Boxes too small for numbers are plain tiles: dark, or yellow when coloured in,
        // so that the pattern of the coloured ones stands out.
        if (text.isEmpty()) {
            if (!filled) {
                painter.fillRect(rect, kEmptyTile);
            }
            continue;
        }
        QPen pen(framed_white ? shell::kWhite : shell::kYellow, frame);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const double half = frame / 2.0;
        painter.drawRect(QRectF(rect).adjusted(half, half, -half, -half));

        const QColor colour = filled                   ? kOnYellow
                              : look == BoxLook::Given ? shell::kYellow
                                                       : shell::kWhite;
        painter.setPen(colour);
        shell::draw_number(painter, line_box(number_room(box), text), text);
    }
}

} // namespace chalkline::boards
