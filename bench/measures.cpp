// SPDX-License-Identifier: GPL-3.0-or-later
#include "measures.h"

#include "processes.h"
#include "route.h"
#include "x_display.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <thread>

namespace bench {

namespace {

using std::chrono::milliseconds;

// How long a program may take to draw anything: at its start, and after a key.
constexpr milliseconds kFirstDrawingAtStart{30000};
constexpr milliseconds kFirstDrawing{10000};
// The longest a screen may go on drawing before the probe gives up waiting for quiet.
constexpr milliseconds kLongest{20000};
// The quiet that paces the untimed keys: the moves of the focus before a timed key, and
// the switches of the memory tour.
constexpr milliseconds kPace{25};
// The tour checks, this often, with the full quiet, that the keys are still on the route.
constexpr int kTourChecks = 8;

// The first displays of the range this benchmark may use, and the last.
constexpr int kFirstDisplay = 80;
constexpr int kLastDisplay = 89;

std::string text(std::string_view view) {
    return std::string(view);
}

// The keys of a step before its last one, and the last one.
std::pair<std::string_view, std::string_view> split_keys(std::string_view keys) {
    const std::size_t space = keys.rfind(' ');
    if (space == std::string_view::npos) {
        return {{}, keys};
    }
    return {keys.substr(0, space), keys.substr(space + 1)};
}

// One program under test, on its own server.
class Program {
public:
    Program(std::string label, XDisplay& x, std::vector<std::string> command,
            std::vector<std::string> environment, std::string log, milliseconds quiet)
        : label_(std::move(label)), x_(x), command_(std::move(command)),
          environment_(std::move(environment)), log_(std::move(log)), quiet_(quiet) {}
    ~Program() { stop(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const std::string& label() const { return label_; }
    XDisplay& x() { return x_; }
    pid_t pid() const { return pid_; }

    // Starts the program: the time from exec to the last drawing of its title screen.
    double start() {
        stop();
        x_.forget();
        const Clock::time_point exec = Clock::now();
        pid_ = start_process(command_, environment_, log_);
        if (pid_ < 0) {
            throw std::runtime_error("cannot start " + command_[0]);
        }
        const Drawing drawn = x_.wait_drawing(quiet_, kFirstDrawingAtStart, kLongest);
        if (!drawn.drawn) {
            throw std::runtime_error(label_ + " drew nothing in 30 s (see " + log_ + ")");
        }
        note_unsettled(drawn, "its title screen");
        expect_caption(kMenuCaption, "at its start");
        return millis(drawn.last - exec);
    }

    void stop() {
        stop_process(pid_);
        pid_ = -1;
    }

    // Moves the focus to the step's entry, then times its last key: from the press to
    // the last drawing before the quiet.
    double timed_step(const Step& step) {
        const auto [before, last] = split_keys(step.keys);
        if (!before.empty()) {
            x_.keys(before);
            x_.wait_drawing(kPace, kFirstDrawing, kLongest);
        }
        x_.forget();
        const Clock::time_point pressed = x_.key(last);
        const Drawing drawn = x_.wait_drawing(quiet_, kFirstDrawing, kLongest);
        if (!drawn.drawn) {
            throw std::runtime_error(label_ + " drew nothing after " + text(step.keys) + " on " +
                                     text(step.from) + "; the keys reach " + reached());
        }
        note_unsettled(drawn, text(step.to));
        expect_caption(step.caption, "after " + text(step.keys) + " on " + text(step.from));
        return millis(drawn.last - pressed);
    }

    // A step of the memory tour, only as slow as the keys need. Where the program shows
    // each screen in a window of its own, a key sent before the new window has the focus
    // would go to the old one: the next keys wait for the focus to move. Where it shows
    // every screen in one window, its keys come in order: they wait for a pause in the
    // drawing. The first step finds out which, with the full quiet.
    void paced_step(const Step& step, bool check) {
        const unsigned long before = x_.focused_window();
        x_.forget();
        x_.keys(step.keys);
        if (!windows_change_) {
            x_.wait_drawing(quiet_, kFirstDrawing, kLongest);
            const unsigned long after = x_.focused_window();
            windows_change_ = after != 0 && after != before;
            check = true;
        } else if (*windows_change_) {
            const Clock::time_point sent = Clock::now();
            // While one window goes and the next comes, the focus may be on no window.
            for (unsigned long now = before; now == before || now == 0; now = x_.focused_window()) {
                if (Clock::now() - sent > kFirstDrawing) {
                    throw std::runtime_error(label_ + " did not answer " + text(step.keys) +
                                             " on " + text(step.from) +
                                             " in the tour; the keys reach " + reached());
                }
                x_.wait_drawing(milliseconds(1), milliseconds(1), milliseconds(1));
            }
        } else {
            x_.wait_drawing(kPace, kFirstDrawing, kLongest);
        }
        if (check) {
            x_.wait_drawing(quiet_, quiet_, kLongest);
            expect_caption(step.caption,
                           "after " + text(step.keys) + " on " + text(step.from) + " in the tour");
        }
    }

    const std::vector<std::string>& notes() const { return notes_; }

private:
    void expect_caption(std::string_view caption, const std::string& when) {
        const std::string seen = x_.focused_caption();
        if (seen != caption) {
            throw std::runtime_error("the route is lost: " + when + ", the keys reach " +
                                     reached() + " of " + label_ + ", not \"" + text(caption) +
                                     "\"");
        }
    }

    std::string reached() {
        if (const std::string ended = how_process_ended(pid_); !ended.empty()) {
            pid_ = -1;
            return "nothing: " + label_ + " has " + ended;
        }
        const std::string seen = x_.focused_caption();
        return (seen.empty() ? std::string("no window") : "the window \"" + seen + "\"") + " (" +
               x_.focus_report() + ")";
    }

    void note_unsettled(const Drawing& drawn, const std::string& what) {
        if (!drawn.settled) {
            notes_.push_back(label_ + " never stayed quiet on " + what + " (timed to " +
                             std::to_string(kLongest.count()) + " ms)");
        }
    }

    std::string label_;
    XDisplay& x_;
    std::vector<std::string> command_;
    std::vector<std::string> environment_;
    std::string log_;
    milliseconds quiet_;
    pid_t pid_ = -1;
    std::optional<bool> windows_change_;
    std::vector<std::string> notes_;
};

// The two programs in turn, the first of each pair alternating: A B, B A, A B...
class Turns {
public:
    Turns(Program& chalkline, Program& bare) : chalkline_(chalkline), bare_(bare) {}
    // Runs what for both programs, in this pair's order, and keeps the pair of figures
    // unless one of them is missing (below zero). Returns whether it kept them.
    template <typename What> bool pair(What what, Paired* into = nullptr) {
        const bool chalkline_first = (count_++ % 2) == 0;
        double chalkline = 0, bare = 0;
        if (chalkline_first) {
            chalkline = what(chalkline_);
            bare = what(bare_);
        } else {
            bare = what(bare_);
            chalkline = what(chalkline_);
        }
        if (chalkline < 0 || bare < 0) {
            return false;
        }
        if (into) {
            into->chalkline.push_back(chalkline);
            into->bare.push_back(bare);
        }
        return true;
    }

private:
    Program& chalkline_;
    Program& bare_;
    int count_ = 0;
};

// Whole numbers the recording wrote to a file of the records folder.
template <std::size_t N> std::array<int, N> read_place(const std::string& file) {
    std::ifstream in(file);
    std::array<int, N> place{};
    for (int& value : place) {
        if (!(in >> value)) {
            throw std::runtime_error("the recording left no " + file);
        }
    }
    return place;
}

// Picks the tile up, moves it round a circle of its own height below it, each move timed
// from the pointer's move to its last drawing, and lets it go where it was picked up. A
// move that draws nothing (the tile out of sight) is left out, pair and all.
void drag(Turns& turns, Program& chalkline, Program& bare, const std::array<int, 4>& tile,
          const std::array<int, 2>& rest, int moves, milliseconds quiet, Result& result) {
    const int cx = tile[0] + tile[2] / 2, cy = tile[1] + tile[3] / 2;
    for (Program* p : {&chalkline, &bare}) {
        p->x().move_pointer(cx, cy);
        p->x().wait_drawing(kPace, kPace, kLongest);
        p->x().button(true);
        p->x().wait_drawing(kPace, kPace, kLongest);
    }
    for (int i = 1; i <= moves; ++i) {
        const double angle = 2 * std::numbers::pi * i / moves;
        const int x = cx - int(std::lround(tile[3] * std::sin(angle)));
        const int y = cy + tile[3] - int(std::lround(tile[3] * std::cos(angle)));
        const bool kept = turns.pair(
            [&](Program& p) {
                p.x().forget();
                const Clock::time_point moved = p.x().move_pointer(x, y);
                const Drawing drawn = p.x().wait_drawing(quiet, milliseconds(1000), kLongest);
                return drawn.drawn ? millis(drawn.last - moved) : -1.0;
            },
            &result.drag_ms);
        if (!kept) {
            result.notes.push_back("a move of the drag drew nothing on one of the programs; "
                                   "that pair is left out");
        }
    }
    for (Program* p : {&chalkline, &bare}) {
        p->x().move_pointer(cx, cy);
        p->x().wait_drawing(kPace, kPace, kLongest);
        p->x().button(false);
        p->x().move_pointer(rest[0], rest[1]);
        p->x().wait_drawing(kPace, kPace, kLongest);
    }
}

} // namespace

std::vector<std::string> environment(const std::string& display) {
    // The same for both: X through Qt's xcb platform, English, no scaling of their own.
    return {"DISPLAY=" + display,
            "QT_QPA_PLATFORM=xcb",
            "LC_ALL=C",
            "LANG=C",
            "LANGUAGE=",
            "WAYLAND_DISPLAY=",
            "QT_SCALE_FACTOR=",
            "QT_SCREEN_SCALE_FACTORS=",
            "QT_AUTO_SCREEN_SCALE_FACTOR=",
            "QT_FONT_DPI=",
            "QT_ENABLE_HIGHDPI_SCALING="};
}

std::unique_ptr<XDisplay> connect_display(const std::string& display) {
    for (int i = 0;; ++i) {
        try {
            return std::make_unique<XDisplay>(display);
        } catch (const std::runtime_error&) {
            if (i == 50) {
                throw;
            }
            std::this_thread::sleep_for(milliseconds(100));
        }
    }
}

std::string setting_name(const Setting& setting) {
    const std::string size =
        std::to_string(setting.size.width) + "x" + std::to_string(setting.size.height);
    return setting.full_screen ? size + " full screen" : size + ", in the 800x600 window";
}

Result measure(const Setting& setting, const Options& options) {
    Result result;
    result.setting = setting;
    const milliseconds quiet(options.quiet_ms);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("chalkline_bench." + std::to_string(getpid()) + "." + std::to_string(setting.size.width) +
         (setting.full_screen ? "f" : "w"));
    std::filesystem::create_directories(folder / "records");
    const std::string log = (folder / "programs.log").string();
    const std::string records = (folder / "records").string();

    const Xvfb server_a(setting.size.width, setting.size.height, kFirstDisplay, kLastDisplay, log);
    const Xvfb server_b(setting.size.width, setting.size.height, kFirstDisplay, kLastDisplay, log);
    if (server_a.display().empty() || server_b.display().empty()) {
        throw std::runtime_error("cannot start two Xvfb servers on :80 to :89");
    }
    const auto a = connect_display(server_a.display());
    const auto b = connect_display(server_b.display());

    // The bare program's screens, as Chalkline lays them out on a server like its own.
    std::vector<std::string> record = {options.helpers + "/chalkline_bench_record", "--records",
                                       records};
    if (setting.full_screen) {
        record.push_back("--full-screen");
    }
    const pid_t recorder = start_process(record, environment(server_b.display()), log);
    if (recorder < 0 || wait_process(recorder, 120000) != 0) {
        stop_process(recorder);
        throw std::runtime_error("the screens could not be recorded (see " + log + ")");
    }
    // The tile to drag (x, y, width, height) and the pointer's place while keys drive.
    const std::array<int, 4> tile = read_place<4>(records + "/tile.txt");
    const std::array<int, 2> rest = read_place<2>(records + "/pointer.txt");

    // The floor, on both servers.
    for (XDisplay* x : {a.get(), b.get()}) {
        int reported = 0;
        const std::vector<double> puts = x->floor_millis(options.floor_puts, reported);
        result.floor_ms.insert(result.floor_ms.end(), puts.begin(), puts.end());
        result.floor_reported += reported;
        x->move_pointer(rest[0], rest[1]);
    }

    std::vector<std::string> chalkline_command = {options.program};
    if (setting.full_screen) {
        chalkline_command.push_back("--full-screen");
    }
    Program chalkline("Chalkline", *a, chalkline_command, environment(server_a.display()), log,
                      quiet);
    Program bare("the bare program", *b,
                 {options.helpers + "/chalkline_bare", "--records", records},
                 environment(server_b.display()), log, quiet);
    Turns turns(chalkline, bare);

    for (int start = 0; start < options.starts; ++start) {
        turns.pair([](Program& p) { return p.start(); }, &result.cold_ms);
        turns.pair([](Program& p) { return p.timed_step(kTitleStep); }, &result.first_menu_ms);
        // One untimed round, every screen of the route seen once, then the memory.
        for (const Step& step : kRound) {
            turns.pair([&](Program& p) {
                p.paced_step(step, false);
                return 0.0;
            });
        }
        turns.pair(
            [](Program& p) {
                p.x().wait_drawing(milliseconds(100), milliseconds(100), kLongest);
                return double(memory_of(p.pid()).peak_kib);
            },
            &result.peak_kib);
        turns.pair([](Program& p) { return double(memory_of(p.pid()).resident_kib); },
                   &result.resident_kib);
    }

    // The timed rounds, on the last programs started, every screen already seen once.
    for (int round = 0; round < options.rounds; ++round) {
        for (const Step& step : kRound) {
            turns.pair([&](Program& p) { return p.timed_step(step); }, &result.switch_ms);
            if (round == 0 && step.to == kDragScreen && options.drag_moves > 0) {
                drag(turns, chalkline, bare, tile, rest, options.drag_moves, quiet, result);
            }
        }
    }
    bare.stop();

    // Chalkline alone goes on along the route; its memory is read at the start, halfway
    // and at the end.
    result.tour_switches = options.switches;
    chalkline.x().wait_drawing(quiet, quiet, kLongest);
    result.tour_start_kib = memory_of(chalkline.pid()).resident_kib;
    const int check_every = std::max(1, options.switches / kTourChecks);
    for (int i = 0; i < options.switches; ++i) {
        const bool last = i + 1 == options.switches;
        const bool half = i + 1 == options.switches / 2;
        chalkline.paced_step(kRound[std::size_t(i) % kRound.size()],
                             last || half || (i + 1) % check_every == 0);
        if (half) {
            result.tour_half_kib = memory_of(chalkline.pid()).resident_kib;
        }
    }
    result.tour_end_kib = memory_of(chalkline.pid()).resident_kib;
    chalkline.stop();

    for (const Program* p : {&chalkline, &bare}) {
        result.notes.insert(result.notes.end(), p->notes().begin(), p->notes().end());
    }
    std::filesystem::remove_all(folder);
    return result;
}

} // namespace bench
