// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the program's pictures and saves them as JPEG files in <out>/Images and
// <out>/opening. Each is made at three times the pixel size at which it shows, so that
// it stays sharp when the window is enlarged for a projector, and says so in its header
// with a density of 288 dots per inch (three times 96), by which the program shows it at
// a third of its pixel size. Given languages as well ("make_pictures <out> fr de"), it
// paints the buttons again in each, in <out>/Images/<language>, with the words of the
// translations it finds in <out>/translations.

#include "button_faces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTranslator>

#include <cstdio>

namespace {

constexpr int kScale = 3;
constexpr double kDotsPerInch = 96.0 * kScale;
constexpr double kMetresPerInch = 0.0254;

// The size of each button picture, in pixels as shown at 15 twips per pixel: Go,
// Solution and Exit are 1650 by 500 twips; Show and Hide 2089 by 465; Undo 1350 by 465.
struct Button {
    const char* file;
    int width;
    int height;
};

const Button kButtons[] = {
    {"next.jpg", 110, 33}, {"solution.jpg", 110, 33}, {"exit.jpg", 110, 33},
    {"show.jpg", 139, 31}, {"hide.jpg", 139, 31},     {"undo.jpg", 90, 31},
};

QFont word_font(int pixel_height) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(pixel_height);
    return font;
}

// The button's face (button_faces.h), at three times its size.
QImage paint_button(const Button& b) {
    QImage image(b.width * kScale, b.height * kScale, QImage::Format_RGB32);
    QPainter p(&image);
    for (const shell::ButtonFace& face : shell::kButtonFaces) {
        if (face.file == b.file) {
            shell::paint_button_face(p, image.rect(), face, kScale);
        }
    }
    return image;
}

// The menu background: a deep blue board with a faint grid, calm behind yellow text.
QImage paint_menu() {
    const int w = 800 * kScale;
    const int h = 600 * kScale;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, w, h);
    fill.setColorAt(0, QColor(22, 52, 102));
    fill.setColorAt(1, QColor(12, 30, 66));
    p.fillRect(image.rect(), fill);
    p.setPen(QPen(QColor(255, 255, 255, 18), kScale));
    for (int x = 0; x < w; x += 40 * kScale) {
        p.drawLine(x, 0, x, h);
    }
    for (int y = 0; y < h; y += 40 * kScale) {
        p.drawLine(0, y, w, y);
    }
    // Two chalk-faint signs in the empty left margin.
    p.setFont(word_font(70 * kScale));
    p.setPen(QColor(255, 255, 255, 26));
    const struct {
        int x, y;
        const char* text;
    } signs[] = {{40, 240, "+"}, {40, 470, "\u00F7"}};
    for (const auto& s : signs) {
        p.drawText(QPoint(s.x * kScale, s.y * kScale), QString::fromUtf8(s.text));
    }
    return image;
}

// The title picture: a chalkboard with a magic square and a few sums.
QImage paint_title() {
    const int w = 320 * kScale;
    const int h = 240 * kScale;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(image.rect(), QColor(120, 80, 40));
    const QRect board = image.rect().adjusted(8 * kScale, 8 * kScale, -8 * kScale, -8 * kScale);
    QLinearGradient slate(board.topLeft(), board.bottomRight());
    slate.setColorAt(0, QColor(40, 78, 60));
    slate.setColorAt(1, QColor(28, 58, 44));
    p.fillRect(board, slate);

    const QColor chalk(245, 245, 235);
    const int cell = 40 * kScale;
    const QPoint origin(24 * kScale, 60 * kScale);
    const int square[3][3] = {{2, 7, 6}, {9, 5, 1}, {4, 3, 8}};
    p.setPen(QPen(chalk, 2 * kScale));
    for (int i = 0; i <= 3; ++i) {
        p.drawLine(origin + QPoint(i * cell, 0), origin + QPoint(i * cell, 3 * cell));
        p.drawLine(origin + QPoint(0, i * cell), origin + QPoint(3 * cell, i * cell));
    }
    p.setFont(word_font(24 * kScale));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            p.drawText(QRect(origin + QPoint(c * cell, r * cell), QSize(cell, cell)),
                       Qt::AlignCenter, QString::number(square[r][c]));
        }
    }
    p.setFont(word_font(20 * kScale));
    p.setPen(QColor(255, 240, 120));
    const char* sums[] = {"3 + 4 = 7", "12 \u00F7 3 = 4", "5 x 6 = 30"};
    for (int i = 0; i < 3; ++i) {
        p.drawText(QPoint(170 * kScale, (90 + 45 * i) * kScale), QString::fromUtf8(sums[i]));
    }
    return image;
}

bool save(QImage image, const QString& path) {
    const int dots_per_metre = qRound(kDotsPerInch / kMetresPerInch);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    if (!image.save(path, "JPEG", 92)) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures <output folder> [language...]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("Images") || !out.mkpath("opening")) {
        std::fprintf(stderr, "make_pictures: cannot make the picture folders\n");
        return 1;
    }
    bool ok = true;
    for (const Button& b : kButtons) {
        ok = save(paint_button(b), out.filePath(QString("Images/") + b.file)) && ok;
    }
    for (int i = 2; i < argc; ++i) {
        const QString language = QString::fromLocal8Bit(argv[i]);
        QTranslator words;
        if (!words.load(out.filePath("translations/chalkline_" + language + ".qm")) ||
            !QCoreApplication::installTranslator(&words) || !out.mkpath("Images/" + language)) {
            std::fprintf(stderr, "make_pictures: no translation for %s\n", argv[i]);
            return 1;
        }
        for (const Button& b : kButtons) {
            ok = save(paint_button(b), out.filePath("Images/" + language + '/' + b.file)) && ok;
        }
        QCoreApplication::removeTranslator(&words);
    }
    ok = save(paint_menu(), out.filePath("Images/menu1.jpg")) && ok;
    ok = save(paint_title(), out.filePath("opening/vorlen00.jpg")) && ok;
    return ok ? 0 : 1;
}
