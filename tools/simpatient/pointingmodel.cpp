#include "pointingmodel.h"

#include <algorithm>
#include <cmath>

PointingModel::PointingModel(unsigned int seed, const Params &params)
    : m_params(params)
    , m_engine(seed)
{
}

double PointingModel::sdAt(int load) const
{
    return m_params.sd * std::pow(m_params.loadFactor, load);
}

QPointF PointingModel::errorMm(int load)
{
    std::normal_distribution<double> axis(0.0, sdAt(load));
    const double x = axis(m_engine);
    const double y = axis(m_engine);
    return QPointF(x, y);
}

bool PointingModel::lapses()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine) < m_params.lapseRate;
}

int PointingModel::delay(double mean, double spread, int low, int high)
{
    const double value = std::normal_distribution<double>(mean, spread)(m_engine);
    return std::clamp(int(std::lround(value)), low, high);
}

// Finding the remembered place and moving the mouse there takes most of a second.
int PointingModel::firstDelayMs() { return delay(900.0, 200.0, 450, 2000); }
int PointingModel::secondDelayMs() { return delay(750.0, 150.0, 400, 1600); }
