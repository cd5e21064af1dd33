// SPDX-License-Identifier: GPL-3.0-or-later
#include "activity_form.h"

#include "accessibility.h"
#include "activity_choices.h"
#include "code_dialog.h"
#include "ink.h"
#include "keys.h"
#include "lessons.h"
#include "overlays.h"
#include "pictures.h"
#include "problem_code.h"
#include "problem_codes.h"
#include "screens.h"
#include "speech.h"
#include "style_form.h"

#include <QAccessible>
#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace shell {

ActivityForm::ActivityForm(const ActivityInfo& activity, const QString& status_frame)
    : Form(activity.screen, 12000, 9000), activity_(activity),
      seeds_(std::make_unique<chalkline::ClockRandom>()) {
    set_caption(activity.caption());
    setAccessibleName(this->caption());
    framestatus = add<Frame>(this, status_frame);
    framestatus->move(10200, 6850, 1730, 1650);
    cmdgo = add_picture_button(framestatus, "cmdgo", "Images\\next.jpg", 30, 30, 1650, 500);
    cmdsoln =
        add_picture_button(framestatus, "cmdsoln", "Images\\solution.jpg", 30, 580, 1650, 500);
    cmdexit = add_picture_button(framestatus, "cmdexit", "Images\\exit.jpg", 30, 1130, 1650, 500);
    // Small and quiet, readable from the front row: the code of the problem on show, just
    // above the status panel, where no screen has anything (the strip below the panel holds
    // a lesson's step and the pen's tools).
    LabelCode = add_label(this, {.name = "LabelCode",
                                 .left = 10200,
                                 .top = 6585,
                                 .width = 1730,
                                 .height = 255,
                                 .caption = QString(),
                                 .font = {"Tahoma", 10, false},
                                 .fore = kCodeColour,
                                 .align = Qt::AlignHCenter | Qt::AlignVCenter});
    set_reader_traits(LabelCode, {.name = [this] {
                          return QCoreApplication::translate("ActivityForm", "Code %1")
                              .arg(spoken_code(LabelCode->caption()));
                      }});
    // The ink belongs to the problem: a new one (Next, a kind chosen) starts clean.
    cmdgo->on_click = [this](int) {
        clear_ink(*this);
        cmdgo_Click();
    };
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
    for (QWidget* widget : findChildren<QWidget*>()) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    add_shared_keys();
    apply_opening_choices(*this);
    start();
}

void ActivityForm::Form_Unload() {
    remember_choices(*this);
}

int ActivityForm::kind() const {
    const auto chosen = std::find_if(kind_options.begin(), kind_options.end(),
                                     [](OptionButton* option) { return option->value(); });
    return chosen == kind_options.end() ? 0 : int(chosen - kind_options.begin());
}

void ActivityForm::set_kind(int index) {
    if (index >= 0 && index < kind_count()) {
        kind_options[std::size_t(index)]->set_value(true);
    }
}

QString ActivityForm::own_setting(const QString&) const {
    return {};
}

void ActivityForm::apply_own_setting(const QString&, const QString&) {}

namespace {

// The context of the keys' texts in the translations.
struct ActivityKeys {
    Q_DECLARE_TR_FUNCTIONS(ActivityKeys)
};

} // namespace

// The keys of every activity screen. A presenter remote sends PageDown and PageUp, and
// B or "." to blank the screen, so Go and Solution are enough for a whole lesson.
void ActivityForm::add_shared_keys() {
    std::vector<KeyBinding> rows = {
        {{Qt::Key_PageDown, Qt::Key_N, Qt::Key_Right},
         ActivityKeys::tr("PageDown, N or Right arrow"),
         ActivityKeys::tr("Next (Go): a new problem"),
         [this](int) { press(cmdgo); }},
        {{Qt::Key_PageUp, Qt::Key_S},
         ActivityKeys::tr("PageUp or S"),
         ActivityKeys::tr("Solution"),
         [this](int) { press(cmdsoln); }},
        {{Qt::Key_Escape},
         ActivityKeys::tr("Esc"),
         ActivityKeys::tr("Exit: back to the menu"),
         [this](int) { press(cmdexit); }},
    };
    if (!kind_options.empty()) {
        const int count = int(kind_options.size());
        QList<QKeyCombination> direct;
        for (int i = 0; i < count; ++i) {
            direct << QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + i));
        }
        rows.push_back({{Qt::Key_K},
                        ActivityKeys::tr("K"),
                        ActivityKeys::tr("the next kind of numbers"),
                        [this](int) { choose_next_kind(); }});
        rows.push_back({direct,
                        (count == 2 ? ActivityKeys::tr("Ctrl+1 or Ctrl+%1")
                                    : ActivityKeys::tr("Ctrl+1 to Ctrl+%1"))
                            .arg(count),
                        ActivityKeys::tr("that kind of numbers, in the order shown"),
                        [this](int which) { choose_kind(kind_options[std::size_t(which)]); }});
    }
    rows.push_back({{Qt::Key_Tab, Qt::Key_Backtab},
                    ActivityKeys::tr("Tab; Shift+Tab"),
                    ActivityKeys::tr("mark the next or the previous control"),
                    [this](int which) {
                        ScreenKeys& keys = ScreenKeys::of(*this);
                        which == 0 ? keys.focus_next() : keys.focus_previous();
                    },
                    true});
    rows.push_back({{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space},
                    ActivityKeys::tr("Return or Space"),
                    ActivityKeys::tr("press the marked control"),
                    [this](int) { ScreenKeys::of(*this).press_focused(); }});
    rows.push_back({{Qt::Key_W},
                    ActivityKeys::tr("W"),
                    ActivityKeys::tr("read the whole board aloud"),
                    [this](int) { announce(board_reading()); }});
    rows.push_back({{QKeyCombination(Qt::ControlModifier, Qt::Key_L)},
                    ActivityKeys::tr("Ctrl+L"),
                    ActivityKeys::tr("save as a lesson: add this activity to a lesson file"),
                    [this](int) { save_as_lesson(*this); }});
    // One row for both, so that the list of keys stays within a small screen.
    rows.push_back({{QKeyCombination(Qt::ControlModifier, Qt::Key_G),
                     QKeyCombination(Qt::ControlModifier, Qt::Key_P)},
                    ActivityKeys::tr("Ctrl+G; Ctrl+P"),
                    ActivityKeys::tr("a problem by its code; a worksheet"),
                    [this](int which) {
                        if (which == 0) {
                            ask_for_problem(*this);
                        } else {
                            ask_for_worksheet(*this);
                        }
                    }});
    rows.push_back({{Qt::Key_B, Qt::Key_Period},
                    ActivityKeys::tr("B or ."),
                    ActivityKeys::tr("blank the screen; any key or click brings it back"),
                    [this](int) { show_blank(*this); }});
    rows.push_back({{Qt::Key_F1, Qt::Key_Question},
                    ActivityKeys::tr("F1 or ?"),
                    ActivityKeys::tr("this list of keys"),
                    [this](int) { show_key_help(*this); }});
    ScreenKeys& keys = ScreenKeys::of(*this);
    keys.add_front(std::move(rows));
    keys.focus_order = [this] {
        std::vector<Control*> order = own_focus_order();
        order.insert(order.end(), kind_options.begin(), kind_options.end());
        order.insert(order.end(), {cmdgo, cmdsoln, cmdexit});
        return order;
    };
}

void ActivityForm::choose_next_kind() {
    const auto chosen = std::find_if(kind_options.begin(), kind_options.end(),
                                     [](OptionButton* option) { return option->value(); });
    const auto next = chosen == kind_options.end() || chosen + 1 == kind_options.end()
                          ? kind_options.begin()
                          : chosen + 1;
    choose_kind(*next);
}

// The kind is named before the problem it makes, as the teacher did not see it chosen.
void ActivityForm::choose_kind(OptionButton* option) {
    kind_named_ = speech::words(option->text());
    press(option);
    kind_named_.clear();
}

void ActivityForm::next_problem() {
    const QStringList before = shown_keys_;
    const auto repeats = [&before](const QStringList& keys) {
        return std::any_of(keys.begin(), keys.end(), [&before](const QString& key) {
            return !key.isEmpty() && before.contains(key);
        });
    };
    tell_once_made([&] {
        for (int draw = 1;; ++draw) {
            make_problem_of(std::uint32_t(seeds_->draw(0, int(chalkline::kSeedCount) - 1)));
            if (draw == kMostDraws || !repeats(repeat_keys())) {
                return;
            }
        }
    });
}

void ActivityForm::show_problem(int kind, std::uint32_t seed) {
    if (kind < 0 || kind >= std::max(1, kind_count()) || seed >= chalkline::kSeedCount) {
        throw std::out_of_range("no problem of this kind and seed");
    }
    set_kind(kind);
    tell_once_made([&] { make_problem_of(seed); });
}

void ActivityForm::set_seed_source(std::unique_ptr<chalkline::RandomSource> source) {
    seeds_ = std::move(source);
}

QStringList ActivityForm::repeat_keys() const {
    return {problem_};
}

void ActivityForm::make_problem_of(std::uint32_t seed) {
    seed_ = seed;
    problem_random_ = chalkline::SeededRandom(seed);
    hide_solution();
    new_problem();
    shown_keys_ = repeat_keys();
}

// A problem drawn again for a new seed would otherwise be read out once for each draw.
template <class Make> void ActivityForm::tell_once_made(Make make) {
    const QString old_problem = problem_, old_answer = answer_;
    struct Quiet {
        bool& making;
        ~Quiet() { making = false; }
    } quiet{making_};
    making_ = true;
    make();
    making_ = false;
    tell_sentence();
    announce_change(old_problem, old_answer);
}

void ActivityForm::set_problem_sentence(const QString& problem) {
    const QString old_problem = problem_, old_answer = answer_;
    problem_ = problem;
    answer_.clear();
    LabelCode->set_caption(problem_code(*this));
    spoken_answer_.clear();
    if (making_) {
        return;
    }
    tell_sentence();
    announce_change(old_problem, old_answer);
}

void ActivityForm::set_answer_sentence(const QString& answer) {
    const QString old_answer = answer_;
    answer_ = answer;
    tell_sentence();
    announce_change(problem_, old_answer);
}

// The screen's sentence is its description; a reader speaks what changed as a notice:
// the answer once it is shown, the rows a growing problem gains (a chain read out as it
// runs), or else the whole new problem.
void ActivityForm::announce_change(const QString& old_problem, const QString& old_answer) {
    QString news;
    if (!answer_.isEmpty()) {
        if (answer_ == old_answer || answer_ == spoken_answer_) {
            return;
        }
        news = QCoreApplication::translate("ActivityForm", "Answer: %1").arg(answer_);
    } else {
        if (problem_ == old_problem && old_answer.isEmpty()) {
            return;
        }
        const QString stem = old_problem.endsWith('.') ? old_problem.chopped(1) : old_problem;
        if (old_answer.isEmpty() && !stem.isEmpty() && problem_.startsWith(stem) &&
            problem_.size() > stem.size() + 1) {
            news = problem_.mid(stem.size() + 1).trimmed();
        } else {
            news =
                QCoreApplication::translate("ActivityForm", "Problem: %1").arg(problem_with_code());
        }
    }
    if (!kind_named_.isEmpty()) {
        news = QCoreApplication::translate("ActivityForm", "%1. %2").arg(kind_named_, news);
        kind_named_.clear();
    }
    announce(news);
}

QString ActivityForm::board_reading() const {
    return QCoreApplication::translate("ActivityForm", "Problem: %1").arg(problem_);
}

void ActivityForm::speak_answer_now(const QString& answer) {
    if (answer.isEmpty() || answer == spoken_answer_ || answer == answer_) {
        return;
    }
    spoken_answer_ = answer;
    announce(QCoreApplication::translate("ActivityForm", "Answer: %1").arg(answer));
}

void ActivityForm::announce(const QString& news) {
    // A screen that is opening is read whole by the reader as it appears.
    if (!isVisible()) {
        return;
    }
    Announcer::of(this).announce(news);
}

// "Problem: make 24 from 1, 3, 4 and 6. Code 2 4 P, 1, K 7 Q M.": the code's characters
// one by one, so that a reader spells it rather than reading "24P" as a number.
QString ActivityForm::problem_with_code() const {
    const QString code = LabelCode->caption();
    if (code.isEmpty()) {
        return problem_;
    }
    return problem_ + ' ' +
           QCoreApplication::translate("ActivityForm", "Code %1.").arg(spoken_code(code));
}

void ActivityForm::tell_sentence() {
    QString text =
        QCoreApplication::translate("ActivityForm", "Problem: %1").arg(problem_with_code());
    if (!answer_.isEmpty()) {
        text += ' ' + QCoreApplication::translate("ActivityForm", "Answer: %1").arg(answer_);
    }
    if (text == accessibleDescription()) {
        return;
    }
    setAccessibleDescription(text);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    // The program's window reads the screen it shows as its own description.
    if (is_shown()) {
        QAccessibleEvent shown(window(), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&shown);
    }
}

void ActivityForm::reveal_at_once() {
    cmdsoln_Click();
}

QRectF ActivityForm::board_area() const {
    QRectF area;
    for (QWidget* child : stage()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        auto* control = dynamic_cast<Control*>(child);
        if (!control || !control->visible() || control == framestatus || control == LabelCode ||
            dynamic_cast<OptionButton*>(control) || dynamic_cast<PictureButton*>(control) ||
            dynamic_cast<VScrollBar*>(control)) {
            continue;
        }
        // A frame of options only (the kinds, Forward and Reverse) is not the board.
        if (auto* frame = dynamic_cast<Frame*>(control)) {
            const auto inside = frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            if (!inside.isEmpty() && std::all_of(inside.begin(), inside.end(), [](QWidget* w) {
                    return !w->isVisibleTo(w->parentWidget()) || dynamic_cast<OptionButton*>(w) ||
                           dynamic_cast<VScrollBar*>(w);
                })) {
                continue;
            }
        }
        area |= QRectF(control->left(), control->top(), control->width(), control->height());
    }
    return area;
}

void ActivityForm::cmdexit_Click() {
    const QString self = name();
    show_form(menu());
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
    QObject::connect(option, &QAbstractButton::clicked, this, [this] { clear_ink(*this); });
    option->set_fore_colour(kYellow);
    option->set_font_spec({"Tahoma", font_size, true});
    return option;
}

void ActivityForm::add_kinds(const KindPlaces& places, Frame* frame) {
    const QStringList captions = activity_.kind_captions();
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QString("Option%1").arg(i + 1);
        const double along = i * places.step;
        OptionButton* option = add_option(frame ? static_cast<QWidget*>(frame) : this, name,
                                          captions[i], places.left + (places.across ? along : 0),
                                          places.top + (places.across ? 0 : along), places.width,
                                          places.height, places.points);
        option->on_click = [this](int) { cmdgo_Click(); };
        recoloured << name;
        kind_options.push_back(option);
    }
    if (!kind_options.empty()) {
        kind_options.front()->set_value(true);
    }
}

LabelSpec text_label(const QString& name, int index, double left, double top, double width,
                     double height, double points, Qt::Alignment align) {
    return {.name = name,
            .index = index,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = QString(),
            .font = FontSpec{"Tahoma", points, true},
            .fore = kYellow,
            .align = align};
}

} // namespace shell
