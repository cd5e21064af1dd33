// SPDX-License-Identifier: GPL-3.0-or-later
#include "spiderdiagrams_screen.h"

#include "accessibility.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chalkline::spiderdiagrams {

using shell::FontSpec;

namespace {

// The spider, in twips: the centre of its circle, the radii of the ellipse on which the
// boxes' centres stand (wider than tall, as the screen is), and the boxes.
constexpr double kCentreX = 4450;
constexpr double kCentreY = 4925;
constexpr double kCircleRadius = 900;
constexpr double kReachX = 3350;
constexpr double kReachY = 3300;
constexpr double kBoxWidth = 2000;
constexpr double kBoxHeight = 1250;
// Inside a box: the operation above, the answer below.
constexpr double kInset = 45;
constexpr double kOperationHeight = 560;
const FontSpec kBoxFont{"Tahoma", 24, true};
// The square's sign alone would read as a plain "2" from the back of the room: it is
// written on an empty box, the number it squares.
const QString kSquared = QString(QChar(0x25A1)) + QChar(0x00B2);

// The centre of leg k's box, k clockwise from the top.
QPointF box_centre(int leg) {
    const double angle = leg * 2 * std::numbers::pi / kLegs;
    return {kCentreX + kReachX * std::sin(angle), kCentreY - kReachY * std::cos(angle)};
}

QString text_of(const Fraction& value) {
    return QString::fromStdString(value_text(value));
}

} // namespace

// The circle and the eight legs, drawn at the twips factor in force. Each leg runs from
// the circle to the edge of its box. Decorative: it takes no clicks and is not read.
class SpiderLegs : public QWidget, public shell::Control {
public:
    using Control::height;
    using Control::move;
    using Control::width;
    SpiderLegs(QWidget* parent, const QString& name) : QWidget(parent), Control(this) {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(shell::kYellow, shell::reference_px(3)));
        const double scale = 1 / shell::twips_per_pixel();
        const QPointF origin(left(), top());
        const QPointF centre(kCentreX, kCentreY);
        for (int leg = 0; leg < kLegs; ++leg) {
            const QPointF box = box_centre(leg);
            const QPointF out = box - centre;
            const double length = std::hypot(out.x(), out.y());
            // The part of the way from the box's centre back to the circle's that lies
            // inside the box.
            const double inside =
                std::min(std::abs(out.x()) > 1 ? kBoxWidth / 2 / std::abs(out.x()) : 1.0,
                         std::abs(out.y()) > 1 ? kBoxHeight / 2 / std::abs(out.y()) : 1.0);
            const QPointF from = centre + out * (kCircleRadius / length);
            const QPointF to = box - out * inside;
            painter.drawLine((from - origin) * scale, (to - origin) * scale);
        }
        painter.drawEllipse((centre - origin) * scale, kCircleRadius * scale,
                            kCircleRadius * scale);
    }
};

SpiderDiagramsForm::SpiderDiagramsForm()
    : RevealingForm("spiderdiagrams", tr("Spider Diagrams"), "menu1") {
    Legs = add<SpiderLegs>(this, "Legs");
    Legs->move(0, 0, 9000, 9000);
    Label1 = add_label(this, {.name = "Label1",
                              .left = 300,
                              .top = 150,
                              .width = 11400,
                              .height = 700,
                              .caption = tr("Do each operation to the number in the centre."),
                              .font = FontSpec{"Tahoma", 20.25, true},
                              .align = Qt::AlignLeft | Qt::AlignTop});
    LabelCentre = add_label(this, {.name = "LabelCentre",
                                   .left = kCentreX - 800,
                                   .top = kCentreY - 450,
                                   .width = 1600,
                                   .height = 900,
                                   .caption = QString(),
                                   .font = FontSpec{"Tahoma", 36, true},
                                   .align = Qt::AlignCenter});
    for (int leg = 0; leg < kLegs; ++leg) {
        const QPointF centre = box_centre(leg);
        const double left = centre.x() - kBoxWidth / 2;
        const double top = centre.y() - kBoxHeight / 2;
        ShapeBox[leg] = add<shell::Shape>(this, "ShapeBox");
        ShapeBox[leg]->set_index(leg);
        ShapeBox[leg]->move(left, top, kBoxWidth, kBoxHeight);
        ShapeBox[leg]->set_border_colour(shell::kYellow);
        ShapeBox[leg]->set_border_width(3);
        LabelOperation[leg] = add_label(this, {.name = "LabelOperation",
                                               .index = leg,
                                               .left = left + kInset,
                                               .top = top + kInset,
                                               .width = kBoxWidth - 2 * kInset,
                                               .height = kOperationHeight,
                                               .caption = QString(),
                                               .font = kBoxFont,
                                               .align = Qt::AlignCenter});
        LabelAnswer[leg] = add_label(this, {.name = "LabelAnswer",
                                            .index = leg,
                                            .left = left + kInset,
                                            .top = top + kInset + kOperationHeight,
                                            .width = kBoxWidth - 2 * kInset,
                                            .height = kBoxHeight - 2 * kInset - kOperationHeight,
                                            .caption = QString(),
                                            .font = kBoxFont,
                                            .fore = shell::kWhite,
                                            .align = Qt::AlignCenter});
        shell::set_reader_traits(LabelOperation[leg], {.name = [this, leg] {
                                     return problem_ ? operation_words(leg) : QString();
                                 }});
    }

    add_kinds({tr("Positive Whole Numbers"), tr("Integers"), tr("Decimals")},
              {.left = 8880, .top = 3400, .width = 3040, .height = 480});
}

QString SpiderDiagramsForm::operation_words(int leg) const {
    const auto& operation = problem_->legs[std::size_t(leg)];
    return operation.op == Operator::Half ? tr("half")
                                          : QString::fromStdString(operation_text(operation));
}

QString SpiderDiagramsForm::operation_caption(int leg) const {
    return problem_->legs[std::size_t(leg)].op == Operator::Square ? kSquared
                                                                   : operation_words(leg);
}

QString SpiderDiagramsForm::answer_caption(int leg) const {
    return text_of(apply(problem_->legs[std::size_t(leg)], problem_->centre));
}

void SpiderDiagramsForm::new_problem() {
    problem_ = make_problem(kind_as<Kind>(), random_, problem_);
    LabelCentre->set_caption(text_of(problem_->centre));
    QStringList operations;
    for (int leg = 0; leg < kLegs; ++leg) {
        LabelOperation[leg]->set_caption(operation_caption(leg));
        LabelAnswer[leg]->set_caption(QString());
        operations << operation_words(leg);
    }
    set_problem_sentence(
        tr("centre %1; %2.").arg(text_of(problem_->centre), operations.join(", ")));
}

void SpiderDiagramsForm::show_part(int leg) {
    LabelAnswer[leg]->set_caption(answer_caption(leg));
}

QString SpiderDiagramsForm::answer_sentence() const {
    QStringList answers;
    for (int leg = 0; leg < kLegs; ++leg) {
        answers << QString("%1 = %2").arg(operation_words(leg), answer_caption(leg));
    }
    return tr("%1.").arg(answers.join("; "));
}

} // namespace chalkline::spiderdiagrams
