#include <cmath>
#include <vector>

#include <QtTest>

#include "support/statistic.h"

namespace {
std::vector<double> lnRanks(int n)
{
    std::vector<double> x(n);
    Statistic::logRanks(x, n);
    return x;
}

// y = a + b·ln(rank) exactly.
std::vector<double> onLogCurve(int n, double a, double b)
{
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i)
        y[i] = a + b * std::log(i + 1.0);
    return y;
}

const std::vector<double> reactionTimes{612, 598, 575, 590, 560, 548, 555, 530, 541, 522,
                                        530, 515, 508, 520, 499, 505, 497, 510, 490, 493};
} // namespace

class TestStatistic : public QObject
{
    Q_OBJECT

private slots:
    void linearFit_data();
    void linearFit();
    void flatData_data();
    void flatData();
    void stopsAtTheArrayEnd();
};

// Against values computed independently (textbook formula with exact sums) and exact curves.
void TestStatistic::linearFit_data()
{
    QTest::addColumn<std::vector<double>>("x");
    QTest::addColumn<std::vector<double>>("y");
    QTest::addColumn<double>("slope");
    QTest::addColumn<double>("intercept");
    QTest::addColumn<double>("r2");
    QTest::addColumn<double>("firstAdjusted");
    QTest::newRow("five points") << std::vector<double>{1, 2, 3, 4, 5}
                                 << std::vector<double>{2, 4, 5, 4, 5} << 0.6 << 2.2 << 0.6
                                 << 2.0 + 0.6 * std::log(5.0);
    QTest::newRow("reaction times over log ranks")
        << lnRanks(20) << reactionTimes << -43.511116503857835 << 627.0034970043243
        << 0.9361382626125095 << 481.6523440310254;
    // An exact curve: r2 = 1 and every trial moves to the level of the last rank.
    QTest::newRow("exact distances over 30 ranks")
        << lnRanks(30) << onLogCurve(30, std::log(8.0), -0.25) << -0.25 << std::log(8.0) << 1.0
        << std::log(8.0) - 0.25 * std::log(30.0);
    QTest::newRow("exact reactions over 40 ranks")
        << lnRanks(40) << onLogCurve(40, 400.0, 12.5) << 12.5 << 400.0 << 1.0
        << 400.0 + 12.5 * std::log(40.0);
}

void TestStatistic::linearFit()
{
    QFETCH(std::vector<double>, x);
    QFETCH(std::vector<double>, y);
    QFETCH(double, slope);
    QFETCH(double, intercept);
    QFETCH(double, r2);
    QFETCH(double, firstAdjusted);
    const int n = int(x.size());
    const Regression fit = Statistic::linearFit(x, y, n);
    QVERIFY2(std::abs(fit.slope - slope) < 1e-9, qPrintable(QString::number(fit.slope, 'g', 17)));
    QVERIFY(std::abs(fit.intercept - intercept) < 1e-9);
    QVERIFY(std::abs(fit.r2 - r2) < 1e-12);

    std::vector<double> out(n);
    Statistic::adjustToLastRank(y, out, fit.slope, n);
    QVERIFY(std::abs(out[0] - firstAdjusted) < 1e-9);
    QCOMPARE(out[n - 1], y[n - 1]);
}

// Equal values: slope exactly 0, the value as intercept, r2 = 0/0. The rows include values
// and counts whose sum does not divide back exactly.
void TestStatistic::flatData_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("value");
    QTest::newRow("20 times 345 ms") << 20 << 345.0;
    QTest::newRow("40 times 345 ms") << 40 << 345.0;
    QTest::newRow("30 times ln 12.3 mm") << 30 << std::log(12.3);
    QTest::newRow("20 times 0.1") << 20 << 0.1;
    QTest::newRow("30 times ln 1 mm") << 30 << 0.0;
}

void TestStatistic::flatData()
{
    QFETCH(int, n);
    QFETCH(double, value);
    const std::vector<double> y(n, value);
    const Regression fit = Statistic::linearFit(lnRanks(n), y, n);
    QVERIFY2(fit.slope == 0.0, qPrintable(QString::number(fit.slope, 'g', 17)));
    QVERIFY(fit.intercept == value);
    QVERIFY(std::isnan(fit.r2));
}

// The tasks fit the first entries of rows of fixed arrays; a count beyond an array stops
// at its end.
void TestStatistic::stopsAtTheArrayEnd()
{
    double lnIndex[20];
    Statistic::logRanks(lnIndex, 20);
    double rtTable[3][32] = {};
    for (int i = 0; i < 32; ++i)
        rtTable[1][i] = 500.0 - 30.0 * std::log(i + 1.0);
    rtTable[1][25] = 9999.0;   // beyond the fitted ranks
    const Regression fit = Statistic::linearFit(lnIndex, rtTable[1], 20);
    QVERIFY(std::abs(fit.slope + 30.0) < 1e-9);

    std::vector<double> storage(8, -1.0);
    Statistic::logRanks(ArraySpan<double>(storage.data(), 5), 30);
    QCOMPARE(storage[4], std::log(5.0));
    QCOMPARE(storage[5], -1.0);
    Statistic::adjustToLastRank(reactionTimes, ArraySpan<double>(storage.data(), 3), 0.0, 40.0);
    QCOMPARE(storage[2], 575.0);
    QCOMPARE(storage[3], std::log(4.0));
}

QTEST_MAIN(TestStatistic)
#include "tst_statistic.moc"
