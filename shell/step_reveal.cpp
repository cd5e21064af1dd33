// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_reveal.h"

namespace shell {

StepReveal::StepReveal(Form& form, const QString& timer_name, int interval_ms)
    : timer_(form.add_timer(timer_name, interval_ms, false)) {
    timer_->on_tick = [this] { step(); };
}

void StepReveal::start(int steps, std::function<void(int)> show, std::function<void()> finished) {
    if (started_) {
        return;
    }
    started_ = true;
    steps_ = steps;
    next_ = 0;
    show_ = std::move(show);
    finished_ = std::move(finished);
    step();
    if (!done()) {
        timer_->set_enabled(true);
    }
}

void StepReveal::stop() {
    timer_->set_enabled(false);
    started_ = false;
    steps_ = 0;
    next_ = 0;
}

void StepReveal::step() {
    if (next_ < steps_) {
        show_(next_++);
    }
    if (next_ >= steps_) {
        timer_->set_enabled(false);
        if (finished_) {
            // Copied and cleared first: it runs once, and may start a new problem.
            auto finished = std::move(finished_);
            finished_ = nullptr;
            finished();
        }
    }
}

} // namespace shell
