// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <QFont>
#include <QRect>
#include <QStringList>

#include <vector>

namespace chalkline::sequences {

// The terms of a sequence in boxes, left to right, wrapping into rows, all of them in
// view at once (180 and more). One font serves every box: the largest in which the
// widest term fits, up to 48 points; boxes and font follow the twips factor.
//
// A box shows a number, "?" for a hidden term, or nothing at all while its term is not
// yet in play (an empty box is not drawn), so a sequence can grow along the strip.
// The term just filled is drawn as a flash, yellow with blue digits; a term to notice
// is drawn in white. The strip reads to a screen reader as its terms, in order.
class SequenceStrip : public QWidget, public shell::Control {
public:
    using shell::Control::height;
    using shell::Control::move;
    using shell::Control::width;
    SequenceStrip(QWidget* parent, const QString& name);

    // Makes one box for each text and lays the boxes out for the widest of them, so
    // that no term filled in later needs a smaller font. Every box starts empty.
    void lay_out(const QStringList& final_texts);
    int count() const { return int(texts_.size()); }

    QString text(int index) const { return texts_.value(index); }
    void set_text(int index, const QString& text);
    // The box drawn as a flash, -1 for none.
    int flash() const { return flash_; }
    void set_flash(int index);
    // The box drawn in white, -1 for none.
    int marked() const { return marked_; }
    void set_marked(int index);

    // The place of a box in the strip's pixels, and the font of every term.
    QRect box(int index) const { return boxes_.at(std::size_t(index)); }
    QFont term_font() const { return font_; }
    int columns() const { return columns_; }

    void apply_scale() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place_boxes();
    void tell_reader();

    QStringList texts_;
    QStringList final_texts_;
    std::vector<QRect> boxes_;
    QFont font_;
    int columns_ = 0;
    int flash_ = -1;
    int marked_ = -1;
};

} // namespace chalkline::sequences
