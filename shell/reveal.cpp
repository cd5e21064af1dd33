// SPDX-License-Identifier: GPL-3.0-or-later
#include "reveal.h"

#include <utility>

namespace shell {

Reveal::Reveal(Timer* timer) : timer_(timer) {
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
    show_next();
    if (shown_ < parts_) {
        timer_->set_enabled(true);
    }
}

void Reveal::reset() {
    timer_->set_enabled(false);
    started_ = false;
    parts_ = shown_ = 0;
    done_ = nullptr;
}

void Reveal::finish() {
    if (!started_) {
        return;
    }
    while (shown_ < parts_) {
        show_(shown_++);
    }
    show_next();
}

void Reveal::show_next() {
    if (shown_ < parts_) {
        show_(shown_++);
    }
    if (shown_ < parts_) {
        return;
    }
    timer_->set_enabled(false);
    // Taken out first: it runs once, and may start a new problem.
    if (auto done = std::exchange(done_, nullptr)) {
        done();
    }
}

} // namespace shell
