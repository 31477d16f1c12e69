#pragma once

#include <functional>

#include <QList>
#include <QPoint>

// The series of crosses of one working memory trial, shown one after another in a ring
// around the fixation cross. A trial of memory load k (0 … 5) shows k + 2 crosses. The ring
// is cut into twelve clock sectors of 30° (sector 0 from 12 to 1 o'clock, clockwise); the
// trial's sector table (Random::randTab12Apart) gives the first cross entry 0 and the later
// crosses entries 3, 4, …, so no later cross falls in the first cross's sector or either of
// its neighbours, and no two crosses share a sector.
//
// A cross lies at angle sector·30 + (0 … 29)° and at 180 + (0 … 179) pixels from the centre,
// both drawn in that order for every cross; its centre is the screen point truncated to whole
// pixels.
class CrossSeries
{
public:
    static constexpr int sectors = 12;
    static constexpr int ringRadius = 180;   // inner radius of the ring
    static constexpr int ringWidth = 180;    // crosses lie 180 … 359 pixels from the centre

    struct Cross
    {
        int sector = 0;
        double angle = 0;   // degrees, clockwise from straight up
        int radius = 0;     // pixels from the centre
        QPoint centre;      // screen pixels
    };

    // The centre of a cross at `angle` degrees (clockwise from straight up) and `radius`
    // pixels from `centre`, each coordinate truncated toward zero.
    static QPoint onRing(QPoint centre, double angle, int radius);
    static int crossCount(int load) { return load + 2; }

    // A new trial of the given load with its sector table; nothing of an earlier or
    // interrupted trial is kept.
    void start(int load, const QList<int> &sectorTable);
    // Back to no trial at all (a pause).
    void clear();
    // Whether the series has crosses still to show.
    bool hasNext() const { return m_shown < crossCount(m_load); }
    // Places the next cross around `centre`; draw(k) gives a whole number 0 … k − 1 and is
    // called for the angle (k = 30) and then for the radius (k = 180).
    const Cross &next(QPoint centre, const std::function<int(int)> &draw);

    int load() const { return m_load; }
    // Crosses shown so far (0 before the first).
    int shown() const { return m_shown; }
    const Cross &first() const { return m_first; }
    // The most recent cross; once the series is complete, the last one.
    const Cross &last() const { return m_last; }

private:
    int m_load = 0;
    int m_shown = 0;
    QList<int> m_table;
    Cross m_first;
    Cross m_last;
};
