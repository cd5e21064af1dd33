// SPDX-License-Identifier: GPL-3.0-or-later
// The Ordering screen driven as the class would: clicks on the numbers and buttons by
// control name, with the timer ticks fired by the test.

#include "ordering_screen.h"

#include "activity_table.h"
#include "number_text.h"
#include "screens.h"

#include <QtTest>

#include <algorithm>
#include <clocale>
#include <set>

using namespace shell;
using chalkline::read_number;
using chalkline::ordering::OrderingForm;

namespace {

// The listing menu screen that Exit returns to.
class MenuStandIn : public Form {
public:
    MenuStandIn() : Form("menu1", 12000, 9000) {}
};

OrderingForm* open() {
    auto* form = static_cast<OrderingForm*>(show_form("ordering"));
    if (form) {
        (void)QTest::qWaitForWindowExposed(form);
    }
    return form;
}

// Clicks near the left edge, halfway down: on an option button that is its dot.
void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

// Number k (0 to 4) by name, as the test sees the screen.
Label* number(OrderingForm* form, int k) {
    return form->get<Label>("label10", k);
}
Label* place(OrderingForm* form, int k) {
    return form->get<Label>("LABEL11", k);
}

QStringList places(OrderingForm* form) {
    QStringList texts;
    for (int k = 0; k < 5; ++k) {
        texts << place(form, k)->caption();
    }
    return texts;
}

// The indexes of the numbers from smallest to biggest.
QList<int> sorted_indexes(OrderingForm* form) {
    QList<int> indexes{0, 1, 2, 3, 4};
    std::sort(indexes.begin(), indexes.end(), [&](int a, int b) {
        return read_number(number(form, a)->caption().toStdString()) <
               read_number(number(form, b)->caption().toStdString());
    });
    return indexes;
}

void click_numbers(OrderingForm* form, const QList<int>& indexes) {
    for (int i : indexes) {
        click(number(form, i));
    }
}

void set_numbers(OrderingForm* form, const QStringList& texts) {
    for (int i = 0; i < 5; ++i) {
        number(form, i)->set_caption(texts[i]);
    }
}

bool places_opaque(OrderingForm* form) {
    for (int k = 0; k < 5; ++k) {
        if (!place(form, k)->opaque()) {
            return false;
        }
    }
    return true;
}

// Clicks the set into order and lets the check find it, so the places flash.
void start_flashing(OrderingForm* form) {
    click_numbers(form, sorted_indexes(form));
    QVERIFY(form->timer("Timer5")->fire());
    QVERIFY(form->timer("Timer6")->fire());
    QVERIFY(places_opaque(form));
}

} // namespace

class OrderingScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        register_form("ordering", make_screen<chalkline::ordering::OrderingForm>);
        register_form("menu1", [] { return std::make_unique<MenuStandIn>(); });
    }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opening shows a first set of whole numbers with empty places, both end captions
    // and arrows, and the order check running.
    void opens_with_a_first_set_of_whole_numbers() {
        OrderingForm* form = open();
        QVERIFY(form);
        QCOMPARE(form->caption(), QString("Ordering"));
        QCOMPARE(form->back_colour(), kStyleBlue);
        QCOMPARE(form->Frame1->back_colour(), kScreenBlue);
        QCOMPARE(form->Option3->back_colour(), kScreenBlue);
        QVERIFY(form->Option1->value());
        QVERIFY(!form->cmdundo->picture().isNull());
        std::set<double> values;
        for (int k = 0; k < 5; ++k) {
            QVERIFY(number(form, k)->visible());
            QVERIFY(number(form, k)->enabled());
            const double value = read_number(number(form, k)->caption().toStdString());
            QVERIFY(value >= 1 && value <= 50);
            values.insert(value);
            QVERIFY(place(form, k)->visible());
            QVERIFY(!place(form, k)->opaque());
        }
        QCOMPARE(values.size(), size_t(5));
        QCOMPARE(places(form), QStringList({"", "", "", "", ""}));
        for (const char* name : {"Label13", "Label5"}) {
            QVERIFY(form->get<Label>(name)->visible());
        }
        QCOMPARE(form->get<Label>("Label12", 5)->caption(), QString("Smallest"));
        QCOMPARE(form->get<Label>("Label12", 0)->caption(), QString("Biggest"));
        QVERIFY(form->get<Label>("Label12", 5)->visible());
        QVERIFY(form->timer("Timer5")->enabled());
        QVERIFY(!form->timer("Timer6")->enabled());
        QVERIFY(!form->timer("Timer4")->enabled());
    }

    // Numbers on the left, places on the right, each row at the same height.
    void numbers_and_places_stand_in_two_columns() {
        OrderingForm* form = open();
        for (int k = 0; k < 5; ++k) {
            const QRect n = number(form, k)->geometry();
            const QRect p = place(form, k)->geometry();
            QCOMPARE(n.top(), p.top());
            QCOMPARE(n.size(), p.size());
            QVERIFY(n.right() < form->get<Label>("Label12", 5)->geometry().left());
            QVERIFY(p.left() > form->Label13->geometry().left());
            if (k > 0) {
                QVERIFY(n.top() > number(form, k - 1)->geometry().bottom());
            }
        }
    }

    // Each kind makes a set of its own range: five different numbers, never 0.
    void each_kind_draws_its_own_numbers_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<bool>("decimals");
        QTest::newRow("positive whole numbers") << "Option1" << 1.0 << 50.0 << false;
        QTest::newRow("integers") << "Option2" << -50.0 << 50.0 << false;
        QTest::newRow("decimals") << "Option3" << 1.0 << 6.0 << true;
    }
    void each_kind_draws_its_own_numbers() {
        QFETCH(QString, option);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(bool, decimals);
        OrderingForm* form = open();
        for (int round = 0; round < 20; ++round) {
            click(form->get<OptionButton>(option));
            std::set<double> values;
            std::set<QChar> wholes;
            for (int k = 0; k < 5; ++k) {
                const QString text = number(form, k)->caption();
                const double value = read_number(text.toStdString());
                QVERIFY2(value != 0 && value >= low && value <= high, qPrintable(text));
                QCOMPARE(text.contains('.'), decimals);
                values.insert(value);
                wholes.insert(text[0]);
            }
            QCOMPARE(values.size(), size_t(5));
            if (decimals) {
                QCOMPARE(wholes.size(), size_t(1));
            }
        }
    }

    // Clicks fill the places from the top; a placed number is greyed and takes no
    // more clicks; Undo takes back the last one each time.
    void clicks_place_numbers_and_undo_takes_them_back() {
        OrderingForm* form = open();
        set_numbers(form, {"12", "3", "40", "7", "25"});
        click_numbers(form, {3, 0, 4});
        QCOMPARE(places(form), QStringList({"7", "12", "25", "", ""}));
        QVERIFY(!number(form, 4)->enabled());
        click(number(form, 4));
        QCOMPARE(places(form), QStringList({"7", "12", "25", "", ""}));

        click(form->cmdundo);
        QCOMPARE(places(form), QStringList({"7", "12", "", "", ""}));
        QVERIFY(number(form, 4)->enabled());
        click(form->cmdundo);
        QCOMPARE(places(form), QStringList({"7", "", "", "", ""}));
        QVERIFY(number(form, 0)->enabled());
        QVERIFY(!number(form, 3)->enabled());

        click_numbers(form, {4, 0, 2, 1});
        QCOMPARE(places(form), QStringList({"7", "25", "12", "40", "3"}));
        click(form->cmdundo);
        QCOMPARE(places(form), QStringList({"7", "25", "12", "40", ""}));
        QVERIFY(number(form, 1)->enabled());
        for (int i = 0; i < 5; ++i) {
            click(form->cmdundo);
        }
        QCOMPARE(places(form), QStringList({"", "", "", "", ""}));
        for (int k = 0; k < 5; ++k) {
            QVERIFY(number(form, k)->enabled());
        }
    }

    // The next check after the last correct click starts the flashing: the first
    // flash comes at once, then every 250 ms, on and off.
    void a_correct_order_flashes_on_the_next_check() {
        OrderingForm* form = open();
        Timer* check = form->timer("Timer5");
        Timer* flash = form->timer("Timer6");
        const QList<int> order = sorted_indexes(form);
        click_numbers(form, order.mid(0, 4));
        QVERIFY(check->fire());
        QVERIFY(!flash->enabled());
        click(number(form, order[4]));
        QVERIFY(!flash->enabled());
        QVERIFY(check->fire());
        QVERIFY(flash->enabled());
        QCOMPARE(flash->interval(), 1);

        QVERIFY(flash->fire());
        QCOMPARE(flash->interval(), 250);
        QVERIFY(places_opaque(form));
        QCOMPARE(place(form, 0)->back_colour(), kRed);
        QVERIFY(flash->fire());
        QVERIFY(!place(form, 0)->opaque() && !place(form, 4)->opaque());
        QVERIFY(flash->fire());
        QVERIFY(places_opaque(form));
        // The check goes on and leaves the flashing as it is.
        QVERIFY(check->fire());
        QVERIFY(flash->enabled());
        QVERIFY(places_opaque(form));
    }

    // Undo during the flashing breaks the order, and the next check stops celebrating it.
    void undo_of_a_correct_board_stops_the_flashing() {
        OrderingForm* form = open();
        Timer* flash = form->timer("Timer6");
        click_numbers(form, sorted_indexes(form));
        QVERIFY(form->timer("Timer5")->fire());
        QVERIFY(flash->fire());
        QVERIFY(places_opaque(form));
        click(form->cmdundo);
        QVERIFY(form->timer("Timer5")->fire());
        QVERIFY(!flash->enabled());
        QVERIFY(!place(form, 0)->opaque());
    }

    // Only five places in strictly increasing order pass; an empty place never counts
    // as a 0 above negative numbers.
    void a_wrong_board_never_flashes_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QList<int>>("clicks");
        QTest::newRow("decreasing")
            << "Option1" << QStringList{"12", "3", "40", "7", "25"} << QList<int>{2, 4, 0, 3, 1};
        QTest::newRow("one pair swapped")
            << "Option1" << QStringList{"12", "3", "40", "7", "25"} << QList<int>{1, 0, 3, 4, 2};
        QTest::newRow("decimals by length")
            << "Option3" << QStringList{"4.7", "4.63", "4.125", "4.9", "4.58"}
            << QList<int>{0, 3, 1, 4, 2};
        QTest::newRow("four negatives in order, smallest left over")
            << "Option2" << QStringList{"-10", "-45", "-30", "-20", "-40"}
            << QList<int>{4, 2, 3, 0};
        QTest::newRow("four negatives in order, fifth place empty")
            << "Option2" << QStringList{"-10", "-45", "-30", "-20", "-40"}
            << QList<int>{1, 4, 2, 3};
    }
    void a_wrong_board_never_flashes() {
        QFETCH(QString, option);
        QFETCH(QStringList, numbers);
        QFETCH(QList<int>, clicks);
        OrderingForm* form = open();
        click(form->get<OptionButton>(option));
        set_numbers(form, numbers);
        click_numbers(form, clicks);
        for (int tick = 0; tick < 3; ++tick) {
            QVERIFY(form->timer("Timer5")->fire());
        }
        QVERIFY(!form->timer("Timer6")->enabled());
        QVERIFY(!places_opaque(form));
    }

    // Solution during the flashing stops it, hides the places and reveals the sorted
    // numbers one per tick, smallest first.
    void solution_stops_the_flashing_and_reveals_one_place_per_tick() {
        OrderingForm* form = open();
        set_numbers(form, {"12", "3", "40", "7", "25"});
        start_flashing(form);
        click(form->cmdsoln);
        QVERIFY(!form->timer("Timer5")->enabled());
        QVERIFY(!form->timer("Timer6")->enabled());
        QVERIFY(!places_opaque(form) && !place(form, 0)->opaque());
        QCOMPARE(places(form), QStringList({"3", "7", "12", "25", "40"}));
        Timer* reveal = form->timer("Timer4");
        QVERIFY(reveal->enabled());
        for (int tick = 0; tick < 5; ++tick) {
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(place(form, k)->visible(), k < tick);
            }
            QVERIFY(reveal->fire());
        }
        for (int k = 0; k < 5; ++k) {
            QVERIFY(place(form, k)->visible());
        }
        QVERIFY(!reveal->enabled());
    }

    // Go and every kind start afresh: all numbers enabled, places empty and plain, the
    // flashing and the reveal stopped, the check running.
    void go_and_each_kind_start_afresh_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("revealing");
        for (const char* name : {"cmdgo", "Option1", "Option2", "Option3"}) {
            QTest::newRow(qPrintable(QString(name) + " while flashing")) << name << false;
            QTest::newRow(qPrintable(QString(name) + " while revealing")) << name << true;
        }
    }
    void go_and_each_kind_start_afresh() {
        QFETCH(QString, button);
        QFETCH(bool, revealing);
        OrderingForm* form = open();
        start_flashing(form);
        if (revealing) {
            click(form->cmdsoln);
            QVERIFY(form->timer("Timer4")->fire());
        }
        click(form->control(button)->widget());
        QVERIFY(!form->timer("Timer6")->enabled());
        QVERIFY(!form->timer("Timer4")->enabled());
        QVERIFY(form->timer("Timer5")->enabled());
        QCOMPARE(places(form), QStringList({"", "", "", "", ""}));
        for (int k = 0; k < 5; ++k) {
            QVERIFY(number(form, k)->enabled());
            QVERIFY(place(form, k)->visible());
            QVERIFY(!place(form, k)->opaque());
        }
        QVERIFY(form->cmdundo->visible());
        // The new set is checked afresh: an empty board does not flash.
        QVERIFY(form->timer("Timer5")->fire());
        QVERIFY(!form->timer("Timer6")->enabled());
    }

    // Exit goes back to menu1 and unloads the screen; its timers stop with it, and the
    // next visit starts again from whole numbers.
    void exit_returns_to_menu1_and_stops_the_timers() {
        OrderingForm* form = open();
        click(form->Option2);
        start_flashing(form);
        QPointer<Timer> flash(form->timer("Timer6"));
        click(form->cmdexit);
        QVERIFY(loaded_form("ordering") == nullptr);
        QVERIFY(loaded_form("menu1") && loaded_form("menu1")->isVisible());
        QVERIFY(flash.isNull() || !flash->fire());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        OrderingForm* again = open();
        QVERIFY(again->Option1->value());
        QVERIFY(!again->Option2->value());
    }
};

QTEST_MAIN(OrderingScreenTest)
#include "ordering_screen_test.moc"
