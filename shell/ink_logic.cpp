// SPDX-License-Identifier: GPL-3.0-or-later
#include "ink_logic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace shell {

namespace {

double distance(double ax, double ay, double bx, double by) {
    return std::hypot(ax - bx, ay - by);
}

// The distance from p to the segment a-b.
double point_segment_distance(InkPoint p, InkPoint a, InkPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return distance(p.x, p.y, a.x + t * dx, a.y + t * dy);
}

// Which side of the line a-b the point c lies: -1, 0 or 1.
int side(InkPoint a, InkPoint b, InkPoint c) {
    const long long cross =
        (long long)(b.x - a.x) * (c.y - a.y) - (long long)(b.y - a.y) * (c.x - a.x);
    return (cross > 0) - (cross < 0);
}

bool crossing(InkPoint a, InkPoint b, InkPoint c, InkPoint d) {
    const int s1 = side(a, b, c), s2 = side(a, b, d), s3 = side(c, d, a), s4 = side(c, d, b);
    return s1 * s2 < 0 && s3 * s4 < 0;
}

void keep_between(const std::vector<InkPoint>& points, std::size_t first, std::size_t last,
                  double tolerance, std::vector<bool>& keep) {
    // Iterative, so that a long stroke cannot run the stack out.
    std::vector<std::pair<std::size_t, std::size_t>> spans{{first, last}};
    while (!spans.empty()) {
        const auto [from, to] = spans.back();
        spans.pop_back();
        double farthest = -1;
        std::size_t at = from;
        for (std::size_t i = from + 1; i < to; ++i) {
            const double d = point_segment_distance(points[i], points[from], points[to]);
            if (d > farthest) {
                farthest = d;
                at = i;
            }
        }
        if (farthest > tolerance) {
            keep[at] = true;
            spans.emplace_back(from, at);
            spans.emplace_back(at, to);
        }
    }
}

} // namespace

InkPoint ink_point(double x, double y) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    const auto held = [&](double v) {
        return std::int16_t(std::lround(std::clamp(std::isfinite(v) ? v : 0.0, lowest, highest)));
    };
    return {held(x), held(y)};
}

void InkBox::include(InkPoint point) {
    if (empty()) {
        *this = {point.x, point.y, point.x, point.y};
        return;
    }
    left = std::min<int>(left, point.x);
    top = std::min<int>(top, point.y);
    right = std::max<int>(right, point.x);
    bottom = std::max<int>(bottom, point.y);
}

void InkBox::include(const InkBox& box) {
    if (box.empty()) {
        return;
    }
    if (empty()) {
        *this = box;
        return;
    }
    left = std::min(left, box.left);
    top = std::min(top, box.top);
    right = std::max(right, box.right);
    bottom = std::max(bottom, box.bottom);
}

InkBox InkBox::grown(int by) const {
    return empty() ? *this : InkBox{left - by, top - by, right + by, bottom + by};
}

bool InkBox::meets(const InkBox& other) const {
    return !empty() && !other.empty() && left <= other.right && other.left <= right &&
           top <= other.bottom && other.top <= bottom;
}

double segment_distance(InkPoint a, InkPoint b, InkPoint c, InkPoint d) {
    if (crossing(a, b, c, d)) {
        return 0;
    }
    return std::min({point_segment_distance(a, c, d), point_segment_distance(b, c, d),
                     point_segment_distance(c, a, b), point_segment_distance(d, a, b)});
}

std::vector<InkPoint> simplified(const std::vector<InkPoint>& points, double tolerance) {
    if (points.size() < 3) {
        return points;
    }
    std::vector<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;
    keep_between(points, 0, points.size() - 1, tolerance, keep);
    std::vector<InkPoint> kept;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (keep[i]) {
            kept.push_back(points[i]);
        }
    }
    return kept;
}

// ---- InkSheet ----

bool InkSheet::begin(InkPoint at, int colour) {
    if (drawing_) {
        end();
    }
    if (point_count_ >= kSheetPoints) {
        compact();
        if (point_count_ >= kSheetPoints) {
            return false;
        }
    }
    entries_.push_back({{colour, {at}, InkBox{at.x, at.y, at.x, at.y}}, true});
    ++point_count_;
    ++shown_count_;
    drawing_ = true;
    return true;
}

InkSheet::Growth InkSheet::extend(InkPoint to) {
    if (!drawing_ || point_count_ >= kSheetPoints) {
        return {};
    }
    InkStroke& stroke = entries_.back().stroke;
    const InkPoint last = stroke.points.back();
    if (distance(last.x, last.y, to.x, to.y) < kSpacing) {
        return {};
    }
    stroke.points.push_back(to);
    stroke.box.include(to);
    ++point_count_;
    if (stroke.points.size() < kStrokePoints) {
        return {true, false};
    }
    const int colour = stroke.colour;
    end();
    begin(to, colour);
    return {true, true};
}

void InkSheet::end() {
    if (!drawing_) {
        return;
    }
    drawing_ = false;
    InkStroke& stroke = entries_.back().stroke;
    const std::size_t before = stroke.points.size();
    stroke.points = simplified(stroke.points, kTolerance);
    stroke.points.shrink_to_fit();
    point_count_ -= before - stroke.points.size();
    history_.push_back({Change::Drew, {entries_.size() - 1}});
}

InkBox InkSheet::cancel() {
    if (!drawing_) {
        return {};
    }
    drawing_ = false;
    const InkBox box = entries_.back().stroke.box;
    point_count_ -= entries_.back().stroke.points.size();
    --shown_count_;
    entries_.pop_back();
    return box;
}

const InkStroke* InkSheet::current() const {
    return drawing_ ? &entries_.back().stroke : nullptr;
}

void InkSheet::show(std::size_t index, bool shown) {
    Entry& entry = entries_[index];
    if (entry.shown != shown) {
        entry.shown = shown;
        shown_count_ += shown ? 1 : std::size_t(-1);
    }
}

std::vector<InkBox> InkSheet::erase(InkPoint from, InkPoint to, int reach) {
    InkBox along;
    along.include(from);
    along.include(to);
    along = along.grown(reach);
    Step step{Change::Erased, {}};
    std::vector<InkBox> boxes;
    const std::size_t finished = entries_.size() - (drawing_ ? 1 : 0);
    for (std::size_t i = 0; i < finished; ++i) {
        const Entry& entry = entries_[i];
        if (!entry.shown || !entry.stroke.box.meets(along)) {
            continue;
        }
        const auto& points = entry.stroke.points;
        bool touched =
            points.size() == 1 && segment_distance(points[0], points[0], from, to) <= reach;
        for (std::size_t k = 1; k < points.size() && !touched; ++k) {
            touched = segment_distance(points[k - 1], points[k], from, to) <= reach;
        }
        if (touched) {
            show(i, false);
            step.strokes.push_back(i);
            boxes.push_back(entry.stroke.box);
        }
    }
    if (!step.strokes.empty()) {
        history_.push_back(std::move(step));
    }
    return boxes;
}

std::optional<InkBox> InkSheet::undo() {
    if (drawing_ || history_.empty()) {
        return std::nullopt;
    }
    const Step step = std::move(history_.back());
    history_.pop_back();
    InkBox box;
    for (std::size_t index : step.strokes) {
        box.include(entries_[index].stroke.box);
        show(index, step.change != Change::Drew);
    }
    // A stroke taken back is gone for good. Steps are taken back newest first, so it is
    // the last stroke of the sheet, and nothing else in the history names it.
    if (step.change == Change::Drew && step.strokes.back() + 1 == entries_.size()) {
        point_count_ -= entries_.back().stroke.points.size();
        entries_.pop_back();
    }
    return box;
}

InkBox InkSheet::clear() {
    cancel();
    Step step{Change::Cleared, {}};
    InkBox box;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].shown) {
            box.include(entries_[i].stroke.box);
            show(i, false);
            step.strokes.push_back(i);
        }
    }
    if (!step.strokes.empty()) {
        history_.push_back(std::move(step));
    }
    return box;
}

void InkSheet::forget() {
    entries_.clear();
    entries_.shrink_to_fit();
    history_.clear();
    history_.shrink_to_fit();
    point_count_ = shown_count_ = 0;
    drawing_ = false;
}

void InkSheet::compact() {
    std::vector<Entry> kept;
    point_count_ = 0;
    for (Entry& entry : entries_) {
        if (entry.shown) {
            point_count_ += entry.stroke.points.size();
            kept.push_back(std::move(entry));
        }
    }
    entries_ = std::move(kept);
    history_.clear();
}

InkBox InkSheet::box() const {
    InkBox box;
    for_each_shown([&](const InkStroke& stroke) { box.include(stroke.box); });
    return box;
}

std::size_t InkSheet::bytes() const {
    std::size_t total = entries_.capacity() * sizeof(Entry);
    for (const Entry& entry : entries_) {
        total += entry.stroke.points.capacity() * sizeof(InkPoint);
    }
    return total;
}

} // namespace shell
