// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measures.h"

namespace bench {

// The figures of one size and mode, as a table on standard output.
void print_result(const Result& result);

// The project's goals, each with what was measured and whether it was met.
void print_goals(const std::vector<Result>& results, const Options& options);

} // namespace bench
