#include "reactionmodel.h"

#include <algorithm>
#include <cmath>

ReactionModel::ReactionModel(unsigned int seed)
    : ReactionModel(seed, Params())
{
}

ReactionModel::ReactionModel(unsigned int seed, const Params &params)
    : m_params(params)
    , m_engine(seed)
{
}

ReactionModel::Answer ReactionModel::next(int cond, int intervalMs)
{
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (intervalMs > 0 && chance(m_engine) < m_params.anticipationRate)
        return {Kind::Anticipation, std::uniform_int_distribution<int>(0, intervalMs - 1)(m_engine)};
    if (chance(m_engine) < m_params.lateRate)
        return {Kind::Late, std::uniform_int_distribution<int>(2050, 2600)(m_engine)};

    const int rank = ++m_seen[std::clamp(cond, 0, 2)];
    const double benefit = cond == 1 ? m_params.alertingBenefit : cond == 2 ? m_params.orientingBenefit : 0.0;
    // Slower at first, at the level of practice from the twentieth trial on.
    const double learning = 40.0 * std::max(0.0, 1.0 - std::log(double(rank)) / std::log(20.0));
    const double mean = m_params.neutralMean - benefit + learning;
    const double value = std::normal_distribution<double>(mean, m_params.spread)(m_engine);
    return {Kind::Normal, int(std::lround(std::clamp(value, 180.0, 1500.0)))};
}
