// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <QAccessible>

#include <functional>
#include <optional>

namespace shell {

// What a screen reader is told about a control beyond what its widget shows. A label
// with a click handler is read as a button whose press action is that click, without
// any traits; these are for the rest: a role of its own, a name worked out when it is
// read, a press action for a control that takes drags rather than clicks, or being
// passed over because another control reads for it.
struct ReaderTraits {
    std::optional<QAccessible::Role> role{};
    std::function<QString()> name{};
    std::function<void()> press{};
    bool passed_over = false;
    // Reacts to nothing, whatever handlers it shares with its array (a menu's link to
    // itself): read as plain text, with no press action.
    bool inert = false;
};
void set_reader_traits(Control* control, ReaderTraits traits);

// Reads two labels as one fraction, "3 over 4": the numerator's name carries the whole
// value and the denominator is passed over.
void read_as_fraction(Label* numerator, Label* denominator);

// Tells a screen reader something new without moving the focus: a notification the
// reader speaks as it appears (the way a desktop's notices are spoken). Each screen that
// has news owns one announcer, invisible on the screen.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* parent);
    // The screen's own announcer, made on first use.
    static Announcer& of(QWidget* screen);
    void announce(const QString& text);
};

// Drops the reader interface the toolkit may have made for a control while it was being
// built (its caption is set in the base's constructor, before the control is what it
// is), so that the next question gets the program's own.
void renew_reader_interface(QWidget* widget);

// For tests: sees each change as it is told to the screen reader, once batched (see
// install_accessibility).
void set_reader_change_tap(std::function<void(QObject*, QAccessible::Event)> tap);

// Gives the labels and screens of the program their screen-reader interfaces, and holds
// the changes told to a screen reader until the end of the event loop's turn, each then
// told once for each control. Runs once; the keyboard layer calls it as the first screen
// is built.
void install_accessibility();

} // namespace shell
