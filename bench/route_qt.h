// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two Qt programs of the benchmark, the recorder and the bare program, share:
// the route's names as Qt strings, and the folder of the records on their command line.

#include <QString>
#include <QStringList>

#include <string_view>

namespace bench {

inline QString qt_name(std::string_view name) {
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// The folder after --records, or empty when there is none.
inline QString records_folder(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf("--records");
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

} // namespace bench
