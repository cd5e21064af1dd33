// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fonts: the design's faces and sizes made real at the twips factor in force, and the
// free faces that stand in where the design's Windows faces are not installed.

#include <QFont>
#include <QString>

namespace shell {

// A font by face, size in points and weight; its pixel size follows the twips factor.
struct FontSpec {
    QString face = "Tahoma";
    double size = 8.25;
    bool bold = false;
    bool strikeout = false;
};

// The font of a design at the twips factor in force.
QFont make_font(const FontSpec& design);
// Whether a face can be drawn here: installed, or a face the program registers itself
// (the Wingdings of Debian's wine fonts, where they are installed).
bool face_available(const QString& face);

} // namespace shell
