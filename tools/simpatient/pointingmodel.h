#pragma once

#include <random>

#include <QPointF>

// How a simulated patient points at remembered places in the working memory task: the click
// misses the true place by independent normal errors on both axes, in millimetres, whose
// standard deviation is `sd` with two crosses (load 0) and grows by `loadFactor` for every
// further cross. Now and then (`lapseRate`) the patient gives no answer at all, and the
// assessor ends the trial with E. Answers come after a realistic delay.
class PointingModel
{
public:
    struct Params
    {
        double sd = 4.0;             // mm per axis at load 0
        double loadFactor = 1.15;    // per further cross
        double lapseRate = 0.05;     // trials left unanswered
    };

    PointingModel(unsigned int seed, const Params &params);

    const Params &params() const { return m_params; }
    // Standard deviation per axis, in mm, at memory load 0 … 5.
    double sdAt(int load) const;
    // The error of one click, in mm (x to the right, y downward).
    QPointF errorMm(int load);
    // Whether the patient lets this answer phase pass.
    bool lapses();
    // Delay in ms from the prompt to the first click, and from the first to the second.
    int firstDelayMs();
    int secondDelayMs();

private:
    int delay(double mean, double spread, int low, int high);

    Params m_params;
    std::mt19937 m_engine;
};
