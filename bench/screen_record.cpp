// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_record.h"

#include "form.h"
#include "keys.h"

#include <QHash>
#include <QJsonArray>

namespace bench {

namespace {

QJsonArray rect_json(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QJsonObject font_json(const QFont& font) {
    return {{"family", font.family()}, {"px", font.pixelSize()}, {"bold", font.bold()}};
}

using FocusOrder = QHash<const QWidget*, int>;

QJsonObject record_widget(const QWidget* w, const FocusOrder& focus) {
    QJsonObject o{{"name", w->objectName()},
                  {"rect", rect_json(w->geometry())},
                  {"visible", w->isVisibleTo(w->parentWidget())},
                  {"enabled", w->isEnabled()}};
    if (focus.contains(w)) {
        o["focus"] = focus.value(w);
    }
    if (const auto* l = dynamic_cast<const shell::Label*>(w)) {
        o["kind"] = "label";
        o["text"] = l->caption();
        o["font"] = font_json(l->font());
        o["fore"] = l->fore_colour().name();
        o["back"] = l->back_colour().name();
        o["opaque"] = l->opaque();
        o["border"] = l->border();
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
            children.append(record_widget(cw, focus));
        }
    }
    o["children"] = children;
    return o;
}

} // namespace

QJsonObject record_screen(shell::Form& form) {
    FocusOrder focus;
    if (const auto& order = shell::ScreenKeys::of(form).focus_order) {
        int position = 0;
        for (const shell::Control* control : order()) {
            focus.insert(control->widget(), position++);
        }
    }
    // Whether the screen has a window of its own or stands in one that the program
    // shares between screens, the bare program gives it a window like that one.
    const QWidget* window = form.window();
    QJsonObject o;
    o["name"] = form.name();
    o["caption"] = form.caption();
    o["full_screen"] = window->isFullScreen();
    o["window"] = rect_json(window->geometry());
    o["back"] = form.back_colour().name();
    const QPoint stage = form.stage()->mapTo(window, QPoint(0, 0));
    o["design"] = rect_json(QRect(stage, form.stage()->size()));
    const shell::Picture& picture = form.background_picture();
    if (!picture.isNull()) {
        const QSizeF shown = picture.own_size() / shell::twips_per_pixel();
        o["picture"] = picture.file();
        o["picture_rect"] = rect_json(QRect(stage, shown.toSize()));
    }
    QJsonArray children;
    for (const QObject* child : form.stage()->children()) {
        if (const auto* cw = qobject_cast<const QWidget*>(child); cw && !cw->isWindow()) {
            children.append(record_widget(cw, focus));
        }
    }
    o["children"] = children;
    return o;
}

} // namespace bench
