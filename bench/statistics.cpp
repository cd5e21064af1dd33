// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics.h"

#include <algorithm>
#include <cmath>

namespace bench {

namespace {

// The p-quantile of sorted samples, linear between the two nearest (the usual "type 7").
double quantile(const std::vector<double>& sorted, double p) {
    const double at = p * double(sorted.size() - 1);
    const auto below = std::size_t(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - double(below)) * (sorted[above] - sorted[below]);
}

} // namespace

Spread spread(std::vector<double> samples) {
    if (samples.empty()) {
        return {};
    }
    std::sort(samples.begin(), samples.end());
    return {quantile(samples, 0.5), quantile(samples, 0.25), quantile(samples, 0.75),
            samples.size()};
}

double percentile(std::vector<double> samples, double p) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    return quantile(samples, p);
}

std::vector<double> paired_ratios(const std::vector<double>& ours,
                                  const std::vector<double>& theirs) {
    std::vector<double> ratios;
    const std::size_t pairs = std::min(ours.size(), theirs.size());
    for (std::size_t i = 0; i < pairs; ++i) {
        if (theirs[i] > 0) {
            ratios.push_back(ours[i] / theirs[i]);
        }
    }
    return ratios;
}

} // namespace bench
