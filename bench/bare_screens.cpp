// SPDX-License-Identifier: GPL-3.0-or-later
#include "bare_screens.h"

#include "forms.h"

#include <QHash>
#include <QImageReader>
#include <QJsonArray>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace bench {

namespace {

QJsonArray rect_json(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}
QRect json_rect(const QJsonValue& v) {
    const QJsonArray a = v.toArray();
    return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

QJsonObject font_json(const QFont& font) {
    return {{"family", font.family()}, {"px", font.pixelSize()}, {"bold", font.bold()}};
}
QFont json_font(const QJsonValue& v) {
    const QJsonObject o = v.toObject();
    QFont font(o["family"].toString());
    font.setPixelSize(std::max(1, o["px"].toInt()));
    font.setBold(o["bold"].toBool());
    return font;
}

QJsonObject record_widget(const QWidget* w) {
    QJsonObject o{{"name", w->objectName()},
                  {"rect", rect_json(w->geometry())},
                  {"visible", w->isVisibleTo(w->parentWidget())}};
    if (const auto* l = dynamic_cast<const shell::Label*>(w)) {
        o["kind"] = "label";
        o["text"] = l->caption();
        o["font"] = font_json(l->font());
        o["fore"] = l->fore_colour().name();
        o["back"] = l->back_colour().name();
        o["opaque"] = l->opaque();
    } else if (const auto* b = dynamic_cast<const shell::PictureButton*>(w)) {
        o["kind"] = "picture";
        o["picture"] = b->picture().file();
        o["area"] = rect_json(b->rect().adjusted(1, 1, -1, -1));
        o["back"] = QColor(192, 192, 192).name();
    } else if (const auto* p = dynamic_cast<const shell::PictureBox*>(w)) {
        o["kind"] = "picture";
        o["picture"] = p->picture().file();
        o["area"] = rect_json(p->rect());
        o["back"] = p->back_colour().name();
    } else if (const auto* f = dynamic_cast<const shell::Frame*>(w)) {
        o["kind"] = "frame";
        o["back"] = f->back_colour().name();
    } else if (const auto* r = dynamic_cast<const shell::OptionButton*>(w)) {
        o["kind"] = "option";
        o["text"] = r->text();
        o["font"] = font_json(r->font());
        o["fore"] = r->fore_colour().name();
        o["back"] = r->back_colour().name();
    } else if (dynamic_cast<const shell::VScrollBar*>(w)) {
        o["kind"] = "scrollbar";
    } else if (const auto* c = dynamic_cast<const shell::CommandButton*>(w)) {
        o["kind"] = "button";
        o["text"] = c->text();
        o["font"] = font_json(c->font());
    } else {
        o["kind"] = "plain";
    }
    QJsonArray children;
    for (const QObject* child : w->children()) {
        if (const auto* cw = qobject_cast<const QWidget*>(child); cw && !cw->isWindow()) {
            children.append(record_widget(cw));
        }
    }
    o["children"] = children;
    return o;
}

// The bare program reads each picture once for each size it draws it at.
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

// A plain window that fills itself with its colour and draws its background picture.
class BareScreen : public QWidget {
public:
    explicit BareScreen(const QJsonObject& record) : record_(record) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect design = json_rect(record_["design"]);
        if (design != rect()) {
            painter.fillRect(rect(), Qt::black);
        }
        painter.fillRect(design, QColor(record_["back"].toString()));
        const QString file = record_["picture"].toString();
        if (!file.isEmpty()) {
            const QRect place = json_rect(record_["picture_rect"]);
            painter.setClipRect(design);
            painter.drawPixmap(place.topLeft(),
                               bare_pixmap(file, place.size(), devicePixelRatioF()));
        }
    }

private:
    QJsonObject record_;
};

QWidget* build_widget(const QJsonObject& o, QWidget* parent) {
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
    for (const QJsonValue& child : o["children"].toArray()) {
        build_widget(child.toObject(), w);
    }
    w->setVisible(o["visible"].toBool());
    return w;
}

} // namespace

QJsonObject record_screen(const shell::Form& form) {
    QJsonObject o = record_widget(&form);
    o["back"] = form.back_colour().name();
    o["full_screen"] = form.isFullScreen();
    o["design"] = rect_json(form.stage()->geometry());
    const shell::Picture& picture = form.background_picture();
    if (!picture.isNull()) {
        const QSizeF shown = picture.own_size() / shell::twips_per_pixel();
        o["picture"] = picture.file();
        o["picture_rect"] = rect_json(QRect(form.design_origin(), shown.toSize()));
    }
    return o;
}

QWidget* build_bare_screen(const QJsonObject& record) {
    auto* screen = new BareScreen(record);
    screen->setObjectName(record["name"].toString());
    screen->setFixedSize(json_rect(record["rect"]).size());
    for (const QJsonValue& child : record["children"].toArray()) {
        build_widget(child.toObject(), screen);
    }
    return screen;
}

bool recorded_full_screen(const QJsonObject& record) {
    return record["full_screen"].toBool();
}

} // namespace bench
