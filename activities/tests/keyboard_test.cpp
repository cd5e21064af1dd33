// SPDX-License-Identifier: GPL-3.0-or-later
// The program worked without a mouse: real key events on the real screens, the screen
// reader's press action, and a double tap that must not leave two screens.

#include "accessibility.h"
#include "activities.h"
#include "activity_form.h"
#include "activity_table.h"
#include "fourrules_screen.h"
#include "keys.h"
#include "magicsquares_screen.h"
#include "menu_forms.h"
#include "ordering_screen.h"
#include "overlays.h"
#include "program.h"
#include "screens.h"
#include "sentences.h"
#include "title_form.h"

#include "number_text.h"

#include <QAccessible>
#include <QtTest>

#include <algorithm>

using namespace shell;

namespace {

// The one visible screen.
Form* screen() {
    std::vector<Form*> visible;
    for (Form* form : loaded_forms()) {
        if (form->isVisible()) {
            visible.push_back(form);
        }
    }
    return visible.size() == 1 ? visible.front() : nullptr;
}

// A key as the teacher presses it: to the focused control, else to the screen.
void key(int k, Qt::KeyboardModifiers modifiers = {}) {
    Form* form = screen();
    QVERIFY(form);
    QWidget* target = form->focusWidget() ? form->focusWidget() : form;
    QTest::keyClick(target, Qt::Key(k), modifiers);
}

QString focused_name() {
    Control* control = ScreenKeys::of(*screen()).focused();
    if (auto* label = dynamic_cast<Label*>(control)) {
        return label->caption();
    }
    return control ? control->name() : QString();
}

// Tabs until the entry of that caption has the focus; false when it is never reached.
bool tab_to(const QString& caption) {
    for (int i = 0; i < 20; ++i) {
        key(Qt::Key_Tab);
        if (focused_name() == caption) {
            return true;
        }
    }
    return false;
}

// What the focus meets on menu n, in reading order: the titles that the table of
// activities enables there, the links to the other menus and the exit button.
QStringList entries_that_act(const Form& menu, int n) {
    std::vector<int> places;
    for (const ActivityInfo* row : chalkline::activities()) {
        if (row->menu == n) {
            places.push_back(row->place);
        }
    }
    std::sort(places.begin(), places.end());
    QStringList entries;
    for (int place : places) {
        entries << menu.get<Label>("Label3", place)->caption();
    }
    for (int other = 1; other <= 5; ++other) {
        if (other != n) {
            entries << QString("Menu %1").arg(other);
        }
    }
    return entries << "Command1";
}

bool shown(const QString& name, int index) {
    Control* control = index < 0 ? screen()->control(name) : screen()->element(name, index);
    return control && control->visible();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        register_title_form();
        register_menu_forms();
        chalkline::register_activities();
        set_address_opener([](const QUrl&) { return true; });
    }

    void cleanup() {
        for (Form* form : loaded_forms()) {
            unload_form(form->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        reset_program_state();
    }

    // From the title screen to each activity and all the way back with keys alone:
    // PageUp shows the answer, PageDown makes a new problem that hides it again, and
    // Escape walks back through the menus to the question whether to leave.
    void every_activity_is_run_from_the_keyboard_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("answer"); // a control the answer shows or hides
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("shown_by_solution");
        QTest::newRow("Match the Target") << "Menu 1"
                                          << "Match the Target"
                                          << "Frame4" << -1 << true;
        QTest::newRow("Magic Squares") << "Menu 1"
                                       << "Magic Squares"
                                       << "Label10" << -1 << false;
        QTest::newRow("Ordering") << "Menu 1"
                                  << "Ordering"
                                  << "Label11" << 0 << false;
        QTest::newRow("Mental Arithmetic") << "Menu 2"
                                           << "Mental Arithmetic"
                                           << "Label3" << 1 << true;
        QTest::newRow("The Four Rules") << "Menu 3"
                                        << "The Four Rules"
                                        << "Label5" << -1 << true;
    }
    void every_activity_is_run_from_the_keyboard() {
        QFETCH(QString, link);
        QFETCH(QString, title);
        QFETCH(QString, answer);
        QFETCH(int, index);
        QFETCH(bool, shown_by_solution);

        show_form("Titlefrm");
        key(Qt::Key_Escape); // nothing to cancel at start-up
        QCOMPARE(screen()->name(), QString("Titlefrm"));
        key(Qt::Key_Return);
        QCOMPARE(screen()->name(), QString("intro0"));
        QVERIFY(tab_to(link));
        key(Qt::Key_Return);
        QVERIFY(tab_to(title));
        key(Qt::Key_Space);
        QCOMPARE(screen()->caption(), title);

        key(Qt::Key_PageUp);
        QCOMPARE(shown(answer, index), shown_by_solution);
        key(Qt::Key_PageDown);
        QCOMPARE(shown(answer, index), !shown_by_solution);

        key(Qt::Key_Escape);
        QCOMPARE(screen()->caption(), QString("Chalkline"));
        QCOMPARE(screen()->accessibleName(), "Chalkline, " + link);
        key(Qt::Key_Escape);
        QCOMPARE(screen()->name(), QString("intro0"));
        key(Qt::Key_Escape);
        QCOMPARE(screen()->get<CommandButton>("Command1")->caption(), QString("Cancel"));
        key(Qt::Key_Escape);
        QCOMPARE(screen()->name(), QString("intro0"));
    }

    // Forwards and backwards, the focus meets every entry that acts, in reading order,
    // never a disabled title nor the screen's own link; the focused entry is lit as under
    // the pointer and carries the focus mark.
    void the_menu_focus_passes_only_entries_that_act() {
        for (int n = 1; n <= 5; ++n) {
            Form* menu = show_form(QString("menu%1").arg(n));
            const QStringList expected = entries_that_act(*menu, n);
            QStringList forwards, backwards;
            for (int i = 0; i < expected.size(); ++i) {
                key(i % 2 ? Qt::Key_Down : Qt::Key_Tab);
                forwards << focused_name();
                auto* entry = dynamic_cast<Label*>(ScreenKeys::of(*menu).focused());
                if (entry && entry->name() == "Label2") {
                    QVERIFY(entry->opaque());
                }
                QWidget* mark = ScreenKeys::of(*menu).focus_mark();
                QVERIFY(mark && mark->geometry().contains(
                                    ScreenKeys::of(*menu).focused()->widget()->geometry()));
            }
            cleanup();
            menu = show_form(QString("menu%1").arg(n));
            for (int i = 0; i < expected.size(); ++i) {
                key(i % 2 ? Qt::Key_Up : Qt::Key_Tab, i % 2 ? Qt::NoModifier : Qt::ShiftModifier);
                backwards.prepend(focused_name());
            }
            QCOMPARE(forwards, expected);
            QCOMPARE(backwards, expected);
            cleanup();
        }
    }

    // An arrow on a focused option makes no new problem, nor does Space on one the focus
    // mark is not on; K, Ctrl+digit and Space on the marked option choose the kind as a
    // click on its option does.
    void the_kind_is_chosen_by_its_keys_only() {
        auto* form = static_cast<chalkline::fourrules::FourRulesForm*>(show_form("fourrules"));
        form->cmdsoln->click();
        QTest::keyClick(form, Qt::Key_Space);
        form->Option2->setFocus();
        QTest::keyClick(form->Option2, Qt::Key_Down);
        QVERIFY(form->Label5->visible()); // the answers of the first problem stay
        QCOMPARE(form->kind(), 0);
        ScreenKeys::of(*form).focus(form->Option3);
        QTest::keyClick(form->Option3, Qt::Key_Space);
        QCOMPARE(form->kind(), 2);
        key(Qt::Key_K);
        QCOMPARE(form->kind(), 0);
        key(Qt::Key_K);
        QCOMPARE(form->kind(), 1);
        QVERIFY(form->Option2->value() && !form->Label5->visible());
        key(Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(form->kind(), 2);
        key(Qt::Key_K);
        QCOMPARE(form->kind(), 0);
        QVERIFY(form->Option1->value());
    }

    // A wrong number placed and taken back with Undo, then the five in order with the
    // focus keys: the places start flashing.
    void ordering_is_solved_with_the_focus_keys_and_undo() {
        auto* form = static_cast<chalkline::ordering::OrderingForm*>(show_form("ordering"));
        QList<int> order{0, 1, 2, 3, 4};
        std::sort(order.begin(), order.end(), [form](int a, int b) {
            return chalkline::read_number(form->Label10[a]->caption().toStdString()) <
                   chalkline::read_number(form->Label10[b]->caption().toStdString());
        });
        const auto mark_number = [form](int i) {
            for (int step = 0; step < 20 && ScreenKeys::of(*form).focused() != form->Label10[i];
                 ++step) {
                key(step % 2 ? Qt::Key_Down : Qt::Key_Tab);
            }
            return ScreenKeys::of(*form).focused() == form->Label10[i];
        };
        QVERIFY(mark_number(order[4]));
        key(Qt::Key_Return);
        QCOMPARE(form->Label11[0]->caption(), form->Label10[order[4]]->caption());
        QVERIFY(ScreenKeys::of(*form).focused()); // the mark went on to a number left
        key(Qt::Key_Backspace);
        QCOMPARE(form->Label11[0]->caption(), QString());
        for (int i : order) {
            QVERIFY(mark_number(i));
            key(Qt::Key_Space);
        }
        // The mark went on past the numbers, all placed now.
        QCOMPARE(ScreenKeys::of(*form).focused(), form->cmdundo);
        QVERIFY(form->Timer5->fire());
        QVERIFY(form->Timer6->enabled());
    }

    // Each tile chosen with Tab and put in its cell with a digit, one of them sent home
    // with Delete and put back: the square is solved and flashes as after a drag solve.
    void a_magic_square_is_solved_with_tab_and_digits() {
        using namespace chalkline::magicsquares;
        auto* form = static_cast<Magicsquares*>(show_form("Magicsquares"));
        key(Qt::Key_H); // Show: the sum the lines are judged against
        QVERIFY(form->Label20->visible());
        const auto& cells = arrangement_order(form->square().arrangement);
        for (int tile = 0; tile < 9; ++tile) {
            key(Qt::Key_Tab);
            QCOMPARE(ScreenKeys::of(*form).focused(), form->tiles[std::size_t(tile)]);
            key(Qt::Key_1 + cells[std::size_t(tile)]);
        }
        key(Qt::Key_Delete);
        QVERIFY(form->copies[8]->isHidden());
        QVERIFY(form->Timer1->fire());
        QVERIFY(!form->Timer2->enabled());
        key(Qt::Key_1 + cells[8]);
        QVERIFY(form->Timer1->fire());
        QVERIFY(form->Timer2->fire());
        QVERIFY(form->cells[0]->opaque());
    }

    // The second tap of a double tap on an activity's Exit lands on the menu's exit
    // button beneath it and is dropped; a later click goes through.
    void a_double_tap_on_exit_leaves_one_screen() {
        show_form("menu1");
        QTest::mouseClick(screen()->element("Label3", 4)->widget(), Qt::LeftButton);
        QCOMPARE(screen()->name(), QString("ordering"));
        QTest::mouseClick(screen()->control("cmdexit")->widget(), Qt::LeftButton);
        QCOMPARE(screen()->name(), QString("menu1"));
        QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval; // the second tap
        QTest::mouseClick(screen()->control("Command1")->widget(), Qt::LeftButton);
        QCOMPARE(screen()->name(), QString("menu1"));
        QTest::mouseClick(screen()->control("Command1")->widget(), Qt::LeftButton);
        QCOMPARE(screen()->name(), QString("intro0"));
    }

    // Without the focus moving, a screen reader is told each new problem and the answer
    // as notices, and reads the screen's sentence; a kind chosen through the reader makes
    // a problem of that kind, as a click does.
    void a_screen_reader_hears_each_problem_and_answer() {
        auto* form = static_cast<ActivityForm*>(show_form("ordering"));
        const auto notice = [form] {
            auto* announcer = form->findChild<QWidget*>("announcer");
            return announcer && announcer->isVisible() ? announcer->accessibleName() : QString();
        };
        key(Qt::Key_PageDown);
        QVERIFY(notice().startsWith("Problem: put in order, smallest first: "));
        QCOMPARE(form->sentence(), notice());
        const QString problem = notice();
        key(Qt::Key_PageUp);
        for (int tick = 0; tick < 5; ++tick) {
            form->timer("Timer4")->fire();
        }
        QVERIFY(notice().startsWith("Answer: "));
        QCOMPARE(form->sentence(), problem + ' ' + notice());

        QAccessibleInterface* decimals =
            QAccessible::queryAccessibleInterface(form->control("Option3")->widget());
        decimals->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(static_cast<OptionButton*>(form->control("Option3"))->value());
        QVERIFY2(notice().startsWith("Problem: ") && notice().contains('.'), qPrintable(notice()));
    }

    // Escape Escape sent at once (by a remote or a script) comes with the second press
    // taken for the keyboard's repeat: it is a press of its own and goes two screens
    // back. A key held down repeats only after a delay, and then acts no more.
    void escape_escape_at_once_goes_two_screens_back() {
        const auto escape = [](bool repeat, quint64 at) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), repeat);
            press.setTimestamp(at);
            Form* form = screen();
            QApplication::sendEvent(form->focusWidget() ? form->focusWidget() : form, &press);
        };
        show_form("menu1");
        show_form("ordering");
        escape(false, 1000);
        escape(true, 1000);
        QCOMPARE(screen()->name(), QString("intro0"));
        show_form("menu1");
        show_form("ordering");
        escape(false, 5000);
        escape(true, 5600); // held down
        QCOMPARE(screen()->name(), QString("menu1"));
    }

    // On every activity Tab goes through the screen's controls in reading order, its
    // own first (the numbers still to place on Ordering), then the kinds, then Next,
    // Solution and Exit, and round to the start; Shift+Tab goes the same way back. The
    // marked control carries the focus mark; Return presses it.
    void tab_goes_through_each_activity_in_reading_order() {
        for (const ActivityInfo* record : chalkline::activities()) {
            const ActivityInfo& row = *record;
            auto* form = static_cast<ActivityForm*>(show_form(row.screen));
            const QString screen_name = row.screen;
            QList<Control*> forwards;
            for (int i = 0; i < 40; ++i) {
                key(Qt::Key_Tab);
                Control* marked = ScreenKeys::of(*form).focused();
                QVERIFY2(marked, qPrintable(screen_name));
                QWidget* mark = ScreenKeys::of(*form).focus_mark();
                QVERIFY2(mark && mark->isVisible() &&
                             mark->geometry().contains(marked->widget()->geometry()),
                         qPrintable(screen_name));
                if (!forwards.isEmpty() && marked == forwards.first()) {
                    break; // round to the start
                }
                forwards << marked;
            }
            const qsizetype n = forwards.size();
            QVERIFY2(n >= 3 && forwards[n - 3] == form->cmdgo && forwards[n - 2] == form->cmdsoln &&
                         forwards[n - 1] == form->cmdexit,
                     qPrintable(screen_name));
            for (Control* control : forwards) {
                auto* option = dynamic_cast<OptionButton*>(control);
                if (!option) {
                    continue;
                }
                // Every kind, after the screen's own controls and before Next.
                QVERIFY2(forwards.indexOf(control) < n - 3, qPrintable(screen_name));
            }
            QList<Control*> backwards;
            for (qsizetype i = 0; i < n; ++i) {
                key(Qt::Key_Tab, Qt::ShiftModifier);
                backwards.prepend(ScreenKeys::of(*form).focused());
            }
            QCOMPARE(backwards, forwards);
            cleanup();
        }
        auto* ordering = static_cast<chalkline::ordering::OrderingForm*>(show_form("ordering"));
        key(Qt::Key_Tab);
        QCOMPARE(ScreenKeys::of(*ordering).focused(), ordering->Label10[0]);
        const QString sentence = ordering->sentence();
        while (ScreenKeys::of(*ordering).focused() != ordering->cmdgo) {
            key(Qt::Key_Tab);
        }
        key(Qt::Key_Return);
        QVERIFY(ordering->sentence() != sentence);
    }

    // A screen reader presses a menu title through its action, as a click would; the
    // menu's link to itself, and "WWW Links", offer no action and take no focus; a
    // fraction reads as one value.
    void a_screen_reader_presses_what_a_click_presses() {
        Form* menu = show_form("menu2");
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(menu);
        QCOMPARE(window->text(QAccessible::Name), QString("Chalkline, Menu 2"));
        for (int inert : {1, 5}) {
            QAccessibleInterface* link =
                QAccessible::queryAccessibleInterface(menu->element("Label2", inert)->widget());
            QVERIFY(link->actionInterface()->actionNames().isEmpty());
            QVERIFY(!link->state().focusable);
            link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(screen(), menu);
        }
        QAccessibleInterface* title =
            QAccessible::queryAccessibleInterface(menu->element("Label3", 4)->widget());
        QCOMPARE(title->role(), QAccessible::Button);
        QCOMPARE(title->text(QAccessible::Name), QString("Mental Arithmetic"));
        title->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(screen()->name(), QString("fastmental"));

        cleanup();
        auto* four = static_cast<chalkline::fourrules::FourRulesForm*>(show_form("fourrules"));
        key(Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(QAccessible::queryAccessibleInterface(four->Label9)->text(QAccessible::Name),
                 four->Label9->caption() + " over " + four->Label10->caption());
        QVERIFY(QAccessible::queryAccessibleInterface(four->Label10)->state().invisible);
    }

    // On all 36 screens a key does one thing: the pen's keys, the same everywhere, take
    // none that a screen has for itself.
    void no_key_does_two_things_on_any_screen() {
        QStringList screens = {"Titlefrm", "intro0", "menu1", "menu2", "menu3", "menu4", "menu5"};
        for (const ActivityInfo* record : chalkline::activities()) {
            const ActivityInfo& row = *record;
            screens << row.screen;
        }
        QCOMPARE(screens.size(), 36);
        for (const QString& name : screens) {
            Form* form = show_form(name);
            QVERIFY2(form, qPrintable(name));
            QList<QKeyCombination> seen;
            for (const KeyBinding& row : ScreenKeys::of(*form).table()) {
                for (const QKeyCombination& combination : row.keys) {
                    QVERIFY2(!seen.contains(combination),
                             qPrintable(name + ": " + QKeySequence(combination).toString()));
                    seen << combination;
                }
            }
            QVERIFY2(seen.contains(QKeyCombination(Qt::Key_P)), qPrintable(name));
            cleanup();
        }
    }

    // B blanks the whole screen and the list of keys covers it, both following the
    // screen's size; the key or click that takes them away does nothing else.
    void the_blank_and_the_list_of_keys_cover_the_screen() {
        auto* form = static_cast<chalkline::fourrules::FourRulesForm*>(show_form("fourrules"));
        key(Qt::Key_PageUp);
        key(Qt::Key_B);
        QWidget* blank = open_overlay(*form);
        QVERIFY(blank);
        QCOMPARE(blank->geometry(), form->rect());
        form->setFixedSize(1200, 900); // as in full screen
        QCOMPARE(blank->geometry(), form->rect());
        key(Qt::Key_PageDown);
        QVERIFY(!overlay_open(*form));
        QVERIFY(form->Label5->visible()); // no new problem

        key(Qt::Key_Question, Qt::ShiftModifier);
        QWidget* list = open_overlay(*form);
        QVERIFY(list);
        for (const char* row : {"PageUp or S: Solution", "Ctrl+1 to Ctrl+3",
                                "F11 or Ctrl+F: full screen on and off"}) {
            QVERIFY2(list->accessibleDescription().contains(row), row);
        }
        QTest::mouseClick(list, Qt::LeftButton);
        QVERIFY(!overlay_open(*form));
        QVERIFY(form->Label5->visible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
