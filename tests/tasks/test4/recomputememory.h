#pragma once

#include <array>

#include "logfit.h"

// The measures of a working memory run recomputed from its valid trials, in the order of the
// result table (average_f, average_l, t4_slope, t4_intercept, t4_r2, t4l_slope, t4l_r2,
// t4_error): ln(distance) against ln(rank) over the first min(n, 30) trials, every value moved
// to the last rank, exp of the mean; the first-cross values so corrected against load over the
// whole blocks of six.
inline std::array<double, 8> recomputedMemory(const std::vector<double> &first, const std::vector<double> &last,
                                              const std::vector<int> &loads, int errors)
{
    const std::size_t n = std::min<std::size_t>(30, first.size());
    std::vector<double> lnFirst, lnLast;
    for (std::size_t i = 0; i < n; ++i) {
        lnFirst.push_back(std::log(first[i]));
        lnLast.push_back(std::log(last[i]));
    }
    Line learning, lastLine;
    const std::vector<double> corrected = learningCorrected(lnFirst, int(n), &learning);
    const double averageLast = std::exp(mean(learningCorrected(lnLast, int(n), &lastLine)));
    const std::size_t whole = n / 6 * 6;
    const Line load = fitLine(std::vector<double>(loads.begin(), loads.begin() + whole),
                              std::vector<double>(corrected.begin(), corrected.begin() + whole));
    return {std::exp(mean(corrected)), averageLast, std::exp(load.slope), std::exp(load.intercept),
            load.r2, learning.slope, learning.r2, 100.0 * errors / double(first.size())};
}
