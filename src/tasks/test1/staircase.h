#pragma once

#include <array>
#include <vector>

// The exposure staircase of one subtask of the visual recognition task (central, peripheral or
// dual), without widgets:
//
//   Staircase s;
//   s.enter(storedValue, withTraining);        // start of the run: entry exposure
//   s.trainingAnswer(correct, trialNumber);    // training block, coarse levels
//   s.startTest(rate);                         // test block: fine levels of 60 or 120 Hz
//   bool boundary = s.testAnswer(correct);     // answered test trial: one up or one down
//   s.countTrial(); / s.countMissed();         // every counted trial (missed ones too)
//   s.recordReversals(); s.checkStop();        // after the trial row: reversals, clusters
//
// The test levels form one sequence: entry 0 is the level the block starts at, then one
// entry per answered trial, two when the level touched a boundary level (0 or 21) and was
// pushed back. A trial without an answer adds nothing, so its count (rank_sub) advances while
// the reversals stay those of the levels the staircase actually visited.
class Staircase
{
public:
    static constexpr int coarseCount = 9;
    static constexpr int coarseTop = 8;
    static constexpr int fineCount = 22;
    static constexpr int fineTop = 20;       // highest level used for a trial
    static constexpr int boundaryHigh = 21;  // boundary levels, recorded but never shown
    static constexpr int boundaryLow = 0;
    static constexpr int trainingTrials = 10;
    static constexpr int minimumCount = 20;   // counted trials before a subtask may stop
    static constexpr int unstableCount = 50;  // counted trials without a stop: unstable
    static constexpr int levelCapacity = 100;
    static constexpr int reversalCapacity = 50;
    static constexpr int trainingRestart = 1133;   // a trained subtask's training restarts here

    static const std::array<int, coarseCount> coarseLevels;
    static const std::array<std::array<int, fineCount>, 2> fineLevels;   // 60 Hz, 120 Hz

    // Lowest coarse level whose exposure is at least value; the top level for a value of 0 or
    // below, or above the top exposure.
    static int trainingEntry(int value);
    // Fine level (1 … 20) a test block starts at for an exposure: the lowest whose exposure is
    // at least that, the top level when none is.
    static int testEntry(int rate, int exposure);

    // Start of a run with the patient's stored value (ms, 0 = never trained). With training
    // a trained subtask starts over at 1133 ms and an untrained one at 4633 ms; without, the
    // exposure is the stored value.
    void enter(int storedValue, bool withTraining);
    // The value the patient list keeps for this subtask after the run: the stored one when
    // no block of the subtask ran, 0 when its training ran and did not pass, else the current
    // exposure (the threshold after a completed test).
    int storedAfterRun(bool withTraining) const;

    int exposure() const { return m_exposure; }
    void setExposure(int ms) { m_exposure = ms; }
    bool trained() const { return m_trained; }
    bool trainPassed() const { return m_trainPassed; }
    int trainLevel() const { return m_trainLevel; }

    // A training block of the subtask starts.
    void startTraining();
    // Training: after a complete answer of trial trialNumber (1 … 10) of the block.
    void trainingAnswer(bool correct, int trialNumber);
    // The end-of-block check of a training block; false: the exposure never left the top.
    bool finishTraining();

    // Test block start: the level from the current exposure becomes entry 0; counts,
    // reversals and measures of the block are cleared. The exposure itself is kept until the
    // first answer.
    void startTest(int rate);
    // A complete answer of a test trial; returns whether the level touched a boundary level.
    bool testAnswer(bool correct);
    void countTrial() { ++m_count; }
    void countMissed() { ++m_missed; }
    // Reversal bookkeeping for the entries the last answered trial added.
    void recordReversals();
    // Cluster search and, with at least 20 counted trials, the stop rule; returns whether it
    // held (the measures are then those of the newest clusters).
    bool checkStop();
    // The capacity of the level sequence or of a reversal list is used up.
    bool exhausted() const;

    int count() const { return m_count; }
    int missed() const { return m_missed; }
    int testLevel() const { return m_testLevel; }
    const std::vector<int> &levels() const { return m_levels; }
    const std::vector<int> &upperReversals() const { return m_valMax; }
    const std::vector<int> &lowerReversals() const { return m_valMin; }
    int reversals() const { return int(m_valMax.size() + m_valMin.size()); }

    // Measures of the newest clusters (valid once the stop rule held).
    bool stopped() const { return m_stopped; }
    double sup() const { return m_sup; }
    double inf() const { return m_inf; }
    double threshold() const { return m_threshold; }
    int limitSup() const { return m_limitSup; }
    int limitInf() const { return m_limitInf; }
    const std::array<int, 4> &upperCluster() const { return m_refMax; }
    const std::array<int, 4> &lowerCluster() const { return m_refMin; }

    // Four reversals of the list within three adjacent levels, searched from the newest: the
    // chosen band's four levels, newest first; false when there is no such cluster.
    static bool findCluster(const std::vector<int> &list, std::array<int, 4> *cluster);

private:
    int m_rate = 0;
    int m_exposure = 0;
    int m_trainLevel = coarseTop;
    int m_testLevel = fineTop;
    bool m_trained = false;
    bool m_trainPassed = false;
    int m_stored = 0;
    bool m_ran = false;   // a training or test block of the subtask ran in this run
    std::vector<int> m_levels;
    std::size_t m_checked = 0;   // entries of m_levels already looked at for reversals
    int m_count = 0;
    int m_missed = 0;
    std::vector<int> m_valMax;
    std::vector<int> m_valMin;
    bool m_stopped = false;
    std::array<int, 4> m_refMax{};
    std::array<int, 4> m_refMin{};
    double m_sup = 0;
    double m_inf = 0;
    double m_threshold = 0;
    int m_limitSup = 0;
    int m_limitInf = 0;
};

// The three staircases of a run and the rules that tie them: which subtasks a mode runs,
// when a run is unstable and when the test block ends.
class ExposureRun
{
public:
    static constexpr int subtaskCount = 3;   // 0 central, 1 peripheral, 2 dual

    // mode 0 the whole battery, 1 central, 2 peripheral, 3 dual.
    static bool inMode(int mode, int subtask) { return mode == 0 || mode == subtask + 1; }

    // Start of a run with the three stored values.
    void enter(int mode, const std::array<int, subtaskCount> &stored, bool withTraining);
    // Test block start at the chosen refresh rate (0 = 60 Hz, 1 = 120 Hz).
    void startTest(int rate);

    enum class Outcome { Continue, Stopped, Unstable };
    // After the row of a counted test trial of the subtask: the instability check, the
    // reversal bookkeeping and the stop rule. Stopped: every subtask of the mode has its
    // threshold and its exposure is that threshold cut to whole ms.
    Outcome endOfTrial(int subtask);
    // A test block that ended by its trial limit: it has results only if every subtask of
    // the mode stopped.
    bool complete() const;

    int mode() const { return m_mode; }
    Staircase &operator[](int subtask) { return m_stairs[subtask]; }
    const Staircase &operator[](int subtask) const { return m_stairs[subtask]; }

private:
    int m_mode = 0;
    std::array<Staircase, subtaskCount> m_stairs;
};
