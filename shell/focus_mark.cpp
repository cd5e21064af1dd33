// SPDX-License-Identifier: GPL-3.0-or-later
#include "focus_mark.h"

#include "colours.h"
#include "twips.h"

#include <QEvent>
#include <QPainter>

namespace shell {

FocusMark::FocusMark(QWidget* target, std::function<void()> on_change)
    : QWidget(target->parentWidget()), on_change_(std::move(on_change)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    follow(target);
}

void FocusMark::follow(QWidget* target) {
    if (target_ != target) {
        if (target_) {
            target_->removeEventFilter(this);
        }
        target_ = target;
        target_->installEventFilter(this);
    }
    if (parentWidget() != target->parentWidget()) {
        setParent(target->parentWidget());
    }
    place();
    show();
}

bool FocusMark::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ZOrderChange:
        place();
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::EnabledChange:
        on_change_();
        break;
    default:
        break;
    }
    return false;
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int band = reference_px(3);
    const QRectF outer = QRectF(rect()).adjusted(band / 2.0, band / 2.0, -band / 2.0, -band / 2.0);
    painter.setPen(QPen(kWhite, band, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(outer);
    painter.setPen(QPen(kBlack, 1));
    painter.drawRect(QRectF(rect()).adjusted(band + 0.5, band + 0.5, -band - 0.5, -band - 0.5));
}

void FocusMark::place() {
    if (!target_) {
        return;
    }
    const int margin = reference_px(4);
    setGeometry(target_->geometry().adjusted(-margin, -margin, margin, margin));
    raise();
}

} // namespace shell
