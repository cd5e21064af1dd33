#include "controls.h"

#include "forms.h"
#include "pictures.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

// The faces the screens name are Windows faces, and their captions were fitted to them.
// Where they are not installed, free faces of about their widths stand in, rather than
// the much wider default, so that captions stay on their lines.
void install_font_substitutes() {
    QFont::insertSubstitutions("Tahoma", {"DejaVu Sans Condensed", "Liberation Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
}

// Raises the control's click handler when the button is clicked. The handler is copied
// first: it may unload the form, and the control with it.
void forward_clicks(QAbstractButton* button, Control* control) {
    QObject::connect(button, &QAbstractButton::clicked, button, [control] {
        if (auto handler = control->on_click) {
            const int i = control->index();
            run_handler([&] { handler(i); });
        }
    });
}

QFont make_font(const FontSpec& design) {
    static const bool substituted = (install_font_substitutes(), true);
    (void)substituted;
    QFont font(design.face);
    font.setPixelSize(font_px(design.size));
    font.setBold(design.bold);
    font.setStrikeOut(design.strikeout);
    return font;
}

void set_palette_colour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
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
    copy->align_ = align_;
    copy->font_ = font_;
    copy->on_change = on_change;
    copy_common_to(*copy);
    copy->setVisible(false);
    return copy;
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    if (opaque_) {
        painter.fillRect(area, back_);
    }
    const int edge = border_ ? std::max(1, reference_px(1)) : 0;
    if (border_) {
        painter.setPen(QPen(kBlack, edge, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const double half = edge / 2.0;
        painter.drawRect(QRectF(area).adjusted(half, half, -half, -half));
    }
    const QRect inner = area.adjusted(edge + 1, edge, -edge - 1, -edge);
    const int flags = int(align_) | Qt::TextWordWrap;
    // Captions were fitted to faces this machine may not have; where the stand-in face
    // makes a caption overflow its label, it is drawn a little smaller rather than cut.
    QFont face = font();
    while (face.pixelSize() > 6 &&
           QFontMetrics(face).boundingRect(inner, flags, text()).height() > inner.height()) {
        face.setPixelSize(face.pixelSize() - 1);
    }
    painter.setFont(face);
    painter.setPen(isEnabled() ? fore_ : QColor(128, 128, 128));
    painter.drawText(inner, flags, text());
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
    picture_ = load_picture(path);
    path_ = path;
    setAccessibleName(picture_word(path));
    update();
}

void PictureButton::set_tab_stop(bool tab_stop) {
    setFocusPolicy(tab_stop ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, QColor(192, 192, 192));
    // Pressed, the picture sinks by a pixel and darkens a little.
    const int shift = isDown() ? 1 : 0;
    const QRect inner = area.adjusted(1 + shift, 1 + shift, -1 + shift, -1 + shift);
    painter.drawPixmap(inner.topLeft(), scaled_picture(picture_, inner.size()));
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

// ---- OptionButton ----

OptionButton::OptionButton(QWidget* parent, const QString& name, const QString& caption)
    : QRadioButton(caption, parent), Control(this) {
    setObjectName(name);
    setAutoFillBackground(true);
    forward_clicks(this, this);
    apply_scale();
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
        painter.drawText(rect().adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption_);
    }
}

// ---- PictureBox ----

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent), Control(this) {
    setObjectName(name);
    apply_scale();
}

void PictureBox::set_picture_file(const QString& path) {
    picture_ = load_picture(path);
    update();
}
void PictureBox::set_back_colour(const QColor& colour) {
    back_ = colour;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    painter.drawPixmap(0, 0, scaled_picture(picture_, size()));
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
