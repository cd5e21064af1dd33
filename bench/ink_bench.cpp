// SPDX-License-Identifier: GPL-3.0-or-later
// The ink benchmark: how closely the ink follows the pen, and what a screen covered with
// ink costs. Chalkline's screens run full screen on an Xvfb server of their own
// (chalkline_ink_host, opening on one activity), driven from outside with real pointer
// moves and keys (XTest); every time runs from the input to the last drawing the server
// reports (DAMAGE) before the screen stays quiet. Run it from the build folder:
//
//     cd build && nice -n 10 bench/chalkline_ink_bench [--size 3840x2160]
//
//  - The pen: with the pen on (P), the button held and the pointer moved a step at a
//    time, each step from the move to its drawing, and the area the server saw drawn,
//    on an empty board and on a board already covered with ink.
//  - Next, Solution and a switch to the menu (Escape), each on a screen covered with
//    ink (F12 in the host: STROKES strokes of POINTS points) against the same screen
//    without, in turn, the first of each pair alternating.
//  - The memory of that ink: the host's resident memory with it, less without it, and
//    after Next has taken it away.

#include "measures.h"
#include "processes.h"
#include "route.h"
#include "statistics.h"
#include "x_display.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

using bench::Clock;
using std::chrono::milliseconds;

// The goals: a piece of a stroke on screen within one frame at 60 Hz (median and 95th
// percentile), drawing under 1% of the screen; Next, Solution and a switch within 1.2
// times the same screen without ink; the ink's memory under 20 MiB.
constexpr double kFrameMs = 1000.0 / 60;
constexpr double kAreaShare = 0.01;
constexpr double kInkRatio = 1.2;
constexpr double kInkMiB = 20;

constexpr milliseconds kFirst{10000};
constexpr milliseconds kLongest{60000};
// Drawing a covered board at once takes seconds (stroking a million points), much more
// on a busy machine.
constexpr milliseconds kCovering{600000};
constexpr milliseconds kPace{40};

struct Options {
    bench::Size size{3840, 2160};
    std::string screen = "fourrules";
    int strokes = 5000;
    int points = 200;
    int segments = 200;
    int rounds = 10;
    int quiet_ms = 200;
};

void usage() {
    std::puts("usage: chalkline_ink_bench [options]   (from the build folder)\n"
              "  --size WxH      the screen (default 3840x2160)\n"
              "  --screen NAME   the activity (default fourrules; one the benchmark's route "
              "opens)\n"
              "  --strokes N     strokes of the covered board (default 5000)\n"
              "  --points N      points a stroke (default 200)\n"
              "  --segments N    timed steps of the pen on each board (default 200)\n"
              "  --rounds N      timed Next, Solution and switch of each kind (default 10)\n"
              "  --quiet MS      a screen is drawn when MS pass without drawing (default 200)\n"
              "  --help          this text");
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The program under test, its server and the way back into its activity.
class Host {
public:
    Host(const Options& options, const std::string& helpers, const std::string& log)
        : options_(options), log_(log),
          server_(options.size.width, options.size.height, 80, 89, log) {
        if (server_.display().empty()) {
            throw std::runtime_error("cannot start Xvfb on :80 to :89");
        }
        for (const bench::Step& step : bench::kRound) {
            if (step.to == options.screen) {
                enter_ = step;
            }
            if (step.from == options.screen) {
                leave_ = step;
            }
        }
        if (enter_.keys.empty() || leave_.keys.empty()) {
            throw std::runtime_error("the route opens no activity named " + options.screen);
        }
        x_ = bench::connect_display(server_.display());
        pid_ =
            bench::start_process({helpers + "/chalkline_ink_host", options.screen,
                                  std::to_string(options.strokes), std::to_string(options.points)},
                                 bench::environment(server_.display()), log);
        if (pid_ < 0 || !x_->wait_drawing(quiet(), milliseconds(30000), kLongest).drawn) {
            throw std::runtime_error("the host drew nothing (see " + log + ")");
        }
        // Keys sent before the window has the focus would go nowhere.
        x_->move_pointer(x_->width() / 2, x_->height() / 2);
        const Clock::time_point start = Clock::now();
        while (x_->focused_caption() != enter_.caption) {
            if (Clock::now() - start > kFirst) {
                throw std::runtime_error("the keys never reach the host; " + x_->focus_report());
            }
            x_->wait_drawing(kPace, kPace, kLongest);
        }
    }
    ~Host() { bench::stop_process(pid_); }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    bench::XDisplay& x() { return *x_; }
    pid_t pid() const { return pid_; }
    milliseconds quiet() const { return milliseconds(options_.quiet_ms); }

    // Keys, untimed, and the drawing they cause.
    void keys(std::string_view names) {
        x_->keys(names);
        x_->wait_drawing(quiet(), kFirst, kLongest);
    }
    // Drawing the strokes all at once may take many seconds; the wait is as long.
    void cover_with_ink() {
        x_->key("F12");
        x_->wait_drawing(quiet(), kCovering, kCovering);
    }

    // A key from its press to its last drawing, in ms.
    double timed(std::string_view key) {
        x_->forget();
        const Clock::time_point pressed = x_->key(key);
        const bench::Drawing drawn = x_->wait_drawing(quiet(), kFirst, kLongest);
        if (!drawn.drawn) {
            throw std::runtime_error("nothing drawn after " + std::string(key) + "; " +
                                     x_->focus_report());
        }
        return bench::millis(drawn.last - pressed);
    }

    // Out to the menu, timed, and back in, untimed.
    double switch_out_and_back() {
        const double ms = timed(leave_.keys);
        keys(enter_.keys);
        return ms;
    }

    // The last line the host wrote about its ink.
    std::string ink_line() const {
        std::ifstream in(log_);
        std::string line, last;
        while (std::getline(in, line)) {
            if (line.rfind("ink:", 0) == 0) {
                last = line;
            }
        }
        return last;
    }

private:
    const Options& options_;
    std::string log_;
    bench::Xvfb server_;
    std::unique_ptr<bench::XDisplay> x_;
    pid_t pid_ = -1;
    bench::Step enter_{};
    bench::Step leave_{};
};

struct Pen {
    std::vector<double> ms;
    std::vector<double> area;
};

// The button held, the pointer moved round a loop a step at a time; each step from the
// move to its last drawing, and the pixels drawn.
Pen write(Host& host, const Options& options) {
    bench::XDisplay& x = host.x();
    const int w = x.width(), h = x.height();
    const int cx = w / 2, cy = h / 2, r = h / 5;
    const auto place = [&](int i) {
        const double t = 2 * std::numbers::pi * i / options.segments;
        return std::pair{cx + int(std::lround(r * std::sin(2 * t))),
                         cy + int(std::lround(r * std::sin(3 * t)))};
    };
    auto [x0, y0] = place(0);
    x.move_pointer(x0, y0);
    x.wait_drawing(kPace, kPace, kLongest);
    x.button(true);
    x.wait_drawing(kPace, kPace, kLongest);
    Pen pen;
    for (int i = 1; i <= options.segments; ++i) {
        const auto [px, py] = place(i);
        x.forget();
        const Clock::time_point moved = x.move_pointer(px, py);
        const bench::Drawing drawn = x.wait_drawing(kPace, milliseconds(1000), kLongest);
        if (drawn.drawn) {
            pen.ms.push_back(bench::millis(drawn.last - moved));
            pen.area.push_back(double(drawn.area));
        }
    }
    x.button(false);
    x.wait_drawing(host.quiet(), host.quiet(), kLongest);
    return pen;
}

void print_pen(const char* board, const Pen& pen, double screen) {
    const bench::Spread ms = bench::spread(pen.ms);
    std::printf("pen to screen, %s: median %s ms, 95th percentile %s ms, n=%zu\n", board,
                fixed(ms.median, 2).c_str(), fixed(bench::percentile(pen.ms, 0.95), 2).c_str(),
                ms.count);
    const double median_area = bench::spread(pen.area).median;
    const double largest = bench::percentile(pen.area, 1);
    std::printf("  drawn per step: median %s px (%s%% of the screen), largest %s px (%s%%)\n",
                fixed(median_area, 0).c_str(), fixed(100 * median_area / screen, 3).c_str(),
                fixed(largest, 0).c_str(), fixed(100 * largest / screen, 3).c_str());
}

struct Keyed {
    std::vector<double> bare;
    std::vector<double> inked;
};

void print_keyed(const char* what, const Keyed& keyed) {
    const double ratio = bench::spread(bench::paired_ratios(keyed.inked, keyed.bare)).median;
    std::printf("%-9s without ink %s ms, with ink %s ms; paired ratio %s\n", what,
                fixed(bench::spread(keyed.bare).median, 1).c_str(),
                fixed(bench::spread(keyed.inked).median, 1).c_str(), fixed(ratio, 2).c_str());
}

bool goal(const char* what, bool met) {
    std::printf("  %-62s %s\n", what, met ? "met" : "NOT MET");
    return met;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        }
        int* count = arg == "--strokes"    ? &options.strokes
                     : arg == "--points"   ? &options.points
                     : arg == "--segments" ? &options.segments
                     : arg == "--rounds"   ? &options.rounds
                     : arg == "--quiet"    ? &options.quiet_ms
                                           : nullptr;
        if (count && has_value) {
            *count = std::atoi(argv[++i]);
        } else if (arg == "--size" && has_value) {
            if (std::sscanf(argv[++i], "%dx%d", &options.size.width, &options.size.height) != 2 ||
                options.size.width < 640 || options.size.height < 480) {
                std::fprintf(stderr, "chalkline_ink_bench: the size is WxH (at least 640x480)\n");
                return 2;
            }
        } else if (arg == "--screen" && has_value) {
            options.screen = argv[++i];
        } else {
            std::fprintf(stderr, "chalkline_ink_bench: unknown option %s; see --help\n",
                         arg.c_str());
            return 2;
        }
    }
    if (options.strokes < 1 || options.points < 1 || options.segments < 2 || options.rounds < 1 ||
        options.quiet_ms < 10) {
        std::fprintf(stderr, "chalkline_ink_bench: the counts must be positive (segments at "
                             "least 2, quiet at least 10 ms)\n");
        return 2;
    }
    if (!std::filesystem::is_directory("Images") || !std::filesystem::is_directory("opening")) {
        std::fprintf(stderr, "chalkline_ink_bench: run it from the build folder, where Images "
                             "and opening are\n");
        return 2;
    }
    const std::string helpers = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    bench::end_started_processes_with_probe();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("chalkline_ink_bench." + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string log = (folder / "host.log").string();

    try {
        Host host(options, helpers, log);
        const double screen = double(options.size.width) * options.size.height;
        std::printf("Ink on %s, %dx%d full screen; a covered board: %d strokes of %d points\n",
                    options.screen.c_str(), options.size.width, options.size.height,
                    options.strokes, options.points);

        // The pen on an empty board; the memory without ink and with it; the pen on the
        // covered board; and the memory once Next took the ink away.
        host.keys("p");
        const Pen empty = write(host, options);
        host.keys("p Next");
        const long before = bench::memory_of(host.pid()).resident_kib;
        host.cover_with_ink();
        const long with_ink = bench::memory_of(host.pid()).resident_kib;
        host.keys("p");
        const Pen covered = write(host, options);
        host.keys("p Next");
        const long after = bench::memory_of(host.pid()).resident_kib;

        // Solution, a switch (out to the menu; back in untimed) and Next, on a covered
        // screen and on a bare one in turn.
        Keyed next, solution, out;
        for (int round = 0; round < options.rounds; ++round) {
            for (int k = 0; k < 2; ++k) {
                const bool inked = (k == 0) == (round % 2 == 0);
                const auto prepare = [&] {
                    if (inked) {
                        host.cover_with_ink();
                    }
                };
                prepare();
                (inked ? solution.inked : solution.bare).push_back(host.timed("Prior"));
                (inked ? out.inked : out.bare).push_back(host.switch_out_and_back());
                prepare();
                (inked ? next.inked : next.bare).push_back(host.timed("Next"));
            }
        }

        print_pen("empty board", empty, screen);
        print_pen("covered board", covered, screen);
        print_keyed("Next", next);
        print_keyed("Solution", solution);
        print_keyed("Switch", out);
        const double ink_mib = double(with_ink - before) / 1024;
        std::printf("memory of the ink: %s MiB (resident %ld KiB without, %ld with, %ld after "
                    "Next); the host said \"%s\"\n",
                    fixed(ink_mib, 1).c_str(), before, with_ink, after, host.ink_line().c_str());

        std::printf("goals:\n");
        const auto ratio = [](const Keyed& k) {
            return bench::spread(bench::paired_ratios(k.inked, k.bare)).median;
        };
        goal("pen to screen within a frame at 60 Hz (median, empty board)",
             bench::spread(empty.ms).median <= kFrameMs);
        goal("pen to screen within a frame at 60 Hz (95th percentile, empty)",
             bench::percentile(empty.ms, 0.95) <= kFrameMs);
        goal("pen to screen within a frame at 60 Hz (95th percentile, covered)",
             bench::percentile(covered.ms, 0.95) <= kFrameMs);
        goal("drawn per step under 1% of the screen (largest step)",
             bench::percentile(empty.area, 1) < kAreaShare * screen &&
                 bench::percentile(covered.area, 1) < kAreaShare * screen);
        goal("Next within 1.2x without ink", ratio(next) <= kInkRatio);
        goal("Solution within 1.2x without ink", ratio(solution) <= kInkRatio);
        goal("switch within 1.2x without ink", ratio(out) <= kInkRatio);
        goal("memory of the ink under 20 MiB", ink_mib < kInkMiB);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "chalkline_ink_bench: %s\n", error.what());
        return 1;
    }
    std::filesystem::remove_all(folder);
    return 0;
}
