// SPDX-License-Identifier: GPL-3.0-or-later
#include "bare_screens.h"

#include <QEvent>
#include <QFrame>
#include <QHash>
#include <QImageReader>
#include <QJsonArray>
#include <QLabel>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QScrollBar>

namespace bench {

namespace {

QRect json_rect(const QJsonValue& v) {
    const QJsonArray a = v.toArray();
    return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

QFont json_font(const QJsonValue& v) {
    const QJsonObject o = v.toObject();
    QFont font(o["family"].toString());
    font.setPixelSize(std::max(1, o["px"].toInt()));
    font.setBold(o["bold"].toBool());
    return font;
}

// Each picture is read once for each size it is drawn at, and kept.
QPixmap bare_pixmap(const QString& file, QSize size, qreal dpr) {
    static QHash<QString, QPixmap> kept;
    const QSize device = (QSizeF(size) * dpr).toSize();
    const QString key = QString("%1 %2x%3").arg(file).arg(device.width()).arg(device.height());
    if (auto it = kept.find(key); it != kept.end()) {
        return *it;
    }
    QPixmap pixmap = QPixmap::fromImage(
        QImageReader(file).read().scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(dpr);
    kept.insert(key, pixmap);
    return pixmap;
}

void set_colour(QWidget* w, QPalette::ColorRole role, const QString& colour) {
    QPalette palette = w->palette();
    palette.setColor(role, QColor(colour));
    w->setPalette(palette);
}

QWidget* build_widget(const QJsonObject& o, QWidget* parent, QMap<int, QWidget*>& focus) {
    const QString kind = o["kind"].toString();
    QWidget* w = nullptr;
    if (kind == "label" || kind == "picture") {
        auto* label = new QLabel(parent);
        if (kind == "label") {
            label->setText(o["text"].toString());
            label->setFont(json_font(o["font"]));
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            set_colour(label, QPalette::WindowText, o["fore"].toString());
            label->setAutoFillBackground(o["opaque"].toBool());
            if (o["border"].toBool()) {
                label->setFrameShape(QFrame::Box);
            }
        } else {
            const QRect area = json_rect(o["area"]);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setContentsMargins(area.left(), area.top(), 0, 0);
            label->setPixmap(
                bare_pixmap(o["picture"].toString(), area.size(), parent->devicePixelRatioF()));
            label->setAutoFillBackground(true);
        }
        set_colour(label, QPalette::Window, o["back"].toString());
        w = label;
    } else if (kind == "frame") {
        w = new QWidget(parent);
        w->setAutoFillBackground(true);
        set_colour(w, QPalette::Window, o["back"].toString());
    } else if (kind == "option") {
        auto* option = new QRadioButton(o["text"].toString(), parent);
        option->setFont(json_font(o["font"]));
        option->setAutoFillBackground(true);
        set_colour(option, QPalette::WindowText, o["fore"].toString());
        set_colour(option, QPalette::Window, o["back"].toString());
        w = option;
    } else if (kind == "scrollbar") {
        w = new QScrollBar(Qt::Vertical, parent);
    } else if (kind == "button") {
        auto* button = new QPushButton(o["text"].toString(), parent);
        button->setFont(json_font(o["font"]));
        w = button;
    } else {
        w = new QWidget(parent);
    }
    w->setObjectName(o["name"].toString());
    w->setGeometry(json_rect(o["rect"]));
    w->setEnabled(o["enabled"].toBool(true));
    if (o.contains("focus")) {
        focus.insert(o["focus"].toInt(), w);
    }
    for (const QJsonValue& child : o["children"].toArray()) {
        build_widget(child.toObject(), w, focus);
    }
    w->setVisible(o["visible"].toBool());
    return w;
}

class Drag : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* tile = static_cast<QWidget*>(object);
        if (event->type() == QEvent::MouseButtonPress) {
            tile->raise();
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() & Qt::LeftButton) {
                const QPoint at = tile->mapToParent(mouse->position().toPoint());
                tile->move(at - tile->rect().center());
            }
            return true;
        }
        return event->type() == QEvent::MouseButtonRelease;
    }
};

} // namespace

BareScreen::BareScreen(const QJsonObject& record)
    : record_(record), design_(json_rect(record["design"])), picture_(record["picture"].toString()),
      picture_rect_(json_rect(record["picture_rect"])), back_(record["back"].toString()) {
    setObjectName(record["name"].toString());
    setWindowTitle(record["caption"].toString());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* stage = new QWidget(this);
    stage->setGeometry(design_);
    QMap<int, QWidget*> focus;
    for (const QJsonValue& child : record["children"].toArray()) {
        build_widget(child.toObject(), stage, focus);
    }
    focus_order_.assign(focus.begin(), focus.end());
}

void BareScreen::show_as_recorded() {
    if (record_["full_screen"].toBool()) {
        showFullScreen();
    } else {
        setGeometry(json_rect(record_["window"]));
        show();
    }
    raise();
    activateWindow();
}

void BareScreen::step_focus(int step) {
    const int count = int(focus_order_.size());
    for (int i = 1; i <= count; ++i) {
        const int next = focused_ < 0 ? (step > 0 ? i - 1 : count - i)
                                      : ((focused_ + step * i) % count + count) % count;
        QWidget* entry = focus_order_[std::size_t(next)];
        if (!entry->isVisible() || !entry->isEnabled()) {
            continue;
        }
        if (focused_ >= 0) {
            focus_order_[std::size_t(focused_)]->setAutoFillBackground(false);
            focus_order_[std::size_t(focused_)]->update();
        }
        focused_ = next;
        entry->setAutoFillBackground(true);
        if (!mark_) {
            mark_ = new QFrame(entry->parentWidget());
            mark_->setFrameShape(QFrame::Box);
            mark_->setLineWidth(3);
            mark_->setAttribute(Qt::WA_TransparentForMouseEvents);
            set_colour(mark_, QPalette::WindowText, "#ffffff");
        }
        mark_->setParent(entry->parentWidget());
        mark_->setGeometry(entry->geometry().adjusted(-4, -4, 4, 4));
        mark_->show();
        mark_->raise();
        return;
    }
}

void BareScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap picture = picture_.isEmpty()
                                ? QPixmap()
                                : bare_pixmap(picture_, picture_rect_.size(), devicePixelRatioF());
    const QRect pictured = picture.isNull() ? QRect() : picture_rect_ & design_;
    for (const QRect& margin : QRegion(rect()) - design_) {
        painter.fillRect(margin, Qt::black);
    }
    for (const QRect& uncovered : QRegion(design_) - pictured) {
        painter.fillRect(uncovered, back_);
    }
    if (!picture.isNull()) {
        painter.setClipRect(design_);
        painter.drawPixmap(picture_rect_.topLeft(), picture);
    }
}

void make_draggable(QWidget* widget) {
    widget->installEventFilter(new Drag(widget));
}

} // namespace bench
