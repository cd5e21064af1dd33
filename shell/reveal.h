// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timer.h"

#include <functional>

namespace shell {

// The parts of an answer shown one after another: the first at once, each of the others
// a tick of the timer later (kRevealInterval apart), so that the class can follow them.
// A reveal runs once per problem: Solution pressed again while it runs, or after it has
// ended, changes nothing. A new problem calls reset(), which stops it where it is. The
// timer is the screen's (tests fire it), and dies with the screen.
class Reveal {
public:
    static constexpr int kRevealInterval = 600;

    explicit Reveal(Timer* timer);

    // Shows parts 0 to parts - 1 through show, then runs done.
    void start(int parts, std::function<void(int part)> show, std::function<void()> done = {});
    void reset();

    bool running() const { return timer_->enabled(); }
    bool started() const { return started_; }

private:
    void show_next();

    Timer* timer_;
    int parts_ = 0;
    int shown_ = 0;
    bool started_ = false;
    std::function<void(int)> show_;
    std::function<void()> done_;
};

} // namespace shell
