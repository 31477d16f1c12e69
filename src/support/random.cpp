#include "support/random.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
// Draws the remaining values of `pool` (ascending) into `table`: for k = size … 3 the value at
// rand() % k is taken out, keeping the rest in order; the last two come in ascending order
// when the final draw rand() % 2 is 0, descending when it is 1.
void drawRemaining(QList<int> &pool, QList<int> &table)
{
    while (pool.size() > 2) {
        const int picked = std::rand() % int(pool.size());
        table.append(pool.takeAt(picked));
    }
    if (pool.size() == 2) {
        if (std::rand() % 2 == 0)
            table << pool.at(0) << pool.at(1);
        else
            table << pool.at(1) << pool.at(0);
    } else if (pool.size() == 1) {
        table << pool.at(0);
    }
}

QList<int> ascending(int n)
{
    QList<int> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i)
        values << i;
    return values;
}
} // namespace

Random::Random(QWidget *parent)
    : QWidget(parent)
{
}

unsigned int Random::clockSeed(unsigned int offset)
{
    return static_cast<unsigned int>(std::time(nullptr)) + offset;
}

QList<int> Random::permutation(int n, unsigned int seed)
{
    std::srand(seed);
    QList<int> pool = ascending(n);
    QList<int> table;
    table.reserve(n);
    drawRemaining(pool, table);
    return table;
}

QList<int> Random::apart12(unsigned int seed)
{
    constexpr int sectors = 12;
    std::srand(seed);
    QList<int> pool = ascending(sectors);
    const int first = pool.takeAt(std::rand() % sectors);
    const int after = (first + 1) % sectors;
    const int before = (first + sectors - 1) % sectors;
    pool.removeOne(after);
    pool.removeOne(before);
    QList<int> table = {first, after, before};
    table.reserve(sectors);
    drawRemaining(pool, table);
    return table;
}

QList<int> Random::randTab3() { return permutation(3, clockSeed(0)); }
QList<int> Random::randTab6() { return permutation(6, clockSeed(0)); }
QList<int> Random::randTab8() { return permutation(8, clockSeed(0)); }
QList<int> Random::randTab8Plus500() { return permutation(8, clockSeed(500)); }
QList<int> Random::randTab8Plus1000() { return permutation(8, clockSeed(1000)); }
QList<int> Random::randTab10() { return permutation(10, clockSeed(0)); }
QList<int> Random::randTab12Apart() { return apart12(clockSeed(0)); }

QByteArray Random::debugLine(const char *label, const QList<int> &table)
{
    QByteArray line(label);
    for (int value : table) {
        char field[16];
        std::snprintf(field, sizeof field, " %4d", value);
        line += field;
    }
    return line;
}
