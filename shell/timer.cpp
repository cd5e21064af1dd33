// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer.h"

#include "handlers.h"
#include "pictures.h"

namespace shell {

Timer::Timer(QObject* form, const QString& name, int interval_ms, bool enabled)
    : QObject(form), interval_(interval_ms) {
    setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        // After a pause the first tick comes after what was left; the next ones after a
        // whole interval again.
        if (timer_.interval() != interval_) {
            timer_.start(interval_);
        }
        fire();
    });
    set_enabled(enabled);
}

void Timer::set_enabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void Timer::set_interval(int interval_ms) {
    interval_ = interval_ms;
    restart();
}

void Timer::restart() {
    timer_.stop();
    const bool counting = enabled_ && !dead_ && interval_ > 0;
    remaining_ = counting ? interval_ : -1;
    if (counting && !paused_) {
        timer_.start(interval_);
    }
}

void Timer::set_paused(bool paused) {
    if (paused == paused_) {
        return;
    }
    paused_ = paused;
    if (paused) {
        remaining_ = timer_.isActive() ? timer_.remainingTime() : -1;
        timer_.stop();
    } else if (enabled_ && !dead_ && interval_ > 0 && remaining_ >= 0) {
        timer_.start(remaining_);
    }
}

int Timer::remaining_ms() const {
    return paused_ ? remaining_ : timer_.remainingTime();
}

bool Timer::fire() {
    if (!enabled_ || dead_ || paused_ || !on_tick) {
        return false;
    }
    auto tick = on_tick;
    run_handler([&] { tick(); });
    return true;
}

void Timer::kill() {
    dead_ = true;
    timer_.stop();
}

} // namespace shell
