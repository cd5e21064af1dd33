// SPDX-License-Identifier: GPL-3.0-or-later
#include "reveal.h"

namespace chalkline::fractionkit {

Reveal::Reveal(shell::Form& form, const QString& timer_name)
    : timer_(form.add_timer(timer_name, kInterval, false)) {
    timer_->on_tick = [this] { tick(); };
}

void Reveal::start(int parts, std::function<void(int)> show, std::function<void()> done) {
    if (started_) {
        return;
    }
    started_ = true;
    next_ = 0;
    parts_ = parts;
    show_ = std::move(show);
    done_ = std::move(done);
    tick();
    if (next_ <= parts_) {
        timer_->set_enabled(true);
    }
}

void Reveal::stop() {
    timer_->set_enabled(false);
    started_ = false;
}

void Reveal::tick() {
    if (next_ < parts_) {
        show_(next_++);
    }
    if (next_ == parts_) {
        // The last part is shown: the reveal is complete.
        ++next_;
        timer_->set_enabled(false);
        done_();
    }
}

} // namespace chalkline::fractionkit
