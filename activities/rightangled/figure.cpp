// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure.h"

#include "language.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chalkline::rightangled {

using namespace shell;

namespace {

// The size of a right-angle mark and the radius of an angle's arc, at most, and as a
// share of the shorter side at the corner.
constexpr double kRightMarkTwips = 330;
constexpr double kArcTwips = 450;
constexpr double kMarkShare = 0.25;
// The smallest share of its given size a polygon is drawn at before its labels shrink.
constexpr double kSmallestScale = 0.05;

double length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

QPointF unit(QPointF v) {
    const double l = length(v);
    return l > 0 ? v / l : QPointF(0, -1);
}

double cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

// Twice the signed area: its sign tells which way round the vertices go.
double signed_area(const std::vector<QPointF>& points) {
    double area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        area += cross(points[i], points[(i + 1) % points.size()]);
    }
    return area;
}

// A w by h box centred beyond a line through `from`, in the unit direction `away` from
// it, with `gap` between the line and the box's nearest corner.
QRectF box_beyond(QPointF from, QPointF away, double gap, double w, double h) {
    const double reach = gap + w / 2 * std::fabs(away.x()) + h / 2 * std::fabs(away.y());
    const QPointF centre = from + away * reach;
    return {centre.x() - w / 2, centre.y() - h / 2, w, h};
}

// The corner at vertex i: the unit directions to its two neighbours, the direction into
// the polygon and the shorter of its two sides.
struct Corner {
    QPointF to_previous, to_next, inward;
    double shorter_side;
    bool reflex;
};

Corner corner_at(const std::vector<QPointF>& points, std::size_t i, double area) {
    const std::size_t n = points.size();
    const QPointF v = points[i];
    const QPointF previous = points[(i + n - 1) % n] - v;
    const QPointF next = points[(i + 1) % n] - v;
    Corner corner{unit(previous), unit(next), {}, std::min(length(previous), length(next)), false};
    // Going round the polygon's way, a corner that turns against it is a reflex one.
    corner.reflex = cross(-previous, next) * area < 0;
    const QPointF middle = corner.to_previous + corner.to_next;
    if (length(middle) < 1e-9) {
        const QPointF side = corner.to_next;
        corner.inward = area > 0 ? QPointF(-side.y(), side.x()) : QPointF(side.y(), -side.x());
    } else {
        corner.inward = unit(corner.reflex ? -middle : middle);
    }
    return corner;
}

// Everything a layout draws, as one rectangle.
QRectF extent(const Figure::Layout& layout, double line_width) {
    QRectF all;
    for (const QPointF& v : layout.vertices) {
        all |= QRectF(v, QSizeF(0, 0))
                   .adjusted(-line_width / 2, -line_width / 2, line_width / 2, line_width / 2);
    }
    for (const auto* boxes : {&layout.side_labels, &layout.angle_labels}) {
        for (const QRectF& box : *boxes) {
            if (!box.isEmpty()) {
                all |= box;
            }
        }
    }
    return all;
}

void translate(Figure::Layout& layout, QPointF by) {
    for (QPointF& v : layout.vertices) {
        v += by;
    }
    for (auto* boxes : {&layout.side_labels, &layout.angle_labels}) {
        for (QRectF& box : *boxes) {
            if (!box.isEmpty()) {
                box.translate(by);
            }
        }
    }
}

// Whether no two labels meet.
bool labels_apart(const Figure::Layout& layout) {
    std::vector<QRectF> boxes;
    for (const auto* list : {&layout.side_labels, &layout.angle_labels}) {
        for (const QRectF& box : *list) {
            if (!box.isEmpty()) {
                boxes.push_back(box);
            }
        }
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].intersects(boxes[j])) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

Figure::Figure(QWidget* parent, const QString& name) : QWidget(parent), Control(this) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    apply_scale();
}

void Figure::set_polygon(std::vector<QPointF> vertices) {
    vertices_ = std::move(vertices);
    labels_.assign(vertices_.size(), {});
    angles_.clear();
    update();
}

void Figure::set_side_label(int side, const QString& text, bool marked) {
    if (side >= 0 && side < int(labels_.size())) {
        labels_[std::size_t(side)] = {text, marked};
        update();
    }
}

QString Figure::side_label(int side) const {
    return side >= 0 && side < int(labels_.size()) ? labels_[std::size_t(side)].text : QString();
}

void Figure::mark_right_angle(int vertex) {
    if (vertex >= 0 && vertex < int(vertices_.size())) {
        angles_.push_back({vertex, true, {}});
        update();
    }
}

void Figure::mark_angle(int vertex, const QString& text) {
    if (vertex >= 0 && vertex < int(vertices_.size())) {
        angles_.push_back({vertex, false, text});
        update();
    }
}

void Figure::set_line_colour(const QColor& colour) {
    line_colour_ = colour;
    update();
}
void Figure::set_text_colour(const QColor& colour) {
    text_colour_ = colour;
    update();
}
void Figure::set_line_width(int width) {
    line_width_ = width;
    update();
}
void Figure::set_font_spec(const FontSpec& font) {
    font_ = font;
    update();
}

void Figure::apply_scale() {
    Control::apply_scale();
    update();
}

Figure::Layout Figure::layout_at(double scale, const QFont& font) const {
    Layout layout;
    layout.font = font;
    layout.scale = scale;
    const double tpp = twips_per_pixel();
    QRectF given;
    for (const QPointF& v : vertices_) {
        layout.vertices.push_back(v / tpp);
        given |= QRectF(v / tpp, QSizeF(0, 0));
    }
    const QPointF centre = given.center();
    for (QPointF& v : layout.vertices) {
        v = centre + (v - centre) * scale;
    }
    const std::vector<QPointF>& points = layout.vertices;
    const std::size_t n = points.size();
    const double area = signed_area(points);
    const QFontMetricsF metrics(font);
    const double gap = metrics.height() / 4;
    const double pad = metrics.height() / 8;
    // A marked label's box is never narrower than its height, so a "?" stands in a square.
    const auto size_of = [&](const QString& text, bool marked) {
        const double frame = marked ? 2 * pad : 0;
        const double high = metrics.height() + frame;
        const double wide = metrics.horizontalAdvance(reader_text(text)) + frame + 2 * pad;
        return QSizeF(marked ? std::max(wide, high) : wide, high);
    };

    layout.side_labels.assign(n, QRectF());
    for (std::size_t i = 0; i < n && n >= 2; ++i) {
        const SideLabel& label = labels_[i];
        if (label.text.isEmpty()) {
            continue;
        }
        const QPointF a = points[i];
        const QPointF b = points[(i + 1) % n];
        const QPointF d = unit(b - a);
        const QPointF outward = area >= 0 ? QPointF(d.y(), -d.x()) : QPointF(-d.y(), d.x());
        const QSizeF size = size_of(label.text, label.marked);
        layout.side_labels[i] = box_beyond((a + b) / 2, outward, gap, size.width(), size.height());
    }

    layout.angle_labels.assign(angles_.size(), QRectF());
    for (std::size_t k = 0; k < angles_.size() && n >= 3; ++k) {
        const AngleMark& mark = angles_[k];
        if (mark.right || mark.text.isEmpty()) {
            continue;
        }
        const Corner corner = corner_at(points, std::size_t(mark.vertex), area);
        const double radius = std::min(kArcTwips / tpp, kMarkShare * corner.shorter_side);
        const QSizeF size = size_of(mark.text, false);
        layout.angle_labels[k] = box_beyond(points[std::size_t(mark.vertex)], corner.inward,
                                            radius + gap, size.width(), size.height());
    }
    return layout;
}

// The polygon as large as given where everything fits the box, else as large as fits
// (a bisection on its scale). Labels drawn apart there stay; labels that meet would meet
// the more on a smaller polygon, so then the font is a pixel smaller and the search runs
// again.
Figure::Layout Figure::layout() const {
    const double line = reference_px(line_width_);
    const QRectF room = QRectF(rect()).adjusted(line, line, -line, -line);
    QFont font = make_font(font_);
    const auto fits = [&](double scale) {
        const QRectF all = extent(layout_at(scale, font), line);
        return all.width() <= room.width() && all.height() <= room.height();
    };
    Layout layout;
    for (;;) {
        double scale = 1;
        if (!fits(1) && fits(kSmallestScale)) {
            double high = 1;
            scale = kSmallestScale;
            for (int step = 0; step < 20; ++step) {
                const double middle = (scale + high) / 2;
                (fits(middle) ? scale : high) = middle;
            }
        } else if (!fits(1)) {
            scale = kSmallestScale;
        }
        layout = layout_at(scale, font);
        if ((fits(scale) && labels_apart(layout)) || font.pixelSize() <= 6) {
            break;
        }
        font.setPixelSize(font.pixelSize() - 1);
    }
    translate(layout, room.center() - extent(layout, line).center());
    return layout;
}

void Figure::paintEvent(QPaintEvent*) {
    const std::size_t n = vertices_.size();
    if (n < 2) {
        return;
    }
    const Layout drawn = layout();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int line = reference_px(line_width_);
    painter.setPen(QPen(line_colour_, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(drawn.vertices.data(), int(n));

    const double area = signed_area(drawn.vertices);
    const double tpp = twips_per_pixel();
    painter.setPen(
        QPen(line_colour_, std::max(1, line * 2 / 3), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    for (const AngleMark& mark : angles_) {
        if (n < 3) {
            break;
        }
        const QPointF v = drawn.vertices[std::size_t(mark.vertex)];
        const Corner corner = corner_at(drawn.vertices, std::size_t(mark.vertex), area);
        if (mark.right) {
            const double size = std::min(kRightMarkTwips / tpp, kMarkShare * corner.shorter_side);
            const QPointF a = v + corner.to_previous * size;
            const QPointF b = v + corner.to_next * size;
            const QPointF square[] = {a, a + corner.to_next * size, b};
            painter.drawPolyline(square, 3);
            continue;
        }
        const double radius = std::min(kArcTwips / tpp, kMarkShare * corner.shorter_side);
        // Qt counts angles anticlockwise on the screen, in sixteenths of a degree.
        const auto degrees = [](QPointF u) {
            return std::atan2(-u.y(), u.x()) * 180 / std::numbers::pi;
        };
        const double start = degrees(corner.to_previous);
        double span = std::remainder(degrees(corner.to_next) - start, 360.0);
        if (corner.reflex) {
            span += span > 0 ? -360 : 360;
        }
        painter.drawArc(QRectF(v.x() - radius, v.y() - radius, 2 * radius, 2 * radius),
                        int(std::lround(start * 16)), int(std::lround(span * 16)));
    }

    painter.setFont(drawn.font);
    const auto draw_label = [&](const QRectF& box, const QString& text, bool marked) {
        painter.setPen(text_colour_);
        // Lengths as the reader writes them: "24,4" in French.
        painter.drawText(box, Qt::AlignCenter, reader_text(text));
        if (marked) {
            painter.setPen(QPen(text_colour_, std::max(1, line * 2 / 3)));
            painter.drawRect(box.adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0));
        }
    };
    for (std::size_t i = 0; i < n; ++i) {
        if (!drawn.side_labels[i].isEmpty()) {
            draw_label(drawn.side_labels[i], labels_[i].text, labels_[i].marked);
        }
    }
    for (std::size_t k = 0; k < angles_.size(); ++k) {
        if (!drawn.angle_labels[k].isEmpty()) {
            draw_label(drawn.angle_labels[k], angles_[k].text, false);
        }
    }
}

} // namespace chalkline::rightangled
