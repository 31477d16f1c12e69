#pragma once

#include <QByteArray>
#include <QList>
#include <QWidget>

// Balanced random blocks of trials ("play tables"): a table of n entries holds every value
// 0 … n−1 exactly once, in random order, so that within a block each trial variant comes once.
// Each task window owns one, as a never-shown child.
//
// Every generator re-seeds the process-wide generator (srand) from the calendar time in
// whole seconds plus its offset (0, 500 or 1000) and then makes exactly n−1 rand() draws, so
// two tables drawn in the same second are the same, and the task's own rand() draws that
// follow continue from the state the last table left.
class Random : public QWidget
{
    Q_OBJECT

public:
    explicit Random(QWidget *parent = nullptr);

    QList<int> randTab3();
    QList<int> randTab6();
    QList<int> randTab8();
    QList<int> randTab8Plus500();
    QList<int> randTab8Plus1000();
    QList<int> randTab10();
    // Twelve clock sectors: entry 0 is a random sector, entries 1 and 2 are the sectors just
    // after and just before it (circularly), entries 3 … 11 the other nine in random order.
    QList<int> randTab12Apart();

    // The same tables from an explicit seed (what the generators use with the clock).
    static QList<int> permutation(int n, unsigned int seed);
    static QList<int> apart12(unsigned int seed);

    // The tasks' debug line of a table: the label, then each entry as " %4d"
    // (e.g. "playTab3    2    0    1").
    static QByteArray debugLine(const char *label, const QList<int> &table);

private:
    static unsigned int clockSeed(unsigned int offset);
};
