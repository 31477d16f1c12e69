#pragma once

#include "logfit.h"

// The measures of a working memory run recomputed from its valid trials: ln(distance) against
// ln(rank) over the first min(n, 30) trials, every value moved to the last rank, exp of the
// mean; the first-cross values so corrected against load over the whole blocks of six.
struct RecomputedMemory
{
    double averageFirst = 0, averageLast = 0, learningSlope = 0, learningR2 = 0;
    double loadSlope = 0, loadIntercept = 0, loadR2 = 0, errorPercent = 0;

    RecomputedMemory(const std::vector<double> &first, const std::vector<double> &last,
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
        learningSlope = learning.slope;
        learningR2 = learning.r2;
        averageFirst = std::exp(mean(corrected));
        averageLast = std::exp(mean(learningCorrected(lnLast, int(n), &lastLine)));
        const std::size_t whole = n / 6 * 6;
        const Line load = fitLine(std::vector<double>(loads.begin(), loads.begin() + whole),
                                  std::vector<double>(corrected.begin(), corrected.begin() + whole));
        loadSlope = std::exp(load.slope);
        loadIntercept = std::exp(load.intercept);
        loadR2 = load.r2;
        errorPercent = 100.0 * errors / double(first.size());
    }
};
