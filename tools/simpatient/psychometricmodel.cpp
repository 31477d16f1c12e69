#include "psychometricmodel.h"

#include <algorithm>
#include <cmath>

double PsychometricModel::pCorrect(double exposureMs, double thresholdMs, int subtask)
{
    const double guess = guessRate(subtask);
    const double span = 1.0 - guess - lapse;
    // The logistic's value at the threshold that makes the whole curve pass through one half.
    const double atThreshold = (0.5 - guess) / span;
    const double midpoint = std::log(thresholdMs) + std::log(1.0 / atThreshold - 1.0) / slope;
    const double x = std::log(std::max(exposureMs, 1.0));
    return guess + span / (1.0 + std::exp(-slope * (x - midpoint)));
}

bool PsychometricModel::answersCorrectly(double exposureMs, double thresholdMs, int subtask)
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine) < pCorrect(exposureMs, thresholdMs, subtask);
}

int PsychometricModel::answerDelay()
{
    const double value = std::lognormal_distribution<double>(std::log(650.0), 0.25)(m_engine);
    return int(std::lround(std::clamp(value, 300.0, 2500.0)));
}
