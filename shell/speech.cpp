// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech.h"

#include "language.h"
#include "number_text.h"

#include <QCoreApplication>

namespace shell::speech {

namespace {

// The context of the spoken words in the translations.
struct Speech {
    Q_DECLARE_TR_FUNCTIONS(Speech)
};

constexpr char16_t kMinusSign = u'\u2212';
constexpr char16_t kTimesSign = u'\u00D7';
constexpr char16_t kMiddleDot = u'\u00B7';
constexpr char16_t kDivisionSign = u'\u00F7';
constexpr char16_t kSquareRoot = u'\u221A';
constexpr char16_t kWhiteSquare = u'\u25A1';
constexpr char16_t kRecurringDot = u'\u0307';
constexpr char16_t kSuperscriptMinus = u'\u207B';

bool unknown(QChar c) {
    return c == '?' || c == kWhiteSquare;
}

// A digit, or a digit the class is to find.
bool digit_place(QChar c) {
    return c.isDigit() || unknown(c);
}

// 0 to 9 for a superscript digit, else -1.
int superscript_digit(QChar c) {
    switch (c.unicode()) {
    case u'\u2070':
        return 0;
    case u'\u00B9':
        return 1;
    case u'\u00B2':
        return 2;
    case u'\u00B3':
        return 3;
    default:
        return c.unicode() >= 0x2074 && c.unicode() <= 0x2079 ? c.unicode() - 0x2070 : -1;
    }
}

// What may end an operand before a sign, and start one after it.
bool ends_operand(QChar c) {
    return digit_place(c) || c == ')' || superscript_digit(c) >= 0;
}
bool starts_operand(QChar c) {
    return digit_place(c) || c == '(' || c == '-' || c == kMinusSign || c == kSquareRoot;
}

// The words of a text, each a piece; punctuation sticks to the piece before it.
class Pieces {
public:
    void word(const QString& word) {
        if (!word.isEmpty()) {
            pieces_ << opening_ + word;
            opening_.clear();
        }
    }
    // A mark that belongs to the start of the next piece.
    void open(QChar mark) { opening_ += mark; }
    void stick(QChar mark) {
        if (pieces_.isEmpty()) {
            return;
        }
        pieces_.last() += mark;
    }
    QString text() const { return pieces_.join(' '); }

private:
    QStringList pieces_;
    QString opening_;
};

// Whether the "x" at `at` in `text` is the multiplication sign, as reader_text() reads
// it: alone, between two operands, or leading an operation on a number ("x 10").
bool x_is_sign(const QString& text, qsizetype at) {
    const qsizetype n = text.size();
    const QChar before = at > 0 ? text[at - 1] : QChar();
    const QChar after = at + 1 < n ? text[at + 1] : QChar();
    if (before.isLetterOrNumber() || after.isLetterOrNumber()) {
        return false;
    }
    if (text.trimmed() == "x") {
        return true;
    }
    const bool operand_after = after == ' ' && at + 2 < n && starts_operand(text[at + 2]);
    const bool between = before == ' ' && at >= 2 && ends_operand(text[at - 2]);
    const bool leading = at == 0 && at + 2 < n && text[at + 2].isDigit();
    return operand_after && (between || leading);
}

// A number as written at `at`: digits and hidden digits, a decimal separator between
// two of them, recurring dots. Returns its end.
qsizetype number_end(const QString& text, qsizetype at) {
    const qsizetype n = text.size();
    qsizetype end = at;
    while (end < n) {
        const QChar c = text[end];
        const bool separator = (c == '.' || c == ',') && end > at && digit_place(text[end - 1]) &&
                               end + 1 < n && digit_place(text[end + 1]);
        if (!digit_place(c) && c != kRecurringDot && !separator) {
            break;
        }
        ++end;
    }
    return end;
}

// A number's words: as the language writes it, digit by digit with "blank" when some of
// its digits are hidden, "recurring" after it when it has recurring dots.
QString number_words(const QString& number) {
    if (number.size() == 1 && unknown(number[0])) {
        return blank();
    }
    if (std::any_of(number.begin(), number.end(), unknown)) {
        QStringList digits;
        for (QChar c : number) {
            digits << (unknown(c)    ? blank()
                       : c.isDigit() ? QString(c)
                       : c == kRecurringDot
                           ? QString()
                           : Speech::tr("point", "the decimal separator, read aloud"));
        }
        digits.removeAll(QString());
        return digits.join(' ');
    }
    if (number.contains(kRecurringDot)) {
        return Speech::tr("%1 recurring").arg(reader_text(QString(number).remove(kRecurringDot)));
    }
    return reader_text(number);
}

// A power written in superscript digits from `at`; returns its end.
qsizetype power_end(const QString& text, qsizetype at) {
    qsizetype end = at;
    while (end < text.size() &&
           (superscript_digit(text[end]) >= 0 || text[end] == kSuperscriptMinus)) {
        ++end;
    }
    return end;
}

QString power_words(const QString& power) {
    if (power.size() == 1 && superscript_digit(power[0]) == 2) {
        return Speech::tr("squared");
    }
    if (power.size() == 1 && superscript_digit(power[0]) == 3) {
        return Speech::tr("cubed");
    }
    QString exponent;
    for (QChar c : power) {
        exponent += c == kSuperscriptMinus ? Speech::tr("minus") + ' '
                                           : QString::number(superscript_digit(c));
    }
    return Speech::tr("to the power of %1").arg(exponent);
}

// The word of a sign, or nothing for a character that is not one.
QString sign_words(QChar c) {
    switch (c.unicode()) {
    case '+':
        return Speech::tr("plus");
    case u'\u00B1':
        return Speech::tr("plus or minus");
    case '-':
    case kMinusSign:
        return Speech::tr("minus");
    case kTimesSign:
    case kMiddleDot:
    case '*':
        return Speech::tr("times");
    case kDivisionSign:
        return Speech::tr("divided by");
    case '/':
        return Speech::tr("over");
    case '=':
        return Speech::tr("equals");
    case u'\u2260':
        return Speech::tr("is not equal to");
    case u'\u2248':
        return Speech::tr("is approximately");
    case '<':
        return Speech::tr("is less than");
    case '>':
        return Speech::tr("is greater than");
    case u'\u2264':
        return Speech::tr("is less than or equal to");
    case u'\u2265':
        return Speech::tr("is greater than or equal to");
    case '(':
    case '[':
        return Speech::tr("open bracket");
    case ')':
    case ']':
        return Speech::tr("close bracket");
    case kSquareRoot:
        return Speech::tr("the square root of");
    case '%':
        return Speech::tr("percent");
    case u'\u00B0':
        return Speech::tr("degrees");
    case kWhiteSquare:
        return blank();
    default:
        return {};
    }
}

} // namespace

QString blank() {
    return Speech::tr("blank", "a hidden number or digit, read aloud");
}

QString words(const QString& shown) {
    Pieces out;
    const qsizetype n = shown.size();
    // Where the last whole number ended, to read "1 4/63" as a mixed number.
    qsizetype whole_end = -1;
    for (qsizetype i = 0; i < n;) {
        const QChar c = shown[i];
        const QChar before = i > 0 ? shown[i - 1] : QChar();
        const QChar after = i + 1 < n ? shown[i + 1] : QChar();
        if (c.isSpace()) {
            ++i;
            continue;
        }
        // A question's mark after a word stays punctuation.
        if (c == '?' && before.isLetter() && (after.isNull() || after.isSpace())) {
            out.stick(c);
            ++i;
            continue;
        }
        if (digit_place(c)) {
            qsizetype end = number_end(shown, i);
            const QString number = shown.mid(i, end - i);
            const bool whole =
                std::all_of(number.begin(), number.end(), [](QChar d) { return d.isDigit(); });
            if (end + 1 < n && shown[end] == '/' && digit_place(shown[end + 1])) {
                const qsizetype under = number_end(shown, end + 1);
                if (whole_end >= 0 && shown.mid(whole_end, i - whole_end) == " ") {
                    out.word(Speech::tr("and", "between the whole part and the fraction"));
                }
                out.word(Speech::tr("%1 over %2")
                             .arg(number_words(number),
                                  number_words(shown.mid(end + 1, under - end - 1))));
                end = under;
                whole_end = -1;
            } else {
                out.word(number_words(number));
                whole_end = whole ? end : -1;
            }
            i = end;
            continue;
        }
        whole_end = -1;
        if (superscript_digit(c) >= 0 || c == kSuperscriptMinus) {
            const qsizetype end = power_end(shown, i);
            out.word(power_words(shown.mid(i, end - i)));
            i = end;
            continue;
        }
        if (c.isLetter()) {
            qsizetype end = i;
            while (end < n && (shown[end].isLetter() || shown[end].isMark() || shown[end] == '\'' ||
                               shown[end] == u'\u2019')) {
                ++end;
            }
            const QString word = shown.mid(i, end - i);
            out.word(word == "x" && x_is_sign(shown, i) ? Speech::tr("times") : word);
            i = end;
            continue;
        }
        // A hyphen inside a word ("right-angled") only parts it.
        if ((c == '-' || c == u'\u2010') && before.isLetter() && after.isLetter()) {
            ++i;
            continue;
        }
        // ":" is the division sign only between two operands, or leading an operation
        // (": 3" on a spider diagram's leg).
        if (c == ':') {
            const bool operand_before = shown.left(i).trimmed().isEmpty() ||
                                        (before == ' ' && i >= 2 && ends_operand(shown[i - 2]));
            const bool sign =
                operand_before && after == ' ' && i + 2 < n && starts_operand(shown[i + 2]);
            if (sign) {
                out.word(sign_words(kDivisionSign));
            } else {
                out.stick(c);
            }
            ++i;
            continue;
        }
        // The marks around a translated text in the test's pseudo-language stay where
        // they are, so the test can tell translated words from the rest.
        if (c == u'\u27E6') {
            out.open(c);
        } else if (c == u'\u27E7') {
            out.stick(c);
        } else if (const QString sign = sign_words(c); !sign.isEmpty()) {
            out.word(sign);
        } else if (c == ',' || c == '.' || c == '!' || c == '?') {
            out.stick(c);
        } else if (c == ';') {
            // Read aloud as a word by a voice: a pause is all it ever meant here.
            out.stick(',');
        } else if (!c.isPunct() || c == '&') {
            out.word(QString(c));
        }
        // Quotation marks and other punctuation carry no words.
        ++i;
    }
    return out.text();
}

QString number(std::int64_t value) {
    return words(QString::number(value));
}

QString number(const chalkline::Fraction& value) {
    return words(QString::fromStdString(chalkline::mixed_text(value)));
}

QString number(double value) {
    return words(QString::fromStdString(chalkline::number_text(value)));
}

QString rows(const QList<QStringList>& rows, int first) {
    QStringList said;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        QStringList cells;
        for (const QString& cell : rows[row]) {
            cells << (cell.trimmed().isEmpty() ? blank() : words(cell));
        }
        said << Speech::tr("row %1 has %2").arg(first + row).arg(cells.join(", "));
    }
    return one_after_another(said);
}

QString at_place(int row, int place, const QString& number) {
    return Speech::tr("row %1, place %2 is %3").arg(row).arg(place).arg(words(number));
}

QString one_after_another(const QStringList& parts) {
    return parts.join(". ");
}

QString roman(const QString& numeral) {
    return Speech::tr("Roman %1", "a Roman numeral spelled letter by letter").arg(spelled(numeral));
}

QString spelled(const QString& word) {
    QStringList letters;
    for (QChar c : word) {
        if (!c.isSpace()) {
            letters << QString(c);
        }
    }
    return letters.join(' ');
}

} // namespace shell::speech
