// SPDX-License-Identifier: GPL-3.0-or-later
#include "matchthetarget_screen.h"

#include "speech.h"

#include "number_text.h"
#include "speech.h"

#include <QFontMetrics>
#include <QPainter>

namespace chalkline::matchthetarget {

// The activity's record: its place on the menus, its title, kinds and code prefix.
const shell::ActivityInfo kActivity{
    .screen = "matchthetarget",
    .menu = 1,
    .place = 0,
    .title = QT_TRANSLATE_NOOP("Activities", "Match the Target"),
    .code_prefix = "MTT",
    .make = shell::make_screen<MatchTheTargetForm>,
};

using namespace shell;

namespace {

QString text_of(int number) {
    return QString::fromStdString(number_text(number));
}

} // namespace

// ---- CaptionFrame ----

CaptionFrame::CaptionFrame(QWidget* parent, const QString& name, const QString& caption,
                           const FontSpec& font, const QColor& fore)
    : Frame(parent, name), font_(font), fore_(fore) {
    set_caption(caption);
    apply_scale();
}

void CaptionFrame::apply_scale() {
    Frame::apply_scale();
    setFont(make_font(font_));
    update();
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_colour());
    const int indent = reference_px(8);
    const QFont fitted = fitted_font(font(), QRect(indent, 0, width() - 2 * indent, height()),
                                     Qt::AlignLeft | Qt::AlignTop, false, caption());
    const QFontMetrics metrics(fitted);
    const int line = caption().isEmpty() ? 0 : metrics.height() / 2;
    if (border()) {
        // An etched line, starting level with the middle of the caption.
        const QRect r = rect().adjusted(0, line, -2, -2);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(r);
        painter.setPen(kWhite);
        painter.drawRect(r.translated(1, 1));
    }
    if (!caption().isEmpty()) {
        const QRect text(indent, 0, metrics.horizontalAdvance(caption()) + reference_px(4),
                         metrics.height());
        painter.fillRect(text, back_colour());
        painter.setFont(fitted);
        painter.setPen(fore_);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption());
    }
}

// ---- MatchTheTargetForm ----

MatchTheTargetForm::MatchTheTargetForm() : ActivityForm(kActivity, "Framestatus") {
    const FontSpec frame_font{"Tahoma", 15.75, false};
    const FontSpec number_font{"Tahoma", 48, false};
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;

    Frame2 = add<CaptionFrame>(this, "Frame2", "  " + tr("Target number"), frame_font, kWhite);
    Frame2->move(4535, 300, 2865, 1860);
    Label11 = add_label(Frame2, {.name = "Label11",
                                 .left = 225,
                                 .top = 435,
                                 .width = 2445,
                                 .height = 1065,
                                 .caption = QString(),
                                 .font = number_font,
                                 .fore = kWhite,
                                 .align = centred,
                                 .visible = false});

    Frame1 = add<CaptionFrame>(this, "Frame1", tr("Given numbers"), frame_font, kWhite);
    Frame1->move(327, 2610, 11280, 2070);
    const struct {
        Label** label;
        const char* name;
        double left;
        QColor fore;
    } given[] = {{&Label1, "Label1", 720, kYellow},
                 {&Label2, "Label2", 2685, kWhite},
                 {&Label3, "Label3", 4635, kYellow},
                 {&Label4, "Label4", 6600, kWhite},
                 {&Label5, "Label5", 8565, kYellow}};
    for (const auto& g : given) {
        *g.label = add_label(Frame1, {.name = g.name,
                                      .left = g.left,
                                      .top = 450,
                                      .width = 1700,
                                      .height = 1200,
                                      .caption = QString(),
                                      .font = number_font,
                                      .fore = g.fore,
                                      .align = centred,
                                      .visible = false});
    }

    // The answer frame lies on exactly the place of the given numbers, in front of them.
    Frame4 = add<CaptionFrame>(this, "Frame4", tr("Answer"), frame_font, kWhite);
    Frame4->move(327, 2610, 11280, 2070);
    Frame4->set_visible(false);
    Labelans = add_label(Frame4, {.name = "Labelans",
                                  .left = 75,
                                  .top = 615,
                                  .width = 11100,
                                  .height = 960,
                                  .caption = QString(),
                                  .font = {"Tahoma", 36, false},
                                  .fore = kWhite,
                                  .align = centred,
                                  .visible = false});

    Frame3 = add<Frame>(this, "Frame3");
    Frame3->move(750, 5295, 8280, 2475);
    Label15 = add_label(Frame3, {.name = "Label15",
                                 .left = 480,
                                 .top = 255,
                                 .width = 7590,
                                 .height = 795,
                                 .caption = tr("To match the target number use:"),
                                 .font = {"Tahoma", 21.75, true},
                                 .fore = kWhite,
                                 .align = left});
    Label21 = add_label(Frame3, {.name = "Label21",
                                 .left = 480,
                                 .top = 1170,
                                 .width = 7680,
                                 .height = 480,
                                 .caption = tr("· All the numbers in the order they appear"),
                                 .font = {"Tahoma", 18, true},
                                 .fore = kYellow,
                                 .align = left});
    Label23 = add_label(Frame3, {.name = "Label23",
                                 .left = 480,
                                 .top = 1770,
                                 .width = 7545,
                                 .height = 480,
                                 .caption = tr("· Any of the signs +, -, x, ÷ and brackets"),
                                 .font = {"Tahoma", 18, true},
                                 .fore = kYellow,
                                 .align = left});

    Timer1 = add_timer("Timer1", 15000, false);
    Timer1->on_tick = [this] { Timer1_Timer(); };

    recoloured = {"Frame1", "Frame2", "Frame3", "Frame4", "Labelans"};
}

void MatchTheTargetForm::start() {
    next_problem();
    Timer1->set_interval(15000);
    Timer1->set_enabled(true);
}

void MatchTheTargetForm::makevisible() {
    for (Control* c :
         std::initializer_list<Control*>{Frame4, Label1, Label2, Label3, Label4, Label5}) {
        c->set_visible(false);
    }
}

void MatchTheTargetForm::new_problem() {
    makevisible();
    puzzle_ = make_problem(Kind::FiveNumbers, problem_random());
    Label* given[] = {Label1, Label2, Label3, Label4, Label5};
    for (std::size_t i = 0; i < 5; ++i) {
        given[i]->set_caption(text_of(puzzle_->given[i]));
    }
    Label11->set_caption(text_of(puzzle_->target));
    Labelans->set_caption(QString::fromStdString(puzzle_->answer));
    for (Label* label : given) {
        label->set_visible(true);
    }
    Label11->set_visible(true);
    set_problem_sentence(
        tr("make %1 from %2, %3, %4, %5 and %6 in this order.")
            .arg(shell::speech::words(Label11->caption()), shell::speech::words(Label1->caption()),
                 shell::speech::words(Label2->caption()), shell::speech::words(Label3->caption()),
                 shell::speech::words(Label4->caption()), shell::speech::words(Label5->caption())));
}

// Two puzzles in a row never come from one template, whatever their numbers.
QStringList MatchTheTargetForm::repeat_keys() const {
    return {ActivityForm::repeat_keys().front(),
            QString("template %1").arg(puzzle_ ? puzzle_->template_number : 0)};
}

// Solution only reveals: the answer goes away again with the next Go.
void MatchTheTargetForm::cmdsoln_Click() {
    if (Label11->visible()) {
        Labelans->set_visible(true);
    }
    Frame4->set_visible(true);
    set_answer_sentence(
        shell::speech::words(Labelans->caption().simplified() + " = " + Label11->caption()) + '.');
}

void MatchTheTargetForm::show_whole_problem() {
    if (Timer1->enabled()) {
        Timer1_Timer();
    }
}

// Once, 15 seconds after the screen opens: the instructions make room.
void MatchTheTargetForm::Timer1_Timer() {
    Frame3->set_visible(false);
    Timer1->set_enabled(false);
}

} // namespace chalkline::matchthetarget
