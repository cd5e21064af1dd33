// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms.h"

#include <QStringList>

#include <cstdint>
#include <utility>
#include <vector>

namespace shell {

// What the five activity screens share: the status panel with Go, Solution and Exit,
// the loading of the button pictures, the colours and the way back to the menu screen
// that lists the activity.
//
// Form_Load runs style_form, gives the screen its own blue (unless it keeps the styled
// one), gives the controls named in `recoloured` the same blue, loads the button
// pictures and then runs start(), which ends by making the first problem.
//
// Every activity screen has the same keys (the table is in activity_form.cpp): Go,
// Solution and Exit, the number kinds, blanking the screen and the list of keys; a
// screen adds its own rows with ScreenKeys::of(*this).add(). No control of an activity
// screen takes the keyboard focus by itself, so that no key reaches a control that would
// start a new problem on its own; the screens that mark a control move the focus there.
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

    // The problem on show: its kind (0 for the first option, 0 on a screen without kinds)
    // and the seed it was drawn from; show_problem() chooses the kind and shows the
    // problem of that seed, its answer hidden.
    int kind() const;
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
    // 2, K 7 Q M." for 24P-2-K7QM), which the label LabelCode shows small in the lower right
    // corner, under the status panel.
    void set_problem_sentence(const QString& problem);
    void set_answer_sentence(const QString& answer);
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
    // A picture button of the screen's own whose picture is loaded with the others.
    PictureButton* add_picture_button(QWidget* parent, const QString& name, const QString& path,
                                      double left, double top, double width, double height);
    // A number-kind (or other) option button: yellow Tahoma bold text.
    OptionButton* add_option(QWidget* parent, const QString& name, const QString& caption,
                             double left, double top, double width, double height,
                             double font_size);

    // Controls given the screen blue at load, after the screen itself.
    QStringList recoloured;
    // The one screen that keeps the blue of style_form.
    bool keeps_style_background = false;
    // The number-kind options in screen order: K takes the next, Ctrl+1 to Ctrl+3 one.
    std::vector<OptionButton*> kind_options;

private:
    void add_shared_keys();
    void choose_next_kind();

    QString problem_with_code() const;
    void tell_sentence();
    // Speaks the part of the sentence that is new.
    void announce_change(const QString& old_problem, const QString& old_answer);

    QString menu_;
    std::uint32_t seed_ = 0;
    QString problem_;
    QString answer_;
    class Announcer* announcer_ = nullptr;
    std::vector<std::pair<PictureButton*, QString>> pictures_;
};

// A label of an activity screen's own text: Tahoma bold, yellow, centred in its box
// unless told, with no caption until the screen gives it one.
LabelSpec text_label(const QString& name, int index, double left, double top, double width,
                     double height, double points,
                     Qt::Alignment align = Qt::AlignHCenter | Qt::AlignVCenter);

} // namespace shell
