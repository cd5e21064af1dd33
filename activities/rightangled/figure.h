// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <vector>

namespace chalkline::rightangled {

// A drawn figure: a closed polygon with labels beside its sides and marks in its
// corners, as a teacher draws one on the board. The vertices are given in twips inside
// the figure's box; side i joins vertex i to vertex i + 1 (the last to the first). Each
// label stands outside the polygon, centred on its side and clear of it; a marked label
// (the "?" of a side to find) is drawn in a box. A corner takes a right-angle mark (a
// small square) or an arc with an optional label inside the angle.
//
// The figure is drawn antialiased and centred in its box, at its given size where the
// labels fit around it and smaller where they do not, so no label is ever cut; the
// labels keep their font (shrunk only when even a much smaller polygon leaves no room).
// It never takes the mouse. A screen reader reads it by its accessible name alone,
// which the screen sets; its labels are read in the screen's sentence.
class Figure : public QWidget, public shell::Control {
public:
    using shell::Control::height;
    using shell::Control::move;
    using shell::Control::width;
    Figure(QWidget* parent, const QString& name);

    // Replaces the polygon, dropping every label and mark.
    void set_polygon(std::vector<QPointF> vertices);
    const std::vector<QPointF>& vertices() const { return vertices_; }
    // The label of a side (an empty text takes it away). Sides past the polygon's are
    // ignored.
    void set_side_label(int side, const QString& text, bool marked = false);
    QString side_label(int side) const;
    void mark_right_angle(int vertex);
    void mark_angle(int vertex, const QString& text = {});

    void set_line_colour(const QColor& colour);
    void set_text_colour(const QColor& colour);
    // In pixels at the reference desktop, as a Line's.
    void set_line_width(int width);
    void set_font_spec(const shell::FontSpec& font);
    const shell::FontSpec& font_spec() const { return font_; }

    // Where everything is drawn at the present scale, in the figure's pixels.
    struct Layout {
        std::vector<QPointF> vertices;
        std::vector<QRectF> side_labels; // one per side; empty where a side has none
        std::vector<QRectF> angle_labels;
        QFont font;
        double scale = 1; // of the polygon, against its given size
    };
    Layout layout() const;

    void apply_scale() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct SideLabel {
        QString text;
        bool marked = false;
    };
    struct AngleMark {
        int vertex;
        bool right;
        QString text;
    };
    Layout layout_at(double scale, const QFont& font) const;

    std::vector<QPointF> vertices_;
    std::vector<SideLabel> labels_;
    std::vector<AngleMark> angles_;
    QColor line_colour_ = shell::kYellow;
    QColor text_colour_ = shell::kYellow;
    int line_width_ = 3;
    shell::FontSpec font_{"Tahoma", 28, true};
};

} // namespace chalkline::rightangled
