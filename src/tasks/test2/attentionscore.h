#pragma once

#include <array>
#include <vector>

#include "support/statistic.h"

// The bookkeeping and the measures of the central cue attention task, kept apart from the
// window so that they can be checked without a screen.
//
// Three conditions: 0 neutral (no cue), 1 alerted (central asterisk), 2 oriented (central
// arrow pointing at the target's place). A block ends when validCount reaches the block's
// number of valid trials; an erroneous trial does not count and its condition is presented
// again. Reaction times of the valid trials of the test block are kept per condition in the
// order in which they came.
//
// Measures of a run: each condition's mean reaction time after a learning correction of its
// first trials (the times of the first `learningTrials` valid trials are moved along a
// least-squares fit of time against ln(rank) to the level of the last of them), the alerting
// effect (neutral − alerted) and the orienting effect (neutral − oriented), and per condition
// its errors as a percent of all trials presented in the block.
//
// The standard test block has 96 valid trials, 32 per condition. The assessor can set another
// number in the parameter panel; the reaction-time rows then simply hold as many times as
// there are, and every measure is taken over the valid trials the condition actually has:
// the learning fit over the first min(n, 20) of them, the mean over all n. A condition with a
// single valid trial gets no learning correction (slope 0, r² undefined); one with none gets
// an undefined mean.
class AttentionScore
{
public:
    static constexpr int conditionCount = 3;
    static constexpr int learningTrials = 20;
    static constexpr int standardTrials = 96;
    // In the test block a correct response slower than this is an error (training has no limit).
    static constexpr int slowLimit = 2000;
    static constexpr bool tooSlow(int rt) { return rt > slowLimit; }

    enum Condition { Neutral = 0, Alerted = 1, Oriented = 2 };

    struct Measures
    {
        std::array<double, conditionCount> mean{};
        std::array<Regression, conditionCount> fit{};
        std::array<double, conditionCount> errorPercent{};
        double t2a = 0;   // neutral mean
        double t2b = 0;   // alerting effect: neutral mean − alerted mean
        double t2c = 0;   // orienting effect: neutral mean − oriented mean
    };

    // Block counters (reset at the start of every block).
    int validCount = 0;
    int presentedCount = 0;
    // Raised at each cue onset of the condition and taken back when its trial turns out
    // erroneous or is paused: during a trial, the trial's ordinal among the condition's valid
    // trials.
    std::array<int, conditionCount> condCount{};
    std::array<int, conditionCount> condErrors{};

    // Starts a block: all counters to zero. The reaction times of the run are kept.
    void startBlock();
    // Starts a run: counters and reaction times cleared.
    void clearRun();

    void cueOnset(int cond) { ++condCount[cond]; }
    // A paused trial leaves no trace: its cue onset is taken back, nothing else changes.
    void abandonTrial(int cond) { --condCount[cond]; }
    // Stores the reaction time of a valid trial of the test block at the trial's rank among
    // the condition's valid trials (condCount − 1). The rows grow as needed.
    void storeValid(int cond, double rt);
    // Counts a finished trial: an erroneous one is added to the condition's errors and takes
    // back its cue onset, so neither validCount nor condCount advance.
    void endTrial(int cond, bool error);
    bool isComplete(int nbTrials) const { return validCount == nbTrials; }

    const std::vector<double> &rtRow(int cond) const { return rtTable[cond]; }
    // The learning-corrected times of a condition (as many as the fit covered).
    std::vector<double> corrected(int cond) const;
    Measures measures() const;

private:
    Regression fitOf(int cond) const;

    std::array<std::vector<double>, conditionCount> rtTable;
};
