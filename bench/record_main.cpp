// SPDX-License-Identifier: GPL-3.0-or-later
// Records every screen of the benchmark's route as Chalkline lays it out and paints it on
// this display, one JSON file a screen, for the bare program to show the same. The probe
// runs it on the bare program's server before each measurement:
//
//     chalkline_bench_record --records FOLDER [--full-screen]

#include "route.h"
#include "route_qt.h"
#include "screen_record.h"

#include "activities.h"
#include "display.h"
#include "menu_forms.h"
#include "screens.h"
#include "title_form.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QPointer>

#include <cstdio>
#include <set>

namespace {

// Runs events until a widget of the screen's window has painted (a window covered by its
// children gets no paint event of its own), then a little longer for a second pass.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : window_(widget->window()) {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    void wait() {
        QElapsedTimer timer;
        timer.start();
        while (!painted_ && timer.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        timer.restart();
        while (timer.elapsed() < 100) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget*>(object)->window() == window_) {
            painted_ = true;
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    bool painted_ = false;
};

// Where the dragged tile lies on the screen, in pixels: "x y width height".
void write_tile_place(const shell::Form& form, const QDir& folder) {
    const auto* tile = form.findChild<const QWidget*>(bench::qt_name(bench::kDragTile));
    QFile out(folder.filePath("tile.txt"));
    if (tile && out.open(QIODevice::WriteOnly)) {
        const QPoint at = tile->mapToGlobal(QPoint(0, 0));
        out.write(QString("%1 %2 %3 %4\n")
                      .arg(at.x())
                      .arg(at.y())
                      .arg(tile->width())
                      .arg(tile->height())
                      .toUtf8());
    }
}

// Where the pointer rests while the keys drive the program: in every window of the route,
// at the bottom left corner of the part they share, away from the controls. Without a
// window manager the keyboard focus may fall back to the window under the pointer.
bool write_rest_place(const QRect& every_window, const QDir& folder) {
    QFile out(folder.filePath("pointer.txt"));
    if (every_window.isEmpty() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "chalkline_bench_record: no place for the pointer\n");
        return false;
    }
    const QPoint at = every_window.bottomLeft() + QPoint(1, -1);
    out.write(QString("%1 %2\n").arg(at.x()).arg(at.y()).toUtf8());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString records = bench::records_folder(args);
    if (records.isEmpty()) {
        std::fprintf(stderr, "usage: chalkline_bench_record --records FOLDER [--full-screen]\n");
        return 2;
    }
    const QDir folder(records);
    shell::start_display();
    shell::set_full_screen(args.contains("--full-screen"));
    shell::register_title_form();
    shell::register_menu_forms();
    chalkline::register_activities();

    // Every screen of the route, as the program shows it at its first visit: each move
    // shows the next screen and then unloads the one before, as the program's own do.
    std::vector<std::string_view> screens{bench::kTitleScreen};
    for (const bench::Step& step : bench::kRound) {
        screens.push_back(step.to);
    }
    std::set<std::string_view> recorded;
    QString current;
    QRect every_window;
    for (const std::string_view screen : screens) {
        const QString name = bench::qt_name(screen);
        shell::Form* form = shell::show_form(name);
        if (!form) {
            std::fprintf(stderr, "chalkline_bench_record: no screen %s\n", qPrintable(name));
            return 1;
        }
        if (!current.isEmpty() && current.compare(name, Qt::CaseInsensitive) != 0) {
            shell::unload_form(current);
        }
        current = name;
        PaintWatch(form).wait();
        const QRect window = form->window()->geometry();
        every_window = every_window.isNull() ? window : every_window & window;
        if (!recorded.insert(screen).second) {
            continue;
        }
        if (screen == bench::kDragScreen) {
            write_tile_place(*form, folder);
        }
        QFile out(folder.filePath(name + ".json"));
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(QJsonDocument(bench::record_screen(*form)).toJson()) < 0) {
            std::fprintf(stderr, "chalkline_bench_record: cannot write %s\n",
                         qPrintable(out.fileName()));
            return 1;
        }
    }
    return write_rest_place(every_window, folder) ? 0 : 1;
}
