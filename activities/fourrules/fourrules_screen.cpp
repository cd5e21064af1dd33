// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourrules_screen.h"

#include "accessibility.h"
#include "form.h"
#include "number_text.h"

namespace chalkline::fourrules {

using shell::FontSpec;
using shell::Label;
using shell::Line;

namespace {

QString text_of(int value) {
    return QString::fromStdString(number_text(value));
}

QString text_of(const Fraction& f) {
    return text_of(f.numerator) + '/' + text_of(f.denominator);
}

// A result as the screen shows it: an improper fraction by its mixed form.
QString text_of(const Fraction& f, const std::optional<MixedNumber>& mixed) {
    if (!mixed) {
        return text_of(f);
    }
    if (mixed->remainder == 0) {
        return text_of(mixed->whole);
    }
    return text_of(mixed->whole) + ' ' + text_of(mixed->remainder) + '/' +
           text_of(mixed->denominator);
}

// One label of the design. Numbers and signs are centred, sentences start at the left.
struct LabelRow {
    int number;
    bool in_frame;
    double left, top, width, height;
    const char* caption;
    double font_size;
    bool centred;
};

// Sizes shared by the small answer fractions.
constexpr double kFieldWidth = 495;
constexpr double kNumeratorHeight = 360;
constexpr double kDenominatorHeight = 390;
constexpr double kWholeWidth = 360;
constexpr double kWholeHeight = 480;
constexpr double kSignSize = 360;

constexpr LabelRow kLabels[] = {
    {1, false, 1155, 345, 10200, 720,
     QT_TRANSLATE_NOOP("chalkline::fourrules::FourRulesForm",
                       "Find the sum, difference, product and quotient of..."),
     21.75, false},
    {2, true, 255, 240, 1395, 1260, "12", 48, true},
    {4, true, 1905, 495, 1395, 750, QT_TRANSLATE_NOOP("chalkline::fourrules::FourRulesForm", "and"),
     27.75, true},
    {3, true, 3525, 240, 1395, 1260, "12", 48, true},
    {9, true, 660, 240, 705, 555, "3", 27.75, true},
    {10, true, 660, 870, 705, 555, "12", 27.75, true},
    {11, true, 3900, 240, 705, 555, "3", 27.75, true},
    {12, true, 3900, 870, 705, 555, "12", 27.75, true},
    {5, false, 1650, 4470, 6465, 750,
     QT_TRANSLATE_NOOP("chalkline::fourrules::FourRulesForm", "The sum is"), 18, false},
    {6, false, 1650, 5280, 6465, 750,
     QT_TRANSLATE_NOOP("chalkline::fourrules::FourRulesForm", "The difference is"), 18, false},
    {7, false, 1620, 6060, 6465, 750,
     QT_TRANSLATE_NOOP("chalkline::fourrules::FourRulesForm", "The product is"), 18, false},
    {8, false, 1635, 6915, 6465, 750,
     QT_TRANSLATE_NOOP("chalkline::fourrules::FourRulesForm", "The quotient is"), 18, false},
    // The sum and its mixed form.
    {13, false, 3660, 4380, kFieldWidth, kNumeratorHeight, "99", 14.25, true},
    {14, false, 3675, 4755, kFieldWidth, kDenominatorHeight, "99", 14.25, true},
    {21, false, 4170, 4545, kSignSize, kSignSize, "=", 14.25, true},
    // The whole parts stand a little left of their design places, which overlap the
    // fraction bars: a whole part of two digits then keeps clear of the "=" and the bar.
    {23, false, 4545, 4455, kWholeWidth, kWholeHeight, "9", 20.25, true},
    {25, false, 4950, 4365, kFieldWidth, kNumeratorHeight, "99", 14.25, true},
    {26, false, 4965, 4740, kFieldWidth, kDenominatorHeight, "99", 14.25, true},
    // The difference and the product.
    {15, false, 4560, 5190, kFieldWidth, kNumeratorHeight, "99", 14.25, true},
    {16, false, 4560, 5565, kFieldWidth, kDenominatorHeight, "99", 14.25, true},
    {17, false, 4185, 6000, kFieldWidth, kNumeratorHeight, "99", 14.25, true},
    {18, false, 4185, 6360, kFieldWidth, kDenominatorHeight, "99", 14.25, true},
    // The quotient and its mixed form.
    {19, false, 4260, 6810, kFieldWidth, kNumeratorHeight, "99", 14.25, true},
    {20, false, 4260, 7185, kFieldWidth, kDenominatorHeight, "99", 14.25, true},
    {22, false, 4815, 7005, kSignSize, kSignSize, "=", 14.25, true},
    {24, false, 5130, 6930, kWholeWidth, kWholeHeight, "9", 20.25, true},
    {27, false, 5550, 6825, kFieldWidth, kNumeratorHeight, "99", 14.25, true},
    {28, false, 5550, 7200, kFieldWidth, kDenominatorHeight, "99", 14.25, true},
};

struct LineRow {
    int number;
    bool in_frame;
    double x1, y1, x2, y2;
};

// The numerators of the fractions; each denominator is the label after its numerator.
constexpr int kNumerators[] = {9, 11, 13, 15, 17, 19, 25, 27};

constexpr LineRow kLines[] = {
    {1, true, 645, 900, 1380, 900},     {2, true, 3915, 900, 4635, 900},
    {3, false, 3630, 4740, 4145, 4740}, {4, false, 4545, 5550, 5060, 5550},
    {5, false, 4170, 6360, 4685, 6360}, {6, false, 4230, 7170, 4745, 7170},
    {7, false, 4935, 4725, 5450, 4725}, {8, false, 5535, 7185, 6050, 7185},
};

} // namespace

FourRulesForm::FourRulesForm() : ActivityForm("fourrules", "The Four Rules", "menu3") {
    Frame1 = add<shell::Frame>(this, "Frame1");
    Frame1->move(3480, 2085, 5130, 1575);
    Frame1->set_caption("");

    for (const LabelRow& row : kLabels) {
        const Qt::Alignment align =
            row.centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop;
        labels_[row.number] = add_label(row.in_frame ? static_cast<QWidget*>(Frame1) : this,
                                        {.name = QString("Label%1").arg(row.number),
                                         .left = row.left,
                                         .top = row.top,
                                         .width = row.width,
                                         .height = row.height,
                                         .caption = tr(row.caption),
                                         .font = FontSpec{"Tahoma", row.font_size, false},
                                         .fore = shell::kYellow,
                                         .align = align});
    }
    for (const LineRow& row : kLines) {
        Line* bar = add<Line>(row.in_frame ? static_cast<QWidget*>(Frame1) : this,
                              QString("Line%1").arg(row.number));
        bar->set_points(row.x1, row.y1, row.x2, row.y2);
        bar->set_border_colour(shell::kYellow);
        bar->set_border_width(2);
        lines_[row.number] = bar;
    }
    Label1 = label(1);
    Label2 = label(2);
    Label3 = label(3);
    Label4 = label(4);
    Label5 = label(5);
    Label6 = label(6);
    Label7 = label(7);
    Label8 = label(8);
    Label9 = label(9);
    Label10 = label(10);
    Label11 = label(11);
    Label12 = label(12);
    Line1 = line(1);
    Line2 = line(2);

    add_kinds(
        {"Positive Whole Numbers", "Integers", "Proper Fractions"},
        {.left = 9075, .top = 4755, .width = 2655, .height = 435, .step = 480, .points = 9.75});
    Option1 = kind_options[0];
    Option2 = kind_options[1];
    Option3 = kind_options[2];
    recoloured << "Frame1";
    for (int numerator : kNumerators) {
        shell::read_as_fraction(label(numerator), label(numerator + 1));
    }
    // Each answer line reads as one phrase, "The sum is 1 37/88", in reading order; the
    // fields of its fraction and its mixed form read for it and are passed over.
    struct AnswerFields {
        int caption, numerator, whole, mixed_numerator;
    };
    constexpr AnswerFields kAnswerFields[] = {
        {5, 13, 23, 25}, {6, 15, 0, 0}, {7, 17, 0, 0}, {8, 19, 24, 27}};
    for (const AnswerFields& fields : kAnswerFields) {
        shell::set_reader_traits(
            label(fields.caption), {.name = [this, fields] {
                const QString caption = label(fields.caption)->caption();
                if (!label(fields.numerator)->visible()) {
                    return caption;
                }
                if (fields.whole && label(fields.whole)->visible()) {
                    const QString rest = label(fields.mixed_numerator)->caption() + '/' +
                                         label(fields.mixed_numerator + 1)->caption();
                    return caption + ' ' + label(fields.whole)->caption() + ' ' + rest;
                }
                return caption + ' ' + label(fields.numerator)->caption() + '/' +
                       label(fields.numerator + 1)->caption();
            }});
    }
    for (int field = 13; field <= 28; ++field) {
        shell::set_reader_traits(label(field), {.passed_over = true});
    }
}

void FourRulesForm::start() {
    calculate();
}

void FourRulesForm::cmdgo_Click() {
    calculate();
}

void FourRulesForm::clearlabels() {
    for (int number : {2, 3, 9, 10, 11, 12, 5, 6, 7, 8}) {
        label(number)->set_visible(false);
    }
    Line1->set_visible(false);
    Line2->set_visible(false);
    for (int number = 13; number <= 28; ++number) {
        label(number)->set_visible(false);
    }
    for (int number = 3; number <= 8; ++number) {
        line(number)->set_visible(false);
    }
}

void FourRulesForm::calculate() {
    clearlabels();
    problem_ = make_problem(kind_as<Kind>(), random_);
    const bool fractions = problem_.kind == Kind::ProperFractions;
    set_problem_sentence(tr("find the sum, difference, product and quotient of %1 and %2.")
                             .arg(fractions ? text_of(Fraction{problem_.num1, problem_.den1})
                                            : text_of(problem_.first),
                                  fractions ? text_of(Fraction{problem_.num2, problem_.den2})
                                            : text_of(problem_.second)));
    if (!fractions) {
        Label2->set_caption(text_of(problem_.first));
        Label3->set_caption(text_of(problem_.second));
        Label2->set_visible(true);
        Label3->set_visible(true);
        return;
    }
    Label9->set_caption(text_of(problem_.num1));
    Label10->set_caption(text_of(problem_.den1));
    Label11->set_caption(text_of(problem_.num2));
    Label12->set_caption(text_of(problem_.den2));
    for (Label* field : {Label9, Label10, Label11, Label12}) {
        field->set_visible(true);
    }
    Line1->set_visible(true);
    Line2->set_visible(true);
}

void FourRulesForm::cmdsoln_Click() {
    const FourRulesAnswers answers = work_out_answers(problem_);
    for (int i = 0; i < 4; ++i) {
        label(5 + i)->set_caption(QString::fromStdString(answers.texts[i]));
    }
    if (problem_.kind == Kind::ProperFractions) {
        const auto put = [this](int numerator_label, const Fraction& f) {
            label(numerator_label)->set_caption(text_of(f.numerator));
            label(numerator_label + 1)->set_caption(text_of(f.denominator));
        };
        put(13, answers.sum);
        if (answers.sum_mixed) {
            label(23)->set_caption(text_of(answers.sum_mixed->whole));
            label(25)->set_caption(text_of(answers.sum_mixed->remainder));
            label(26)->set_caption(text_of(answers.sum_mixed->denominator));
            for (int number : {21, 23, 25, 26}) {
                label(number)->set_visible(true);
            }
            line(7)->set_visible(true);
        }
        put(15, answers.difference);
        put(17, answers.product);
        put(19, answers.quotient);
        if (answers.quotient_mixed) {
            label(24)->set_caption(text_of(answers.quotient_mixed->whole));
            label(27)->set_caption(text_of(answers.quotient_mixed->remainder));
            label(28)->set_caption(text_of(answers.quotient_mixed->denominator));
            for (int number : {24, 27, 28, 22}) {
                label(number)->set_visible(true);
            }
            line(8)->set_visible(true);
        }
        for (int number = 13; number <= 20; ++number) {
            label(number)->set_visible(true);
        }
        for (int number = 3; number <= 6; ++number) {
            line(number)->set_visible(true);
        }
    }
    for (int number = 5; number <= 8; ++number) {
        label(number)->set_visible(true);
    }
    QStringList results;
    if (problem_.kind == Kind::ProperFractions) {
        results = {text_of(answers.sum, answers.sum_mixed), text_of(answers.difference, {}),
                   text_of(answers.product, {}), text_of(answers.quotient, answers.quotient_mixed)};
    } else {
        // The whole-number lines end with their result: "The sum is 19".
        for (const std::string& line : answers.texts) {
            results << QString::fromStdString(line).section(' ', -1);
        }
    }
    set_answer_sentence(tr("sum %1; difference %2; product %3; quotient %4.")
                            .arg(results[0], results[1], results[2], results[3]));
}

} // namespace chalkline::fourrules
