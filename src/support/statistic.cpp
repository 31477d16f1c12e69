#include "support/statistic.h"

#include <algorithm>
#include <cmath>

Statistic::Statistic(QWidget *parent)
    : QWidget(parent)
{
}

void Statistic::logRanks(ArraySpan<double> x, int n)
{
    const int count = std::min(n, x.size());
    for (int i = 0; i < count; ++i)
        x[i] = std::log(double(i + 1));
}

namespace {
// Mean of the first n values, corrected by the mean of their deviations from it: values that
// are all equal give exactly that value, so their deviations are exactly zero.
double mean(ArraySpan<const double> v, int n)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum += v[i];
    const double first = sum / n;
    double residual = 0.0;
    for (int i = 0; i < n; ++i)
        residual += v[i] - first;
    return first + residual / n;
}
} // namespace

Regression Statistic::linearFit(ArraySpan<const double> x, ArraySpan<const double> y, int n)
{
    // Cross products are summed over the deviations from the means rather than as
    // Sxy - n·mx·my: the difference of two large sums leaves rounding noise where the data
    // have no trend (a slope of 1e-12 and an infinite r2 for twenty equal reaction times).
    n = std::max(0, std::min({n, x.size(), y.size()}));
    const double mx = mean(x, n);
    const double my = mean(y, n);
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    for (int i = 0; i < n; ++i) {
        const double dx = x[i] - mx;
        const double dy = y[i] - my;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    }

    Regression fit;
    fit.slope = sxy / sxx;
    fit.intercept = my - fit.slope * mx;
    fit.r2 = fit.slope * fit.slope * sxx / syy;
    return fit;
}

void Statistic::adjustToLastRank(ArraySpan<const double> y, ArraySpan<double> out, double slope,
                                 double n)
{
    const double lastRank = std::log(n);
    for (int i = 0; i < y.size() && i < out.size() && i < n; ++i)
        out[i] = y[i] + slope * (lastRank - std::log(double(i + 1)));
}
