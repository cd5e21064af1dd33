// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem_codes.h"

#include "activity_form.h"
#include "activity_table.h"
#include "problem_code.h"

#include <QCoreApplication>

#include <algorithm>

namespace shell {

namespace {

// The context of the codes' texts in the translations.
struct ProblemCodes {
    Q_DECLARE_TR_FUNCTIONS(ProblemCodes)
};

} // namespace

QString code_fault(const chalkline::CodeReading& reading) {
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

QString code_prefix(const QString& screen) {
    const ActivityInfo* activity = activity_named(screen);
    return activity ? QString::fromLatin1(activity->code_prefix) : QString();
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
            const ActivityInfo* activity = activity_with_prefix(prefix);
            return activity ? std::optional<int>(std::max(1, activity->kind_count()))
                            : std::nullopt;
        });
    if (!reading.code) {
        return {std::nullopt, code_fault(reading)};
    }
    return {ProblemAddress{activity_with_prefix(reading.code->activity)->screen, reading.code->kind,
                           reading.code->seed},
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
