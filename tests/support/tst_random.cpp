#include <algorithm>
#include <cstdlib>
#include <ctime>

#include <QtTest>

#include "support/random.h"

namespace {
using Generator = QList<int> (Random::*)();

struct NamedGenerator
{
    const char *name;
    Generator generator;
    int size;
    unsigned int offset;
};

const NamedGenerator clockGenerators[] = {
    {"randTab3", &Random::randTab3, 3, 0},
    {"randTab6", &Random::randTab6, 6, 0},
    {"randTab8", &Random::randTab8, 8, 0},
    {"randTab8Plus500", &Random::randTab8Plus500, 8, 500},
    {"randTab8Plus1000", &Random::randTab8Plus1000, 8, 1000},
    {"randTab10", &Random::randTab10, 10, 0},
};

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

constexpr unsigned int firstSeed = 1700000000u;
constexpr int seedCount = 3000;
} // namespace

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    void permutation_data();
    void permutation();
    void generators_data();
    void generators();
    void threeSeedsGiveThreeTables();
    void apart12KeepsNeighboursTogether();
    void apart12AtTheEndsOfTheClock_data();
    void apart12AtTheEndsOfTheClock();
    void debugLine_data();
    void debugLine();
};

void TestRandom::permutation_data()
{
    QTest::addColumn<int>("size");
    for (int n : {2, 3, 6, 8, 10})
        QTest::addRow("n=%d", n) << n;
}

// Over many seeds: every table holds each value once, the last two entries come in
// ascending order exactly when the final draw is even, and exactly n−1 draws are made
// (the next rand() continues the seeded sequence after n−1 values).
void TestRandom::permutation()
{
    QFETCH(int, size);
    int ascendingEnds = 0;
    for (unsigned int seed = firstSeed; seed < firstSeed + seedCount; ++seed) {
        const QList<int> table = Random::permutation(size, seed);
        const int next = std::rand();
        QCOMPARE(next, drawAfter(seed, size - 1));

        QList<int> sorted = table;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, ascending(size));

        const bool finalDrawEven = drawAfter(seed, size - 2) % 2 == 0;
        const bool lastTwoAscending = table.at(size - 2) < table.at(size - 1);
        QCOMPARE(lastTwoAscending, finalDrawEven);
        ascendingEnds += lastTwoAscending ? 1 : 0;
    }
    // Both orders occur: the final draw is not ignored.
    QVERIFY(ascendingEnds > seedCount / 4 && ascendingEnds < 3 * seedCount / 4);
}

void TestRandom::generators_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(clockGenerators)); ++i)
        QTest::newRow(clockGenerators[i].name) << i;
}

// The generators seed from the clock plus their offset: two calls in the same second give
// the same table, the one of that seed.
void TestRandom::generators()
{
    QFETCH(int, index);
    const NamedGenerator &g = clockGenerators[index];
    Random random;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const QList<int> first = (random.*g.generator)();
        const QList<int> second = (random.*g.generator)();
        if (std::time(nullptr) != before)
            continue;   // the second changed in between: try again
        QCOMPARE(first.size(), g.size);
        QCOMPARE(second, first);
        QCOMPARE(first, Random::permutation(g.size, unsigned(before) + g.offset));
        return;
    }
    QFAIL("the clock kept changing second");
}

// The attention task draws three 8-entry tables at the same moment; the offsets make them
// different tables.
void TestRandom::threeSeedsGiveThreeTables()
{
    for (unsigned int t = firstSeed; t < firstSeed + seedCount; ++t) {
        const QList<int> plain = Random::permutation(8, t);
        const QList<int> plus500 = Random::permutation(8, t + 500);
        const QList<int> plus1000 = Random::permutation(8, t + 1000);
        QVERIFY2(plain != plus500 && plain != plus1000 && plus500 != plus1000,
                 qPrintable(QStringLiteral("seed %1").arg(t)));
    }
}

void TestRandom::apart12KeepsNeighboursTogether()
{
    QList<int> firstSectors(12, 0);
    for (unsigned int seed = firstSeed; seed < firstSeed + seedCount; ++seed) {
        const QList<int> table = Random::apart12(seed);
        const int next = std::rand();
        QCOMPARE(next, drawAfter(seed, 9));   // one draw for entry 0, eight for 3 … 11

        QList<int> sorted = table;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, ascending(12));

        const int first = table.at(0);
        QCOMPARE(table.at(1), (first + 1) % 12);
        QCOMPARE(table.at(2), (first + 11) % 12);
        for (int i = 3; i < 12; ++i) {
            const int distance = std::abs(table.at(i) - first);
            QVERIFY2(distance > 1 && distance < 11, qPrintable(QStringLiteral("seed %1").arg(seed)));
        }
        ++firstSectors[first];
    }
    QVERIFY(!firstSectors.contains(0));   // every sector comes first sometimes
}

void TestRandom::apart12AtTheEndsOfTheClock_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("before");
    QTest::newRow("eleven") << 11 << 0 << 10;
    QTest::newRow("zero") << 0 << 1 << 11;
    QTest::newRow("five") << 5 << 6 << 4;
}

void TestRandom::apart12AtTheEndsOfTheClock()
{
    QFETCH(int, first);
    QFETCH(int, after);
    QFETCH(int, before);
    for (unsigned int seed = firstSeed; seed < firstSeed + seedCount; ++seed) {
        const QList<int> table = Random::apart12(seed);
        if (table.at(0) != first)
            continue;
        QCOMPARE(table.at(1), after);
        QCOMPARE(table.at(2), before);
        QVERIFY(!table.mid(3).contains(first));
        QVERIFY(!table.mid(3).contains(after));
        QVERIFY(!table.mid(3).contains(before));
        return;
    }
    QFAIL("no table started with that sector");
}

void TestRandom::debugLine_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QList<int>>("table");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("playTab3") << QByteArray("playTab3") << QList<int>{2, 0, 1}
                              << QByteArray("playTab3    2    0    1");
    QTest::newRow("playTab10") << QByteArray("playTab10") << QList<int>{9, 0, 1, 2, 3, 4, 5, 6, 7, 8}
                               << QByteArray("playTab10    9    0    1    2    3    4    5    6    7    8");
    QTest::newRow("wide value") << QByteArray("playTab6") << QList<int>{12345}
                                << QByteArray("playTab6 12345");
}

void TestRandom::debugLine()
{
    QFETCH(QByteArray, label);
    QFETCH(QList<int>, table);
    QFETCH(QByteArray, expected);
    QCOMPARE(Random::debugLine(label.constData(), table), expected);
}

QTEST_MAIN(TestRandom)
#include "tst_random.moc"
