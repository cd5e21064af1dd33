// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ink written over a screen, as numbers: strokes of points in twips on the design,
// the eraser, undo and the limits that keep a pen left on the board from filling the
// memory. No toolkit here; the pen layer (ink.h) draws what this holds.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace shell {

// A point of a stroke, in twips from the top left corner of the design.
struct InkPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
    friend bool operator==(InkPoint, InkPoint) = default;
};

// A point in twips, rounded and held within the range a stroke can keep.
InkPoint ink_point(double x, double y);

// The smallest box around points, in twips; edges included.
struct InkBox {
    int left = 1, top = 1, right = 0, bottom = 0;
    bool empty() const { return right < left || bottom < top; }
    void include(InkPoint point);
    void include(const InkBox& box);
    InkBox grown(int by) const;
    bool meets(const InkBox& other) const;
};

struct InkStroke {
    int colour = 0;
    std::vector<InkPoint> points;
    InkBox box;
};

// The strokes of one problem, oldest first, with the history that undo walks back.
class InkSheet {
public:
    // A point nearer than this to the last one kept adds nothing: a pen held still, or
    // trembling, keeps one point.
    static constexpr int kSpacing = 20;
    // A finished stroke keeps only the points it needs to stay within this of its path.
    static constexpr int kTolerance = 4;
    // A stroke that reaches this many points goes on as a new stroke from its last point,
    // so that no one stroke grows without end.
    static constexpr std::size_t kStrokePoints = 4096;
    // The points the sheet holds at most, strokes undo can bring back included; past it
    // the pen draws nothing more until ink is erased or cleared.
    static constexpr std::size_t kSheetPoints = 1'500'000;

    // Starts a stroke in the colour; false when the sheet is full.
    bool begin(InkPoint at, int colour);
    // What a point did to the stroke being drawn.
    struct Growth {
        bool kept = false;  // the point was added
        bool split = false; // the stroke reached its length and a new one went on from it
    };
    Growth extend(InkPoint to);
    // Finishes the stroke being drawn: it is simplified and can be undone.
    void end();
    // Drops the stroke being drawn; its box, to draw again without it.
    InkBox cancel();
    bool drawing() const { return drawing_; }
    // The stroke being drawn, or nullptr.
    const InkStroke* current() const;

    // Removes every finished stroke that passes within `reach` twips of the segment from
    // `from` to `to`; the boxes of those removed.
    std::vector<InkBox> erase(InkPoint from, InkPoint to, int reach);
    // Takes back the last stroke drawn, erasing or clearing; the box that changed, or
    // nothing when there is nothing to take back.
    std::optional<InkBox> undo();
    // Removes every stroke, in a way undo can take back; the box they covered.
    InkBox clear();
    // Removes every stroke and the history: the sheet of a new problem.
    void forget();

    // Calls f(stroke) for each stroke shown, oldest first (the one being drawn last).
    template <class F> void for_each_shown(F&& f) const {
        for (const Entry& entry : entries_) {
            if (entry.shown) {
                f(entry.stroke);
            }
        }
    }
    bool empty() const { return shown_count_ == 0; }
    // The box around every stroke shown.
    InkBox box() const;
    // Points held, shown or kept for undo.
    std::size_t point_count() const { return point_count_; }
    // The memory the points take, in bytes.
    std::size_t bytes() const;

private:
    struct Entry {
        InkStroke stroke;
        bool shown = true;
    };
    enum class Change { Drew, Erased, Cleared };
    struct Step {
        Change change;
        std::vector<std::size_t> strokes;
    };

    void show(std::size_t index, bool shown);
    // Frees the strokes that only undo could bring back, and the history with them.
    void compact();

    std::vector<Entry> entries_;
    std::vector<Step> history_;
    std::size_t point_count_ = 0;
    std::size_t shown_count_ = 0;
    bool drawing_ = false;
};

// Ramer-Douglas-Peucker: the fewest of the points (the first and last always) that keep
// the polyline within `tolerance` of every point dropped.
std::vector<InkPoint> simplified(const std::vector<InkPoint>& points, double tolerance);

// The distance between the segments a-b and c-d, in twips.
double segment_distance(InkPoint a, InkPoint b, InkPoint c, InkPoint d);

} // namespace shell
