// SPDX-License-Identifier: GPL-3.0-or-later
#include "revealing_form.h"

namespace shell {

RevealingForm::RevealingForm(const ActivityInfo& activity, int reveal_ms)
    : ActivityForm(activity), Timer1(add_timer("Timer1", reveal_ms, false)), reveal_(Timer1) {}

void RevealingForm::reveal_at_once() {
    cmdsoln_Click();
    reveal_.finish();
}

void RevealingForm::cmdsoln_Click() {
    if (!reveal_.started() && answer_known_at_once()) {
        speak_answer_now(answer_sentence());
    }
    reveal_.start(
        answer_parts(), [this](int part) { show_part(part); },
        [this] { set_answer_sentence(answer_sentence()); });
}

} // namespace shell
