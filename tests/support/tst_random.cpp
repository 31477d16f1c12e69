#include <cstdlib>
#include <ctime>
#include <numeric>

#include <QtTest>

#include "support/random.h"

namespace {
constexpr unsigned int firstSeed = 1700000000u;
constexpr int seedCount = 3000;

// The rand() value that follows `skipped` draws after seeding with seed.
int drawAfter(unsigned int seed, int skipped)
{
    std::srand(seed);
    for (int i = 0; i < skipped; ++i)
        std::rand();
    return std::rand();
}

QList<int> table(int size, unsigned int seed)
{
    return size == 12 ? Random::apart12(seed) : Random::permutation(size, seed);
}

using Generator = QList<int> (Random::*)();
} // namespace
Q_DECLARE_METATYPE(Generator)

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    void tables_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("draws");
        for (int n : {2, 3, 8, 10})
            QTest::addRow("n=%d", n) << n << n - 1;
        // Sectors: one draw for entry 0, eight for entries 3 … 11.
        QTest::newRow("12 apart") << 12 << 9;
    }

    // Over many seeds: each value once, every value first in some table, the last two in
    // ascending order exactly when the final draw is even, and exactly that many draws (the next
    // rand() continues after them). In the sector table entries 1 and 2 are the sectors either
    // side of entry 0 (11 → 0 and 10).
    void tables()
    {
        QFETCH(int, size);
        QFETCH(int, draws);
        QList<int> expected(size);
        std::iota(expected.begin(), expected.end(), 0);
        QSet<int> firstValues;
        for (unsigned int seed = firstSeed; seed < firstSeed + seedCount; ++seed) {
            QList<int> values = table(size, seed);
            const int next = std::rand();   // before drawAfter() seeds again
            QCOMPARE(next, drawAfter(seed, draws));
            QCOMPARE(values.at(size - 2) < values.at(size - 1), drawAfter(seed, draws - 1) % 2 == 0);
            firstValues << values.at(0);
            if (size == 12)
                QCOMPARE(values.mid(1, 2), (QList<int>{(values[0] + 1) % 12, (values[0] + 11) % 12}));
            std::sort(values.begin(), values.end());
            QCOMPARE(values, expected);
        }
        QCOMPARE(firstValues.size(), size);
    }

    void clockSeeds_data()
    {
        QTest::addColumn<Generator>("generator");
        QTest::addColumn<int>("size");
        QTest::addColumn<unsigned int>("offset");
        QTest::newRow("randTab3") << &Random::randTab3 << 3 << 0u;
        QTest::newRow("randTab6") << &Random::randTab6 << 6 << 0u;
        QTest::newRow("randTab8") << &Random::randTab8 << 8 << 0u;
        QTest::newRow("randTab8Plus500") << &Random::randTab8Plus500 << 8 << 500u;
        QTest::newRow("randTab8Plus1000") << &Random::randTab8Plus1000 << 8 << 1000u;
        QTest::newRow("randTab10") << &Random::randTab10 << 10 << 0u;
        QTest::newRow("randTab12Apart") << &Random::randTab12Apart << 12 << 0u;
    }

    // Two tables drawn in the same second are the same: the one of the clock plus the offset.
    void clockSeeds()
    {
        QFETCH(Generator, generator);
        QFETCH(int, size);
        QFETCH(unsigned int, offset);
        Random random;
        for (int attempt = 0; attempt < 5; ++attempt) {
            const std::time_t before = std::time(nullptr);
            const QList<int> first = (random.*generator)();
            const QList<int> second = (random.*generator)();
            if (std::time(nullptr) != before)
                continue;   // the second changed in between
            QCOMPARE(second, first);
            QCOMPARE(first, table(size, unsigned(before) + offset));
            return;
        }
        QFAIL("the clock kept changing second");
    }
};

QTEST_MAIN(TestRandom)
#include "tst_random.moc"
