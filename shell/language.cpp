// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include "data_folders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace shell {

namespace {

// How the language in use writes numbers and signs.
struct Writing {
    QString language = "en";
    QChar decimal = '.';
    QString minus = "-";
    QString times = "x";
    QString divided = QString(QChar(0x00F7));
};

Writing& writing() {
    static Writing current;
    return current;
}

// The program's own translation and the toolkit's (the command line parser's errors,
// the message box's buttons), each installed while the language is in use.
std::unique_ptr<QTranslator>& translator() {
    static std::unique_ptr<QTranslator> installed;
    return installed;
}
std::unique_ptr<QTranslator>& toolkit_translator() {
    static std::unique_ptr<QTranslator> installed;
    return installed;
}

// "fr_FR.UTF-8@euro" -> "fr_FR".
QString locale_code(QString value) {
    value = value.section('.', 0, 0).section('@', 0, 0).trimmed();
    return value == "C" || value == "POSIX" ? QString() : value;
}

bool digit_or_bracket(QChar c, bool before) {
    return c.isDigit() || c == (before ? ')' : '(') || c == '?' || (!before && c == '-');
}

} // namespace

QString requested_language(const QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--lang" && i + 1 < arguments.size()) {
            return arguments[i + 1];
        }
        if (arguments[i].startsWith("--lang=")) {
            return arguments[i].mid(7);
        }
    }
    const QString all = qEnvironmentVariable("LC_ALL");
    const bool c_locale = !all.isEmpty() && locale_code(all).isEmpty();
    if (!c_locale) {
        for (const QString& entry : qEnvironmentVariable("LANGUAGE").split(':')) {
            if (!locale_code(entry).isEmpty()) {
                return locale_code(entry);
            }
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            const QString code = locale_code(value);
            return code.isEmpty() ? "en" : code;
        }
    }
    return "en";
}

bool use_language(const QString& code) {
    for (auto* installed : {&translator(), &toolkit_translator()}) {
        if (*installed) {
            QCoreApplication::removeTranslator(installed->get());
            installed->reset();
        }
    }
    writing() = Writing{};
    const bool pseudo = code == kPseudoLanguage;
    const QLocale locale(code);
    if (!pseudo && (locale.language() == QLocale::English || locale.language() == QLocale::C)) {
        return false;
    }
    // "de_AT" takes chalkline_de_at.qm, else chalkline_de.qm.
    QString file;
    for (const QString& name : pseudo ? QStringList{code}
                                      : QStringList{locale.name().toLower(),
                                                    QLocale::languageToCode(locale.language())}) {
        file = find_data_file("translations/chalkline_" + name + ".qm");
        if (QFileInfo::exists(file)) {
            break;
        }
        file.clear();
    }
    auto loaded = std::make_unique<QTranslator>();
    if (file.isEmpty() || !loaded->load(file) ||
        !QCoreApplication::installTranslator(loaded.get())) {
        return false;
    }
    translator() = std::move(loaded);
    Writing& now = writing();
    if (pseudo) {
        // A decimal comma, so that a number written past the language shows its point.
        now.language = code;
        now.decimal = ',';
    } else {
        // The toolkit's translations are there when the system has them installed.
        auto toolkit = std::make_unique<QTranslator>();
        if (toolkit->load(locale, "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            QCoreApplication::installTranslator(toolkit.get())) {
            toolkit_translator() = std::move(toolkit);
        }
        now.language = QLocale::languageToCode(locale.language());
        now.decimal = locale.decimalPoint().isEmpty() ? QChar('.') : locale.decimalPoint().at(0);
        now.minus = locale.negativeSign().isEmpty() ? QString("-") : locale.negativeSign();
    }
    // Each translation sets the signs its country's schools use.
    now.times = QCoreApplication::translate("Numbers", "x", "multiplication sign");
    now.divided = QCoreApplication::translate("Numbers", "÷", "division sign");
    return true;
}

QString current_language() {
    return writing().language;
}

QString reader_text(const QString& text) {
    const Writing& now = writing();
    if (now.language == "en") {
        return text;
    }
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        const QChar before = i > 0 ? text[i - 1] : QChar();
        const QChar after = i + 1 < n ? text[i + 1] : QChar();
        if (c == '.' && before.isDigit() && after.isDigit()) {
            out += now.decimal;
        } else if (c == '-' && (after.isDigit() || after == '(') && !before.isLetterOrNumber()) {
            // A minus before a number; "3 - 2" keeps its subtraction sign as written.
            out += before == ' ' && i >= 2 && (text[i - 2].isDigit() || text[i - 2] == ')')
                       ? QString(c)
                       : now.minus;
        } else if (c == QChar(0x00F7)) {
            out += now.divided;
        } else if (c == 'x' && !before.isLetterOrNumber() && !after.isLetterOrNumber()) {
            const bool alone = text.trimmed() == "x";
            const bool operand_after =
                after == ' ' && i + 2 < n && digit_or_bracket(text[i + 2], false);
            // "3 x 4" between numbers; "x 10" leading an operation, as "÷ 6" and "+ 66" do.
            const bool between = before == ' ' && i >= 2 && digit_or_bracket(text[i - 2], true);
            // Leading, only before a number: "x - 1" is the unknown.
            const bool leading = i == 0 && i + 2 < n && text[i + 2].isDigit();
            out += alone || (operand_after && (between || leading)) ? now.times : QString(c);
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace shell
