// SPDX-License-Identifier: GPL-3.0-or-later
// The sequence strip laid out for every count of terms it must hold, at the reference
// desktop and enlarged: every box in the strip, none over another, in reading order,
// and the widest term whole in its box.

#include "form.h"
#include "number_drawing.h"
#include "sequence_strip.h"

#include <QtTest>

using namespace shell;

class SequenceStripTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { set_twips_per_pixel(15); }

    void every_count_fits_in_reading_order() {
        for (const double twips_per_pixel : {15.0, 15 / 1.8}) {
            set_twips_per_pixel(twips_per_pixel);
            Form form("strip", 12000, 9000);
            auto* strip = form.add<SequenceStrip>(&form, "Strip1");
            strip->move(300, 1650, 11400, 5050);
            int previous_pixels = font_px(48);
            for (int count = 1; count <= 180; ++count) {
                strip->lay_out(QStringList(count, "250504"));
                const int pixels = strip->term_font().pixelSize();
                // One term more never finds a font much larger than one term fewer did
                // (the strip trades up to an eighth of the font for fewer rows).
                QVERIFY(previous_pixels + 1 >= 0.88 * pixels);
                previous_pixels = pixels;
                for (int i = 0; i < count; ++i) {
                    const QRect box = strip->box(i);
                    QVERIFY2(strip->rect().contains(box), qPrintable(QString::number(count)));
                    const QSize term = number_extent(strip->term_font(), "250504");
                    QVERIFY(term.width() < box.width() && term.height() < box.height());
                    if (i > 0) {
                        const QRect before = strip->box(i - 1);
                        QVERIFY(i % strip->columns() == 0
                                    ? box.top() > before.bottom()
                                    : box.left() > before.right() && box.top() == before.top());
                    }
                }
            }
            // From a whiteboard's far side at full screen, 179 six-digit terms still
            // stand at 12 pixels or more.
            QVERIFY(twips_per_pixel == 15 || previous_pixels >= 12);
        }
    }

    // A few short terms stand on one row at the largest size; the reader hears the
    // terms in play.
    void short_sequences_keep_one_row_and_read_their_terms() {
        Form form("strip", 12000, 9000);
        auto* strip = form.add<SequenceStrip>(&form, "Strip1");
        strip->move(300, 1200, 11400, 4300);
        strip->lay_out({"3", "4", "7", "11"});
        QCOMPARE(strip->columns(), 4);
        QCOMPARE(strip->term_font().pixelSize(), font_px(48));
        strip->set_text(0, "1");
        strip->set_text(2, "?");
        QCOMPARE(strip->accessibleName(), QString("1, ?"));
    }
};

QTEST_MAIN(SequenceStripTest)
#include "sequence_strip_test.moc"
