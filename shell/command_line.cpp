// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "activity_table.h"
#include "chalkline_version.h"
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
    return CommandLine::tr("Usage: chalkline [OPTION]...\n");
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
     QT_TRANSLATE_NOOP("CommandLine", "with --launch: its kind, from 1 as the screen shows")},
    {{"lesson"},
     "FILE",
     QT_TRANSLATE_NOOP("CommandLine", "run the lesson of FILE, a step at a time")},
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

namespace {

// The captions of an activity's kinds, in the order its screen shows them.
QStringList kind_captions(const ActivityEntry& entry) {
    QStringList captions;
    for (int i = 0; i < entry.kinds; ++i) {
        captions << QString();
    }
    return captions;
}

} // namespace

QString activity_list_text() {
    const std::vector<chalkline::LessonActivity> activities = lesson_activities();
    qsizetype width = 0;
    for (const chalkline::LessonActivity& activity : activities) {
        width = std::max(width, qsizetype(activity.name.size()));
    }
    QString text;
    for (const ActivityEntry& entry : registered_activities()) {
        QStringList parts = {entry.screen.leftJustified(width) + "  " +
                             QCoreApplication::translate("Menus", "Menu %1").arg(entry.menu) +
                             "  " + menu_titles(entry.menu).value(entry.index)};
        QStringList kinds;
        const QStringList captions = kind_captions(entry);
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
           options() + "\n" + activities_text() + "\n" + keys() +
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
    if (parser.isSet("kind") && !parser.isSet("launch")) {
        return refusal(CommandLine::tr("--kind goes with --launch"));
    }
    if (parser.isSet("launch")) {
        const QString name = parser.value("launch");
        const auto activities = lesson_activities();
        const auto found = std::find_if(activities.begin(), activities.end(), [&](const auto& a) {
            return QString::compare(QString::fromStdString(a.name), name, Qt::CaseInsensitive) == 0;
        });
        if (found == activities.end()) {
            return refusal(CommandLine::tr("there is no activity '%1'; the activities are %2")
                               .arg(name, activity_names()));
        }
        request.launch = QString::fromStdString(found->name);
        if (parser.isSet("kind")) {
            const QString kind = parser.value("kind");
            const auto accepted =
                chalkline::accepted(chalkline::kind_setting(*found), kind.toStdString());
            if (!accepted) {
                return refusal("--" + setting_fault(chalkline::kind_setting(*found), kind));
            }
            request.kind = std::stoi(*accepted) - 1;
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
