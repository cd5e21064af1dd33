// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timer.h"

#include <functional>

namespace shell {

// The parts of an answer shown one after another, as a teacher uncovers them: the first
// at once, each of the others one tick of the timer later, and after the last `done`.
// A reveal runs once per problem: start() while it runs, or after it has ended, changes
// nothing; reset() (a new problem) stops it where it is and makes it ready for the next
// answer. The timer is the screen's, so its interval is the pace, tests fire it, and it
// dies with the screen (Exit during a reveal stops it).
class Reveal {
public:
    // The pace of most screens, in ms between two parts.
    static constexpr int kRevealInterval = 600;

    // Takes over the timer's tick; the timer keeps its interval.
    explicit Reveal(Timer* timer);

    // Shows parts 0 to parts - 1 through show, then runs done (once, even when it starts
    // a new problem). With no parts, done runs at once.
    void start(int parts, std::function<void(int part)> show, std::function<void()> done = {});
    void reset();
    // Shows every part not yet shown at once and runs done, as if the timer had run out.
    void finish();

    bool started() const { return started_; }
    bool running() const { return timer_->enabled(); }
    // How many parts are shown, 0 before start().
    int shown() const { return shown_; }

private:
    void show_next();

    Timer* timer_;
    bool started_ = false;
    int parts_ = 0;
    int shown_ = 0;
    std::function<void(int)> show_;
    std::function<void()> done_;
};

} // namespace shell
