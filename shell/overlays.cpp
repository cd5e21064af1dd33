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
    // The panel in the middle of the form that the list is drawn in.
    QRect panel() const { return list_layout().panel; }

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
        // Back from the blank screen, the reader says which screen is there again.
        if (kind_ == Kind::Blank) {
            QWidget* form = parentWidget();
            Announcer::of(form).announce(form->accessibleName().isEmpty() ? form->windowTitle()
                                                                          : form->accessibleName());
        }
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
    // The list's fonts and the panel's measures, worked out from the fonts as they are
    // now: the heading, then each row's keys beside what they do, then the closing line.
    // Where the panel would be wider than the form, the heading and what the keys do are
    // broken into lines.
    struct ListLayout {
        QFont heading_font{"Tahoma"}, keys_font{"Tahoma"}, what_font{"Tahoma"};
        int keys_width = 0, what_width = 0, inner = 0, heading_height = 0, pad = 0, gap = 0;
        int top = 0, between = 0; // the margins above and below, and around the rows
        QList<int> row_heights;   // each row's, then the closing line's
        QRect panel;
    };
    ListLayout list_layout() const {
        ListLayout l;
        l.heading_font.setPixelSize(font_px(18));
        l.heading_font.setBold(true);
        l.keys_font.setPixelSize(font_px(12));
        l.keys_font.setBold(true);
        l.what_font.setPixelSize(font_px(12));
        const QFontMetrics heading_metrics(l.heading_font), keys_metrics(l.keys_font),
            what_metrics(l.what_font);
        int what_natural = what_metrics.horizontalAdvance(closing());
        for (const auto& [keys, what] : rows_) {
            l.keys_width = std::max(l.keys_width, keys_metrics.horizontalAdvance(keys));
            what_natural = std::max(what_natural, what_metrics.horizontalAdvance(what));
        }
        l.pad = px(300);
        l.gap = px(240);
        const int room = rect().width() - 2 * px(150) - 2 * l.pad;
        l.what_width = std::max(1, std::min(what_natural, room - l.keys_width - l.gap));
        l.inner = std::max(1, std::min(std::max(heading_metrics.horizontalAdvance(heading_),
                                                l.keys_width + l.gap + l.what_width),
                                       room));
        const auto lines_height = [](const QFontMetrics& metrics, int width, const QString& text) {
            return metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text)
                .height();
        };
        l.heading_height = lines_height(heading_metrics, l.inner, heading_);
        int height = l.heading_height;
        for (const auto& [keys, what] : rows_) {
            l.row_heights << std::max(keys_metrics.height(),
                                      lines_height(what_metrics, l.what_width, what)) +
                                 px(45);
            height += l.row_heights.last();
        }
        l.row_heights << lines_height(what_metrics, l.inner, closing()) + px(45);
        height += l.row_heights.last();
        // A list taller than the screen gives up part of its margins above, below and
        // around the rows, rather than be cut.
        const int margins = 2 * l.pad + 2 * px(150);
        const int room_for_margins = std::max(margins / 5, rect().height() - height);
        const double kept = std::min(1.0, double(room_for_margins) / margins);
        l.top = int(l.pad * kept);
        l.between = int(px(150) * kept);
        height += 2 * l.top + 2 * l.between;
        l.panel = QRect(0, 0, l.pad + l.inner + l.pad, height);
        l.panel.moveCenter(rect().center());
        return l;
    }

    void paint_list(QPainter& painter) {
        const ListLayout l = list_layout();
        painter.fillRect(l.panel, kScreenBlue);
        painter.setPen(QPen(kYellow, reference_px(2)));
        painter.drawRect(l.panel.adjusted(0, 0, -1, -1));

        const int left = l.panel.left() + l.pad;
        const int what_left = left + l.keys_width + l.gap;
        constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        int y = l.panel.top() + l.top;
        painter.setFont(l.heading_font);
        painter.setPen(kYellow);
        painter.drawText(QRect(left, y, l.inner, l.heading_height), kFlags, heading_);
        y += l.heading_height + l.between;
        for (qsizetype i = 0; i < rows_.size(); ++i) {
            const int line = l.row_heights[i];
            painter.setFont(l.keys_font);
            painter.setPen(kYellow);
            painter.drawText(QRect(left, y, l.keys_width, line), kFlags, rows_[i].first);
            painter.setFont(l.what_font);
            painter.setPen(kWhite);
            painter.drawText(QRect(what_left, y, l.what_width, line), kFlags, rows_[i].second);
            y += line;
        }
        y += l.between;
        painter.drawText(QRect(left, y, l.inner, l.row_heights.last()), kFlags, closing());
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

QRect key_list_panel(const Form& form) {
    const Overlay* overlay = find_overlay(form);
    return overlay && overlay->kind() == Overlay::Kind::KeyHelp ? overlay->panel() : QRect();
}

} // namespace shell
