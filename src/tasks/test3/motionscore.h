#pragma once

#include <array>
#include <vector>

#include "support/statistic.h"

// The bookkeeping and the measures of the movement detection task, kept apart from the window
// so that they can be checked without a screen.
//
// A block ends when validCount reaches the block's number of valid trials; an erroneous trial
// does not count and is presented again at the same place. The reaction times of the valid
// trials of the test block are kept in the order in which they came, each with its target
// place (0 "E", 1 "SE", … 7 "NE").
//
// Measures of a run: the mean reaction time after a learning correction (every time moved
// along a least-squares fit of time against ln(rank) to the level of the last valid trial),
// the errors as a percent of the trials presented, and the mean time of the trials whose
// target lay on each side of the field: oblique (SE, SW, NW, NE), cardinal (E, S, W, N), left
// (SW, W, NW), right (E, SE, NE), top (NW, N, NE), bottom (SE, S, SW). The report shows the
// differences oblique − cardinal, left − right and top − bottom.
//
// The standard block has 40 valid trials over target tables of eight, so every place is the
// target five times: four places make 20 trials, three places 15. The assessor can set
// another number in the parameter panel; every measure is then taken over the valid trials
// there are (a side without a valid trial has an undefined mean, one valid trial gives no
// learning correction).
class MotionScore
{
public:
    static constexpr int standardTrials = 40;
    // In the test block a reaction time above this is an error (training has no limit).
    static constexpr int slowLimit = 5000;
    static constexpr bool tooSlow(int rt) { return rt > slowLimit; }

    enum Side { Oblique, Cardinal, LeftSide, RightSide, Top, Bottom, sideCount };
    static bool onSide(int place, Side side);

    struct Measures
    {
        Regression fit{0, 0, 0};
        double t3_rt = 0;      // learning-corrected mean reaction time
        double t3_error = 0;   // errors in percent of the trials presented
        std::array<double, sideCount> side{};
        double obliqueMinusCardinal() const { return side[Oblique] - side[Cardinal]; }
        double leftMinusRight() const { return side[LeftSide] - side[RightSide]; }
        double topMinusBottom() const { return side[Top] - side[Bottom]; }
    };

    // Block counters (reset at the start of every block).
    int validCount = 0;
    int presentedCount = 0;
    int errorCount = 0;
    // Raised when a trial of the subtask starts, taken back when it ends in error.
    std::array<int, 3> subtaskCount{};

    void startBlock();
    // Starts a run: counters and reaction times cleared.
    void clearRun();

    void trialStarted(int subtask) { ++subtaskCount[subtask]; }
    // Stores the reaction time of a valid trial of the test block at rank validCount.
    void storeValid(int place, int rt);
    // Counts a finished trial; an erroneous one is added to the errors and does not advance
    // validCount.
    void endTrial(int subtask, bool error);

    const std::vector<double> &rtTable() const { return m_rt; }
    std::vector<double> corrected() const;
    Measures measures() const;

private:
    Regression fit() const;

    std::vector<double> m_rt;
    std::vector<int> m_place;
};
