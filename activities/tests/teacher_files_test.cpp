// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's files. The settings kept between starts, read back as the program reads
// them at its next start: the school's file under the teacher's, its locks, values that
// are ignored one by one, and a teacher's file that cannot be read, which is never written
// over. Lessons saved from the activities with Ctrl+L and run from the first menu, and
// one that cannot be read, which leaves the menu as it was. A lesson's "open CODE" steps
// show the problems of their codes, and a mistyped code is refused as Go to problem
// refuses it.

#include "activities.h"
#include "activity_form.h"
#include "fastmental_screen.h"
#include "keys.h"
#include "lessons.h"
#include "menu_forms.h"
#include "problem_code.h"
#include "problem_codes.h"
#include "settings.h"

#include <QtTest>

using namespace shell;

namespace {

void write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A start of the program: the files read afresh, Mental Arithmetic opened.
chalkline::fastmental::FastMentalForm* start() {
    load_settings(lesson_activities(), true);
    return static_cast<chalkline::fastmental::FastMentalForm*>(show_form("fastmental"));
}

void leave() {
    unload_form("fastmental");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TeacherFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString user_;
    QString school_;

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", (folder_.path() + "/home").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (folder_.path() + "/site:" + folder_.path() + "/xdg").toUtf8());
        user_ = folder_.path() + "/home/Chalkline/chalkline.conf";
        school_ = folder_.path() + "/xdg/Chalkline/chalkline.conf";
        QCOMPARE(user_settings_file(), user_);
        register_menu_forms();
        chalkline::register_activities();
    }

    void kept_settings_come_back_over_the_schools_unless_locked() {
        write(school_, "[General]\nfullScreen=true\nlanguage=de\nlocked=fullScreen\n"
                       "[fastmental]\npace=2\nreverse=yes\nlocked=reverse\n");
        write(user_, "[General]\nfullScreen=false\nscreen=1\nbogus=1\n"
                     "[fastmental]\nkind=9\npace=4\n[nothere]\nkind=1\n");
        auto* form = start();
        QCOMPARE(setting("General", "fullScreen"), QString("true")); // locked
        QCOMPARE(setting("General", "language"), QString("de"));
        QCOMPARE(setting("General", "screen"), QString("1"));
        // One line each for the unknown key, the kind out of range and the unknown group.
        const QStringList problems = settings_problems();
        QCOMPARE(problems.size(), 3);
        QVERIFY2(problems.join('\n').contains("kind takes a whole number from 1 to 3, not '9'"),
                 qPrintable(problems.join('\n')));
        QCOMPARE(form->kind(), 0);
        QCOMPARE(form->own_setting("pace"), QString("4"));
        QCOMPARE(form->own_setting("reverse"), QString("yes"));

        // The teacher chooses Decimals, a pace of 3 and Forward, then leaves.
        form->set_kind(2);
        form->apply_own_setting("pace", "3");
        form->apply_own_setting("reverse", "no");
        leave();

        // Next start: the kind and the pace are back; the lock keeps Reverse.
        form = start();
        QCOMPARE(form->kind(), 2);
        QCOMPARE(form->own_setting("pace"), QString("3"));
        QCOMPARE(form->own_setting("reverse"), QString("yes"));
        // The school's pace chosen again is taken out of the teacher's file, so that a
        // later change of the school's default reaches the teacher.
        form->apply_own_setting("pace", "2");
        leave();
        const QByteArray kept = read(user_);
        QVERIFY2(kept.contains("kind=3") && !kept.contains("pace") && !kept.contains("reverse"),
                 kept.constData());
        load_settings(lesson_activities(), true);
        QCOMPARE(setting("fastmental", "pace"), QString("2"));
    }

    // A teacher's file that is not a settings file is passed over in one line and kept as
    // it is; the school's defaults still apply, and nothing stops the start.
    void an_unreadable_file_is_ignored_and_kept() {
        const QByteArray binary("\x7F"
                                "ELF\x02\x01\0\0[General]\nfullScreen=true\n",
                                24);
        write(user_, binary);
        write(school_, "[fastmental]\npace=2\n");
        auto* form = start();
        QCOMPARE(settings_problems().size(), 1);
        QVERIFY(settings_problems()[0].contains("it is not a text file"));
        QCOMPARE(setting("General", "fullScreen"), QString());
        QCOMPARE(form->own_setting("pace"), QString("2"));
        form->set_kind(1);
        leave();
        QCOMPARE(read(user_), binary);
        QVERIFY(forget_user_settings().isEmpty());
        QVERIFY(!QFileInfo::exists(user_));
    }

    // Two activities saved as a lesson, then run from the first menu: each step opens
    // with what was saved, Next goes on, and after the last step the first menu is back.
    void a_saved_lesson_runs_from_the_first_menu() {
        const QString lesson = folder_.path() + "/lesson.txt";
        QStringList told;
        set_lesson_dialogs({[&](QWidget*, const QString&, const QString&, bool) { return lesson; },
                            [&](QWidget*, const QString&, const QString& message, bool fault) {
                                told << (fault ? "fault: " : "") + message;
                            }});
        auto* mental = start();
        mental->set_kind(1);
        mental->apply_own_setting("reverse", "yes");
        QTest::keyClick(mental, Qt::Key_L, Qt::ControlModifier);
        leave();
        auto* wall = show_form("numberwall");
        QTest::keyClick(wall, Qt::Key_L, Qt::ControlModifier);
        unload_form("numberwall");
        QCOMPARE(told.size(), 2);
        QVERIFY2(told[1].endsWith("as step 2."), qPrintable(told[1]));
        const QByteArray saved = read(lesson);
        QVERIFY2(saved.endsWith("\nfastmental kind=2 pace=2 reverse=yes\nnumberwall kind=1\n"),
                 saved.constData());

        Form* menu = show_form("intro0");
        QTest::keyClick(menu, Qt::Key_O, Qt::ControlModifier);
        auto* step = loaded<ActivityForm>("fastmental");
        QVERIFY(step && step->isVisible() && lesson_running());
        QCOMPARE(step->accessibleName(), QString("Mental Arithmetic, step 1 of 2"));
        QCOMPARE(step->kind(), 1);
        QCOMPARE(step->own_setting("reverse"), QString("yes"));
        QTest::keyClick(step, Qt::Key_PageDown);
        QVERIFY(loaded<ActivityForm>("numberwall")->isVisible());
        QTest::keyClick(current_form(), Qt::Key_PageDown);
        QCOMPARE(current_form()->name(), QString("intro0"));
        QVERIFY(!lesson_running());

        // A lesson that cannot be read is said, and the menu stays as it was.
        write(lesson, "numberwall kind=7\n");
        told.clear();
        QTest::keyClick(current_form(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(current_form()->name(), QString("intro0"));
        QCOMPARE(told, QStringList{"fault: " + lesson +
                                   ", line 1: kind takes a whole number from 1 to 3, not '7'"});
    }

    void a_lessons_codes_open_their_problems() {
        const QString lesson = folder_.path() + "/codes.txt";
        const QString first = problem_code({"twentyfour", 2, 1234});
        const QString second = problem_code({"twentyfour", 0, 29000});
        write(lesson, ("open " + first + "\nopen " + second.toLower() + "\n").toUtf8());
        LessonFile file = read_lesson_file(lesson);
        QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
        start_lesson(std::move(file.steps));
        auto* form = loaded<ActivityForm>("twentyfour");
        QVERIFY(form && form->isVisible());
        QCOMPARE(problem_code(*form), first);
        QTest::keyClick(form, Qt::Key_PageDown);
        QCOMPARE(current_form(), form);
        QCOMPARE(problem_code(*form), second);
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(!lesson_running());

        QString typo = first;
        typo[7] = typo[7] == 'Z' ? 'Y' : 'Z';
        write(lesson, ("open " + typo + "\n").toUtf8());
        QCOMPARE(read_lesson_file(lesson).error,
                 "chalkline: " + lesson + ", line 1: " + read_problem_code(typo).fault);
    }
};

QTEST_MAIN(TeacherFilesTest)
#include "teacher_files_test.moc"
