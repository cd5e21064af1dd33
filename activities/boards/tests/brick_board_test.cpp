// SPDX-License-Identifier: GPL-3.0-or-later
// The board's layout for every count of rows, at the reference scale and full screen on
// a full-HD projector: boxes inside the board, each between the two below it, rows
// apart, and every number of the widest kind fitting its box in the one font.

#include "brick_board.h"
#include "triangle.h"
#include "twips.h"

#include <QFontMetrics>
#include <QtTest>

using chalkline::boards::BrickBoard;
using chalkline::boards::cell_count;
using chalkline::boards::cell_of;

namespace {

// The widest numbers each board shows: four-digit numbers, signed decimals, fractions.
std::vector<QString> widest_numbers(int rows, int kind) {
    std::vector<QString> numbers;
    const auto pascal = chalkline::boards::pascal_triangle(std::min(rows, 16));
    for (int box = 0; box < cell_count(rows); ++box) {
        const std::size_t n = std::size_t(box) % pascal.size();
        numbers.push_back(kind == 0   ? QString::number(pascal[n])
                          : kind == 1 ? QString("-%1.5").arg(pascal[n] % 100)
                                      : QString("1/%1").arg(pascal[n] * 7));
    }
    return numbers;
}

} // namespace

class BrickBoardTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { shell::set_twips_per_pixel(15); }

    void boxes_stand_between_the_two_below_and_numbers_fit() {
        for (const double scale : {15.0, 15 / 1.8}) {
            shell::set_twips_per_pixel(scale);
            QWidget stage;
            auto* board = new BrickBoard(&stage, "Board1");
            board->move(120, 150, 11760, 6600);
            for (int rows = 1; rows <= 64; ++rows) {
                board->set_rows(rows, rows % 2 ? 1.1 : 2.0);
                const QRect inside = board->rect();
                for (int row = 0; row < rows; ++row) {
                    for (int place = 0; place <= row; ++place) {
                        const QRect box = board->box_rect(cell_of(row, place));
                        QVERIFY(inside.contains(box));
                        QVERIFY(box.width() >= 2 && box.height() >= 2);
                        if (place > 0) {
                            QVERIFY(board->box_rect(cell_of(row, place - 1)).right() < box.left());
                        }
                        if (row + 1 < rows) {
                            const QRect left = board->box_rect(cell_of(row + 1, place));
                            const QRect right = board->box_rect(cell_of(row + 1, place + 1));
                            QVERIFY(box.bottom() < left.top());
                            QVERIFY(std::abs(2 * box.center().x() -
                                             (left.center().x() + right.center().x())) <= 2);
                        }
                    }
                }
                if (rows > 16) {
                    continue;
                }
                for (int kind = 0; kind < 3; ++kind) {
                    board->set_numbers(widest_numbers(rows, kind));
                    const QFontMetrics metrics(board->number_font());
                    for (int box = 0; box < board->box_count(); ++box) {
                        const QString& text = board->number(box);
                        const QRect room = board->number_room(box);
                        const QString widest = text.contains('/') ? text.mid(2) : text;
                        QVERIFY2(metrics.horizontalAdvance(widest) <= room.width(),
                                 qPrintable(text));
                        QVERIFY2(metrics.tightBoundingRect(widest).height() <= room.height(),
                                 qPrintable(text));
                    }
                }
            }
        }
    }
};

QTEST_MAIN(BrickBoardTest)
#include "brick_board_test.moc"
