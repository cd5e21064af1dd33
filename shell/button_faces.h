// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The faces of the picture buttons: the word each shows (in the language of the
// translations installed when painted) and the colours it is painted in, from top to
// bottom. The build paints the button pictures from them, and a button
// whose picture cannot be read draws its face itself, so that it reads and works the
// same. Needs only the toolkit's painting, not its widgets.

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <algorithm>

namespace shell {

struct ButtonFace {
    QString file; // in the Images folder
    QString word;
    QColor top;
    QColor bottom;
};

inline const ButtonFace kButtonFaces[] = {
    {"next.jpg", QT_TRANSLATE_NOOP("Pictures", "Next"), {60, 190, 90}, {20, 120, 50}},
    {"solution.jpg", QT_TRANSLATE_NOOP("Pictures", "Solution"), {255, 170, 40}, {205, 110, 0}},
    {"exit.jpg", QT_TRANSLATE_NOOP("Pictures", "Exit"), {225, 70, 60}, {150, 25, 20}},
    {"show.jpg", QT_TRANSLATE_NOOP("Pictures", "Show"), {80, 150, 240}, {30, 80, 180}},
    {"hide.jpg", QT_TRANSLATE_NOOP("Pictures", "Hide"), {120, 120, 200}, {60, 60, 130}},
    {"undo.jpg", QT_TRANSLATE_NOOP("Pictures", "Undo"), {170, 90, 210}, {100, 40, 140}},
};

// The face of the button whose picture shows that word, in English or in the language
// in use; another picture's word is drawn on grey.
inline ButtonFace button_face(const QString& word) {
    for (const ButtonFace& face : kButtonFaces) {
        const QString translated =
            QCoreApplication::translate("Pictures", face.word.toUtf8().constData());
        if (face.word.compare(word, Qt::CaseInsensitive) == 0 ||
            translated.compare(word, Qt::CaseInsensitive) == 0) {
            return face;
        }
    }
    return {{}, word, {150, 150, 150}, {90, 90, 90}};
}

// A raised key in the face's colours with its word large and white over a dark shadow,
// which reads well from the back of a room. `shadow` is the shadow's offset in pixels.
inline void paint_button_face(QPainter& painter, const QRect& area, const ButtonFace& face,
                              int shadow) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int w = area.width(), h = area.height();
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, face.top);
    fill.setColorAt(1, face.bottom);
    painter.fillRect(area, fill);
    painter.fillRect(QRect(area.left(), area.top(), w, h / 12), QColor(255, 255, 255, 70));
    painter.fillRect(QRect(area.left(), area.bottom() + 1 - h / 12, w, h / 12),
                     QColor(0, 0, 0, 60));
    // In the language of the translations installed, as the build paints them.
    const QString word = QCoreApplication::translate("Pictures", face.word.toUtf8().constData());
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(std::max(1, int(h * 0.66)));
    while (QFontMetrics(font).horizontalAdvance(word) > w * 0.9 && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 2);
    }
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 130));
    painter.drawText(area.translated(shadow, shadow), Qt::AlignCenter, word);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, word);
    painter.restore();
}

} // namespace shell
