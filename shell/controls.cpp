// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "accessibility.h"
#include "button_faces.h"
#include "captions.h"
#include "colours.h"
#include "fonts.h"

#include "handlers.h"
#include "language.h"
#include "pictures.h"
#include "screens.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace shell {

namespace {

// Raises the control's click handler when the button is clicked, unless its screen has
// been left (a screen reader's press can come late). The handler is copied first: it may
// unload the form, and the control with it.
void forward_clicks(QAbstractButton* button, Control* control) {
    QObject::connect(button, &QAbstractButton::clicked, button, [button, control] {
        if (auto handler = control->on_click; handler && takes_input(button)) {
            const int i = control->index();
            run_handler([&] { handler(i); });
        }
    });
}

void set_palette_colour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// The size in device pixels of a logical size on the widget's screen.
QSize device_size(const QWidget* widget, QSize size) {
    const qreal dpr = widget->devicePixelRatioF();
    return QSize(qRound(size.width() * dpr), qRound(size.height() * dpr));
}

// A button that the style draws: its caption's font fits the style's place for the
// caption, less a margin that keeps the glyphs clear of the edge.
QFont button_caption_font(const QAbstractButton& button, const QStyleOptionButton& option,
                          QStyle::SubElement place, Qt::Alignment alignment) {
    const int margin = reference_px(2);
    const QRect box = button.style()->subElementRect(place, &option, &button);
    return fitted_layout(button.font(), box.adjusted(margin, margin, -margin, -margin), alignment,
                         false, button.text())
        ->font();
}

void draw_button(QAbstractButton* button, QStyleOptionButton option, QStyle::ControlElement look,
                 const QFont& font) {
    QStylePainter painter(button);
    painter.setFont(font);
    option.fontMetrics = painter.fontMetrics();
    painter.drawControl(look, option);
}

} // namespace

// ---- Control ----

void Control::set_left(double twips) {
    left_ = twips;
    apply_scale();
}
void Control::set_top(double twips) {
    top_ = twips;
    apply_scale();
}
void Control::set_width(double twips) {
    width_ = twips;
    apply_scale();
}
void Control::set_height(double twips) {
    height_ = twips;
    apply_scale();
}
void Control::move(double left, double top, double width, double height) {
    store_geometry(left, top, width, height);
    apply_scale();
}
void Control::store_geometry(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

bool Control::visible() const {
    QWidget* parent = self_->parentWidget();
    return parent ? self_->isVisibleTo(parent) : self_->isVisible();
}

void Control::apply_scale() {
    self_->setGeometry(px(left_), px(top_), px(width_), px(height_));
}

// The pointer in twips from the control's corner. It is worked out from the pointer's
// place on the whole design less the control's corner in twips, not from the pixels
// inside the control, whose corner is rounded to a whole pixel: so a handler gets the
// same twips at every scale, and a drop on the exact edge of a band stays on the edge.
MouseArgs Control::mouse_args(const QMouseEvent* event) const {
    const double tpp = twips_per_pixel();
    QPointF at = event->position() * tpp;
    for (const QWidget* w = self_; w; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        if (auto* form = dynamic_cast<const Form*>(parent); form && form->stage() == w) {
            at = self_->mapTo(w, event->position()) * tpp;
            for (const QWidget* c = self_; c != w; c = c->parentWidget()) {
                const auto* control = dynamic_cast<const Control*>(c);
                at -= control ? QPointF(control->left(), control->top()) : QPointF(c->pos()) * tpp;
            }
            break;
        }
    }
    return {event->buttons() | event->button(), event->modifiers(), at.x(), at.y()};
}

void Control::copy_common_to(Control& other) const {
    other.on_click = on_click;
    other.on_mouse_move = on_mouse_move;
    other.on_mouse_up = on_mouse_up;
    other.move(left_, top_, width_, height_);
    other.set_enabled(enabled());
}

// ---- Label ----

Label::Label(QWidget* parent, const QString& name) : QLabel(parent), Control(this) {
    setObjectName(name);
    setMouseTracking(true);
    setWordWrap(true);
    apply_scale();
}

void Label::set_caption(const QString& caption) {
    if (caption == text()) {
        return;
    }
    setText(caption);
    if (on_change) {
        run_handler([&] { on_change(index()); });
    }
}

void Label::set_fore_colour(const QColor& colour) {
    fore_ = colour;
    update();
}
void Label::set_back_colour(const QColor& colour) {
    back_ = colour;
    update();
}
void Label::set_opaque(bool opaque) {
    if (opaque_ != opaque) {
        opaque_ = opaque;
        update();
    }
}
void Label::set_border(bool border) {
    border_ = border;
    update();
}
void Label::set_border_colour(const QColor& colour) {
    border_colour_ = colour;
    update();
}
void Label::set_border_width(int width) {
    border_width_ = width;
    update();
}
void Label::set_alignment(Qt::Alignment alignment) {
    align_ = alignment;
    update();
}
void Label::set_font_spec(const FontSpec& font) {
    font_ = font;
    apply_scale();
}

void Label::apply_scale() {
    Control::apply_scale();
    setFont(make_font(font_));
}

Label* Label::clone(int index) const {
    auto* copy = new Label(parentWidget(), objectName());
    copy->set_index(index);
    copy->setText(text());
    copy->fore_ = fore_;
    copy->back_ = back_;
    copy->opaque_ = opaque_;
    copy->border_ = border_;
    copy->border_colour_ = border_colour_;
    copy->border_width_ = border_width_;
    copy->align_ = align_;
    copy->font_ = font_;
    copy->as_written_ = as_written_;
    copy->on_change = on_change;
    copy_common_to(*copy);
    copy->setVisible(false);
    return copy;
}

QRect Label::caption_box() const {
    // Glyphs keep a pixel clear of the edge (and of a border), so that neighbouring
    // captions never run together. A widened border draws over that room, not into the
    // caption.
    const int inset = reference_px(border_ ? 3 : 2);
    return rect().adjusted(inset, inset, -inset, -inset);
}

QString Label::shown_text() const {
    return as_written_ ? text() : reader_text(text());
}

QFont Label::caption_font() const {
    return fitted_font(font(), caption_box(), align_, true, shown_text());
}

// The colour behind the caption: its own back, or its container's (its background
// picture's, where it has one).
QColor Label::backdrop() const {
    if (opaque_) {
        return back_;
    }
    for (const QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (const auto* frame = dynamic_cast<const Frame*>(w)) {
            return frame->back_colour();
        }
        if (const auto* form = dynamic_cast<const Form*>(w)) {
            const QPixmap picture = form->background_as_drawn();
            return picture.isNull() ? form->back_colour() : average_colour(picture);
        }
    }
    return kBlack;
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    if (opaque_) {
        painter.fillRect(area, back_);
    }
    if (border_) {
        const int edge = reference_px(border_width_);
        painter.setPen(QPen(border_colour_, edge, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const double half = edge / 2.0;
        painter.drawRect(QRectF(area).adjusted(half, half, -half, -half));
    }
    // Numbers and signs are drawn as the reader writes them; the caption keeps the
    // program's own form.
    const auto layout = fitted_layout(font(), caption_box(), align_, true, shown_text());
    if (!isEnabled()) {
        const QColor back = backdrop();
        const QColor grey = greyed_text(back);
        const double offset = reference_px(1);
        painter.setPen(engraving(grey, back));
        layout->draw(&painter, QPointF(offset, offset));
        painter.setPen(grey);
    } else {
        painter.setPen(fore_);
    }
    layout->draw(&painter, QPointF());
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    // Look the args up before the handler runs: it may unload the whole form.
    const MouseArgs args = mouse_args(event);
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    const int i = index();
    auto up = on_mouse_up;
    auto clicked = on_click;
    run_handler([&] {
        if (up) {
            up(i, args);
        }
        if (click && clicked) {
            clicked(i);
        }
    });
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    if (on_mouse_move) {
        const MouseArgs args = mouse_args(event);
        run_handler([&] { on_mouse_move(index(), args); });
    }
}

// ---- PictureButton ----

PictureButton::PictureButton(QWidget* parent, const QString& name)
    : QPushButton(parent), Control(this) {
    setObjectName(name);
    forward_clicks(this, this);
    apply_scale();
}

void PictureButton::set_picture_file(const QString& path) {
    picture_ = picture_or_none(path);
    path_ = path;
    setAccessibleName(picture_word(path));
    // Decoded now, while the screen loads, not at its first paint.
    painted_pixmap(picture_, device_size(this, picture_area().size()), devicePixelRatioF());
    update();
}

// Inside the one-pixel edge.
QRect PictureButton::picture_area() const {
    return rect().adjusted(1, 1, -1, -1);
}

void PictureButton::set_tab_stop(bool tab_stop) {
    setFocusPolicy(tab_stop ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, QColor(192, 192, 192));
    // Pressed, the picture sinks by a pixel and darkens a little.
    const QRect inner = picture_area().translated(isDown() ? QPoint(1, 1) : QPoint());
    const QPixmap pixmap =
        painted_pixmap(picture_, device_size(this, inner.size()), devicePixelRatioF());
    if (!pixmap.isNull()) {
        painter.drawPixmap(inner.topLeft(), pixmap);
    } else if (!path_.isEmpty()) {
        // Without its picture the button draws its face: its word on its colours.
        paint_button_face(painter, inner, button_face(picture_word(path_)), reference_px(1));
    }
    if (isDown()) {
        painter.fillRect(inner, QColor(0, 0, 0, 50));
    }
    // The bevel: light above and left, dark below and right, a reference pixel wide.
    const int w = reference_px(1);
    const QColor light(255, 255, 255), dark(64, 64, 64);
    painter.fillRect(0, 0, area.width(), w, isDown() ? dark : light);
    painter.fillRect(0, 0, w, area.height(), isDown() ? dark : light);
    painter.fillRect(0, area.height() - w, area.width(), w, isDown() ? light : dark);
    painter.fillRect(area.width() - w, 0, w, area.height(), isDown() ? light : dark);
    if (hasFocus()) {
        painter.setPen(QPen(kBlack, 1, Qt::DotLine));
        painter.drawRect(area.adjusted(3, 3, -4, -4));
    }
}

// ---- CommandButton ----

CommandButton::CommandButton(QWidget* parent, const QString& name, const QString& caption)
    : QPushButton(caption, parent), Control(this) {
    setObjectName(name);
    forward_clicks(this, this);
    apply_scale();
}

void CommandButton::set_font_spec(const FontSpec& font) {
    font_ = font;
    apply_scale();
}

void CommandButton::apply_scale() {
    Control::apply_scale();
    setFont(make_font(font_));
}

QFont CommandButton::caption_font() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return button_caption_font(*this, option, QStyle::SE_PushButtonContents, Qt::AlignCenter);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    draw_button(this, option, QStyle::CE_PushButton, caption_font());
}

// ---- OptionButton ----

OptionButton::OptionButton(QWidget* parent, const QString& name, const QString& caption)
    : QRadioButton(caption, parent), Control(this) {
    setObjectName(name);
    setAutoFillBackground(true);
    forward_clicks(this, this);
    apply_scale();
    renew_reader_interface(this);
}

void OptionButton::set_fore_colour(const QColor& colour) {
    set_palette_colour(this, QPalette::WindowText, colour);
}
void OptionButton::set_back_colour(const QColor& colour) {
    // The style fills an option button with the Button role, not Window.
    set_palette_colour(this, QPalette::Window, colour);
    set_palette_colour(this, QPalette::Button, colour);
}
void OptionButton::set_font_spec(const FontSpec& font) {
    font_ = font;
    apply_scale();
}
void OptionButton::apply_scale() {
    Control::apply_scale();
    setFont(make_font(font_));
}

QFont OptionButton::caption_font() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return button_caption_font(*this, option, QStyle::SE_RadioButtonContents,
                               Qt::AlignLeft | Qt::AlignVCenter);
}

void OptionButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    draw_button(this, option, QStyle::CE_RadioButton, caption_font());
}

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

// ---- Frame ----

Frame::Frame(QWidget* parent, const QString& name) : QFrame(parent), Control(this) {
    setObjectName(name);
    setMouseTracking(true);
    apply_scale();
}

void Frame::set_back_colour(const QColor& colour) {
    back_ = colour;
    update();
}
void Frame::set_border(bool border) {
    border_ = border;
    update();
}
void Frame::set_caption(const QString& caption) {
    caption_ = caption;
    update();
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (border_) {
        // An etched line: dark grey with a white line inside it, each a reference pixel
        // wide, so it grows with the factor.
        const int w = reference_px(1);
        const QRectF r = QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w * 1.5, -w * 1.5);
        painter.setPen(QPen(QColor(128, 128, 128), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(r);
        painter.setPen(QPen(kWhite, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(r.translated(w, w));
    }
    if (!caption_.isEmpty()) {
        painter.setPen(kBlack);
        draw_caption(painter, caption_box(), Qt::AlignLeft | Qt::AlignTop, false, caption_);
    }
}

QFont Frame::caption_font() const {
    return fitted_font(font(), caption_box(), Qt::AlignLeft | Qt::AlignTop, false, caption_);
}

// ---- PictureBox ----

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent), Control(this) {
    setObjectName(name);
    apply_scale();
}

void PictureBox::set_picture_file(const QString& path) {
    picture_ = picture_or_none(path);
    // Decoded now, while the screen loads, not at its first paint.
    painted_pixmap(picture_, device_size(this, size()), devicePixelRatioF());
    update();
}
void PictureBox::set_back_colour(const QColor& colour) {
    back_ = colour;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    painter.drawPixmap(0, 0,
                       painted_pixmap(picture_, device_size(this, size()), devicePixelRatioF()));
}

// ---- Line ----

Line::Line(QWidget* parent, const QString& name) : QWidget(parent), Control(this) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::set_points(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    place();
}
void Line::set_border_colour(const QColor& colour) {
    colour_ = colour;
    update();
}
void Line::set_border_width(int width) {
    border_width_ = width;
    place();
}
void Line::apply_scale() {
    place();
}

// The widget covers the line's bounding box, widened by the line's width.
void Line::place() {
    const double pad = (border_width_ + 1) * 15.0;
    store_geometry(std::min(x1_, x2_) - pad, std::min(y1_, y2_) - pad,
                   std::fabs(x2_ - x1_) + 2 * pad, std::fabs(y2_ - y1_) + 2 * pad);
    Control::apply_scale();
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double tpp = twips_per_pixel();
    const QPointF origin(px(left()), px(top()));
    const QPointF a = QPointF(x1_ / tpp, y1_ / tpp) - origin;
    const QPointF b = QPointF(x2_ / tpp, y2_ / tpp) - origin;
    painter.setPen(QPen(colour_, reference_px(border_width_), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(a, b);
}

// ---- Shape ----

Shape::Shape(QWidget* parent, const QString& name) : QWidget(parent), Control(this) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    apply_scale();
}

void Shape::set_border_colour(const QColor& colour) {
    colour_ = colour;
    update();
}
void Shape::set_border_width(int width) {
    border_width_ = width;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = reference_px(border_width_);
    painter.setPen(QPen(colour_, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const double half = w / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

// ---- VScrollBar ----

VScrollBar::VScrollBar(QWidget* parent, const QString& name)
    : QScrollBar(Qt::Vertical, parent), Control(this) {
    setObjectName(name);
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (on_change) {
            auto handler = on_change;
            const int i = index();
            run_handler([&] { handler(i); });
        }
    });
    apply_scale();
}

} // namespace shell
