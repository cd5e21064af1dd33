// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "form.h"

namespace shell {

// The title screen: the product title, the title picture, a credits line, a notice line,
// "OK" on to the first menu screen and "Exit". The first menu's exit button brings it
// back with "OK" captioned "Cancel", as the confirmation to leave.
class TitleForm : public Form {
    Q_DECLARE_TR_FUNCTIONS(TitleForm)

public:
    TitleForm();

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

    // Each with its design name.
    Frame* panel;               // Frame1
    Label* product_title;       // Label4
    PictureBox* title_picture;  // Picture1
    Label* subtitle;            // Label3
    CommandButton* ok_button;   // Command1: "OK", or "Cancel" when asked to leave
    CommandButton* exit_button; // Command2
    Label* notice;              // Label2: the licence

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The scale the first menu's picture was made ready for while this screen waits.
    double prepared_for_ = 0;
};

inline constexpr const char* kTitlePicture = "opening\\vorlen00.jpg";

void register_title_form();

} // namespace shell
