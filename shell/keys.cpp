// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

#include "accessibility.h"
#include "display.h"
#include "overlays.h"
#include "pictures.h"
#include "program_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <algorithm>
#include <memory>

namespace shell {

namespace {

Form* form_of_object(QObject* object) {
    return shell::form_of(qobject_cast<QWidget*>(object));
}

ScreenKeys* keys_of(Form* form) {
    for (QObject* child : form->children()) {
        if (auto* keys = dynamic_cast<ScreenKeys*>(child)) {
            return keys;
        }
    }
    return nullptr;
}

bool is_modifier(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// The key as the tables name it: Shift+Tab is Backtab whatever sent it, and only Ctrl,
// Alt and Meta count as modifiers.
QKeyCombination normalised(const QKeyEvent* event) {
    const Qt::KeyboardModifiers counted =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    int key = event->key();
    if (key == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier)) {
        key = Qt::Key_Backtab;
    }
    return QKeyCombination(counted, Qt::Key(key));
}

// The pointer arriving on a control: it crosses the form, then lands on the control.
// The form hears of it in design coordinates, from the corner of its stage.
void hover(Form& form, Control* control) {
    QWidget* widget = control->widget();
    const QPoint centre = widget->rect().center();
    const QPoint on_form = widget->mapTo(form.stage(), centre);
    const double tpp = twips_per_pixel();
    form.Form_MouseMove({Qt::NoButton, {}, on_form.x() * tpp, on_form.y() * tpp});
    if (auto handler = control->on_mouse_move) {
        handler(control->index(), {Qt::NoButton, {}, centre.x() * tpp, centre.y() * tpp});
    }
}

// A frame around the focused control, in white with a dark inner line so that it shows
// on the blue screens and on the black menu labels alike. It sits beside the control, in
// front of everything, follows it and never takes the mouse.
class FocusMark : public QWidget {
public:
    FocusMark(QWidget* target, std::function<void()> on_change)
        : QWidget(target->parentWidget()), on_change_(std::move(on_change)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        follow(target);
    }

    void follow(QWidget* target) {
        if (target_ != target) {
            if (target_) {
                target_->removeEventFilter(this);
            }
            target_ = target;
            target_->installEventFilter(this);
        }
        if (parentWidget() != target->parentWidget()) {
            setParent(target->parentWidget());
        }
        place();
        show();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ZOrderChange:
            place();
            break;
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            on_change_();
            break;
        default:
            break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int band = reference_px(3);
        const QRectF outer =
            QRectF(rect()).adjusted(band / 2.0, band / 2.0, -band / 2.0, -band / 2.0);
        painter.setPen(QPen(kWhite, band, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(outer);
        painter.setPen(QPen(kBlack, 1));
        painter.drawRect(QRectF(rect()).adjusted(band + 0.5, band + 0.5, -band - 0.5, -band - 0.5));
    }

private:
    void place() {
        if (!target_) {
            return;
        }
        const int margin = reference_px(4);
        setGeometry(target_->geometry().adjusted(-margin, -margin, margin, margin));
        raise();
    }

    QPointer<QWidget> target_;
    std::function<void()> on_change_;
};

// A click that reaches a screen within the double-click interval of the click that
// opened it is the second tap of a double tap meant for the screen before; it is dropped,
// so a double tap on Exit leaves one screen, not two. Times are the events' own.
class TapGuard {
public:
    // The press (or double click) to drop; its release is dropped with it.
    bool drop_press(Form* form, const QMouseEvent* event) {
        if (guarded_ == form && event->timestamp() - opened_at_ < interval()) {
            dropping_ = true;
            return true;
        }
        if (guarded_ == form) {
            guarded_ = nullptr;
        }
        return false;
    }
    // A drag that the dropped press would start goes with it.
    bool drop_move(Form* form) const { return dropping_ && guarded_ == form; }
    bool drop_release(Form* form, const QMouseEvent* event) {
        if (dropping_ && guarded_ == form) {
            dropping_ = false;
            return true;
        }
        last_release_ = event->timestamp();
        release_known_ = true;
        return false;
    }
    // A screen shown by the click now being handled is guarded from its time.
    void shown(Form* form) {
        if (release_known_) {
            guarded_ = form;
            opened_at_ = last_release_;
            dropping_ = false;
        }
    }
    // Screens opened from the keyboard are not guarded.
    void key_pressed() { release_known_ = false; }

private:
    static quint64 interval() {
        return quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    }

    QPointer<Form> guarded_;
    quint64 opened_at_ = 0;
    quint64 last_release_ = 0;
    bool release_known_ = false;
    bool dropping_ = false;
};

// The centre of the control in twips on its screen's stage.
QPointF centre_on_stage(Control* control) {
    QPointF at(control->width() / 2, control->height() / 2);
    for (QWidget* w = control->widget(); w; w = w->parentWidget()) {
        if (auto* form = dynamic_cast<Form*>(w->parentWidget()); form && form->stage() == w) {
            break;
        }
        const auto* c = dynamic_cast<const Control*>(w);
        at += c ? QPointF(c->left(), c->top()) : QPointF(w->pos()) * twips_per_pixel();
    }
    return at;
}

// Sees every key and click of the program before the control it is meant for: input
// for a screen that has been left goes nowhere (its keys go on to the screen in use),
// keys go to the table of their screen, and the second tap of a double tap is dropped.
// It also knows the control a button is held down on, to let go of it when a cover
// comes over the screen.
class InputFilter : public QObject {
public:
    using QObject::QObject;

    // Ends the press or drag on a control of the form as if the pointer had let go over
    // the place the control was picked up from: a drag goes back where it started, and
    // a button pressed is let go without a click. The rest of that gesture is dropped.
    void let_go(Form& form) {
        Control* control = held_ ? dynamic_cast<Control*>(held_.data()) : nullptr;
        if (!control || shell::form_of(held_) != &form) {
            return;
        }
        let_go_of_ = held_;
        held_ = nullptr;
        if (auto* button = dynamic_cast<QAbstractButton*>(control->widget())) {
            button->setDown(false);
            return;
        }
        if (auto* label = dynamic_cast<Label*>(control)) {
            label->cancel_press();
        }
        if (auto up = control->on_mouse_up) {
            const QPointF at = held_from_ - centre_on_stage(control) +
                               QPointF(control->width() / 2, control->height() / 2);
            const int index = control->index();
            run_handler([&] { up(index, {Qt::LeftButton, {}, at.x(), at.y()}); });
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            if (!takes_input(qobject_cast<QWidget*>(watched))) {
                return pass_on(static_cast<QKeyEvent*>(event));
            }
            return type == QEvent::KeyPress && key_press(watched, static_cast<QKeyEvent*>(event));
        }
        // Mouse, wheel, touch and pen; hovering too.
        const bool pointer = event->isPointerEvent() || type == QEvent::ContextMenu;
        if (pointer && !takes_input(qobject_cast<QWidget*>(watched))) {
            return true;
        }
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (Form* form = form_of_object(watched)) {
                if (guard_.drop_press(form, static_cast<QMouseEvent*>(event))) {
                    return true;
                }
                hold(watched);
            }
            return false;
        case QEvent::MouseMove:
            if (watched == let_go_of_) {
                return true;
            }
            if (Form* form = form_of_object(watched)) {
                return guard_.drop_move(form);
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
                held_ = nullptr;
            }
            if (watched == let_go_of_) {
                if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
                    let_go_of_ = nullptr;
                }
                return true;
            }
            if (Form* form = form_of_object(watched)) {
                return guard_.drop_release(form, static_cast<QMouseEvent*>(event));
            }
            return false;
        case QEvent::Show:
            if (auto* form = dynamic_cast<Form*>(watched)) {
                guard_.shown(form);
            }
            return false;
        default:
            return false;
        }
    }

private:
    // The control the press lands on, and where it stood then.
    void hold(QObject* watched) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (auto* control = dynamic_cast<Control*>(widget)) {
            held_ = widget;
            held_from_ = centre_on_stage(control);
        }
    }

    // A key meant for a screen that has been left: the screen that took its place
    // receives it, so Escape Escape goes two screens back whatever the queue holds.
    bool pass_on(const QKeyEvent* event) {
        Form* current = current_form();
        if (current && current->isVisible()) {
            QWidget* target = current->focusWidget() ? current->focusWidget() : current;
            const std::unique_ptr<QEvent> copy(event->clone());
            QCoreApplication::sendEvent(target, copy.get());
        }
        return true;
    }

    bool key_press(QObject* watched, QKeyEvent* event) {
        Form* form = form_of_object(watched);
        ScreenKeys* keys = form ? keys_of(form) : nullptr;
        if (!keys || is_full_screen_key(event)) {
            return false;
        }
        // A dialog over the screen (Go to problem, a worksheet) takes the keys; none
        // reaches the board beneath it, even where the window system left it the focus.
        if (QApplication::activeModalWidget()) {
            return true;
        }
        guard_.key_pressed();
        if (overlay_open(*form)) {
            if (!is_modifier(event->key()) && !event->isAutoRepeat()) {
                close_overlay(*form);
            }
            return true;
        }
        return keys->key_press(event) || keys->exclusive;
    }

    TapGuard guard_;
    QPointer<QWidget> held_;
    QPointF held_from_;
    QPointer<QWidget> let_go_of_;
};

InputFilter*& input_filter() {
    static InputFilter* filter = nullptr;
    return filter;
}

void install_input_layer() {
    static bool installed = false;
    if (installed || !qApp) {
        return;
    }
    installed = true;
    input_filter() = new InputFilter(qApp);
    qApp->installEventFilter(input_filter());
    install_accessibility();
}

} // namespace

void let_go(Form& form) {
    if (InputFilter* filter = input_filter()) {
        filter->let_go(form);
    }
}

bool press(Control* control) {
    if (!control) {
        return false;
    }
    QWidget* widget = control->widget();
    if (!takes_input(widget) || !widget->isEnabled() || !widget->isVisibleTo(shown_in(widget))) {
        return false;
    }
    if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        button->click();
        return true;
    }
    if (auto handler = control->on_click) {
        const int index = control->index();
        run_handler([&] { handler(index); });
        return true;
    }
    return false;
}

// ---- ScreenKeys ----

ScreenKeys& ScreenKeys::of(Form& form) {
    if (ScreenKeys* keys = keys_of(&form)) {
        return *keys;
    }
    install_input_layer();
    return *new ScreenKeys(form);
}

ScreenKeys::ScreenKeys(Form& form) : QObject(&form), form_(form) {
    if (qApp) {
        connect(qApp, &QApplication::focusChanged, this, [this] { follow_focus(); });
    }
}

void ScreenKeys::add(std::vector<KeyBinding> rows) {
    table_.insert(table_.end(), rows.begin(), rows.end());
}

void ScreenKeys::add_front(std::vector<KeyBinding> rows) {
    table_.insert(table_.begin(), rows.begin(), rows.end());
}

bool ScreenKeys::key_press(const QKeyEvent* event) {
    const QKeyCombination key = normalised(event);
    for (const KeyBinding& row : table_) {
        const auto which = row.keys.indexOf(key);
        if (which < 0) {
            continue;
        }
        if (!event->isAutoRepeat() || row.repeats) {
            // The row is copied: it may unload the screen, and the table with it.
            auto run = row.run;
            run_handler([&] { run(int(which)); });
        }
        return true;
    }
    return false;
}

bool ScreenKeys::reachable(Control* control) const {
    QWidget* widget = control->widget();
    return widget->isEnabled() && widget->isVisibleTo(&form_);
}

Control* ScreenKeys::focused() const {
    QWidget* focus = form_.focusWidget();
    if (!focus || !focus_order) {
        return nullptr;
    }
    for (Control* control : focus_order()) {
        if (control->widget() == focus) {
            return reachable(control) ? control : nullptr;
        }
    }
    return nullptr;
}

void ScreenKeys::focus(Control* control) {
    if (!control || !reachable(control)) {
        return;
    }
    control->widget()->setFocus(Qt::TabFocusReason);
    run_handler([&] { hover(form_, control); });
    follow_focus();
}

void ScreenKeys::step_focus(int step) {
    if (!focus_order) {
        return;
    }
    const auto order = focus_order();
    const auto at = std::find_if(order.begin(), order.end(),
                                 [this](Control* c) { return c->widget() == form_.focusWidget(); });
    step_from(at == order.end() ? -1 : int(at - order.begin()), step);
}

// From the control at `position` in the focus order (-1: none, so the first or the last
// is next) to the next one in reach, round the end and back to the start.
void ScreenKeys::step_from(int position, int step) {
    const auto order = focus_order();
    const int count = int(order.size());
    for (int i = 1; i <= count; ++i) {
        const int next = position < 0 ? (step > 0 ? i - 1 : count - i)
                                      : ((position + step * i) % count + count) % count;
        if (reachable(order[std::size_t(next)])) {
            focus(order[std::size_t(next)]);
            return;
        }
    }
}

void ScreenKeys::press_focused() {
    Control* control = focused();
    if (!control) {
        return;
    }
    const auto order = focus_order();
    const int position = int(std::find(order.begin(), order.end(), control) - order.begin());
    const QString screen = form_.name();
    press(control);
    // The press may have left the screen, which then goes with its next event.
    if (loaded_form(screen) == &form_ && form_.isVisible() && !reachable(control)) {
        step_from(position, +1);
    }
}

QWidget* ScreenKeys::focus_mark() const {
    return mark_ && !mark_->isHidden() ? mark_.data() : nullptr;
}

void ScreenKeys::follow_focus() {
    // A form is hidden before it goes; while it goes down its controls are not asked.
    Control* control = form_.isVisible() ? focused() : nullptr;
    if (!control) {
        if (mark_) {
            mark_->hide();
        }
        return;
    }
    if (!mark_) {
        // The mark may outlive the keyboard while the form goes down.
        QPointer<ScreenKeys> keys(this);
        mark_ = new FocusMark(control->widget(), [keys] {
            if (keys) {
                keys->follow_focus();
            }
        });
    } else {
        static_cast<FocusMark*>(mark_.data())->follow(control->widget());
    }
}

} // namespace shell
