// SPDX-License-Identifier: GPL-3.0-or-later
#include "fastmental_screen.h"

#include "speech.h"

#include "form.h"
#include "keys.h"

#include <QButtonGroup>

#include <algorithm>

namespace chalkline::fastmental {

// The activity's record: its place on the menus, its title, kinds and code prefix.
const shell::ActivityInfo kActivity{
    .screen = "fastmental",
    .menu = 2,
    .place = 4,
    .title = QT_TRANSLATE_NOOP("Activities", "Mental Arithmetic"),
    .kinds = {QT_TRANSLATE_NOOP("Kinds", "Positive Whole Numbers"),
              QT_TRANSLATE_NOOP("Kinds", "Integers"), QT_TRANSLATE_NOOP("Kinds", "Decimals")},
    .code_prefix = "MEN",
    .make = shell::make_screen<FastMentalForm>,
    .settings = kSettings,
};

using shell::FontSpec;
using shell::Label;
using shell::LabelSpec;

namespace {

const QColor kOrange{255, 128, 0};
const FontSpec kChainFont{"Tahoma", 26.25, true};

// The tops of rows 1 to 4 (index 0 is the starting value's row).
constexpr double kRowTop[] = {1680, 2595, 3510, 4440, 5355};

// A "?" stands where the value the class works out goes. Besides its orange, which
// hardly shows on the blue, it sits in a white-framed black box.
void mark_question(Label* question) {
    question->set_fore_colour(kOrange);
    question->set_back_colour(shell::kBlack);
    question->set_opaque(true);
    question->set_border(true);
    question->set_border_colour(shell::kWhite);
    question->set_border_width(2);
}

constexpr int kShortestInterval = 1000;
constexpr int kLongestInterval = 5000;

} // namespace

FastMentalForm::FastMentalForm() : ActivityForm(kActivity, "Framestatus") {
    const auto chain_label = [this](const QString& name, int index, double left, double top,
                                    double width, const QString& caption) {
        return add_label(this, LabelSpec{.name = name,
                                         .index = index,
                                         .left = left,
                                         .top = top,
                                         .width = width,
                                         .height = 750,
                                         .caption = caption,
                                         .font = kChainFont});
    };

    add_label(this, {.name = "Label66",
                     .index = 6,
                     .left = 1725,
                     .top = 1800,
                     .width = 2670,
                     .height = 450,
                     .caption = tr("Starting Value:"),
                     .font = {"Tahoma", 18, true},
                     .align = Qt::AlignLeft | Qt::AlignTop});
    Label3[0] = chain_label("Label3", 0, 4440, kRowTop[0], 1665, "99");
    Label4 = chain_label("Label4", -1, 4605, 1650, 1320, "?");
    mark_question(Label4);

    const QString symbols[] = {"+", "-", "x", "\u00f7"};
    for (int row = 1; row <= 4; ++row) {
        Label_val1[row + 4] =
            chain_label("Label_val1", row + 4, 1650, kRowTop[row], 1320, symbols[row - 1]);
        Label2[row] = chain_label("Label2", row, row == 4 ? 2880 : 2895, kRowTop[row], 1455, "99");
        Label3[row] = chain_label("Label3", row, 4440, kRowTop[row], 1665, "99");
        // The operation codes are kept out of sight, left of the column.
        Label_val1[row] =
            chain_label("Label_val1", row, 120, kRowTop[row], 1000, QString::number(row));
        Label_val1[row]->set_visible(false);
    }
    Label1 = chain_label("Label1", -1, 4590, 5355, 1320, "?");
    mark_question(Label1);
    Label3[5] = chain_label("Label3", 5, 4440, 6270, 1320, "99");

    // The four symbols the rows copy, kept outside the window.
    Label** holders[] = {&labelplus, &labelminus, &labeltimes, &labeldivide};
    const char* holder_names[] = {"labelplus", "labelminus", "labeltimes", "labeldivide"};
    for (int i = 0; i < 4; ++i) {
        *holders[i] = chain_label(holder_names[i], -1, 12500 + 1400 * i, 9500, 1320, symbols[i]);
        (*holders[i])->set_visible(false);
    }

    Shape1 = add<shell::Shape>(this, "Shape1");
    Shape1->move(1335, 1350, 5130, 5100);
    Shape1->set_border_colour(shell::kYellow);
    Shape1->set_border_width(2);

    VScroll1 = add<shell::VScrollBar>(this, "VScroll1");
    VScroll1->move(7740, 1980, 315, 3765);
    VScroll1->setRange(kShortestInterval, kLongestInterval);
    VScroll1->setSingleStep(100);
    VScroll1->setPageStep(1000);
    VScroll1->setValue(kShortestInterval);
    VScroll1->on_change = [this](int) { VScroll1_Change(); };
    VScroll1->setAccessibleName(tr("Time between rows"));
    add_label(this, {.name = "Label66",
                     .index = 0,
                     .left = 7395,
                     .top = 1515,
                     .width = 2100,
                     .height = 360,
                     .caption = tr("Less Time"),
                     .font = {"Tahoma", 9.75, true},
                     .align = Qt::AlignLeft | Qt::AlignTop});
    add_label(this, {.name = "Label66",
                     .index = 1,
                     .left = 7365,
                     .top = 5865,
                     .width = 2100,
                     .height = 360,
                     .caption = tr("More Time"),
                     .font = {"Tahoma", 9.75, true},
                     .align = Qt::AlignLeft | Qt::AlignTop});

    Frame1 = add<shell::Frame>(this, "Frame1");
    Frame1->move(9195, 3465, 2535, 1275);
    add_kinds({.left = 60, .top = 180, .width = 2415, .height = 315, .step = 360, .points = 8.25},
              Frame1);
    Option1 = kind_options[0];
    Option2 = kind_options[1];
    Option3 = kind_options[2];
    Option4 = add_option(this, "Option4", tr("Forward"), 9225, 4920, 1500, 315, 8.25);
    Option5 = add_option(this, "Option5", tr("Reverse"), 9225, 5295, 1500, 315, 8.25);
    Option4->set_value(true);
    // Each set of options is a group of its own. Left to the toolkit, the options on
    // the form would also clear those inside Frame1, so Reverse could unset the kind.
    auto* kinds = new QButtonGroup(this);
    auto* modes = new QButtonGroup(this);
    for (auto* option : kind_options) {
        kinds->addButton(option);
    }
    modes->addButton(Option4);
    modes->addButton(Option5);
    Option4->on_click = [this](int) { Option4_Click(); };
    Option5->on_click = [this](int) { Option5_Click(); };
    recoloured << "Option4"
               << "Option5"
               << "Frame1";

    Timer1 = add_timer("Timer1", kLongestInterval, false);
    Timer2 = add_timer("Timer2", kLongestInterval, false);
    Timer1->on_tick = [this] { Timer1_Timer(); };
    Timer2->on_tick = [this] { Timer2_Timer(); };

    // The arrow keys step the scroll bar as its arrow buttons do.
    shell::ScreenKeys::of(*this).add({
        {{Qt::Key_Up},
         tr("Up arrow"),
         tr("less time between rows"),
         [this](int) { VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub); },
         true},
        {{Qt::Key_Down},
         tr("Down arrow"),
         tr("more time between rows"),
         [this](int) { VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd); },
         true},
        {{Qt::Key_F}, tr("F"), tr("Forward"), [this](int) { shell::press(Option4); }},
        {{Qt::Key_R}, tr("R"), tr("Reverse"), [this](int) { shell::press(Option5); }},
    });
}

void FastMentalForm::Form_Load() {
    // Each visit starts at the slowest pace; the change event passes it to both timers.
    VScroll1->setValue(kLongestInterval);
    ActivityForm::Form_Load();
}

void FastMentalForm::Option4_Click() {
    Timer2->set_enabled(false);
    next_problem();
}

void FastMentalForm::Option5_Click() {
    Timer1->set_enabled(false);
    next_problem();
}

void FastMentalForm::VScroll1_Change() {
    Timer1->set_interval(VScroll1->value());
    Timer2->set_interval(VScroll1->value());
    VScroll1->setAccessibleDescription(tr("%1 seconds").arg(VScroll1->value() / 1000.0));
}

QString FastMentalForm::own_setting(const QString& key) const {
    if (key == "pace") {
        return QString::number(VScroll1->value() / 1000.0);
    }
    if (key == "reverse") {
        return Option5->value() ? "yes" : "no";
    }
    return {};
}

// The direction is chosen as its option's click would, less the new chain: the other
// direction's timer stops.
void FastMentalForm::apply_own_setting(const QString& key, const QString& value) {
    if (key == "pace") {
        VScroll1->setValue(qRound(value.toDouble() * 1000));
    } else if (key == "reverse") {
        const bool reverse = value == "yes";
        (reverse ? Option5 : Option4)->set_value(true);
        (reverse ? Timer1 : Timer2)->set_enabled(false);
    }
}

void FastMentalForm::clearchain() {
    Label1->set_visible(false);
    for (int i = 1; i <= 5; ++i) {
        Label3[i]->set_visible(false);
    }
    for (int i = 1; i <= 4; ++i) {
        Label_val1[i]->set_visible(false);
        Label_val1[i + 4]->set_visible(false);
        Label2[i]->set_visible(false);
    }
}

void FastMentalForm::new_problem() {
    clearchain();
    const MentalChain chain = make_problem(kind_as<Kind>(), problem_random());

    Label* const symbol_of[] = {labelplus, labelminus, labeltimes, labeldivide};
    for (int row = 1; row <= 4; ++row) {
        Label_val1[row]->set_caption(QString::number(int(chain.operations[row])));
        const int code = Label_val1[row]->caption().toInt();
        Label_val1[row + 4]->set_caption(symbol_of[code - 1]->caption());
    }

    Label4->set_visible(false);
    const bool forward = Option4->value();
    Label3[0]->set_visible(forward);

    Label3[0]->set_caption(QString::fromStdString(chain.values[0].text()));
    for (int row = 1; row <= 4; ++row) {
        Label2[row]->set_caption(QString::fromStdString(chain.operands[row].text()));
        Label3[row]->set_caption(QString::fromStdString(chain.values[row].text()));
    }

    shown_rows_.clear();
    tell_shown_rows();
    // Enabling a timer that already runs starts its interval afresh, so the first row
    // always comes one full interval after the click.
    if (forward) {
        step = 0;
        Timer1->set_enabled(true);
    } else {
        step = 4;
        Label3[4]->set_visible(true);
        Timer2->set_enabled(true);
    }
}

void FastMentalForm::show_row(int row) {
    Label2[row]->set_visible(true);
    Label_val1[row + 4]->set_visible(true);
    if (std::find(shown_rows_.begin(), shown_rows_.end(), row) == shown_rows_.end()) {
        shown_rows_.push_back(row);
        tell_shown_rows();
    }
}

// "start at 50. Then plus 18, divided by 4." forward, "end at 42. Then minus 9, times 3."
// in reverse (the rows from the last), a row longer at each tick, so that the screen
// reader follows the chain as it runs.
void FastMentalForm::tell_shown_rows() {
    const bool forward = Option4->value();
    std::sort(shown_rows_.begin(), shown_rows_.end());
    if (!forward) {
        std::reverse(shown_rows_.begin(), shown_rows_.end());
    }
    QStringList rows;
    for (int row : shown_rows_) {
        rows << shell::speech::words(Label_val1[row + 4]->caption() + ' ' + Label2[row]->caption());
    }
    const QString end = shell::speech::words(forward ? Label3[0]->caption() : Label3[4]->caption());
    // The rows in a sentence of their own, so that the notice of a row more is only it.
    const QString start = forward ? tr("start at %1.").arg(end) : tr("end at %1.").arg(end);
    set_problem_sentence(rows.isEmpty() ? start
                                        : start + ' ' + tr("Then %1.").arg(rows.join(", ")));
}

void FastMentalForm::show_whole_problem() {
    while (Timer1->enabled()) {
        Timer1_Timer();
    }
    while (Timer2->enabled()) {
        Timer2_Timer();
    }
}

QRectF FastMentalForm::board_area() const {
    return {Shape1->left(), Shape1->top(), Shape1->width(), Shape1->height()};
}

void FastMentalForm::Timer1_Timer() {
    step = step + 1;
    if (step < 5) {
        show_row(step);
    }
    if (step == 4) {
        Label1->set_visible(true);
        Timer1->set_enabled(false);
    }
}

void FastMentalForm::Timer2_Timer() {
    if (step > 0) {
        show_row(step);
    }
    if (step == 1) {
        Label4->set_visible(true);
    }
    if (step == 0) {
        Timer2->set_enabled(false);
    }
    step = step - 1;
}

void FastMentalForm::cmdsoln_Click() {
    Label1->set_visible(false);
    Timer1->set_enabled(false);
    Timer2->set_enabled(false);
    for (int row = 1; row <= 4; ++row) {
        Label3[row]->set_visible(true);
        show_row(row);
    }
    if (Option5->value()) {
        Label4->set_visible(false);
        Label3[0]->set_visible(true);
    }
    // The totals labelled from the start: "start 23, then 34, 45, 12, 6."
    QStringList values;
    for (int row = 1; row <= 4; ++row) {
        values << shell::speech::words(Label3[row]->caption());
    }
    set_answer_sentence(tr("start %1, then %2.")
                            .arg(shell::speech::words(Label3[0]->caption()), values.join(", ")));
}

} // namespace chalkline::fastmental
