// SPDX-License-Identifier: GPL-3.0-or-later
// From the back of the room, on the real screens: the widest captions the activities
// make are drawn whole, greyed and marked texts read in greyscale, and an option takes
// a click anywhere on it.

#include "activities.h"
#include "rendered.h"
#include "screens.h"

#include <QtTest>

using namespace shell;
using namespace shell::testing;

class LegibilityTest : public QObject {
    Q_OBJECT

    static Form* open(const QString& screen) {
        Form* form = show_form(screen);
        (void)QTest::qWaitForWindowExposed(form);
        return form;
    }

private slots:
    void initTestCase() { chalkline::register_activities(); }
    void cleanup() {
        set_twips_per_pixel(15);
        for (Form* f : loaded_forms()) {
            unload_form(f->name());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A cut caption leaves ink on the outermost pixels of its control.
    void widest_captions_are_drawn_whole() {
        const struct {
            const char* screen;
            const char* name;
            int index;
            const char* caption;
        } rows[] = {
            {"fourrules", "Label24", -1, "10"},        {"fourrules", "Label23", -1, "10"},
            {"fastmental", "Label3", 4, "198.75"},     {"fastmental", "Label2", 4, "-10.25"},
            {"ordering", "Label10", 0, "-10.25"},      {"Magicsquares", "Label30", -1, "157"},
            {"matchthetarget", "Label11", -1, "3900"}, {"fourrules", "Option1", -1, ""},
            {"fastmental", "Option1", -1, ""},         {"ordering", "Option1", -1, ""}};
        // At the reference desktop, and enlarged as full screen on a full-HD projector.
        for (const double twips_per_pixel : {15.0, 15 / 1.8}) {
            set_twips_per_pixel(twips_per_pixel);
            for (const auto& row : rows) {
                Form* form = open(row.screen);
                Control* control =
                    row.index < 0 ? form->control(row.name) : form->element(row.name, row.index);
                control->set_visible(true);
                const QString caption = *row.caption ? row.caption : "Positive Whole Numbers";
                const QImage blank = rendered_with(*control, " ");
                QVERIFY2(same_edges(rendered_with(*control, caption), blank), row.name);
                unload_form(form->name());
            }
        }
        // The target's digits fit at the design's 48 points, though the face's full line
        // height would not.
        auto* target = open("matchthetarget")->get<Label>("Label11");
        target->set_caption("3900");
        QCOMPARE(target->caption_font().pixelSize(), font_px(48));
    }

    // A placed number is greyed, yet reads at 3:1 on the blue; a reached sum's red
    // hardly differs from the blue in greyscale, but its white box does, and the
    // number reads on it.
    void greyed_and_reached_read_in_greyscale() {
        auto* number = open("ordering")->get<Label>("Label10", 0);
        QTest::mouseClick(number, Qt::LeftButton);
        QVERIFY(!number->enabled());
        const auto [blue, grey] = back_and_text(rendered_with(*number, number->caption()));
        QVERIFY(contrast(grey, blue) >= 3);

        Form* magic = open("Magicsquares");
        QTest::mouseClick(magic->get<PictureButton>("Command1"), Qt::LeftButton);
        const QString sum = magic->get<Label>("Label20")->caption();
        const QRgb back = back_and_text(rendered_with(*magic->control("Label31"), "0")).first;
        const auto [box, red] = back_and_text(rendered_with(*magic->control("Label30"), sum));
        QVERIFY(contrast(box, back) >= 3);
        QVERIFY(contrast(red, box) >= 3);
    }

    void options_take_a_click_at_their_right_end() {
        for (const auto& [screen, count] :
             {std::pair{"fourrules", 3}, {"fastmental", 5}, {"ordering", 3}, {"Magicsquares", 2}}) {
            Form* form = open(screen);
            for (int i = count; i >= 1; --i) {
                auto* option = form->get<OptionButton>(QString("Option%1").arg(i));
                const QPoint right_end(option->QWidget::width() - 2, option->QWidget::height() / 2);
                QTest::mouseClick(option, Qt::LeftButton, {}, right_end);
                QVERIFY2(option->value(), screen);
            }
            unload_form(form->name());
        }
    }
};

QTEST_MAIN(LegibilityTest)
#include "legibility_test.moc"
