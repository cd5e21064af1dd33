// SPDX-License-Identifier: GPL-3.0-or-later
#include "activity_choices.h"

#include "activity_form.h"
#include "activity_table.h"
#include "lessons.h"
#include "settings.h"

namespace shell {

namespace {

struct Pending {
    QString activity;
    ActivityChoices choices;
    bool keep = true;
};

std::optional<Pending>& pending() {
    static std::optional<Pending> next;
    return next;
}

// Screens whose choices are not kept: the property is set on the screen itself, so that
// it goes with it.
constexpr const char* kNotKept = "chalkline_not_kept";

} // namespace

std::span<const chalkline::ActivitySetting> own_settings_of(const QString& activity) {
    for (const ActivityEntry& entry : registered_activities()) {
        if (QString::compare(entry.screen, activity, Qt::CaseInsensitive) == 0) {
            return entry.settings;
        }
    }
    return {};
}

void open_next_with(const QString& activity, ActivityChoices choices, bool keep) {
    pending() = Pending{activity, std::move(choices), keep};
}

ActivityChoices with_design(const QString& activity, ActivityChoices choices) {
    if (!choices.kind) {
        choices.kind = 0;
    }
    for (const chalkline::ActivitySetting& rule : own_settings_of(activity)) {
        const bool given = std::any_of(choices.settings.begin(), choices.settings.end(),
                                       [&](const auto& s) { return s.first == rule.key; });
        if (!given) {
            choices.settings.emplace_back(rule.key, rule.design);
        }
    }
    return choices;
}

void apply_choices(ActivityForm& form, const ActivityChoices& choices) {
    if (choices.kind) {
        form.set_kind(*choices.kind);
    }
    for (const auto& [key, value] : choices.settings) {
        form.apply_own_setting(QString::fromStdString(key), QString::fromStdString(value));
    }
}

void apply_opening_choices(ActivityForm& form) {
    std::optional<Pending> next;
    if (pending() && QString::compare(pending()->activity, form.name(), Qt::CaseInsensitive) == 0) {
        next.swap(pending());
    }
    // The kept choices, unless the screen opens for a lesson's step; then what it was
    // opened with, over them.
    if (settings_loaded() && (!next || next->keep)) {
        ActivityChoices kept;
        if (const QString kind = setting(form.name(), "kind"); !kind.isEmpty()) {
            kept.kind = kind.toInt() - 1;
        }
        for (const chalkline::ActivitySetting& rule : own_settings_of(form.name())) {
            if (const QString value = setting(form.name(), text_of(rule.key)); !value.isEmpty()) {
                kept.settings.emplace_back(rule.key, value.toStdString());
            }
        }
        apply_choices(form, kept);
    }
    if (next) {
        apply_choices(form, next->choices);
        form.setProperty(kNotKept, !next->keep);
    }
}

void remember_choices(const ActivityForm& form) {
    if (!settings_loaded() || form.property(kNotKept).toBool()) {
        return;
    }
    if (form.kind_count() > 0) {
        remember_setting(form.name(), "kind", QString::number(form.kind() + 1), "1");
    }
    for (const chalkline::ActivitySetting& rule : own_settings_of(form.name())) {
        const QString key = text_of(rule.key);
        remember_setting(form.name(), key, form.own_setting(key), text_of(rule.design));
    }
}

} // namespace shell
