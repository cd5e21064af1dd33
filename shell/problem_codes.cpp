// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem_codes.h"

#include "activity_form.h"
#include "activity_table.h"
#include "problem_code.h"

#include <QCoreApplication>

namespace shell {

namespace {

// The context of the codes' texts in the translations.
struct ProblemCodes {
    Q_DECLARE_TR_FUNCTIONS(ProblemCodes)
};

// Each activity's code prefix and its number of kinds.
struct CodeRow {
    const char* screen;
    const char* prefix;
    int kinds;
};
constexpr CodeRow kCodeRows[] = {
    {"matchthetarget", "MTT", 1},    {"Magicsquares", "MAG", 2}, {"spiderdiagrams", "SPD", 3},
    {"twentyfour", "24P", 3},        {"ordering", "SRT", 3},     {"integersquares", "ZSQ", 3},
    {"numbersquares", "NSQ", 3},     {"percentages", "PCT", 3},  {"substitution", "SUB", 3},
    {"rightangled", "RAT", 3},       {"fastmental", "MEN", 3},   {"hundredsquare", "HSQ", 3},
    {"fourrules", "4RU", 3},         {"fdp", "FDP", 3},          {"pythagorean", "PYT", 3},
    {"orderofoperations", "BDM", 3}, {"numberwall", "WAW", 3},   {"fractionsbetween", "FRB", 3},
    {"pandigital", "PAN", 3},        {"products", "PRD", 3},     {"quadratic", "QDR", 3},
    {"hiddendigits", "HDG", 3},      {"roman", "RMN", 3},        {"pascal1", "PSA", 3},
    {"pascal2", "PSB", 3},           {"fibonacci", "FBN", 3},    {"affine", "AFF", 3},
    {"hailstone", "HST", 3},         {"leibniz", "HRM", 3},
};

const CodeRow* row_of_screen(const QString& screen) {
    for (const CodeRow& row : kCodeRows) {
        if (screen.compare(row.screen, Qt::CaseInsensitive) == 0) {
            return &row;
        }
    }
    return nullptr;
}

const CodeRow* row_of_prefix(std::string_view prefix) {
    for (const CodeRow& row : kCodeRows) {
        if (prefix == row.prefix) {
            return &row;
        }
    }
    return nullptr;
}

QString fault_text(const chalkline::CodeReading& reading) {
    const QString part = QString::fromStdString(reading.part);
    switch (reading.fault) {
    case chalkline::CodeFault::Shape:
        return ProblemCodes::tr("'%1' is not a problem code: a code is three characters, the "
                                "kind and four characters, as 24P-2-K7QM")
            .arg(part);
    case chalkline::CodeFault::Character:
        return ProblemCodes::tr("'%1' has a character no code has: codes use the digits 2 to 9 "
                                "and the letters but I, L and O")
            .arg(part);
    case chalkline::CodeFault::Activity:
        return ProblemCodes::tr("'%1' names no activity of this version").arg(part);
    case chalkline::CodeFault::Kind:
        return reading.kinds == 1
                   ? ProblemCodes::tr("kind %1 is not a kind of this activity, which has only "
                                      "kind 1")
                         .arg(part)
                   : ProblemCodes::tr("kind %1 is not a kind of this activity: 1 to %2")
                         .arg(part)
                         .arg(reading.kinds);
    case chalkline::CodeFault::Check:
        return ProblemCodes::tr("the last part '%1' does not match the rest of the code: a "
                                "character is mistyped")
            .arg(part);
    }
    return {};
}

} // namespace

QString code_prefix(const QString& screen) {
    const CodeRow* row = row_of_screen(screen);
    return row ? QString::fromLatin1(row->prefix) : QString();
}

QStringList activity_screens() {
    QStringList screens;
    for (const CodeRow& row : kCodeRows) {
        screens << QString::fromLatin1(row.screen);
    }
    return screens;
}

QString activity_screen(const QString& typed) {
    const CodeRow* row = row_of_screen(typed.trimmed());
    return row ? QString::fromLatin1(row->screen) : QString();
}

int kind_count(const QString& screen) {
    const CodeRow* row = row_of_screen(screen);
    return row ? row->kinds : 1;
}

QString problem_code(const ProblemAddress& address) {
    const QString prefix = code_prefix(address.screen);
    if (prefix.isEmpty()) {
        return {};
    }
    return QString::fromStdString(
        chalkline::write_code({prefix.toStdString(), address.kind, address.seed}));
}

QString problem_code(const ActivityForm& form) {
    return problem_code({form.name(), form.kind(), form.seed()});
}

CodeReading read_problem_code(const QString& typed) {
    const chalkline::CodeReading reading =
        chalkline::read_code(typed.trimmed().toStdString(), [](std::string_view prefix) {
            const CodeRow* row = row_of_prefix(prefix);
            return row ? std::optional<int>(row->kinds) : std::nullopt;
        });
    if (!reading.code) {
        return {std::nullopt, fault_text(reading)};
    }
    const CodeRow* row = row_of_prefix(reading.code->activity);
    return {
        ProblemAddress{QString::fromLatin1(row->screen), reading.code->kind, reading.code->seed},
        QString()};
}

QString spoken_code(const QString& code) {
    QStringList parts;
    for (const QString& part : code.split('-')) {
        parts << QStringList(part.begin(), part.end()).join(' ');
    }
    return parts.join(", ");
}

ActivityForm* show_problem_at(const ProblemAddress& address) {
    Form* current = current_form();
    auto* form = dynamic_cast<ActivityForm*>(loaded_form(address.screen));
    if (!form || form != current) {
        const QString left = current ? current->name() : QString();
        form = dynamic_cast<ActivityForm*>(show_form(address.screen));
        if (!left.isEmpty() && left.compare(address.screen, Qt::CaseInsensitive) != 0) {
            unload_form(left);
        }
    }
    if (form) {
        form->show_problem(address.kind, address.seed);
    }
    return form;
}

} // namespace shell
