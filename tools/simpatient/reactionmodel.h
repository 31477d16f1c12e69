#pragma once

#include <array>
#include <random>

// Reaction times of a simulated patient in the central cue attention task: a neutral mean
// around 420 ms, about 30 ms faster after an alerting cue and about 45 ms faster after an
// orienting cue, a normal spread, a learning trend that fades over the first twenty trials of
// each condition, and now and then an anticipation or a late response.
class ReactionModel
{
public:
    enum class Kind { Normal, Anticipation, Late };

    explicit ReactionModel(unsigned int seed);

    // What the patient does on the next trial of the condition (0 neutral, 1 alerted,
    // 2 oriented), and the delay in ms: after target onset for a normal or late answer,
    // after the end of the cue for an anticipation.
    struct Answer
    {
        Kind kind;
        int delayMs;
    };
    Answer next(int cond, bool canAnticipate);

    static constexpr double neutralMean = 420.0;
    static constexpr double alertingBenefit = 30.0;
    static constexpr double orientingBenefit = 45.0;
    static constexpr double spread = 45.0;
    static constexpr double anticipationRate = 0.08;   // of the trials where it can happen
    static constexpr double lateRate = 0.025;

private:
    std::mt19937 m_engine;
    std::array<int, 3> m_seen{};
};
