// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace shell {

// A screen's timer: an enabled flag and an interval in milliseconds; while enabled it
// ticks every interval. Enabling it, or changing the interval while it runs, starts a
// full interval afresh. Tests read its state and fire its tick themselves. A timer dies
// with its form: once the form is unloaded it never ticks again.
class Timer : public QObject {
public:
    Timer(QObject* form, const QString& name, int interval_ms = 0, bool enabled = false);

    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);
    int interval() const { return interval_; }
    void set_interval(int interval_ms);

    // Whether the real timer is counting now (enabled, with an interval above 0, and not
    // paused).
    bool running() const { return timer_.isActive(); }

    // Paused, the timer holds what is left of its interval and ticks no more; let go, it
    // ticks once that is over and then every interval again. Enabling it or changing its
    // interval while it is paused starts a full interval when it goes on.
    void set_paused(bool paused);
    bool paused() const { return paused_; }
    // The milliseconds to the next tick: left now, or left when it was paused; -1 when
    // it is not counting.
    int remaining_ms() const;

    // Runs one tick now, as the real timer would. Returns false, doing nothing, when
    // the timer is not enabled, is paused or its form is gone.
    bool fire();

    // Stops it for good (its form is being unloaded).
    void kill();

    std::function<void()> on_tick;

private:
    void restart();

    QTimer timer_;
    bool enabled_ = false;
    bool dead_ = false;
    bool paused_ = false;
    int interval_ = 0;
    int remaining_ = -1; // while paused
};

} // namespace shell
