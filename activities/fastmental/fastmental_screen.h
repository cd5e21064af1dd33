// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "activity_setting.h"
#include "fastmental_logic.h"
#include "random.h"

#include <array>

namespace chalkline::fastmental {

// Mental Arithmetic's own settings: the seconds between rows (the scroll bar, 1 to 5 by
// tenths; 5 on a fresh screen) and the direction, Reverse or Forward.
inline constexpr chalkline::ActivitySetting kSettings[] = {
    {.key = "pace", .design = "5", .low = 1, .high = 5, .decimals = 1},
    {.key = "reverse", .design = "no", .words = {"no", "yes"}},
};

// Mental Arithmetic: a starting value and four operations shown as a column. Forward
// shows the start and reveals the rows from the top, one per timer tick, ending with a
// "?" for the answer; Reverse shows the answer and reveals the rows from the bottom,
// ending with a "?" for the start. The scroll bar sets the time between rows.
class FastMentalForm : public shell::ActivityForm {
    Q_OBJECT

public:
    FastMentalForm();

    void Form_Load() override;
    void cmdsoln_Click() override;
    void show_whole_problem() override;
    // The chain in its box, without the pace's scroll bar and captions.
    QRectF board_area() const override;
    QString own_setting(const QString& key) const override;
    void apply_own_setting(const QString& key, const QString& value) override;

    void Option4_Click();
    void Option5_Click();
    void VScroll1_Change();
    void Timer1_Timer();
    void Timer2_Timer();

    // Hides every row, every value and the answer's "?".
    void clearchain();

    // The row most recently revealed: 0 up to 4 forward, 4 down to -1 in reverse.
    int step = 0;

    std::array<shell::Label*, 6> Label3{};     // values: 0 the start, 4 the answer, 5 spare
    std::array<shell::Label*, 5> Label2{};     // operands of rows 1 to 4 (element 0 unused)
    std::array<shell::Label*, 9> Label_val1{}; // 1-4 operation codes, 5-8 row symbols
    shell::Label* Label1;                      // "?" for the answer
    shell::Label* Label4;                      // "?" for the starting value
    shell::Label* labelplus;
    shell::Label* labelminus;
    shell::Label* labeltimes;
    shell::Label* labeldivide;
    shell::Shape* Shape1;
    shell::VScrollBar* VScroll1;
    shell::Frame* Frame1;
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;
    shell::OptionButton* Option4;
    shell::OptionButton* Option5;
    shell::Timer* Timer1;
    shell::Timer* Timer2;

protected:
    // A new chain of the chosen kind, its pacing started from the first row.
    void new_problem() override;

private:
    // The chain as far as it is shown, for the screen reader: the rows in the order
    // they appeared.
    void tell_shown_rows();
    std::vector<int> shown_rows_;

    // Shows row `row`: its symbol and its number, never its value.
    void show_row(int row);
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::fastmental
