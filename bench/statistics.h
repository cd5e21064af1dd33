// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace bench {

// The middle of a set of samples and the spread around it: the median and the first and
// third quartiles (linear between the sorted samples), with how many samples there are.
// All zero for no samples.
struct Spread {
    double median = 0;
    double q1 = 0;
    double q3 = 0;
    std::size_t count = 0;
};

Spread spread(std::vector<double> samples);

// The p-quantile of the samples (0.95: the 95th percentile), linear between the two
// nearest; 0 for no samples.
double percentile(std::vector<double> samples, double p);

// The ratios of paired samples, ours[i] / theirs[i], for the pairs where both are there
// and theirs is above zero; the longer list's extra samples have no partner and are left out.
std::vector<double> paired_ratios(const std::vector<double>& ours,
                                  const std::vector<double>& theirs);

} // namespace bench
