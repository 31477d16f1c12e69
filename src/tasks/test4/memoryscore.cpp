#include "tasks/test4/memoryscore.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
const double undefined = std::numeric_limits<double>::quiet_NaN();

struct Curve
{
    Regression fit;
    std::array<double, MemoryScore::standardTrials> corrected{};
    double average = 0;
};

// Learning curve of ln(distance) over the first n ranks and the values moved along it to
// rank n; exp of their mean is the typical distance at the end of the run.
Curve learningCurve(const std::array<double, MemoryScore::standardTrials> &lnDistance, int n)
{
    Curve curve;
    if (n < 2) {
        curve.fit = {0.0, n == 1 ? lnDistance[0] : undefined, undefined};
        curve.corrected = lnDistance;
    } else {
        std::array<double, MemoryScore::standardTrials> lnRank{};
        Statistic::logRanks(lnRank, n);
        curve.fit = Statistic::linearFit(lnRank, lnDistance, n);
        Statistic::adjustToLastRank(lnDistance, curve.corrected, curve.fit.slope, n);
    }
    double sum = 0;
    for (int i = 0; i < n; ++i)
        sum += curve.corrected[i];
    curve.average = n > 0 ? std::exp(sum / n) : undefined;
    return curve;
}
} // namespace

double MemoryScore::distanceMm(QPoint click, QPoint cross, double mmPerPixelX, double mmPerPixelY)
{
    const float dx = float(click.x() - cross.x()) * float(mmPerPixelX);
    const float dy = float(click.y() - cross.y()) * float(mmPerPixelY);
    const float d = std::sqrt(dx * dx + dy * dy);
    return d < 1.0f ? 1.0 : double(d);
}

QString MemoryScore::distanceText(double mm)
{
    return QStringLiteral("%L1").arg(mm, 8, 'f', 2);
}

void MemoryScore::clearRun()
{
    validCount = 0;
    errorCount = 0;
    m_lnFirst.fill(0);
    m_lnLast.fill(0);
    m_load.fill(0);
    m_perLoad.fill(0);
}

int MemoryScore::storeValid(int load, double distFirst, double distLast)
{
    const int rank = validCount++;
    if (rank < standardTrials) {
        m_lnFirst[rank] = std::log(distFirst);
        m_lnLast[rank] = std::log(distLast);
        m_load[rank] = load;
    }
    if (load < 0 || load >= loadCount)
        return 0;
    return m_perLoad[load]++;
}

int MemoryScore::stored() const
{
    return std::min(validCount, standardTrials);
}

MemoryScore::Measures MemoryScore::measures() const
{
    Measures m;
    m.ranks = stored();
    const Curve first = learningCurve(m_lnFirst, m.ranks);
    const Curve last = learningCurve(m_lnLast, m.ranks);
    m.averageFirst = first.average;
    m.averageLast = last.average;
    m.learning = first.fit;

    // Corrected first-cross errors against load, over whole blocks of six.
    m.loadRanks = m.ranks / blockSize * blockSize;
    if (m.loadRanks > 0) {
        std::array<double, standardTrials> load{};
        for (int i = 0; i < m.loadRanks; ++i)
            load[i] = m_load[i];
        const Regression fit = Statistic::linearFit(load, first.corrected, m.loadRanks);
        m.loadSlope = std::exp(fit.slope);
        m.loadIntercept = std::exp(fit.intercept);
        m.loadR2 = fit.r2;
    } else {
        m.loadSlope = m.loadIntercept = m.loadR2 = undefined;
    }
    m.errorPercent = validCount > 0 ? double(errorCount) / validCount * 100.0 : 0.0;
    return m;
}
