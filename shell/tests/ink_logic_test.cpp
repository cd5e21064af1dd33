// SPDX-License-Identifier: GPL-3.0-or-later
// The ink as numbers: simplified strokes stay on their path, undo gives back exactly
// what it took, and a pen left on the board cannot fill the memory.

#include "ink_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace shell;

namespace {

// The strokes shown, as their points, oldest first.
std::vector<std::vector<InkPoint>> shown(const InkSheet& sheet) {
    std::vector<std::vector<InkPoint>> strokes;
    sheet.for_each_shown([&](const InkStroke& stroke) { strokes.push_back(stroke.points); });
    return strokes;
}

// A stroke that wanders from a random start: `points` steps of up to `step` twips.
std::vector<InkPoint> wander(std::mt19937& random, int points, int step) {
    std::uniform_int_distribution<int> start(0, 12000), move(-step, step);
    int x = start(random), y = start(random) * 3 / 4;
    std::vector<InkPoint> path;
    for (int i = 0; i < points; ++i) {
        x = std::clamp(x + move(random), 0, 12000);
        y = std::clamp(y + move(random), 0, 9000);
        path.push_back({std::int16_t(x), std::int16_t(y)});
    }
    return path;
}

void draw(InkSheet& sheet, const std::vector<InkPoint>& path, int colour = 0) {
    ASSERT_TRUE(sheet.begin(path.front(), colour));
    for (InkPoint p : path) {
        sheet.extend(p);
    }
    sheet.end();
}

double distance_to_polyline(InkPoint p, const std::vector<InkPoint>& line) {
    double nearest = segment_distance(p, p, line.front(), line.front());
    for (std::size_t i = 1; i < line.size(); ++i) {
        nearest = std::min(nearest, segment_distance(p, p, line[i - 1], line[i]));
    }
    return nearest;
}

} // namespace

// Every point a stroke drops lies within the tolerance of what it keeps, from its first
// point to its last.
TEST(InkLogic, SimplifiedStrokesStayOnTheirPath) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        const auto path = wander(random, 2 + int(seed % 300), 60);
        const auto kept = simplified(path, InkSheet::kTolerance);
        ASSERT_EQ(kept.front(), path.front());
        ASSERT_EQ(kept.back(), path.back());
        ASSERT_LE(kept.size(), path.size());
        for (InkPoint p : path) {
            ASSERT_LE(distance_to_polyline(p, kept), InkSheet::kTolerance + 1e-9) << seed;
        }
    }
}

// Drawing, erasing, clearing and undo in any order: each undo brings back exactly the
// strokes shown before the step it takes back.
TEST(InkLogic, UndoTakesBackExactlyTheLastStep) {
    for (unsigned seed = 1; seed <= 100; ++seed) {
        std::mt19937 random(seed);
        InkSheet sheet;
        std::vector<std::vector<std::vector<InkPoint>>> before;
        for (int step = 0; step < 60; ++step) {
            const auto now = shown(sheet);
            switch (random() % 6) {
            case 0:
            case 1:
            case 2:
                draw(sheet, wander(random, 30, 200), int(random() % 4));
                before.push_back(now);
                break;
            case 3: {
                const auto path = wander(random, 2, 3000);
                if (!sheet.erase(path[0], path[1], 175).empty()) {
                    before.push_back(now);
                }
                break;
            }
            case 4:
                if (!sheet.clear().empty()) {
                    before.push_back(now);
                }
                break;
            default:
                if (sheet.undo()) {
                    ASSERT_FALSE(before.empty()) << seed;
                    ASSERT_EQ(shown(sheet), before.back()) << seed << " step " << step;
                    before.pop_back();
                } else {
                    ASSERT_TRUE(before.empty()) << seed;
                }
            }
            ASSERT_EQ(sheet.empty(), shown(sheet).empty());
        }
        while (sheet.undo()) {
            ASSERT_EQ(shown(sheet), before.back()) << seed;
            before.pop_back();
        }
        ASSERT_TRUE(sheet.empty());
        ASSERT_EQ(sheet.point_count(), 0u) << "strokes taken back are freed";
    }
}

// The eraser takes a stroke that comes within its reach, and no other.
TEST(InkLogic, TheEraserTakesOnlyWhatItTouches) {
    InkSheet sheet;
    draw(sheet, {{1000, 1000}, {3000, 1000}});
    draw(sheet, {{1000, 2000}, {3000, 2000}});
    const int reach = 175;
    EXPECT_TRUE(sheet.erase({2000, 1000 + reach + 1}, {2000, 1800}, reach).empty());
    EXPECT_EQ(sheet.erase({2000, 1000 + reach}, {2000, 1800}, reach).size(), 1u);
    EXPECT_EQ(shown(sheet), (std::vector<std::vector<InkPoint>>{{{1000, 2000}, {3000, 2000}}}));
    // A stroke crossed between two samples of the eraser is taken too.
    EXPECT_EQ(sheet.erase({2000, 1500}, {2000, 2500}, 0).size(), 1u);
    EXPECT_TRUE(sheet.empty());
}

// A pen left on the board, trembling or sliding for a million points, keeps its strokes
// of bounded length, joined end to end, and the sheet within its limit; past the limit
// it draws nothing more.
TEST(InkLogic, APenLeftOnTheBoardIsBounded) {
    std::mt19937 random(7);
    InkSheet sheet;
    ASSERT_TRUE(sheet.begin({6000, 4500}, 1));
    std::uniform_int_distribution<int> tremble(-5, 5);
    for (int i = 0; i < 1'000'000; ++i) {
        sheet.extend({std::int16_t(6000 + tremble(random)), std::int16_t(4500 + tremble(random))});
    }
    EXPECT_LE(sheet.point_count(), 40u) << "a pen held still keeps a few points";
    for (InkPoint p : wander(random, 2'000'000, 60)) {
        sheet.extend(p);
    }
    sheet.end();
    EXPECT_LE(sheet.point_count(), InkSheet::kSheetPoints);
    EXPECT_LE(sheet.bytes(), InkSheet::kSheetPoints * sizeof(InkPoint) * 3 / 2);
    std::vector<std::vector<InkPoint>> strokes = shown(sheet);
    ASSERT_GT(strokes.size(), 1u);
    for (std::size_t i = 1; i < strokes.size(); ++i) {
        ASSERT_LE(strokes[i].size(), InkSheet::kStrokePoints);
        ASSERT_EQ(strokes[i].front(), strokes[i - 1].back()) << "stroke " << i;
    }
    // Writing on, stroke after stroke, the sheet fills and then refuses.
    int strokes_after = 0;
    for (; strokes_after < 1000 && sheet.begin({100, 100}, 0); ++strokes_after) {
        for (InkPoint p : wander(random, 4000, 60)) {
            sheet.extend(p);
        }
        sheet.end();
        ASSERT_LE(sheet.point_count(), InkSheet::kSheetPoints);
    }
    EXPECT_LT(strokes_after, 1000) << "the sheet is full";
    sheet.clear();
    EXPECT_TRUE(sheet.begin({100, 100}, 0)) << "clearing makes room";
}
