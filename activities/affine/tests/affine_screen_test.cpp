// SPDX-License-Identifier: GPL-3.0-or-later
// The Affine Ciphers screen driven by clicks, the reveal's ticks fired by the test.

#include "affine_screen.h"
#include "speech.h"
#include "sentences.h"

#include "revealing_checks.h"

#include <QtTest>

using namespace shell;
using namespace shell::testing;
using chalkline::affine::AffineForm;
using shell::speech::spelled;
using shell::speech::words;

class AffineScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<AffineForm>("affine", "menu5"); }
    void cleanup() { unload_every_form(); }

    void goes_reveals_changes_kind_and_exits() {
        auto* form = open_activity<AffineForm>("affine");
        QCOMPARE(form->caption(), QString("Affine Ciphers"));
        QCOMPARE(form->TableLetter[25]->caption(), QString("Z"));
        QCOMPARE(form->TableNumber[25]->caption(), QString("25"));
        check_revealing_screen(form);
    }

    // Decode shows the inverse of a first, then the word one letter a tick; the sentence
    // names the word given, the key and, at the end, the word it becomes.
    void decode_shows_the_inverse_then_each_letter() {
        auto* form = open_activity<AffineForm>("affine");
        click(form->get<OptionButton>("Option3"));
        const QString given = QString::fromStdString(form->problem().given());
        const QString answer = QString::fromStdString(form->problem().answer());
        // The word spelled, the key in words with x the letter: "y equals 5 x plus 19".
        const QString key = words(form->KeyText->caption());
        QVERIFY2(QRegularExpression("^y equals (\\d+ )?x plus \\d+ open bracket mod 26 close "
                                    "bracket$")
                     .match(key)
                     .hasMatch(),
                 qPrintable(key));
        QCOMPARE(shell::testing::without_code(form->sentence()), "Problem: decode " + spelled(given) + " with " + key + ".");
        QVERIFY(form->Given[0]->visible() && !form->Result[0]->visible());
        click(form->cmdsoln);
        QVERIFY(form->InverseWorking->visible() && form->DecodingKey->visible());
        QVERIFY(form->DecodingKey->caption().startsWith("x = "));
        QString shown;
        for (int i = 0; i < given.size(); ++i) {
            QVERIFY(!form->Result[i]->visible());
            QVERIFY(form->Timer1->fire());
            QVERIFY(form->Result[i]->visible() && form->SecondNumber[i]->visible());
            shown += form->Result[i]->caption();
        }
        QCOMPARE(shown, answer);
        QCOMPARE(shell::testing::without_code(form->sentence()), "Problem: decode " + spelled(given) + " with " + key +
                                       ". Answer: " + spelled(given) + " becomes " +
                                       spelled(answer) + ".");
    }
};

QTEST_MAIN(AffineScreenTest)
#include "affine_screen_test.moc"
