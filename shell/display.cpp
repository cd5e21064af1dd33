// SPDX-License-Identifier: GPL-3.0-or-later
#include "display.h"

#include "screens.h"
#include "twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

constexpr double kDesignWidth = 800;
constexpr double kDesignHeight = 600;

struct Display {
    bool full = false;
    QPointer<QScreen> screen;
};

Display& display() {
    static Display d;
    return d;
}

// Puts every loaded screen to the factor of the current mode and screen; the visible
// ones are shown again in that mode.
void refresh(bool present_visible) {
    set_twips_per_pixel(15.0 / scale_factor());
    for (Form* form : loaded_forms()) {
        form->apply_scale();
    }
    if (present_visible) {
        for (Form* form : loaded_forms()) {
            if (form->isVisible()) {
                form->present();
            }
        }
    }
}

// Sees every key before the widget with the focus does, so no control can keep the
// full-screen keys for itself.
class DisplayKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
            if (const auto* key = static_cast<QKeyEvent*>(event);
                is_full_screen_key(key) && !key->isAutoRepeat()) {
                if (event->type() == QEvent::KeyPress) {
                    toggle_full_screen();
                }
                event->accept();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The toolkit's style with the sizes of what it draws itself (the circle of an option,
// the arrows of a scroll bar, frames) grown with the factor, as the design's own
// lines and borders are.
class ScaledStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_DefaultFrameWidth:
        case PM_ButtonMargin:
        case PM_FocusFrameHMargin:
        case PM_FocusFrameVMargin:
            return int(std::lround(size * scale_factor()));
        default:
            return size;
        }
    }
};

} // namespace

bool full_screen() {
    return display().full;
}

bool is_full_screen_key(const QKeyEvent* key) {
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_F11 && modifiers == Qt::NoModifier) ||
           (key->key() == Qt::Key_F && modifiers == Qt::ControlModifier);
}

void set_full_screen(bool on) {
    if (display().full == on) {
        return;
    }
    // Full screen goes to the screen the window stands on now.
    for (Form* form : loaded_forms()) {
        if (form->isVisible()) {
            set_screen_in_use(form->screen());
            break;
        }
    }
    display().full = on;
    refresh(true);
}

void toggle_full_screen() {
    set_full_screen(!full_screen());
}

double scale_factor() {
    if (!display().full) {
        return 1.0;
    }
    const QScreen* screen = screen_in_use();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    return std::min(area.width() / kDesignWidth, area.height() / kDesignHeight);
}

QScreen* screen_in_use() {
    if (!display().screen) {
        display().screen = QGuiApplication::primaryScreen();
    }
    return display().screen;
}

void set_screen_in_use(QScreen* screen) {
    if (!screen || screen == screen_in_use()) {
        return;
    }
    display().screen = screen;
    if (display().full) {
        refresh(false);
    }
}

bool use_screen_number(int index) {
    const auto screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size()) {
        return false;
    }
    set_screen_in_use(screens[index]);
    return true;
}

void start_display() {
    static QPointer<DisplayKeys> keys;
    if (keys || !qApp) {
        return;
    }
    keys = new DisplayKeys(qApp);
    qApp->installEventFilter(keys);
    QApplication::setStyle(new ScaledStyle);
    // A projector unplugged or set to another resolution: the screens follow.
    const auto follow = [] {
        if (!display().screen) {
            display().screen = QGuiApplication::primaryScreen();
        }
        if (display().full) {
            refresh(true);
        }
    };
    const auto watch = [follow](QScreen* screen) {
        QObject::connect(screen, &QScreen::geometryChanged, keys, [screen, follow] {
            if (screen == display().screen) {
                follow();
            }
        });
    };
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    QObject::connect(qApp, &QGuiApplication::screenAdded, keys, watch);
    QObject::connect(qApp, &QGuiApplication::screenRemoved, keys, [follow](QScreen* screen) {
        if (screen == display().screen) {
            display().screen = nullptr;
            follow();
        }
    });
}

} // namespace shell
