#include "activity_form.h"

#include "pictures.h"
#include "style_form.h"

namespace shell {

ActivityForm::ActivityForm(const QString& name, const QString& caption, const QString& menu,
                           const QString& status_frame)
    : Form(name, 12000, 9000), menu_(menu) {
    set_caption(caption);
    framestatus = add<Frame>(this, status_frame);
    framestatus->move(10200, 6850, 1730, 1650);
    cmdgo = add_picture_button(framestatus, "cmdgo", "Images\\next.jpg", 30, 30, 1650, 500);
    cmdsoln =
        add_picture_button(framestatus, "cmdsoln", "Images\\solution.jpg", 30, 580, 1650, 500);
    cmdexit = add_picture_button(framestatus, "cmdexit", "Images\\exit.jpg", 30, 1130, 1650, 500);
    cmdgo->on_click = [this](int) { cmdgo_Click(); };
    cmdsoln->on_click = [this](int) { cmdsoln_Click(); };
    cmdexit->on_click = [this](int) { cmdexit_Click(); };
}

void ActivityForm::Form_Load() {
    style_form(*this);
    if (!keeps_style_background) {
        set_back_colour(kScreenBlue);
    }
    for (const QString& name : recoloured) {
        Control* c = control(name);
        if (auto* frame = dynamic_cast<Frame*>(c)) {
            frame->set_back_colour(kScreenBlue);
        } else if (auto* option = dynamic_cast<OptionButton*>(c)) {
            option->set_back_colour(kScreenBlue);
        } else if (auto* label = dynamic_cast<Label*>(c)) {
            label->set_back_colour(kScreenBlue);
        }
    }
    for (auto& [button, path] : pictures_) {
        button->set_picture_file(path);
    }
    start();
}

void ActivityForm::cmdexit_Click() {
    const QString self = name();
    show_form(menu_);
    unload_form(self);
}

PictureButton* ActivityForm::add_picture_button(QWidget* parent, const QString& name,
                                                const QString& path, double left, double top,
                                                double width, double height) {
    auto* button = add<PictureButton>(parent, name);
    button->move(left, top, width, height);
    button->setAccessibleName(picture_word(path));
    pictures_.emplace_back(button, path);
    return button;
}

OptionButton* ActivityForm::add_option(QWidget* parent, const QString& name, const QString& caption,
                                       double left, double top, double width, double height,
                                       double font_size) {
    auto* option = add<OptionButton>(parent, name, caption);
    option->move(left, top, width, height);
    option->set_fore_colour(kYellow);
    option->set_font_spec({"Tahoma", font_size, true});
    return option;
}

} // namespace shell
