// SPDX-License-Identifier: GPL-3.0-or-later
// The Four Rules screen driven by clicks on its controls, found by name: what is shown
// and hidden for each kind of number, and the answers Solution reveals.

#include "activity_table.h"
#include "fourrules_screen.h"
#include "number_text.h"
#include "screens.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <numeric>

using namespace shell;
using chalkline::read_number;
using chalkline::fourrules::FourRulesForm;

namespace {

const QStringList kWholeFields = {"Label2", "Label3"};
const QStringList kFractionFields = {"Label9", "Label10", "Label11", "Label12", "Line1", "Line2"};
const QStringList kAnswerLines = {"Label5", "Label6", "Label7", "Label8"};
const QStringList kSumFields = {"Label13", "Label14", "Line3"};
const QStringList kSumMixed = {"Label21", "Label23", "Label25", "Label26", "Line7"};
const QStringList kMiddleFields = {"Label15", "Label16", "Label17", "Label18", "Label19",
                                   "Label20", "Line4",   "Line5",   "Line6"};
const QStringList kQuotientMixed = {"Label22", "Label24", "Label27", "Label28", "Line8"};
const QStringList kAlwaysShown = {"Label1", "Label4",      "Option1", "Option2", "Option3",
                                  "Frame1", "framestatus", "cmdgo",   "cmdsoln", "cmdexit"};

FourRulesForm* screen() {
    return loaded<FourRulesForm>("fourrules");
}

Control* find(const QString& name) {
    Control* c = screen()->control(name);
    if (!c) {
        qFatal("no control %s", qPrintable(name));
    }
    return c;
}

QString caption(const QString& name) {
    return dynamic_cast<Label*>(find(name))->caption();
}

int number(const QString& name) {
    return int(read_number(caption(name).toStdString()));
}

// Every control in names is shown (or hidden) by its own flag.
void expect_shown(const QStringList& names, bool shown, const char* where) {
    for (const QString& name : names) {
        QVERIFY2(find(name)->visible() == shown,
                 qPrintable(QString("%1 %2 %3").arg(where, name, shown ? "hidden" : "shown")));
    }
}

void click(const QString& name) {
    QWidget* w = find(name)->widget();
    // Options take the click on their round button at the left.
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

// The problem on screen obeys the rules of its kind.
void expect_problem_of_kind(int kind) {
    if (kind == 3) {
        expect_shown(kFractionFields, true, "fractions");
        expect_shown(kWholeFields, false, "fractions");
        const int n1 = number("Label9"), d1 = number("Label10");
        const int n2 = number("Label11"), d2 = number("Label12");
        QVERIFY(n1 >= 1 && n1 < d1 && d1 <= 12 && n2 >= 1 && n2 < d2 && d2 <= 12);
        QCOMPARE(std::gcd(n1, d1), 1);
        QCOMPARE(std::gcd(n2, d2), 1);
        QVERIFY(n1 * d2 > n2 * d1);
        return;
    }
    expect_shown(kWholeFields, true, "whole numbers");
    expect_shown(kFractionFields, false, "whole numbers");
    const int first = number("Label2");
    const int second = number("Label3");
    QCOMPARE(caption("Label2"), QString::number(first));
    QCOMPARE(caption("Label3"), QString::number(second));
    if (kind == 1) {
        QVERIFY(second >= 1 && first <= 35 && first >= second);
    } else {
        QVERIFY(first >= -20 && first <= 20 && second != 0);
        QVERIFY(std::abs(first) >= std::abs(second));
        QVERIFY(first < 0 || second < 0);
    }
}

class StandInMenu : public Form {
public:
    StandInMenu() : Form("menu3", 12000, 9000) {}
};

} // namespace

class FourRulesScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_form("fourrules", make_screen<FourRulesForm>);
        if (!has_form("menu3")) {
            register_form("menu3", [] { return std::make_unique<StandInMenu>(); });
        }
    }

    void init() { QVERIFY(QTest::qWaitForWindowExposed(show_form("fourrules"))); }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The screen opens on kind 1 with only the prompt, the two numbers, "and", the
    // options and the buttons in view; the bars are yellow lines of width 2.
    void opens_with_a_whole_number_problem() {
        FourRulesForm* form = screen();
        QCOMPARE(form->caption(), QString("The Four Rules"));
        QCOMPARE(form->back_colour(), kScreenBlue);
        QCOMPARE(form->Frame1->back_colour(), kScreenBlue);
        QVERIFY(form->Option1->value());
        QCOMPARE(form->kind(), 0);
        expect_problem_of_kind(1);
        expect_shown(kAlwaysShown, true, "at load");
        expect_shown(kAnswerLines + kSumFields + kSumMixed + kMiddleFields + kQuotientMixed, false,
                     "at load");
        for (int n = 1; n <= 8; ++n) {
            auto* bar = dynamic_cast<Line*>(find(QString("Line%1").arg(n)));
            QCOMPARE(bar->border_colour(), kYellow);
            QCOMPARE(bar->border_width(), 2);
        }
        for (const char* name : {"Label2", "Label3", "Label4", "Label9", "Label12", "Line2"}) {
            QCOMPARE(find(name)->widget()->parentWidget(), form->Frame1);
        }
        QCOMPARE(caption("Label1"),
                 QString("Find the sum, difference, product and quotient of..."));
    }

    // Each choice of kind, and Go, makes a new problem of the chosen kind in its own
    // layout and hides every answer; "and" stays where it is in both layouts.
    void each_kind_shows_its_own_layout_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("kind");
        QTest::newRow("integers") << QStringList{"Option2"} << 2;
        QTest::newRow("fractions") << QStringList{"Option3"} << 3;
        QTest::newRow("fractions back to whole numbers") << QStringList{"Option3", "Option1"} << 1;
        QTest::newRow("fractions to integers") << QStringList{"Option3", "Option2"} << 2;
        QTest::newRow("Go keeps the kind") << QStringList{"Option3", "cmdgo", "cmdgo"} << 3;
        QTest::newRow("answers hidden by Go") << QStringList{"Option3", "cmdsoln", "cmdgo"} << 3;
        QTest::newRow("answers hidden by a kind")
            << QStringList{"Option3", "cmdsoln", "Option1"} << 1;
    }
    void each_kind_shows_its_own_layout() {
        QFETCH(QStringList, clicks);
        QFETCH(int, kind);
        const QRect and_place = find("Label4")->widget()->geometry();
        for (const QString& name : clicks) {
            click(name);
        }
        QCOMPARE(screen()->kind(), kind - 1);
        QVERIFY(dynamic_cast<OptionButton*>(find(QString("Option%1").arg(kind)))->value());
        expect_problem_of_kind(kind);
        expect_shown(kAlwaysShown, true, "after the clicks");
        expect_shown(kAnswerLines + kSumFields + kSumMixed + kMiddleFields + kQuotientMixed, false,
                     "after the clicks");
        QCOMPARE(find("Label4")->widget()->geometry(), and_place);
    }

    // Solution on whole numbers writes the four results beside their captions, leaves
    // every fraction field hidden, and shows the same again when pressed twice.
    void solution_shows_whole_number_answers_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("the problem made at load") << QString();
        QTest::newRow("integers") << QString("Option2");
        QTest::newRow("back from fractions") << QString("Option3");
    }
    void solution_shows_whole_number_answers() {
        QFETCH(QString, option);
        if (!option.isEmpty()) {
            click(option);
        }
        if (option == "Option3") {
            click("Option1");
        }
        for (int round = 0; round < 20; ++round) {
            const int a = number("Label2");
            const int b = number("Label3");
            click("cmdsoln");
            click("cmdsoln");
            QCOMPARE(caption("Label5"), QString("The sum is %1").arg(a + b));
            QCOMPARE(caption("Label6"), QString("The difference is %1").arg(a - b));
            QCOMPARE(caption("Label7"), QString("The product is %1").arg(a * b));
            const QString quotient = caption("Label8");
            QVERIFY(quotient.startsWith("The quotient is "));
            const double shown = read_number(quotient.mid(16).toStdString());
            QVERIFY2(std::fabs(shown - double(a) / b) < 5e-6, qPrintable(quotient));
            expect_shown(kAnswerLines + kWholeFields, true, "after Solution");
            expect_shown(kFractionFields + kSumFields + kSumMixed + kMiddleFields + kQuotientMixed,
                         false, "after Solution");
            click("cmdgo");
        }
    }

    // Solution on fractions writes reduced results with exact values, shows the sum's
    // mixed form exactly when the sum exceeds 1 and the quotient's always.
    void solution_shows_fraction_answers() {
        click("Option3");
        bool below_one = false;
        bool above_one = false;
        for (int round = 0; round < 400 && !(below_one && above_one && round >= 20); ++round) {
            click("cmdgo");
            const long n1 = number("Label9"), d1 = number("Label10");
            const long n2 = number("Label11"), d2 = number("Label12");
            click("cmdsoln");
            const struct {
                const char* numerator;
                const char* denominator;
                long n, d;
            } results[] = {{"Label13", "Label14", n1 * d2 + n2 * d1, d1 * d2},
                           {"Label15", "Label16", n1 * d2 - n2 * d1, d1 * d2},
                           {"Label17", "Label18", n1 * n2, d1 * d2},
                           {"Label19", "Label20", n1 * d2, d1 * n2}};
            for (const auto& r : results) {
                const long g = std::gcd(r.n, r.d);
                QCOMPARE(number(r.numerator), r.n / g);
                QCOMPARE(number(r.denominator), r.d / g);
            }
            const long sum_n = number("Label13"), sum_d = number("Label14");
            const bool mixed = sum_n > sum_d;
            (mixed ? above_one : below_one) = true;
            expect_shown(kSumMixed, mixed, "sum's mixed form");
            if (mixed) {
                QCOMPARE(number("Label23"), 1);
                QCOMPARE(number("Label25"), sum_n - sum_d);
                QCOMPARE(number("Label26"), sum_d);
            }
            const long q_n = number("Label19"), q_d = number("Label20");
            QCOMPARE(number("Label24"), q_n / q_d);
            QCOMPARE(number("Label27"), q_n % q_d);
            QCOMPARE(number("Label28"), q_d);
            expect_shown(kAnswerLines + kSumFields + kMiddleFields + kQuotientMixed +
                             kFractionFields,
                         true, "after Solution");
            expect_shown(kWholeFields, false, "after Solution");
            QCOMPARE(QStringList({caption("Label5"), caption("Label6"), caption("Label7"),
                                  caption("Label8")}),
                     QStringList(
                         {"The sum is", "The difference is", "The product is", "The quotient is"}));
        }
        QVERIFY(below_one);
        QVERIFY(above_one);
    }

    // Exit shows menu3 and unloads the screen; the next visit starts again at kind 1.
    void exit_returns_to_menu3_and_the_next_visit_starts_afresh() {
        click("Option3");
        click("cmdsoln");
        QTest::mouseClick(find("cmdexit")->widget(), Qt::LeftButton);
        QVERIFY(loaded_form("fourrules") == nullptr);
        QVERIFY(loaded_form("menu3") != nullptr);
        QVERIFY(loaded_form("menu3")->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        show_form("fourrules");
        QCOMPARE(screen()->kind(), 0);
        QVERIFY(screen()->Option1->value());
        QVERIFY(!screen()->Option3->value());
        expect_problem_of_kind(1);
        expect_shown(kAnswerLines, false, "on the next visit");
    }
};

QTEST_MAIN(FourRulesScreenTest)
#include "fourrules_screen_test.moc"
