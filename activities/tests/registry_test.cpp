// SPDX-License-Identifier: GPL-3.0-or-later
// Every activity of the table, opened by a real click on its menu title: its caption is
// the title, it reads its problem and, once Solution has fully shown, its answer; every
// kind and every Go make a new problem, never the one before; Exit goes back to the
// menu and unloads the screen. And the records against one another and the README. Every problem
// is a function of its activity, kind and seed.

#include "activities.h"
#include "activity_form.h"
#include "activity_table.h"
#include "menu_forms.h"
#include "problem_code.h"
#include "screen_harness.h"
#include "screens.h"
#include "sentences.h"
#include "timer.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <string_view>
#include <vector>

using namespace shell;

using shell::testing::click;

namespace {

bool answered(const ActivityForm& form) {
    return shell::testing::without_code(form.sentence()).contains(" Answer: ");
}

// Runs the screen's timers, as time would, until the answer is read out (bounded: a
// screen whose reveal never ends fails).
void run_reveal(ActivityForm& form) {
    for (int round = 0; round < 2000 && !answered(form); ++round) {
        for (Timer* timer : form.timers()) {
            timer->fire();
        }
    }
}

} // namespace

class RegistryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        register_menu_forms();
        chalkline::register_activities();
    }

    void cleanup() {
        for (Form* form : loaded_forms()) {
            unload_form(form->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void every_activity_runs_from_its_menu_data() { every_activity(); }
    void every_activity_runs_from_its_menu() {
        QFETCH(int, row);
        const ActivityInfo& entry = *chalkline::activities()[std::size_t(row)];
        const QString menu = QString("menu%1").arg(entry.menu);
        Form* listing = show_form(menu);
        auto* title = listing->get<Label>("Label3", entry.place);
        QVERIFY(title && title->enabled());
        const QString caption = title->caption();
        click(title);

        auto* form = loaded<ActivityForm>(entry.screen);
        QVERIFY(form && form->isVisible());
        QCOMPARE(loaded_form(menu), nullptr);
        QCOMPARE(form->caption(), caption);
        QCOMPARE(form->menu(), menu);
        QCOMPARE(form->kind_count(), entry.kind_count());
        QVERIFY2(shell::testing::without_code(form->sentence()).startsWith("Problem: "),
                 qPrintable(form->sentence()));
        QVERIFY(!answered(*form));

        for (OptionButton* kind : form->findChildren<OptionButton*>()) {
            if (!kind->isVisible()) {
                continue;
            }
            click(kind);
            QVERIFY2(shell::testing::without_code(form->sentence()).startsWith("Problem: "),
                     qPrintable(shell::testing::without_code(form->sentence())));
        }

        // Each Go hides the answer; each Solution ends by reading it; no problem is the
        // one before it.
        QString previous;
        for (int go = 0; go < 10; ++go) {
            click(form->cmdgo);
            QVERIFY2(shell::testing::without_code(form->sentence()).startsWith("Problem: "),
                     qPrintable(shell::testing::without_code(form->sentence())));
            QVERIFY(!answered(*form));
            click(form->cmdsoln);
            run_reveal(*form);
            QVERIFY2(answered(*form), qPrintable(shell::testing::without_code(form->sentence())));
            QVERIFY2(shell::testing::without_code(form->sentence()) != previous,
                     qPrintable(previous));
            previous = shell::testing::without_code(form->sentence());
        }

        click(form->cmdexit);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(loaded_form(entry.screen), nullptr);
        QVERIFY(loaded_form(menu) && loaded_form(menu)->isVisible());
    }

    // Every record has a place of its own and a code prefix of its own, of three
    // characters that codes use, and the README's table lists the records menu by menu
    // under their titles.
    void the_records_are_distinct_and_the_readme_lists_them() {
        QSet<QString> places;
        QSet<QString> prefixes;
        QStringList records;
        for (const ActivityInfo* record : chalkline::activities()) {
            places.insert(QString("%1.%2").arg(record->menu).arg(record->place));
            const std::string_view prefix = record->code_prefix;
            QVERIFY2(prefix.size() == 3 && prefix.find_first_not_of(chalkline::kCodeAlphabet) ==
                                               std::string_view::npos,
                     record->code_prefix);
            QCOMPARE(activity_with_prefix(prefix), activity_named(record->screen));
            prefixes.insert(record->code_prefix);
            records << QString("%1 %2").arg(record->menu).arg(record->title);
        }
        QCOMPARE(places.size(), records.size());
        QCOMPARE(prefixes.size(), records.size());

        QFile readme(CHALKLINE_README);
        QVERIFY(readme.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString table = QString::fromUtf8(readme.readAll())
                                  .section("\n## The activities\n", 1)
                                  .section("\n## ", 0, 0);
        static const QRegularExpression row(R"(^\| (\d) \| ([^|]+) \|)",
                                            QRegularExpression::MultilineOption);
        QStringList listed;
        for (auto rows = row.globalMatch(table); rows.hasNext();) {
            const QRegularExpressionMatch match = rows.next();
            listed << match.captured(1) + ' ' + match.captured(2).trimmed();
        }
        QCOMPARE(listed, records);
    }

    // The same kind and seed make the same problem on two fresh screens, whatever each
    // showed before (the second takes them in the other order), with its answer hidden;
    // and Next never shows a problem that shares what the screen's rule forbids (by
    // default its sentence) with the one before.
    void every_problem_comes_back_from_its_kind_and_seed_data() { every_activity(); }
    void every_problem_comes_back_from_its_kind_and_seed() {
        QFETCH(int, row);
        const QString screen = chalkline::activities()[std::size_t(row)]->screen;
        const std::vector<std::uint32_t> seeds = {0, 1, 2, 12345, chalkline::kSeedCount - 1};
        std::vector<std::pair<int, std::uint32_t>> problems;
        show_form(screen);
        auto* form = loaded<ActivityForm>(screen);
        for (int kind = 0; kind < std::max(1, form->kind_count()); ++kind) {
            for (std::uint32_t seed : seeds) {
                problems.emplace_back(kind, seed);
            }
        }
        QStringList first;
        for (const auto& [kind, seed] : problems) {
            form->show_problem(kind, seed);
            QCOMPARE(form->kind(), kind);
            QCOMPARE(form->seed(), seed);
            QVERIFY2(form->sentence().startsWith("Problem: ") && !answered(*form),
                     qPrintable(form->sentence()));
            first << form->sentence();
        }
        unload_form(screen);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        show_form(screen);
        form = loaded<ActivityForm>(screen);
        for (std::size_t i = problems.size(); i-- > 0;) {
            form->show_problem(problems[i].first, problems[i].second);
            QCOMPARE(form->sentence(), first[qsizetype(i)]);
        }

        form->set_seed_source(std::make_unique<chalkline::SeededRandom>(std::uint32_t(row)));
        for (int press = 0; press < 300; ++press) {
            const QStringList before = form->repeat_keys();
            form->cmdgo_Click();
            for (const QString& key : form->repeat_keys()) {
                QVERIFY2(key.isEmpty() || !before.contains(key), qPrintable(key));
            }
        }
    }

private:
    static void every_activity() {
        QTest::addColumn<int>("row");
        const auto rows = chalkline::activities();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QTest::newRow(qPrintable(rows[i]->screen)) << int(i);
        }
    }
};

QTEST_MAIN(RegistryTest)
#include "registry_test.moc"
