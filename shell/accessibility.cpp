// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "handlers.h"
#include "keys.h"
#include "language.h"
#include "pictures.h"
#include "program_window.h"
#include "screens.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>

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
            return label()->accessibleName().isEmpty() ? spoken(label()->caption())
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
                          return QCoreApplication::translate("Reader", "%1 over %2")
                              .arg(numerator->caption(), denominator->caption());
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

// Shown afresh with the news as its name: the reader speaks a notification when it
// starts showing.
void Announcer::announce(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}

QString spoken(const QString& caption) {
    const QList<QPair<QString, QString>> kSigns = {
        {"+", QCoreApplication::translate("Reader", "plus")},
        {"-", QCoreApplication::translate("Reader", "minus")},
        {"x", QCoreApplication::translate("Reader", "times")},
        {QString(QChar(0x00F7)), QCoreApplication::translate("Reader", "divided by")}};
    for (const auto& [sign, word] : kSigns) {
        if (caption.trimmed() == sign) {
            return word;
        }
    }
    QString text = caption;
    for (const auto& [sign, word] : kSigns) {
        text.replace(' ' + sign + ' ', ' ' + word + ' ');
    }
    // Numbers as the language writes them, so that the reader says "2,51" in French.
    return reader_text(text);
}

void renew_reader_interface(QWidget* widget) {
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
    }
}

void install_accessibility() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(interface_for);
    }
}

} // namespace shell
