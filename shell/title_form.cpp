// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_form.h"

#include "code_dialog.h"
#include "handlers.h"
#include "keys.h"
#include "menu_forms.h"
#include "pictures.h"
#include "program.h"
#include "screens.h"

#include <QTimer>

namespace shell {

namespace {

// How long after its drawing the title screen starts on the first menu's picture.
constexpr int kPrepareDelayMs = 100;

const QColor kTitleBlue{0, 0, 255};

// Centred on the desktop at its own size.
void centre(Form& form) {
    const DesktopMetrics desktop = desktop_metrics();
    form.set_top(float(desktop.height) / 2.0f - float(form.outer_height()) / 2.0f);
    form.set_left(float(desktop.width) / 2.0f - float(form.outer_width()) / 2.0f);
}

} // namespace

TitleForm::TitleForm() : Form("Titlefrm", 5460, 6570) {
    // Named for taskbars and window switchers, as the other screens are.
    set_caption("Chalkline");
    set_back_colour({192, 192, 192});

    panel = add<Frame>(this, "Frame1");
    panel->move(0, -90, 5480, 6660);
    panel->set_back_colour({192, 192, 192});

    const auto title_label = [this](LabelSpec design) {
        design.fore = kTitleBlue;
        return add_label(panel, design);
    };
    product_title = title_label({.name = "Label4",
                                 .left = 60,
                                 .top = 210,
                                 .width = 5355,
                                 .height = 1455,
                                 .caption = "Chalkline",
                                 .font = {"Times New Roman", 26.25, true}});
    title_picture = add<PictureBox>(panel, "Picture1");
    title_picture->move(300, 1560, 4800, 3600);
    subtitle = title_label({.name = "Label3",
                            .left = 480,
                            .top = 5250,
                            .width = 4455,
                            .height = 735,
                            .caption = tr("Mathematics for the whole class"),
                            .font = {"Times New Roman", 15.75, false}});
    ok_button = add<CommandButton>(panel, "Command1", tr("OK"));
    ok_button->move(1320, 6000, 1335, 375);
    exit_button = add<CommandButton>(panel, "Command2", tr("Exit"));
    exit_button->move(2760, 6000, 1335, 375);
    notice = title_label({.name = "Label2",
                          .left = 0,
                          .top = 6420,
                          .width = 5415,
                          .height = 255,
                          .caption = licence_notice(),
                          .font = {"Arial", 8.25, false}});

    // OK comes first in the tab order and holds the focus when the screen opens.
    setTabOrder(ok_button, exit_button);
    ok_button->setFocus();
    ok_button->setDefault(true);
    // Return works whichever button has the focus, as Space does.
    ok_button->setAutoDefault(true);
    exit_button->setAutoDefault(true);
    ok_button->on_click = [this](int) { Command1_Click(); };
    exit_button->on_click = [this](int) { Command2_Click(); };

    // Return and Space work the focused push button as ever; Escape is Cancel when the
    // screen asks whether to leave, and nothing at start-up.
    setAccessibleName("Chalkline");
    ScreenKeys& keys = ScreenKeys::of(*this);
    keys.exclusive = false;
    keys.add({{{Qt::Key_Escape},
               tr("Esc"),
               tr("Cancel"),
               [this](int) {
                   if (ok_button->caption() == tr("Cancel")) {
                       press(ok_button);
                   }
               }},
              go_to_problem_key(*this)});
}

void TitleForm::Form_Load() {
    set_placement(centre);
    centre(*this);
    // Checked at start; should it fail later, the box shows its grey.
    title_picture->set_picture_file(kTitlePicture);
}

// Once the screen is drawn, and again after a change of scale, the first menu's picture
// is decoded while the teacher reads it, so that OK opens the menu at once.
void TitleForm::paintEvent(QPaintEvent* event) {
    Form::paintEvent(event);
    if (prepared_for_ != twips_per_pixel()) {
        prepared_for_ = twips_per_pixel();
        // A moment later, not at once: the window system asks for a second drawing of a
        // new window, which a decode in between would hold back.
        QTimer::singleShot(kPrepareDelayMs, this, [] { run_handler(prepare_first_menu); });
    }
}

void TitleForm::Command1_Click() {
    show_form("intro0");
    unload_form(name());
}

void TitleForm::Command2_Click() {
    end_program(0);
}

void register_title_form() {
    register_form("Titlefrm", [] { return std::make_unique<TitleForm>(); });
}

} // namespace shell
