// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "handlers.h"
#include "keys.h"
#include "pictures.h"
#include "program_window.h"
#include "screens.h"
#include "speech.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <typeinfo>
#include <utility>
#include <vector>

namespace shell {

namespace {

QHash<const QObject*, ReaderTraits>& traits_table() {
    static QHash<const QObject*, ReaderTraits> table;
    return table;
}

const ReaderTraits* traits_of(const QObject* object) {
    const auto& table = traits_table();
    const auto found = table.constFind(object);
    return found == table.constEnd() ? nullptr : &found.value();
}

// A label as a screen reader meets it: plain text, or a button (or the role its traits
// give) whose press action does what a click on it does.
class LabelInterface : public QAccessibleWidget {
public:
    explicit LabelInterface(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        if (const ReaderTraits* traits = traits_of(object()); traits && traits->role) {
            return *traits->role;
        }
        return pressable() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const ReaderTraits* traits = traits_of(object());
            if (traits && traits->name) {
                return traits->name();
            }
            return label()->accessibleName().isEmpty() ? speech::words(label()->caption())
                                                       : label()->accessibleName();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = !label()->isVisible();
        state.focusable = pressable();
        if (const ReaderTraits* traits = traits_of(object()); traits && traits->passed_over) {
            state.invisible = true;
        }
        return state;
    }

    QStringList actionNames() const override {
        return pressable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action != pressAction() || !pressable()) {
            return;
        }
        const ReaderTraits* traits = traits_of(object());
        if (traits && traits->press) {
            // Copied: the press may take the label away.
            auto run = traits->press;
            if (takes_input(label()) && label()->isEnabled() &&
                label()->isVisibleTo(shown_in(label()))) {
                run_handler(run);
            }
        } else {
            press(label());
        }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
    bool pressable() const {
        const ReaderTraits* traits = traits_of(object());
        if (!label()->isEnabled() || (traits && traits->inert)) {
            return false;
        }
        return (traits && traits->press) || label()->on_click;
    }
};

// An option button: every action a screen reader offers it does what a click does, so
// that choosing a kind through the reader makes a problem of that kind.
class OptionInterface : public QAccessibleWidget {
public:
    explicit OptionInterface(OptionButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && option()->accessibleName().isEmpty()) {
            return option()->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        state.focusable = option()->isEnabled();
        return state;
    }

    QStringList actionNames() const override {
        return option()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            press(option());
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    OptionButton* option() const { return static_cast<OptionButton*>(widget()); }
};

// A frame is named by the caption it draws, and is not showing while it is hidden.
class FrameInterface : public QAccessibleWidget {
public:
    explicit FrameInterface(Frame* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && frame()->accessibleName().isEmpty()) {
            return frame()->caption();
        }
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = !frame()->isVisible();
        return state;
    }

private:
    Frame* frame() const { return static_cast<Frame*>(widget()); }
};

// A screen, inside the program's window: a pane named by its caption unless it has a
// name of its own, described by what it says about itself (its problem and answer).
// The focus comes to it as it opens, so a screen reader says where the teacher is.
class ScreenInterface : public QAccessibleWidget {
public:
    explicit ScreenInterface(Form* form) : QAccessibleWidget(form, QAccessible::Pane) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return widget()->windowTitle();
        }
        return QAccessibleWidget::text(kind);
    }
};

// The program's window reads as the screen it shows: named as the screen is (its own
// name for a reader, else its caption), described by what the screen says about itself.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(ProgramWindow* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text kind) const override {
        const Form* shown = static_cast<ProgramWindow*>(widget())->shown();
        if (kind == QAccessible::Description) {
            return shown ? shown->accessibleDescription() : QString();
        }
        if (kind == QAccessible::Name && shown) {
            return shown->accessibleName().isEmpty() ? shown->caption() : shown->accessibleName();
        }
        return QAccessibleWidget::text(kind);
    }
};

// The pen layer: its ink is for the class to see, not for a reader to read.
class UnreadInterface : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// Labels, options and frames read as what they show; screens and the window as above.
QAccessibleInterface* interface_for(const QString&, QObject* object) {
    if (auto* label = dynamic_cast<Label*>(object)) {
        return new LabelInterface(label);
    }
    if (auto* option = dynamic_cast<OptionButton*>(object)) {
        return new OptionInterface(option);
    }
    if (auto* frame = dynamic_cast<Frame*>(object)) {
        return new FrameInterface(frame);
    }
    // The list of a screen's keys, its rows in its description.
    if (object->objectName() == "keylist" && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::List);
    }
    if (object->objectName() == "ink" && object->isWidgetType()) {
        return new UnreadInterface(static_cast<QWidget*>(object), QAccessible::Canvas);
    }
    if (auto* announcer = dynamic_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    }
    if (auto* form = dynamic_cast<Form*>(object)) {
        return new ScreenInterface(form);
    }
    if (auto* window = dynamic_cast<ProgramWindow*>(object)) {
        return new WindowInterface(window);
    }
    return nullptr;
}

// Changes told to a screen reader wait until the program has done what it is doing (the
// end of the event loop's present turn) and are then told once for each control and kind
// of change, the latest state only: a new problem that rewrites a hundred places is one
// change of the board, not a hundred events that a reader drops as a flood, and a notice
// that is hidden, renamed and shown again is one new notice. Other events go at once.
class ChangeBatch {
public:
    static void install() { QAccessible::installUpdateHandler(&ChangeBatch::receive); }
    static std::function<void(QObject*, QAccessible::Event)>& tap() {
        static std::function<void(QObject*, QAccessible::Event)> told;
        return told;
    }

private:
    struct Held {
        QPointer<QObject> object;
        QAccessible::Event type; // ObjectShow stands for showing and hiding alike
    };

    static std::vector<Held>& held() {
        static std::vector<Held> list;
        return list;
    }

    static bool batched(const QAccessibleEvent* event) {
        switch (event->type()) {
        case QAccessible::NameChanged:
        case QAccessible::DescriptionChanged:
        case QAccessible::ObjectShow:
        case QAccessible::ObjectHide:
            // Plain events of a whole object only; those that carry more go at once.
            return event->object() && event->child() < 0 &&
                   typeid(*event) == typeid(QAccessibleEvent);
        default:
            return false;
        }
    }

    static void receive(QAccessibleEvent* event) {
        if (!batched(event)) {
            if (event->type() == QAccessible::ObjectDestroyed) {
                std::erase_if(held(),
                              [event](const Held& h) { return h.object == event->object(); });
            }
            tell(event);
            return;
        }
        const QAccessible::Event type =
            event->type() == QAccessible::ObjectHide ? QAccessible::ObjectShow : event->type();
        // Kept in the order of each change's latest time, so a notice's new name is told
        // before it shows.
        auto& list = held();
        std::erase_if(list,
                      [&](const Held& h) { return h.object == event->object() && h.type == type; });
        if (list.empty()) {
            QTimer::singleShot(0, QCoreApplication::instance(), &ChangeBatch::flush);
        }
        list.push_back({event->object(), type});
    }

    static void flush() {
        const std::vector<Held> list = std::exchange(held(), {});
        for (const Held& h : list) {
            if (!h.object) {
                continue;
            }
            QAccessible::Event type = h.type;
            if (type == QAccessible::ObjectShow) {
                const auto* widget = qobject_cast<QWidget*>(h.object.data());
                type = widget && !widget->isVisible() ? QAccessible::ObjectHide
                                                      : QAccessible::ObjectShow;
            }
            QAccessibleEvent event(h.object.data(), type);
            tell(&event);
        }
    }

    // To the platform's reader bridge, as the toolkit would have told it.
    static void tell(QAccessibleEvent* event) {
        if (tap()) {
            tap()(event->object(), event->type());
        }
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(&ChangeBatch::receive);
    }
};

} // namespace

void set_reader_traits(Control* control, ReaderTraits traits) {
    QObject* object = control->widget();
    if (!traits_table().contains(object)) {
        QObject::connect(object, &QObject::destroyed, [object] { traits_table().remove(object); });
    }
    traits_table().insert(object, std::move(traits));
}

void read_as_fraction(Label* numerator, Label* denominator) {
    set_reader_traits(numerator, {.name = [numerator, denominator] {
                          return speech::words(numerator->caption() + '/' + denominator->caption());
                      }});
    set_reader_traits(denominator, {.passed_over = true});
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName("announcer");
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

Announcer& Announcer::of(QWidget* screen) {
    for (QObject* child : screen->children()) {
        if (auto* announcer = dynamic_cast<Announcer*>(child)) {
            return *announcer;
        }
    }
    return *new Announcer(screen);
}

// Shown afresh with the news as its name: the reader speaks a notification when it
// starts showing.
void Announcer::announce(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}

void renew_reader_interface(QWidget* widget) {
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
    }
}

void set_reader_change_tap(std::function<void(QObject*, QAccessible::Event)> tap) {
    ChangeBatch::tap() = std::move(tap);
}

void install_accessibility() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(interface_for);
        ChangeBatch::install();
    }
}

} // namespace shell
