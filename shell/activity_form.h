// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_table.h"
#include "form.h"
#include "random.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace shell {

// Where a screen's kind options stand, in twips from the corner of the screen (or of
// the frame that holds them): the first at (left, top), each width by height, every
// next one `step` below the one before, or `step` to the right of it when `across`.
// Their captions are yellow Tahoma bold of `points`.
struct KindPlaces {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 450;
    double step = 500;
    bool across = false;
    double points = 12;
};

// The kinds in a row along the bottom of the screen, left of the status panel.
inline constexpr KindPlaces kKindsAlongTheBottom{.left = 300,
                                                 .top = 8100,
                                                 .width = 3200,
                                                 .height = 600,
                                                 .step = 3300,
                                                 .across = true,
                                                 .points = 15.75};

// The kinds in a column at the lower left of the screen.
inline constexpr KindPlaces kKindsAtTheLowerLeft{
    .left = 450, .top = 7050, .width = 4200, .height = 480, .step = 520};

// What the five activity screens share: the status panel with Go, Solution and Exit,
// the loading of the button pictures, the colours and the way back to the menu screen
// that lists the activity.
//
// Form_Load runs style_form, gives the screen its own blue (unless it keeps the styled
// one), gives the controls named in `recoloured` the same blue, loads the button
// pictures and then runs start(), which ends by making the first problem.
//
// Problems: a problem is a function of the kind and a seed (0 to kSeedCount - 1).
// new_problem(), the screen's own step that makes a problem and shows it with its
// answer hidden, draws only from problem_random(), a source seeded with seed(), so that
// one kind and seed always make one problem; show_problem() makes the problem of a kind
// and seed. Go, a click on a kind and the opening draw a fresh seed from the seed source
// (the clock's, unless a test sets its own) and make its problem; while that problem
// repeats the one before it (they share one of repeat_keys()), another seed is drawn, at
// most kMostDraws in all, and the last is shown anyway.
//
// Kinds: a screen whose problems come in kinds makes its options Option1, Option2... with
// add_kinds(), the first chosen as the screen opens; a click on one is Go. kind() is the
// chosen one, counted from 0 in the order of the options (0 on a screen without kinds),
// and kind_as<Kind>() the same as the activity's own enum.
//
// Every activity screen has the same keys (the table is in activity_form.cpp): Go,
// Solution and Exit, the number kinds, blanking the screen, the list of keys, reading
// the whole board, and Tab and Shift+Tab through the screen's controls in reading order
// (own_focus_order(), the kinds, Next, Solution, Exit) with Return or Space pressing the
// one marked; a screen adds its own rows with ScreenKeys::of(*this).add(). No control of
// an activity screen takes the keyboard focus by itself, so that no key reaches a
// control that would start a new problem on its own; only those keys move it.
// The quiet colour of the problem's code on the screens' blue.
inline const QColor kCodeColour{205, 225, 250};

class ActivityForm : public Form {
public:
    // The screen of an activity: its name, caption, menu and kinds are its record's.
    explicit ActivityForm(const ActivityInfo& activity,
                          const QString& status_frame = "framestatus");

    void Form_Load() override;
    // The screen's own start, after the load: by default the first problem.
    virtual void start() { next_problem(); }
    // Go: a new problem of the chosen kind.
    void cmdgo_Click() { next_problem(); }
    virtual void cmdsoln_Click() = 0;
    // Shows the listing menu screen, then unloads this screen with its timers.
    void cmdexit_Click();

    const ActivityInfo& activity() const { return activity_; }
    QString menu() const { return activity_.menu_screen(); }

    // The chosen kind, from 0 in the order of the options; 0 where there is no choice.
    int kind() const;
    template <class Kind> Kind kind_as() const { return static_cast<Kind>(kind()); }
    // How many kinds the screen offers (0 without kind options).
    int kind_count() const { return int(kind_options.size()); }
    // Chooses the kind's option without making a new problem.
    void set_kind(int index);

    // The activity's own settings besides its kind, which its row of the activity table
    // lists with the values they take (activity_table.h): the value of one as the screen
    // stands, and setting one to a value its rule has accepted, without making a new
    // problem. Lessons and the remembered settings go through these.
    virtual QString own_setting(const QString& key) const;
    virtual void apply_own_setting(const QString& key, const QString& value);

    // Keeps the kind and the own settings for the activity's next opening.
    void Form_Unload() override;

    // Seeds a problem is drawn from: [0, kSeedCount). Fresh seeds are drawn at most this
    // many times for one new problem.
    static constexpr int kMostDraws = 32;
    // The seed the problem on show was made from.
    std::uint32_t seed() const { return seed_; }
    // Chooses the kind (without making a problem of it), makes the problem of the seed and
    // shows it with its answer hidden; a solution under way stops, as for Go. A kind or
    // a seed out of range throws std::out_of_range.
    void show_problem(int kind, std::uint32_t seed);
    // Where fresh seeds come from: the clock's source unless a test gives its own.
    void set_seed_source(std::unique_ptr<chalkline::RandomSource> source);
    // What a new problem must not share with the one before it: by default its sentence
    // (which holds the whole problem). A screen whose rule is stricter names what more
    // must differ (a template, a divisor, a word...). Empty keys never match.
    virtual QStringList repeat_keys() const;

    // ---- On paper (worksheet.h) ----
    // Shows the problem as the screen's timers leave it once they have run: the whole
    // problem, where a timer shows it in parts.
    virtual void show_whole_problem() {}
    // Shows the whole solution at once, as Solution shows it once its reveal has ended,
    // with the screen reader's answer sentence; no timer runs.
    virtual void reveal_at_once();
    // The board: the part of the screen a worksheet shows, in twips. By default every
    // visible control but the status panel, the code, the options (the kinds and the
    // screen's other choices), its picture buttons and scroll bars.
    virtual QRectF board_area() const;

    // The sentence a screen reader reads for the screen (its accessible description):
    // "Problem: ..." while a problem is shown, "Problem: ... Answer: ..." once its
    // solution is fully shown. A new problem sets the problem, which drops the answer;
    // the last step of the solution's reveal sets the answer. Each change is told to the
    // screen reader at once.
    //
    // The problem's sentence ends with its code, spelled for the reader ("... Code 2 4 P,
    // 2, K 7 Q M." for 24P-2-K7QM), which the label LabelCode shows small just above the
    // status panel, in the lower right of the screen.
    void set_problem_sentence(const QString& problem);
    void set_answer_sentence(const QString& answer);
    // Speaks the answer at once ("Answer: ..."), before the screen has shown all of it,
    // so that it is heard even when a new problem comes first; the answer sentence set
    // later is then not spoken again.
    void speak_answer_now(const QString& answer);
    QString sentence() const { return accessibleDescription(); }
    // The sentences without their heads and the code: what follows "Problem: " and
    // "Answer: " (empty while the answer is hidden).
    const QString& problem_sentence() const { return problem_; }
    const QString& answer_sentence_shown() const { return answer_; }

    Frame* framestatus;
    Label* LabelCode;
    PictureButton* cmdgo;
    PictureButton* cmdsoln;
    PictureButton* cmdexit;

protected:
    // Draws fresh seeds until the problem they make is new, and shows it.
    void next_problem();
    // Makes a problem of kind() from problem_random() alone and shows it, its answer
    // hidden and its sentence set.
    virtual void new_problem() = 0;
    // Stops a solution under way before a new problem is made (nothing by default).
    virtual void hide_solution() {}
    // The source new_problem() draws from: seeded with seed() as each problem is made.
    chalkline::RandomSource& problem_random() { return problem_random_; }
    // The controls of the screen's own that the focus goes through before the kinds,
    // Next, Solution and Exit, in reading order: the places of the board that a click
    // presses, the screen's own buttons. Those hidden or disabled at the time are passed
    // over.
    virtual std::vector<Control*> own_focus_order() const { return {}; }
    // What W reads aloud: the whole board as it is shown now, row by row, for a screen
    // whose problem sentence leaves it out; by default the problem sentence.
    virtual QString board_reading() const;

    // A picture button of the screen's own whose picture is loaded with the others.
    PictureButton* add_picture_button(QWidget* parent, const QString& name, const QString& path,
                                      double left, double top, double width, double height);
    // A number-kind (or other) option button: yellow Tahoma bold text.
    OptionButton* add_option(QWidget* parent, const QString& name, const QString& caption,
                             double left, double top, double width, double height,
                             double font_size);

    // The options Option1, Option2..., one for each kind of the record, the first chosen;
    // a click on one is Go. They stand on the screen, or in `frame` when one is given (a
    // frame is given the screen's blue by the caller, as any frame of its own).
    void add_kinds(const KindPlaces& places, Frame* frame = nullptr);

    // Controls given the screen blue at load, after the screen itself.
    QStringList recoloured;
    // The one screen that keeps the blue of style_form.
    bool keeps_style_background = false;
    // The kind options that add_kinds() made, in screen order: K takes the next, Ctrl+1
    // to Ctrl+3 one.
    std::vector<OptionButton*> kind_options;

private:
    void add_shared_keys();
    void choose_next_kind();
    // Makes and shows the problem of the seed; the screen reader hears of it once made.
    void make_problem_of(std::uint32_t seed);
    // Runs make() with the sentence kept from the reader, then tells what changed once.
    template <class Make> void tell_once_made(Make make);
    void choose_kind(OptionButton* option);

    QString problem_with_code() const;
    void tell_sentence();
    // Speaks the part of the sentence that is new.
    void announce_change(const QString& old_problem, const QString& old_answer);

    void announce(const QString& news);

    const ActivityInfo& activity_;
    QString problem_;
    QString answer_;
    bool making_ = false;
    std::uint32_t seed_ = 0;
    chalkline::SeededRandom problem_random_{0};
    std::unique_ptr<chalkline::RandomSource> seeds_;
    // The repeat keys of the problem on show.
    QStringList shown_keys_;
    // The answer spoken ahead of the screen for the problem on show.
    QString spoken_answer_;
    // The kind chosen by a key, named before the problem it makes.
    QString kind_named_;
    std::vector<std::pair<PictureButton*, QString>> pictures_;
};

// A label of an activity screen's own text: Tahoma bold, yellow, centred in its box
// unless told, with no caption until the screen gives it one.
LabelSpec text_label(const QString& name, int index, double left, double top, double width,
                     double height, double points,
                     Qt::Alignment align = Qt::AlignHCenter | Qt::AlignVCenter);

} // namespace shell
