// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequence_strip.h"

#include "number_drawing.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace chalkline::sequences {

using namespace shell;

namespace {

// The largest font of the terms: the size of the big numbers on the other screens.
constexpr double kMostPoints = 48;
// Terms are measured once at this pixel size; widths and heights scale with it.
constexpr int kMeasuringPixels = 100;
// The room between a term and its box's edges, as a share of the font's pixel size:
// more at the sides, where the digits would otherwise crowd the border.
constexpr double kSideMargin = 0.25;
constexpr double kMargin = 0.15;
// The borders, in pixels at the reference desktop: a flashed or marked box's is thicker.
constexpr int kBorder = 2;
constexpr int kThickBorder = 3;

// The least room between a term and its box's edge: clear of the thick border,
// however small the font.
int least_room() {
    return reference_px(kThickBorder + 3);
}

// Where the term stands in its box, drawn in a font of that pixel size.
QRect inside(const QRect& box, int pixels) {
    const int least = least_room();
    const int side = std::max(least, int(pixels * kSideMargin));
    const int margin = std::max(least, int(pixels * kMargin));
    return box.adjusted(side, margin, -side, -margin);
}

// A font this share of the largest is near enough to save a row.
constexpr double kNearly = 0.88;
// The least room between two boxes.
constexpr double kGapTwips = 30;

} // namespace

SequenceStrip::SequenceStrip(QWidget* parent, const QString& name)
    : QWidget(parent), Control(this) {
    setObjectName(name);
    font_ = make_font({"Tahoma", kMostPoints, true});
    apply_scale();
}

void SequenceStrip::lay_out(const QStringList& final_texts) {
    final_texts_ = final_texts;
    texts_ = QStringList(final_texts.size(), QString());
    flash_ = -1;
    marked_ = -1;
    place_boxes();
    tell_reader();
    update();
}

void SequenceStrip::set_text(int index, const QString& text) {
    if (index < 0 || index >= count() || texts_[index] == text) {
        return;
    }
    texts_[index] = text;
    tell_reader();
    update(boxes_.empty() ? rect() : box(index));
}

void SequenceStrip::set_flash(int index) {
    flash_ = index;
    update();
}

void SequenceStrip::set_marked(int index) {
    marked_ = index;
    update();
}

void SequenceStrip::apply_scale() {
    Control::apply_scale();
    place_boxes();
}

void SequenceStrip::resizeEvent(QResizeEvent*) {
    place_boxes();
}

// For each number of rows, with the fewest columns that hold every term (so rows are
// as full as they can be), works out the largest font; then takes the fewest rows that
// keep the font nearly as large as the largest of all.
void SequenceStrip::place_boxes() {
    boxes_.clear();
    columns_ = 0;
    font_ = make_font({"Tahoma", kMostPoints, true});
    const int n = count();
    const int area_width = QWidget::width();
    const int area_height = QWidget::height();
    if (n == 0 || area_width <= 0 || area_height <= 0) {
        return;
    }
    QFont measuring = font_;
    measuring.setPixelSize(kMeasuringPixels);
    QSize widest = number_extent(measuring, "?");
    QString widest_text = "?";
    for (const QString& text : final_texts_) {
        const QSize extent = number_extent(measuring, text);
        if (extent.width() > widest.width()) {
            widest_text = text;
        }
        widest = widest.expandedTo(extent);
    }
    // The widest term's width and height for each pixel of the font.
    const double wide = double(widest.width()) / kMeasuringPixels;
    const double high = double(widest.height()) / kMeasuringPixels;
    const double least = least_room();
    const int gap = std::max(2, px(kGapTwips));
    // The largest font whose box, margins included, fits a cell.
    const auto font_for = [&](double cell_width, double cell_height) {
        return std::min({(cell_width - 2 * least) / wide, cell_width / (wide + 2 * kSideMargin),
                         (cell_height - 2 * least) / high, cell_height / (high + 2 * kMargin),
                         double(font_px(kMostPoints))});
    };
    const auto cell = [&](int room, int along) { return (room - (along - 1) * gap) / along; };

    std::vector<double> sizes(std::size_t(n) + 1, 0.0);
    for (int rows = 1; rows <= n; ++rows) {
        const int columns = (n + rows - 1) / rows;
        if ((n + columns - 1) / columns == rows) {
            sizes[std::size_t(rows)] = font_for(cell(area_width, columns), cell(area_height, rows));
        }
    }
    const double largest = *std::max_element(sizes.begin(), sizes.end());
    int rows = 1;
    while (sizes[std::size_t(rows)] < kNearly * largest) {
        ++rows;
    }
    const int columns = (n + rows - 1) / rows;
    const int pixels = std::max(6, int(sizes[std::size_t(rows)]));
    const auto room = [&](double share) { return std::max(least, pixels * share); };
    const int box_height =
        std::min(cell(area_height, rows), int(std::ceil(pixels * high + 2 * room(kMargin))));
    // A box is never narrower than it is high, however short its number.
    const int box_width =
        std::min(cell(area_width, columns),
                 std::max(box_height, int(std::ceil(pixels * wide + 2 * room(kSideMargin)))));
    // Boxes smaller than their cells keep a third of the font apart and stand together
    // in the middle of the strip.
    const auto spacing = [&](int area, int along, int size) {
        return along < 2 ? 0
                         : std::clamp(pixels / 3, gap,
                                      std::max(gap, (area - along * size) / (along - 1)));
    };
    const int across = spacing(area_width, columns, box_width);
    const int down = spacing(area_height, rows, box_height);
    const int left = (area_width - columns * box_width - (columns - 1) * across) / 2;
    const int top = (area_height - rows * box_height - (rows - 1) * down) / 2;
    columns_ = columns;
    boxes_.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        boxes_.emplace_back(left + (i % columns) * (box_width + across),
                            top + (i / columns) * (box_height + down), box_width, box_height);
    }
    font_.setPixelSize(pixels);
    font_ = fitted_number_font(font_, inside(boxes_[0], pixels), widest_text);
}

void SequenceStrip::tell_reader() {
    QStringList shown;
    for (const QString& text : texts_) {
        if (!text.isEmpty()) {
            shown << text;
        }
    }
    setAccessibleName(shown.join(", "));
}

void SequenceStrip::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setFont(font_);
    for (int i = 0; i < count() && i < int(boxes_.size()); ++i) {
        const QRect& area = boxes_[std::size_t(i)];
        if (texts_[i].isEmpty() || !event->rect().intersects(area)) {
            continue;
        }
        const bool flashing = i == flash_;
        const QColor colour = i == marked_ ? kWhite : kYellow;
        const int edge = reference_px(flashing || i == marked_ ? kThickBorder : kBorder);
        if (flashing) {
            painter.fillRect(area, colour);
        }
        painter.setPen(QPen(colour, edge, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const double half = edge / 2.0;
        painter.drawRect(QRectF(area).adjusted(half, half, -half, -half));
        painter.setPen(flashing ? kBlack : colour);
        draw_number(painter, inside(area, font_.pixelSize()), texts_[i]);
    }
}

} // namespace chalkline::sequences
