#include "tasks/test3/motionscore.h"

#include <limits>

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// Places 0 … 7 (E, SE, S, SW, W, NW, N, NE) as bits, per side.
constexpr unsigned sidePlaces[MotionScore::sideCount] = {
    0b10101010,   // oblique: SE, SW, NW, NE
    0b01010101,   // cardinal: E, S, W, N
    0b00111000,   // left: SW, W, NW
    0b10000011,   // right: E, SE, NE
    0b11100000,   // top: NW, N, NE
    0b00001110,   // bottom: SE, S, SW
};
} // namespace

bool MotionScore::onSide(int place, Side side)
{
    return place >= 0 && place < 8 && (sidePlaces[side] >> place & 1u);
}

void MotionScore::startBlock()
{
    validCount = 0;
    presentedCount = 0;
    errorCount = 0;
    subtaskCount.fill(0);
}

void MotionScore::clearRun()
{
    startBlock();
    m_rt.clear();
    m_place.clear();
}

void MotionScore::storeValid(int place, int rt)
{
    const std::size_t slot = std::size_t(validCount < 0 ? 0 : validCount);
    if (m_rt.size() <= slot) {
        m_rt.resize(slot + 1);
        m_place.resize(slot + 1);
    }
    m_rt[slot] = rt;
    m_place[slot] = place;
}

void MotionScore::endTrial(int subtask, bool error)
{
    if (error) {
        ++errorCount;
        --validCount;
        --subtaskCount[subtask];
    }
    ++validCount;
    ++presentedCount;
}

Regression MotionScore::fit() const
{
    const int n = int(m_rt.size());
    if (n < 2)
        return Regression{0.0, n == 1 ? m_rt[0] : notANumber, notANumber};
    std::vector<double> x(n);
    Statistic::logRanks(x, n);
    return Statistic::linearFit(x, m_rt, n);
}

std::vector<double> MotionScore::corrected() const
{
    std::vector<double> out(m_rt.size());
    Statistic::adjustToLastRank(m_rt, out, fit().slope, double(m_rt.size()));
    return out;
}

MotionScore::Measures MotionScore::measures() const
{
    Measures m;
    m.fit = fit();
    double sum = 0;
    for (double value : corrected())
        sum += value;
    m.t3_rt = m_rt.empty() ? notANumber : sum / double(m_rt.size());
    m.t3_error = presentedCount > 0 ? double(errorCount) / presentedCount * 100.0 : 0.0;
    for (int s = 0; s < sideCount; ++s) {
        double sideSum = 0;
        int count = 0;
        for (std::size_t i = 0; i < m_rt.size(); ++i) {
            if (onSide(m_place[i], Side(s))) {
                sideSum += m_rt[i];
                ++count;
            }
        }
        m.side[s] = count > 0 ? sideSum / count : notANumber;
    }
    return m;
}
