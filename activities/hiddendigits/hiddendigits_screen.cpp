// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiddendigits_screen.h"

#include "speech.h"

#include <algorithm>

namespace chalkline::hiddendigits {

using shell::FontSpec;

namespace {

// The columns of the calculation, in twips: each digit stands in a column of this width,
// right-aligned on kRightEdge, the sign one column left of the longest row.
constexpr double kColumnWidth = 1050;
constexpr double kRightEdge = 7200;
constexpr double kCellWidth = 930;
constexpr double kCellHeight = 1100;
constexpr double kRowTops[kRows] = {2000, 3250, 4850};
// The line under the second row, between it and the answer.
constexpr double kLineY = 4600;
const FontSpec kDigitFont{"Tahoma", 48, true};
// A hidden digit's box, and a filled box's digit told apart from the given ones.
constexpr int kBoxBorder = 3;
const QColor kFilledColour = shell::kWhite;

double column_left(int place) {
    return kRightEdge - (place + 1) * kColumnWidth + (kColumnWidth - kCellWidth) / 2;
}

} // namespace

HiddenDigitsForm::HiddenDigitsForm() : RevealingForm("hiddendigits", tr("Hidden Digits"), "menu4") {
    Label1 = add_label(this, {.name = "Label1",
                              .left = 600,
                              .top = 300,
                              .width = 8400,
                              .height = 750,
                              .caption = tr("Find the hidden digits."),
                              .font = FontSpec{"Tahoma", 21.75, true},
                              .align = Qt::AlignLeft | Qt::AlignTop});
    for (int row = 0; row < kRows; ++row) {
        for (int place = 0; place < kMostDigits; ++place) {
            const int index = row * kMostDigits + place;
            Digit[std::size_t(index)] = add_label(this, {.name = "Digit",
                                                         .index = index,
                                                         .left = column_left(place),
                                                         .top = kRowTops[row],
                                                         .width = kCellWidth,
                                                         .height = kCellHeight,
                                                         .caption = QString(),
                                                         .font = kDigitFont,
                                                         .align = Qt::AlignCenter,
                                                         .visible = false});
            Digit[std::size_t(index)]->set_border_colour(shell::kYellow);
        }
    }
    LabelSign = add_label(this, {.name = "LabelSign",
                                 .left = column_left(kMostDigits),
                                 .top = kRowTops[1],
                                 .width = kCellWidth,
                                 .height = kCellHeight,
                                 .caption = QString(),
                                 .font = kDigitFont,
                                 .align = Qt::AlignCenter});
    Line1 = add<shell::Line>(this, "Line1");
    Line1->set_border_colour(shell::kYellow);
    Line1->set_border_width(4);

    add_kinds({tr("Addition"), tr("Subtraction"), tr("Multiplication")},
              {.left = 8930, .top = 2100, .width = 2940, .height = 480});
}

void HiddenDigitsForm::new_problem() {
    problem_ = make_problem(kind_as<Kind>(), random_, problem_);
    boxes_.clear();
    std::size_t longest = 0;
    for (int row = 0; row < kRows; ++row) {
        const std::string& pattern = problem_->patterns[row];
        longest = std::max(longest, pattern.size());
        for (int place = 0; place < kMostDigits; ++place) {
            shell::Label* cell = digit(row, place);
            const bool used = std::size_t(place) < pattern.size();
            const char shown = used ? pattern[pattern.size() - 1 - place] : ' ';
            cell->set_caption(used ? QString(QChar(shown)) : QString());
            cell->set_fore_colour(shell::kYellow);
            cell->set_border(shown == '?');
            cell->set_border_width(kBoxBorder);
            cell->set_visible(used);
            if (shown == '?') {
                boxes_.emplace_back(row, place);
            }
        }
    }
    // Units first, as the calculation is worked; down each column.
    std::sort(boxes_.begin(), boxes_.end(), [](const auto& a, const auto& b) {
        return std::pair(a.second, a.first) < std::pair(b.second, b.first);
    });
    const int sign_place = int(longest);
    LabelSign->set_caption(QString::fromStdString(sign_of(problem_->kind)));
    LabelSign->set_left(column_left(sign_place));
    Line1->set_points(column_left(sign_place), kLineY, kRightEdge, kLineY);
    set_problem_sentence(
        tr("%1.").arg(shell::speech::words(QString::fromStdString(problem_text(*problem_)))));
}

void HiddenDigitsForm::show_part(int step) {
    const auto [row, place] = boxes_[std::size_t(step)];
    const std::string number = std::to_string(problem_->numbers[row]);
    shell::Label* cell = digit(row, place);
    cell->set_caption(QString(QChar(number[number.size() - 1 - place])));
    cell->set_fore_colour(kFilledColour);
}

QString HiddenDigitsForm::answer_sentence() const {
    return tr("%1.").arg(shell::speech::words(QString::fromStdString(answer_text(*problem_))));
}

} // namespace chalkline::hiddendigits
