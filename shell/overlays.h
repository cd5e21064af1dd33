// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

namespace shell {

// Two covers a screen can put over itself, each over the form's whole area and following
// its size: the blank screen, all black, as a presentation program blanks the projector;
// and the list of the screen's keys. The next key or click takes either away and does
// nothing else.
void show_blank(Form& form);
void show_key_help(Form& form);
// Takes away the cover the form shows; false when it shows none.
bool close_overlay(Form& form);
bool overlay_open(const Form& form);
// The cover the form shows, or nullptr (for tests and screenshots).
QWidget* open_overlay(const Form& form);
// Where the open list of keys is drawn, in the form's pixels; empty when none is open.
QRect key_list_panel(const Form& form);

} // namespace shell
