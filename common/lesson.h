// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_setting.h"
#include "problem_code.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace chalkline {

// A lesson is a small UTF-8 text, one step a line: an activity's name and its settings as
// key=value ("fastmental kind=2 reverse=yes pace=3 count=3"), or "open CODE" for one
// problem by its code, with the activity's own settings after it if wanted. Blank lines
// are passed over, and a "#" starts a comment that runs to the end of its line.

// What a lesson needs to know of an activity.
struct LessonActivity {
    std::string name{};                          // as a lesson and --launch write it: "fastmental"
    int kinds = 1;                               // the kinds it offers; 1 where it offers no choice
    std::string code_prefix{};                   // the prefix of its problem codes, "MEN"
    std::span<const ActivitySetting> settings{}; // its own, besides kind
};

// A lesson file is read whole; a larger one is not a lesson.
inline constexpr std::size_t kLessonMaxBytes = 1 << 20;
// The problems a step may ask for with count=.
inline constexpr int kLessonMaxCount = 100;

// The settings every step takes besides the activity's own: the kind, counted from 1 as
// the screen shows its options, and how many problems the step shows.
ActivitySetting kind_setting(const LessonActivity& activity);
ActivitySetting count_setting();

struct LessonStep {
    std::string activity;              // as the catalogue spells it ("Magicsquares")
    std::optional<int> kind;           // from 0; the screen's own when not given
    int count = 1;                     // problems shown in this step
    std::optional<std::uint32_t> seed; // the problem of an "open CODE" step
    std::vector<std::pair<std::string, std::string>> settings; // own settings, as accepted
    int line = 0; // where it stands in its file, from 1
};

// What is wrong with a lesson, and where.
enum class LessonFault {
    NotText,         // not UTF-8 text: a binary file, or another encoding
    TooLarge,        // over kLessonMaxBytes
    Empty,           // no step at all
    UnknownActivity, // `part` names no activity
    UnknownSetting,  // the activity has no setting `part`
    NotASetting,     // `part` is not key=value
    BadValue,        // `part` is a value `setting` does not take
    Repeated,        // the setting `part` is given twice on the line
    NotWithCode,     // kind= or count= after "open CODE", whose code says both
    BadCode,         // `code` says what is wrong with the code `part`
};

struct LessonError {
    LessonFault fault = LessonFault::Empty;
    int line = 0;              // from 1; 0 for the whole file
    std::string part{};        // the word concerned, as written
    std::string activity{};    // the step's activity, where known
    ActivitySetting setting{}; // for BadValue
    CodeReading code{};        // for BadCode
};

struct LessonReading {
    std::vector<LessonStep> steps;
    std::optional<LessonError> error;
};

// Reads a lesson's text against the program's activities. The first fault ends the
// reading: a lesson is taken whole or not at all.
LessonReading read_lesson(std::string_view text, std::span<const LessonActivity> activities);

// The step as a lesson line: the activity's name, then kind (from 1), the own settings
// and count where it is not 1.
std::string lesson_line(const LessonStep& step);

} // namespace chalkline
