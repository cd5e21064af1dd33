// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the ink benchmark drives it: Chalkline's screens, full screen, opening
// on one activity, with one key of its own: F12 covers the screen in use with ink, as
// many strokes of as many points as asked, spread over the whole design (the way a board
// looks after a long lesson, and more). The probe presses it, untimed, before it times a
// key on a screen full of ink.
//
//     chalkline_ink_host SCREEN STROKES POINTS

#include "activities.h"
#include "display.h"
#include "handlers.h"
#include "screens.h"
#include "ink.h"
#include "menu_forms.h"
#include "title_form.h"

#include <QApplication>
#include <QKeyEvent>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

// Strokes that wander over the design, each turning as handwriting does, so that
// simplifying them keeps nearly every point.
void cover_with_ink(shell::Form& form, int strokes, int points) {
    shell::InkLayer* layer = shell::ink_layer(form);
    if (!layer) {
        return;
    }
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> x(0, form.outer_width()), y(0, form.outer_height());
    std::uniform_real_distribution<double> turn(-0.6, 0.6);
    for (int s = 0; s < strokes; ++s) {
        std::vector<QPointF> path;
        QPointF at(x(random), y(random));
        double heading = turn(random) * 10;
        for (int p = 0; p < points; ++p) {
            path.push_back(at);
            heading += turn(random);
            at += QPointF(std::cos(heading), std::sin(heading)) * 45.0;
        }
        layer->add_stroke(path, s % shell::kPenColours);
    }
    std::fprintf(stdout, "ink: %d strokes, %zu points kept, %zu bytes of points\n", strokes,
                 layer->sheet().point_count(), layer->sheet().bytes());
    std::fflush(stdout);
}

class FillKey : public QObject {
public:
    FillKey(int strokes, int points) : strokes_(strokes), points_(points) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F12) {
            if (shell::Form* form = shell::current_form()) {
                cover_with_ink(*form, strokes_, points_);
            }
            return true;
        }
        return false;
    }

private:
    int strokes_;
    int points_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: chalkline_ink_host SCREEN STROKES POINTS\n");
        return 2;
    }
    shell::register_title_form();
    shell::register_menu_forms();
    chalkline::register_activities();
    if (!shell::has_form(argv[1])) {
        std::fprintf(stderr, "chalkline_ink_host: no screen named %s\n", argv[1]);
        return 2;
    }
    shell::start_display();
    shell::set_full_screen(true);
    shell::run_handler([&] { shell::show_form(argv[1]); });
    // Installed last, it sees F12 before the screens' own keys do.
    FillKey fill(std::atoi(argv[2]), std::atoi(argv[3]));
    app.installEventFilter(&fill);
    return app.exec();
}
