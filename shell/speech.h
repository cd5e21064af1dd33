// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// What a screen reader should say for what a screen shows: every sign and every unknown
// as a word of the teacher's language, numbers as the language writes them, and boards
// as rows and places in words. A voice at its usual settings drops "?" and reads ";" or
// "-" as punctuation, so nothing that carries meaning is left as a bare sign.
namespace shell::speech {

// What a screen shows, in words: "3 x (4 + -2)" is "3 times open bracket 4 plus minus 2
// close bracket", "?53 + 80??" is "blank 5 3 plus 8 0 blank blank" (a number with hidden
// digits is read digit by digit), "1 4/63" is "1 and 4 over 63", "17.5%" is "17.5
// percent", "c² = √74" is "c squared equals the square root of 74", "0.16̇" is "0.16
// recurring". A lone "?" or "□" is "blank"; a "?" that ends a question stays. "x" is a
// sign only where reader_text() takes it for one; ":" only between two numbers or
// before one that an operation starts with. Numbers
// take the language's decimal separator.
QString words(const QString& shown);

// The word for a hidden number or digit: "blank".
QString blank();

// Values in words, for a screen that holds them: "minus 12", "3 over 4", "1 and 3 over
// 4" (a fraction above 1 as a mixed number), "2.5".
QString number(std::int64_t value);
QString number(const chalkline::Fraction& value);
QString number(double value);

// A board row by row: "row 1 has 2, 19, blank. row 2 has blank, blank, 37" (no colon,
// which a voice reads aloud as a word at its usual settings). Each row's texts
// are as shown (an empty one or "?" is "blank"); rows are numbered in the order given,
// from `first` (0 for a triangle whose rows are counted from 0).
QString rows(const QList<QStringList>& rows, int first = 1);

// A hidden number with its place, rows and places counted from 1: "row 3, place 2 is 45".
QString at_place(int row, int place, const QString& number);

// Parts of a sentence that each hold commas, one after the other: "row 1, place 2 is 5.
// row 2, place 1 is 7".
QString one_after_another(const QStringList& parts);

// A Roman numeral spelled, so that the voice neither reads it as a word nor works out
// its value: "XXIII" is "Roman X X I I I".
QString roman(const QString& numeral);

// A word spelled letter by letter: "MINUS" is "M I N U S".
QString spelled(const QString& word);

} // namespace shell::speech
