// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "chalkline_version.h"
#include "menu_forms.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace shell {

namespace {

// The context of the command line's texts in the translations.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

QString usage() {
    return CommandLine::tr(
        "Usage: chalkline [-f | --full-screen] [--screen N] [--lang CODE] [-h | --help] "
        "[--version]\n");
}

// Problems by their codes, and worksheets.
QString problem_usage() {
    return CommandLine::tr(
        "       chalkline [--open CODE]\n"
        "       chalkline --worksheet ACTIVITY [--kind K] [--count N] [--seed S]\n"
        "                 [--no-answers] [--format pdf|text] [--lang CODE] -o FILE\n");
}

QString options() {
    return CommandLine::tr(
        "Options:\n"
        "  -f, --full-screen   show every screen full screen, scaled to fit\n"
        "  --screen N          open on screen N (0 is the first)\n"
        "  --lang CODE         show the texts in this language (fr, de, es, en)\n"
        "  -h, --help          print the options and the keys, then end\n"
        "  --version           print the version, then end\n");
}

QString keys() {
    return CommandLine::tr(
        "Keys:\n"
        "  F11, Ctrl+F                full screen on and off, on every screen\n"
        "  Tab, Shift+Tab, arrows     menus: move from entry to entry\n"
        "  Return, Space              menus: open the entry; title screen: OK\n"
        "  Escape                     the screen's Exit; title screen: Cancel\n"
        "  PageDown, N, Right         activities: Next (Go), a new problem\n"
        "  PageUp, S                  activities: Solution\n"
        "  K, Ctrl+1, Ctrl+2, Ctrl+3  activities: the next kind of numbers, or one kind\n"
        "  B, .                       activities: blank the screen and back\n"
        "  F1, ?                      activities: the keys of the screen\n"
        "  Tab, Up, Down, Return      Ordering: choose a number and place it\n"
        "  Backspace, U               Ordering: Undo\n"
        "  Tab, 1 to 9, 0, Delete     Magic Squares: choose a tile, put it in a cell, send "
        "it home\n"
        "  H                          Magic Squares: show or hide the magic sum\n"
        "  Up, Down, F, R             Mental Arithmetic: pace, Forward, Reverse\n");
}

QString problem_options() {
    return CommandLine::tr(
        "Problems and worksheets:\n"
        "  --open CODE         start on the problem of that code, as 24P-2-K7QM\n"
        "  --worksheet ACTIVITY  write a worksheet of the activity, as twentyfour (the\n"
        "                      names are those of the screens), without a display\n"
        "  --kind K            the kind of its problems, 1 for the first (1)\n"
        "  --count N           how many problems, 1 to 500 (10)\n"
        "  --seed S            the problems follow from this number (else the clock)\n"
        "  --no-answers        leave out the answer key\n"
        "  --format pdf|text   a PDF, A4 or Letter; or text, one problem a line (pdf)\n"
        "  -o FILE             the file to write\n");
}

QString problem_keys() {
    return CommandLine::tr(
        "  Ctrl+G                     go to a problem by its code, on every screen\n"
        "  Ctrl+P                     activities: a worksheet of this kind\n");
}

// Options of the toolkit itself, read by it once the application starts.
struct ToolkitOption {
    const char* name;
    bool takes_value;
};
constexpr ToolkitOption kToolkitOptions[] = {{"platform", true},      {"platformpluginpath", true},
                                             {"platformtheme", true}, {"plugin", true},
                                             {"display", true},       {"style", true},
                                             {"stylesheet", true},    {"qwindowgeometry", true},
                                             {"qwindowtitle", true},  {"qwindowicon", true},
                                             {"session", true},       {"reverse", false},
                                             {"widgetcount", false}};

StartRequest ending(int status, const QString& output) {
    StartRequest request;
    request.exit_status = status;
    request.output = output;
    return request;
}

// A mistake on the command line: one line that says what is wrong, and where to look.
StartRequest refusal(const QString& error) {
    return ending(2, "chalkline: " + error + "\n" +
                         CommandLine::tr("Try 'chalkline --help' for more information.\n"));
}

// An option the program does not know, as it was typed ("--fullscreen", "-x").
QString as_typed(const QString& name, const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == "--") {
            break;
        }
        for (const char* dashes : {"--", "-"}) {
            const QString option = dashes + name;
            if (argument == option || argument.startsWith(option + '=')) {
                return option;
            }
        }
    }
    return (name.size() == 1 ? "-" : "--") + name;
}

} // namespace

// The activities as the menus list them, one menu a paragraph, within 80 columns.
QString activities_text() {
    QString text = CommandLine::tr("Activities:\n");
    for (int menu = 1; menu <= 5; ++menu) {
        QString line = CommandLine::tr("  Menu %1:").arg(menu);
        const QString indent(line.size(), ' ');
        const QStringList titles = menu_titles(menu);
        for (int i = 0; i < titles.size(); ++i) {
            const QString item = ' ' + titles[i] + (i + 1 < titles.size() ? "," : "");
            if (line.size() + item.size() > 79) {
                text += line + '\n';
                line = indent;
            }
            line += item;
        }
        text += line + '\n';
    }
    return text;
}

QString help_text() {
    return usage() + problem_usage() +
           CommandLine::tr(
               "Mathematics activities for the whole class, on a projector or a whiteboard.\n\n") +
           options() + problem_options() + "\n" + activities_text() + "\n" + keys() +
           problem_keys() +
           CommandLine::tr("\nReport bugs at <%1>; home page: <%2>.\n")
               .arg(kChalklineBugTracker, kChalklineHomePage);
}

QString version_text() {
    return CommandLine::tr("chalkline %1\n"
                           "Copyright (C) %2 The Chalkline developers.\n"
                           "License GPLv3+: GNU GPL version 3 or later "
                           "<https://gnu.org/licenses/gpl.html>.\n"
                           "This is free software: you are free to change and redistribute it.\n"
                           "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(kChalklineVersion, kChalklineCopyrightYear);
}

namespace {

// The program's own options, in the order --help lists them.
struct ProgramOption {
    QStringList names;
    const char* value = nullptr;
};
const ProgramOption kProgramOptions[] = {
    {{"f", "full-screen"}},
    {{"screen"}, "N"},
    {{"lang"}, "CODE"},
    {{"open"}, "CODE"},
    {{"worksheet"}, "ACTIVITY"},
    {{"kind"}, "K"},
    {{"count"}, "N"},
    {{"seed"}, "S"},
    {{"no-answers"}},
    {{"format"}, "FORMAT"},
    {{"o"}, "FILE"},
    {{"h", "help"}},
    {{"version"}},
};

// The options that only a worksheet takes.
const char* const kWorksheetOptions[] = {"kind", "count", "seed", "no-answers", "format", "o"};

// A value that is wrong: one line, and nothing else is done.
StartRequest wrong_value(const QString& error) {
    return ending(2, "chalkline: " + error + "\n");
}

// Reads a whole number from low to high, or nothing.
std::optional<qint64> whole_number(const QString& text, qint64 low, qint64 high) {
    bool number = false;
    const qint64 value = text.trimmed().toLongLong(&number);
    if (!number || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// --worksheet and its options, into the request; or the refusal.
std::optional<StartRequest> read_worksheet(const QCommandLineParser& parser,
                                           StartRequest& request) {
    StartRequest::WorksheetOutput out;
    const QString activity = parser.value("worksheet");
    out.sheet.screen = activity_screen(activity);
    if (out.sheet.screen.isEmpty()) {
        return wrong_value(CommandLine::tr("there is no activity '%1'; the activities are: %2")
                               .arg(activity, activity_screens().join(", ")));
    }
    const int kinds = kind_count(out.sheet.screen);
    if (parser.isSet("kind")) {
        const auto kind = whole_number(parser.value("kind"), 1, kinds);
        if (!kind) {
            return wrong_value(kinds == 1
                                   ? CommandLine::tr("--kind %1: %2 has only kind 1")
                                         .arg(parser.value("kind"), out.sheet.screen)
                                   : CommandLine::tr("--kind %1: the kinds of %2 are 1 to %3")
                                         .arg(parser.value("kind"), out.sheet.screen)
                                         .arg(kinds));
        }
        out.sheet.kind = int(*kind) - 1;
    }
    if (parser.isSet("count")) {
        const auto count = whole_number(parser.value("count"), 1, kMostWorksheetProblems);
        if (!count) {
            return wrong_value(CommandLine::tr("--count needs a number of problems from 1 to %1, "
                                               "not '%2'")
                                   .arg(kMostWorksheetProblems)
                                   .arg(parser.value("count")));
        }
        out.sheet.count = int(*count);
    }
    if (parser.isSet("seed")) {
        const auto seed = whole_number(parser.value("seed"), 0, 4294967295LL);
        if (!seed) {
            return wrong_value(
                CommandLine::tr("--seed needs a whole number from 0 to 4294967295, not '%1'")
                    .arg(parser.value("seed")));
        }
        out.sheet.seed = std::uint32_t(*seed);
    } else {
        out.sheet.seed = clock_seed();
    }
    out.sheet.answers = !parser.isSet("no-answers");
    if (parser.isSet("format")) {
        const QString format = parser.value("format");
        if (format != "pdf" && format != "text") {
            return wrong_value(CommandLine::tr("--format is pdf or text, not '%1'").arg(format));
        }
        out.as_text = format == "text";
    }
    if (!parser.isSet("o")) {
        return wrong_value(CommandLine::tr("--worksheet needs -o FILE, the file to write"));
    }
    out.path = parser.value("o");
    request.worksheet = out;
    return std::nullopt;
}

} // namespace

StartRequest read_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const ProgramOption& option : kProgramOptions) {
        QCommandLineOption own(option.names, "");
        if (option.value) {
            own.setValueName(option.value);
        }
        parser.addOption(own);
    }
    for (const ToolkitOption& option : kToolkitOptions) {
        QCommandLineOption toolkit(option.name, "");
        if (option.takes_value) {
            toolkit.setValueName("value");
        }
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }

    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            return refusal(CommandLine::tr("unrecognized option '%1'")
                               .arg(as_typed(parser.unknownOptionNames()[0], arguments)));
        }
        // The toolkit's own sentence ("Missing value after '--screen'.") as a clause.
        QString error = parser.errorText();
        error[0] = error[0].toLower();
        if (error.endsWith('.')) {
            error.chop(1);
        }
        return refusal(error);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refusal(
            CommandLine::tr("unexpected argument '%1'").arg(parser.positionalArguments()[0]));
    }
    if (parser.isSet("help")) {
        return ending(0, help_text());
    }
    if (parser.isSet("version")) {
        return ending(0, version_text());
    }
    StartRequest request;
    request.full_screen = parser.isSet("full-screen");
    if (parser.isSet("screen")) {
        bool number = false;
        const int index = parser.value("screen").toInt(&number);
        if (!number || index < 0) {
            return refusal(CommandLine::tr("--screen needs a screen number, 0 or more, not '%1'")
                               .arg(parser.value("screen")));
        }
        request.screen = index;
    }
    if (parser.isSet("worksheet")) {
        if (parser.isSet("open")) {
            return wrong_value(CommandLine::tr("--open and --worksheet cannot go together"));
        }
        if (auto refused = read_worksheet(parser, request)) {
            return *refused;
        }
        return request;
    }
    for (const char* name : kWorksheetOptions) {
        if (parser.isSet(name)) {
            return wrong_value(
                CommandLine::tr("%1 is an option of --worksheet").arg(as_typed(name, arguments)));
        }
    }
    if (parser.isSet("open")) {
        const CodeReading reading = read_problem_code(parser.value("open"));
        if (!reading.address) {
            return wrong_value("--open: " + reading.fault);
        }
        request.open = reading.address;
    }
    return request;
}

QString screen_request_warning(const StartRequest& request, const QString& platform) {
    if (!request.screen || request.full_screen || !platform.startsWith("wayland")) {
        return {};
    }
    return CommandLine::tr("chalkline: --screen %1 is not honoured in a window under Wayland, "
                           "where the desktop places every window; drag the window to that "
                           "screen, or add --full-screen\n")
        .arg(*request.screen);
}

} // namespace shell
