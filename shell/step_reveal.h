// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms.h"

#include <functional>

namespace shell {

// Shows an answer of several parts one part at a time, as a teacher uncovers it: the
// first part at once, then one part every interval (600 ms) on a timer of the form,
// and when the last part is shown, `finished`. Pressing Solution again while it runs,
// or after it has finished, changes nothing; stop() (a new problem) stops it and makes
// it ready for the next answer. The timer dies with its form, so Exit during the reveal
// stops it too.
class StepReveal {
public:
    static constexpr int kInterval = 600;

    StepReveal(Form& form, const QString& timer_name, int interval_ms = kInterval);

    // Starts showing `steps` parts with show(0), show(1), ... unless it has started already.
    void start(int steps, std::function<void(int step)> show, std::function<void()> finished);
    void stop();

    bool started() const { return started_; }
    bool done() const { return started_ && next_ >= steps_; }
    Timer* timer() const { return timer_; }

private:
    void step();

    Timer* timer_;
    bool started_ = false;
    int steps_ = 0;
    int next_ = 0;
    std::function<void(int)> show_;
    std::function<void()> finished_;
};

} // namespace shell
