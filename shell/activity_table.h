// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_setting.h"
#include "screens.h"

#include <memory>
#include <span>

namespace shell {

// One activity of the program: its screen's name, the menu screen that lists its title
// (1 to 5), the title's place in that menu's column (0 from the top), how its screen is
// built, how many kinds it offers and its own settings besides the kind (the screen
// applies them: ActivityForm::apply_own_setting). The program's activities stand in one table of
// these rows (activities/activities.cpp); the menus enable a title exactly when a row names its
// place.
struct ActivityEntry {
    QString screen;
    int menu;
    int index;
    FormFactory make;
    int kinds = 0;
    std::span<const chalkline::ActivitySetting> settings = {};
};

// Builds a screen of type T, for the make column of the table.
template <class T> std::unique_ptr<Form> make_screen() {
    return std::make_unique<T>();
}

// Makes the rows known: each screen to the screen registry, each title to its menu.
// Registering a screen again replaces its row.
void register_activities(std::span<const ActivityEntry> table);
// The activity whose title stands at that place of that menu, or nullptr.
const ActivityEntry* activity_at(int menu, int index);
// Every registered activity, in the order registered.
std::span<const ActivityEntry> registered_activities();
// The menu screen that lists a registered activity ("menu3"), empty for another screen.
QString menu_of(const QString& screen);

} // namespace shell
