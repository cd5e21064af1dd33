// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms.h"

#include <functional>

namespace chalkline::fractionkit {

// The parts of a solution shown one after another on a timer of the screen: the first
// at once, each next one kInterval later, then the closing step (which tells the screen
// reader the answer). A second Solution while it runs, or after it has finished,
// changes nothing; Go stops it and a new problem can be revealed again.
class Reveal {
public:
    static constexpr int kInterval = 600;

    Reveal(shell::Form& form, const QString& timer_name);

    void start(int parts, std::function<void(int part)> show, std::function<void()> done);
    void stop();
    bool started() const { return started_; }
    shell::Timer* timer() const { return timer_; }

private:
    void tick();

    shell::Timer* timer_;
    bool started_ = false;
    int next_ = 0;
    int parts_ = 0;
    std::function<void(int)> show_;
    std::function<void()> done_;
};

} // namespace chalkline::fractionkit
