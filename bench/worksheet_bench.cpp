// SPDX-License-Identifier: GPL-3.0-or-later
// Measures worksheets and codes: for every activity of the table the time to write a
// worksheet of 100 problems with its answer key as a PDF (the goal: under 2 s on the
// slowest), and how long --open takes to show its problem beside a normal start to the
// title screen (the goal: no slower). Each figure comes from a fresh process, so that
// every first use is a real one. Run it from the build folder:
//
//     cd build && bench/chalkline_worksheet_bench [--count N] [--starts N]

#include "activities.h"
#include "activity_form.h"
#include "display.h"
#include "menu_forms.h"
#include "pictures.h"
#include "problem_codes.h"
#include "screens.h"
#include "title_form.h"
#include "worksheet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// In the child: one figure in ms on standard output.
int measure_sheet(const QString& screen, int count) {
    chalkline::register_activities();
    QTemporaryDir folder;
    QElapsedTimer clock;
    clock.start();
    shell::Worksheet sheet;
    sheet.screen = screen;
    sheet.count = count;
    sheet.seed = 1;
    if (shell::write_worksheet(sheet, folder.filePath("sheet.pdf"), false)) {
        return 1;
    }
    // The processor's time too: on a shared machine the wall clock also counts the others.
    std::printf("%.1f %.1f\n", double(clock.nsecsElapsed()) / 1e6,
                double(std::clock()) * 1000 / CLOCKS_PER_SEC);
    return 0;
}

// In the child: from the program's first registration to the first screen painted, the
// title or the problem of the code.
int measure_start(const QString& code) {
    QElapsedTimer clock;
    clock.start();
    shell::start_display();
    shell::register_title_form();
    shell::register_menu_forms();
    chalkline::register_activities();
    shell::check_program_pictures();
    shell::Form* form = nullptr;
    if (code.isEmpty()) {
        form = shell::show_form("Titlefrm");
    } else {
        const auto reading = shell::read_problem_code(code);
        form = reading.address ? shell::show_problem_at(*reading.address) : nullptr;
    }
    if (!form) {
        return 1;
    }
    form->repaint();
    std::printf("%.2f\n", double(clock.nsecsElapsed()) / 1e6);
    return 0;
}

// Runs this program again as a child and reads its figures (-1 where it failed).
std::vector<double> child_figures(const QStringList& arguments, std::size_t count) {
    QProcess run;
    run.start(QCoreApplication::applicationFilePath(), arguments);
    run.waitForFinished(300000);
    std::vector<double> figures;
    for (const QString& word : QString(run.readAllStandardOutput()).split(' ')) {
        bool number = false;
        const double figure = word.trimmed().toDouble(&number);
        if (number) {
            figures.push_back(figure);
        }
    }
    if (run.exitCode() != 0 || figures.size() != count) {
        figures.assign(count, -1);
    }
    return figures;
}

double child_figure(const QStringList& arguments) {
    return child_figures(arguments, 1)[0];
}

} // namespace

int main(int argc, char** argv) {
    int count = 100;
    int starts = 9;
    QStringList child;
    for (int i = 1; i < argc; ++i) {
        const QString arg = argv[i];
        if (arg == "--count" && i + 1 < argc) {
            count = std::clamp(QString(argv[++i]).toInt(), 1, shell::kMostWorksheetProblems);
        } else if (arg == "--starts" && i + 1 < argc) {
            starts = std::max(1, QString(argv[++i]).toInt());
        } else if ((arg == "--sheet" || arg == "--start") && i + 1 < argc) {
            child = {arg, argv[++i]};
        }
    }
    if (!child.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return child[0] == "--sheet" ? measure_sheet(child[1], count)
                                     : measure_start(child[1] == "title" ? QString() : child[1]);
    }
    QCoreApplication app(argc, argv);
    std::printf("A worksheet of %d problems with answers, PDF:\n", count);
    QString slowest;
    double most = 0;
    std::printf("  %-20s %8s %11s\n", "activity", "wall", "processor");
    for (const shell::ActivityInfo* record : chalkline::activities()) {
        const shell::ActivityInfo& entry = *record;
        const auto figures =
            child_figures({"--sheet", entry.screen, "--count", QString::number(count)}, 2);
        const double ms = figures[0];
        if (ms < 0) {
            std::printf("  %-20s failed\n", qPrintable(entry.screen));
            continue;
        }
        std::printf("  %-20s %5.0f ms %8.0f ms\n", qPrintable(entry.screen), ms, figures[1]);
        if (ms > most) {
            most = ms;
            slowest = entry.screen;
        }
    }
    std::printf("  slowest: %s, %.0f ms (goal: under 2000 ms)\n\n", qPrintable(slowest), most);

    // The two starts in turn, so that the machine's load falls on both alike.
    const QString code = shell::problem_code({"twentyfour", 1, 12345});
    std::vector<double> title, open;
    for (int i = 0; i < starts; ++i) {
        title.push_back(child_figure({"--start", "title"}));
        open.push_back(child_figure({"--start", code}));
    }
    std::printf("Start to the first screen drawn, median of %d:\n", starts);
    std::printf("  to the title            %8.1f ms\n", median(title));
    std::printf("  --open %s  %8.1f ms (goal: no slower than the title)\n", qPrintable(code),
                median(open));
    return 0;
}
