// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractionsbetween_screen.h"

#include <algorithm>

namespace chalkline::fractionsbetween {

namespace {

QString text_of(const Fraction& value) {
    return QString::fromStdString(text(value));
}

double approximately(const Fraction& value) {
    return double(value.numerator()) / double(value.denominator());
}

const shell::FontSpec kProblemFont{"Tahoma", 32, true};
const shell::FontSpec kNumberFont{"Tahoma", 24, true};
const shell::FontSpec kWordFont{"Tahoma", 18, true};

// The number line's place on the screen, and its ends inside it.
constexpr double kLineLeft = 300;
constexpr double kLineTop = 3100;
constexpr double kLineWidth = 8900;
constexpr double kLineHeight = 2500;
constexpr double kLineStart = 1100;
constexpr double kLineEnd = 7800;
constexpr double kLineY = 1450;
constexpr double kEndLabelWidth = 2000;
constexpr double kEndLabelHeight = 1340; // room for a fraction stacked at 24 points

// The answer boxes below the line, at these centres.
constexpr double kAnswerCentres[] = {1750, 4750, 7750};
constexpr double kAnswerWidth = 2800;
constexpr double kAnswerTop = kLineTop + kLineHeight;

} // namespace

FractionsBetweenForm::FractionsBetweenForm()
    : FractionForm("fractionsbetween", "Fractions Between", "menu3",
                   {{tr("Easy"), tr("Close"), tr("Improper")}}) {
    Label1 = add_label(this, {.name = "Label1",
                              .left = 600,
                              .top = 300,
                              .width = 8400,
                              .height = 700,
                              .caption = tr("Find a fraction between"),
                              .font = {"Tahoma", 20.25, true},
                              .align = Qt::AlignCenter});
    const auto number = [this](const QString& name, double left, double top, double width,
                               double height, const shell::FontSpec& font) {
        return fractionkit::add_number_label(*this, this,
                                             {.name = name,
                                              .left = left,
                                              .top = top,
                                              .width = width,
                                              .height = height,
                                              .caption = "",
                                              .font = font});
    };
    Label2 = number("Label2", 1700, 1100, 2600, 1700, kProblemFont);
    Label3 = add_label(this, {.name = "Label3",
                              .left = 4300,
                              .top = 1100,
                              .width = 1400,
                              .height = 1700,
                              .caption = tr("and"),
                              .font = {"Tahoma", 24, true},
                              .align = Qt::AlignCenter});
    Label4 = number("Label4", 5700, 1100, 2600, 1700, kProblemFont);

    Line1 = add<NumberLine>(this, "Line1");
    Line1->move(kLineLeft, kLineTop, kLineWidth, kLineHeight);
    Line1->set_line(kLineStart, kLineEnd, kLineY);
    const double end_label_top = kLineTop + kLineY - 250 - kEndLabelHeight;
    Label5 = number("Label5", kLineLeft + kLineStart - kEndLabelWidth / 2, end_label_top,
                    kEndLabelWidth, kEndLabelHeight, kNumberFont);
    Label6 = number("Label6", kLineLeft + kLineEnd - kEndLabelWidth / 2, end_label_top,
                    kEndLabelWidth, kEndLabelHeight, kNumberFont);

    const QString names[] = {tr("Halfway"), tr("Mediant"), tr("Simplest")};
    for (int i = 0; i < kAnswers; ++i) {
        const double left = kLineLeft + kAnswerCentres[i] - kAnswerWidth / 2;
        Label9[std::size_t(i)] = add_label(this, {.name = "Label9",
                                                  .index = i,
                                                  .left = left,
                                                  .top = kAnswerTop,
                                                  .width = kAnswerWidth,
                                                  .height = 500,
                                                  .caption = names[i],
                                                  .font = kWordFont,
                                                  .fore = shell::kWhite,
                                                  .align = Qt::AlignCenter,
                                                  .visible = false});
        Label10[std::size_t(i)] =
            number("Label10", left, kAnswerTop + 500, kAnswerWidth, kEndLabelHeight, kNumberFont);
        Label10[std::size_t(i)]->set_fore_colour(shell::kWhite);
        Label10[std::size_t(i)]->set_visible(false);
    }
}

void FractionsBetweenForm::new_problem() {
    const Pair previous = pair_;
    pair_ = make_problem(kind_as<Kind>(), random_, &previous);
    const QString smaller = text_of(pair_.smaller);
    const QString larger = text_of(pair_.larger);
    Label2->set_caption(smaller);
    Label4->set_caption(larger);
    Label5->set_caption(smaller);
    Label6->set_caption(larger);

    const Answers found = answers(pair_);
    const Fraction values[] = {found.halfway, found.mediant, found.simplest};
    // The boxes stand in the order of their values, so that no two leader lines cross.
    std::array<int, kAnswers> rank{0, 1, 2};
    std::stable_sort(rank.begin(), rank.end(),
                     [&values](int a, int b) { return values[a] < values[b]; });
    std::vector<NumberLine::Mark> marks(kAnswers);
    for (int place = 0; place < kAnswers; ++place) {
        const auto i = std::size_t(rank[std::size_t(place)]);
        const double left = kLineLeft + kAnswerCentres[place] - kAnswerWidth / 2;
        Label9[i]->set_left(left);
        Label10[i]->set_left(left);
        Label9[i]->set_visible(false);
        Label10[i]->set_visible(false);
        Label10[i]->set_caption(text_of(values[i]));
        marks[i] = {approximately(values[i]), kAnswerCentres[place], false};
    }
    Line1->set_range(approximately(pair_.smaller), approximately(pair_.larger));
    Line1->set_marks(marks);
    set_problem_sentence(tr("find a fraction between %1 and %2.").arg(smaller, larger));
}

void FractionsBetweenForm::show_part(int which) {
    Label9[std::size_t(which)]->set_visible(true);
    Label10[std::size_t(which)]->set_visible(true);
    Line1->show_mark(std::size_t(which));
}

QString FractionsBetweenForm::answer_sentence() const {
    return tr("halfway %1; mediant %2; simplest %3.")
        .arg(Label10[0]->caption(), Label10[1]->caption(), Label10[2]->caption());
}

} // namespace chalkline::fractionsbetween
