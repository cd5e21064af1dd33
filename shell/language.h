// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// The language the teacher reads, as a code ("fr", "de_DE", "en"): the value of --lang
// (or --lang=CODE) among the arguments; else the first of LANGUAGE's list; else the
// language of LC_ALL, LC_MESSAGES or LANG. LANGUAGE is passed over when LC_ALL says C or
// POSIX, as the C library does, so that LC_ALL=C gives English. No choice gives "en".
QString requested_language(const QStringList& arguments);

// Puts the program in the language: installs its translation (translations/
// chalkline_<language>.qm in a data folder) into the running application and takes the
// language's way of writing numbers. English, and a language with no translation, keep
// the texts of the code and the numbers as the code writes them. Needs the application
// object; call it again for a new one. Returns whether a translation was installed.
bool use_language(const QString& code);

// The pseudo-language the tests read every screen in: each text of the code accented, a
// third longer and marked ⟦like this⟧, its placeholders outside the marks, and numbers
// written with a decimal comma. The build makes it for the tests and never installs it;
// use_language takes this code only where the build made it.
inline constexpr char kPseudoLanguage[] = "pseudo";

// The language in use, "en" before use_language.
QString current_language();

// A text as the reader writes it. A number written by the logic in the C locale ("2.51",
// "-3", "1 3/4") gets the language's decimal separator and minus sign ("2,51" in French);
// in an expression ("3 x 4", "12 ÷ 3") the multiplication and division signs become the
// ones the language's schools use. Words are left alone: "x" is a sign only where it
// stands between numbers, leads an operation ("x 10"), or stands alone as an operator's
// caption.
QString reader_text(const QString& text);

} // namespace shell
