// SPDX-License-Identifier: GPL-3.0-or-later
#include "overlays.h"

#include "accessibility.h"
#include "input_filter.h"
#include "keys.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace shell {

namespace {

// The context of the overlays' texts in the translations.
struct Overlays {
    Q_DECLARE_TR_FUNCTIONS(Overlays)
};

// The last line of every list of keys.
QString closing() {
    return Overlays::tr("Any key or click closes this list.");
}

class Overlay : public QWidget {
public:
    enum class Kind { Blank, KeyHelp };

    Overlay(Form& form, Kind kind) : QWidget(&form), kind_(kind) {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_OpaquePaintEvent, kind == Kind::Blank);
        form.installEventFilter(this);
        // Nothing goes on unseen under the cover: a drag in hand goes back where it
        // started, and the reveals and their pace wait where they are.
        let_go(form);
        form.pause_timers(true);
        if (kind == Kind::KeyHelp) {
            setObjectName("keylist");
            heading_ = Overlays::tr("Keys: %1").arg(form.caption());
            for (const KeyBinding& row : ScreenKeys::of(form).table()) {
                rows_.append({row.keys_text, row.what});
            }
            // The row every list of keys ends with.
            rows_.append({Overlays::tr("F11 or Ctrl+F"), Overlays::tr("full screen on and off")});
            setAccessibleName(heading_);
            QStringList lines;
            for (const auto& [keys, what] : rows_) {
                lines << keys + ": " + what;
            }
            setAccessibleDescription(lines.join('\n'));
        } else {
            setAccessibleName(Overlays::tr("Blank screen"));
        }
        setGeometry(form.rect());
        raise();
        show();
        // The reader hears that the screen is blank; the list of keys takes the focus.
        if (kind == Kind::Blank) {
            (new Announcer(this))->announce(accessibleName());
        }
        // The focus moves into the list, where a screen reader can read it again, and
        // goes back where it was when the list closes.
        if (kind == Kind::KeyHelp) {
            previous_focus_ = QApplication::focusWidget();
            setFocusPolicy(Qt::StrongFocus);
            setFocus();
        }
    }

    Kind kind() const { return kind_; }

    void close_now() {
        if (isHidden()) {
            return;
        }
        if (auto* form = dynamic_cast<Form*>(parentWidget())) {
            form->pause_timers(false);
        }
        parentWidget()->removeEventFilter(this);
        const bool had_focus = hasFocus();
        hide();
        deleteLater();
        if (had_focus && previous_focus_) {
            previous_focus_->setFocus();
        }
    }

protected:
    // The cover follows the form when it changes size (full screen on or off).
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
        }
        return false;
    }

    void mousePressEvent(QMouseEvent*) override { close_now(); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (kind_ == Kind::Blank) {
            painter.fillRect(rect(), kBlack);
            return;
        }
        painter.fillRect(rect(), QColor(0, 0, 0, 170));
        paint_list(painter);
    }

private:
    // A panel in the middle of the form: the heading, then each row's keys in yellow
    // beside what they do in white, sized from the fonts as they are now.
    void paint_list(QPainter& painter) {
        QFont heading_font("Tahoma");
        heading_font.setPixelSize(font_px(18));
        heading_font.setBold(true);
        QFont keys_font("Tahoma");
        keys_font.setPixelSize(font_px(12));
        keys_font.setBold(true);
        QFont what_font("Tahoma");
        what_font.setPixelSize(font_px(12));
        const QFontMetrics heading_metrics(heading_font), keys_metrics(keys_font),
            what_metrics(what_font);

        int keys_width = 0, what_width = heading_metrics.horizontalAdvance(heading_);
        for (const auto& [keys, what] : rows_) {
            keys_width = std::max(keys_width, keys_metrics.horizontalAdvance(keys));
            what_width = std::max(what_width, what_metrics.horizontalAdvance(what));
        }
        what_width = std::max(what_width, what_metrics.horizontalAdvance(closing()));
        const int pad = px(300);
        const int gap = px(240);
        const int line = std::max(keys_metrics.height(), what_metrics.height()) + px(45);
        const int width = pad + keys_width + gap + what_width + pad;
        const int height =
            pad + heading_metrics.height() + px(150) + line * int(rows_.size() + 1) + px(150) + pad;
        QRect panel(0, 0, width, height);
        panel.moveCenter(rect().center());

        painter.fillRect(panel, kScreenBlue);
        painter.setPen(QPen(kYellow, reference_px(2)));
        painter.drawRect(panel.adjusted(0, 0, -1, -1));

        int y = panel.top() + pad;
        const int left = panel.left() + pad;
        painter.setFont(heading_font);
        painter.setPen(kYellow);
        painter.drawText(QRect(left, y, width - 2 * pad, heading_metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, heading_);
        y += heading_metrics.height() + px(150);
        for (const auto& [keys, what] : rows_) {
            painter.setFont(keys_font);
            painter.setPen(kYellow);
            painter.drawText(QRect(left, y, keys_width, line), Qt::AlignLeft | Qt::AlignVCenter,
                             keys);
            painter.setFont(what_font);
            painter.setPen(kWhite);
            painter.drawText(QRect(left + keys_width + gap, y, what_width, line),
                             Qt::AlignLeft | Qt::AlignVCenter, what);
            y += line;
        }
        y += px(150);
        painter.drawText(QRect(left, y, width - 2 * pad, line), Qt::AlignLeft | Qt::AlignVCenter,
                         closing());
    }

    Kind kind_;
    QPointer<QWidget> previous_focus_;
    QString heading_;
    QList<QPair<QString, QString>> rows_;
};

Overlay* find_overlay(const Form& form) {
    for (QObject* child : form.children()) {
        if (auto* overlay = dynamic_cast<Overlay*>(child); overlay && !overlay->isHidden()) {
            return overlay;
        }
    }
    return nullptr;
}

} // namespace

void show_blank(Form& form) {
    close_overlay(form);
    new Overlay(form, Overlay::Kind::Blank);
}

void show_key_help(Form& form) {
    close_overlay(form);
    new Overlay(form, Overlay::Kind::KeyHelp);
}

bool close_overlay(Form& form) {
    Overlay* overlay = find_overlay(form);
    if (overlay) {
        overlay->close_now();
    }
    return overlay != nullptr;
}

bool overlay_open(const Form& form) {
    return find_overlay(form) != nullptr;
}

QWidget* open_overlay(const Form& form) {
    return find_overlay(form);
}

} // namespace shell
