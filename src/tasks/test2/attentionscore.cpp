#include "tasks/test2/attentionscore.h"

#include <algorithm>
#include <cmath>
#include <limits>

void AttentionScore::startBlock()
{
    validCount = 0;
    presentedCount = 0;
    condCount.fill(0);
    condErrors.fill(0);
}

void AttentionScore::clearRun()
{
    startBlock();
    for (auto &row : rtTable)
        row.clear();
}

void AttentionScore::storeValid(int cond, double rt)
{
    const int slot = condCount[cond] - 1;
    if (slot < 0)
        return;
    auto &row = rtTable[cond];
    if (int(row.size()) <= slot)
        row.resize(slot + 1);
    row[slot] = rt;
}

void AttentionScore::endTrial(int cond, bool error)
{
    if (error) {
        ++condErrors[cond];
        --validCount;
        --condCount[cond];
    }
    ++validCount;
    ++presentedCount;
}

Regression AttentionScore::fitOf(int cond) const
{
    const auto &row = rtTable[cond];
    const int n = std::min<int>(learningTrials, int(row.size()));
    if (n < 2) {
        // One time or none: no learning trend can be fitted.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return Regression{0.0, n == 1 ? row[0] : nan, nan};
    }
    std::vector<double> x(n);
    Statistic::logRanks(x, n);
    return Statistic::linearFit(x, row, n);
}

std::vector<double> AttentionScore::corrected(int cond) const
{
    const auto &row = rtTable[cond];
    const int n = std::min<int>(learningTrials, int(row.size()));
    std::vector<double> out(n);
    Statistic::adjustToLastRank(row, out, fitOf(cond).slope, n);
    return out;
}

AttentionScore::Measures AttentionScore::measures() const
{
    Measures m;
    for (int c = 0; c < conditionCount; ++c) {
        const auto &row = rtTable[c];
        m.fit[c] = fitOf(c);
        double sum = 0;
        for (double value : corrected(c))
            sum += value;
        for (std::size_t i = learningTrials; i < row.size(); ++i)
            sum += row[i];
        m.mean[c] = row.empty() ? std::numeric_limits<double>::quiet_NaN() : sum / double(row.size());
        m.errorPercent[c] = presentedCount > 0 ? double(condErrors[c]) / presentedCount * 100.0 : 0.0;
    }
    m.t2a = m.mean[Neutral];
    m.t2b = m.mean[Neutral] - m.mean[Alerted];
    m.t2c = m.mean[Neutral] - m.mean[Oriented];
    return m;
}
