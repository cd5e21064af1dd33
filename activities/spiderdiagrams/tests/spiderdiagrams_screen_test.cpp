// SPDX-License-Identifier: GPL-3.0-or-later
// The Spider Diagrams screen driven by clicks and keys, with the reveal timer fired by
// the test.

#include "sentences.h"
#include "spiderdiagrams_screen.h"

#include "activity_table.h"
#include "screens.h"
#include "speech.h"

#include <QAccessible>
#include <QtTest>

using namespace shell;
using namespace chalkline::spiderdiagrams;

class SpiderDiagramsScreenTest : public QObject {
    Q_OBJECT

    static SpiderDiagramsForm* open() {
        auto* form = static_cast<SpiderDiagramsForm*>(show_form("spiderdiagrams"));
        (void)QTest::qWaitForWindowExposed(form);
        return form;
    }

private slots:
    void initTestCase() {
        register_form("spiderdiagrams", make_screen<SpiderDiagramsForm>);
        register_form("menu1", [] { return std::make_unique<Form>("menu1", 12000, 9000); });
    }

    // Go shows a centre and eight operations, read in one sentence; Solution writes the
    // answers clockwise from the top, one per tick, and the answer is read once all eight
    // are shown; Go empties the boxes again.
    void go_and_solution() {
        SpiderDiagramsForm* form = open();
        QCOMPARE(form->caption(), QString("Spider Diagrams"));
        QTest::mouseClick(form->cmdgo, Qt::LeftButton);
        const SpiderProblem& p = form->problem();
        // The operations as a screen reader reads their boxes, in words.
        QStringList read;
        for (int leg = 0; leg < kLegs; ++leg) {
            QVERIFY(form->LabelAnswer[leg]->caption().isEmpty());
            read << QAccessible::queryAccessibleInterface(form->LabelOperation[leg])
                        ->text(QAccessible::Name);
        }
        const QString operations = read.join(", ");
        const QString problem = "Problem: centre " +
                                shell::speech::words(form->LabelCentre->caption()) + ". " +
                                operations + ".";
        QCOMPARE(shell::testing::without_code(form->sentence()), problem);

        QTest::mouseClick(form->cmdsoln, Qt::LeftButton);
        for (int leg = 1; leg < kLegs; ++leg) {
            QVERIFY(!form->LabelAnswer[leg - 1]->caption().isEmpty());
            QVERIFY(form->LabelAnswer[leg]->caption().isEmpty());
            QCOMPARE(shell::testing::without_code(form->sentence()), problem);
            QTest::mouseClick(form->cmdsoln, Qt::LeftButton); // changes nothing
            QVERIFY(form->timer("Timer1")->fire());
        }
        QVERIFY(!form->timer("Timer1")->enabled());
        const QString first =
            read[0] + " = " + QString::fromStdString(value_text(apply(p.legs[0], p.centre)));
        QCOMPARE(form->LabelAnswer[0]->caption(), first.section(" = ", 1));
        QVERIFY2(
            shell::testing::without_code(form->sentence()).startsWith(problem + " Answer: " + shell::speech::words(first) + ". "),
            qPrintable(shell::testing::without_code(form->sentence())));

        QTest::keyClick(form, Qt::Key_N);
        QVERIFY(form->LabelAnswer[0]->caption().isEmpty());
        QVERIFY(!shell::testing::without_code(form->sentence()).contains("Answer"));
    }

    // The widest operations and answers the kinds make keep the boxes' 24 points, in a
    // window and full screen on a full-HD projector.
    void widest_texts_keep_their_size() {
        for (const double twips_per_pixel : {15.0, 15 / 1.8}) {
            set_twips_per_pixel(twips_per_pixel);
            SpiderDiagramsForm* form = open();
            for (const char* text : {"396.01", "-1440", "14400", "÷ 100", "x -15", "- 19.8"}) {
                for (Label* box : {form->LabelAnswer[1], form->LabelOperation[1]}) {
                    box->set_caption(QString::fromUtf8(text));
                    QCOMPARE(box->caption_font().pixelSize(), font_px(24));
                }
            }
            unload_form("spiderdiagrams");
        }
        set_twips_per_pixel(15);
    }

    // The kinds by their options and by K; Exit returns to the menu.
    void kinds_and_exit() {
        SpiderDiagramsForm* form = open();
        QTest::mouseClick(form->get<OptionButton>("Option3"), Qt::LeftButton);
        QCOMPARE(form->kind_as<Kind>(), Kind::Decimals);
        QVERIFY(form->LabelCentre->caption().contains('.'));
        QTest::keyClick(form, Qt::Key_K);
        QCOMPARE(form->kind_as<Kind>(), Kind::PositiveWholeNumbers);
        QTest::mouseClick(form->cmdexit, Qt::LeftButton);
        QVERIFY(loaded_form("menu1")->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!loaded_form("spiderdiagrams"));
    }
};

QTEST_MAIN(SpiderDiagramsScreenTest)
#include "spiderdiagrams_screen_test.moc"
