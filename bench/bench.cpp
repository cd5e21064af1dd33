// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark: the real Chalkline program and a bare Qt program of the same screens,
// each on its own Xvfb server of the same size, driven from outside with real keys
// (XTest) along the same route, switch by switch in turn (A B, then B A); every time runs
// from the key press to the last drawing the server reports (DAMAGE) before the screen
// stays quiet. Beside them, the floor: one whole frame put to the screen (MIT-SHM).
// Run it from the build folder, where the pictures are:
//
//     cd build && nice -n 10 bench/chalkline_bench [--quick] [--sizes 1920x1080,...]
//
// See the README's section on the benchmark for what each figure means.

#include "measures.h"
#include "processes.h"
#include "report.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void usage() {
    std::puts("usage: chalkline_bench [options]   (from the build folder)\n"
              "  --sizes WxH,...   screen sizes (default 1024x768,1920x1080,3840x2160; 1024x768\n"
              "                    also in Chalkline's 800x600 window)\n"
              "  --switches N      switches of the memory tour (default 2000)\n"
              "  --starts N        cold starts of each program per size and mode (default 7)\n"
              "  --rounds N        timed rounds of the route per size and mode (default 3)\n"
              "  --floor N         full-frame puts for the floor (default 100)\n"
              "  --quiet MS        a screen is drawn when MS pass without drawing (default 200)\n"
              "  --program PATH    the Chalkline program (default ./chalkline)\n"
              "  --quick           a smoke check: 1920x1080 only, few rounds, under a minute\n"
              "  --help            this text");
}

bool parse_sizes(const std::string& text, std::vector<bench::Size>& sizes) {
    sizes.clear();
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string one = text.substr(at, comma - at);
        bench::Size size;
        if (std::sscanf(one.c_str(), "%dx%d", &size.width, &size.height) != 2 || size.width < 640 ||
            size.height < 480) {
            return false;
        }
        sizes.push_back(size);
        at = comma + 1;
    }
    return !sizes.empty();
}

} // namespace

int main(int argc, char** argv) {
    bench::Options options;
    bool sizes_given = false;
    bool quick = false;
    std::vector<std::pair<std::string, int*>> counts = {{"--switches", &options.switches},
                                                        {"--starts", &options.starts},
                                                        {"--rounds", &options.rounds},
                                                        {"--floor", &options.floor_puts},
                                                        {"--quiet", &options.quiet_ms}};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        bool known = false;
        for (auto& [name, value] : counts) {
            if (arg == name && has_value) {
                *value = std::atoi(argv[++i]);
                known = true;
            }
        }
        if (known) {
            continue;
        }
        if (arg == "--sizes" && has_value) {
            if (!parse_sizes(argv[++i], options.sizes)) {
                std::fprintf(stderr, "chalkline_bench: sizes are WxH,WxH (at least 640x480)\n");
                return 2;
            }
            sizes_given = true;
        } else if (arg == "--program" && has_value) {
            options.program = argv[++i];
        } else if (arg == "--quick") {
            quick = true;
        } else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else {
            std::fprintf(stderr, "chalkline_bench: unknown option %s; see --help\n", arg.c_str());
            return 2;
        }
    }
    if (quick) {
        options.starts = 2;
        options.rounds = 1;
        options.switches = 100;
        options.floor_puts = 20;
        options.drag_moves = 4;
        if (!sizes_given) {
            options.sizes = {{1920, 1080}};
        }
    }
    if (options.switches < 2 || options.starts < 1 || options.rounds < 1 ||
        options.floor_puts < 1 || options.quiet_ms < 10) {
        std::fprintf(stderr, "chalkline_bench: the counts must be positive (switches at least 2, "
                             "quiet at least 10 ms)\n");
        return 2;
    }
    if (!std::filesystem::is_directory("Images") || !std::filesystem::is_directory("opening") ||
        access(options.program.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "chalkline_bench: run it from the build folder, where chalkline, "
                             "Images and opening are (or name the program with --program)\n");
        return 2;
    }
    options.helpers = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    bench::end_started_processes_with_probe();

    std::vector<bench::Result> results;
    bool complete = true;
    for (const bench::Size size : options.sizes) {
        std::vector<bool> modes = {true};
        // The window is 800 x 600: on a small screen it is how a teacher may run it.
        if (size.width <= 1024) {
            modes.push_back(false);
        }
        for (const bool full_screen : modes) {
            const bench::Setting setting{size, full_screen};
            std::fprintf(stderr, "chalkline_bench: measuring %s\n",
                         bench::setting_name(setting).c_str());
            try {
                results.push_back(bench::measure(setting, options));
                bench::print_result(results.back());
            } catch (const std::exception& error) {
                std::fprintf(stderr, "chalkline_bench: %s: %s\n",
                             bench::setting_name(setting).c_str(), error.what());
                complete = false;
            }
        }
    }
    bench::print_goals(results, options);
    return complete ? 0 : 1;
}
