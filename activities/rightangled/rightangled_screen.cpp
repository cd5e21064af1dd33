// SPDX-License-Identifier: GPL-3.0-or-later
#include "rightangled_screen.h"

#include "language.h"
#include "speech.h"

#include "form.h"

#include <algorithm>

namespace chalkline::rightangled {

// The activity's record: its place on the menus, its title, kinds and code prefix.
const shell::ActivityInfo kActivity{
    .screen = "rightangled",
    .menu = 2,
    .place = 3,
    .title = QT_TRANSLATE_NOOP("Activities", "Right-angled Triangles"),
    .kinds = {QT_TRANSLATE_NOOP("Kinds", "Find the Hypotenuse"),
              QT_TRANSLATE_NOOP("Kinds", "Find a Shorter Side"),
              QT_TRANSLATE_NOOP("Kinds", "Mixed")},
    .code_prefix = "RAT",
    .make = shell::make_screen<RightAngledForm>,
};

namespace {

using shell::text_of;

const shell::FontSpec kInstructionFont{"Tahoma", 18, true};
const shell::FontSpec kWorkingFont{"Tahoma", 24, true};

constexpr double kFigureLeft = 300, kFigureTop = 1200, kFigureWidth = 6300, kFigureHeight = 5700;
constexpr double kWorkingLeft = 6750, kWorkingWidth = 5100;
constexpr double kWorkingTops[] = {1500, 2400, 3300};

} // namespace

RightAngledForm::RightAngledForm() : RevealingForm(kActivity) {
    instruction = add_label(
        this, {.name = "instruction",
               .left = 600,
               .top = 240,
               .width = 10800,
               .height = 900,
               .caption = tr("Find the length of the side marked ?, to 1 decimal place where "
                             "it is not a whole number."),
               .font = kInstructionFont,
               .align = Qt::AlignLeft | Qt::AlignTop});
    figure = add<Figure>(this, "figure");
    figure->move(kFigureLeft, kFigureTop, kFigureWidth, kFigureHeight);
    figure->set_font_spec({"Tahoma", 28, true});
    scale_note = add_label(this, {.name = "scale_note",
                                  .left = 600,
                                  .top = kFigureTop + kFigureHeight + 100,
                                  .width = 5700,
                                  .height = 450,
                                  .caption = tr("Not drawn to scale"),
                                  .font = {"Tahoma", 15.75, true},
                                  .align = Qt::AlignLeft | Qt::AlignTop});
    for (int i = 0; i < 3; ++i) {
        working[std::size_t(i)] = add_label(this, {.name = "working",
                                                   .index = i,
                                                   .left = kWorkingLeft,
                                                   .top = kWorkingTops[i],
                                                   .width = kWorkingWidth,
                                                   .height = 750,
                                                   .caption = "",
                                                   .font = kWorkingFont,
                                                   .fore = shell::kWhite,
                                                   .align = Qt::AlignLeft | Qt::AlignTop,
                                                   .visible = false});
    }
    places_note = add_label(this, {.name = "places_note",
                                   .left = kWorkingLeft,
                                   .top = kWorkingTops[2] + 750,
                                   .width = kWorkingWidth,
                                   .height = 500,
                                   .caption = tr("to 1 decimal place"),
                                   .font = kInstructionFont,
                                   .fore = shell::kWhite,
                                   .align = Qt::AlignLeft | Qt::AlignTop,
                                   .visible = false});

    add_kinds({.left = kWorkingLeft, .top = 5200, .width = kWorkingWidth});
}

void RightAngledForm::new_problem() {
    for (auto* line : working) {
        line->set_visible(false);
    }
    places_note->set_visible(false);
    problem_ = make_problem(kind_as<Kind>(), problem_random());
    answer_ = work_out(problem_);
    draw_problem();
    set_problem_sentence(problem_text());
    figure->setAccessibleName(problem_text());
}

// The drawing's units (the longer shorter side 1000) fill the figure's box; the figure
// draws it smaller where its labels need the room.
void RightAngledForm::draw_problem() {
    const Drawing d = drawing(problem_);
    int width = 0;
    int height = 0;
    for (const Point& v : d.vertices) {
        width = std::max(width, v.x);
        height = std::max(height, v.y);
    }
    const double scale = std::min(kFigureWidth / width, kFigureHeight / height);
    std::vector<QPointF> points;
    for (const Point& v : d.vertices) {
        points.emplace_back(v.x * scale, v.y * scale);
    }
    figure->set_polygon(points);
    figure->mark_right_angle(d.right_angle);
    for (int i = 0; i < 3; ++i) {
        const int tenths = d.sides[std::size_t(i)] == Side::Hypotenuse ? problem_.hypotenuse
                           : d.sides[std::size_t(i)] == Side::ShorterA ? problem_.shorter_a
                                                                       : problem_.shorter_b;
        if (tenths == 0) {
            figure->set_side_label(i, "?", true);
        } else {
            figure->set_side_label(i, text_of(length_text(tenths)));
        }
    }
}

QString RightAngledForm::problem_text() const {
    if (problem_.hypotenuse_to_find()) {
        return tr("a right-angled triangle with shorter sides %1 and %2. Find the hypotenuse.")
            .arg(shell::speech::words(text_of(length_text(problem_.shorter_a))),
                 shell::speech::words(text_of(length_text(problem_.shorter_b))));
    }
    return tr("a right-angled triangle with hypotenuse %1 and a shorter side %2. Find the other "
              "shorter side.")
        .arg(shell::speech::words(text_of(length_text(problem_.hypotenuse))),
             shell::speech::words(text_of(length_text(problem_.shorter_b))));
}

// Two problems in a row never give the same two lengths for the same side to find,
// whatever the drawing and in whichever order the shorter sides are named.
QStringList RightAngledForm::repeat_keys() const {
    const auto [low, high] = std::minmax(problem_.shorter_a, problem_.shorter_b);
    return {RevealingForm::repeat_keys().front(),
            QString("lengths %1 %2 %3").arg(low).arg(high).arg(problem_.hypotenuse)};
}

QString RightAngledForm::answer_sentence() const {
    // The working as the screen shows it, line by line in words: "c squared equals 17
    // squared plus 14 squared. ... c equals the square root of 485 equals 22.0".
    QStringList lines;
    for (const auto& line : answer_.working) {
        lines << shell::speech::words(text_of(line));
    }
    const QString working = shell::speech::one_after_another(lines);
    return answer_.exact ? QString("%1.").arg(working) : tr("%1 to 1 decimal place.").arg(working);
}

// The first line names the side to find: its "?" becomes the working's letter.
void RightAngledForm::show_part(int line) {
    working[std::size_t(line)]->set_caption(text_of(answer_.working[std::size_t(line)]));
    working[std::size_t(line)]->set_visible(true);
    if (line == 0) {
        for (int side = 0; side < 3; ++side) {
            if (figure->side_label(side) == "?") {
                figure->set_side_label(side, problem_.hypotenuse_to_find() ? "c" : "a", true);
            }
        }
    }
    if (line == 2 && !answer_.exact) {
        places_note->set_visible(true);
    }
}

} // namespace chalkline::rightangled
