// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"

#include <QString>
#include <QStringList>

#include <span>

namespace shell {

// The settings kept between starts, in two files of the same keys: the school's
// defaults, Chalkline/chalkline.conf in the folders of XDG_CONFIG_DIRS (/etc/xdg unless
// set), read first; then the teacher's own, in XDG_CONFIG_HOME (~/.config unless set),
// over them. A key that the school's file locks keeps the school's value: `locked=true`
// in a group locks every key the school's file gives in that group, `locked=` a list of
// keys locks those.
//
//   [General]     fullScreen=true|false  screen=N  language=CODE  launch=ACTIVITY
//                 webAddress=URL
//   [<activity>]  kind=N (from 1) and the activity's own settings ("pace=3")
//
// A file that cannot be read, a group or key the program does not know and a value it
// does not take are each passed over on their own, with one line on standard error;
// nothing in a settings file stops the program or ends its start.
//
// Nothing is read or written until load_settings(): screen tests and show_screen leave
// the teacher's files alone.
void load_settings(std::span<const chalkline::LessonActivity> activities, bool with_user_file);
bool settings_loaded();
// What load_settings passed over, one line each, worded in the language in use.
QStringList settings_problems();

// The teacher's file, and the school's first one.
QString user_settings_file();
QString school_settings_file();
// Forgets the teacher's file (--reset-settings). Empty when done, else the line that says
// why not.
QString forget_user_settings();

// The value in effect, as its setting writes it ("true", "3", "fastmental"); empty when
// neither file gives one. The group is "General" or an activity's name.
QString setting(const QString& group, const QString& key);
// Whether the school's file locks the key.
bool setting_locked(const QString& group, const QString& key);
// Keeps the value in the teacher's file for the next start, unless the key is locked. A
// value that is what the program would have anyway (the school's, else `design`) is
// taken out of the file instead, so that a later change of the school's default reaches
// the teacher. Writes nothing before load_settings().
void remember_setting(const QString& group, const QString& key, const QString& value,
                      const QString& design);

} // namespace shell
