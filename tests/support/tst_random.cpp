#include <cstdlib>
#include <ctime>
#include <numeric>

#include <QtTest>

#include "support/random.h"

namespace {
constexpr unsigned int firstSeed = 1700000000u;
constexpr int seedCount = 3000;

// Each of 0 … n−1 exactly once.
bool isPermutation(QList<int> values)
{
    QList<int> expected(values.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::sort(values.begin(), values.end());
    return values == expected;
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
};

void TestRandom::permutation_data()
{
    QTest::addColumn<int>("size");
    for (int n : {2, 3, 8, 10})
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
        const int next = std::rand();   // before drawAfter() seeds again
        QCOMPARE(next, drawAfter(seed, size - 1));
        QVERIFY(isPermutation(table));
        const bool lastTwoAscending = table.at(size - 2) < table.at(size - 1);
        QCOMPARE(lastTwoAscending, drawAfter(seed, size - 2) % 2 == 0);
        ascendingEnds += lastTwoAscending ? 1 : 0;
    }
    QVERIFY(ascendingEnds > seedCount / 4 && ascendingEnds < 3 * seedCount / 4);
}

using Generator = QList<int> (Random::*)();
Q_DECLARE_METATYPE(Generator)

void TestRandom::clockSeeds_data()
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
    QTest::newRow("randTab12Apart") << &Random::randTab12Apart << 12 << 0u;   // the sector table
}

// Two tables drawn in the same second are the same: the one of the clock plus the offset.
void TestRandom::clockSeeds()
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
        const unsigned int seed = unsigned(before) + offset;
        QCOMPARE(first, size == 12 ? Random::apart12(seed) : Random::permutation(size, seed));
        return;
    }
    QFAIL("the clock kept changing second");
}

// The attention task draws its three 8-entry tables at the same moment.
void TestRandom::threeSeedsGiveThreeTables()
{
    for (unsigned int t = firstSeed; t < firstSeed + seedCount; ++t) {
        const QList<int> plain = Random::permutation(8, t), plus500 = Random::permutation(8, t + 500),
                         plus1000 = Random::permutation(8, t + 1000);
        QVERIFY2(plain != plus500 && plain != plus1000 && plus500 != plus1000, qPrintable(QString::number(t)));
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
        QVERIFY(isPermutation(table));
        const int first = table.at(0);
        QCOMPARE(table.at(1), (first + 1) % 12);
        QCOMPARE(table.at(2), (first + 11) % 12);
        for (int i = 3; i < 12; ++i) {
            const int distance = std::abs(table.at(i) - first);
            QVERIFY2(distance > 1 && distance < 11, qPrintable(QString::number(seed)));
        }
        ++firstSectors[first];
    }
    QVERIFY(!firstSectors.contains(0));   // every sector, 0 and 11 included, came first
}

QTEST_MAIN(TestRandom)
#include "tst_random.moc"
