// SPDX-License-Identifier: GPL-3.0-or-later
#include "pandigital_screen.h"

#include "accessibility.h"

#include <vector>

namespace chalkline::pandigital {

namespace {

constexpr double kBoxSize = 1000;
constexpr double kBoxGap = 120;
constexpr double kBoxesLeft = 700;
constexpr double kTopRow = 2600;
constexpr double kBottomRow = 4000;
constexpr double kBarY = (kTopRow + kBoxSize + kBottomRow) / 2;
// The clue digits stand out from those the class works out.
const QColor& kClueColour = shell::kWhite;

double box_left(int place) {
    // The four boxes above stand centred over the five below.
    const double column = place < kTopDigits ? place + 0.5 : place - kTopDigits;
    return kBoxesLeft + column * (kBoxSize + kBoxGap);
}

} // namespace

PandigitalForm::PandigitalForm()
    : FractionForm("pandigital", "Pandigital Fractions", "menu4",
                   {{tr("Unit Fractions"), tr("Any Fraction"), tr("With Clues")}}) {
    Label1 = add_label(this, {.name = "Label1",
                              .left = 600,
                              .top = 350,
                              .width = 8500,
                              .height = 1300,
                              .caption = tr("Use the digits 1 to 9 once each to make a fraction "
                                            "equal to"),
                              .font = {"Tahoma", 20.25, true},
                              .align = Qt::AlignLeft | Qt::AlignVCenter});
    for (int place = 0; place < kDigits; ++place) {
        shell::Label* box = add_label(this, {.name = "Label2",
                                             .index = place,
                                             .left = box_left(place),
                                             .top = place < kTopDigits ? kTopRow : kBottomRow,
                                             .width = kBoxSize,
                                             .height = kBoxSize,
                                             .caption = "",
                                             .font = {"Tahoma", 36, true},
                                             .border = true,
                                             .align = Qt::AlignCenter});
        box->set_border_colour(shell::kYellow);
        box->set_border_width(2);
        // An empty box is a hidden digit.
        shell::set_reader_traits(
            box,
            {.name = [box] { return box->caption().isEmpty() ? QString("?") : box->caption(); }});
        Label2[std::size_t(place)] = box;
    }
    Line1 = add<shell::Line>(this, "Line1");
    Line1->set_points(box_left(kTopDigits) - 60, kBarY, box_left(kDigits - 1) + kBoxSize + 60,
                      kBarY);
    Line1->set_border_colour(shell::kYellow);
    Line1->set_border_width(4);
    const double right = box_left(kDigits - 1) + kBoxSize;
    Label3 = add_label(this, {.name = "Label3",
                              .left = right + 200,
                              .top = kBarY - 500,
                              .width = 800,
                              .height = 1000,
                              .caption = "=",
                              .font = {"Tahoma", 36, true},
                              .align = Qt::AlignCenter});
    Label4 = fractionkit::add_number_label(*this, this,
                                           {.name = "Label4",
                                            .left = right + 1000,
                                            .top = kBarY - 1200,
                                            .width = 2000,
                                            .height = 2400,
                                            .caption = "",
                                            .font = {"Tahoma", 40, true}});
    Label9 = add_label(this, {.name = "Label9",
                              .left = 600,
                              .top = 5600,
                              .width = 8500,
                              .height = 900,
                              .caption = "",
                              .font = {"Tahoma", 26.25, true},
                              .fore = shell::kWhite,
                              .align = Qt::AlignCenter,
                              .visible = false});
}

void PandigitalForm::new_problem() {
    const Problem previous = problem_;
    problem_ = make_problem(kind_as<Kind>(), random_, &previous);
    for (int place = 0; place < kDigits; ++place) {
        shell::Label* box = Label2[std::size_t(place)];
        const bool clue = problem_.clue[std::size_t(place)];
        box->set_caption(clue ? QString::number(problem_.form[std::size_t(place)]) : QString());
        box->set_fore_colour(clue ? kClueColour : shell::kYellow);
    }
    Label4->set_caption(QString::fromStdString(fraction_text(problem_.target)));
    Label9->set_visible(false);
    Label9->set_caption(problem_.ways == 1 ? tr("1 way") : tr("%1 ways").arg(problem_.ways));
    set_problem_sentence(tr("use the digits 1 to 9 once each to make a fraction equal to %1: %2.")
                             .arg(Label4->caption(),
                                  QString::fromStdString(form_text(problem_.form, problem_.clue))));
}

// The places that show their digit now.
Places PandigitalForm::shown_places() const {
    Places shown{};
    for (int place = 0; place < kDigits; ++place) {
        shown[std::size_t(place)] = !Label2[std::size_t(place)]->caption().isEmpty();
    }
    return shown;
}

std::vector<int> PandigitalForm::hidden_places() const {
    std::vector<int> hidden;
    for (int place = 0; place < kDigits; ++place) {
        if (!problem_.clue[std::size_t(place)]) {
            hidden.push_back(place);
        }
    }
    return hidden;
}

int PandigitalForm::answer_parts() const {
    return int(hidden_places().size()) + 1;
}

void PandigitalForm::show_part(int part) {
    const std::vector<int> hidden = hidden_places();
    if (part < int(hidden.size())) {
        const int place = hidden[std::size_t(part)];
        Label2[std::size_t(place)]->set_caption(QString::number(problem_.form[std::size_t(place)]));
    } else {
        Label9->set_visible(true);
    }
}

QString PandigitalForm::answer_sentence() const {
    const QString form = QString::fromStdString(form_text(problem_.form, shown_places()));
    return problem_.ways == 1
               ? tr("%1 = %2; 1 way.").arg(form, Label4->caption())
               : tr("%1 = %2; %3 ways.").arg(form, Label4->caption()).arg(problem_.ways);
}

} // namespace chalkline::pandigital
