#include <algorithm>
#include <cstdlib>
#include <ctime>

#include <QtTest>

#include "support/random.h"

namespace {
constexpr unsigned int firstSeed = 1700000000u;
constexpr int seedCount = 3000;

QList<int> sorted(QList<int> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

QList<int> ascending(int n)
{
    QList<int> values;
    for (int i = 0; i < n; ++i)
        values << i;
    return values;
}

// The rand() value that follows `skipped` draws after seeding with seed.
int drawAfter(unsigned int seed, int skipped)
{
    std::srand(seed);
    for (int i = 0; i < skipped; ++i)
        std::rand();
    return std::rand();
}
} // namespace

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    void permutation_data();
    void permutation();
    void clockSeeds_data();
    void clockSeeds();
    void threeSeedsGiveThreeTables();
    void apart12();
    void debugLine();
};

void TestRandom::permutation_data()
{
    QTest::addColumn<int>("size");
    for (int n : {2, 3, 6, 8, 10})
        QTest::addRow("n=%d", n) << n;
}

// Over many seeds: each value once, the last two in ascending order exactly when the final
// draw is even, and exactly n−1 draws (the next rand() continues after n−1 values).
void TestRandom::permutation()
{
    QFETCH(int, size);
    int ascendingEnds = 0;
    for (unsigned int seed = firstSeed; seed < firstSeed + seedCount; ++seed) {
        const QList<int> table = Random::permutation(size, seed);
        const int next = std::rand();
        QCOMPARE(next, drawAfter(seed, size - 1));
        QCOMPARE(sorted(table), ascending(size));
        const bool lastTwoAscending = table.at(size - 2) < table.at(size - 1);
        QCOMPARE(lastTwoAscending, drawAfter(seed, size - 2) % 2 == 0);
        ascendingEnds += lastTwoAscending ? 1 : 0;
    }
    QVERIFY(ascendingEnds > seedCount / 4 && ascendingEnds < 3 * seedCount / 4);
}

void TestRandom::clockSeeds_data()
{
    QTest::addColumn<int>("generator");
    QTest::addColumn<int>("size");
    QTest::addColumn<unsigned int>("offset");
    QTest::newRow("randTab3") << 0 << 3 << 0u;
    QTest::newRow("randTab6") << 1 << 6 << 0u;
    QTest::newRow("randTab8") << 2 << 8 << 0u;
    QTest::newRow("randTab8Plus500") << 3 << 8 << 500u;
    QTest::newRow("randTab8Plus1000") << 4 << 8 << 1000u;
    QTest::newRow("randTab10") << 5 << 10 << 0u;
}

// Two tables drawn in the same second are the same: the one of the clock plus the offset.
void TestRandom::clockSeeds()
{
    QFETCH(int, generator);
    QFETCH(int, size);
    QFETCH(unsigned int, offset);
    using Generator = QList<int> (Random::*)();
    const Generator generators[] = {&Random::randTab3, &Random::randTab6, &Random::randTab8,
                                    &Random::randTab8Plus500, &Random::randTab8Plus1000,
                                    &Random::randTab10};
    Random random;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const QList<int> first = (random.*generators[generator])();
        const QList<int> second = (random.*generators[generator])();
        if (std::time(nullptr) != before)
            continue;   // the second changed in between
        QCOMPARE(second, first);
        QCOMPARE(first, Random::permutation(size, unsigned(before) + offset));
        return;
    }
    QFAIL("the clock kept changing second");
}

// The attention task draws its three 8-entry tables at the same moment.
void TestRandom::threeSeedsGiveThreeTables()
{
    for (unsigned int t = firstSeed; t < firstSeed + seedCount; ++t) {
        const QList<int> plain = Random::permutation(8, t);
        const QList<int> plus500 = Random::permutation(8, t + 500);
        const QList<int> plus1000 = Random::permutation(8, t + 1000);
        QVERIFY2(plain != plus500 && plain != plus1000 && plus500 != plus1000,
                 qPrintable(QString::number(t)));
    }
}

// Entries 1 and 2 are the sectors either side of entry 0 (11 → 0 and 10, 0 → 1 and 11);
// entries 3 … 11 never touch them; one draw for entry 0 and eight for the rest.
void TestRandom::apart12()
{
    QList<int> firstSectors(12, 0);
    for (unsigned int seed = firstSeed; seed < firstSeed + seedCount; ++seed) {
        const QList<int> table = Random::apart12(seed);
        const int next = std::rand();
        QCOMPARE(next, drawAfter(seed, 9));
        QCOMPARE(sorted(table), ascending(12));
        const int first = table.at(0);
        QCOMPARE(table.at(1), first == 11 ? 0 : first + 1);
        QCOMPARE(table.at(2), first == 0 ? 11 : first - 1);
        for (int i = 3; i < 12; ++i) {
            const int distance = std::abs(table.at(i) - first);
            QVERIFY2(distance > 1 && distance < 11, qPrintable(QString::number(seed)));
        }
        ++firstSectors[first];
    }
    QVERIFY(!firstSectors.contains(0));   // every sector, 0 and 11 included, came first
}

void TestRandom::debugLine()
{
    QCOMPARE(Random::debugLine("playTab3", {2, 0, 1}), QByteArray("playTab3    2    0    1"));
    QCOMPARE(Random::debugLine("playTab6", {12345}), QByteArray("playTab6 12345"));
}

QTEST_MAIN(TestRandom)
#include "tst_random.moc"
