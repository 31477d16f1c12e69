#pragma once

#include <array>
#include <random>

// Reaction times of a simulated patient in the central cue attention task: a neutral mean,
// faster after an alerting cue and faster still after an orienting cue, a normal spread, a
// learning trend that fades over the first twenty trials of each condition, and now and then
// an anticipation or a late response.
class ReactionModel
{
public:
    enum class Kind { Normal, Anticipation, Late };

    // The patient, as given on the simulated patient's command line.
    struct Params
    {
        double neutralMean = 420.0;
        double alertingBenefit = 30.0;
        double orientingBenefit = 45.0;
        double spread = 45.0;              // standard deviation, ms
        double anticipationRate = 0.08;    // of the trials where the interval can be seen
        double lateRate = 0.025;
    };

    explicit ReactionModel(unsigned int seed);
    ReactionModel(unsigned int seed, const Params &params);

    // What the patient does on the next trial of the condition (0 neutral, 1 alerted,
    // 2 oriented), and the delay in ms: after target onset for a normal or late answer,
    // after the end of the cue for an anticipation, which falls anywhere in the interval of
    // intervalMs.
    struct Answer
    {
        Kind kind;
        int delayMs;
    };
    Answer next(int cond, int intervalMs);

    const Params &params() const { return m_params; }

private:
    Params m_params;
    std::mt19937 m_engine;
    std::array<int, 3> m_seen{};
};
