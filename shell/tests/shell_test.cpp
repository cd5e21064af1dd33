// SPDX-License-Identifier: GPL-3.0-or-later
// The screen layer, style_form, the title screen and the activity frame, driven as a
// person would: real clicks and mouse moves on controls found by name.

#include "activity_form.h"
#include "handlers.h"
#include "overlays.h"
#include "pictures.h"
#include "program.h"
#include "program_icon.h"
#include "screens.h"
#include "style_form.h"
#include "title_form.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace shell;

namespace {

// A bare screen for exercising the layer; records the events it receives.
class ProbeForm : public Form {
public:
    explicit ProbeForm(const QString& name = "probe") : Form(name, 6000, 4000) {
        add_label(this, {.name = "Label2",
                         .index = 0,
                         .left = 300,
                         .top = 600,
                         .width = 1500,
                         .height = 400,
                         .caption = "Menu 1",
                         .font = {"Tahoma", 18, true},
                         .border = true,
                         .visible = false});
        auto* off = add_label(this, {.name = "Label9",
                                     .left = 3000,
                                     .top = 300,
                                     .width = 1500,
                                     .height = 600,
                                     .caption = "off",
                                     .enabled = false});
        off->on_click = [this](int) { events << "Label9_Click"; };
        off->on_mouse_move = [this](int, const MouseArgs&) { events << "Label9_MouseMove"; };
        auto* on = add_label(this, {.name = "Label10",
                                    .left = 3000,
                                    .top = 1500,
                                    .width = 1500,
                                    .height = 600,
                                    .caption = "on"});
        on->on_mouse_up = [this](int, const MouseArgs& a) {
            events << QString("Label10_MouseUp %1,%2").arg(a.x).arg(a.y);
        };
        on->on_click = [this](int) { events << "Label10_Click"; };
        tick = add_timer("Timer1", 250, false);
        tick->on_tick = [this] { ++ticks; };
        ++constructed;
    }
    void Form_Load() override { ++loads; }
    void Form_MouseMove(const MouseArgs& a) override {
        events << QString("Form_MouseMove %1,%2").arg(a.x).arg(a.y);
    }

    QStringList events;
    Timer* tick;
    int loads = 0;
    int ticks = 0;
    static inline int constructed = 0;
};

// An activity screen with nothing of its own, to test the frame.
class FrameProbe : public ActivityForm {
public:
    FrameProbe() : ActivityForm("frameprobe", "Frame Probe", "menuprobe", "Framestatus") {
        framestatus->move(100, 100, 500, 500); // the design place is overridden by the styling
        cmdgo->move(0, 0, 100, 100);
        Option1 =
            add_option(this, "Option1", "Positive Whole Numbers", 9075, 4755, 2655, 435, 9.75);
        recoloured = {"Option1"};
    }
    void start() override { ++problems; }
    void cmdgo_Click() override { ++problems; }
    void cmdsoln_Click() override { ++solutions; }
    OptionButton* Option1;
    int problems = 0;
    int solutions = 0;
};

QWidget* find_widget(const QString& form, const QString& name) {
    Form* f = loaded_form(form);
    return f ? f->control(name)->widget() : nullptr;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        register_form("probe", [] { return std::make_unique<ProbeForm>(); });
        register_form("other", [] { return std::make_unique<ProbeForm>("other"); });
        register_form("frameprobe", [] { return std::make_unique<FrameProbe>(); });
        register_form("menuprobe", [] { return std::make_unique<ProbeForm>("menuprobe"); });
        register_title_form();
    }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        settle();
        reset_program_state();
        set_desktop_pixels(0, 0);
        set_twips_per_pixel(15);
    }

    // The window lands where the styling rule puts it, on any desktop.
    void style_form_places_the_window_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::newRow("800x600 fills the desktop") << 800 << 600 << 0.0 << 0.0;
        QTest::newRow("1024x768 shifts 840 left") << 1024 << 768 << 840.0 << 1260.0;
        QTest::newRow("narrower desktop reaches past the left edge")
            << 640 << 480 << -1200.0 << -900.0;
    }
    void style_form_places_the_window() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, left);
        QFETCH(double, top);
        set_desktop_pixels(width, height);
        Form* form = touch_form("probe");
        style_form(*form);
        QCOMPARE(form->left_twips(), left);
        QCOMPARE(form->top_twips(), top);
        QCOMPARE(form->outer_width(), 12000.0);
        QCOMPARE(form->size(), QSize(800, 600));
        QCOMPARE(form->back_colour(), kStyleBlue);
    }

    // The status panel and its buttons end up in one place whatever their design, and
    // the status frame is found whatever the case of its name.
    void style_form_places_the_status_panel() {
        set_desktop_pixels(1024, 768);
        auto* form = static_cast<FrameProbe*>(touch_form("frameprobe"));
        QCOMPARE(form->framestatus->objectName(), QString("Framestatus"));
        QCOMPARE(form->framestatus->geometry(), QRect(680, 457, 115, 110));
        QCOMPARE(form->framestatus->back_colour(), kStyleBlue);
        QVERIFY(!form->framestatus->border());
        const struct {
            PictureButton* button;
            QRect place;
        } buttons[] = {{form->cmdgo, {2, 2, 110, 33}},
                       {form->cmdsoln, {2, 39, 110, 33}},
                       {form->cmdexit, {2, 75, 110, 33}}};
        for (const auto& b : buttons) {
            QCOMPARE(b.button->geometry(), b.place);
            QCOMPARE(b.button->top(), b.button == form->cmdgo ? 30.0 : b.button->top());
            QCOMPARE(b.button->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(form->cmdsoln->top(), 580.0);
        QCOMPARE(form->cmdexit->top(), 1130.0);
    }

    // Every size goes through one factor: halving the twips per pixel doubles geometry,
    // fonts and line widths alike.
    void one_factor_scales_geometry_and_fonts() {
        auto* form = static_cast<ProbeForm*>(touch_form("probe"));
        auto* label = form->get<Label>("Label10");
        QCOMPARE(label->geometry(), QRect(200, 100, 100, 40));
        QCOMPARE(label->font().pixelSize(), font_px(8.25));
        set_twips_per_pixel(7.5);
        form->apply_scale();
        QCOMPARE(label->geometry(), QRect(400, 200, 200, 80));
        QCOMPARE(label->font().pixelSize(), 22);
        QCOMPARE(form->size(), QSize(800, 533));
        QCOMPARE(reference_px(2), 4);
    }

    // Lookup ignores case; array elements are found by index only.
    void controls_are_found_by_name_without_regard_to_case() {
        Form* form = touch_form("probe");
        QVERIFY(form->control("LABEL10") == form->control("label10"));
        QVERIFY(form->control("Label2") == nullptr);
        QVERIFY(form->element("label2", 0) != nullptr);
        QVERIFY(form->timer("timer1") != nullptr);
    }

    // A loaded element copies element 0 (caption, font, colours, size, enabled state)
    // and starts invisible.
    void load_element_copies_element_zero_invisible() {
        Form* form = touch_form("probe");
        auto* first = form->get<Label>("Label2", 0);
        first->set_visible(true);
        first->set_enabled(false);
        Label* copy = form->load_element("Label2", 3);
        QCOMPARE(copy->index(), 3);
        QCOMPARE(copy->caption(), QString("Menu 1"));
        QCOMPARE(copy->font_spec().size, 18.0);
        QVERIFY(copy->border());
        QCOMPARE(copy->geometry(), first->geometry());
        QVERIFY(!copy->visible());
        QVERIFY(!copy->enabled());
        QCOMPARE(form->elements("Label2").size(), size_t(2));
        QVERIFY(form->load_element("Label2", 3) == copy);
    }

    // Mouse-up comes before click, with the position in the label's own twips; a
    // disabled label raises nothing and its movement reaches the form.
    void label_events_follow_the_mouse() {
        auto* form = static_cast<ProbeForm*>(show_form("probe"));
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::mouseClick(find_widget("probe", "Label10"), Qt::LeftButton, {}, QPoint(10, 4));
        QCOMPARE(form->events, QStringList({"Label10_MouseUp 150,60", "Label10_Click"}));
        form->events.clear();
        QWidget* off = find_widget("probe", "Label9");
        QTest::mouseClick(off, Qt::LeftButton);
        QTest::mouseMove(off, QPoint(5, 5));
        QTRY_VERIFY(!form->events.isEmpty());
        QVERIFY(!form->events.contains("Label9_Click"));
        QVERIFY(!form->events.contains("Label9_MouseMove"));
        // Label9 is at 200,20 pixels; the form hears 205,25 pixels as twips.
        QCOMPARE(form->events.last(), QString("Form_MouseMove 3075,375"));
    }

    // Show loads and runs Form_Load once; touch loads hidden; unload discards, so the
    // next show is a fresh load with its design state.
    void forms_load_show_touch_and_unload() {
        const int before = ProbeForm::constructed;
        auto* hidden = static_cast<ProbeForm*>(touch_form("probe"));
        QVERIFY(!hidden->isVisible());
        QCOMPARE(hidden->loads, 1);
        auto* shown = static_cast<ProbeForm*>(show_form("probe"));
        QVERIFY(shown == hidden);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->loads, 1);
        shown->get<Label>("Label10")->set_caption("changed");
        unload_form("probe");
        QVERIFY(loaded_form("probe") == nullptr);
        settle();
        auto* fresh = static_cast<ProbeForm*>(show_form("probe"));
        QCOMPARE(fresh->get<Label>("Label10")->caption(), QString("on"));
        QCOMPARE(ProbeForm::constructed, before + 2);
        QVERIFY(show_form("no such screen") == nullptr);
    }

    // Tests fire ticks; an unloaded form's timer never ticks again, fired or real.
    void timers_tick_only_while_enabled_and_loaded() {
        auto* form = static_cast<ProbeForm*>(touch_form("probe"));
        Timer* timer = form->tick;
        QVERIFY(!timer->fire());
        timer->set_enabled(true);
        QVERIFY(timer->running());
        QVERIFY(timer->fire());
        QCOMPARE(form->ticks, 1);
        QPointer<Timer> guard(timer);
        unload_form("probe");
        QVERIFY(!timer->running());
        QVERIFY(!timer->fire());
        QCOMPARE(form->ticks, 1);
        settle();
        QVERIFY(guard.isNull());
    }

    // The one test that waits: a real timer ticks by itself.
    void a_real_timer_ticks_on_its_own() {
        auto* form = static_cast<ProbeForm*>(touch_form("probe"));
        form->tick->set_interval(10);
        form->tick->set_enabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(form->ticks >= 2, 2000);
    }

    // Closing the program's window through the window manager leaves the screen it shows
    // and ends the program, even when another screen is still loaded hidden.
    void window_manager_close_never_leaves_an_invisible_program() {
        show_form("probe");
        show_form("other");
        touch_form("menuprobe");
        QCOMPARE(loaded_form("other")->window(), loaded_form("probe")->window());
        QVERIFY(loaded_form("other")->window()->close());
        QVERIFY(loaded_form("other") == nullptr);
        QVERIFY(program_ended());
        QCOMPARE(exit_status(), 0);
        QVERIFY(loaded_forms().empty());
    }

    // Each picture is read once per run and decoded once at each size it is drawn at; a
    // new scale decodes it again at the new size, once. Buttons name their word.
    void pictures_are_decoded_once_per_size_and_named() {
        clear_picture_cache();
        const Picture menu = load_picture("Images\\menu1.jpg");
        QVERIFY(menu == load_picture("Images/menu1.jpg"));
        QCOMPARE(menu.pixels(), QSize(2400, 1800));
        QCOMPARE(menu.own_size(), QSizeF(12000, 9000));
        QCOMPARE(picture_word("Images\\solution.jpg"), QString("Solution"));
        for (int visit = 0; visit < 2; ++visit) {
            auto* form = static_cast<FrameProbe*>(show_form("frameprobe"));
            QCOMPARE(form->cmdgo->accessibleName(), QString("Next"));
            QVERIFY(form->cmdgo->text().isEmpty());
            form->grab();
            QCOMPARE(picture_stats().decodes, 3);
            unload_form("frameprobe");
        }
        set_twips_per_pixel(7.5);
        auto* form = show_form("frameprobe");
        form->grab();
        form->grab();
        QCOMPARE(picture_stats().decodes, 6);
        QCOMPARE(picture_stats().repeated, 0);
    }

    // The frame: own blue, recoloured options, first problem at load, Exit back to the
    // listing menu with the activity unloaded.
    void activity_frame_loads_and_exits_to_its_menu() {
        auto* form = static_cast<FrameProbe*>(show_form("frameprobe"));
        QCOMPARE(form->problems, 1);
        QCOMPARE(form->windowIcon().cacheKey(), program_icon().cacheKey());
        QCOMPARE(form->back_colour(), kScreenBlue);
        QCOMPARE(form->Option1->back_colour(), kScreenBlue);
        QCOMPARE(form->Option1->fore_colour(), kYellow);
        QTest::mouseClick(form->cmdgo, Qt::LeftButton);
        QTest::mouseClick(form->cmdsoln, Qt::LeftButton);
        QCOMPARE(form->problems, 2);
        QCOMPARE(form->solutions, 1);
        QTest::mouseClick(form->cmdexit, Qt::LeftButton);
        QVERIFY(loaded_form("frameprobe") == nullptr);
        QVERIFY(loaded_form("menuprobe")->isVisible());
    }

    // A cover over the screen (the blank, the list of keys) holds its timers where they
    // are and lets them go on from there; a drag in hand goes back where it started and
    // a button held down is let go without a click.
    void a_cover_holds_the_timers_and_lets_go_of_the_pointer() {
        auto* form = static_cast<FrameProbe*>(show_form("frameprobe"));
        Timer* reveal = form->add_timer("Timer4", 250, true);
        int ticks = 0;
        reveal->on_tick = [&ticks] { ++ticks; };
        for (const int cover : {Qt::Key_B, Qt::Key_F1}) {
            ticks = 0;
            QTest::keyClick(form, Qt::Key(cover));
            QVERIFY(overlay_open(*form));
            const int left = reveal->remaining_ms();
            QVERIFY(!reveal->running() && left > 0 && left <= 250);
            QVERIFY(!reveal->fire());
            QTest::qWait(350);
            QCOMPARE(ticks, 0);
            QCOMPARE(reveal->remaining_ms(), left);
            QTest::keyClick(form, Qt::Key_Space);
            QVERIFY(!overlay_open(*form) && reveal->running());
            QVERIFY(reveal->remaining_ms() <= left);
            QTRY_VERIFY_WITH_TIMEOUT(ticks == 1, 2000);
        }

        auto* tile = form->add_label(form, {.name = "Tile",
                                            .left = 1200,
                                            .top = 900,
                                            .width = 600,
                                            .height = 450,
                                            .caption = "7"});
        // The tile follows the pointer centred under it, and lands where it is let go.
        const auto follow = [tile](int, const MouseArgs& a) {
            tile->move(tile->left() + a.x - 300, tile->top() + a.y - 225, 600, 450);
        };
        int drops = 0;
        tile->on_mouse_move = follow;
        tile->on_mouse_up = [&](int index, const MouseArgs& a) {
            ++drops;
            follow(index, a);
        };
        QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(tile, QPoint(200, 150));
        QVERIFY(tile->left() != 1200);
        QTest::keyClick(form, Qt::Key_B);
        QCOMPARE(QPointF(tile->left(), tile->top()), QPointF(1200, 900));
        QTest::mouseMove(tile, QPoint(100, 100));
        QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(drops, 1);
        QCOMPARE(QPointF(tile->left(), tile->top()), QPointF(1200, 900));
        QTest::keyClick(form, Qt::Key_Space);

        const int problems = form->problems;
        QTest::mousePress(form->cmdgo, Qt::LeftButton);
        QTest::keyClick(form, Qt::Key_B);
        QTest::mouseRelease(form->cmdgo, Qt::LeftButton);
        QCOMPARE(form->problems, problems);
        QVERIFY(!form->cmdgo->isDown());
    }

    // The title screen centres itself by its own rule and keeps its size; Exit ends the
    // program from either state.
    void title_screen_centres_and_exits() {
        set_desktop_pixels(1024, 768);
        auto* title = static_cast<TitleForm*>(show_form("Titlefrm"));
        QCOMPARE(title->left_twips(), 4950.0);
        QCOMPARE(title->top_twips(), 2475.0);
        QCOMPARE(title->size(), QSize(364, 438));
        QVERIFY(!title->Picture1->picture().isNull());
        QCOMPARE(title->Command1->caption(), QString("OK"));
        // Taskbars and window switchers show the program's name and its drawn icon.
        QCOMPARE(title->caption(), QString("Chalkline"));
        QCOMPARE(title->windowIcon().cacheKey(), program_icon().cacheKey());
        QCOMPARE(program_icon().pixmap(32).toImage().pixelColor(16, 16), QColor(0x1e, 0x5a, 0x46));
        title->Command1->set_caption("Cancel");
        QTest::mouseClick(title->Command2, Qt::LeftButton);
        QVERIFY(program_ended());
        QCOMPARE(exit_status(), 0);
    }

    // Without its picture the start is checked and ends with a report naming the file
    // and status 1; a screen that loads once the program runs shows without it.
    void title_screen_without_its_picture_fails_with_a_report() {
        QTemporaryDir dir;
        const QString home = QDir::currentPath();
        QDir::setCurrent(dir.path());
        clear_picture_cache();
        try {
            check_program_pictures();
            QFAIL("the check passed without the title picture");
        } catch (const PictureError& e) {
            QCOMPARE(e.path(), QString("opening/vorlen00.jpg"));
            QVERIFY(e.report().contains("none of the folders searched"));
            fail_with(e);
        }
        QVERIFY(program_ended());
        QCOMPARE(exit_status(), 1);
        reset_program_state();
        auto* title = static_cast<TitleForm*>(show_form("Titlefrm"));
        QVERIFY(title->isVisible() && title->Picture1->picture().isNull());
        QCOMPARE(failed_pictures(), QStringList{"opening/vorlen00.jpg"});
        run_handler([] { throw PictureError("Images/next.jpg", "the file does not exist"); });
        QVERIFY(!program_ended());
        QDir::setCurrent(home);
        clear_picture_cache();
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
