// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "display.h"
#include "screens.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>

namespace shell {

namespace {

struct ProgramState {
    bool ended = false;
    int status = 0;
    int desktop_width_px = 0;
    int desktop_height_px = 0;
    bool hourglass = false;
    std::function<bool(const QUrl&)> opener = [](const QUrl& url) {
        return QDesktopServices::openUrl(url);
    };
};

ProgramState& state() {
    static ProgramState s;
    return s;
}

} // namespace

void end_program(int status) {
    auto& r = state();
    if (!r.ended) {
        r.ended = true;
        r.status = status;
    }
    for (Form* form : loaded_forms()) {
        unload_form(form->name());
    }
    set_hourglass(false);
    QCoreApplication::exit(r.status);
}

bool program_ended() {
    return state().ended;
}
int exit_status() {
    return state().status;
}
void reset_program_state() {
    state().ended = false;
    state().status = 0;
}

DesktopMetrics desktop_metrics() {
    const auto& r = state();
    const double tpp = twips_per_pixel();
    if (r.desktop_width_px > 0) {
        return {r.desktop_width_px * tpp, r.desktop_height_px * tpp, tpp};
    }
    const QScreen* screen = screen_in_use();
    const QRect geometry = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    return {geometry.width() * tpp, geometry.height() * tpp, tpp};
}

void set_desktop_pixels(int width, int height) {
    state().desktop_width_px = width;
    state().desktop_height_px = height;
}

void set_hourglass(bool on) {
    auto& r = state();
    if (on == r.hourglass) {
        return;
    }
    r.hourglass = on;
    if (on) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void open_address(const QUrl& address, QWidget*) {
    // A browser that fails to start changes nothing and shows nothing.
    (void)state().opener(address);
}

void set_address_opener(std::function<bool(const QUrl&)> opener) {
    state().opener = std::move(opener);
}

} // namespace shell
