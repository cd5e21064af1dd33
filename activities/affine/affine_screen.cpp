// SPDX-License-Identifier: GPL-3.0-or-later
#include "affine_screen.h"

namespace chalkline::affine {

namespace {

using shell::Label;
using shell::text_label;

constexpr double kNumberPoints = 24;
constexpr double kWordPoints = 32;
constexpr double kCaptionPoints = 21.75;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

// The alphabet in two rows of thirteen, each letter over its number.
constexpr int kTableColumns = 13;
constexpr double kTableLeft = 300;
constexpr double kTableStep = 880;
constexpr double kTableWidth = 860;
constexpr double kTableTops[] = {1550, 2070, 2690, 3210};
constexpr double kTableHeight = 520;

// The word's columns keep left of the status panel, which starts at 10200.
constexpr double kWordLeft = 1300;
constexpr double kWordStep = 950;
constexpr double kWordWidth = 900;
constexpr double kGivenTop = 5150;
constexpr double kFirstTop = 5870;
constexpr double kSecondTop = 6390;
constexpr double kResultTop = 6910;
constexpr double kLetterHeight = 700;
constexpr double kNumberHeight = 520;

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

void frame(Label* label) {
    label->set_border(true);
    label->set_border_colour(shell::kYellow);
}

} // namespace

AffineForm::AffineForm() : RevealingForm("affine", tr("Affine Ciphers"), "menu5") {
    Instruction =
        add_label(this, text_label("Instruction", -1, 300, 150, 11400, 550, kCaptionPoints));
    KeyText = add_label(this, text_label("KeyText", -1, 300, 700, 11400, 750, kWordPoints));
    add_table();
    add_working();
    add_word();
    add_kinds({tr("Shift"), tr("Encode"), tr("Decode")}, shell::kKindsAlongTheBottom);
}

void AffineForm::add_table() {
    for (int n = 0; n < kLetters; ++n) {
        const auto i = std::size_t(n);
        const double left = kTableLeft + (n % kTableColumns) * kTableStep;
        const std::size_t row = n < kTableColumns ? 0 : 2;
        TableLetter[i] = add_label(this, text_label("TableLetter", n, left, kTableTops[row],
                                                    kTableWidth, kTableHeight, kNumberPoints));
        TableNumber[i] = add_label(this, text_label("TableNumber", n, left, kTableTops[row + 1],
                                                    kTableWidth, kTableHeight, kNumberPoints));
        TableLetter[i]->set_caption(QString(QChar(number_letter(n))));
        TableNumber[i]->set_caption(QString::number(n));
        frame(TableLetter[i]);
        frame(TableNumber[i]);
    }
}

// Decode's first part: why a' is the inverse of a, and the key that decodes.
void AffineForm::add_working() {
    const double captions = 300, working = 3900, width = 7900;
    InverseCaption = add_label(
        this, text_label("InverseCaption", -1, captions, 3850, 3500, 600, kCaptionPoints, kLeft));
    InverseWorking = add_label(
        this, text_label("InverseWorking", -1, working, 3850, width, 600, kNumberPoints, kLeft));
    DecodingCaption = add_label(
        this, text_label("DecodingCaption", -1, captions, 4450, 3500, 600, kCaptionPoints, kLeft));
    DecodingKey = add_label(
        this, text_label("DecodingKey", -1, working, 4450, width, 600, kNumberPoints, kLeft));
    DecodingCaption->set_caption(tr("To decode:"));
}

void AffineForm::add_word() {
    FirstCaption = add_label(
        this, text_label("FirstCaption", -1, 300, kFirstTop, 900, kNumberHeight, kNumberPoints));
    SecondCaption = add_label(
        this, text_label("SecondCaption", -1, 300, kSecondTop, 900, kNumberHeight, kNumberPoints));
    // They name the unknowns x and y: never a multiplication sign.
    FirstCaption->set_as_written(true);
    SecondCaption->set_as_written(true);
    for (std::size_t i = 0; i < kLongest; ++i) {
        const auto column = [&](const char* name, double top, double height, double points) {
            return add_label(this, text_label(name, int(i), kWordLeft + double(i) * kWordStep, top,
                                              kWordWidth, height, points));
        };
        Given[i] = column("Given", kGivenTop, kLetterHeight, kWordPoints);
        FirstNumber[i] = column("FirstNumber", kFirstTop, kNumberHeight, kNumberPoints);
        SecondNumber[i] = column("SecondNumber", kSecondTop, kNumberHeight, kNumberPoints);
        Result[i] = column("Result", kResultTop, kLetterHeight, kWordPoints);
        frame(Given[i]);
        frame(Result[i]);
    }
}

int AffineForm::answer_parts() const {
    return parts_before_letters() + int(problem_.given().size());
}

void AffineForm::new_problem() {
    problem_ = make_problem(kind_as<Kind>(), random_, has_problem_ ? &problem_ : nullptr);
    has_problem_ = true;
    const bool decode = problem_.kind == Kind::Decode;
    const QString given = text_of(problem_.given());
    const QString answer = text_of(problem_.answer());
    const QString key = text_of(key_text(problem_.key));
    Instruction->set_caption(decode ? tr("Decode the word with the key")
                                    : tr("Encode the word with the key"));
    KeyText->set_caption(key);
    InverseCaption->set_caption(tr("Inverse of %1:").arg(problem_.key.a));
    InverseWorking->set_caption(text_of(inverse_text(problem_.key.a)));
    DecodingKey->set_caption(text_of(decoding_key_text(problem_.key)));
    for (Label* working : {InverseCaption, InverseWorking, DecodingCaption, DecodingKey}) {
        working->set_visible(false);
    }
    // The letters given have numbers x to encode, y to decode.
    FirstCaption->set_caption(decode ? "y" : "x");
    SecondCaption->set_caption(decode ? "x" : "y");
    FirstCaption->set_visible(false);
    SecondCaption->set_visible(false);

    // The word stands in the middle of the nine columns.
    const auto length = std::size_t(given.size());
    const double left = kWordLeft + double(kLongest - length) * kWordStep / 2;
    for (std::size_t i = 0; i < kLongest; ++i) {
        const bool used = i < length;
        const double x = left + double(i) * kWordStep;
        for (Label* label : {Given[i], FirstNumber[i], SecondNumber[i], Result[i]}) {
            label->set_left(x);
            label->set_visible(false);
        }
        Given[i]->set_visible(used);
        if (used) {
            Given[i]->set_caption(given.at(qsizetype(i)));
            Result[i]->set_caption(answer.at(qsizetype(i)));
            FirstNumber[i]->set_caption(QString::number(letter_number(problem_.given()[i])));
            SecondNumber[i]->set_caption(QString::number(letter_number(problem_.answer()[i])));
        }
    }
    set_problem_sentence(decode ? tr("decode %1 with %2.").arg(given, key)
                                : tr("encode %1 with %2.").arg(given, key));
}

void AffineForm::show_part(int part) {
    const int letter = part - parts_before_letters();
    if (letter < 0) {
        for (Label* working : {InverseCaption, InverseWorking, DecodingCaption, DecodingKey}) {
            working->set_visible(true);
        }
        return;
    }
    const auto i = std::size_t(letter);
    for (Label* label : {FirstCaption, SecondCaption, FirstNumber[i], SecondNumber[i], Result[i]}) {
        label->set_visible(true);
    }
}

QString AffineForm::answer_sentence() const {
    return tr("%1 becomes %2.").arg(text_of(problem_.given()), text_of(problem_.answer()));
}

} // namespace chalkline::affine
