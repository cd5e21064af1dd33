// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QString>

namespace shell::testing {

// The reader's sentence without the problem's code, for the tests that read a problem
// and its answer: "Problem: X. Code 2 4 P, 1, K 7 Q M. Answer: Y." reads
// "Problem: X. Answer: Y.". The code's own test reads the code.
inline QString without_code(const QString& sentence) {
    static const QRegularExpression code(" (Code|Código) [^.]*\\.");
    return QString(sentence).remove(code);
}

} // namespace shell::testing
