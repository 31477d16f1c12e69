#pragma once

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

// Least squares and the learning correction written out independently of the program, for
// the tests that recompute measures from logged values.
struct Line
{
    double slope = 0, intercept = 0, r2 = 0;
};

inline Line fitLine(const std::vector<double> &x, const std::vector<double> &y)
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
    // Values without spread (to rounding) explain nothing: r² is undefined.
    const double cov = sxy - sx * sy / n, varX = sxx - sx * sx / n, varY = syy - sy * sy / n;
    return {cov / varX, (sy - cov / varX * sx) / n, varY > 1e-12 * syy ? cov * cov / (varX * varY) : std::nan("")};
}

// The values with the first `fitted` fitted on ln(rank), every one of those moved along the
// line to the level of rank `fitted`; `line` receives the fit.
inline std::vector<double> learningCorrected(std::vector<double> values, int fitted, Line *line)
{
    const int n = std::min<int>(fitted, int(values.size()));
    std::vector<double> lnRank;
    for (int i = 0; i < n; ++i)
        lnRank.push_back(std::log(i + 1.0));
    *line = fitLine(lnRank, std::vector<double>(values.begin(), values.begin() + n));
    for (int i = 0; i < n; ++i)
        values[i] += line->slope * (std::log(double(n)) - lnRank[i]);
    return values;
}

inline double mean(const std::vector<double> &values)
{
    return std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}
