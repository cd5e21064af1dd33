// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons.h"

#include "accessibility.h"
#include "activity_choices.h"
#include "activity_form.h"
#include "activity_table.h"
#include "language.h"
#include "problem_codes.h"
#include "program_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>

namespace shell {

namespace {

// The context of the lessons' texts in the translations.
struct Lessons {
    Q_DECLARE_TR_FUNCTIONS(Lessons)
};

// "a, b or c"
QString one_of(const QStringList& words) {
    if (words.size() < 2) {
        return words.value(0);
    }
    return Lessons::tr("%1 or %2").arg(words.mid(0, words.size() - 1).join(", "), words.last());
}

// The settings a step of the activity takes, for a message: "kind, count, pace, reverse".
QString settings_taken(const chalkline::LessonActivity& activity) {
    QStringList keys = {"kind", "count"};
    for (const chalkline::ActivitySetting& setting : activity.settings) {
        keys << text_of(setting.key);
    }
    return keys.join(", ");
}

// What is wrong with a lesson, without where.
QString fault_text(const chalkline::LessonError& error) {
    const QString part = QString::fromStdString(error.part);
    const QString activity = QString::fromStdString(error.activity);
    switch (error.fault) {
    case chalkline::LessonFault::NotText:
        return Lessons::tr("this is not a lesson: a lesson is a plain text file in UTF-8");
    case chalkline::LessonFault::TooLarge:
        return Lessons::tr("this is not a lesson: it is larger than 1 MiB");
    case chalkline::LessonFault::Empty:
        return Lessons::tr("the lesson has no step; a step is a line such as 'numberwall "
                           "kind=2'");
    case chalkline::LessonFault::UnknownActivity:
        return Lessons::tr("there is no activity '%1'; the activities are %2")
            .arg(part, activity_names());
    case chalkline::LessonFault::UnknownSetting:
        for (const chalkline::LessonActivity& a : lesson_activities()) {
            if (QString::fromStdString(a.name) == activity) {
                return Lessons::tr("%1 has no setting '%2'; it takes %3")
                    .arg(activity, part, settings_taken(a));
            }
        }
        return {};
    case chalkline::LessonFault::NotASetting:
        return Lessons::tr("'%1' is not a setting: a setting is written key=value, as kind=2")
            .arg(part);
    case chalkline::LessonFault::BadValue:
        return setting_fault(error.setting, part);
    case chalkline::LessonFault::Repeated:
        return Lessons::tr("%1 is given twice").arg(part);
    case chalkline::LessonFault::NotWithCode:
        return Lessons::tr("%1= does not go with open: the code gives the kind, and one problem")
            .arg(part);
    case chalkline::LessonFault::BadCode:
        return code_fault(error.code);
    }
    return {};
}

// ---- The lesson running ----

struct Running {
    std::vector<chalkline::LessonStep> steps;
    std::size_t step = 0;
    int shown = 0; // problems of the step shown so far
    QPointer<ActivityForm> form;
};

std::optional<Running>& running() {
    static std::optional<Running> lesson;
    return lesson;
}

constexpr const char* kInLesson = "chalkline_in_lesson";

QString step_text(std::size_t step, std::size_t steps) {
    return Lessons::tr("Step %1 of %2").arg(step + 1).arg(steps);
}

void end_lesson() {
    std::optional<Running>& lesson = running();
    ActivityForm* form = lesson ? lesson->form.data() : nullptr;
    lesson.reset();
    if (form) {
        const QString name = form->name();
        show_form("intro0");
        unload_form(name);
    }
}

// Where the step stands, on the screen and for the reader: small, in the upper half of the
// strip under the status panel (the one place free on every screen), and in the screen's
// name ("Number Wall, step 3 of 3").
void show_step(ActivityForm& form, const Running& lesson, bool announce) {
    const QString step = step_text(lesson.step, lesson.steps.size());
    Label* label = form.get<Label>("LabelStep");
    if (!label) {
        label = form.add_label(&form, {.name = "LabelStep",
                                       .left = 10200,
                                       .top = 8505,
                                       .width = 1730,
                                       .height = 240,
                                       .caption = step,
                                       .font = {"Tahoma", 9, true}});
    }
    label->set_caption(step);
    form.setAccessibleName(Lessons::tr("%1, step %2 of %3")
                               .arg(form.caption())
                               .arg(lesson.step + 1)
                               .arg(lesson.steps.size()));
    if (form.is_shown()) {
        form.window()->setWindowIconText(form.accessibleName());
    }
    if (announce) {
        auto* announcer = form.findChild<Announcer*>("lessonannouncer");
        if (!announcer) {
            announcer = new Announcer(&form);
            announcer->setObjectName("lessonannouncer");
        }
        announcer->announce(step);
    }
}

bool next_in_lesson(ActivityForm& form);
bool leave_lesson(ActivityForm& form);

// Next and Exit of a step's screen go through the lesson first.
void join_lesson(ActivityForm& form) {
    if (form.property(kInLesson).toBool()) {
        return;
    }
    form.setProperty(kInLesson, true);
    QPointer<ActivityForm> guarded(&form);
    form.cmdgo->on_click = [guarded, go = form.cmdgo->on_click](int index) {
        if (guarded && !next_in_lesson(*guarded)) {
            go(index);
        }
    };
    form.cmdexit->on_click = [guarded, exit = form.cmdexit->on_click](int index) {
        if (guarded && !leave_lesson(*guarded)) {
            exit(index);
        }
    };
    // A screen that goes some other way (the program ends) ends the lesson with it.
    QObject::connect(&form, &QObject::destroyed, [] {
        if (running() && !running()->form) {
            running().reset();
        }
    });
}

void open_step(std::size_t index) {
    Running& lesson = *running();
    lesson.step = index;
    lesson.shown = 1;
    const chalkline::LessonStep& step = lesson.steps[index];
    const QString activity = QString::fromStdString(step.activity);
    ActivityChoices choices{step.kind, step.settings};

    Form* from = current_form();
    if (from && from == lesson.form && from->name() == activity) {
        // The same activity again: it takes the step's choices (the design's for those the
        // step leaves out) and makes the step's first problem.
        apply_choices(*lesson.form, with_design(activity, choices));
        show_step(*lesson.form, lesson, true);
        if (step.seed) {
            lesson.form->show_problem(lesson.form->kind(), *step.seed);
        } else {
            lesson.form->cmdgo_Click();
        }
        return;
    }
    open_next_with(activity, std::move(choices), false);
    auto* form = dynamic_cast<ActivityForm*>(touch_form(activity));
    if (!form) {
        running().reset();
        return;
    }
    lesson.form = form;
    join_lesson(*form);
    show_step(*form, lesson, false);
    // An "open CODE" step shows the code's problem, made before the screen is shown so
    // that the reader hears only that one.
    if (step.seed) {
        form->show_problem(form->kind(), *step.seed);
    }
    const QString left = from ? from->name() : QString();
    show_form(activity);
    if (!left.isEmpty()) {
        unload_form(left);
    }
}

bool next_in_lesson(ActivityForm& form) {
    std::optional<Running>& lesson = running();
    if (!lesson || lesson->form != &form) {
        return false;
    }
    if (lesson->shown < lesson->steps[lesson->step].count) {
        ++lesson->shown;
        return false;
    }
    if (lesson->step + 1 < lesson->steps.size()) {
        open_step(lesson->step + 1);
    } else {
        end_lesson();
    }
    return true;
}

bool leave_lesson(ActivityForm& form) {
    if (!running() || running()->form != &form) {
        return false;
    }
    end_lesson();
    return true;
}

// ---- Files ----

QString& last_folder() {
    static QString folder;
    return folder;
}

QString lesson_folder() {
    if (last_folder().isEmpty()) {
        last_folder() = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    return last_folder();
}

LessonDialogs& dialogs() {
    static LessonDialogs current = {
        [](QWidget* parent, const QString& title, const QString& proposed, bool save) {
            const QString filter = Lessons::tr("Lessons (*.txt *.lesson);;All files (*)");
            // Saving adds to a file that is there: nothing is overwritten, so nothing asks.
            return save ? QFileDialog::getSaveFileName(parent, title, proposed, filter, nullptr,
                                                       QFileDialog::DontConfirmOverwrite)
                        : QFileDialog::getOpenFileName(parent, title, proposed, filter);
        },
        [](QWidget* parent, const QString& title, const QString& message, bool fault) {
            if (fault) {
                QMessageBox::warning(parent, title, message);
            } else {
                QMessageBox::information(parent, title, message);
            }
        }};
    return current;
}

void tell(Form& over, const QString& title, const QString& message, bool fault) {
    dialogs().tell(shown_in(&over), title, message, fault);
}

} // namespace

void set_lesson_dialogs(LessonDialogs replacement) {
    dialogs() = std::move(replacement);
}

std::vector<chalkline::LessonActivity> lesson_activities() {
    std::vector<chalkline::LessonActivity> activities;
    for (const ActivityInfo& entry : registered_activities()) {
        activities.push_back({.name = entry.screen.toStdString(),
                              .kinds = std::max(1, entry.kind_count()),
                              .code_prefix = entry.code_prefix,
                              .settings = entry.settings});
    }
    return activities;
}

QString activity_names() {
    QStringList names;
    for (const ActivityInfo& entry : registered_activities()) {
        names << entry.screen;
    }
    return names.join(", ");
}

QString setting_values(const chalkline::ActivitySetting& setting) {
    if (!setting.is_number()) {
        QStringList words;
        for (const std::string_view word : setting.words) {
            if (!word.empty()) {
                words << text_of(word);
            }
        }
        return one_of(words);
    }
    return Lessons::tr("%1 to %2").arg(setting.low).arg(setting.high);
}

QString setting_fault(const chalkline::ActivitySetting& setting, const QString& value) {
    const QString key = text_of(setting.key);
    if (!setting.is_number()) {
        return Lessons::tr("%1 takes %2, not '%3'").arg(key, setting_values(setting), value);
    }
    if (setting.low == setting.high) {
        return Lessons::tr("%1 takes only %2, not '%3'").arg(key).arg(setting.low).arg(value);
    }
    if (setting.decimals > 0) {
        return Lessons::tr("%1 takes a number from %2 to %3, such as 2.5, not '%4'")
            .arg(key)
            .arg(setting.low)
            .arg(setting.high)
            .arg(value);
    }
    return Lessons::tr("%1 takes a whole number from %2 to %3, not '%4'")
        .arg(key)
        .arg(setting.low)
        .arg(setting.high)
        .arg(value);
}

LessonFile read_lesson_file(const QString& path) {
    const auto refused = [&](const QString& why, int line = 0) {
        return LessonFile{
            {},
            line > 0 ? Lessons::tr("chalkline: %1, line %2: %3").arg(path).arg(line).arg(why)
                     : Lessons::tr("chalkline: %1: %2").arg(path, why)};
    };
    const QFileInfo info(path);
    if (!info.exists()) {
        return refused(Lessons::tr("there is no such file"));
    }
    if (info.isDir()) {
        return refused(Lessons::tr("this is a folder, not a lesson"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(Lessons::tr("cannot read it: %1").arg(file.errorString()));
    }
    // One byte more than a lesson may have, so that a larger file is known as such.
    const QByteArray bytes = file.read(qint64(chalkline::kLessonMaxBytes) + 1);
    const std::vector<chalkline::LessonActivity> activities = lesson_activities();
    chalkline::LessonReading reading = chalkline::read_lesson(
        std::string_view(bytes.constData(), std::size_t(bytes.size())), activities);
    if (reading.error) {
        return refused(fault_text(*reading.error), reading.error->line);
    }
    return {std::move(reading.steps), {}};
}

void start_lesson(std::vector<chalkline::LessonStep> steps) {
    if (steps.empty()) {
        return;
    }
    running() = Running{std::move(steps), 0, 0, nullptr};
    open_step(0);
}

bool lesson_running() {
    return running().has_value();
}

void open_lesson(Form& menu) {
    const QString path = dialogs().choose_file(shown_in(&menu), Lessons::tr("Open a lesson"),
                                               lesson_folder(), false);
    if (path.isEmpty()) {
        return;
    }
    last_folder() = QFileInfo(path).absolutePath();
    LessonFile lesson = read_lesson_file(path);
    if (!lesson.error.isEmpty()) {
        // The line as standard error has it, without the program's name.
        tell(menu, Lessons::tr("Open a lesson"), lesson.error.section(": ", 1), true);
        return;
    }
    start_lesson(std::move(lesson.steps));
}

void save_as_lesson(ActivityForm& form) {
    chalkline::LessonStep step;
    step.activity = form.name().toStdString();
    if (form.kind_count() > 0) {
        step.kind = form.kind();
    }
    for (const chalkline::ActivitySetting& setting : own_settings_of(form.name())) {
        step.settings.emplace_back(setting.key,
                                   form.own_setting(text_of(setting.key)).toStdString());
    }
    const QString title = Lessons::tr("Save as a lesson");
    const QString path = dialogs().choose_file(
        shown_in(&form), title, QDir(lesson_folder()).filePath(Lessons::tr("lesson.txt")), true);
    if (path.isEmpty()) {
        return;
    }
    last_folder() = QFileInfo(path).absolutePath();
    QByteArray content;
    if (QFileInfo::exists(path)) {
        QFile existing(path);
        if (!existing.open(QIODevice::ReadOnly)) {
            tell(form, title,
                 Lessons::tr("%1 cannot be read: %2. Nothing was written.")
                     .arg(path, existing.errorString()),
                 true);
            return;
        }
        content = existing.read(qint64(chalkline::kLessonMaxBytes) + 1);
        if (content.size() > qsizetype(chalkline::kLessonMaxBytes) || content.contains('\0') ||
            !QByteArrayView(content).isValidUtf8()) {
            tell(form, title, Lessons::tr("%1 is not a lesson. Nothing was written.").arg(path),
                 true);
            return;
        }
        if (!content.isEmpty() && !content.endsWith('\n')) {
            content += '\n';
        }
    } else {
        content = Lessons::tr("# A Chalkline lesson: one step a line\n").toUtf8();
    }
    content += QByteArray::fromStdString(chalkline::lesson_line(step)) + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        tell(form, title,
             Lessons::tr("%1 cannot be written: %2. Nothing was written.")
                 .arg(path, file.errorString()),
             true);
        return;
    }
    const auto activities = lesson_activities();
    const chalkline::LessonReading reading = chalkline::read_lesson(
        std::string_view(content.constData(), std::size_t(content.size())), activities);
    tell(form, title,
         reading.error ? Lessons::tr("%1 was added to %2.").arg(form.caption(), path)
                       : Lessons::tr("%1 was added to %2 as step %3.")
                             .arg(form.caption(), path)
                             .arg(reading.steps.size()),
         false);
}

} // namespace shell
