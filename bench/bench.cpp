// SPDX-License-Identifier: GPL-3.0-or-later
// Measures Chalkline side by side with a bare Qt program of the same widgets and the same
// pictures, and prints one table of figures with their ratios to the bare program:
// cold start to the painted title screen, screen switches per screen, the Magic Squares
// drag per mouse move, resident memory over many switches and the picture decodes. Each
// figure is taken at the reference scale and in full screen at 1920 x 1080 and
// 3840 x 2160, on the offscreen platform with a fixed screen and under Xvfb when it is
// installed. Run it from the build folder, where the pictures are:
//
//     cd build && bench/chalkline_bench [--switches N] [--starts N] [--no-xvfb]
//
// The program runs itself once for every measurement, each run in a fresh process.

#include "bare_screens.h"

#include "activities.h"
#include "display.h"
#include "forms.h"
#include "menu_forms.h"
#include "pictures.h"
#include "title_form.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

// The way through the program that every switch run follows, over and over: every screen
// is shown, and every move is one a teacher can make.
const QStringList kRoute = {"intro0", "menu1",    "matchthetarget", "menu1", "Magicsquares",
                            "menu1",  "ordering", "menu1",          "menu2", "fastmental",
                            "menu2",  "menu3",    "fourrules",      "menu3", "menu4",
                            "menu5",  "intro0",   "Titlefrm"};
const QString kFirst = "Titlefrm";
constexpr int kWarmUpRounds = 3;
constexpr int kDragMoves = 400;

// ---- Child runs: one measurement in a fresh process ----

// Starts the program's screens as the program does, in a window or full screen.
void start_screens(bool full_screen) {
    shell::start_display();
    shell::set_full_screen(full_screen);
    shell::register_title_form();
    shell::register_menu_forms();
    chalkline::register_activities();
}

// Runs events until the window (or any widget in it) has painted and every deleted window
// is gone. A window fully covered by its children gets no paint event of its own.
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
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

// The offscreen platform warns at every raise(); the runs raise windows all the time.
void quiet_raise_warnings() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains("does not support raise()")) {
                previous(type, context, text);
            }
        });
}

// Shows a bare window as the program shows a screen: in front, with the input focus.
void show_window(QWidget* w, bool full_screen) {
    if (full_screen) {
        w->showFullScreen();
    } else {
        w->show();
    }
    w->raise();
    w->activateWindow();
}

// One screen shown and the one before it unloaded, in the real program or the bare one.
class Switcher {
public:
    virtual ~Switcher() = default;
    virtual QWidget* show(const QString& name) = 0;
};

class ChalklineSwitcher : public Switcher {
public:
    QWidget* show(const QString& name) override {
        shell::Form* form = shell::show_form(name);
        if (!current_.isEmpty() && current_.compare(name, Qt::CaseInsensitive) != 0) {
            shell::unload_form(current_);
        }
        current_ = name;
        return form;
    }

private:
    QString current_;
};

class BareSwitcher : public Switcher {
public:
    explicit BareSwitcher(QJsonObject records) : records_(std::move(records)) {}
    QWidget* show(const QString& name) override {
        const QJsonObject record = records_[name].toObject();
        QWidget* screen = bench::build_bare_screen(record);
        show_window(screen, bench::recorded_full_screen(record));
        if (current_) {
            current_->hide();
            current_->deleteLater();
        }
        current_ = screen;
        return screen;
    }

private:
    QJsonObject records_;
    QPointer<QWidget> current_;
};

qint64 resident_kib() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) / 1024 : 0;
}

double percentile(std::vector<double> samples, double p) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const auto at = std::size_t(std::min<double>(samples.size() - 1, p * samples.size()));
    return samples[at];
}

// Drags the first tile of the Magic Squares board round a circle with the left button
// held, each move until the screen has painted; gives the median time per move in µs.
double drag_micros(QWidget* screen) {
    auto* tile = screen->findChild<QWidget*>("Label10");
    if (!tile) {
        return 0;
    }
    QWidget* board = tile->parentWidget();
    const QPoint start = tile->geometry().center();
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button,
                          Qt::MouseButtons held) {
        const QPointF local = tile->mapFrom(board, at);
        QMouseEvent event(type, local, tile->mapToGlobal(local), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(tile, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    std::vector<double> micros;
    for (int i = 0; i < kDragMoves; ++i) {
        const double angle = i * 0.05;
        const QPoint at = start + QPoint(int(40 * std::cos(angle)), int(40 * std::sin(angle)));
        QElapsedTimer timer;
        timer.start();
        PaintWatch watch(tile);
        send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        watch.wait();
        micros.push_back(timer.nsecsElapsed() / 1000.0);
    }
    send(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    return percentile(micros, 0.5);
}

// The bare program's drag: the tile follows the pointer.
class BareDrag : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* tile = static_cast<QWidget*>(object);
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() & Qt::LeftButton) {
                const QPoint at = tile->mapToParent(mouse->position().toPoint());
                tile->move(at - tile->rect().center());
                tile->raise();
            }
            return true;
        }
        return false;
    }
};

QJsonObject read_records(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(f.readAll()).object();
}

// Records every screen of the route as the program lays it out and paints it.
int record_run(const QString& file, bool full_screen) {
    start_screens(full_screen);
    ChalklineSwitcher switcher;
    QJsonObject records;
    for (const QString& name : QStringList{kFirst} + kRoute) {
        QWidget* screen = switcher.show(name);
        PaintWatch(screen).wait();
        records[name] = bench::record_screen(*static_cast<shell::Form*>(screen));
    }
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return 1;
    }
    out.write(QJsonDocument(records).toJson());
    return 0;
}

// Switches along the route: a warm-up, then the given number of switches, each timed
// until the new screen has painted and the old one is gone; then the drag.
int switch_run(bool bare, const QString& records_file, bool full_screen, int switches) {
    if (!bare) {
        start_screens(full_screen);
    }
    const QJsonObject records = read_records(records_file);
    std::unique_ptr<Switcher> switcher;
    if (bare) {
        switcher = std::make_unique<BareSwitcher>(records);
    } else {
        switcher = std::make_unique<ChalklineSwitcher>();
    }
    PaintWatch(switcher->show(kFirst)).wait();
    for (int i = 0; i < kWarmUpRounds * kRoute.size(); ++i) {
        PaintWatch(switcher->show(kRoute[i % kRoute.size()])).wait();
    }
    const qint64 before = resident_kib();
    qint64 halfway = before;
    QHash<QString, std::vector<double>> millis;
    for (int i = 0; i < switches; ++i) {
        if (i == switches / 2) {
            halfway = resident_kib();
        }
        const QString& name = kRoute[i % kRoute.size()];
        QElapsedTimer timer;
        timer.start();
        QWidget* screen = switcher->show(name);
        PaintWatch(screen).wait();
        millis[name].push_back(timer.nsecsElapsed() / 1e6);
    }
    const qint64 after = resident_kib();

    QWidget* squares = switcher->show("Magicsquares");
    PaintWatch(squares).wait();
    BareDrag bare_drag;
    if (bare) {
        if (auto* tile = squares->findChild<QWidget*>("Label10")) {
            tile->installEventFilter(&bare_drag);
        }
    }
    const double drag = drag_micros(squares);

    QJsonObject result;
    QJsonObject per_screen;
    for (auto it = millis.begin(); it != millis.end(); ++it) {
        per_screen[it.key()] =
            QJsonArray{percentile(it.value(), 0.5), percentile(it.value(), 0.95)};
    }
    const shell::PictureStats stats = shell::picture_stats();
    result["switch"] = per_screen;
    result["drag_us"] = drag;
    result["growth_kib"] = double(after - before);
    result["late_growth_kib"] = double(after - halfway);
    result["decodes"] = bare ? 0 : stats.decodes;
    result["repeated"] = bare ? 0 : stats.repeated;
    std::printf("%s\n", QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    return 0;
}

// Starts as the program starts and says "painted" once the title screen has painted.
int start_run(bool bare, const QString& records_file, bool full_screen) {
    QWidget* title = nullptr;
    if (bare) {
        const QJsonObject record = read_records(records_file)[kFirst].toObject();
        title = bench::build_bare_screen(record);
        show_window(title, bench::recorded_full_screen(record));
    } else {
        start_screens(full_screen);
        title = shell::show_form(kFirst);
    }
    PaintWatch(title).wait();
    std::printf("painted\n");
    std::fflush(stdout);
    return 0;
}

// ---- The parent run: every measurement, then the table ----

struct Setting {
    QString name;
    QString platform; // "offscreen" or "xcb"
    QSize screen;
    bool full_screen;
};

struct Results {
    QJsonObject chalkline;
    QJsonObject bare;
    double start_chalkline = 0;
    double start_bare = 0;
};

class Runner {
public:
    Runner(QString program, QString folder)
        : program_(std::move(program)), folder_(std::move(folder)) {}

    // The environment of a child run on the platform of the setting.
    QProcessEnvironment environment(const Setting& s, const QString& display) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", "C");
        if (s.platform == "offscreen") {
            const QString config = QString("%1/screen-%2x%3.json")
                                       .arg(folder_)
                                       .arg(s.screen.width())
                                       .arg(s.screen.height());
            QFile file(config);
            if (file.open(QIODevice::WriteOnly)) {
                file.write(QString(R"({"screens":[{"name":"S","x":0,"y":0,"width":%1,"height":%2,)"
                                   R"("logicalDpi":96,"logicalBpp":32,"dpr":1}]})")
                               .arg(s.screen.width())
                               .arg(s.screen.height())
                               .toUtf8());
            }
            env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
            env.remove("DISPLAY");
        } else {
            env.insert("QT_QPA_PLATFORM", "xcb");
            env.insert("DISPLAY", display);
        }
        return env;
    }

    // Runs a child and gives its last line of output, or nothing if it failed.
    std::optional<QByteArray> run(const Setting& s, const QString& display,
                                  const QStringList& args) const {
        QProcess child;
        child.setProcessEnvironment(environment(s, display));
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(program_, args);
        if (!child.waitForFinished(30 * 60 * 1000) || child.exitCode() != 0) {
            std::fprintf(stderr, "bench: a run failed: %s\n", qPrintable(args.join(' ')));
            return std::nullopt;
        }
        const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
        return lines.last();
    }

    // From the start of the process to the painted title screen, in milliseconds.
    double start_millis(const Setting& s, const QString& display, const QStringList& args,
                        int starts) const {
        std::vector<double> millis;
        for (int i = 0; i < starts; ++i) {
            QProcess child;
            child.setProcessEnvironment(environment(s, display));
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QElapsedTimer timer;
            timer.start();
            child.start(program_, args);
            while (!child.canReadLine() && child.waitForReadyRead(10000)) {
            }
            millis.push_back(timer.nsecsElapsed() / 1e6);
            child.waitForFinished();
        }
        return percentile(millis, 0.5);
    }

    std::optional<Results> measure(const Setting& s, const QString& display, int switches,
                                   int starts) const {
        const QString records =
            QString("%1/%2.json").arg(folder_, QString(s.name).replace(' ', '-'));
        const QString full = s.full_screen ? "1" : "0";
        if (!run(s, display, {"--child", "record", "--records", records, "--full-screen", full})) {
            return std::nullopt;
        }
        Results r;
        const QStringList common = {"--records", records,      "--full-screen",
                                    full,        "--switches", QString::number(switches)};
        const auto ours = run(s, display, QStringList{"--child", "switch"} + common);
        const auto bare = run(s, display, QStringList{"--child", "switch", "--bare"} + common);
        if (!ours || !bare) {
            return std::nullopt;
        }
        r.chalkline = QJsonDocument::fromJson(*ours).object();
        r.bare = QJsonDocument::fromJson(*bare).object();
        r.start_chalkline =
            start_millis(s, display, QStringList{"--child", "start"} + common, starts);
        r.start_bare =
            start_millis(s, display, QStringList{"--child", "start", "--bare"} + common, starts);
        return r;
    }

private:
    QString program_;
    QString folder_;
};

// An Xvfb server of the given screen size on a free display, for as long as it lives.
class Xvfb {
public:
    explicit Xvfb(QSize screen) {
        const QString program = QStandardPaths::findExecutable("Xvfb");
        if (program.isEmpty()) {
            return;
        }
        for (int n = 90; n < 140; ++n) {
            if (!QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)) &&
                !QFile::exists(QString("/tmp/.X%1-lock").arg(n))) {
                display_ = QString(":%1").arg(n);
                break;
            }
        }
        server_.start(program, {display_, "-screen", "0",
                                QString("%1x%2x24").arg(screen.width()).arg(screen.height()),
                                "-nolisten", "tcp"});
        for (int i = 0; i < 50 && !QFile::exists(socket()); ++i) {
            QThread::msleep(100);
        }
        if (!QFile::exists(socket())) {
            display_.clear();
        }
    }
    ~Xvfb() {
        server_.terminate();
        server_.waitForFinished(3000);
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;
    const QString& display() const { return display_; }

private:
    QString socket() const { return "/tmp/.X11-unix/X" + display_.mid(1); }
    QProcess server_;
    QString display_;
};

QString fixed(double value, int decimals = 2) {
    return QString::number(value, 'f', decimals);
}

QString ratio(double ours, double bare) {
    return bare > 0 ? fixed(ours / bare) : "-";
}

struct Row {
    QString setting, figure, ours, bare, ratio, target, met;
};

void add_rows(std::vector<Row>& rows, const Setting& s, const Results& r, int switches) {
    const QString at = s.name;
    rows.push_back({at, "cold start to title painted (ms)", fixed(r.start_chalkline, 1),
                    fixed(r.start_bare, 1), ratio(r.start_chalkline, r.start_bare), "", ""});
    const double limit = !s.full_screen ? 0 : s.screen.width() >= 3840 ? 16 : 8;
    const QJsonObject ours = r.chalkline["switch"].toObject();
    const QJsonObject bare = r.bare["switch"].toObject();
    QStringList screens = kRoute;
    screens.removeDuplicates();
    for (const QString& name : screens) {
        const QJsonArray o = ours[name].toArray();
        const QJsonArray b = bare[name].toArray();
        const double om = o[0].toDouble(), op = o[1].toDouble();
        const double bm = b[0].toDouble(), bp = b[1].toDouble();
        // Under X the server's own work can pass the time limit: the bare program shows it.
        const bool fast = limit == 0 || om < limit;
        const QString met = om > 1.3 * bm ? "NO"
                            : fast        ? "yes"
                            : bm >= limit ? "NO, bare too"
                                          : "NO";
        rows.push_back(
            {at, "switch to " + name + " median / p95 (ms)", fixed(om) + " / " + fixed(op),
             fixed(bm) + " / " + fixed(bp), ratio(om, bm) + " / " + ratio(op, bp),
             "median <= 1.3x" + (limit > 0 ? QString(", < %1 ms").arg(limit) : QString()), met});
    }
    const double od = r.chalkline["drag_us"].toDouble(), bd = r.bare["drag_us"].toDouble();
    rows.push_back({at, "Magic Squares drag per mouse move (us)", fixed(od, 0), fixed(bd, 0),
                    ratio(od, bd), "", ""});
    const auto growth = [](const QJsonObject& o) {
        return fixed(o["growth_kib"].toDouble(), 0) + " / " +
               fixed(o["late_growth_kib"].toDouble(), 0);
    };
    const double og = r.chalkline["growth_kib"].toDouble(), bg = r.bare["growth_kib"].toDouble();
    rows.push_back(
        {at, QString("resident growth over %1 switches / their second half (KiB)").arg(switches),
         growth(r.chalkline), growth(r.bare), ratio(og, bg), "flat: <= bare + 128 KiB",
         og <= bg + 128 ? "yes" : "NO"});
    const int repeated = r.chalkline["repeated"].toInt();
    rows.push_back({at, "picture decodes / at a size decoded before",
                    QString("%1 / %2").arg(r.chalkline["decodes"].toInt()).arg(repeated), "", "",
                    "none repeated", repeated == 0 ? "yes" : "NO"});
}

void print_table(const std::vector<Row>& rows) {
    const Row head{"setting", "figure", "chalkline", "bare Qt", "ratio", "target", "met"};
    std::vector<Row> all{head};
    all.insert(all.end(), rows.begin(), rows.end());
    std::array<int, 7> width{};
    const auto cells = [](const Row& r) {
        return std::array<QString, 7>{r.setting, r.figure, r.ours, r.bare,
                                      r.ratio,   r.target, r.met};
    };
    for (const Row& r : all) {
        const auto c = cells(r);
        for (std::size_t i = 0; i < c.size(); ++i) {
            width[i] = std::max(width[i], int(c[i].size()));
        }
    }
    for (const Row& r : all) {
        const auto c = cells(r);
        QString line = "|";
        for (std::size_t i = 0; i < c.size(); ++i) {
            line += " " + c[i].leftJustified(width[i]) + " |";
        }
        std::printf("%s\n", qPrintable(line));
        if (&r == &all.front()) {
            QString rule = "|";
            for (int w : width) {
                rule += QString(w + 2, '-') + "|";
            }
            std::printf("%s\n", qPrintable(rule));
        }
    }
}

int parent_run(const QString& program, int switches, int starts, bool xvfb) {
    QTemporaryDir folder;
    const Runner runner(program, folder.path());
    std::vector<Setting> settings = {
        {"offscreen reference", "offscreen", {1920, 1080}, false},
        {"offscreen full 1920x1080", "offscreen", {1920, 1080}, true},
        {"offscreen full 3840x2160", "offscreen", {3840, 2160}, true},
    };
    std::vector<Row> rows;
    bool complete = true;
    const auto measure = [&](const Setting& s, const QString& display) {
        std::fprintf(stderr, "bench: measuring %s\n", qPrintable(s.name));
        if (const auto r = runner.measure(s, display, switches, starts)) {
            add_rows(rows, s, *r, switches);
        } else {
            complete = false;
        }
    };
    for (const Setting& s : settings) {
        measure(s, {});
    }
    if (xvfb) {
        for (const QSize screen : {QSize(1920, 1080), QSize(3840, 2160)}) {
            const Xvfb server(screen);
            if (server.display().isEmpty()) {
                std::fprintf(stderr, "bench: no Xvfb, the X rows are left out\n");
                break;
            }
            const QString size = QString("%1x%2").arg(screen.width()).arg(screen.height());
            if (screen.width() == 1920) {
                measure({"Xvfb reference", "xcb", screen, false}, server.display());
            }
            measure({"Xvfb full " + size, "xcb", screen, true}, server.display());
        }
    }
    print_table(rows);
    return complete ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // A child run needs the whole toolkit; the parent run only starts processes.
    const bool child =
        std::any_of(argv, argv + argc, [](const char* a) { return qstrcmp(a, "--child") == 0; });
    std::unique_ptr<QCoreApplication> app;
    if (child) {
        quiet_raise_warnings();
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription("Measures Chalkline against a bare Qt program. Run it from "
                                     "the build folder, where the pictures are.");
    parser.addHelpOption();
    const QCommandLineOption switches_option("switches", "Screen switches per run.", "N", "10000");
    const QCommandLineOption starts_option("starts", "Cold starts per program and setting.", "N",
                                           "7");
    const QCommandLineOption no_xvfb_option("no-xvfb", "Leave out the runs under Xvfb.");
    const QCommandLineOption child_option("child", "A measurement run (record, switch, start).",
                                          "what");
    const QCommandLineOption bare_option("bare", "Measure the bare Qt program.");
    const QCommandLineOption records_option("records", "The file of the recorded screens.", "file");
    const QCommandLineOption full_option("full-screen", "Fill the screen (1) or not (0).", "0|1");
    for (const auto& option : {switches_option, starts_option, no_xvfb_option, child_option,
                               bare_option, records_option, full_option}) {
        parser.addOption(option);
    }
    parser.process(*app);
    const int switches = parser.value(switches_option).toInt();
    if (!parser.isSet(child_option)) {
        if (!QDir("Images").exists() || !QDir("opening").exists()) {
            std::fprintf(stderr,
                         "bench: run it from the build folder, where Images and opening are\n");
            return 2;
        }
        return parent_run(QCoreApplication::applicationFilePath(), switches,
                          parser.value(starts_option).toInt(), !parser.isSet(no_xvfb_option));
    }
    const QString what = parser.value(child_option);
    const bool bare = parser.isSet(bare_option);
    const bool full = parser.value(full_option) == "1";
    const QString records = parser.value(records_option);
    if (what == "record") {
        return record_run(records, full);
    }
    if (what == "switch") {
        return switch_run(bare, records, full, switches);
    }
    return start_run(bare, records, full);
}
