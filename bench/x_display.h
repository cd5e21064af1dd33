// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The probe's hold on one X server: real keys and pointer moves through XTest, every
// drawing on the screen through DAMAGE on the root window, and the floor, a whole frame
// put with MIT-SHM. No toolkit: the probe is a client like any other.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

typedef struct _XDisplay Display;

namespace bench {

using Clock = std::chrono::steady_clock;

double millis(Clock::duration d);

// What a wait for the drawing after an input found: whether anything was drawn, when the
// last drawing was reported (the time the probe received the event), how many reports,
// the pixels they covered (overlaps counted twice) and whether the screen then stayed
// quiet (rather than the wait running out).
struct Drawing {
    bool drawn = false;
    Clock::time_point last{};
    int reports = 0;
    long long area = 0;
    bool settled = false;
};

class XDisplay {
public:
    // Connects to the display (":81") and watches the whole screen; throws
    // std::runtime_error when the server or one of its extensions is missing.
    explicit XDisplay(const std::string& name);
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // Presses and lets go of a key named as X names it ("Return", "Down"); returns the
    // time taken just before the press was sent.
    Clock::time_point key(std::string_view name);
    // Several keys, one space apart, sent at once.
    void keys(std::string_view names);
    Clock::time_point move_pointer(int x, int y);
    void button(bool down);

    // Forgets every report received so far.
    void forget();
    // Waits for the drawing that follows an input: for the first report up to `first`,
    // then until `quiet` passes without one (or `longest` from the start runs out).
    Drawing wait_drawing(std::chrono::milliseconds quiet, std::chrono::milliseconds first,
                         std::chrono::milliseconds longest);

    // The top-level window that has the keyboard focus, or the one under the pointer
    // when the focus follows the pointer; 0 when keys reach no window.
    unsigned long focused_window();
    // The caption of that window; empty when keys reach no window.
    std::string focused_caption();
    // Where the focus and the pointer are, for a report when keys go astray.
    std::string focus_report();

    // Times one put of a whole screen-size frame to a window that covers the screen,
    // with the round trip that waits for the server to finish it, `count` times, in ms.
    // `reported` is how many of the puts DAMAGE reported on the root window.
    std::vector<double> floor_millis(int count, int& reported);

private:
    bool read_reports(Drawing& drawing);

    Display* display_ = nullptr;
    unsigned long root_ = 0;
    unsigned long damage_ = 0;
    int damage_event_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace bench
