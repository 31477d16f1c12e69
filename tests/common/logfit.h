#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// The learning correction recomputed from logged values for the end-to-end tests, written out
// independently of the program: least squares of the first `fitted` values on ln(rank), every
// one of them moved along the line to the level of rank `fitted`, and the mean over all values.
struct LogFit
{
    double mean = 0;
    double slope = 0;
    double r2 = 0;
};

inline LogFit logFit(const std::vector<double> &values, int fitted)
{
    const int n = std::min<int>(fitted, int(values.size()));
    double sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
    for (int i = 0; i < n; ++i) {
        const double x = std::log(i + 1.0);
        sx += x, sy += values[i], sxx += x * x, sxy += x * values[i], syy += values[i] * values[i];
    }
    const double covariance = sxy - sx * sy / n;
    const double varianceX = sxx - sx * sx / n;
    LogFit fit;
    fit.slope = covariance / varianceX;
    fit.r2 = covariance * covariance / (varianceX * (syy - sy * sy / n));
    double sum = 0;
    for (int i = 0; i < int(values.size()); ++i)
        sum += i < n ? values[i] + fit.slope * (std::log(double(n)) - std::log(i + 1.0)) : values[i];
    fit.mean = sum / double(values.size());
    return fit;
}
