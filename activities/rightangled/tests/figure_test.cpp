// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn figure over many seeded right-angled triangles in all eight orientations,
// boxes of many sizes and both scales: every label inside the box, clear of every side
// and of the other labels, and the polygon's shape kept.

#include "figure.h"

#include <QtTest>

#include <random>

using namespace shell;
using chalkline::rightangled::Figure;

namespace {

// Whether the segment from a to b passes through the box (sampled finely enough for
// boxes of a few pixels).
bool crosses(QPointF a, QPointF b, const QRectF& box) {
    for (int i = 0; i <= 400; ++i) {
        if (box.contains(a + (b - a) * (i / 400.0))) {
            return true;
        }
    }
    return false;
}

} // namespace

class FigureTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { set_twips_per_pixel(15); }

    void labels_stand_clear_inside_the_box() {
        std::mt19937 random(7);
        const auto draw = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        const QString texts[] = {"?", "5", "12.5", "29.9", "42.4"};
        for (int round = 0; round < 2000; ++round) {
            set_twips_per_pixel(round % 2 ? 15 : 15 / 1.8);
            QWidget host;
            Figure figure(&host, "figure");
            const double box_width = draw(3000, 8000);
            const double box_height = draw(2500, 6000);
            figure.move(0, 0, box_width, box_height);
            // Legs along the axes, the right angle in one of the four corners, the
            // shorter leg at least half the longer.
            const double across = draw(1000, 8000);
            const double down = across * draw(50, 200) / 100.0;
            const int corner = draw(0, 3);
            const double x = corner % 3 ? across : 0;
            const double y = corner >= 2 ? down : 0;
            const QPointF right(x, y);
            std::vector<QPointF> points = {right, QPointF(across - x, y), QPointF(x, down - y)};
            if (draw(0, 1)) {
                std::swap(points[1], points[2]);
            }
            figure.set_polygon(points);
            figure.mark_right_angle(0);
            for (int side = 0; side < 3; ++side) {
                const QString text = texts[draw(0, 4)];
                figure.set_side_label(side, text, text == "?");
            }

            const Figure::Layout layout = figure.layout();
            const QRectF box = QRectF(figure.rect());
            const auto& v = layout.vertices;
            for (int side = 0; side < 3; ++side) {
                const QRectF& label = layout.side_labels[std::size_t(side)];
                QVERIFY2(box.contains(label), qPrintable(QString::number(round)));
                for (int other = 0; other < 3; ++other) {
                    QVERIFY(
                        !crosses(v[std::size_t(other)], v[std::size_t((other + 1) % 3)], label));
                    QVERIFY(other == side ||
                            !label.intersects(layout.side_labels[std::size_t(other)]));
                }
                QVERIFY(box.contains(v[std::size_t(side)]));
            }
            // One scale for the whole polygon: the right angle stays right, and the
            // sides keep their proportions.
            const QPointF a = v[1] - v[0];
            const QPointF b = v[2] - v[0];
            QVERIFY(std::fabs(QPointF::dotProduct(a, b)) < 1e-6 * (1 + QPointF::dotProduct(a, a)));
            const double given =
                std::hypot(points[1].x() - points[0].x(), points[1].y() - points[0].y()) /
                twips_per_pixel();
            QVERIFY(std::fabs(std::hypot(a.x(), a.y()) - given * layout.scale) < 1e-6 * given);
            QVERIFY(layout.scale > 0 && layout.scale <= 1);
        }
    }

    // A figure that fits is drawn at its given size, only moved to the middle.
    void a_figure_with_room_keeps_its_size() {
        QWidget host;
        Figure figure(&host, "figure");
        figure.move(0, 0, 9000, 9000);
        figure.set_polygon({{0, 0}, {3000, 0}, {3000, 1500}, {0, 1500}});
        figure.set_side_label(0, "8");
        figure.mark_angle(1, "90°");
        const Figure::Layout layout = figure.layout();
        QCOMPARE(layout.scale, 1.0);
        QCOMPARE(layout.vertices[1] - layout.vertices[0], QPointF(200, 0));
        QVERIFY(!layout.angle_labels[0].isEmpty());
        QVERIFY(QRectF(figure.rect()).contains(layout.angle_labels[0]));
    }
};

QTEST_MAIN(FigureTest)
#include "figure_test.moc"
