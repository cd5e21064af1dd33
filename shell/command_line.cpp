// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "activity_table.h"
#include "chalkline_version.h"
#include "language.h"
#include "lessons.h"
#include "menu_forms.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstring>

namespace shell {

namespace {

// The context of the command line's texts in the translations.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

QString usage() {
    return CommandLine::tr("Usage: chalkline [OPTION]...\n"
                           "       chalkline --worksheet ACTIVITY [OPTION]... -o FILE\n");
}

// The program's options, as --help lists them and the parser reads them.
struct Option {
    std::array<const char*, 2> names; // the short name first where there is one
    const char* value;                // what its value is called, or nullptr
    const char* help;
};
constexpr Option kOptions[] = {
    {{"f", "full-screen"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "show every screen full screen, scaled to fit")},
    {{"window"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "in a window, even after full screen the last time")},
    {{"screen"}, "N", QT_TRANSLATE_NOOP("CommandLine", "open on screen N (0 is the first)")},
    {{"lang"},
     "CODE",
     QT_TRANSLATE_NOOP("CommandLine", "show the texts in this language (fr, de, es, en)")},
    {{"launch"},
     "ACTIVITY",
     QT_TRANSLATE_NOOP("CommandLine", "start on that activity (names: --list-activities)")},
    {{"kind"},
     "K",
     QT_TRANSLATE_NOOP("CommandLine", "the kind for --launch or --worksheet, 1 for the first")},
    {{"lesson"},
     "FILE",
     QT_TRANSLATE_NOOP("CommandLine", "run the lesson of FILE, a step at a time")},
    {{"open"},
     "CODE",
     QT_TRANSLATE_NOOP("CommandLine", "start on the problem of that code, as 24P-2-K7QM")},
    {{"worksheet"},
     "ACTIVITY",
     QT_TRANSLATE_NOOP("CommandLine", "write a worksheet of the activity and end, no display")},
    {{"count"}, "N", QT_TRANSLATE_NOOP("CommandLine", "its number of problems, 1 to 500 (10)")},
    {{"seed"},
     "S",
     QT_TRANSLATE_NOOP("CommandLine", "its problems follow from this number (else the clock)")},
    {{"no-answers"}, nullptr, QT_TRANSLATE_NOOP("CommandLine", "without its answer key")},
    {{"format"},
     "pdf|text",
     QT_TRANSLATE_NOOP("CommandLine", "a PDF, A4 or Letter; or text, one problem a line")},
    {{"o"}, "FILE", QT_TRANSLATE_NOOP("CommandLine", "the worksheet's file")},
    {{"list-activities"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "list the activities, their kinds and settings, then end")},
    {{"reset-settings"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "forget the settings kept from the last time")},
    {{"h", "help"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "print the options and the keys, then end")},
    {{"version"}, nullptr, QT_TRANSLATE_NOOP("CommandLine", "print the version, then end")},
};

// "-f, --full-screen", "--screen N"
QString synopsis(const Option& option) {
    QStringList names;
    for (const char* name : option.names) {
        if (name) {
            names << (std::strlen(name) == 1 ? "-" : "--") + QString(name);
        }
    }
    return names.join(", ") + (option.value ? QString(" ") + option.value : QString());
}

QString options() {
    qsizetype width = 0;
    for (const Option& option : kOptions) {
        width = std::max(width, synopsis(option).size());
    }
    QString text = CommandLine::tr("Options:\n");
    for (const Option& option : kOptions) {
        text +=
            "  " + synopsis(option).leftJustified(width + 2) + CommandLine::tr(option.help) + '\n';
    }
    return text;
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
        "  P, Alt+1 to Alt+4          every screen: the pen on and off, or in white, yellow,\n"
        "                             red or black\n"
        "  E, C, Ctrl+Z               every screen: the eraser, clear the ink, take back\n"
        "  Ctrl+S                     every screen: save the board as a picture\n"
        "  Tab, Shift+Tab, Return     activities: mark a control, press the marked one\n"
        "  W                          activities: read the whole board aloud\n"
        "  Ctrl+L                     activities: add the activity to a lesson file\n"
        "  Ctrl+O                     first menu: open a lesson\n"
        "  Tab, Up, Down, Return      Ordering: choose a number and place it\n"
        "  Backspace, U               Ordering: Undo\n"
        "  Tab, 1 to 9, 0, Delete     Magic Squares: choose a tile, put it in a cell, send "
        "it home\n"
        "  H                          Magic Squares: show or hide the magic sum\n"
        "  Up, Down, F, R             Mental Arithmetic: pace, Forward, Reverse\n");
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

QString activity_list_text() {
    const std::vector<chalkline::LessonActivity> activities = lesson_activities();
    qsizetype width = 0;
    for (const chalkline::LessonActivity& activity : activities) {
        width = std::max(width, qsizetype(activity.name.size()));
    }
    QString text;
    for (const ActivityInfo& entry : registered_activities()) {
        QStringList parts = {entry.screen.leftJustified(width) + "  " +
                             QCoreApplication::translate("Menus", "Menu %1").arg(entry.menu) +
                             "  " + entry.caption()};
        QStringList kinds;
        const QStringList captions = entry.kind_captions();
        for (qsizetype i = 0; i < captions.size(); ++i) {
            kinds << QString("%1 %2").arg(i + 1).arg(captions[i]).trimmed();
        }
        if (!kinds.isEmpty()) {
            parts << CommandLine::tr("kinds: %1").arg(kinds.join(", "));
        }
        QStringList settings;
        for (const chalkline::ActivitySetting& setting : entry.settings) {
            settings << text_of(setting.key) + '=' + setting_values(setting);
        }
        if (!settings.isEmpty()) {
            parts << CommandLine::tr("settings: %1").arg(settings.join(", "));
        }
        text += parts.join("; ") + '\n';
    }
    return text;
}

QString help_text() {
    return usage() +
           CommandLine::tr(
               "Mathematics activities for the whole class, on a projector or a whiteboard.\n\n") +
           options() + "\n" + activities_text() + "\n" + keys() + problem_keys() +
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

// The options that only a worksheet takes.
const char* const kWorksheetOptions[] = {"count", "seed", "no-answers", "format", "o"};

// A value that is wrong: one line, and nothing else is done.
StartRequest wrong_value(const QString& error) {
    return ending(2, "chalkline: " + error + "\n");
}

// The activity a name stands for, without regard to letter case; or what is wrong.
std::optional<chalkline::LessonActivity> named_activity(const QString& name, QString& fault) {
    for (chalkline::LessonActivity& activity : lesson_activities()) {
        if (QString::compare(QString::fromStdString(activity.name), name, Qt::CaseInsensitive) ==
            0) {
            return std::move(activity);
        }
    }
    fault = CommandLine::tr("there is no activity '%1'; the activities are %2")
                .arg(name, activity_names());
    return std::nullopt;
}

// --kind for the activity, from 0; or what is wrong ("--kind takes a number from 1 to 3").
std::optional<int> read_kind(const QCommandLineParser& parser,
                             const chalkline::LessonActivity& activity, QString& fault) {
    const QString kind = parser.value("kind");
    const auto accepted =
        chalkline::accepted(chalkline::kind_setting(activity), kind.toStdString());
    if (!accepted) {
        fault = "--" + setting_fault(chalkline::kind_setting(activity), kind);
        return std::nullopt;
    }
    return std::stoi(*accepted) - 1;
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

// --worksheet and its options, into the request; or what is wrong.
QString read_worksheet(const QCommandLineParser& parser, StartRequest& request) {
    QString fault;
    const auto activity = named_activity(parser.value("worksheet"), fault);
    if (!activity) {
        return fault;
    }
    StartRequest::WorksheetOutput out;
    out.sheet.screen = QString::fromStdString(activity->name);
    if (parser.isSet("kind")) {
        const auto kind = read_kind(parser, *activity, fault);
        if (!kind) {
            return fault;
        }
        out.sheet.kind = *kind;
    }
    if (parser.isSet("count")) {
        const auto count = whole_number(parser.value("count"), 1, kMostWorksheetProblems);
        if (!count) {
            return CommandLine::tr("--count needs a number of problems from 1 to %1, not '%2'")
                .arg(kMostWorksheetProblems)
                .arg(parser.value("count"));
        }
        out.sheet.count = int(*count);
    }
    if (parser.isSet("seed")) {
        const auto seed = whole_number(parser.value("seed"), 0, 4294967295LL);
        if (!seed) {
            return CommandLine::tr("--seed needs a whole number from 0 to 4294967295, not '%1'")
                .arg(parser.value("seed"));
        }
        out.sheet.seed = std::uint32_t(*seed);
    } else {
        out.sheet.seed = clock_seed();
    }
    out.sheet.answers = !parser.isSet("no-answers");
    if (parser.isSet("format")) {
        const QString format = parser.value("format");
        if (format != "pdf" && format != "text") {
            return CommandLine::tr("--format is pdf or text, not '%1'").arg(format);
        }
        out.as_text = format == "text";
    }
    if (!parser.isSet("o")) {
        return CommandLine::tr("--worksheet needs -o FILE, the file to write");
    }
    out.path = parser.value("o");
    request.worksheet = out;
    return {};
}

} // namespace

StartRequest read_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& option : kOptions) {
        QStringList names;
        for (const char* name : option.names) {
            if (name) {
                names << name;
            }
        }
        parser.addOption(QCommandLineOption(names, "", option.value ? option.value : ""));
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
    if (parser.isSet("list-activities")) {
        return ending(0, activity_list_text());
    }
    StartRequest request;
    if (parser.isSet("full-screen") && parser.isSet("window")) {
        return refusal(CommandLine::tr("--full-screen and --window do not go together"));
    }
    request.full_screen = parser.isSet("full-screen");
    request.window = parser.isSet("window");
    if (parser.isSet("screen")) {
        bool number = false;
        const int index = parser.value("screen").toInt(&number);
        if (!number || index < 0) {
            return refusal(CommandLine::tr("--screen needs a screen number, 0 or more, not '%1'")
                               .arg(parser.value("screen")));
        }
        request.screen = index;
    }
    request.reset_settings = parser.isSet("reset-settings");
    request.lesson = parser.value("lesson");
    if (parser.isSet("launch") && parser.isSet("lesson")) {
        return refusal(CommandLine::tr("--launch and --lesson do not go together"));
    }
    if (parser.isSet("worksheet")) {
        for (const char* other : {"open", "launch", "lesson"}) {
            if (parser.isSet(other)) {
                return wrong_value(CommandLine::tr("--%1 and --worksheet do not go together")
                                       .arg(QString::fromLatin1(other)));
            }
        }
        if (const QString fault = read_worksheet(parser, request); !fault.isEmpty()) {
            return wrong_value(fault);
        }
        return request;
    }
    for (const char* name : kWorksheetOptions) {
        if (parser.isSet(name)) {
            return wrong_value(
                CommandLine::tr("%1 is an option of --worksheet").arg(as_typed(name, arguments)));
        }
    }
    if (parser.isSet("kind") && !parser.isSet("launch")) {
        return refusal(CommandLine::tr("--kind goes with --launch or --worksheet"));
    }
    if (parser.isSet("open")) {
        if (parser.isSet("launch") || parser.isSet("lesson")) {
            return refusal(CommandLine::tr("--open goes alone, without --launch or --lesson"));
        }
        const CodeReading reading = read_problem_code(parser.value("open"));
        if (!reading.address) {
            return wrong_value("--open: " + reading.fault);
        }
        request.open = reading.address;
    }
    if (parser.isSet("launch")) {
        QString fault;
        const auto activity = named_activity(parser.value("launch"), fault);
        if (!activity) {
            return refusal(fault);
        }
        request.launch = QString::fromStdString(activity->name);
        if (parser.isSet("kind")) {
            const auto kind = read_kind(parser, *activity, fault);
            if (!kind) {
                return refusal(fault);
            }
            request.kind = *kind;
        }
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
