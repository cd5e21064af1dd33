// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen and the screen in use, on two offscreen screens side by side: 1920 by 1080
// and, to its right, 1280 by 800. Also what the command line asks for.

#include "command_line.h"
#include "display.h"
#include "program.h"
#include "screens.h"
#include "style_form.h"

#include <QScreen>
#include <QtTest>

using namespace shell;

namespace {

class ProbeForm : public Form {
public:
    explicit ProbeForm(const QString& name) : Form(name, 12000, 9000) {
        label = add_label(this, {.name = "Label1",
                                 .left = 4500,
                                 .top = 3000,
                                 .width = 1500,
                                 .height = 600,
                                 .caption = "probe",
                                 .font = {"Tahoma", 18, true}});
        label->on_mouse_up = [this](int, const MouseArgs& a) { up = QPointF(a.x, a.y); };
    }
    void Form_Load() override { style_form(*this); }
    void Form_MouseMove(const MouseArgs& a) override { moved = QPointF(a.x, a.y); }
    Label* label;
    QPointF up, moved;
};

QScreen* screen(int index) {
    return QGuiApplication::screens().at(index);
}

} // namespace

class DisplayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        register_form("one", [] { return std::make_unique<ProbeForm>("one"); });
        register_form("two", [] { return std::make_unique<ProbeForm>("two"); });
        start_display();
    }

    void cleanup() {
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        set_full_screen(false);
        set_screen_in_use(screen(0));
    }

    // The design is scaled by the largest factor that fits the screen and centred on
    // it; every control's pixels are its twips times that factor; pointer positions in
    // pixels come back to the handlers in twips.
    void full_screen_scales_and_centres_the_design_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QRect>("stage");
        QTest::newRow("1920x1080") << 0 << 1.8 << QRect(240, 0, 1440, 1080);
        QTest::newRow("1280x800") << 1 << 800 / 600.0 << QRect(106, 0, 1067, 800);
    }
    void full_screen_scales_and_centres_the_design() {
        QFETCH(int, screen);
        QFETCH(double, factor);
        QFETCH(QRect, stage);
        set_screen_in_use(::screen(screen));
        set_full_screen(true);
        auto* form = static_cast<ProbeForm*>(show_form("one"));
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(scale_factor(), factor);
        QCOMPARE(form->window()->geometry(), ::screen(screen)->geometry());
        QCOMPARE(form->stage()->geometry(), stage);
        const auto scaled = [factor](double twips) { return qRound(twips * factor / 15); };
        QCOMPARE(form->label->geometry(),
                 QRect(scaled(4500), scaled(3000), scaled(1500), scaled(600)));
        QCOMPARE(form->label->font().pixelSize(), scaled(18 * 20));

        // The handler hears the pointer's place on the design less the label's corner,
        // both in twips, whatever the rounding of that corner to whole pixels.
        QTest::mouseClick(form->label, Qt::LeftButton, {}, QPoint(45, 18));
        QCOMPARE(form->up.x(), (form->label->x() + 45) * 15 / factor - 4500);
        QCOMPARE(form->up.y(), (form->label->y() + 18) * 15 / factor - 3000);
        // The black margin is background too, to the left of the design.
        QTest::mouseMove(form, stage.topLeft() + QPoint(90, 9));
        QTRY_COMPARE(form->moved, QPointF(90 * 15 / factor, 9 * 15 / factor));
    }

    // A move goes to the screen the window being left is on and keeps its mode there.
    void moves_keep_the_mode_and_the_screen() {
        set_screen_in_use(screen(1));
        set_full_screen(true);
        Form* one = show_form("one");
        Form* two = show_form("two");
        unload_form("one");
        QVERIFY(two->window()->isFullScreen());
        QCOMPARE(two->screen(), screen(1));
        QCOMPARE(two->window()->geometry(), screen(1)->geometry());

        // In a window, the styling rule places it on that screen: 1280x800 is 19200 by
        // 12000 twips, so left 19200/2 - 6000 - 840 = 2760 and top 1500.
        set_full_screen(false);
        one = show_form("one");
        unload_form("two");
        QVERIFY(!one->window()->isFullScreen());
        QCOMPARE(one->window()->pos(), QPoint(1920 + 184, 100));
        QCOMPARE(one->window()->size(), QSize(800, 600));
    }

    // F11 and Ctrl+F work wherever the focus is; twice, the window is back exactly.
    void full_screen_keys_toggle_and_restore_the_window() {
        Form* form = show_form("one");
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->window()->move(form->window()->pos() + QPoint(33, 21)); // dragged by the teacher
        const QRect window = form->window()->geometry();
        QTest::keyClick(form, Qt::Key_F11);
        QVERIFY(full_screen());
        QCOMPARE(form->window()->geometry(), screen(0)->geometry());
        QTest::keyClick(static_cast<ProbeForm*>(form)->label, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(!full_screen());
        QCOMPARE(form->window()->geometry(), window);
    }

    void command_line_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // -1: the program goes on
        QTest::addColumn<QString>("output");
        QTest::newRow("nothing") << QStringList{} << -1 << "";
        QTest::newRow("toolkit option") << QStringList{"-platform", "xcb"} << -1 << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "F11, Ctrl+F";
        QTest::newRow("-h") << QStringList{"-h"} << 0
                            << "Report bugs at <https://chalkline.invalid/bugs>; home page: "
                               "<https://chalkline.invalid/>.\n";
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << "\nThere is NO WARRANTY, to the extent permitted by law.\n";
        const QString try_help = "\nTry 'chalkline --help' for more information.\n";
        QTest::newRow("unknown") << QStringList{"--fullscreen"} << 2
                                 << "chalkline: unrecognized option '--fullscreen'" + try_help;
        QTest::newRow("unknown short")
            << QStringList{"-x"} << 2 << "chalkline: unrecognized option '-x'" + try_help;
        QTest::newRow("no value") << QStringList{"--screen"} << 2
                                  << "chalkline: missing value after '--screen'" + try_help;
        QTest::newRow("argument") << QStringList{"extra"} << 2 << "unexpected argument";
        QTest::newRow("no number") << QStringList{"--screen", "one"} << 2 << "--screen needs";
    }
    void command_line() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        const StartRequest request = read_command_line(QStringList{"chalkline"} + arguments);
        QCOMPARE(request.exit_status.value_or(-1), status);
        QVERIFY2(request.output.contains(output), qPrintable(request.output));
        // A mistake is told in one line and a pointer to --help, not the whole list.
        QVERIFY(status != 2 || request.output.count('\n') == 2);
        const StartRequest chosen = read_command_line({"chalkline", "-f", "--screen", "1"});
        QVERIFY(chosen.full_screen);
        QCOMPARE(chosen.screen.value_or(-1), 1);
        // Only a window under Wayland cannot be put on the screen asked for.
        const StartRequest windowed = read_command_line({"chalkline", "--screen", "1"});
        QVERIFY(screen_request_warning(windowed, "wayland").contains("--screen 1 "));
        QVERIFY(screen_request_warning(windowed, "xcb").isEmpty());
        QVERIFY(screen_request_warning(chosen, "wayland").isEmpty());
    }
};

QTEST_MAIN(DisplayTest)
#include "display_test.moc"
