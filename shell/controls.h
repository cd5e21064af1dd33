// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "captions.h"
#include "fonts.h"
#include "pictures.h"
#include "twips.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include <functional>

class QPainter;

namespace shell {

// Where the pointer is, in twips, with the buttons and keys held. Control events give
// the position in the control's own coordinates, form events in the form's.
struct MouseArgs {
    Qt::MouseButtons button;
    Qt::KeyboardModifiers shift;
    double x;
    double y;
};

// What every named control has: a place and size in twips inside its container, the
// visible and enabled flags, and its event handlers. Elements of a control array share
// their name and carry their index, which every handler receives (-1 outside arrays).
class Control {
public:
    explicit Control(QWidget* self) : self_(self) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QWidget* widget() const { return self_; }
    QString name() const { return self_->objectName(); }
    int index() const { return index_; }
    void set_index(int index) { index_ = index; }

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void set_left(double twips);
    void set_top(double twips);
    void set_width(double twips);
    void set_height(double twips);
    void move(double left, double top, double width, double height);

    // The control's own flag, whatever its form or container shows.
    bool visible() const;
    void set_visible(bool visible) { self_->setVisible(visible); }
    bool enabled() const { return self_->isEnabled(); }
    void set_enabled(bool enabled) { self_->setEnabled(enabled); }

    // Puts pixels to the twips again after the twips factor has changed.
    virtual void apply_scale();

    std::function<void(int index)> on_click;
    std::function<void(int index, const MouseArgs&)> on_mouse_move;
    std::function<void(int index, const MouseArgs&)> on_mouse_up;

protected:
    MouseArgs mouse_args(const class QMouseEvent* event) const;
    // Sets the place and size without applying them.
    void store_geometry(double left, double top, double width, double height);
    void copy_common_to(Control& other) const;

private:
    QWidget* self_;
    int index_ = -1;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// A caption with a transparent or opaque back, an optional single-line border and
// centred or left-aligned text that wraps at its width. Click fires on release of the
// left button over the label; mouse-up fires first. A disabled label raises nothing and
// its pointer movement reaches the control beneath (in the end the form).
class Label : public QLabel, public Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    Label(QWidget* parent, const QString& name);

    QString caption() const { return text(); }
    void set_caption(const QString& caption);
    QColor fore_colour() const { return fore_; }
    void set_fore_colour(const QColor& colour);
    QColor back_colour() const { return back_; }
    void set_back_colour(const QColor& colour);
    bool opaque() const { return opaque_; }
    void set_opaque(bool opaque);
    bool border() const { return border_; }
    void set_border(bool border);
    // A caption of names ("x" the unknown, not the sign) is drawn exactly as written;
    // otherwise its numbers and signs are drawn as the reader's language writes them.
    void set_as_written(bool as_written) { as_written_ = as_written; }
    QColor border_colour() const { return border_colour_; }
    void set_border_colour(const QColor& colour);
    // In pixels at the reference desktop. A wider border does not move the caption.
    int border_width() const { return border_width_; }
    void set_border_width(int width);
    Qt::Alignment alignment() const { return align_; }
    void set_alignment(Qt::Alignment alignment);
    const FontSpec& font_spec() const { return font_; }
    void set_font_spec(const FontSpec& font);
    // The font the caption is drawn in at the label's present size.
    QFont caption_font() const;
    // The caption as it is drawn: in the reader's numbers and signs unless as written.
    QString shown_text() const;

    // A new element of the same array: a copy of this one, invisible.
    Label* clone(int index) const;

    // Forgets a press in progress, so that no click follows it.
    void cancel_press() { pressed_ = false; }

    void apply_scale() override;

    // Fires whenever the caption changes.
    std::function<void(int index)> on_change;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QColor fore_ = kBlack;
    QColor back_{192, 192, 192};
    bool opaque_ = false;
    bool border_ = false;
    QColor border_colour_ = kBlack;
    int border_width_ = 1;
    Qt::Alignment align_ = Qt::AlignHCenter | Qt::AlignTop;
    FontSpec font_;
    bool pressed_ = false;
    bool as_written_ = false;

    QRect caption_box() const;
    QColor backdrop() const;
};

// A command button that shows a picture, smoothly scaled to fill it, and no caption.
// Its accessible name is the word on the picture. The picture is decoded at the size it
// fills; without it (it cannot be read) the button draws its face (button_faces.h), its
// word on its colours, and works as ever.
class PictureButton : public QPushButton, public Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    PictureButton(QWidget* parent, const QString& name);

    // Loads the picture file and decodes it at the size it fills.
    void set_picture_file(const QString& path);
    const Picture& picture() const { return picture_; }
    const QString& picture_path() const { return path_; }
    void set_tab_stop(bool tab_stop);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect picture_area() const;
    Picture picture_;
    QString path_;
};

// A plain push button with a caption (the title screen's OK and Exit).
class CommandButton : public QPushButton, public Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    CommandButton(QWidget* parent, const QString& name, const QString& caption);
    QString caption() const { return text(); }
    void set_caption(const QString& caption) { setText(caption); }
    void set_font_spec(const FontSpec& font);
    void apply_scale() override;
    QFont caption_font() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FontSpec font_{"Tahoma", 8.25, false};
};

// An option button: one choice of a group, the group being its container. A click or
// tap anywhere on its rectangle chooses it, not only on its circle and words.
class OptionButton : public QRadioButton, public Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    OptionButton(QWidget* parent, const QString& name, const QString& caption);

    bool value() const { return isChecked(); }
    // Sets the choice without raising a click.
    void set_value(bool value) { setChecked(value); }
    void set_fore_colour(const QColor& colour);
    void set_back_colour(const QColor& colour);
    QColor back_colour() const { return palette().color(QPalette::Window); }
    QColor fore_colour() const { return palette().color(QPalette::WindowText); }
    const FontSpec& font_spec() const { return font_; }
    void set_font_spec(const FontSpec& font);
    void apply_scale() override;
    QFont caption_font() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    FontSpec font_;
};

// A container with a back colour, an optional etched border and an optional caption.
class Frame : public QFrame, public Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    Frame(QWidget* parent, const QString& name);

    QColor back_colour() const { return back_; }
    void set_back_colour(const QColor& colour);
    bool border() const { return border_; }
    void set_border(bool border);
    QString caption() const { return caption_; }
    void set_caption(const QString& caption);
    // The font the caption is drawn in at the frame's present size.
    QFont caption_font() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect caption_box() const { return rect().adjusted(8, 0, -8, 0); }

    QColor back_{192, 192, 192};
    bool border_ = true;
    QString caption_;
};

// A box that shows a picture smoothly scaled to fill it, on its back colour. The picture
// is decoded at the size it fills.
class PictureBox : public QWidget, public Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    PictureBox(QWidget* parent, const QString& name);

    void set_picture_file(const QString& path);
    const Picture& picture() const { return picture_; }
    QColor back_colour() const { return back_; }
    void set_back_colour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    QColor back_{192, 192, 192};
};

// A straight line from (x1, y1) to (x2, y2) in its container's twips. Its width is in
// pixels at the reference desktop. It never takes the mouse.
class Line : public QWidget, public Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    Line(QWidget* parent, const QString& name);

    void set_points(double x1, double y1, double x2, double y2);
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    void set_border_colour(const QColor& colour);
    QColor border_colour() const { return colour_; }
    void set_border_width(int width);
    int border_width() const { return border_width_; }
    void apply_scale() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor colour_ = kBlack;
    int border_width_ = 1;
};

// A rectangle outline with a border colour and width (pixels at the reference
// desktop). It never takes the mouse.
class Shape : public QWidget, public Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    Shape(QWidget* parent, const QString& name);

    void set_border_colour(const QColor& colour);
    QColor border_colour() const { return colour_; }
    void set_border_width(int width);
    int border_width() const { return border_width_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_ = kBlack;
    int border_width_ = 1;
};

// A vertical scroll bar, its minimum at the top. on_change fires whenever its value
// changes, by the user or by the program.
class VScrollBar : public QScrollBar, public Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    VScrollBar(QWidget* parent, const QString& name);
    std::function<void(int index)> on_change;
};

} // namespace shell
