// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer.h"

#include "pictures.h"

namespace shell {

Timer::Timer(QObject* form, const QString& name, int interval_ms, bool enabled)
    : QObject(form), interval_(interval_ms) {
    setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
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
    if (enabled_ && !dead_ && interval_ > 0) {
        timer_.start(interval_);
    }
}

bool Timer::fire() {
    if (!enabled_ || dead_ || !on_tick) {
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
