// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the screens name, and the free faces that stand in for them where they are
// not installed.
#include "fonts.h"

#include "twips.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>

namespace shell {

namespace {

// Where Debian's wine fonts put the design's symbol face. Fontconfig does not list that
// folder, so the program registers the file itself.
constexpr const char* kSymbolFontFile = "/usr/share/wine/fonts/wingding.ttf";

// The faces the screens name are Windows faces, and their captions were fitted to them.
// Where they are not installed, free faces of about their widths stand in, rather than
// the much wider default, so that captions stay on their lines. (The wine fonts' own
// Tahoma is left alone: its bold is drawn with regular strokes, too thin to project.)
void install_fonts() {
    QFont::insertSubstitutions("Tahoma", {"DejaVu Sans Condensed", "Liberation Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    if (QFile::exists(kSymbolFontFile)) {
        QFontDatabase::addApplicationFont(kSymbolFontFile);
    }
}

void ensure_fonts() {
    static const bool installed = (install_fonts(), true);
    (void)installed;
}

} // namespace

QFont make_font(const FontSpec& design) {
    ensure_fonts();
    QFont font(design.face);
    font.setPixelSize(font_px(design.size));
    font.setBold(design.bold);
    font.setStrikeOut(design.strikeout);
    return font;
}

// Asked once a face: the font database lists every family at each question, a cost a
// screen would pay at every load.
bool face_available(const QString& face) {
    ensure_fonts();
    static QHash<QString, bool> known;
    if (auto it = known.find(face); it != known.end()) {
        return *it;
    }
    return *known.insert(face, QFontDatabase::hasFamily(face));
}

} // namespace shell
