// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequence_form.h"

namespace chalkline::sequences {

using namespace shell;

namespace {

constexpr KindPlaces kKindsBelowTheStrip{.left = 300,
                                         .top = 7750,
                                         .width = 3000,
                                         .height = 540,
                                         .step = 3150,
                                         .across = true,
                                         .points = 15.75};

} // namespace

SequenceForm::SequenceForm(const shell::ActivityInfo& activity, int reveal_ms)
    : RevealingForm(activity, reveal_ms) {
    Strip1 = add<SequenceStrip>(this, "Strip1");
    add_kinds(kKindsBelowTheStrip);
}

void SequenceForm::show_part(int part) {
    if (part < terms_to_fill()) {
        fill_term(part);
        return;
    }
    Strip1->set_flash(-1);
    end_reveal();
}

} // namespace chalkline::sequences
