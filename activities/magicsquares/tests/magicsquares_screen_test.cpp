// SPDX-License-Identifier: GPL-3.0-or-later
// The Magic Squares screen driven as a class would: real presses, moves and releases on
// the tiles, clicks on the buttons and options, and timer ticks fired by the test.

#include "magicsquares_screen.h"
#include "screens.h"
#include "scripted_random.h"

#include <QtTest>

#include <cmath>
#include <vector>

using namespace chalkline::magicsquares;
using chalkline::testing::ScriptedRandom;

namespace {

// One square the scripted generator deals: arrangement, then c, b and a.
struct Deal {
    int arrangement, c, b, a;
    Kind kind = Kind::PositiveWhole;
};

ScriptedRandom g_script;

void script(std::initializer_list<Deal> deals) {
    g_script = ScriptedRandom();
    for (const Deal& d : deals) {
        const bool whole = d.kind == Kind::PositiveWhole;
        const int low = whole ? 1 : -9;
        const int high = whole ? 15 : 9;
        g_script.then(d.arrangement, 1, 5);
        g_script.then(d.c, low, high).then(d.b, low, high).then(d.a, low, high);
    }
}

// The cell each tile belongs in, for the arrangement the screen dealt.
std::vector<int> solved_cells(const Magicsquares& form) {
    const auto& order = arrangement_order(form.square().arrangement);
    return {order.begin(), order.end()};
}

// A board position in twips as a pixel point on Frame1.
QPoint board_px(double x, double y) {
    return {int(std::lround(x / 15)), int(std::lround(y / 15))};
}

// The pointer position that centres a tile on a cell.
QPoint cell_centre(int cell) {
    const BoardPoint snap = snap_position(cell);
    return board_px(snap.x + tile_width / 2, snap.y + tile_height / 2);
}

QStringList texts(const std::array<shell::Label*, 9>& labels) {
    QStringList result;
    for (auto* label : labels) {
        result << label->caption();
    }
    return result;
}

QStringList sum_texts(const Magicsquares& form) {
    QStringList result;
    for (auto* sum : form.sums) {
        result << sum->caption();
    }
    return result;
}

} // namespace

class MagicsquaresScreenTest : public QObject {
    Q_OBJECT

    Magicsquares* form = nullptr;

    Magicsquares* open() {
        form = static_cast<Magicsquares*>(shell::show_form("Magicsquares"));
        return form;
    }

    // Presses the left button on the tile, moves it in a few steps to the pointer
    // position target on the board and releases it there.
    void drag(int tile, QPoint target, Qt::MouseButton button = Qt::LeftButton) {
        shell::Label* label = form->tiles[std::size_t(tile)];
        const QPoint start = label->geometry().center();
        QTest::mousePress(label, button, {}, label->rect().center());
        for (int step = 1; step <= 3; ++step) {
            const QPoint at = start + (target - start) * step / 3;
            QTest::mouseMove(label, label->mapFrom(form->Frame1, at));
        }
        QTest::mouseRelease(label, button, {}, label->mapFrom(form->Frame1, target));
    }

    void place(int tile, int cell) { drag(tile, cell_centre(cell)); }

    void solve() {
        const auto cells = solved_cells(*form);
        for (int tile = 0; tile < tile_count; ++tile) {
            place(tile, cells[std::size_t(tile)]);
        }
    }

    bool flashing_on() const { return form->cells[0]->opaque(); }

private slots:
    void initTestCase() {
        shell::register_form("Magicsquares", [] {
            return std::make_unique<Magicsquares>(std::make_unique<ScriptedRandom>(g_script));
        });
        // A stand-in for the menu screen that Exit returns to.
        if (!shell::has_form("menu1")) {
            shell::register_form(
                "menu1", [] { return std::make_unique<shell::Form>("menu1", 12000, 9000); });
        }
    }

    void cleanup() {
        for (shell::Form* f : shell::loaded_forms()) {
            shell::unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        form = nullptr;
        shell::set_twips_per_pixel(15);
    }

    // The screen opens with the dealt tiles in the column, empty cells, "0" sums in
    // white, the Show button, the first kind chosen and the success check running.
    void opening_shows_a_fresh_square() {
        script({{2, 6, 2, 3}});
        open();
        QCOMPARE(form->caption(), QString("Magic Squares"));
        QCOMPARE(texts(form->tiles), QStringList({"9", "5", "4", "1", "11", "6", "8", "7", "3"}));
        QCOMPARE(texts(form->copies), texts(form->tiles));
        for (int i = 0; i < tile_count; ++i) {
            const BoardPoint home = home_position(i);
            QCOMPARE(form->tiles[std::size_t(i)]->pos(), board_px(home.x, home.y));
            QVERIFY(form->tiles[std::size_t(i)]->visible());
            QVERIFY(!form->copies[std::size_t(i)]->visible());
            QVERIFY(form->cells[std::size_t(i)]->visible());
            QVERIFY(!form->cells[std::size_t(i)]->opaque());
            QCOMPARE(form->cells[std::size_t(i)]->caption(), QString());
        }
        QCOMPARE(sum_texts(*form), QStringList(8, "0"));
        for (auto* sum : form->sums) {
            QCOMPARE(sum->fore_colour(), shell::kWhite);
        }
        QVERIFY(form->Command1->visible());
        QVERIFY(!form->Command2->visible());
        QVERIFY(!form->Label20->visible());
        QVERIFY(form->Option1->value());
        QCOMPARE(form->Frame1->back_colour(), shell::kScreenBlue);
        QVERIFY(form->Timer1->enabled());
        QVERIFY(!form->Timer2->enabled());
        QCOMPARE(form->Timer2->interval(), 1);
    }

    // Drags with real mouse events: only the left button moves a tile; a release drops
    // it into a free cell or sends it home; the board state follows every drop.
    void drags_drop_tiles_into_free_cells_or_send_them_home_data() {
        QTest::addColumn<QList<QList<int>>>("moves"); // {tile, cell or -1 for the column}
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("cell"); // where the last tile ends, -1 at home
        QTest::addColumn<QStringList>("values");
        QTest::newRow("into a free cell")
            << QList<QList<int>>{{0, 0}} << 0 << 0
            << QStringList{"9", "0", "0", "0", "0", "0", "0", "0", "0"};
        QTest::newRow("onto an occupied cell goes home")
            << QList<QList<int>>{{0, 4}, {1, 4}} << 1 << -1
            << QStringList{"0", "0", "0", "0", "9", "0", "0", "0", "0"};
        QTest::newRow("back onto its own cell goes home")
            << QList<QList<int>>{{2, 4}, {2, 4}} << 2 << -1 << QStringList(9, "0");
        QTest::newRow("from cell 0 to cell 8")
            << QList<QList<int>>{{3, 0}, {3, 8}} << 3 << 8
            << QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "1"};
        QTest::newRow("into the tile column goes home")
            << QList<QList<int>>{{4, 2}, {4, -1}} << 4 << -1 << QStringList(9, "0");
    }
    void drags_drop_tiles_into_free_cells_or_send_them_home() {
        QFETCH(QList<QList<int>>, moves);
        QFETCH(int, tile);
        QFETCH(int, cell);
        QFETCH(QStringList, values);
        script({{2, 6, 2, 3}}); // tiles 9, 5, 4, 1, 11, 6, 8, 7, 3
        open();
        for (const auto& move : moves) {
            drag(move[0], move[1] < 0 ? board_px(6700, 4000) : cell_centre(move[1]));
        }
        const BoardPoint expected = cell < 0 ? home_position(tile) : snap_position(cell);
        QCOMPARE(form->tiles[std::size_t(tile)]->pos(), board_px(expected.x, expected.y));
        QCOMPARE(form->copies[std::size_t(tile)]->visible(), cell >= 0);
        QCOMPARE(texts(form->Label_value), values);
        for (int k = 0; k < cell_count; ++k) {
            QCOMPARE(form->Label_array[std::size_t(k)]->caption(),
                     QString(values[k] == "0" ? "0" : "1"));
        }
    }

    // The tile is centred under the pointer from the first move with the left button
    // alone; moves with another button leave it where it is.
    void a_tile_follows_the_pointer_only_with_the_left_button() {
        script({{1, 6, 2, 3}});
        open();
        shell::Label* tile = form->tiles[5];
        const QPoint home = tile->pos();
        QTest::mousePress(tile, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseMove(tile, QPoint(-200, 40));
        QCOMPARE(tile->pos(), home);
        QTest::mouseRelease(tile, Qt::RightButton, {}, tile->rect().center());
        QCOMPARE(tile->pos(), home);

        QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(5, 5));
        const QPoint pointer(60, 90); // over cell 0, far from the tile column
        QTest::mouseMove(tile, tile->mapFrom(form->Frame1, pointer));
        QVERIFY((tile->geometry().center() - pointer).manhattanLength() <= 2);
        // The tile in hand lies in front of every other tile.
        QCOMPARE(form->Frame1->childAt(pointer), tile);
        QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFrom(form->Frame1, pointer));
        QCOMPARE(tile->pos(), board_px(420, 1035)); // pointer over cell 0
    }

    // Scaled for a projector, the pointer still arrives in exact twips: a release whose
    // would-be corner lies on the band edge x' = 1440 goes home, just past it into
    // cell 1. The release comes at a fractional pixel, as from a fine touch screen.
    void drops_judge_twips_exactly_when_scaled() {
        script({{1, 6, 2, 3}});
        open();
        const double factor = 1.8;
        shell::set_twips_per_pixel(15 / factor);
        form->apply_scale();
        const auto release_with_corner = [this, factor](int tile, double x, double y) {
            shell::Label* label = form->tiles[std::size_t(tile)];
            QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
            // The pointer on the whole design, in pixels: the board lies at 1095, 1260.
            const QPointF on_design((1095 + x + tile_width / 2) * factor / 15,
                                    (1260 + y + tile_height / 2) * factor / 15);
            const QPointF local = label->mapFrom(form->stage(), on_design);
            QMouseEvent release(QEvent::MouseButtonRelease, local, label->mapToGlobal(local),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(label, &release);
        };
        release_with_corner(0, 1440, 1400);
        QCOMPARE(form->Label_array[0]->caption() + form->Label_array[1]->caption(), "00");
        release_with_corner(0, 1445, 1400);
        QCOMPARE(form->Label_array[1]->caption(), QString("1"));
        QCOMPARE(form->tiles[0]->pos(),
                 QPoint(qRound(1650 * factor / 15), qRound(1035 * factor / 15)));
    }

    // A placed tile lies in front of its cell and takes the press; a click on it, with
    // no move, sends it home.
    void a_placed_tile_takes_the_mouse_in_front_of_its_cell() {
        script({{1, 6, 2, 3}});
        open();
        place(0, 4);
        QCOMPARE(form->Frame1->childAt(cell_centre(4)), form->tiles[0]);
        QTest::mouseClick(form->tiles[0], Qt::LeftButton);
        QCOMPARE(form->tiles[0]->pos(), board_px(6360, 240));
        QCOMPARE(form->Label_array[4]->caption(), QString("0"));
    }

    // Partial sums after each drop, and red exactly on the lines that show the sum
    // revealed by Show.
    void line_sums_follow_every_drop_and_turn_red_at_the_magic_sum() {
        script({{1, 6, 2, 3}}); // tiles 3, 7, 8, 11, 6, 1, 4, 5, 9 in solution order
        open();
        place(0, 0);
        place(1, 1);
        place(2, 2);
        QCOMPARE(sum_texts(*form), QStringList({"8", "18", "0", "0", "3", "8", "7", "3"}));
        QCOMPARE(form->sums[1]->fore_colour(), shell::kWhite); // no sum shown yet
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(form->Label20->caption(), QString("18"));
        QVERIFY(form->Label20->visible());
        QVERIFY(form->Command2->visible());
        QCOMPARE(form->sums[1]->fore_colour(), shell::kWhite); // Show does not recolour
        place(3, 3);
        place(4, 4);
        place(5, 5);
        QCOMPARE(form->sums[2]->caption(), QString("18"));
        QCOMPARE(form->sums[2]->fore_colour(), shell::kRed);
        QCOMPARE(form->sums[0]->caption(), QString("14"));
        QCOMPARE(form->sums[0]->fore_colour(), shell::kWhite);
        drag(4, board_px(6700, 2000)); // the centre back home
        QCOMPARE(form->sums[2]->caption(), QString("12"));
        QCOMPARE(form->sums[2]->fore_colour(), shell::kWhite);
    }

    // A full solve flashes from the next success tick once the sum is shown: the first
    // flash step at once, later ones every 250 ms. Solution keeps the flash; Go stops it.
    void a_solved_square_flashes_after_show_until_a_new_square() {
        script({{2, 6, 2, 3}, {3, 9, 4, 2}});
        open();
        solve();
        QCOMPARE(sum_texts(*form), QStringList(8, "18"));
        QVERIFY(form->Timer1->fire());
        QVERIFY(!form->Timer2->enabled()); // no sum shown, no success
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QVERIFY(!form->Timer2->enabled());
        QVERIFY(form->Timer1->fire());
        QVERIFY(form->Timer2->enabled());
        QCOMPARE(form->Timer2->interval(), 1);
        QVERIFY(form->Timer2->fire());
        QVERIFY(flashing_on());
        QCOMPARE(form->Timer2->interval(), 250);
        QVERIFY(form->Timer1->fire()); // later successes leave the flash alone
        QVERIFY(form->Timer2->fire());
        QVERIFY(!flashing_on());
        QVERIFY(form->Timer2->fire());
        QVERIFY(flashing_on());

        QTest::mouseClick(form->cmdsoln, Qt::LeftButton);
        QVERIFY(!form->Timer1->enabled());
        QVERIFY(form->Timer2->enabled());
        QVERIFY(form->Timer2->fire());
        QVERIFY(!flashing_on());

        QTest::mouseClick(form->cmdgo, Qt::LeftButton);
        QVERIFY(!flashing_on());
        QVERIFY(!form->Timer2->enabled());
        QVERIFY(form->Timer1->enabled());
        QCOMPARE(form->Timer2->interval(), 250);
        QVERIFY(!form->Label20->visible());
        QVERIFY(form->Command1->visible());
        QVERIFY(!form->Command2->visible());
    }

    // Lines that already show the sum on an unfilled board are no success: a magic sum
    // of 0 on an empty board, or with nine tiles of 0 until the ninth is placed.
    void only_a_filled_board_counts_as_solved() {
        script({{1, 6, 2, 3}, {4, 0, 0, 0, Kind::Integers}});
        open();
        QTest::mouseClick(form->Option2, Qt::LeftButton);
        QCOMPARE(texts(form->tiles), QStringList(9, "0"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(form->Label20->caption(), QString("0"));
        QVERIFY(form->Timer1->fire());
        QVERIFY(!form->Timer2->enabled());
        for (int tile = 0; tile < tile_count - 1; ++tile) {
            place(tile, tile);
            QVERIFY(form->Timer1->fire());
            QVERIFY2(!form->Timer2->enabled(), qPrintable(QString("%1 tiles").arg(tile + 1)));
        }
        place(8, 8);
        QVERIFY(form->Timer1->fire());
        QVERIFY(form->Timer2->enabled());
    }

    // A new square forgets the sum shown for the last one: a line that turned red at
    // "0" is white again although its text stays "0".
    void a_new_square_forgets_the_shown_sum() {
        const Deal centre_zero{1, 0, 3, 1, Kind::Integers}; // s1 = -1
        script({{1, 6, 2, 3}, centre_zero, centre_zero});
        open();
        QTest::mouseClick(form->Option2, Qt::LeftButton);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(form->Label20->caption(), QString("0"));
        place(0, 0);
        QCOMPARE(form->sums[1]->caption(), QString("-1"));
        drag(0, board_px(6700, 300));
        QCOMPARE(form->sums[1]->caption(), QString("0"));
        QCOMPARE(form->sums[1]->fore_colour(), shell::kRed);
        QTest::mouseClick(form->cmdgo, Qt::LeftButton);
        QCOMPARE(form->Label20->caption(), QString());
        QCOMPARE(sum_texts(*form), QStringList(8, "0"));
        for (auto* sum : form->sums) {
            QCOMPARE(sum->fore_colour(), shell::kWhite);
        }
    }

    // Solution shows the square in the cells, the struck-through copies in the column
    // and the magic sum on every line and in the instruction line.
    void solution_reveals_the_square_and_the_sum() {
        script({{2, 6, 2, 3}});
        open();
        place(0, 3);
        QTest::mouseClick(form->cmdsoln, Qt::LeftButton);
        QCOMPARE(texts(form->cells), QStringList({"3", "7", "8", "11", "6", "1", "4", "5", "9"}));
        QCOMPARE(form->Label19->caption(),
                 QString("The sum along each row, column and diagonal is 18"));
        QCOMPARE(sum_texts(*form), QStringList(8, "18"));
        for (int i = 0; i < tile_count; ++i) {
            QVERIFY(!form->tiles[std::size_t(i)]->visible());
            QVERIFY(form->copies[std::size_t(i)]->visible());
            QVERIFY(form->copies[std::size_t(i)]->font_spec().strikeout);
        }
        QCOMPARE(form->sums[0]->fore_colour(), shell::kWhite);
        QVERIFY(!form->Timer1->enabled());
    }

    // Show then Go hides the sum again, deals a new square and forgets the old sum.
    void go_after_show_hides_the_sum_and_deals_afresh() {
        script({{1, 6, 2, 3}, {5, 12, 3, 4}});
        open();
        place(0, 0);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QTest::mouseClick(form->cmdgo, Qt::LeftButton);
        QVERIFY(!form->Label20->visible());
        QVERIFY(form->Command1->visible());
        QVERIFY(!form->Command2->visible());
        QCOMPARE(form->Label20->caption(), QString());
        QCOMPARE(form->square().params.c, 12);
        // c = 12, b = 3, a = 4 dealt by arrangement 5: s9, s2, s3, s6, s8, s1, s7, s5, s4.
        QCOMPARE(texts(form->tiles),
                 QStringList({"16", "13", "15", "5", "11", "8", "9", "12", "19"}));
        QCOMPARE(form->tiles[0]->pos(), board_px(6360, 240));
        QCOMPARE(form->Label19->caption(), QString("Use the 9 numbers to create a magic square"));
    }

    // "Integers" hides the sum, stops a flash and deals a square that may hold negative
    // and repeated numbers.
    void choosing_integers_deals_a_new_square_of_that_kind() {
        script({{1, 6, 2, 3}, {1, -4, 5, -9, Kind::Integers}});
        open();
        solve();
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QVERIFY(form->Timer1->fire());
        QVERIFY(form->Timer2->fire());
        QVERIFY(flashing_on());
        QTest::mouseClick(form->Option2, Qt::LeftButton);
        QVERIFY(form->Option2->value());
        QCOMPARE(form->kind_as<Kind>(), Kind::Integers);
        QVERIFY(!flashing_on());
        QVERIFY(!form->Timer2->enabled());
        QVERIFY(!form->Label20->visible());
        QVERIFY(form->Command1->visible());
        QCOMPARE(texts(form->tiles),
                 QStringList({"5", "-18", "1", "-8", "-4", "0", "-9", "10", "-13"}));
        QCOMPARE(sum_texts(*form), QStringList(8, "0"));
        for (auto* sum : form->sums) {
            QCOMPARE(sum->fore_colour(), shell::kWhite);
        }
        solve();
        QCOMPARE(sum_texts(*form), QStringList(8, "-12"));
    }

    // A finger on the whiteboard drags a tile as the mouse does.
    void a_touch_drag_places_a_tile() {
        script({{1, 6, 2, 3}});
        open();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        static QPointingDevice* finger = QTest::createTouchDevice();
        shell::Label* tile = form->tiles[2];
        const QPoint start = tile->mapTo(form, tile->rect().center());
        const QPoint target = form->Frame1->mapTo(form, cell_centre(7));
        QTest::touchEvent(form, finger).press(0, start, form);
        QTest::touchEvent(form, finger).move(0, (start + target) / 2, form);
        QTest::touchEvent(form, finger).move(0, target, form);
        QTest::touchEvent(form, finger).release(0, target, form);
        QCOMPARE(tile->pos(), board_px(1650, 3510));
        QCOMPARE(form->Label_value[7]->caption(), QString("8"));
    }

    // Exit shows the menu screen and unloads the activity with its timers.
    void exit_returns_to_the_menu() {
        script({{1, 6, 2, 3}});
        open();
        QPointer<shell::Timer> timer = form->Timer1;
        QTest::mouseClick(form->cmdexit, Qt::LeftButton);
        QVERIFY(shell::loaded_form("Magicsquares") == nullptr);
        QVERIFY(shell::loaded_form("menu1")->isVisible());
        QVERIFY(timer.isNull() || !timer->fire());
    }
};

QTEST_MAIN(MagicsquaresScreenTest)
#include "magicsquares_screen_test.moc"
