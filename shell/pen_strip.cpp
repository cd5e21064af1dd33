// SPDX-License-Identifier: GPL-3.0-or-later
#include "pen_strip.h"

#include "handlers.h"
#include "pictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace shell {

namespace {

struct PenStripTexts {
    Q_DECLARE_TR_FUNCTIONS(Ink)
};

// The strip's place in the lower right corner of the design, in twips: its margins to the
// right and bottom edges, the width and height of a button, the gap between two, and
// whether the buttons stand in a column rather than side by side.
struct StripPlace {
    double right, bottom, width, height, gap;
    bool column;
};
// On the menus and the activities, in the lower half of the band below the status panel
// (a lesson's step stands in the upper half), right of everything else: the hundred
// square and the brick boards reach down to its left edge. On the narrower title
// screen, a column beside its picture.
constexpr StripPlace kRow{30, 15, 225, 225, 25, false};
constexpr StripPlace kColumn{30, 25, 300, 230, 27, true};
constexpr double kActivityWidth = 12000;

enum class Tool { Pen, Colour, Eraser, Clear };

// One tool of the strip: a square key with its sign drawn on a dark glass, lit while it
// is the tool in use.
class ToolButton : public QPushButton {
public:
    ToolButton(QWidget* parent, Tool tool, int colour, const QString& name,
               std::function<void()> action)
        : QPushButton(parent), tool_(tool), colour_(colour) {
        setObjectName(name);
        setAccessibleName(name);
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::ArrowCursor);
        connect(this, &QPushButton::clicked, this, [action] { run_handler(action); });
    }
    Tool tool() const { return tool_; }
    int colour() const { return colour_; }
    // Lit while it is the tool in use; a reader hears so in its description.
    bool lit() const { return lit_; }
    void set_lit(bool lit) {
        if (lit != lit_) {
            lit_ = lit;
            setAccessibleDescription(lit ? PenStripTexts::tr("in use") : QString());
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double s = std::min(width(), height());
        const double line = std::max(1.0, s / 26);
        const QRectF key = QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2);
        painter.setPen(QPen(lit_ ? kYellow : QColor(255, 255, 255, 160), lit_ ? 2 * line : line));
        painter.setBrush(isDown() ? QColor(0, 0, 0, 220)
                         : lit_   ? QColor(70, 70, 70, 220)
                                  : QColor(0, 0, 0, 150));
        painter.drawRoundedRect(key, s / 8, s / 8);
        painter.translate(width() / 2.0, height() / 2.0);
        switch (tool_) {
        case Tool::Pen:
            paint_pen(painter, s, line);
            break;
        case Tool::Colour:
            painter.setPen(QPen(colour_ == 3 ? kWhite : QColor(30, 30, 30), line));
            painter.setBrush(pen_colour(colour_));
            painter.drawEllipse(QPointF(), s * 0.27, s * 0.27);
            break;
        case Tool::Eraser:
            paint_eraser(painter, s, line);
            break;
        case Tool::Clear:
            paint_bin(painter, s, line);
            break;
        }
    }

private:
    // A pencil at a slant, its point in the colour it writes in.
    void paint_pen(QPainter& painter, double s, double line) const {
        painter.rotate(-45);
        painter.setPen(QPen(QColor(30, 30, 30), line));
        painter.setBrush(kWhite);
        painter.drawRect(QRectF(-s * 0.34, -s * 0.09, s * 0.5, s * 0.18));
        QPainterPath point;
        point.moveTo(s * 0.16, -s * 0.09);
        point.lineTo(s * 0.36, 0);
        point.lineTo(s * 0.16, s * 0.09);
        point.closeSubpath();
        painter.setBrush(pen_colour(InkLayer::colour()));
        painter.drawPath(point);
    }

    // A block eraser at a slant, half of it worn pink.
    void paint_eraser(QPainter& painter, double s, double line) const {
        painter.rotate(-45);
        painter.setPen(QPen(QColor(30, 30, 30), line));
        painter.setBrush(kWhite);
        painter.drawRect(QRectF(-s * 0.3, -s * 0.13, s * 0.6, s * 0.26));
        painter.setBrush(QColor(255, 150, 170));
        painter.drawRect(QRectF(-s * 0.3, -s * 0.13, s * 0.26, s * 0.26));
    }

    // A waste bin: Clear throws all the ink away.
    void paint_bin(QPainter& painter, double s, double line) const {
        painter.setPen(QPen(kWhite, 1.5 * line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(QPointF(-s * 0.25, -s * 0.2), QPointF(s * 0.25, -s * 0.2));
        painter.drawLine(QPointF(-s * 0.07, -s * 0.27), QPointF(s * 0.07, -s * 0.27));
        QPainterPath body;
        body.moveTo(-s * 0.19, -s * 0.2);
        body.lineTo(-s * 0.14, s * 0.27);
        body.lineTo(s * 0.14, s * 0.27);
        body.lineTo(s * 0.19, -s * 0.2);
        painter.drawPath(body);
        painter.drawLine(QPointF(0, -s * 0.1), QPointF(0, s * 0.18));
    }

    Tool tool_;
    int colour_;
    bool lit_ = false;
};

} // namespace

PenStrip::PenStrip(Form& form, InkLayer& layer) : QWidget(&form), form_(form) {
    setObjectName("penstrip");
    setFocusPolicy(Qt::NoFocus);
    const auto add = [&](Tool tool, int colour, const QString& name, std::function<void()> action) {
        buttons_.push_back(new ToolButton(this, tool, colour, name, std::move(action)));
    };
    add(Tool::Pen, 0, PenStripTexts::tr("Pen"), [&layer] { layer.toggle_pen(); });
    for (int i = 0; i < kPenColours; ++i) {
        add(Tool::Colour, i, pen_colour_name(i), [&layer, i] { layer.choose_colour(i); });
    }
    add(Tool::Eraser, 0, PenStripTexts::tr("Eraser"), [&layer] { layer.choose_eraser(); });
    add(Tool::Clear, 0, PenStripTexts::tr("Clear"), [&layer] { layer.clear_board(); });
    show_state(PenMode::Off, InkLayer::colour());
    show();
}

void PenStrip::show_state(PenMode mode, int colour) {
    for (QPushButton* button : buttons_) {
        auto* tool = static_cast<ToolButton*>(button);
        switch (tool->tool()) {
        case Tool::Pen:
            tool->set_lit(mode != PenMode::Off);
            break;
        case Tool::Colour:
            tool->set_lit(mode == PenMode::Draw && tool->colour() == colour);
            break;
        case Tool::Eraser:
            tool->set_lit(mode == PenMode::Erase);
            break;
        case Tool::Clear:
            break;
        }
        // The pen's point shows the colour.
        tool->update();
    }
}

void PenStrip::place(const QRect& stage) {
    const StripPlace& at = form_.outer_width() < kActivityWidth ? kColumn : kRow;
    const double step = (at.column ? at.height : at.width) + at.gap;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const double along = double(i) * step;
        buttons_[i]->setGeometry(px(at.column ? 0 : along), px(at.column ? along : 0), px(at.width),
                                 px(at.height));
    }
    const double length = double(buttons_.size()) * step - at.gap;
    const double width = at.column ? at.width : length;
    const double height = at.column ? length : at.height;
    setGeometry(stage.left() + px(form_.outer_width() - at.right - width),
                stage.top() + px(form_.outer_height() - at.bottom - height), px(width), px(height));
}

} // namespace shell
