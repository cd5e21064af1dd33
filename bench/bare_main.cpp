// SPDX-License-Identifier: GPL-3.0-or-later
// The bare program: a plain Qt program that shows the screens Chalkline shows on the
// benchmark's route (recorded by chalkline_bench_record), one top-level window a screen,
// and answers the route's keys as Chalkline does. The probe measures it beside Chalkline:
//
//     chalkline_bare --records FOLDER
//
// Up and Down move a focus mark; Return and Escape leave a screen for the one the route
// says. Each screen is read from its record when it is shown, as a plain program builds
// its window when it opens it; the screen before it goes once the new one is shown.

#include "bare_screens.h"
#include "route.h"
#include "route_qt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QPointer>

#include <cstdio>

namespace {

std::string_view key_name(int key) {
    switch (key) {
    case Qt::Key_Down:
        return "Down";
    case Qt::Key_Up:
        return "Up";
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "Return";
    case Qt::Key_Escape:
        return "Escape";
    default:
        return {};
    }
}

class BareProgram : public QObject {
public:
    explicit BareProgram(QDir records) : records_(std::move(records)) {
        qApp->installEventFilter(this);
    }

    bool show(const QString& name) {
        QFile file(records_.filePath(name + ".json"));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "chalkline_bare: no record %s\n", qPrintable(file.fileName()));
            return false;
        }
        auto* screen = new bench::BareScreen(QJsonDocument::fromJson(file.readAll()).object());
        if (name == bench::qt_name(bench::kDragScreen)) {
            if (auto* tile = screen->findChild<QWidget*>(bench::qt_name(bench::kDragTile))) {
                bench::make_draggable(tile);
            }
        }
        screen->show_as_recorded();
        if (current_) {
            current_->close();
        }
        current_ = screen;
        typed_.clear();
        return true;
    }

protected:
    // Every key reaches the window first, whichever widget has the focus.
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !object->isWindowType() || !current_) {
            return false;
        }
        const std::string_view key = key_name(static_cast<QKeyEvent*>(event)->key());
        if (key.empty()) {
            return true;
        }
        typed_ += (typed_.empty() ? "" : " ") + std::string(key);
        if (key == "Down" || key == "Up") {
            current_->step_focus(key == "Down" ? +1 : -1);
            return true;
        }
        const std::string screen = current_->name().toStdString();
        const std::string typed = typed_;
        typed_.clear();
        const auto leads = [&](const bench::Step& step) {
            return step.from == screen && step.keys == typed;
        };
        const bench::Step* step = leads(bench::kTitleStep) ? &bench::kTitleStep : nullptr;
        for (const bench::Step& s : bench::kRound) {
            if (!step && leads(s)) {
                step = &s;
            }
        }
        if (step) {
            show(bench::qt_name(step->to));
        }
        return true;
    }

private:
    QDir records_;
    QPointer<bench::BareScreen> current_;
    std::string typed_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString records = bench::records_folder(QCoreApplication::arguments());
    if (records.isEmpty()) {
        std::fprintf(stderr, "usage: chalkline_bare --records FOLDER\n");
        return 2;
    }
    BareProgram program{QDir(records)};
    if (!program.show(bench::qt_name(bench::kTitleScreen))) {
        return 1;
    }
    return app.exec();
}
