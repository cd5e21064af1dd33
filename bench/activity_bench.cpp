// SPDX-License-Identifier: GPL-3.0-or-later
// Measures every activity of the table on its own: what its first opening costs (the
// screen built, loaded and its first problem made, with any work done once on first use,
// such as an enumeration) and what Go costs (a new problem made and the screen repainted),
// as the median and the 95th percentile of many presses. Each activity is measured in a
// fresh process, so that a first use is a real first use. Run it from the build folder:
//
//     cd build && bench/chalkline_activity_bench [--presses N]
//
// A new problem should be ready well within one frame at 60 Hz (16.7 ms); a first use
// within 50 ms more than the screen itself.

#include "activities.h"
#include "activity_form.h"
#include "display.h"
#include "menu_forms.h"
#include "screens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double> samples, double p) {
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, std::size_t(p * double(samples.size())))];
}

// One activity: prints "first-open-ms go-median-ms go-p95-ms".
int measure(const QString& screen, int presses) {
    shell::start_display();
    shell::register_menu_forms();
    chalkline::register_activities();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QElapsedTimer clock;
    clock.start();
    auto* form = dynamic_cast<shell::ActivityForm*>(shell::show_form(screen));
    if (!form) {
        return 1;
    }
    form->repaint();
    const double first_open = double(clock.nsecsElapsed()) / 1e6;
    std::vector<double> go;
    for (int i = 0; i < presses; ++i) {
        clock.restart();
        form->cmdgo_Click();
        form->repaint();
        go.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("%.2f %.3f %.3f\n", first_open, percentile(go, 0.5), percentile(go, 0.95));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int presses = 200;
    QString child;
    for (int i = 1; i < argc; ++i) {
        const QString arg = argv[i];
        if (arg == "--presses" && i + 1 < argc) {
            presses = std::max(1, QString(argv[++i]).toInt());
        } else if (arg == "--measure" && i + 1 < argc) {
            child = argv[++i];
        }
    }
    if (!child.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return measure(child, presses);
    }
    QCoreApplication app(argc, argv);
    std::printf("%-22s %12s %12s %12s\n", "activity", "first open", "Go median", "Go 95%");
    for (const shell::ActivityEntry& entry : chalkline::activities()) {
        QProcess run;
        run.start(QCoreApplication::applicationFilePath(),
                  {"--measure", entry.screen, "--presses", QString::number(presses)});
        run.waitForFinished(120000);
        const QStringList figures = QString(run.readAllStandardOutput()).split(' ');
        if (run.exitCode() != 0 || figures.size() != 3) {
            std::printf("%-22s %12s\n", qPrintable(entry.screen), "failed");
            continue;
        }
        std::printf("%-22s %9s ms %9s ms %9s ms\n", qPrintable(entry.screen),
                    qPrintable(figures[0]), qPrintable(figures[1]),
                    qPrintable(figures[2].trimmed()));
    }
    return 0;
}
