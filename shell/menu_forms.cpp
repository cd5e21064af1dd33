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

#include <array>

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

// The titles of a menu screen. Which of them the program has, and the screens they open,
// is the activity table's to say (activity_table.h).
struct MenuPage {
    double width; // of the title column
    int count;    // of titles
    std::array<const char*, 6> titles;
};

constexpr MenuPage kMenuPages[] = {
    {3405,
     6,
     {{QT_TRANSLATE_NOOP("Menus", "Match the Target"), QT_TRANSLATE_NOOP("Menus", "Magic Squares"),
       QT_TRANSLATE_NOOP("Menus", "Spider Diagrams"), QT_TRANSLATE_NOOP("Menus", "The 24 Puzzle"),
       QT_TRANSLATE_NOOP("Menus", "Ordering"), QT_TRANSLATE_NOOP("Menus", "Integer Squares")}}},
    {3735,
     6,
     {{QT_TRANSLATE_NOOP("Menus", "Number Squares"), QT_TRANSLATE_NOOP("Menus", "Percentages"),
       QT_TRANSLATE_NOOP("Menus", "Substitution"),
       QT_TRANSLATE_NOOP("Menus", "Right-angled Triangles"),
       QT_TRANSLATE_NOOP("Menus", "Mental Arithmetic"),
       QT_TRANSLATE_NOOP("Menus", "The Hundred Square")}}},
    {6075,
     6,
     {{QT_TRANSLATE_NOOP("Menus", "The Four Rules"),
       QT_TRANSLATE_NOOP("Menus", "Fractions, Decimals and Percentages"),
       QT_TRANSLATE_NOOP("Menus", "Pythagorean Triples"),
       QT_TRANSLATE_NOOP("Menus", "Order of Operations"), QT_TRANSLATE_NOOP("Menus", "Number Wall"),
       QT_TRANSLATE_NOOP("Menus", "Fractions Between")}}},
    {3405,
     6,
     {{QT_TRANSLATE_NOOP("Menus", "Pandigital Fractions"), QT_TRANSLATE_NOOP("Menus", "Products"),
       QT_TRANSLATE_NOOP("Menus", "Quadratic Factors"), QT_TRANSLATE_NOOP("Menus", "Hidden Digits"),
       QT_TRANSLATE_NOOP("Menus", "Roman Arithmetic"),
       QT_TRANSLATE_NOOP("Menus", "Pascal's Triangle 1")}}},
    {3975,
     5,
     {{QT_TRANSLATE_NOOP("Menus", "Pascal's Triangle 2"),
       QT_TRANSLATE_NOOP("Menus", "The Fibonacci Sequence"),
       QT_TRANSLATE_NOOP("Menus", "Affine Ciphers"),
       QT_TRANSLATE_NOOP("Menus", "Hailstone Numbers"),
       QT_TRANSLATE_NOOP("Menus", "Leibniz' Triangle"), nullptr}}},
};
constexpr int kMenus = int(std::size(kMenuPages));

QString menu_name(int number) {
    return QString("menu%1").arg(number);
}

const MenuPage& page(int number) {
    return kMenuPages[number - 1];
}

} // namespace

// ---- MenuScreen ----

MenuScreen::MenuScreen(const QString& name, const LabelSpec& heading)
    : Form(name, kWindowWidth, 9000) {
    set_caption(kCaption);
    Label1 = add_label(this, heading);
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
    Command1 = add<PictureButton>(this, "Command1");
    Command1->move(10240, 7975, 1650, 500);
    Command1->setAccessibleName(picture_word(kExitPicture));
    // The keys move the focus; nothing takes it when the screen opens.
    Command1->set_tab_stop(false);

    Label1->on_mouse_move = [this](int, const MouseArgs& a) { Label1_MouseMove(a); };
    auto* links = get<Label>("Label2", 0);
    links->on_mouse_move = [this](int i, const MouseArgs& a) { Label2_MouseMove(i, a); };
    links->on_click = [this](int i) { Label2_Click(i); };
    Command1->on_click = [this](int) { Command1_Click(); };

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
        {{Qt::Key_Escape}, Menus::tr("Esc"), Menus::tr("Exit"), [this](int) { press(Command1); }},
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
    Label1->set_opaque(false);
    for (int i = 0; i < kLinks; ++i) {
        if (auto* link = get<Label>("Label2", i)) {
            link->set_opaque(false);
        }
    }
}

void MenuScreen::Label1_MouseMove(const MouseArgs&) {
    Label1->set_opaque(true);
}

void MenuScreen::Label2_MouseMove(int index, const MouseArgs&) {
    get<Label>("Label2", index)->set_opaque(true);
}

void MenuScreen::place_exit_button() {
    Command1->set_picture_file(kExitPicture);
    Command1->move(10240, 7975, 1650, 500);
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
    Label4 = add_label(this, {.name = "Label4",
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
    lesson_link->on_mouse_move = [this](int, const MouseArgs&) { lesson_link->set_opaque(true); };
    lesson_link->on_click = [this](int) { open_lesson(*this); };
    ScreenKeys::of(*this).add({{{QKeyCombination(Qt::ControlModifier, Qt::Key_O)},
                                Menus::tr("Ctrl+O"),
                                Menus::tr("Open a lesson"),
                                [this](int) { press(lesson_link); }}});
    // Down to the foot of the screen: room for a second line where a language's notice
    // is long.
    Label3 = add_label(this, {.name = "Label3",
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
    Label4->on_click = [this](int) { Label4_Click(); };
    set_reader_traits(Label4, {.role = QAccessible::Link});
    setAccessibleName(Menus::tr("%1, First menu").arg(kCaption));
}

std::vector<Control*> IntroForm::focus_entries() const {
    std::vector<Control*> entries = menu_links(0);
    entries.push_back(problem_link);
    entries.push_back(Label4);
    entries.push_back(lesson_link);
    entries.push_back(Command1);
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
        title->Command1->set_caption(TitleForm::tr("Cancel"));
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
    const MenuPage& titles = page(number);
    auto* first = add_label(this, {.name = "Label3",
                                   .index = 0,
                                   .left = (kWindowWidth - titles.width) / 2,
                                   .top = kListTop,
                                   .width = titles.width,
                                   .height = 495,
                                   .caption = Menus::tr(titles.titles[0]),
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
    entries.push_back(Command1);
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

    Label1->set_left((kWindowWidth - Label1->width()) / 2);
    Label* first = get<Label>("Label3", 0);
    first->set_left((kWindowWidth - first->width()) / 2);

    load_menu_links();
    const MenuPage& titles = page(number_);
    for (int i = 1; i < titles.count; ++i) {
        Label* title = load_element("Label3", i);
        title->set_left(first->left());
        title->set_top(first->top() + kListStep * i);
        title->set_caption(Menus::tr(titles.titles[i]));
    }

    show_menu_links();
    for (int i = 0; i < titles.count; ++i) {
        get<Label>("Label3", i)->set_visible(true);
    }
    for (int i = 0; i < titles.count; ++i) {
        if (activity_at(number_, i)) {
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
    const ActivityEntry* activity = activity_at(number_, index);
    if (!activity) {
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
    QStringList titles;
    const MenuPage& titles_page = page(number);
    for (int i = 0; i < titles_page.count; ++i) {
        titles << Menus::tr(titles_page.titles[std::size_t(i)]);
    }
    return titles;
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
