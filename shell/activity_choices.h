// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_setting.h"

#include <QString>

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace shell {

class ActivityForm;

// What an activity screen opens with besides its design: a kind and values of its own
// settings, chosen by a lesson's step, by --launch or by the settings kept from the last
// time (settings.h).
struct ActivityChoices {
    std::optional<int> kind;                                   // from 0
    std::vector<std::pair<std::string, std::string>> settings; // own settings, as accepted
};

// The own settings of a registered activity, as its row of the table lists them.
std::span<const chalkline::ActivitySetting> own_settings_of(const QString& activity);

// The next load of the activity takes these choices. With `keep` they come over the kept
// ones (--launch with --kind), and the screen's choices are kept as usual when it
// closes; without, they come over the design alone and are not kept (a lesson's steps
// are the lesson's, not the teacher's habit).
void open_next_with(const QString& activity, ActivityChoices choices, bool keep);

// Every choice the activity has, the design's where none is given: a step that comes
// back to the screen already open puts it in the state a fresh one would have.
ActivityChoices with_design(const QString& activity, ActivityChoices choices);

// Puts the choices on the screen without making a new problem.
void apply_choices(ActivityForm& form, const ActivityChoices& choices);

// The screen's load (before its first problem): the choices it was opened with, else
// the kept ones.
void apply_opening_choices(ActivityForm& form);
// The screen's unload: keeps its kind and own settings for its next opening.
void remember_choices(const ActivityForm& form);

} // namespace shell
