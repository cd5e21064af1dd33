// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "ordering_logic.h"

#include "random.h"

#include <array>

namespace chalkline::ordering {

// The Ordering screen: five numbers on the left that the class clicks, one at a time,
// into the five answer places on the right, from "Smallest" down to "Biggest". The
// board lives in the controls: the numbers in Label10, the placed ones disabled, the
// places in Label11.
class OrderingForm : public shell::ActivityForm {
    Q_OBJECT

public:
    OrderingForm();

    void start() override;
    void cmdsoln_Click() override;
    void reveal_at_once() override;
    void Label10_Click(int index);
    void cmdundo_Click();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();

    std::array<shell::Label*, kCount> Label10{};
    std::array<shell::Label*, kCount> Label11{};
    shell::Label* Label12_smallest; // Label12(5)
    shell::Label* Label12_biggest;  // Label12(0)
    shell::Label* Label13;
    shell::Label* Label5;
    shell::Frame* Frame1;
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;
    shell::PictureButton* cmdundo;
    shell::Timer* Timer4;
    shell::Timer* Timer5;
    shell::Timer* Timer6;

protected:
    // Makes a new set, every number available, and starts the order check afresh.
    void new_problem() override;
    std::vector<shell::Control*> own_focus_order() const override;

private:
    void add_keys();
    OrderingBoard read_board() const;
    void write_board(const OrderingBoard& board);
    void set_places_opaque(bool opaque);
    void show_end_captions();
    // The numbers of Label10 or Label11, "34, 10, 46, 5, 32".
    template <class Labels> static QString listed(const Labels& labels);
    // The place a click or Undo changed, -1 for none.
    static int changed_place(const OrderingBoard& before, const OrderingBoard& after);
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::ordering
