// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "accessibility.h"
#include "display.h"
#include "handlers.h"
#include "pictures.h"
#include "program_window.h"
#include "screens.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

namespace shell {

namespace {

template <class F> void for_each_control(const QObject* root, F&& f) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (auto* c = dynamic_cast<Control*>(w)) {
            f(c);
        }
    }
}

} // namespace

Form::Form(const QString& name, double width, double height) : QWidget(program_window()) {
    // Before anything asks for the screen's reader interface (naming it does), so that
    // the first screen too is read as the program's own, not as a bare filler.
    install_accessibility();
    // Hidden until a move shows it; a child would otherwise show with its window.
    hide();
    stage_ = new QWidget(this);
    setObjectName(name);
    setMouseTracking(true);
    // The stage passes pointer movement on (it tracks the pointer, so the toolkit does
    // not drop the movement there): over the background it reaches the form.
    stage_->setObjectName("stage");
    stage_->setMouseTracking(true);
    // The form paints every pixel itself, so the toolkit need not fill it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    set_outer_size(width, height);
}

Form::~Form() {
    if (auto* window = dynamic_cast<ProgramWindow*>(parentWidget())) {
        window->release(*this);
    }
    forget_form(*this);
}

void Form::set_caption(const QString& caption) {
    setWindowTitle(caption);
    if (is_shown()) {
        window()->setWindowTitle(caption);
    }
}

bool Form::is_shown() const {
    const auto* window = dynamic_cast<const ProgramWindow*>(parentWidget());
    return window && window->shown() == this;
}

void Form::set_back_colour(const QColor& colour) {
    back_ = colour;
    update();
}

void Form::set_background_picture(const Picture& picture) {
    picture_ = picture;
    background_pixmap();
    update();
}

// The part of the background picture on the stage, at its own size for the scale in use
// and the screen's pixel ratio.
QPixmap Form::background_pixmap() const {
    return background_for(picture_, stage_->size(), devicePixelRatioF());
}

namespace {

// The size a background picture shows at, and the part of it on a stage of that size
// (empty when all of it shows), in device pixels.
std::pair<QSize, QRect> background_area(const Picture& picture, QSize stage, qreal dpr) {
    const double device_twips = twips_per_pixel() / dpr;
    const QSizeF own = picture.own_size();
    const QRect shown(0, 0, qRound(own.width() / device_twips),
                      qRound(own.height() / device_twips));
    const QRect area(0, 0, qRound(stage.width() * dpr), qRound(stage.height() * dpr));
    const QRect visible = shown.intersected(area);
    return {shown.size(), visible == shown ? QRect() : visible};
}

} // namespace

QPixmap background_for(const Picture& picture, QSize stage, qreal dpr) {
    const auto [size, clip] = background_area(picture, stage, dpr);
    return painted_pixmap(picture, size, dpr, clip);
}

bool background_ready(const Picture& picture, QSize stage, qreal dpr) {
    const auto [size, clip] = background_area(picture, stage, dpr);
    return pixmap_ready(picture, size, dpr, clip);
}

void Form::set_outer_size(double width, double height) {
    width_ = width;
    height_ = height;
    fit_stage();
}

void Form::set_left(double twips) {
    left_ = twips;
    placed_for_ = {screen_in_use(), twips_per_pixel()};
    move_window();
}

void Form::set_top(double twips) {
    top_ = twips;
    placed_for_ = {screen_in_use(), twips_per_pixel()};
    move_window();
}

void Form::move_window() {
    if (!full_screen() && is_shown()) {
        const QScreen* screen = placed_for_.screen;
        const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
        window()->move(origin + QPoint(px(left_), px(top_)));
    }
}

// The place in twips holds for the screen and the scale it was worked out for; on
// another screen, or after full screen, the placement rule works it out again.
void Form::place_window() {
    const bool current =
        placed_for_.screen == screen_in_use() && placed_for_.twips_per_pixel == twips_per_pixel();
    if (!current && placement_) {
        window()->setScreen(screen_in_use());
        placement_(*this);
    } else {
        move_window();
    }
}

void Form::fit_stage() {
    const QSize design(px(width_), px(height_));
    QSize area = design;
    QWidget* window = this->window();
    if (full_screen()) {
        const QScreen* screen = screen_in_use();
        area = screen ? screen->geometry().size() : design;
        if (is_shown()) {
            window->setMinimumSize(0, 0);
            window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            if (window->isFullScreen() && window->isVisible()) {
                area = window->size();
            }
        }
    } else if (is_shown() && !program_window()->full_screen_on()) {
        // Not while the window is still full screen: sizing it would drop its full-screen
        // state here without telling a Wayland compositor, which keeps it full screen.
        window->setFixedSize(design);
    }
    resize(area);
    centre_stage();
}

void Form::centre_stage() {
    const QSize design(px(width_), px(height_));
    const QPoint corner((width() - design.width()) / 2, (height() - design.height()) / 2);
    stage_->setGeometry(QRect(full_screen() ? corner : QPoint(), design));
}

void Form::present() {
    ProgramWindow* window = program_window();
    QScreen* screen = screen_in_use();
    const bool was_shown = is_shown() && window->isVisible();
    window->hold(*this);
    if (full_screen()) {
        if (was_shown && !window->full_screen_on()) {
            window_place_ = WindowPlace{window->pos(), window->screen()};
        }
        // A move between screens leaves a full-screen window as it is: sizing it again
        // would drop its full-screen state where the platform does not see it.
        if (window->full_screen_on() != screen || window->geometry() != screen->geometry()) {
            window->setScreen(screen);
            fit_stage();
            window->setGeometry(screen->geometry());
            window->showFullScreen();
            window->set_full_screen_on(screen);
        }
        fit_stage();
    } else {
        window->leave_full_screen();
        fit_stage();
        if (window_place_ && window_place_->screen == screen) {
            window->move(window_place_->corner);
        } else {
            place_window();
        }
        window_place_.reset();
        window->show();
    }
    show();
    raise();
}

Control* Form::control(const QString& name) const {
    for (QWidget* w : findChildren<QWidget*>()) {
        if (auto* c = dynamic_cast<Control*>(w);
            c && c->index() < 0 && w->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            return c;
        }
    }
    return nullptr;
}

Control* Form::element(const QString& name, int index) const {
    for (QWidget* w : findChildren<QWidget*>()) {
        if (auto* c = dynamic_cast<Control*>(w);
            c && c->index() == index && index >= 0 &&
            w->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            return c;
        }
    }
    return nullptr;
}

std::vector<Control*> Form::elements(const QString& name) const {
    std::vector<Control*> found;
    for_each_control(this, [&](Control* c) {
        if (c->index() >= 0 && c->name().compare(name, Qt::CaseInsensitive) == 0) {
            found.push_back(c);
        }
    });
    std::sort(found.begin(), found.end(),
              [](const Control* a, const Control* b) { return a->index() < b->index(); });
    return found;
}

Label* Form::load_element(const QString& name, int index) {
    if (auto* existing = get<Label>(name, index)) {
        return existing;
    }
    auto* first = get<Label>(name, 0);
    return first ? first->clone(index) : nullptr;
}

Label* Form::add_label(QWidget* parent, const LabelSpec& design) {
    auto* label = add<Label>(parent, design.name);
    label->set_index(design.index);
    label->move(design.left, design.top, design.width, design.height);
    label->setText(design.caption);
    label->set_font_spec(design.font);
    label->set_fore_colour(design.fore);
    label->set_back_colour(design.back);
    label->set_opaque(design.opaque);
    label->set_border(design.border);
    label->set_alignment(design.align);
    label->set_visible(design.visible);
    label->set_enabled(design.enabled);
    return label;
}

Timer* Form::add_timer(const QString& name, int interval_ms, bool enabled) {
    return new Timer(this, name, interval_ms, enabled);
}

// Timers have no meta-object of their own, so they are told apart by dynamic_cast.
Timer* Form::timer(const QString& name) const {
    for (QObject* child : children()) {
        auto* t = dynamic_cast<Timer*>(child);
        if (t && t->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            return t;
        }
    }
    return nullptr;
}

std::vector<Timer*> Form::timers() const {
    std::vector<Timer*> found;
    for (QObject* child : children()) {
        if (auto* t = dynamic_cast<Timer*>(child)) {
            found.push_back(t);
        }
    }
    return found;
}

void Form::kill_timers() {
    for (Timer* t : timers()) {
        t->kill();
    }
}

void Form::pause_timers(bool paused) {
    for (Timer* t : timers()) {
        t->set_paused(paused);
    }
}

void Form::apply_scale() {
    fit_stage();
    if (!full_screen() && !window_place_) {
        place_window();
    }
    for_each_control(this, [](Control* c) { c->apply_scale(); });
    update();
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    centre_stage();
}

// Every pixel is painted once (a full screen is many of them): the black margins, the
// back colour where the picture does not reach, and the picture.
void Form::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect design = stage_->geometry();
    const QPixmap picture = background_pixmap();
    const QRect pictured =
        picture.isNull()
            ? QRect()
            : QRect(design.topLeft(), picture.deviceIndependentSize().toSize()) & design;
    for (const QRect& margin : QRegion(rect()) - design) {
        painter.fillRect(margin, kBlack);
    }
    for (const QRect& uncovered : QRegion(design) - pictured) {
        painter.fillRect(uncovered, back_);
    }
    painter.drawPixmap(design.topLeft(), picture);
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position() - QPointF(design_origin());
    const MouseArgs args{event->buttons(), event->modifiers(), p.x() * twips_per_pixel(),
                         p.y() * twips_per_pixel()};
    run_handler([&] { Form_MouseMove(args); });
}

} // namespace shell
