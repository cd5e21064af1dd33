// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Captions: a text laid out in its box, broken at words where asked, and fitted so that
// every glyph it draws lies inside the box.

#include <QFont>
#include <QRect>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPainter;

namespace shell {

// Every caption is drawn whole. Laid out in its box by the alignment (broken at words
// when wrap is set), it keeps its font where every drawn glyph lies inside the box (a
// glyph may reach a pixel past it, as the bar of a "T" does), and is drawn smaller until
// it does otherwise. The drawn glyphs decide, not the face's line height, so a caption
// that visibly fits keeps its size.
QFont fitted_font(const QFont& font, const QRect& box, Qt::Alignment alignment, bool wrap,
                  const QString& caption);
// Draws the caption so with the painter's font and pen.
void draw_caption(QPainter& painter, const QRect& box, Qt::Alignment alignment, bool wrap,
                  const QString& caption);
// The fitted caption's lines, laid out in the box, for a control that draws them itself.
std::unique_ptr<QTextLayout> fitted_layout(QFont font, const QRect& box, Qt::Alignment alignment,
                                           bool wrap, QString caption);

} // namespace shell
