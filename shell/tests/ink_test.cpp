// SPDX-License-Identifier: GPL-3.0-or-later
// The pen layer as a teacher meets it: strokes drawn with the pointer over an activity,
// through its problems, its screens, a change of scale, and Ctrl+S.

#include "activity_form.h"
#include "ink.h"
#include "keys.h"
#include "pen_strip.h"
#include "screens.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTemporaryDir>
#include <QtTest>

using namespace shell;

namespace {

class InkProbe : public ActivityForm {
public:
    InkProbe() : ActivityForm("inkprobe", "Ink Probe", "inkmenu") {
        Option1 =
            add_option(this, "Option1", "Positive Whole Numbers", 9075, 4755, 2655, 435, 9.75);
        Option1->on_click = [this](int) { ++problems; };
        kind_options = {Option1};
    }
    void start() override { ++problems; }
    void cmdgo_Click() override { ++problems; }
    void cmdsoln_Click() override { ++solutions; }
    OptionButton* Option1;
    int problems = 0;
    int solutions = 0;
};

class Menu : public Form {
public:
    Menu() : Form("inkmenu", 12000, 9000) { ScreenKeys::of(*this); }
};

InkLayer& ink(Form* form) {
    return *ink_layer(*form);
}

int strokes(Form* form) {
    int count = 0;
    ink(form).sheet().for_each_shown([&](const InkStroke&) { ++count; });
    return count;
}

// A drag of the pointer on the layer through points in twips on the design.
void drag(Form* form, const std::vector<QPointF>& twips) {
    QWidget* layer = &ink(form);
    const auto at = [](QPointF t) { return QPoint(px(t.x()), px(t.y())); };
    QTest::mousePress(layer, Qt::LeftButton, {}, at(twips.front()));
    for (const QPointF& t : twips) {
        QTest::mouseMove(layer, at(t));
    }
    QTest::mouseRelease(layer, Qt::LeftButton, {}, at(twips.back()));
}

// The colour the class sees at a place in twips on the design.
QColor seen_at(Form* form, QPointF twips) {
    const QImage board = form->grab(form->stage()->geometry()).toImage();
    return board.pixelColor(px(twips.x()), px(twips.y()));
}

const std::vector<QPointF> kStroke = {{3000, 3000}, {3600, 3050}, {4200, 3000}, {4800, 3100}};

} // namespace

class InkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        register_form("inkprobe", [] { return std::make_unique<InkProbe>(); });
        register_form("inkmenu", [] { return std::make_unique<Menu>(); });
    }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        set_twips_per_pixel(15);
    }

    // With the pen off a click reaches the screen; on, a stroke that starts on a button
    // draws and does not press it. The strip's tools are buttons a reader can press.
    void the_pen_decides_what_a_press_does() {
        auto* form = static_cast<InkProbe*>(show_form("inkprobe"));
        QTest::mouseClick(form->cmdgo, Qt::LeftButton);
        QCOMPARE(form->problems, 2);
        QCOMPARE(ink(form).mode(), PenMode::Off);

        QTest::keyClick(form, Qt::Key_P);
        QCOMPARE(ink(form).mode(), PenMode::Draw);
        const QPointF go(10200 + 800, 6850 + 250);
        drag(form, {go, go + QPointF(600, -900), go + QPointF(-2000, -1500)});
        QCOMPARE(form->problems, 2);
        QCOMPARE(strokes(form), 1);
        QVERIFY(!form->cmdgo->isDown());

        // The strip: the eraser takes the stroke, undo brings it back, a colour puts the
        // pen on, and the pen's button puts it off.
        PenStrip* strip = ink(form).strip();
        QAccessibleInterface* eraser = QAccessible::queryAccessibleInterface(strip->buttons()[5]);
        QCOMPARE(eraser->role(), QAccessible::Button);
        QCOMPARE(eraser->text(QAccessible::Name), QString("Eraser"));
        eraser->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(ink(form).mode(), PenMode::Erase);
        drag(form, {go + QPointF(-1000, -2000), go + QPointF(-1000, 0)});
        QCOMPARE(strokes(form), 0);
        QTest::keyClick(form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(strokes(form), 1);
        QTest::mouseClick(strip->buttons()[3], Qt::LeftButton);
        QCOMPARE(ink(form).mode(), PenMode::Draw);
        QCOMPARE(InkLayer::colour(), 2);
        QTest::mouseClick(strip->buttons()[0], Qt::LeftButton);
        QCOMPARE(ink(form).mode(), PenMode::Off);
        QTest::mouseClick(form->cmdgo, Qt::LeftButton);
        QCOMPARE(form->problems, 3);
    }

    // One finger writes and a second is passed over; a drag in hand when the pen comes
    // on goes back where it started, and the pointer writes from then on.
    void a_finger_writes_and_a_drag_in_hand_lets_go() {
        auto* form = static_cast<InkProbe*>(show_form("inkprobe"));
        QTest::keyClick(form, Qt::Key_P);
        static QPointingDevice* board = QTest::createTouchDevice();
        QWidget* layer = &ink(form);
        QTest::touchEvent(layer, board).press(0, {100, 100});
        QTest::touchEvent(layer, board).move(0, {150, 110}).press(1, {400, 300});
        QTest::touchEvent(layer, board).move(0, {200, 140}).move(1, {450, 350});
        QTest::touchEvent(layer, board).release(0, {250, 150}).release(1, {450, 350});
        QCOMPARE(strokes(form), 1);
        ink(form).sheet().for_each_shown(
            [](const InkStroke& stroke) { QCOMPARE(stroke.box.right, 250 * 15); });
        QTest::keyClick(form, Qt::Key_P);

        int drops = 0;
        auto* tile =
            form->add_label(form, {.name = "Tile", .width = 600, .height = 450, .caption = "7"});
        tile->on_mouse_up = [&](int, const MouseArgs&) { ++drops; };
        QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(form, Qt::Key_P);
        QCOMPARE(drops, 1);
        QCOMPARE(ink(form).mode(), PenMode::Draw);
        QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(drops, 1);
        drag(form, kStroke);
        QCOMPARE(strokes(form), 2);
    }

    // The ink belongs to the problem: Next and a kind clear it, Solution keeps it, and a
    // screen shown anew has none, with the pen off, even when a stroke was still being
    // drawn as the screen was left.
    void ink_belongs_to_the_problem() {
        auto* form = static_cast<InkProbe*>(show_form("inkprobe"));
        QTest::keyClick(form, Qt::Key_P);
        drag(form, kStroke);
        QTest::keyClick(form, Qt::Key_S);
        QCOMPARE(form->solutions, 1);
        QCOMPARE(strokes(form), 1);
        QTest::keyClick(form, Qt::Key_N);
        QCOMPARE(strokes(form), 0);
        QCOMPARE(ink(form).mode(), PenMode::Draw);
        drag(form, kStroke);
        QTest::keyClick(form, Qt::Key_K);
        QCOMPARE(strokes(form), 0);
        QCOMPARE(ink(form).ink_bytes(), std::size_t(0));

        QWidget* layer = &ink(form);
        QTest::mousePress(layer, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(layer, QPoint(150, 120));
        QTest::keyClick(form, Qt::Key_Escape);
        Form* menu = loaded_form("inkmenu");
        QVERIFY(menu && menu->isVisible());
        QTest::mouseMove(&ink(menu), QPoint(300, 200));
        QTest::mouseRelease(&ink(menu), Qt::LeftButton, {}, QPoint(300, 200));
        QCOMPARE(strokes(menu), 0);
        QCOMPARE(ink(menu).mode(), PenMode::Off);
    }

    // Strokes are kept on the design: at another scale, and after a change of scale in
    // the middle of a stroke, the ink stands over the same place.
    void ink_stays_over_the_design_at_any_scale() {
        auto* form = static_cast<InkProbe*>(show_form("inkprobe"));
        QTest::keyClick(form, Qt::Key_2, Qt::AltModifier);
        drag(form, kStroke);
        const QPointF on = kStroke.front(), off(3600, 4000);
        QCOMPARE(seen_at(form, on), kYellow);
        QCOMPARE(seen_at(form, off), kScreenBlue);

        QWidget* layer = &ink(form);
        QTest::mousePress(layer, Qt::LeftButton, {}, QPoint(px(3000), px(6000)));
        QTest::mouseMove(layer, QPoint(px(3500), px(6000)));
        set_twips_per_pixel(7.5);
        form->apply_scale();
        QTest::mouseMove(layer, QPoint(px(4000), px(6000)));
        QTest::mouseRelease(layer, Qt::LeftButton, {}, QPoint(px(4500), px(6000)));
        QCOMPARE(strokes(form), 2);
        for (const QPointF& at :
             {on, QPointF(3000, 6000), QPointF(3750, 6000), QPointF(4500, 6000)}) {
            QCOMPARE(seen_at(form, at), kYellow);
        }
        QCOMPARE(seen_at(form, off), kScreenBlue);
    }

    // Ctrl+S keeps the board, ink included, in the pictures folder (the home folder
    // without one); a folder that cannot be written says so and loses no ink.
    void ctrl_s_saves_the_board() {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
        QDir(home.path()).mkpath("config");
        auto* form = static_cast<InkProbe*>(show_form("inkprobe"));
        QTest::keyClick(form, Qt::Key_P);
        drag(form, kStroke);

        const auto saved = [&] {
            QTest::keyClick(form, Qt::Key_S, Qt::ControlModifier);
            return ink(form).status();
        };
        const QString in_home = saved();
        QVERIFY(in_home.startsWith("Saved as Ink Probe ") &&
                in_home.endsWith(".png in " + home.path()));
        QDir(home.path()).mkpath("Bilder");
        QFile dirs(home.path() + "/config/user-dirs.dirs");
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
        dirs.close();
        QVERIFY(saved().endsWith(" in " + home.path() + "/Bilder"));
        const QStringList pictures = QDir(home.path() + "/Bilder").entryList({"*.png"});
        QCOMPARE(pictures.size(), 1);
        const QImage picture(home.path() + "/Bilder/" + pictures[0]);
        QCOMPARE(picture.size(), form->stage()->size());
        QCOMPARE(picture.pixelColor(px(kStroke[0].x()), px(kStroke[0].y())),
                 pen_colour(InkLayer::colour()));

        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_PICTURES_DIR=\"/proc\"\n");
        dirs.close();
        QVERIFY(saved().startsWith("The board was not saved in /proc: "));
        QCOMPARE(strokes(form), 1);
    }
};

QTEST_MAIN(InkTest)
#include "ink_test.moc"
