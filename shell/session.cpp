// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace shell {

namespace {

// A single dash works as well as two for the toolkit's own options.
QString option_name(const QString& argument) {
    return argument.startsWith("--") ? argument.mid(1) : argument;
}

// What the toolkit says while it connects, held back until it has.
struct Held {
    QtMsgType type;
    QString category;
    QString text;
};

struct Watch {
    QString display;
    QString unreachable;
    std::vector<Held> held;
    int stderr_fd = 2; // where the one line goes
};

Watch& watch() {
    static Watch w;
    return w;
}

// The value as one printable line: a display name may hold anything.
QString one_line(QString text) {
    for (QChar& c : text) {
        if (!c.isPrint()) {
            c = '?';
        }
    }
    return text;
}

// The display the toolkit is asked for: the -display or -platform given, else
// QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY as set.
QString display_named(const QStringList& arguments) {
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        const QString option = option_name(arguments[i]);
        if (option == "-display" || option == "-platform") {
            return one_line(QString("%1 (%2)").arg(arguments[i + 1], option));
        }
    }
    QStringList named;
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            named << QString("%1 (%2)").arg(qEnvironmentVariable(variable), variable);
        }
    }
    QString either = named.value(0);
    for (qsizetype i = 1; i < named.size(); ++i) {
        either = QCoreApplication::translate("CommandLine", "%1 or %2", "displays")
                     .arg(either, named[i]);
    }
    return one_line(either);
}

} // namespace

void require_graphical_session(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        // The toolkit's own -platform and -display choose a display; help and version
        // are answered without one. A single dash works as well as two.
        const char* option = argv[i] + (std::strncmp(argv[i], "--", 2) == 0 ? 1 : 0);
        for (const char* known : {"-platform", "-display", "-help", "-version"}) {
            if (std::strcmp(option, known) == 0) {
                return;
            }
        }
    }
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            return;
        }
    }
    std::fputs(qPrintable(QCoreApplication::translate(
                   "CommandLine", "chalkline: needs a graphical session to show its windows, but "
                                  "neither DISPLAY nor WAYLAND_DISPLAY is set; start it from the "
                                  "desktop\n")),
               stderr);
    std::exit(1);
}

DisplayConnection::DisplayConnection(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    watch().display = display_named(arguments);
    // Put in the teacher's language now: the application being made has no translations
    // yet.
    watch().unreachable =
        QCoreApplication::translate("CommandLine",
                                    "chalkline: cannot reach the display %1 to show its windows; "
                                    "check that the graphical session is running and that this "
                                    "is its display\n")
            .arg(watch().display);
    watch().held.clear();
    previous_ = qInstallMessageHandler(&DisplayConnection::hold);
    // A library under the toolkit may write its own failure straight to standard error
    // (the Wayland client's "XDG_RUNTIME_DIR is invalid"); held back too, so that an
    // unreachable display is still reported in one line.
    std::fflush(stderr);
    held_stderr_ = std::tmpfile();
    saved_stderr_ = held_stderr_ ? dup(STDERR_FILENO) : -1;
    if (saved_stderr_ >= 0 && dup2(fileno(held_stderr_), STDERR_FILENO) >= 0) {
        watch().stderr_fd = saved_stderr_;
    }
}

DisplayConnection::~DisplayConnection() {
    if (saved_stderr_ >= 0) {
        std::fflush(stderr);
        dup2(saved_stderr_, STDERR_FILENO);
        close(saved_stderr_);
        watch().stderr_fd = STDERR_FILENO;
        std::rewind(held_stderr_);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, held_stderr_)) > 0;) {
            std::fwrite(buffer, 1, n, stderr);
        }
    }
    if (held_stderr_) {
        std::fclose(held_stderr_);
    }
    qInstallMessageHandler(previous_);
    for (const Held& message : watch().held) {
        const QByteArray category = message.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(message.type, context, message.text);
    }
    watch().held.clear();
}

// The toolkit ends a start it cannot make with a fatal message (and a core dump after
// it); the program ends first, with its one line.
void DisplayConnection::hold(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
    if (type != QtFatalMsg) {
        watch().held.push_back({type, QString::fromUtf8(context.category), text});
        return;
    }
    const QByteArray line = watch().unreachable.toLocal8Bit();
    for (qsizetype done = 0; done < line.size();) {
        const ssize_t n =
            write(watch().stderr_fd, line.constData() + done, std::size_t(line.size() - done));
        if (n <= 0) {
            break;
        }
        done += n;
    }
    std::_Exit(1);
}

} // namespace shell
