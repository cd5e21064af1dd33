// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problem_code.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace shell {

class ActivityForm;

// One problem of one activity: the activity's screen, the kind (0 for the first) and the
// seed it is drawn from. Its code ("24P-2-K7QM") names it completely.
struct ProblemAddress {
    QString screen;
    int kind = 0;
    std::uint32_t seed = 0;
    bool operator==(const ProblemAddress&) const = default;
};

// The code of a problem; empty for a screen that has no code prefix.
QString problem_code(const ProblemAddress& address);
// The code of the problem an activity screen shows.
QString problem_code(const ActivityForm& form);

// A typed code read: the problem it names, or one sentence in the teacher's language that
// says which part is wrong ("the check character 'K7QX' does not match: a character is
// mistyped").
struct CodeReading {
    std::optional<ProblemAddress> address;
    QString fault;
};
CodeReading read_problem_code(const QString& typed);
// What is wrong with a code as the logic read it, in one such sentence; a lesson's
// "open CODE" step is read by the lesson's logic and worded here.
QString code_fault(const chalkline::CodeReading& reading);

// The code as a screen reader should say it: its characters one by one, so that "24P"
// is not read as "twenty-four P" ("2 4 P, 2, K 7 Q M").
QString spoken_code(const QString& code);

// The code prefix of an activity's screen ("24P" for twentyfour), empty for none.
QString code_prefix(const QString& screen);

// Shows the problem: its activity's screen (opened in place of the screen in use when it
// is another), its kind and seed. Returns the screen.
ActivityForm* show_problem_at(const ProblemAddress& address);

} // namespace shell
