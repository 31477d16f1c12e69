#pragma once

#include <QWidget>

#include "support/arrayspan.h"

// Ordinary least-squares fit of y on x.
struct Regression
{
    double slope;
    double intercept;
    double r2;
};

// Learning curves of the tasks: a per-trial measure (a reaction time, or the logarithm of a
// pointing distance) fitted against the logarithm of the trial's rank, and every trial's value
// moved along the fitted slope to the level of the last trial. Each task window that fits
// learning curves owns one, as a never-shown child. Arrays belong to the caller; n says how
// many leading entries are used, and no operation reads or writes beyond the caller's arrays
// (a count larger than an array stops at its end).
class Statistic : public QWidget
{
    Q_OBJECT

public:
    explicit Statistic(QWidget *parent = nullptr);

    // x[i] = ln(i + 1) for i = 0 … n−1.
    static void logRanks(ArraySpan<double> x, int n);
    // Least squares over the first n pairs. Nothing is guarded: equal y values give slope 0,
    // intercept that value and r2 = 0/0 (not a number); equal x values give a slope that is
    // not a number. The records print such values as they come.
    static Regression linearFit(ArraySpan<const double> x, ArraySpan<const double> y, int n);
    // out[i] = y[i] + slope·(ln n − ln(i + 1)) for every i < n: the value trial i would have
    // had at rank n along the fitted curve. The last entry is unchanged.
    static void adjustToLastRank(ArraySpan<const double> y, ArraySpan<double> out, double slope,
                                 double n);
};
