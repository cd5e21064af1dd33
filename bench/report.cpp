// SPDX-License-Identifier: GPL-3.0-or-later
#include "report.h"

#include "statistics.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace bench {

namespace {

// The goals: key to the last drawing within this many floors at 1920x1080 and above;
// peak memory within this ratio to the bare program; growth under this many KiB.
constexpr double kFloorBudget = 3;
constexpr int kBudgetFromWidth = 1920;
constexpr double kPeakRatio = 1.15;
constexpr long kGrowthKiB = 64;

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// "1.32 (1.25-1.40) n=7": the median, its interquartile range and the count.
std::string spread_text(const std::vector<double>& samples, int decimals, double scale = 1,
                        const std::string& unit = "") {
    const Spread s = spread(samples);
    if (s.count == 0) {
        return "-";
    }
    return fixed(s.median * scale, decimals) + unit + " (" + fixed(s.q1 * scale, decimals) + "-" +
           fixed(s.q3 * scale, decimals) + ") n=" + std::to_string(s.count);
}

double median(const std::vector<double>& samples) {
    return spread(samples).median;
}

void print_table(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> width;
    for (const auto& row : rows) {
        width.resize(std::max(width.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            width[i] = std::max(width[i], row[i].size());
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i] + std::string(width[i] - row[i].size() + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        std::printf("%s\n", line.c_str());
    }
}

bool budgeted(const Setting& setting) {
    return setting.full_screen && setting.size.width >= kBudgetFromWidth;
}

long growth(const Result& r) {
    return r.tour_end_kib - r.tour_half_kib;
}

} // namespace

void print_result(const Result& r) {
    const double floor = median(r.floor_ms);
    std::printf("\n== %s ==\n", setting_name(r.setting).c_str());
    std::printf("floor, one full-frame XShmPutImage + XSync: %s; DAMAGE reported %d of %zu puts\n",
                spread_text(r.floor_ms, 2, 1, " ms").c_str(), r.floor_reported, r.floor_ms.size());
    std::vector<std::vector<std::string>> rows = {
        {"measure", "Chalkline/bare, paired", "Chalkline", "bare", "x floor, Chalkline / bare"}};
    const auto time_row = [&](const std::string& name, const Paired& p, bool floors) {
        rows.push_back({name, spread_text(paired_ratios(p.chalkline, p.bare), 2),
                        spread_text(p.chalkline, 1, 1, " ms"), spread_text(p.bare, 1, 1, " ms"),
                        floors && floor > 0 ? fixed(median(p.chalkline) / floor, 1) + " / " +
                                                  fixed(median(p.bare) / floor, 1)
                                            : "-"});
    };
    const auto memory_row = [&](const std::string& name, const Paired& p) {
        const double mib = 1.0 / 1024;
        rows.push_back({name, spread_text(paired_ratios(p.chalkline, p.bare), 2),
                        spread_text(p.chalkline, 1, mib, " MiB"),
                        spread_text(p.bare, 1, mib, " MiB"), "-"});
    };
    time_row("cold start, exec to title drawn", r.cold_ms, false);
    time_row("switch, the whole route", r.switch_ms, true);
    time_row("first menu after the title's key", r.first_menu_ms, true);
    time_row("Magic Squares drag, per move", r.drag_ms, true);
    memory_row("peak memory (VmHWM) after a round", r.peak_kib);
    memory_row("steady memory (VmRSS) then", r.resident_kib);
    print_table(rows);
    const long grown = growth(r);
    std::printf("memory growth of Chalkline over the second half of %d switches: %+ld KiB "
                "(VmRSS %ld, %ld, %ld KiB at the start, halfway, the end): %s\n",
                r.tour_switches, grown, r.tour_start_kib, r.tour_half_kib, r.tour_end_kib,
                grown < kGrowthKiB ? "PASS" : "FAIL");
    for (const std::string& note : r.notes) {
        std::printf("note: %s\n", note.c_str());
    }
    std::fflush(stdout);
}

void print_goals(const std::vector<Result>& results, const Options& options) {
    std::vector<std::vector<std::string>> rows = {{"goal", "where", "measured", "met"}};
    const auto yes = [](bool met) { return std::string(met ? "yes" : "NO"); };
    for (const Result& r : results) {
        const std::string where = setting_name(r.setting);
        const double floor = median(r.floor_ms);
        if (budgeted(r.setting) && floor > 0) {
            const double all = median(r.switch_ms.chalkline) / floor;
            const double first = median(r.first_menu_ms.chalkline) / floor;
            rows.push_back({"switch median <= 3x floor", where, fixed(all, 1) + "x floor",
                            yes(all <= kFloorBudget)});
            rows.push_back({"first menu median <= 3x floor", where, fixed(first, 1) + "x floor",
                            yes(first <= kFloorBudget)});
        }
        const double peak = median(paired_ratios(r.peak_kib.chalkline, r.peak_kib.bare));
        rows.push_back(
            {"peak memory <= 1.15x bare", where, fixed(peak, 3) + "x", yes(peak <= kPeakRatio)});
        rows.push_back({"growth over 2nd half < 64 KiB", where, std::to_string(growth(r)) + " KiB",
                        yes(growth(r) < kGrowthKiB)});
    }
    std::printf("\n== goals (%d cold starts, %d timed rounds, %d-switch tour, quiet %d ms) ==\n",
                options.starts, options.rounds, options.switches, options.quiet_ms);
    print_table(rows);
}

} // namespace bench
