// SPDX-License-Identifier: GPL-3.0-or-later
// Captions laid out in their boxes and fitted by their drawn glyphs.
#include "captions.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

namespace shell {

namespace {

// No caption is drawn smaller than this, however little room it has.
constexpr int kSmallestPixelSize = 6;

// The caption's lines, broken at words when wrap is set, aligned in the box as drawText
// would align them.
std::unique_ptr<QTextLayout> lay_out(const QString& caption, const QFont& font, const QRect& box,
                                     Qt::Alignment alignment, bool wrap) {
    auto layout = std::make_unique<QTextLayout>(caption, font);
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->beginLayout();
    double height = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(box.width());
        line.setPosition({0, height});
        height += line.height();
    }
    layout->endLayout();
    double top = box.top();
    if (alignment & Qt::AlignVCenter) {
        top += (box.height() - height) / 2;
    } else if (alignment & Qt::AlignBottom) {
        top += box.height() - height;
    }
    layout->setPosition({double(box.left()), top});
    return layout;
}

// Where the glyphs of a laid-out caption are drawn: the union of their outlines.
QRectF ink(const QTextLayout& layout) {
    QRectF bounds;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont face = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            bounds |= face.boundingRect(glyphs[i]).translated(positions[i]);
        }
    }
    return bounds.translated(layout.position());
}

} // namespace

std::unique_ptr<QTextLayout> fitted_layout(QFont font, const QRect& box, Qt::Alignment alignment,
                                           bool wrap, QString caption) {
    caption.replace('\n', QChar::LineSeparator);
    if (font.pixelSize() <= 0) {
        font.setPixelSize(QFontInfo(font).pixelSize());
    }
    auto layout = lay_out(caption, font, box, alignment, wrap);
    // A glyph may reach a little past its advance (the bar of a "T", the tail of a "j"):
    // up to a pixel beyond the box counts as inside.
    const QRectF room = QRectF(box).adjusted(-1, -1, 1, 1);
    while (!box.isEmpty() && font.pixelSize() > kSmallestPixelSize) {
        const QRectF drawn = ink(*layout);
        if (drawn.isNull() || room.contains(drawn)) {
            break;
        }
        font.setPixelSize(font.pixelSize() - 1);
        layout = lay_out(caption, font, box, alignment, wrap);
    }
    return layout;
}

QFont fitted_font(const QFont& font, const QRect& box, Qt::Alignment alignment, bool wrap,
                  const QString& caption) {
    return fitted_layout(font, box, alignment, wrap, caption)->font();
}

void draw_caption(QPainter& painter, const QRect& box, Qt::Alignment alignment, bool wrap,
                  const QString& caption) {
    fitted_layout(painter.font(), box, alignment, wrap, caption)->draw(&painter, QPointF());
}

} // namespace shell
