// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace shell {

class ActivityForm;
class Form;

// A setting's key or value, or a name of the lesson reader's, as a string of the screens.
QString text_of(std::string_view view);

// The program's activities as lessons and the settings files know them, from the table
// of activities (activity_table.h), in its order.
std::vector<chalkline::LessonActivity> lesson_activities();
// Their names, as a lesson and --launch take them: "matchthetarget, Magicsquares, ...".
QString activity_names();

// The values a setting takes, for a list: "1 to 5", "no or yes".
QString setting_values(const chalkline::ActivitySetting& setting);
// What a setting takes, for a value it does not: "pace takes a number from 1 to 5, not '9'".
QString setting_fault(const chalkline::ActivitySetting& setting, const QString& value);

// A lesson read from its file: its steps, or the one line that says what is wrong and
// where ("chalkline: starter.txt, line 2: there is no activity 'numberwal'; ...").
struct LessonFile {
    std::vector<chalkline::LessonStep> steps;
    QString error;
};
LessonFile read_lesson_file(const QString& path);

// Runs a lesson: each step opens its activity with the step's settings, and Next moves on
// to the step's next problem, then to the next step; after the last the lesson ends on
// the first menu. Exit (Esc) leaves the lesson for the first menu. The status panel shows
// "Step 2 of 3", and the screen reader names the step with the screen. The screen in use
// (a menu, or none at start) is left for the first step's.
void start_lesson(std::vector<chalkline::LessonStep> steps);
bool lesson_running();

// The first menu's "Open a lesson": asks for a file (in the documents folder the first
// time) and runs it; a lesson that cannot be read is said in a message, and the menu
// stays as it was.
void open_lesson(Form& menu);

// Ctrl+L on an activity: adds the activity with its kind and own settings as a step at the
// end of a lesson file the teacher chooses (a new file begins with a comment line). The
// file is written whole or not at all; the screen says what was done.
void save_as_lesson(ActivityForm& form);

// How the lesson commands ask the teacher for a file and tell what happened: a file
// dialog (`proposed` is a folder, or a file name to save as) and a message box, unless
// replaced (tests answer for the teacher). An empty file name is a cancelled dialog.
struct LessonDialogs {
    std::function<QString(QWidget* parent, const QString& title, const QString& proposed,
                          bool save)>
        choose_file;
    std::function<void(QWidget* parent, const QString& title, const QString& message, bool fault)>
        tell;
};
void set_lesson_dialogs(LessonDialogs dialogs);

} // namespace shell
