// SPDX-License-Identifier: GPL-3.0-or-later
#include "reveal.h"

namespace shell {

Reveal::Reveal(Timer* timer) : timer_(timer) {
    timer_->set_interval(kRevealInterval);
    timer_->on_tick = [this] { show_next(); };
}

void Reveal::start(int parts, std::function<void(int)> show, std::function<void()> done) {
    if (started_) {
        return;
    }
    started_ = true;
    parts_ = parts;
    shown_ = 0;
    show_ = std::move(show);
    done_ = std::move(done);
    timer_->set_enabled(true);
    show_next();
}

void Reveal::reset() {
    timer_->set_enabled(false);
    started_ = false;
    parts_ = shown_ = 0;
}

void Reveal::show_next() {
    if (shown_ < parts_) {
        show_(shown_++);
    }
    if (shown_ >= parts_ && timer_->enabled()) {
        timer_->set_enabled(false);
        if (done_) {
            done_();
        }
    }
}

} // namespace shell
