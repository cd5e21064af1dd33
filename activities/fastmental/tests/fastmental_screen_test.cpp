// SPDX-License-Identifier: GPL-3.0-or-later
// The Mental Arithmetic screen driven as the teacher would: clicks on its controls by
// name, the timers' ticks fired by the test.

#include "activity_table.h"
#include "fastmental_screen.h"
#include "menu_forms.h"
#include "number_text.h"
#include "screens.h"

#include <QStyleOptionSlider>
#include <QtTest>

#include <clocale>

using namespace shell;
using chalkline::fastmental::FastMentalForm;

namespace {

FastMentalForm* screen() {
    return loaded<FastMentalForm>("fastmental");
}

Label* label(const QString& name, int index = -1) {
    return index < 0 ? screen()->get<Label>(name) : screen()->get<Label>(name, index);
}

bool shown(const QString& name, int index = -1) {
    return label(name, index)->visible();
}

// What the class sees, in one line: the starting value, the rows (symbol and number
// together, or "!" when only one of them shows), the values, the two "?" and the timers.
QString seen() {
    QString rows, values;
    for (int row = 1; row <= 4; ++row) {
        const bool symbol = shown("Label_val1", row + 4);
        const bool number = shown("Label2", row);
        rows += symbol && number ? QString::number(row) : symbol || number ? "!" : "";
        values += shown("Label3", row) ? QString::number(row) : "";
    }
    return QString("start:%1 rows:%2 values:%3 ?answer:%4 ?start:%5 T1:%6 T2:%7")
        .arg(int(shown("Label3", 0)))
        .arg(rows, values)
        .arg(int(shown("Label1")))
        .arg(int(shown("Label4")))
        .arg(screen()->timer("Timer1")->enabled() ? "on" : "off")
        .arg(screen()->timer("Timer2")->enabled() ? "on" : "off");
}

void click(const QString& name) {
    QWidget* widget = screen()->control(name)->widget();
    // An option button takes the click on its round box at the left.
    const QPoint at = qobject_cast<QRadioButton*>(widget) ? QPoint(8, widget->height() / 2)
                                                          : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void tick(const char* timer, int times) {
    for (int i = 0; i < times; ++i) {
        screen()->timer(timer)->fire();
    }
}

// Where on the scroll bar a part lies, as the style draws it.
QPoint scroll_point(VScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

class Menu2StandIn : public Form {
public:
    Menu2StandIn() : Form("menu2", 12000, 9000) {}
};

} // namespace

class FastMentalScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_menu_forms();
        if (!has_form("menu2")) {
            register_form("menu2", [] { return std::make_unique<Menu2StandIn>(); });
        }
        register_form("fastmental", make_screen<chalkline::fastmental::FastMentalForm>);
    }

    void init() { QVERIFY(show_form("fastmental") != nullptr); }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A fresh visit: kind 1, Forward, five seconds a row, the start shown and the column
    // laid out and coloured as designed.
    void opens_in_its_design_state() {
        FastMentalForm* form = screen();
        QCOMPARE(form->caption(), QString("Mental Arithmetic"));
        QVERIFY(form->Option1->value());
        QVERIFY(form->Option4->value());
        QCOMPARE(form->VScroll1->value(), 5000);
        QCOMPARE(form->VScroll1->minimum(), 1000);
        QCOMPARE(form->VScroll1->maximum(), 5000);
        QCOMPARE(form->VScroll1->singleStep(), 100);
        QCOMPARE(form->VScroll1->pageStep(), 1000);
        QCOMPARE(form->Timer1->interval(), 5000);
        QCOMPARE(form->Timer2->interval(), 5000);
        QCOMPARE(seen(), QString("start:1 rows: values: ?answer:0 ?start:0 T1:on T2:off"));
        QVERIFY(!shown("Label3", 5));
        for (const char* holder : {"labelplus", "labelminus", "labeltimes", "labeldivide"}) {
            QVERIFY(!shown(holder));
        }
        QCOMPARE(form->Shape1->border_colour(), kYellow);
        QCOMPARE(form->Shape1->border_width(), 2);
        QCOMPARE(form->Frame1->back_colour(), kScreenBlue);
        QCOMPARE(form->Option5->back_colour(), kScreenBlue);
        QCOMPARE(label("Label1")->fore_colour(), QColor(255, 128, 0));
        QCOMPARE(label("Label4")->fore_colour(), QColor(255, 128, 0));
        QCOMPARE(label("Label3", 0)->fore_colour(), kYellow);

        const struct {
            const char* name;
            int index;
            double left, top, width, height;
        } places[] = {
            {"Label66", 6, 1725, 1800, 2670, 450},    {"Label3", 0, 4440, 1680, 1665, 750},
            {"Label_val1", 5, 1650, 2595, 1320, 750}, {"Label_val1", 8, 1650, 5355, 1320, 750},
            {"Label2", 1, 2895, 2595, 1455, 750},     {"Label2", 4, 2880, 5355, 1455, 750},
            {"Label3", 4, 4440, 5355, 1665, 750},     {"Label1", -1, 4590, 5355, 1320, 750},
            {"Label4", -1, 4605, 1650, 1320, 750},    {"Shape1", -1, 1335, 1350, 5130, 5100},
            {"VScroll1", -1, 7740, 1980, 315, 3765},  {"Frame1", -1, 9195, 3465, 2535, 1275},
            {"Option4", -1, 9225, 4920, 1500, 315},   {"Option5", -1, 9225, 5295, 1500, 315},
        };
        for (const auto& p : places) {
            Control* c = p.index < 0 ? form->control(p.name) : form->element(p.name, p.index);
            QVERIFY2(c, p.name);
            QCOMPARE(QRectF(c->left(), c->top(), c->width(), c->height()),
                     QRectF(p.left, p.top, p.width, p.height));
        }
    }

    // Every Go gives a chain of the chosen kind whose texts add up row by row, with the
    // symbol of each row copied from the code of its operation.
    void go_writes_a_consistent_chain_of_the_chosen_kind_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("kind");
        QTest::newRow("positive whole numbers") << "Option1" << 1;
        QTest::newRow("integers") << "Option2" << 2;
        QTest::newRow("decimals") << "Option3" << 3;
    }
    void go_writes_a_consistent_chain_of_the_chosen_kind() {
        QFETCH(QString, option);
        QFETCH(int, kind);
        click(option);
        const QString symbols[] = {"+", "-", "x", "\u00f7"};
        for (int chain = 0; chain < 40; ++chain) {
            click("cmdgo");
            QSet<int> codes;
            double value = chalkline::read_number(label("Label3", 0)->caption().toStdString());
            for (int row = 1; row <= 4; ++row) {
                const int code = label("Label_val1", row)->caption().toInt();
                codes.insert(code);
                QVERIFY(code >= 1 && code <= 4);
                QCOMPARE(label("Label_val1", row + 4)->caption(), symbols[code - 1]);
                const double operand =
                    chalkline::read_number(label("Label2", row)->caption().toStdString());
                const double expected = code == 1   ? value + operand
                                        : code == 2 ? value - operand
                                        : code == 3 ? value * operand
                                                    : value / operand;
                if (code == 4) {
                    QVERIFY(operand >= 2);
                }
                value = chalkline::read_number(label("Label3", row)->caption().toStdString());
                QCOMPARE(value, expected);
                QCOMPARE(value * 4, std::floor(value * 4));
                if (kind != 3) {
                    QCOMPARE(value, std::floor(value));
                }
                if (kind == 1) {
                    QVERIFY(value >= 0);
                }
            }
            QCOMPARE(codes.size(), 4);
        }
    }

    // Forward: one row per tick with its value hidden, the "?" for the answer with the
    // fourth row, and then the timer stops itself.
    void forward_reveals_from_the_top() {
        const QString expected[] = {
            "start:1 rows: values: ?answer:0 ?start:0 T1:on T2:off",
            "start:1 rows:1 values: ?answer:0 ?start:0 T1:on T2:off",
            "start:1 rows:12 values: ?answer:0 ?start:0 T1:on T2:off",
            "start:1 rows:123 values: ?answer:0 ?start:0 T1:on T2:off",
            "start:1 rows:1234 values: ?answer:1 ?start:0 T1:off T2:off",
        };
        click("cmdgo");
        for (int ticks = 0; ticks < 5; ++ticks) {
            QCOMPARE(seen(), expected[ticks]);
            tick("Timer1", 1);
        }
        QVERIFY(!screen()->Timer1->fire());
        QCOMPARE(seen(), expected[4]);
    }

    // Reverse: the answer shown, rows from the bottom, the "?" for the start with row 1,
    // and the fifth tick stops the timer.
    void reverse_reveals_from_the_bottom() {
        const QString expected[] = {
            "start:0 rows: values:4 ?answer:0 ?start:0 T1:off T2:on",
            "start:0 rows:4 values:4 ?answer:0 ?start:0 T1:off T2:on",
            "start:0 rows:34 values:4 ?answer:0 ?start:0 T1:off T2:on",
            "start:0 rows:234 values:4 ?answer:0 ?start:0 T1:off T2:on",
            "start:0 rows:1234 values:4 ?answer:0 ?start:1 T1:off T2:on",
            "start:0 rows:1234 values:4 ?answer:0 ?start:1 T1:off T2:off",
        };
        click("Option5");
        for (int ticks = 0; ticks < 6; ++ticks) {
            QCOMPARE(seen(), expected[ticks]);
            tick("Timer2", 1);
        }
        QVERIFY(!screen()->Timer2->fire());
        QCOMPARE(seen(), expected[5]);
    }

    // Solution shows every row and value at once whatever was revealed, stops the
    // pacing and never toggles.
    void solution_shows_the_whole_chain_data() {
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<int>("ticks");
        QTest::newRow("forward before the first tick") << false << 0;
        QTest::newRow("forward after two rows") << false << 2;
        QTest::newRow("forward after the ?") << false << 4;
        QTest::newRow("reverse before the first tick") << true << 0;
        QTest::newRow("reverse after the ?") << true << 4;
        QTest::newRow("reverse stopped") << true << 5;
    }
    void solution_shows_the_whole_chain() {
        QFETCH(bool, reverse);
        QFETCH(int, ticks);
        if (reverse) {
            click("Option5");
        }
        tick(reverse ? "Timer2" : "Timer1", ticks);
        const QString all = "start:1 rows:1234 values:1234 ?answer:0 ?start:0 T1:off T2:off";
        for (int press = 0; press < 2; ++press) {
            click("cmdsoln");
            QCOMPARE(seen(), all);
        }
        QVERIFY(!screen()->Timer1->fire());
        QVERIFY(!screen()->Timer2->fire());
        QCOMPARE(seen(), all);
    }

    // Go, a kind and a mode each start a new chain from its first row, whatever the
    // previous chain had shown, with only the timer of the chosen mode running.
    void a_new_chain_restarts_the_pacing_data() {
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        const QString forward = "start:1 rows: values: ?answer:0 ?start:0 T1:on T2:off";
        const QString reverse = "start:0 rows: values:4 ?answer:0 ?start:0 T1:off T2:on";
        QTest::newRow("Go mid forward") << false << 2 << "cmdgo" << forward;
        QTest::newRow("Go after the answer's ?") << false << 4 << "cmdgo" << forward;
        QTest::newRow("kind mid forward") << false << 3 << "Option3" << forward;
        QTest::newRow("Forward to Reverse mid sequence") << false << 2 << "Option5" << reverse;
        QTest::newRow("Go after the start's ?") << true << 4 << "cmdgo" << reverse;
        QTest::newRow("kind after reverse stopped") << true << 5 << "Option2" << reverse;
        QTest::newRow("Reverse to Forward after the ?") << true << 4 << "Option4" << forward;
    }
    void a_new_chain_restarts_the_pacing() {
        QFETCH(bool, reverse);
        QFETCH(int, ticks);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        if (reverse) {
            click("Option5");
        }
        tick(reverse ? "Timer2" : "Timer1", ticks);
        click(control);
        QCOMPARE(seen(), expected);
        const bool forward = expected.contains("T1:on");
        QCOMPARE(screen()->step, forward ? 0 : 4);
        // The next tick shows the first row of the new sequence.
        tick(forward ? "Timer1" : "Timer2", 1);
        QVERIFY(seen().contains(forward ? "rows:1 " : "rows:4 "));
    }

    // The kind and the mode are two separate choices: choosing one never clears the
    // other, and the chains keep the chosen kind in either mode.
    void kind_and_mode_are_chosen_independently() {
        FastMentalForm* form = screen();
        const struct {
            const char* control;
            OptionButton* kind;
            OptionButton* mode;
        } clicks[] = {
            {"Option3", form->Option3, form->Option4}, {"Option5", form->Option3, form->Option5},
            {"Option2", form->Option2, form->Option5}, {"Option4", form->Option2, form->Option4},
            {"Option3", form->Option3, form->Option4},
        };
        for (const auto& c : clicks) {
            click(c.control);
            for (auto* option : {form->Option1, form->Option2, form->Option3}) {
                QCOMPARE(option->value(), option == c.kind);
            }
            QCOMPARE(form->Option4->value(), c.mode == form->Option4);
            QCOMPARE(form->Option5->value(), c.mode == form->Option5);
        }
        // Decimals: the numbers added and taken away are never whole.
        for (int row = 1; row <= 4; ++row) {
            const int code = label("Label_val1", row)->caption().toInt();
            if (code <= 2) {
                QVERIFY(label("Label2", row)->caption().contains('.'));
            }
        }
    }

    // The scroll bar sets both intervals from one second (top) to five (bottom), and a
    // sequence under way keeps its place.
    void scroll_bar_sets_both_intervals() {
        FastMentalForm* form = screen();
        tick("Timer1", 2);
        const struct {
            QStyle::SubControl part;
            int value;
        } moves[] = {
            {QStyle::SC_ScrollBarSubPage, 4000}, {QStyle::SC_ScrollBarSubPage, 3000},
            {QStyle::SC_ScrollBarSubPage, 2000}, {QStyle::SC_ScrollBarSubPage, 1000},
            {QStyle::SC_ScrollBarSubLine, 1000}, {QStyle::SC_ScrollBarAddLine, 1100},
            {QStyle::SC_ScrollBarAddPage, 2100}, {QStyle::SC_ScrollBarAddPage, 3100},
            {QStyle::SC_ScrollBarAddPage, 4100}, {QStyle::SC_ScrollBarAddPage, 5000},
        };
        for (const auto& m : moves) {
            QTest::mouseClick(form->VScroll1, Qt::LeftButton, {},
                              scroll_point(form->VScroll1, m.part));
            QCOMPARE(form->VScroll1->value(), m.value);
            QCOMPARE(form->Timer1->interval(), m.value);
            QCOMPARE(form->Timer2->interval(), m.value);
        }
        QVERIFY(form->Timer1->running());
        QCOMPARE(seen(), QString("start:1 rows:12 values: ?answer:0 ?start:0 T1:on T2:off"));
        tick("Timer1", 1);
        QVERIFY(seen().contains("rows:123 "));
    }

    // Exit shows menu2 and unloads the screen, its running timer with it; the next visit
    // starts again from the design state.
    void exit_returns_to_menu2_and_a_new_visit_starts_afresh() {
        click("Option3");
        click("Option5");
        screen()->VScroll1->setValue(2000);
        QPointer<Timer> timer = screen()->Timer2;
        QVERIFY(timer->running());
        click("cmdexit");
        QVERIFY(loaded_form("fastmental") == nullptr);
        QVERIFY(loaded_form("menu2") && loaded_form("menu2")->isVisible());
        QVERIFY(timer.isNull() || !timer->fire());
        show_form("fastmental");
        QVERIFY(screen()->Option1->value());
        QVERIFY(screen()->Option4->value());
        QCOMPARE(screen()->Timer1->interval(), 5000);
        QCOMPARE(seen(), QString("start:1 rows: values: ?answer:0 ?start:0 T1:on T2:off"));
    }
};

QTEST_MAIN(FastMentalScreenTest)
#include "fastmental_screen_test.moc"
