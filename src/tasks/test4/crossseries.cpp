#include "tasks/test4/crossseries.h"

#include <cmath>

QPoint CrossSeries::onRing(QPoint centre, double angle, int radius)
{
    const double a = angle * M_PI / 180.0;
    return QPoint(int(centre.x() + std::sin(a) * radius), int(centre.y() - std::cos(a) * radius));
}

void CrossSeries::start(int load, const QList<int> &sectorTable)
{
    m_load = load;
    m_table = sectorTable;
    m_shown = 0;
    m_first = m_last = Cross();
}

void CrossSeries::clear()
{
    start(0, {});
}

const CrossSeries::Cross &CrossSeries::next(QPoint centre, const std::function<int(int)> &draw)
{
    // The first cross takes entry 0; the later ones skip the two neighbours of its sector.
    const int entry = m_shown == 0 ? 0 : m_shown + 2;
    Cross cross;
    cross.sector = m_table.value(entry) % sectors;
    const int angleDraw = draw(30);
    const int radiusDraw = draw(ringWidth);
    cross.angle = cross.sector * 30 + angleDraw;
    cross.radius = ringRadius + radiusDraw;
    cross.centre = onRing(centre, cross.angle, cross.radius);
    if (m_shown == 0)
        m_first = cross;
    m_last = cross;
    ++m_shown;
    return m_last;
}
