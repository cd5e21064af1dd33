// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_setting.h"
#include "screens.h"

#include <QStringList>

#include <array>
#include <memory>
#include <span>
#include <string_view>

namespace shell {

// The most kinds an activity offers.
inline constexpr int kMostKinds = 3;

// One activity of the program, as everything that lists or opens it reads it: the menus,
// its screen's caption and kind options, --help, --list-activities, lessons, problem codes
// and the README's table. Each activity folder keeps its record beside its screen, and
// activities/activities.cpp lists them all.
//
// Titles and kinds' captions are written in English and marked for translation in the
// contexts "Activities" and "Kinds" (QT_TRANSLATE_NOOP), and translated where they are shown.
struct ActivityInfo {
    // The screen's name: also the name that --launch and lesson files take.
    QString screen;
    // The menu screen that lists the title (1 to 5) and the title's place in its column
    // (0 from the top).
    int menu = 0;
    int place = 0;
    const char* title = "";
    // The kinds' captions in the order of the options, none past the last; an activity
    // without a choice of kind has none.
    std::array<const char*, kMostKinds> kinds{};
    // The three characters that start its problem codes ("NSQ-1-K7QM", problem_code.h).
    const char* code_prefix = "";
    // Builds the screen; a row without it lists a title that opens nothing.
    FormFactory make = {};
    // Its own settings besides the kind, with the values they take; the screen applies
    // them (ActivityForm::apply_own_setting).
    std::span<const chalkline::ActivitySetting> settings = {};

    // The title in the language of the program.
    QString caption() const;
    // The kinds' captions in the language of the program, in order.
    QStringList kind_captions() const;
    // How many kinds it offers (0 where it offers no choice).
    int kind_count() const;
    // The menu screen that lists it ("menu3").
    QString menu_screen() const;
};

// Builds a screen of type T, for the make field of a record.
template <class T> std::unique_ptr<Form> make_screen() {
    return std::make_unique<T>();
}

// Makes the records known: each screen to the screen registry, each title to its menu.
// Registering a screen again replaces its record.
void register_activities(std::span<const ActivityInfo* const> records);
void register_activity(const ActivityInfo& record);
// The activity whose title stands at that place of that menu, or nullptr.
const ActivityInfo* activity_at(int menu, int place);
// The registered activity of a screen name, read without regard to letter case, or nullptr.
const ActivityInfo* activity_named(const QString& screen);
// The registered activity whose problem codes start with `prefix` (exactly, in capitals),
// or nullptr.
const ActivityInfo* activity_with_prefix(std::string_view prefix);
// Every registered activity, in the order registered.
std::span<const ActivityInfo> registered_activities();
// The menu screen that lists a registered activity ("menu3"), empty for another screen.
QString menu_of(const QString& screen);

} // namespace shell
