#pragma once

#include <array>

#include <QPoint>
#include <QString>

#include "support/statistic.h"

// The bookkeeping and the measures of the working memory task, kept apart from the window so
// that they can be checked without a screen.
//
// Each trial ends with two pointing answers, at the last and at the first cross of the
// series; their distances to the true cross centres, in millimetres, are the raw measure.
// A trial the assessor marks as an error (E) counts in errorCount and its memory load is
// presented again; a trial with both answers is valid whatever the distances.
//
// Measures of a run, from the valid trials in the order they came (rank 1, 2, …):
// - the learning curve of the first-cross error: a least-squares line of ln(distance) against
//   ln(rank) (t4l_slope, t4l_r2); every trial's ln(distance) is moved along it to the level of
//   the last rank, and exp of their mean is the typical error projected to the end of the run
//   (average_f; average_l the same for the last cross with its own line);
// - the load effect: a least-squares line of those corrected ln(first-cross distances)
//   against the trial's memory load 0 … 5, over whole blocks of six valid trials (each block
//   holds every load once); exp(intercept) is the first-cross error with two crosses
//   (t4_intercept), exp(slope) the factor by which it grows per further cross (t4_slope);
// - the errors per hundred valid trials (t4_error).
//
// The standard run has 30 valid trials. The tables hold 30 trials and never more: a run set
// to another length in the parameter panel is measured over the valid trials it has, up to
// the first 30, and its load effect over the whole blocks of six among them (none below six
// trials: the load values are then undefined). A single trial gets no learning correction
// (slope 0, r2 undefined).
class MemoryScore
{
public:
    static constexpr int standardTrials = 30;
    static constexpr int loadCount = 6;   // loads 0 … 5: two to seven crosses
    static constexpr int blockSize = loadCount;

    struct Measures
    {
        double averageFirst = 0;    // average_f, mm
        double averageLast = 0;     // average_l, mm
        Regression learning{};      // t4l_slope, r2 (first cross, ln distance on ln rank)
        double loadSlope = 0;       // t4_slope: factor per further cross
        double loadIntercept = 0;   // t4_intercept: mm at load 0
        double loadR2 = 0;          // t4_r2
        double errorPercent = 0;    // t4_error
        int ranks = 0;              // valid trials that entered the learning fits
        int loadRanks = 0;          // of which entered the load fit (whole blocks of six)
    };

    // Distance in mm between a click and a cross centre (screen pixels), with the pixel size
    // of each axis in mm; computed in single precision as the task always has, and never less
    // than 1 mm so that its logarithm is never negative.
    static double distanceMm(QPoint click, QPoint cross, double mmPerPixelX, double mmPerPixelY);
    // A distance as the trial log and the parameter panel show it: the user's locale, two
    // decimals, right-aligned in eight characters ("   12.33", "   12,33").
    static QString distanceText(double mm);

    // Starts a run: counts and tables cleared.
    void clearRun();
    // A valid trial of the given load: the next rank. Returns how many valid trials of that
    // load the run had before this one.
    int storeValid(int load, double distFirst, double distLast);
    void countError() { ++errorCount; }

    int validCount = 0;
    int errorCount = 0;

    // The valid trials the tables hold (at most 30).
    int stored() const;
    int loadOfRank(int rank) const { return m_load[rank]; }
    Measures measures() const;

private:
    std::array<double, standardTrials> m_lnFirst{};
    std::array<double, standardTrials> m_lnLast{};
    std::array<int, standardTrials> m_load{};
    std::array<int, loadCount> m_perLoad{};
};
