// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QStringList>

#include <cstdint>
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
    ActivityForm(const QString& name, const QString& caption, const QString& menu,
                 const QString& status_frame = "framestatus");

    void Form_Load() override;
    virtual void start() = 0;
    virtual void cmdgo_Click() = 0;
    virtual void cmdsoln_Click() = 0;
    // Shows the listing menu screen, then unloads this screen with its timers.
    void cmdexit_Click();

    const QString& menu() const { return menu_; }

    // The chosen kind, from 0 in the order of the options; 0 where there is no choice.
    int kind() const;
    template <class Kind> Kind kind_as() const { return static_cast<Kind>(kind()); }
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

    // The seed the problem on show was drawn from; show_problem() chooses the kind and
    // shows the problem of that seed, its answer hidden.
    std::uint32_t seed() const { return seed_; }
    void show_problem(int kind, std::uint32_t seed);

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

    // The options Option1, Option2..., one for each caption, the first chosen; a click on
    // one is Go. They stand on the screen, or in `frame` when one is given (a frame is
    // given the screen's blue by the caller, as any frame of its own).
    void add_kinds(const QStringList& captions, const KindPlaces& places, Frame* frame = nullptr);

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
    void choose_kind(OptionButton* option);

    QString problem_with_code() const;
    void tell_sentence();
    // Speaks the part of the sentence that is new.
    void announce_change(const QString& old_problem, const QString& old_answer);

    void announce(const QString& news);

    QString menu_;
    std::uint32_t seed_ = 0;
    QString problem_;
    QString answer_;
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
