#pragma once

#include <random>

// How a simulated patient does in the visual recognition task: the chance of a correct
// answer grows with the exposure it saw along a logistic in log exposure, between the guess
// rate (one button of five, or one position of six) and one minus the lapse rate, placed so
// that a trial at the patient's threshold is answered correctly half of the time. A
// one-up-one-down staircase then settles around that threshold.
class PsychometricModel
{
public:
    static constexpr double slope = 4.0;     // per unit of ln(exposure)
    static constexpr double lapse = 0.02;

    // The chance of guessing right: 1/5 for the central subtask, 1/6 for the others.
    static double guessRate(int subtask) { return subtask == 0 ? 1.0 / 5 : 1.0 / 6; }
    // The chance of a correct answer at an exposure (ms) for a threshold (ms).
    static double pCorrect(double exposureMs, double thresholdMs, int subtask);

    explicit PsychometricModel(unsigned int seed) : m_engine(seed) {}
    bool answersCorrectly(double exposureMs, double thresholdMs, int subtask);
    // A whole number in [0, n).
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    // A realistic time from the answer buttons' appearance to the click, ms.
    int answerDelay();

private:
    std::mt19937 m_engine;
};
