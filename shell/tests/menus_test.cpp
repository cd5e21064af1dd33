// SPDX-License-Identifier: GPL-3.0-or-later
// The first menu screen, the five menu screens and every move between screens, driven
// by real clicks and mouse moves on controls found by name.

#include "activity_form.h"
#include "activity_table.h"
#include "chalkline_version.h"
#include "lessons.h"
#include "menu_forms.h"
#include "pictures.h"
#include "program.h"
#include "screens.h"
#include "settings.h"
#include "title_form.h"
#include "twips.h"

#include <QRegularExpression>
#include <QtTest>

#include <random>

using namespace shell;

namespace {

// Stands in for an activity screen: nothing of its own, Exit back to its menu.
class TestActivity : public ActivityForm {
public:
    TestActivity(const QString& name, const QString& menu) : ActivityForm(name, name, menu) {}
    void start() override {}
    void cmdgo_Click() override {}
    void cmdsoln_Click() override {}
};

const QList<QPair<QString, QString>> kActivities = {{"matchthetarget", "menu1"},
                                                    {"Magicsquares", "menu1"},
                                                    {"ordering", "menu1"},
                                                    {"fastmental", "menu2"},
                                                    {"fourrules", "menu3"}};

// Each menu's title column: its width, the titles and the screens they open.
struct Page {
    double width;
    QStringList titles;
    QStringList screens; // "" for a title without an activity
};
Page page(int n) {
    // A title opens the screen named after its "=".
    static const QList<QPair<double, QStringList>> kPages = {
        {3405,
         {"Match the Target=matchthetarget", "Magic Squares=Magicsquares", "Spider Diagrams",
          "The 24 Puzzle", "Ordering=ordering", "Integer Squares"}},
        {3735,
         {"Number Squares", "Percentages", "Substitution", "Right-angled Triangles",
          "Mental Arithmetic=fastmental", "The Hundred Square"}},
        {6075,
         {"The Four Rules=fourrules", "Fractions, Decimals and Percentages", "Pythagorean Triples",
          "Order of Operations", "Number Wall", "Fractions Between"}},
        {3405,
         {"Pandigital Fractions", "Products", "Quadratic Factors", "Hidden Digits",
          "Roman Arithmetic", "Pascal's Triangle 1"}},
        {3975,
         {"Pascal's Triangle 2", "The Fibonacci Sequence", "Affine Ciphers", "Hailstone Numbers",
          "Leibniz' Triangle"}}};
    Page p{kPages[n - 1].first, {}, {}};
    for (const QString& entry : kPages[n - 1].second) {
        p.titles << entry.section('=', 0, 0);
        p.screens << entry.section('=', 1);
    }
    return p;
}
const QStringList kLinks = {"Menu 1", "Menu 2", "Menu 3", "Menu 4", "Menu 5", "WWW Links"};

// Registers a stand-in as a row of the activity table, at its title's place.
void register_activity(const QString& name, const QString& menu) {
    const int number = menu.right(1).toInt();
    const ActivityEntry row{name, number, int(page(number).screens.indexOf(name)),
                            [=] { return std::make_unique<TestActivity>(name, menu); }};
    register_activities({&row, 1});
}

// The one visible screen (nullptr unless exactly one is visible).
Form* visible_form() {
    Form* found = nullptr;
    for (Form* f : loaded_forms()) {
        if (f->isVisible()) {
            if (found) {
                return nullptr;
            }
            found = f;
        }
    }
    return found;
}

// Visible screens, then the hidden ones in brackets: "menu2 [intro0]".
QString screens() {
    QStringList shown, hidden;
    for (Form* f : loaded_forms()) {
        if (f->isVisible()) {
            shown << f->name();
        } else {
            hidden << "[" + f->name() + "]";
        }
    }
    shown.sort();
    hidden.sort();
    return (shown + hidden).join(' ');
}

// "Label2(3)" or "Command1" on the visible screen.
QWidget* widget_of(const QString& step) {
    const auto m = QRegularExpression(R"((\w+)(?:\((\d)\))?)").match(step);
    Form* form = visible_form();
    Control* c = !form                     ? nullptr
                 : m.captured(2).isEmpty() ? form->control(m.captured(1))
                                           : form->element(m.captured(1), m.captured(2).toInt());
    return c ? c->widget() : nullptr;
}

bool click(const QString& step) {
    QWidget* w = widget_of(step);
    if (w) {
        QTest::mouseClick(w, Qt::LeftButton);
    }
    return w != nullptr;
}

// Moves the pointer onto a control, or onto the screen background.
void move_over(const QString& step) {
    static int jiggle = 0;
    jiggle = (jiggle + 1) % 4;
    if (step == "background") {
        QTest::mouseMove(visible_form(), QPoint(40 + jiggle, 300));
    } else {
        QTest::mouseMove(widget_of(step), QPoint(20 + jiggle, 10));
    }
}

// The labels that show their black back: "Label1 Label2(3)".
QString lit(Form* form) {
    QStringList names;
    if (form->get<Label>("Label1")->opaque()) {
        names << "Label1";
    }
    for (Control* c : form->elements("Label2")) {
        if (static_cast<Label*>(c)->opaque()) {
            names << QString("Label2(%1)").arg(c->index());
        }
    }
    return names.join(' ');
}

// Posts input to a screen as the window system queues it while the program is busy: a
// key to its focused control (else the screen), a click on a control. Each event comes
// a second after the one before, so no click is taken for a double tap.
void post(QWidget* target, QEvent* event) {
    static quint64 time = 1'000'000;
    time += 1000;
    static_cast<QInputEvent*>(event)->setTimestamp(time);
    QCoreApplication::postEvent(target, event);
}
void post_key(Form* form, int key) {
    QWidget* target = form->focusWidget() ? form->focusWidget() : form;
    post(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    post(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}
void post_click(QWidget* target) {
    const QPointF at = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(at);
    post(target, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                 Qt::LeftButton, Qt::NoModifier));
    post(target, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                 Qt::NoButton, Qt::NoModifier));
}
// Handles what was queued, then lets the screens left go.
void handle_queue() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// The school's settings file, which gives the first menu its web address.
void school_web_address(const QTemporaryDir& folder, const QByteArray& address) {
    QDir(folder.path()).mkpath("school/Chalkline");
    QFile file(folder.filePath("school/Chalkline/chalkline.conf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(address.isEmpty() ? QByteArray() : "[General]\nwebAddress=" + address + "\n");
    file.close();
    load_settings({}, true);
}

class MenusTest : public QObject {
    Q_OBJECT

    QTemporaryDir config_;

private slots:
    void initTestCase() {
        register_title_form();
        register_menu_forms();
        set_address_opener([](const QUrl&) { return true; });
        // Open a lesson's dialog answers as if cancelled.
        set_lesson_dialogs(
            {[](QWidget*, const QString&, const QString&, bool) { return QString(); },
             [](QWidget*, const QString&, const QString&, bool) {}});
        // The first menu shows the school's web address; without one, none
        // (the_web_address_shows_only_when_configured).
        qputenv("XDG_CONFIG_HOME", config_.filePath("home").toUtf8());
        qputenv("XDG_CONFIG_DIRS", config_.filePath("school").toUtf8());
        school_web_address(config_, "https://maths.school.example/");
    }

    void init() {
        if (QTest::currentTestFunction() !=
            QByteArray("titles_are_enabled_exactly_when_their_screen_exists")) {
            for (const auto& [name, menu] : kActivities) {
                register_activity(name, menu);
            }
        }
    }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        reset_program_state();
    }

    // Runs first, before any activity screen is registered: a title lights up as its
    // screen becomes known, and only then.
    void titles_are_enabled_exactly_when_their_screen_exists() {
        QStringList known;
        for (int step = 0; step <= kActivities.size(); ++step) {
            for (int n = 1; n <= 5; ++n) {
                Form* menu = show_form(QString("menu%1").arg(n));
                for (int i = 0; i < page(n).titles.size(); ++i) {
                    const bool expected = known.contains(page(n).screens[i]);
                    QCOMPARE(menu->get<Label>("Label3", i)->enabled(), expected);
                }
                unload_form(menu->name());
            }
            if (step < kActivities.size()) {
                register_activity(kActivities[step].first, kActivities[step].second);
                known << kActivities[step].first;
            }
        }
    }

    // Where the load places the lists: links 750 apart with "WWW Links" 1500 below
    // "Menu 5" and disabled, titles centred in their column in table order (five on
    // menu5), every element shown; the heading centred; the caption of the window and
    // the background picture borrowed from intro0.
    void every_screen_builds_its_lists() {
        Form* intro = show_form("intro0");
        const auto row = [](Control* c) {
            auto* l = static_cast<Label*>(c);
            return QString("%1 %2,%3%4%5")
                .arg(l->caption())
                .arg(l->left())
                .arg(l->top())
                .arg(l->visible() ? "" : " hidden")
                .arg(l->enabled() ? "" : " disabled");
        };
        for (int n = 0; n <= 5; ++n) {
            Form* form = n == 0 ? intro : show_form(QString("menu%1").arg(n));
            QCOMPARE(form->caption(), QString("Chalkline"));
            QVERIFY(form->background_picture() == intro->background_picture());
            QStringList links, expected;
            for (Control* c : form->elements("Label2")) {
                links << row(c);
            }
            for (int i = 0; i < 6; ++i) {
                expected << QString("%1 9600,%2%3")
                                .arg(kLinks[i])
                                .arg(i == 5 ? 6900 : 2400 + 750 * i)
                                .arg(i == 5 ? " disabled" : "");
            }
            QCOMPARE(links, expected);
            if (n == 0) {
                continue;
            }
            QCOMPARE(form->get<Label>("Label1")->left(), (12000 - 3405) / 2.0);
            QStringList titles;
            expected.clear();
            for (Control* c : form->elements("Label3")) {
                titles << row(c);
            }
            const Page p = page(n);
            for (int i = 0; i < p.titles.size(); ++i) {
                expected << QString("%1 %2,%3%4")
                                .arg(p.titles[i])
                                .arg((12000 - p.width) / 2)
                                .arg(2400 + 750 * i)
                                .arg(p.screens[i].isEmpty() ? " disabled" : "");
            }
            QCOMPARE(titles, expected);
        }
    }

    // Every heading, link, title and the web address fits on one line of its label,
    // borders included, whatever face stands in for a missing one.
    void every_caption_fits_its_label() {
        for (int n = 0; n <= 5; ++n) {
            Form* form = show_form(n == 0 ? QString("intro0") : QString("menu%1").arg(n));
            std::vector<Control*> labels = form->elements("Label2");
            const auto titles = form->elements("Label3"); // none on intro0
            labels.insert(labels.end(), titles.begin(), titles.end());
            labels.push_back(form->control("Label1"));
            if (n == 0) {
                labels.push_back(form->control("Label4"));
            }
            for (Control* c : labels) {
                auto* l = static_cast<Label*>(c);
                const int room = l->QWidget::width() - 2 * (reference_px(1) + 1);
                QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->caption()) <= room,
                         qPrintable(form->name() + ": " + l->caption()));
            }
        }
    }

    // Every row of the navigation table: which screens are loaded and visible after
    // the move, whether the screen reached is a fresh load, and that closing it
    // through the window manager then ends the program rather than leave it unseen.
    void every_move_lands_on_its_screen_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("fresh");
        QTest::newRow("title OK") << "Titlefrm" << QStringList{"Command1"} << "intro0" << true;
        QTest::newRow("intro0 exit") << "intro0" << QStringList{"Command1"} << "Titlefrm" << true;
        QTest::newRow("title Cancel")
            << "intro0" << QStringList{"Command1", "Command1"} << "intro0" << true;
        QTest::newRow("intro0 WWW Links")
            << "intro0" << QStringList{"Label2(5)"} << "intro0" << false;
        QTest::newRow("intro0 web address")
            << "intro0" << QStringList{"Label4"} << "intro0" << false;
        for (int n = 1; n <= 5; ++n) {
            const QString menu = QString("menu%1").arg(n);
            const QString entry = QString("Label2(%1)").arg(n - 1);
            QTest::addRow("intro0 to %s", qPrintable(menu))
                << "intro0" << QStringList{entry} << menu << true;
            QTest::addRow("%s exit", qPrintable(menu))
                << "intro0" << QStringList{entry, "Command1"} << "intro0" << true;
            QTest::addRow("%s exit to the hidden intro0", qPrintable(menu))
                << menu << QStringList{"Command1"} << "intro0" << false;
            for (int k = 0; k <= 5; ++k) {
                const bool stays = k == 5 || k == n - 1;
                QTest::addRow("%s link %d", qPrintable(menu), k)
                    << "intro0" << QStringList{entry, QString("Label2(%1)").arg(k)}
                    << (stays ? menu : QString("menu%1 [intro0]").arg(k + 1)) << !stays;
            }
            const Page p = page(n);
            for (int i = 0; i < p.titles.size(); ++i) {
                const QString title = QString("Label3(%1)").arg(i);
                const bool opens = !p.screens[i].isEmpty();
                QTest::addRow("%s title %d", qPrintable(menu), i)
                    << "intro0" << QStringList{entry, title} << (opens ? p.screens[i] : menu)
                    << opens;
                if (opens) {
                    QTest::addRow("%s title %d exit", qPrintable(menu), i)
                        << "intro0" << QStringList{entry, title, "cmdexit"} << menu + " [intro0]"
                        << true;
                }
            }
        }
        QTest::newRow("activity exit loads intro0 hidden")
            << "fourrules" << QStringList{"cmdexit"} << "menu3 [intro0]" << true;
    }
    void every_move_lands_on_its_screen() {
        QFETCH(QString, start);
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        QFETCH(bool, fresh);
        QVERIFY(show_form(start));
        for (int i = 0; i < steps.size(); ++i) {
            if (i == steps.size() - 1) {
                for (Form* f : loaded_forms()) {
                    f->setProperty("before", true);
                }
            }
            QVERIFY2(click(steps[i]), qPrintable(steps[i]));
        }
        QCOMPARE(screens(), expected);
        Form* reached = visible_form();
        QVERIFY(reached);
        QCOMPARE(!reached->property("before").toBool(), fresh);
        QVERIFY(reached->window()->close());
        QVERIFY(program_ended());
        QVERIFY(loaded_forms().empty());
    }

    // From menu1 to menu2 loads intro0 hidden; menu2's exit shows that same intro0
    // without running its load again, and leaving it unloads it for good.
    void a_hidden_intro0_is_shown_as_it_stands() {
        show_form("intro0");
        QVERIFY(click("Label2(0)") && click("Label2(1)"));
        QCOMPARE(screens(), QString("menu2 [intro0]"));
        loaded_form("intro0")->get<Label>("Label2", 1)->set_caption("kept");
        QVERIFY(click("Command1"));
        QCOMPARE(screens(), QString("intro0"));
        QCOMPARE(visible_form()->get<Label>("Label2", 1)->caption(), QString("kept"));
        QCOMPARE(visible_form()->elements("Label2").size(), size_t(6));
        QVERIFY(click("Label2(2)") && click("Command1"));
        QCOMPARE(visible_form()->get<Label>("Label2", 1)->caption(), QString("Menu 2"));
    }

    // Input queued for a screen that a move has just left never acts on it: its keys go
    // on to the screen in use, its clicks go nowhere, and one screen is visible after
    // every burst, whatever the burst holds.
    void queued_input_reaches_only_the_screen_in_use() {
        // Escape Escape from an activity: two screens back, as the teacher meant.
        Form* activity = show_form("ordering");
        post_key(activity, Qt::Key_Escape);
        post_key(activity, Qt::Key_Escape);
        handle_queue();
        QCOMPARE(screens(), QString("intro0"));
        // Escape and Return on Menu 1 with its first title marked: the first menu alone.
        Form* menu = show_form("menu1");
        QTest::keyClick(menu, Qt::Key_Tab);
        post_key(menu, Qt::Key_Escape);
        post_key(menu, Qt::Key_Return);
        handle_queue();
        QCOMPARE(screens(), QString("intro0"));

        const QStringList starts = {"intro0", "menu1",    "menu2",      "menu3",    "menu4",
                                    "menu5",  "ordering", "fastmental", "fourrules"};
        const int keys[] = {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return, Qt::Key_Space,
                            Qt::Key_Escape};
        for (unsigned seed = 0; seed < 400; ++seed) {
            std::mt19937 random(seed);
            const auto below = [&random](int n) { return int(random() % unsigned(n)); };
            cleanup();
            Form* form = show_form(starts[below(int(starts.size()))]);
            for (int tabs = below(8); tabs > 0; --tabs) {
                QTest::keyClick(form, Qt::Key_Tab);
            }
            std::vector<QWidget*> targets;
            for (QWidget* w : form->findChildren<QWidget*>()) {
                if (dynamic_cast<Control*>(w) && w->isVisible() && w->isEnabled()) {
                    targets.push_back(w);
                }
            }
            for (int events = 2 + below(5); events > 0; --events) {
                if (below(3) == 0 && !targets.empty()) {
                    post_click(targets[std::size_t(below(int(targets.size())))]);
                } else {
                    post_key(form, keys[below(int(std::size(keys)))]);
                }
            }
            handle_queue();
            if (program_ended()) { // the title screen's Exit
                QVERIFY(loaded_forms().empty());
                continue;
            }
            QVERIFY2(visible_form() && visible_form() == current_form(),
                     qPrintable(QString("seed %1: %2").arg(seed).arg(screens())));
        }
    }

    // The exit button of intro0 brings the title screen back as the confirmation.
    // While the title screen waits for its key, the first menu's picture is decoded at
    // the size the menu shows it at: OK then finds it ready.
    void the_first_menu_picture_is_ready_while_the_title_waits() {
        clear_picture_cache();
        Form* title = show_form("Titlefrm");
        QVERIFY(QTest::qWaitForWindowExposed(title->window()));
        const QSize stage(px(12000), px(9000));
        const Picture menu = picture_or_none("Images\\menu1.jpg");
        QVERIFY(!background_ready(menu, stage, title->devicePixelRatioF()));
        QTRY_VERIFY(background_ready(menu, stage, title->devicePixelRatioF()));
    }

    void intro0_exit_asks_with_cancel() {
        show_form("Titlefrm");
        QCOMPARE(visible_form()->get<CommandButton>("Command1")->caption(), QString("OK"));
        QVERIFY(click("Command1") && click("Command1"));
        QCOMPARE(visible_form()->get<CommandButton>("Command1")->caption(), QString("Cancel"));
        QVERIFY(click("Command2"));
        QVERIFY(program_ended());
    }

    // The web address goes to the platform; whatever it answers, nothing else happens.
    void the_web_address_is_handed_over_and_the_answer_ignored() {
        for (const bool answer : {true, false}) {
            QList<QUrl> asked;
            set_address_opener([&](const QUrl& url) {
                asked << url;
                return answer;
            });
            show_form("intro0");
            QVERIFY(click("Label4"));
            QCOMPARE(asked, QList<QUrl>{web_address()});
            QCOMPARE(screens(), QString("intro0"));
            const auto windows = QApplication::topLevelWidgets();
            QCOMPARE(std::count_if(windows.begin(), windows.end(),
                                   [](QWidget* w) { return w->isVisible(); }),
                     1);
            cleanup();
        }
        set_address_opener([](const QUrl&) { return true; });
    }

    // Highlight under the pointer: lit on entry, cleared only by the background or a
    // disabled label, so two labels can stay lit; the titles never go transparent.
    void labels_light_up_under_the_pointer_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("expected");
        QTest::newRow("intro0 at rest") << "intro0" << QStringList{} << "";
        QTest::newRow("intro0 two lit")
            << "intro0" << QStringList{"Label1", "Label2(2)"} << "Label1 Label2(2)";
        QTest::newRow("intro0 background")
            << "intro0" << QStringList{"Label2(0)", "Label2(4)", "background"} << "";
        QTest::newRow("intro0 WWW Links")
            << "intro0" << QStringList{"Label2(3)", "Label2(5)"} << "";
        QTest::newRow("intro0 web address and notice")
            << "intro0" << QStringList{"Label2(1)", "Label4", "Label3", "Command1"} << "Label2(1)";
        QTest::newRow("menu heading at rest") << "menu1" << QStringList{} << "Label1";
        QTest::newRow("menu background") << "menu1" << QStringList{"background"} << "";
        QTest::newRow("menu disabled title") << "menu1" << QStringList{"Label3(2)"} << "";
        QTest::newRow("menu enabled title") << "menu1" << QStringList{"Label3(0)"} << "Label1";
        QTest::newRow("menu link and heading")
            << "menu4" << QStringList{"background", "Label2(3)", "Label1"} << "Label1 Label2(3)";
        QTest::newRow("menu5 empty sixth place")
            << "menu5" << QStringList{"Label2(0)", "place"} << "";
    }
    void labels_light_up_under_the_pointer() {
        QFETCH(QString, screen);
        QFETCH(QStringList, moves);
        QFETCH(QString, expected);
        Form* form = show_form(screen);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        for (const QString& move : moves) {
            if (move == "place") {
                // Where a sixth title would stand: 2400 + 5 * 750 twips down, centred.
                QTest::mouseMove(form, QPoint(400, 420));
            } else {
                move_over(move);
            }
        }
        QCOMPARE(lit(form), expected);
        for (Control* c : form->elements("Label3")) {
            QVERIFY(static_cast<Label*>(c)->opaque());
        }
    }

    // No placeholder is shown to the class: the place of the address stays empty, and
    // neither the keys nor a screen reader find it, unless an address is configured.
    void the_web_address_shows_only_when_configured() {
        QCOMPARE(show_form("intro0")->get<Label>("Label4")->caption(),
                 QString("maths.school.example"));
        cleanup();
        school_web_address(config_, {});
        if (QByteArrayView(kChalklineMenuAddress).isEmpty()) {
            QCOMPARE(web_address(), QUrl());
            Form* intro = show_form("intro0");
            QVERIFY(!intro->get<Label>("Label4")->isVisibleTo(intro));
        }
        cleanup();
        school_web_address(config_, "https://maths.school.example/");
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
