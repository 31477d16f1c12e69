#include "reactionmodel.h"

#include <algorithm>
#include <cmath>

ReactionModel::ReactionModel(unsigned int seed)
    : m_engine(seed)
{
}

ReactionModel::Answer ReactionModel::next(int cond, bool canAnticipate)
{
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (canAnticipate && chance(m_engine) < anticipationRate)
        return {Kind::Anticipation, std::uniform_int_distribution<int>(120, 300)(m_engine)};
    if (chance(m_engine) < lateRate)
        return {Kind::Late, std::uniform_int_distribution<int>(2050, 2600)(m_engine)};

    const int rank = ++m_seen[std::clamp(cond, 0, 2)];
    const double benefit = cond == 1 ? alertingBenefit : cond == 2 ? orientingBenefit : 0.0;
    // Slower at first, at the level of practice from the twentieth trial on.
    const double learning = 40.0 * std::max(0.0, 1.0 - std::log(double(rank)) / std::log(20.0));
    const double mean = neutralMean - benefit + learning;
    const double value = std::normal_distribution<double>(mean, spread)(m_engine);
    return {Kind::Normal, int(std::lround(std::clamp(value, 180.0, 1500.0)))};
}
