// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"
#include "ink_logic.h"

#include <QImage>
#include <QPointer>

#include <vector>

namespace shell {

class Announcer;
class PenStrip;

// What a press on the screen does: with the pen off it reaches the screen as ever; on,
// it draws in the pen's colour, or erases the strokes it touches.
enum class PenMode { Off, Draw, Erase };

// The pen's colours, in the order of the tool strip and of Alt+1 to Alt+4: white,
// yellow, red and black, which read on the activities' blue and on the menus.
inline constexpr int kPenColours = 4;
QColor pen_colour(int index);
// What a screen reader calls the pen of that colour ("Red pen").
QString pen_colour_name(int index);

// The pen layer of a screen: ink written over it with a finger, a stylus or the mouse.
// It covers the design area, above every control and below the covers (the blank screen,
// the list of keys), with its tool strip in a corner. The ink is kept in twips on the
// design, so that it stays over the same numbers at any scale, and drawn from a picture
// of the finished strokes made once at the scale in use: a new piece of a stroke paints
// only its own small rectangle, and the rest of the screen never waits for the ink.
//
// With the pen off the layer lets every click, tap and drag through to the screen, and
// the ink stays. With the pen on it takes them all: a stroke that starts on a button
// does not press it. The pen goes off when the layer's screen is shown anew.
class InkLayer : public QWidget {
public:
    explicit InkLayer(Form& form);

    PenMode mode() const { return mode_; }
    // The colour the pen draws in (shared by every screen, the last one chosen).
    static int colour();

    // What the tool strip and the keys do; each tells a screen reader what it did.
    void toggle_pen();
    void choose_colour(int index);
    void choose_eraser();
    void clear_board();
    void undo();
    // Ctrl+S: the board as it is seen, ink included, as a PNG picture (board_file.h).
    void save_board();

    // The ink of a new problem: none, with nothing to take back; the pen stays as it is.
    void forget();
    // The pen off and no ink: the screen shown anew.
    void reset();

    const InkSheet& sheet() const { return sheet_; }
    // Adds a finished stroke through points in twips, as the pen would draw it (the
    // benchmark fills a screen with ink so).
    void add_stroke(const std::vector<QPointF>& points, int colour);
    // The bytes the ink takes: its points and the picture of its strokes.
    std::size_t ink_bytes() const;
    PenStrip* strip() const { return strip_; }
    // The line that says where the board was saved, or why not (empty when hidden).
    QString status() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;

private:
    void set_mode(PenMode mode);
    void announce(const QString& text);
    void show_status(const QString& text);
    // Follows the stage: same place and size; the strip and the status line with it.
    void follow_stage();

    // A gesture of the pen, in pixels of the layer.
    void press_at(QPointF at);
    void move_to(QPointF at);
    void release_at(QPointF at);
    // Ends the stroke being drawn and keeps it.
    void finish_stroke();
    QPointF twips(QPointF pixels) const;

    // The picture of the strokes, made at the scale in use when it is missing.
    void ensure_picture();
    void draw_all();
    // Draws again, on the picture, the strokes that cross the box (after some went).
    void draw_again(const InkBox& box);
    // Paints the newest piece of the stroke being drawn onto the picture.
    void draw_newest_piece();
    // After strokes went: what changed is drawn again, and the memory of an empty
    // board is let go.
    void ink_changed(const InkBox& box);
    // Pixels of the layer that a box of twips covers, stroke width included.
    QRect pixels(const InkBox& box) const;
    QRect device(const QRect& logical) const;
    // The rectangle of the stroke's last piece, from its last midpoint to the pen.
    QRect tail_rect() const;

    Form& form_;
    InkSheet sheet_;
    QImage picture_;
    InkBox inked_;
    PenMode mode_ = PenMode::Off;
    bool pressed_ = false;
    InkPoint last_erased_at_;
    QPointF eraser_at_{-1, -1};
    QPointF last_at_;
    int touch_id_ = -1;
    PenStrip* strip_ = nullptr;
    QPointer<Announcer> announcer_;
    class QLabel* status_ = nullptr;
    class QTimer* status_timer_ = nullptr;
};

// The pen layer of the form, made the first time with its tool strip and its keys. The
// program's window calls it as it shows a screen: the ink of an earlier showing goes and
// the pen is off.
InkLayer& start_ink(Form& form);
// The form's pen layer, or nullptr when it has none.
InkLayer* ink_layer(const Form& form);
// A new problem (Next, a kind chosen): the form's ink goes.
void clear_ink(Form& form);

} // namespace shell
