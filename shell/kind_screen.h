// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"

namespace shell {

// An activity screen whose problems come in kinds, chosen by option buttons in a frame:
// the first kind is chosen when the screen opens, a click on a kind (or its key) makes a
// new problem of it, and Go makes a new problem of the kind chosen. Kinds are numbered
// from 1 in the order of their options; the screen makes its problems in calculate().
class KindScreen : public ActivityForm {
public:
    using ActivityForm::ActivityForm;

    void start() override;
    void cmdgo_Click() override { calculate(); }
    // Makes a new problem of kind() and shows it.
    virtual void calculate() = 0;

    int kind() const { return kind_; }
    // The option of a kind (1 to the number of kinds).
    OptionButton* option(int kind) const { return kind_options.at(std::size_t(kind - 1)); }

    Frame* Frame1 = nullptr;

protected:
    // Puts Frame1, without a border, at its place with one option a row for each caption
    // (Option1, Option2, ...), in yellow Tahoma bold of the size given.
    void add_kinds(const QStringList& captions, double left, double top, double width,
                   double font_size);

private:
    void choose_kind(int kind);

    int kind_ = 1;
};

} // namespace shell
