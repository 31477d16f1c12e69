#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// The measures of a working memory run recomputed from its valid trials with textbook sums,
// independently of the task's own code: ln(distance) against ln(rank) over the first
// min(n, 30) trials, every value moved to the last rank, exp of the mean; the first-cross
// values so corrected against load over the whole blocks of six.
struct RecomputedMemory
{
    double averageFirst = 0, averageLast = 0, learningSlope = 0, learningR2 = 0;
    double loadSlope = 0, loadIntercept = 0, loadR2 = 0, errorPercent = 0;

    struct Line
    {
        double slope, intercept, r2;
    };
    static Line fit(const std::vector<double> &x, const std::vector<double> &y)
    {
        const double n = double(x.size());
        double sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            sx += x[i];
            sy += y[i];
            sxx += x[i] * x[i];
            sxy += x[i] * y[i];
            syy += y[i] * y[i];
        }
        const double cov = sxy - sx * sy / n, varX = sxx - sx * sx / n, varY = syy - sy * sy / n;
        return {cov / varX, (sy - cov / varX * sx) / n, cov * cov / (varX * varY)};
    }

    RecomputedMemory(const std::vector<double> &first, const std::vector<double> &last,
                     const std::vector<int> &loads, int errors)
    {
        const int n = std::min<int>(30, int(first.size()));
        std::vector<double> rank, lnFirst, lnLast;
        for (int i = 0; i < n; ++i) {
            rank.push_back(std::log(i + 1.0));
            lnFirst.push_back(std::log(first[i]));
            lnLast.push_back(std::log(last[i]));
        }
        const Line lf = fit(rank, lnFirst), ll = fit(rank, lnLast);
        learningSlope = lf.slope;
        learningR2 = lf.r2;
        std::vector<double> corrected;
        double sumFirst = 0, sumLast = 0;
        for (int i = 0; i < n; ++i) {
            corrected.push_back(lnFirst[i] + lf.slope * (std::log(double(n)) - rank[i]));
            sumFirst += corrected.back();
            sumLast += lnLast[i] + ll.slope * (std::log(double(n)) - rank[i]);
        }
        averageFirst = std::exp(sumFirst / n);
        averageLast = std::exp(sumLast / n);
        const int whole = n / 6 * 6;
        const std::vector<double> x(loads.begin(), loads.begin() + whole);
        const Line load = fit(x, std::vector<double>(corrected.begin(), corrected.begin() + whole));
        loadSlope = std::exp(load.slope);
        loadIntercept = std::exp(load.intercept);
        loadR2 = load.r2;
        errorPercent = 100.0 * errors / double(first.size());
    }
};
