// SPDX-License-Identifier: GPL-3.0-or-later
// The Right-angled Triangles screen driven by clicks and keys: Go, the kinds, the
// working revealed a line at a time, and Exit.

#include "rightangled_screen.h"
#include "sentences.h"

#include "revealing_checks.h"

#include <QtTest>

#include <clocale>

using namespace shell;
using namespace shell::testing;
using Screen = chalkline::rightangled::RightAngledForm;

namespace {

int shown_lines(Screen* form) {
    int shown = 0;
    for (auto* line : form->working) {
        shown += line->visible();
    }
    return shown;
}

} // namespace

class RightAngledScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_activity<Screen>("rightangled", "menu2");
    }

    void cleanup() { unload_every_form(); }

    // Solution shows the working a line a tick, the "?" turned into the letter first;
    // the answer sentence comes with the last line, and Solution again changes nothing.
    // Go hides it all and draws a new triangle; a kind's click makes one of its kind.
    void solution_go_and_kinds() {
        Screen* form = open_activity<Screen>("rightangled");
        QCOMPARE(form->caption(), QString("Right-angled Triangles"));
        QVERIFY(form->get<OptionButton>("Option1")->value());
        QVERIFY(form->problem().hypotenuse_to_find());
        QVERIFY(
            shell::testing::without_code(form->sentence()).startsWith("Problem: a right-angled triangle with shorter sides "));
        QVERIFY(shell::testing::without_code(form->sentence()).endsWith(". Find the hypotenuse."));
        QCOMPARE(shown_lines(form), 0);

        click(form->cmdsoln);
        QCOMPARE(shown_lines(form), 1);
        QVERIFY(form->working[0]->caption().startsWith("c² = "));
        QStringList labels;
        for (int side = 0; side < 3; ++side) {
            labels << form->figure->side_label(side);
        }
        QVERIFY(labels.contains("c") && !labels.contains("?"));
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));
        QTest::keyClick(form, Qt::Key_S); // Solution again: the reveal runs on
        QCOMPARE(shown_lines(form), 1);
        QVERIFY(form->Timer1->fire());
        QCOMPARE(shown_lines(form), 2);
        QVERIFY(form->Timer1->fire());
        QCOMPARE(shown_lines(form), 3);
        QVERIFY(!form->Timer1->enabled());
        // The answer is the working heard line by line, in words.
        const QString value = form->working[2]->caption().section(" = ", -1);
        QVERIFY2(shell::testing::without_code(form->sentence()).contains(" Answer: c squared equals "),
                 qPrintable(shell::testing::without_code(form->sentence())));
        QVERIFY(shell::testing::without_code(form->sentence()).contains(" equals the square root of "));
        QVERIFY(shell::testing::without_code(form->sentence()).contains(value + (form->places_note->visible() ? " to" : ".")));
        QCOMPARE(form->places_note->visible(), shell::testing::without_code(form->sentence()).endsWith(" to 1 decimal place."));

        const auto before = form->problem();
        QTest::keyClick(form, Qt::Key_PageDown);
        QCOMPARE(shown_lines(form), 0);
        QVERIFY(!form->places_note->visible());
        QVERIFY(!(form->problem() == before));
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer:"));

        // Go in the middle of a reveal stops it.
        click(form->cmdsoln);
        click(form->cmdgo);
        QVERIFY(!form->Timer1->enabled());
        QCOMPARE(shown_lines(form), 0);

        click(form->get<OptionButton>("Option2"));
        QVERIFY(form->get<OptionButton>("Option2")->value());
        QVERIFY(!form->problem().hypotenuse_to_find());
        QVERIFY(shell::testing::without_code(form->sentence()).endsWith(". Find the other shorter side."));
        click(form->cmdsoln);
        QVERIFY(form->working[0]->caption().startsWith("a² = "));
    }

    void exit_returns_to_the_menu() {
        Screen* form = open_activity<Screen>("rightangled");
        click(form->cmdsoln);
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(back_at_menu("rightangled", "menu2"));
    }
};

QTEST_MAIN(RightAngledScreenTest)
#include "rightangled_screen_test.moc"
