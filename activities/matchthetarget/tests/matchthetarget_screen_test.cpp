// SPDX-License-Identifier: GPL-3.0-or-later
// The Match the Target screen driven as the teacher drives it: real clicks on the
// controls found by name, and the instruction timer's tick fired by the test.

#include "activity_table.h"
#include "matchthetarget_screen.h"
#include "menu_forms.h"
#include "number_text.h"
#include "screens.h"
#include "twips.h"

#include <QPointer>
#include <QtTest>

#include <clocale>

using namespace shell;
using chalkline::matchthetarget::CaptionFrame;
using chalkline::matchthetarget::MatchTheTargetForm;

namespace {

MatchTheTargetForm* open_screen() {
    auto* form = dynamic_cast<MatchTheTargetForm*>(show_form("matchthetarget"));
    Q_ASSERT(form);
    return form;
}

void click(Form* form, const QString& name) {
    QTest::mouseClick(form->control(name)->widget(), Qt::LeftButton);
}

// Whether the class sees the control: it and every container up to the screen shown.
bool shown(Form* form, const QString& name) {
    return form->control(name)->widget()->isVisibleTo(form);
}

QString text_of(int number) {
    return QString::fromStdString(chalkline::number_text(number));
}

// The controls show exactly the puzzle the screen holds.
void verify_texts_match_puzzle(MatchTheTargetForm* form) {
    const auto& puzzle = form->puzzle();
    QVERIFY(puzzle.has_value());
    const char* names[] = {"Label1", "Label2", "Label3", "Label4", "Label5"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(form->get<Label>(names[i])->caption(), text_of(puzzle->given[std::size_t(i)]));
    }
    QCOMPARE(form->get<Label>("Label11")->caption(), text_of(puzzle->target));
    QCOMPARE(form->get<Label>("Labelans")->caption(), QString::fromStdString(puzzle->answer));
}

// What lies on top at the middle of the given numbers' frame, as the class sees it.
QWidget* topmost_over_given(Form* form) {
    Control* given = form->control("Frame1");
    return form->childAt(given->widget()->geometry().center());
}

bool within(QWidget* widget, QWidget* container) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == container) {
            return true;
        }
    }
    return false;
}

} // namespace

class MatchTheTargetScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_menu_forms();
        if (!has_form("menu1")) {
            register_form("menu1", [] { return std::make_unique<Form>("menu1", 12000, 9000); });
        }
        register_form("matchthetarget", make_screen<chalkline::matchthetarget::MatchTheTargetForm>);
    }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Every control of the design sits in its container at its place, with its font,
    // weight, colour and alignment.
    void controls_stand_where_the_design_puts_them_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRectF>("place");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("fore");
        QTest::addColumn<bool>("centred");
        const struct {
            const char* name;
            const char* container;
            QRectF place;
            double points;
            bool bold;
            QColor fore;
            bool centred;
        } rows[] = {
            {"Frame2", "matchthetarget", {4535, 300, 2865, 1860}, 15.75, false, kWhite, false},
            {"Label11", "Frame2", {225, 435, 2445, 1065}, 48, false, kWhite, true},
            {"Frame1", "matchthetarget", {327, 2610, 11280, 2070}, 15.75, false, kWhite, false},
            {"Label1", "Frame1", {720, 450, 1700, 1200}, 48, false, kYellow, true},
            {"Label2", "Frame1", {2685, 450, 1700, 1200}, 48, false, kWhite, true},
            {"Label3", "Frame1", {4635, 450, 1700, 1200}, 48, false, kYellow, true},
            {"Label4", "Frame1", {6600, 450, 1700, 1200}, 48, false, kWhite, true},
            {"Label5", "Frame1", {8565, 450, 1700, 1200}, 48, false, kYellow, true},
            {"Frame4", "matchthetarget", {327, 2610, 11280, 2070}, 15.75, false, kWhite, false},
            {"Labelans", "Frame4", {75, 615, 11100, 960}, 36, false, kWhite, true},
            {"Label15", "Frame3", {480, 255, 7590, 795}, 21.75, true, kWhite, false},
            {"Label21", "Frame3", {480, 1170, 7680, 480}, 18, true, kYellow, false},
            {"Label23", "Frame3", {480, 1770, 7545, 480}, 18, true, kYellow, false},
        };
        for (const auto& r : rows) {
            QTest::newRow(r.name) << r.name << r.container << r.place << r.points << r.bold
                                  << r.fore << r.centred;
        }
    }
    void controls_stand_where_the_design_puts_them() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRectF, place);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QColor, fore);
        QFETCH(bool, centred);
        MatchTheTargetForm* form = open_screen();
        Control* c = form->control(name);
        QVERIFY(c);
        QWidget* parent = c->widget()->parentWidget();
        QCOMPARE(parent == form->stage() ? form->name() : parent->objectName(), container);
        QCOMPARE(QRectF(c->left(), c->top(), c->width(), c->height()), place);
        FontSpec font;
        QColor colour;
        if (auto* label = dynamic_cast<Label*>(c)) {
            font = label->font_spec();
            colour = label->fore_colour();
            QVERIFY(!label->opaque());
            QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
        } else {
            auto* frame = dynamic_cast<CaptionFrame*>(c);
            QVERIFY(frame);
            font = frame->font_spec();
            colour = frame->fore_colour();
        }
        QCOMPARE(font.face, QString("Tahoma"));
        QCOMPARE(font.size, points);
        QCOMPARE(font.bold, bold);
        QCOMPARE(colour, fore);
    }

    // The fixed texts, the instruction frame, the colours given at load and the frame.
    void screen_opens_in_its_design_state() {
        MatchTheTargetForm* form = open_screen();
        QCOMPARE(form->caption(), QString("Match the Target"));
        QCOMPARE(form->get<Frame>("Frame2")->caption(), QString("  Target number"));
        QCOMPARE(form->get<Frame>("Frame1")->caption(), QString("Given numbers"));
        QCOMPARE(form->get<Frame>("Frame4")->caption(), QString("Answer"));
        QCOMPARE(form->get<Frame>("Frame3")->caption(), QString());
        QCOMPARE(form->get<Label>("Label15")->caption(),
                 QString("To match the target number use:"));
        QCOMPARE(form->get<Label>("Label21")->caption(),
                 QString::fromUtf8("\xC2\xB7 All the numbers in the order they appear"));
        QCOMPARE(form->get<Label>("Label23")->caption(),
                 QString::fromUtf8("\xC2\xB7 Any of the signs +, -, x, \xC3\xB7 and brackets"));
        const QRectF frame3(750, 5295, 8280, 2475);
        Control* f3 = form->control("Frame3");
        QCOMPARE(QRectF(f3->left(), f3->top(), f3->width(), f3->height()), frame3);

        QCOMPARE(form->back_colour(), kScreenBlue);
        for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
            QCOMPARE(form->get<Frame>(name)->back_colour(), kScreenBlue);
        }
        QCOMPARE(form->get<Label>("Labelans")->back_colour(), kScreenBlue);

        auto* status = form->get<Frame>("framestatus");
        QVERIFY(status);
        QCOMPARE(status->objectName(), QString("Framestatus"));
        QCOMPARE(QRectF(status->left(), status->top(), status->width(), status->height()),
                 QRectF(10200, 6850, 1730, 1650));
        QCOMPARE(status->back_colour(), kStyleBlue);
        QCOMPARE(form->get<PictureButton>("cmdgo")->picture_path(), QString("Images\\next.jpg"));
        QCOMPARE(form->get<PictureButton>("cmdsoln")->picture_path(),
                 QString("Images\\solution.jpg"));
        QCOMPARE(form->get<PictureButton>("cmdexit")->picture_path(), QString("Images\\exit.jpg"));

        QVERIFY(form->Timer1->enabled());
        QCOMPARE(form->Timer1->interval(), 15000);
        verify_texts_match_puzzle(form);
    }

    // The state table: after each run of clicks and ticks, what the class sees.
    // G = Go, S = Solution, T = the instruction timer's tick.
    void display_follows_go_solution_and_the_timer_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("instructions");
        QTest::addColumn<bool>("answer");
        QTest::newRow("just loaded") << "" << true << false;
        QTest::newRow("Solution before the tick") << "S" << true << true;
        QTest::newRow("Solution twice") << "SS" << true << true;
        QTest::newRow("Go while the answer shows") << "SG" << true << false;
        QTest::newRow("Go, then Solution") << "GS" << true << true;
        QTest::newRow("the tick") << "T" << false << false;
        QTest::newRow("tick with the answer showing") << "ST" << false << true;
        QTest::newRow("Go and Solution after the tick") << "TSGS" << false << true;
        QTest::newRow("Go after the tick") << "TSG" << false << false;
    }
    void display_follows_go_solution_and_the_timer() {
        QFETCH(QString, actions);
        QFETCH(bool, instructions);
        QFETCH(bool, answer);
        MatchTheTargetForm* form = open_screen();
        for (QChar a : actions) {
            if (a == 'G') {
                click(form, "cmdgo");
            } else if (a == 'S') {
                click(form, "cmdsoln");
            } else {
                QVERIFY(form->Timer1->fire());
            }
        }
        QCOMPARE(shown(form, "Frame3"), instructions);
        QCOMPARE(shown(form, "Frame4"), answer);
        QCOMPARE(shown(form, "Labelans"), answer);
        QVERIFY(shown(form, "Frame1"));
        QVERIFY(shown(form, "Frame2"));
        QVERIFY(shown(form, "Label11"));
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            QVERIFY(shown(form, name));
        }
        verify_texts_match_puzzle(form);
        // The answer covers the given numbers exactly; the target stays in view.
        QWidget* top = topmost_over_given(form);
        QCOMPARE(within(top, form->control("Frame4")->widget()), answer);
        QCOMPARE(within(top, form->control("Frame1")->widget()), !answer);
        // The instructions go once, whatever happens after.
        QCOMPARE(form->Timer1->enabled(), instructions);
    }

    // Solution again changes nothing: no hide step, same texts, same picture.
    void solution_twice_leaves_the_display_as_after_the_first() {
        MatchTheTargetForm* form = open_screen();
        click(form, "cmdsoln");
        const QString answer = form->get<Label>("Labelans")->caption();
        const QString target = form->get<Label>("Label11")->caption();
        click(form, "cmdsoln");
        QVERIFY(shown(form, "Frame4"));
        QVERIFY(shown(form, "Labelans"));
        QCOMPARE(form->get<Label>("Labelans")->caption(), answer);
        QCOMPARE(form->get<Label>("Label11")->caption(), target);
        QCOMPARE(form->get<PictureButton>("cmdsoln")->picture_path(),
                 QString("Images\\solution.jpg"));
    }

    // Go after Go never repeats the template; each new puzzle is shown whole with its
    // answer hidden.
    void go_never_repeats_the_template_twice_in_a_row() {
        MatchTheTargetForm* form = open_screen();
        int previous = form->puzzle()->template_number;
        for (int i = 0; i < 300; ++i) {
            click(form, i % 3 == 0 ? "cmdsoln" : "cmdgo");
            if (i % 3 == 0) {
                continue;
            }
            const int now = form->puzzle()->template_number;
            QVERIFY2(now != previous, qPrintable(QString("template %1 twice").arg(now)));
            QVERIFY(!shown(form, "Frame4"));
            verify_texts_match_puzzle(form);
            previous = now;
        }
    }

    // The last tick is the only one: the timer stops itself.
    void the_instruction_timer_ticks_once() {
        MatchTheTargetForm* form = open_screen();
        QVERIFY(form->Timer1->fire());
        QVERIFY(!form->Timer1->enabled());
        QVERIFY(!form->Timer1->fire());
        QVERIFY(!shown(form, "Frame3"));
    }

    // Exit goes to menu1 and unloads the screen with its timer; opening it again shows
    // the instructions for a full 15 seconds and a first puzzle.
    void exit_within_the_first_seconds_and_reopen_starts_afresh() {
        MatchTheTargetForm* form = open_screen();
        QPointer<Timer> old_timer(form->Timer1);
        click(form, "cmdsoln");
        click(form, "cmdexit");
        QVERIFY(loaded_form("matchthetarget") == nullptr);
        QVERIFY(loaded_form("menu1") && loaded_form("menu1")->isVisible());
        QVERIFY(old_timer.isNull() || !old_timer->fire());

        MatchTheTargetForm* again = open_screen();
        QVERIFY(shown(again, "Frame3"));
        QVERIFY(!shown(again, "Frame4"));
        QVERIFY(again->Timer1->enabled());
        QVERIFY(again->Timer1->running());
        QCOMPARE(again->Timer1->interval(), 15000);
        verify_texts_match_puzzle(again);
    }
};

QTEST_MAIN(MatchTheTargetScreenTest)
#include "matchthetarget_screen_test.moc"
