// SPDX-License-Identifier: GPL-3.0-or-later
// The Pythagorean Triples screen driven by clicks and keys: Go, the kinds, the table
// filled a row at a time, and Exit.

#include "pythagorean_screen.h"
#include "sentences.h"

#include "revealing_checks.h"

#include <QtTest>

#include <clocale>

using namespace shell;
using namespace shell::testing;
using Screen = chalkline::pythagorean::PythagoreanForm;

namespace {

// The "?"s left in the table.
int questions(Screen* form) {
    int count = 0;
    for (const auto& row : form->cell) {
        for (auto* box : row) {
            count += box->visible() && box->caption() == "?";
        }
    }
    return count;
}

} // namespace

class PythagoreanScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_activity<Screen>("pythagorean", "menu3");
    }

    void cleanup() { unload_every_form(); }

    // Solution fills a row a tick, the answer sentence with the last; Go brings the
    // "?"s back; Euclid's Formula shows m and n and hides whole triples.
    void solution_go_and_kinds() {
        Screen* form = open_activity<Screen>("pythagorean");
        QCOMPARE(form->caption(), QString("Pythagorean Triples"));
        QVERIFY(form->get<OptionButton>("Option1")->value());
        QVERIFY(!form->cell[0][0]->visible());
        const int hidden = questions(form);
        QVERIFY(hidden >= 5 && hidden <= 10);
        QVERIFY(shell::testing::without_code(form->sentence()).startsWith("Problem: "));
        QCOMPARE(shell::testing::without_code(form->sentence()).count("blank"), hidden);

        click(form->cmdsoln);
        QTest::keyClick(form, Qt::Key_PageUp); // Solution again: the reveal runs on
        int fired = 0;
        while (form->Timer1->fire()) {
            ++fired;
        }
        QCOMPARE(fired, 4);
        QCOMPARE(questions(form), 0);
        QStringList rows;
        for (const auto& row : form->cell) {
            rows << QString("row %1 has %2, %3, %4")
                        .arg(rows.size() + 1)
                        .arg(row[2]->caption(), row[3]->caption(), row[4]->caption());
        }
        QVERIFY(shell::testing::without_code(form->sentence()).endsWith(" Answer: " + rows.join(". ") + '.'));

        const auto before = form->problem();
        QTest::keyClick(form, Qt::Key_N);
        QVERIFY(!(form->problem() == before));
        QVERIFY(questions(form) >= 5);
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));

        click(form->get<OptionButton>("Option3"));
        QVERIFY(form->cell[0][0]->visible());
        QCOMPARE(questions(form), 15);
        QCOMPARE(form->header[2]->caption(), QString("m² - n²"));
        QVERIFY(shell::testing::without_code(form->sentence()).startsWith(
            "Problem: row 1 has m equals " + form->cell[0][0]->caption() + ", n equals " +
            form->cell[0][1]->caption() + ", blank, blank, blank. row 2 has m equals "));
        click(form->cmdsoln);
        click(form->cmdgo); // Go during the reveal stops it
        QVERIFY(!form->Timer1->enabled());
        QCOMPARE(questions(form), 15);
    }

    void exit_returns_to_the_menu() {
        Screen* form = open_activity<Screen>("pythagorean");
        click(form->cmdsoln);
        click(form->cmdexit);
        QVERIFY(back_at_menu("pythagorean", "menu3"));
    }
};

QTEST_MAIN(PythagoreanScreenTest)
#include "pythagorean_screen_test.moc"
