#include "tasks/test1/staircase.h"

#include <cmath>

const std::array<int, Staircase::coarseCount> Staircase::coarseLevels = {17, 33, 67, 133, 283, 567, 1133, 2283, 4633};

const std::array<std::array<int, Staircase::fineCount>, 2> Staircase::fineLevels = {{
    {17, 17, 33, 33, 50, 67, 83, 117, 150, 217, 283, 367, 483, 650, 850, 1133, 1500, 1983, 2633, 3500, 4633, 4633},
    {17, 17, 33, 42, 50, 67, 92, 117, 158, 208, 275, 367, 492, 650, 858, 1133, 1500, 1992, 2633, 3492, 4633, 4633},
}};

int Staircase::trainingEntry(int value)
{
    if (value <= 0)
        return coarseTop;
    int k = coarseTop;
    while (k >= 0 && coarseLevels[k] >= value)
        --k;
    return k < coarseTop ? k + 1 : k;
}

int Staircase::testEntry(int rate, int exposure)
{
    int k = fineTop;
    while (k > 0 && fineLevels[rate][k] >= exposure)
        --k;
    return k < fineTop ? k + 1 : k;
}

void Staircase::enter(int storedValue, bool withTraining)
{
    m_stored = storedValue;
    m_ran = false;
    m_trained = storedValue > 0;
    m_trainPassed = false;
    int value = storedValue;
    if (withTraining && m_trained)
        value = trainingRestart;
    m_trainLevel = trainingEntry(value);
    m_exposure = withTraining ? coarseLevels[m_trainLevel] : storedValue;
    m_testLevel = fineTop;
    m_levels.clear();
    m_checked = 0;
    m_count = 0;
    m_missed = 0;
    m_valMax.clear();
    m_valMin.clear();
    m_stopped = false;
    m_sup = m_inf = m_threshold = 0;
    m_limitSup = m_limitInf = 0;
}

int Staircase::storedAfterRun(bool withTraining) const
{
    if (!m_ran)
        return m_stored;
    return withTraining && !m_trained ? 0 : m_exposure;
}

void Staircase::startTraining()
{
    m_ran = true;
    m_trainPassed = false;
}

void Staircase::trainingAnswer(bool correct, int trialNumber)
{
    if (correct) {
        // A correct last trial does not lower the level: the block ends on it.
        if (trialNumber < trainingTrials && m_trainLevel > 0) {
            --m_trainLevel;
            if (m_trainLevel < coarseTop)
                m_trainPassed = true;
        }
    } else if (m_trainLevel < coarseTop) {
        ++m_trainLevel;
    }
    m_exposure = coarseLevels[m_trainLevel];
}

bool Staircase::finishTraining()
{
    if (m_trainPassed)
        m_trained = true;
    else
        m_trained = false;
    return m_trainPassed;
}

void Staircase::startTest(int rate)
{
    m_ran = true;
    m_rate = rate;
    m_testLevel = testEntry(rate, m_exposure);
    m_levels.assign(1, m_testLevel);
    m_checked = 1;
    m_count = 0;
    m_missed = 0;
    m_valMax.clear();
    m_valMin.clear();
    m_stopped = false;
    m_sup = m_inf = m_threshold = 0;
    m_limitSup = m_limitInf = 0;
}

bool Staircase::testAnswer(bool correct)
{
    bool boundary = false;
    if (correct) {
        --m_testLevel;
        m_levels.push_back(m_testLevel);
        if (m_testLevel == boundaryLow) {
            // The boundary is recorded, then the level goes back to the lowest shown one; the
            // extra entry counts as a trial of its own.
            ++m_count;
            m_testLevel = boundaryLow + 1;
            m_levels.push_back(m_testLevel);
            boundary = true;
        }
    } else {
        ++m_testLevel;
        m_levels.push_back(m_testLevel);
        if (m_testLevel == boundaryHigh) {
            ++m_count;
            m_testLevel = boundaryHigh - 1;
            m_levels.push_back(m_testLevel);
            boundary = true;
        }
    }
    m_exposure = fineLevels[m_rate][m_testLevel];
    return boundary;
}

void Staircase::recordReversals()
{
    // Nothing new since the last look: a trial without an answer visits no level.
    if (m_levels.size() == m_checked)
        return;
    m_checked = m_levels.size();
    const std::vector<int> &h = m_levels;
    const int c = int(h.size()) - 1;
    if (c > 1) {
        if (h[c - 2] > h[c - 1] && h[c] > h[c - 1])
            m_valMin.push_back(h[c - 1]);
        if (h[c - 2] < h[c - 1] && h[c] < h[c - 1])
            m_valMax.push_back(h[c - 1]);
    }
    // A boundary touch adds two entries at once: the turn just before it is seen here.
    if (c > 2) {
        if (h[c - 3] == boundaryHigh && h[c - 3] > h[c - 2] && h[c - 1] > h[c - 2])
            m_valMin.push_back(h[c - 2]);
        if (h[c - 3] == boundaryLow && h[c - 3] < h[c - 2] && h[c - 1] < h[c - 2])
            m_valMax.push_back(h[c - 2]);
    }
}

bool Staircase::findCluster(const std::vector<int> &list, std::array<int, 4> *cluster)
{
    std::array<std::array<int, 4>, 3> rows{};
    std::array<int, 3> res{-1, -1, -1};
    bool found = false;
    for (int last = int(list.size()) - 1; last > 2 && !found; --last) {
        for (int band = 0; band < 3; ++band) {
            const int r = list[last];
            rows[band] = {r, 0, 0, 0};
            int m = 1;
            for (int j = last - 1; j >= 0 && m < 4; --j) {
                const int v = list[j];
                if (r - 1 - band < v && v < r + 3 - band) {
                    rows[band][m++] = v;
                    if (m == 4) {
                        found = true;
                        res[band] = j;
                    }
                }
            }
        }
    }
    if (!found)
        return false;
    // The cluster whose oldest member is the most recent; the lower band on a tie.
    int chosen = 0;
    for (int band = 1; band < 3; ++band) {
        if (res[band] > res[chosen])
            chosen = band;
    }
    *cluster = rows[chosen];
    return true;
}

bool Staircase::checkStop()
{
    std::array<int, 4> upper{};
    std::array<int, 4> lower{};
    if (!findCluster(m_valMax, &upper) || !findCluster(m_valMin, &lower) || m_count < minimumCount)
        return false;
    double sumUpper = 0;
    double sumLower = 0;
    int limitSup = 0;
    int limitInf = 0;
    for (int i = 0; i < 4; ++i) {
        sumUpper += std::log(double(fineLevels[m_rate][upper[i]]));
        sumLower += std::log(double(fineLevels[m_rate][lower[i]]));
        limitSup += upper[i] == boundaryHigh;
        limitInf += lower[i] == boundaryLow;
    }
    m_refMax = upper;
    m_refMin = lower;
    m_sup = std::exp(sumUpper / 4);
    m_inf = std::exp(sumLower / 4);
    m_threshold = std::exp((sumUpper + sumLower) / 8);
    m_limitSup = limitSup;
    m_limitInf = limitInf;
    m_stopped = true;
    return true;
}

bool Staircase::exhausted() const
{
    return int(m_levels.size()) > levelCapacity || int(m_valMax.size()) > reversalCapacity
           || int(m_valMin.size()) > reversalCapacity;
}

// --- The run ----------------------------------------------------------------------------------

void ExposureRun::enter(int mode, const std::array<int, subtaskCount> &stored, bool withTraining)
{
    m_mode = mode;
    for (int s = 0; s < subtaskCount; ++s)
        m_stairs[s].enter(stored[s], withTraining);
}

void ExposureRun::startTest(int rate)
{
    for (int s = 0; s < subtaskCount; ++s) {
        if (inMode(m_mode, s))
            m_stairs[s].startTest(rate);
    }
}

ExposureRun::Outcome ExposureRun::endOfTrial(int subtask)
{
    Staircase &stair = m_stairs[subtask];
    bool unstable = stair.exhausted();
    if (m_mode == 0) {
        bool allLong = true;
        for (const Staircase &s : m_stairs)
            allLong = allLong && s.count() >= Staircase::unstableCount;
        unstable = unstable || allLong;
    } else {
        unstable = unstable || stair.count() >= Staircase::unstableCount;
    }
    if (unstable)
        return Outcome::Unstable;

    stair.recordReversals();
    if (!stair.checkStop())
        return Outcome::Continue;
    if (m_mode == 0 && !complete())
        return Outcome::Continue;
    // The threshold cut to whole ms. Through logarithms a mean of equal levels can come out a
    // hair below its whole value (4632.999… for clusters all at 4633), which must not cost a ms.
    for (int s = 0; s < subtaskCount; ++s) {
        if (inMode(m_mode, s))
            m_stairs[s].setExposure(int(m_stairs[s].threshold() + 1e-6));
    }
    return Outcome::Stopped;
}

bool ExposureRun::complete() const
{
    for (int s = 0; s < subtaskCount; ++s) {
        if (inMode(m_mode, s) && !m_stairs[s].stopped())
            return false;
    }
    return true;
}
