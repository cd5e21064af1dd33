// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_forms.h"

#include "chalkline_version.h"

#include "accessibility.h"
#include "activity_table.h"
#include "code_dialog.h"
#include "keys.h"
#include "lessons.h"
#include "overlays.h"
#include "pictures.h"
#include "program.h"
#include "program_window.h"
#include "screens.h"
#include "settings.h"
#include "style_form.h"
#include "title_form.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <vector>

namespace shell {

QUrl web_address() {
    const QString school = setting("General", "webAddress");
    return QUrl(school.isEmpty() ? QString(kChalklineMenuAddress) : school);
}

namespace {

// The context of the menus' texts in the translations.
struct Menus {
    Q_DECLARE_TR_FUNCTIONS(Menus)
};

constexpr const char* kCaption = "Chalkline";
constexpr const char* kProductTitle = "Chalkline";
// Short enough for the one line of its label.
constexpr const char* kNotice = QT_TRANSLATE_NOOP("Menus", "Free software: GNU GPL 3 or later");
constexpr const char* kMenuPicture = "Images\\menu1.jpg";
constexpr const char* kExitPicture = "Images\\exit.jpg";

constexpr double kWindowWidth = 12000;
constexpr double kListTop = 2400;
constexpr double kListStep = 750;
constexpr int kLinks = 6;
constexpr int kWebLinks = 5;
// "WWW Links" stands one step further down than the even spacing would put it.
constexpr double kWebLinksOffset = 4500;

constexpr std::array<const char*, kLinks> kLinkCaptions = {
    QT_TRANSLATE_NOOP("Menus", "Menu 1"), QT_TRANSLATE_NOOP("Menus", "Menu 2"),
    QT_TRANSLATE_NOOP("Menus", "Menu 3"), QT_TRANSLATE_NOOP("Menus", "Menu 4"),
    QT_TRANSLATE_NOOP("Menus", "Menu 5"), QT_TRANSLATE_NOOP("Menus", "WWW Links")};

// The menu screens, and the width of each one's column of titles. The titles, and the
// screens they open, are the activities' records' (activity_table.h).
constexpr double kTitleWidths[] = {3405, 3735, 6075, 3405, 3975};
constexpr int kMenus = int(std::size(kTitleWidths));

QString menu_name(int number) {
    return QString("menu%1").arg(number);
}

// The records of the activities on a menu, in the order of their titles; none where a
// place has no activity.
std::vector<const ActivityInfo*> titles_of(int number) {
    std::vector<const ActivityInfo*> titles;
    for (const ActivityInfo& row : registered_activities()) {
        if (row.menu == number && row.place >= 0) {
            titles.resize(std::max(titles.size(), std::size_t(row.place) + 1));
            titles[std::size_t(row.place)] = &row;
        }
    }
    return titles;
}

QString title_at(const std::vector<const ActivityInfo*>& titles, int place) {
    return titles[std::size_t(place)] ? titles[std::size_t(place)]->caption() : QString();
}

} // namespace

// ---- MenuScreen ----

MenuScreen::MenuScreen(const QString& name, const LabelSpec& heading_design)
    : Form(name, kWindowWidth, 9000) {
    set_caption(kCaption);
    heading = add_label(this, heading_design);
    add_label(this, {.name = "Label2",
                     .index = 0,
                     .left = 9600,
                     .top = kListTop,
                     .width = 2235,
                     .height = 495,
                     .caption = Menus::tr(kLinkCaptions[0]),
                     .font = {"Tahoma", 18, true},
                     .border = true,
                     .visible = false});
    exit_button = add<PictureButton>(this, "Command1");
    exit_button->move(10240, 7975, 1650, 500);
    exit_button->setAccessibleName(picture_word(kExitPicture));
    // The keys move the focus; nothing takes it when the screen opens.
    exit_button->set_tab_stop(false);

    heading->on_mouse_move = [this](int, const MouseArgs& a) { Label1_MouseMove(a); };
    auto* links = get<Label>("Label2", 0);
    links->on_mouse_move = [this](int i, const MouseArgs& a) { Label2_MouseMove(i, a); };
    links->on_click = [this](int i) { Label2_Click(i); };
    exit_button->on_click = [this](int) { Command1_Click(); };

    ScreenKeys& keys = ScreenKeys::of(*this);
    keys.focus_order = [this] { return focus_entries(); };
    keys.add({
        {{Qt::Key_Tab, Qt::Key_Down, Qt::Key_Right},
         Menus::tr("Tab, Down or Right arrow"),
         Menus::tr("the next entry"),
         [&keys](int) { keys.focus_next(); },
         true},
        {{Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Left},
         Menus::tr("Shift+Tab, Up or Left arrow"),
         Menus::tr("the entry before"),
         [&keys](int) { keys.focus_previous(); },
         true},
        {{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space},
         Menus::tr("Return or Space"),
         Menus::tr("open the marked entry"),
         [&keys](int) { keys.press_focused(); }},
        {{Qt::Key_Escape},
         Menus::tr("Esc"),
         Menus::tr("Exit"),
         [this](int) { press(exit_button); }},
        {{Qt::Key_F1, Qt::Key_Question},
         Menus::tr("F1 or ?"),
         Menus::tr("this list of keys"),
         [this](int) { show_key_help(*this); }},
        go_to_problem_key(*this),
    });
}

std::vector<Control*> MenuScreen::menu_links(int own) const {
    std::vector<Control*> links;
    for (int i = 0; i < kMenus; ++i) {
        Label* link = get<Label>("Label2", i);
        if (link && i + 1 != own) {
            links.push_back(link);
        }
    }
    return links;
}

void MenuScreen::Form_MouseMove(const MouseArgs&) {
    heading->set_opaque(false);
    for (int i = 0; i < kLinks; ++i) {
        if (auto* link = get<Label>("Label2", i)) {
            link->set_opaque(false);
        }
    }
}

void MenuScreen::Label1_MouseMove(const MouseArgs&) {
    heading->set_opaque(true);
}

void MenuScreen::Label2_MouseMove(int index, const MouseArgs&) {
    get<Label>("Label2", index)->set_opaque(true);
}

void MenuScreen::place_exit_button() {
    exit_button->set_picture_file(kExitPicture);
    exit_button->move(10240, 7975, 1650, 500);
}

void MenuScreen::load_menu_links() {
    const double top = get<Label>("Label2", 0)->top();
    const double left = get<Label>("Label2", 0)->left();
    for (int i = 1; i < kLinks; ++i) {
        Label* link = load_element("Label2", i);
        link->set_left(left);
        link->set_top(top + (i == kWebLinks ? kWebLinksOffset : kListStep * i));
        link->set_caption(Menus::tr(kLinkCaptions[i]));
    }
    get<Label>("Label2", kWebLinks)->set_enabled(false);
}

void MenuScreen::show_menu_links() {
    for (int i = 0; i < kLinks; ++i) {
        get<Label>("Label2", i)->set_visible(true);
    }
}

// ---- IntroForm ----

IntroForm::IntroForm()
    : MenuScreen("intro0", {.name = "Label1",
                            .left = 510,
                            .top = 120,
                            .width = 10980,
                            .height = 900,
                            .caption = kProductTitle,
                            .font = {"Tahoma", 27.75, true},
                            .border = true}) {
    const QUrl address = web_address();
    web_link = add_label(this, {.name = "Label4",
                                .left = 4320,
                                .top = 8160,
                                .width = 3315,
                                .height = 375,
                                .caption = address.host(),
                                .font = {"Arial", 12, true},
                                .opaque = true,
                                .border = true,
                                .visible = !address.isEmpty()});
    lesson_link = add_label(this, {.name = "LabelLesson",
                                   .left = 7800,
                                   .top = 8015,
                                   .width = 2235,
                                   .height = 420,
                                   .caption = Menus::tr("Open a lesson"),
                                   .font = {"Tahoma", 12, true},
                                   .border = true,
                                   .align = Qt::AlignCenter});
    // A caption longer than the box at its size (a long language) takes a second line,
    // the box growing upwards into the empty space above it.
    if (lesson_link->caption_font().pixelSize() < lesson_link->font().pixelSize()) {
        lesson_link->move(7800, 8015 - 360, 2235, 420 + 360);
    }
    lesson_link->on_mouse_move = [this](int, const MouseArgs&) { lesson_link->set_opaque(true); };
    lesson_link->on_click = [this](int) { open_lesson(*this); };
    ScreenKeys::of(*this).add({{{QKeyCombination(Qt::ControlModifier, Qt::Key_O)},
                                Menus::tr("Ctrl+O"),
                                Menus::tr("Open a lesson"),
                                [this](int) { press(lesson_link); }}});
    // Down to the foot of the screen: room for a second line where a language's notice
    // is long.
    notice = add_label(this, {.name = "Label3",
                              .left = 0,
                              .top = 8280,
                              .width = 3600,
                              .height = 720,
                              .caption = licence_notice(),
                              .font = {"Tahoma", 9.75, false}});
    // Go to problem, for the teacher at the board: under the links to the menus.
    problem_link = add_label(this, {.name = "LabelProblem",
                                    .left = 9600,
                                    .top = 6200,
                                    .width = 2235,
                                    .height = 420,
                                    .caption = Menus::tr("Go to problem"),
                                    .font = {"Tahoma", 10, true},
                                    .border = true,
                                    .align = Qt::AlignCenter});
    problem_link->on_click = [this](int) { ask_for_problem(*this); };
    problem_link->on_mouse_move = [this](int, const MouseArgs&) { problem_link->set_opaque(true); };
    web_link->on_click = [this](int) { Label4_Click(); };
    set_reader_traits(web_link, {.role = QAccessible::Link});
    setAccessibleName(Menus::tr("%1, First menu").arg(kCaption));
}

std::vector<Control*> IntroForm::focus_entries() const {
    std::vector<Control*> entries = menu_links(0);
    entries.push_back(problem_link);
    entries.push_back(web_link);
    entries.push_back(lesson_link);
    entries.push_back(exit_button);
    return entries;
}

void IntroForm::Form_Load() {
    style_form(*this);
    set_back_colour(kScreenBlue);
    set_background_picture(picture_or_none(kMenuPicture));
    place_exit_button();
    load_menu_links();
    show_menu_links();
}

void IntroForm::Form_MouseMove(const MouseArgs& args) {
    MenuScreen::Form_MouseMove(args);
    lesson_link->set_opaque(false);
    problem_link->set_opaque(false);
}

void IntroForm::Label2_Click(int index) {
    if (index < 0 || index >= kMenus) {
        return;
    }
    const QString self = name();
    show_form(menu_name(index + 1));
    unload_form(self);
}

void IntroForm::Label4_Click() {
    open_address(web_address(), this);
}

// The title screen comes back as the confirmation to leave: "Cancel" returns here.
void IntroForm::Command1_Click() {
    const QString self = name();
    if (auto* title = dynamic_cast<TitleForm*>(touch_form("Titlefrm"))) {
        title->ok_button->set_caption(TitleForm::tr("Cancel"));
        title->setAccessibleName(Menus::tr("%1, Leave the program?").arg(kCaption));
    }
    show_form("Titlefrm");
    unload_form(self);
}

// ---- MenuForm ----

MenuForm::MenuForm(int number)
    : MenuScreen(menu_name(number), {.name = "Label1",
                                     .left = (kWindowWidth - 3405) / 2,
                                     .top = 120,
                                     .width = 3405,
                                     .height = 900,
                                     .caption = Menus::tr("Menu %1").arg(number),
                                     .font = {"Tahoma", 36, true},
                                     .opaque = true,
                                     .border = true}),
      number_(number) {
    const double width = kTitleWidths[number - 1];
    const std::vector<const ActivityInfo*> titles = titles_of(number);
    auto* first = add_label(this, {.name = "Label3",
                                   .index = 0,
                                   .left = (kWindowWidth - width) / 2,
                                   .top = kListTop,
                                   .width = width,
                                   .height = 495,
                                   .caption = titles.empty() ? QString() : title_at(titles, 0),
                                   .font = {"Tahoma", 15.75, true},
                                   .opaque = true,
                                   .border = true,
                                   .visible = false,
                                   .enabled = false});
    first->on_mouse_move = [this](int i, const MouseArgs& a) { Label3_MouseMove(i, a); };
    first->on_click = [this](int i) { Label3_Click(i); };
    setAccessibleName(Menus::tr("%1, Menu %2").arg(kCaption).arg(number));
}

std::vector<Control*> MenuForm::focus_entries() const {
    std::vector<Control*> entries = elements("Label3");
    const auto links = menu_links(number_);
    entries.insert(entries.end(), links.begin(), links.end());
    entries.push_back(exit_button);
    return entries;
}

void MenuForm::Form_Load() {
    style_form(*this);
    set_back_colour(kScreenBlue);
    // The picture is the first menu's; reading it loads that screen, hidden, if needed.
    if (Form* intro = touch_form("intro0")) {
        set_background_picture(intro->background_picture());
    }
    place_exit_button();

    heading->set_left((kWindowWidth - heading->width()) / 2);
    Label* first = get<Label>("Label3", 0);
    first->set_left((kWindowWidth - first->width()) / 2);

    load_menu_links();
    const std::vector<const ActivityInfo*> titles = titles_of(number_);
    const int count = int(titles.size());
    for (int i = 1; i < count; ++i) {
        Label* title = load_element("Label3", i);
        title->set_left(first->left());
        title->set_top(first->top() + kListStep * i);
        title->set_caption(title_at(titles, i));
    }

    show_menu_links();
    for (int i = 0; i < count; ++i) {
        get<Label>("Label3", i)->set_visible(true);
    }
    for (int i = 0; i < count; ++i) {
        if (titles[std::size_t(i)] && titles[std::size_t(i)]->make) {
            get<Label>("Label3", i)->set_enabled(true);
        }
    }
    // The link to this very menu does nothing, so a screen reader does not offer it.
    set_reader_traits(get<Label>("Label2", number_ - 1), {.inert = true});
}

void MenuForm::Label2_Click(int index) {
    if (index < 0 || index >= kMenus || index + 1 == number_) {
        return;
    }
    const QString self = name();
    show_form(menu_name(index + 1));
    unload_form(self);
}

void MenuForm::Label3_MouseMove(int index, const MouseArgs&) {
    get<Label>("Label3", index)->set_opaque(true);
}

void MenuForm::Label3_Click(int index) {
    const ActivityInfo* activity = activity_at(number_, index);
    if (!activity || !activity->make) {
        return;
    }
    const QString self = name();
    show_form(activity->screen);
    unload_form(self);
}

void MenuForm::Command1_Click() {
    const QString self = name();
    show_form("intro0");
    unload_form(self);
}

QStringList menu_titles(int number) {
    QStringList captions;
    const std::vector<const ActivityInfo*> titles = titles_of(number);
    for (int i = 0; i < int(titles.size()); ++i) {
        captions << title_at(titles, i);
    }
    return captions;
}

// ---- Registry ----

QString licence_notice() {
    return Menus::tr(kNotice);
}

void register_menu_forms() {
    register_form("intro0", [] { return std::make_unique<IntroForm>(); });
    for (int number = 1; number <= kMenus; ++number) {
        register_form(menu_name(number), [number] { return std::make_unique<MenuForm>(number); });
    }
}

void prepare_first_menu() {
    background_for(picture_or_none(kMenuPicture), QSize(px(kWindowWidth), px(9000)),
                   program_window()->devicePixelRatioF());
}

} // namespace shell
