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

    Frame* Frame1;
    Label* Label4;
    PictureBox* Picture1;
    Label* Label3;
    CommandButton* Command1;
    CommandButton* Command2;
    Label* Label2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The scale the first menu's picture was made ready for while this screen waits.
    double prepared_for_ = 0;
};

inline constexpr const char* kTitlePicture = "opening\\vorlen00.jpg";

void register_title_form();

} // namespace shell
