// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QUrl>

namespace shell {

// What the first menu screen and the five menu screens share: the heading Label1, the
// column Label2 of links to the menu screens with "WWW Links" below it, the exit button
// Command1, the background picture and the highlight under the pointer.
//
// A label lights up (turns opaque) when the pointer moves onto it and goes dark again
// only when the pointer moves over the background or over a disabled label, whose
// movement reaches the form. There is no other reset, so moving straight from one
// label onto another leaves both lit.
//
// From the keyboard, Tab and the arrow keys move the focus through the entries that do
// something, in reading order, and light the focused one as the pointer would; Return or
// Space opens it through its click handler; Escape is the exit button.
class MenuScreen : public Form {
public:
    void Form_MouseMove(const MouseArgs& args) override;
    void Label1_MouseMove(const MouseArgs& args);
    void Label2_MouseMove(int index, const MouseArgs& args);
    virtual void Label2_Click(int index) = 0;
    virtual void Command1_Click() = 0;

    Label* heading;             // Label1
    PictureButton* exit_button; // Command1

protected:
    MenuScreen(const QString& name, const LabelSpec& heading_design);

    // Loads the picture of the exit button and puts it in its place.
    void place_exit_button();
    // Creates Label2 elements 1 to 5 below element 0, captions them, disables "WWW Links".
    void load_menu_links();
    // Makes Label2 elements 0 to 5 visible.
    void show_menu_links();

    // The entries the keyboard focus moves through, in reading order.
    virtual std::vector<Control*> focus_entries() const = 0;
    // The links to the menu screens, without the screen's own (menu `own`, 0 for none).
    std::vector<Control*> menu_links(int own) const;
};

// The first menu screen: the product title, the links to the five menu screens, "Open a
// lesson" beside the exit button, the web address when one is configured (web_address())
// and the exit button, which leads to the title screen as the confirmation to leave. It
// owns the background picture that the menu screens borrow.
class IntroForm : public MenuScreen {
public:
    IntroForm();

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void Label2_Click(int index) override;
    void Label4_Click();
    void Command1_Click() override;

    Label* web_link; // Label4: the school's web address
    Label* notice;   // Label3: the licence
    // "Go to problem", under the links to the menus.
    Label* problem_link;
    // "Open a lesson", beside the exit button.
    Label* lesson_link;

protected:
    std::vector<Control*> focus_entries() const override;
};

// One of the menu screens menu1 to menu5: the heading "Menu N", a centred column Label3
// of activity titles, the links to the other menu screens and the exit button back to
// the first menu. A title is enabled when the program has its activity screen.
class MenuForm : public MenuScreen {
public:
    explicit MenuForm(int number);

    void Form_Load() override;
    void Label2_Click(int index) override;
    void Label3_MouseMove(int index, const MouseArgs& args);
    void Label3_Click(int index);
    void Command1_Click() override;

    int number() const { return number_; }

protected:
    std::vector<Control*> focus_entries() const override;

private:
    int number_;
};

// The web address that the first menu shows and opens: the school's (webAddress in the
// settings, settings.h), else the one the program was built with (CHALKLINE_MENU_ADDRESS),
// else none, and the place stays empty.
QUrl web_address();

// The licence notice that the title screen and the first menu show.
QString licence_notice();

// Decodes the first menu's picture at the size it will show at, so that it opens at once.
void prepare_first_menu();

// Makes the first menu screen intro0 and the menu screens menu1 to menu5 known to the
// screen registry.
void register_menu_forms();

// The titles on menu screen `number` (1 to 5), from the top.
QStringList menu_titles(int number);

} // namespace shell
