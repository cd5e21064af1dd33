// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One measurement of Chalkline beside the bare program, at one screen size and mode.

#include <memory>
#include <string>
#include <vector>

namespace bench {

struct Size {
    int width = 0;
    int height = 0;
};

// A screen size, with Chalkline full screen or in its window.
struct Setting {
    Size size;
    bool full_screen = true;
};

std::string setting_name(const Setting& setting);

struct Options {
    std::vector<Size> sizes = {{1024, 768}, {1920, 1080}, {3840, 2160}};
    int switches = 2000;  // of the memory tour
    int starts = 7;       // cold starts of each program
    int rounds = 3;       // timed rounds of the route
    int floor_puts = 100; // full-frame puts for the floor
    int quiet_ms = 200;   // a screen is drawn once this passes without drawing
    int drag_moves = 16;  // timed pointer moves of the drag
    std::string program = "./chalkline";
    std::string helpers; // the folder of chalkline_bare and chalkline_bench_record
};

// The samples of one measure for each program, in the order taken: the i-th of one and
// the i-th of the other were taken one right after the other, in turn first.
struct Paired {
    std::vector<double> chalkline;
    std::vector<double> bare;
};

struct Result {
    Setting setting;
    std::vector<double> floor_ms;
    int floor_reported = 0; // puts that DAMAGE reported on the root window
    Paired cold_ms;         // from exec to the title screen drawn
    Paired first_menu_ms;   // from the title's key to the first menu drawn
    Paired switch_ms;       // every switch of the timed rounds
    Paired drag_ms;         // a pointer move of the Magic Squares drag to its drawing
    Paired peak_kib;        // VmHWM after one round of the route, per cold start
    Paired resident_kib;    // VmRSS then
    // Chalkline's VmRSS at the start of the tour, halfway and at its end.
    long tour_start_kib = 0;
    long tour_half_kib = 0;
    long tour_end_kib = 0;
    int tour_switches = 0;
    std::vector<std::string> notes;
};

class XDisplay;

// The environment of a program the probe starts on the display: X through Qt's xcb
// platform, English, no scaling of its own.
std::vector<std::string> environment(const std::string& display);
// The server at the display, once it answers (it may still be starting).
std::unique_ptr<XDisplay> connect_display(const std::string& display);

// Starts the two servers, records the bare program's screens, measures and ends them.
// Throws std::runtime_error when a program cannot be run or the keys lose the route.
Result measure(const Setting& setting, const Options& options);

} // namespace bench
