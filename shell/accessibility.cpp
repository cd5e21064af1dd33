// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "forms.h"
#include "keys.h"
#include "pictures.h"

#include <QAccessibleWidget>
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
            return traits && traits->name ? traits->name() : label()->caption();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (pressable()) {
            state.focusable = true;
        }
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
            if (label()->isEnabled() && label()->isVisibleTo(label()->window())) {
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
        return (traits && traits->press) || label()->on_click;
    }
};

// Screens are windows, named for the screen they are (their accessible name).
QAccessibleInterface* interface_for(const QString&, QObject* object) {
    if (auto* label = dynamic_cast<Label*>(object)) {
        return new LabelInterface(label);
    }
    if (auto* form = dynamic_cast<Form*>(object)) {
        return new QAccessibleWidget(form, QAccessible::Window);
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
                          return numerator->caption() + " over " + denominator->caption();
                      }});
    set_reader_traits(denominator, {.passed_over = true});
}

void install_accessibility() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(interface_for);
    }
}

} // namespace shell
