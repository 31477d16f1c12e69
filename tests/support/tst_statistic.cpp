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
} // namespace

class TestStatistic : public QObject
{
    Q_OBJECT

private slots:
    void logRanks();
    void logRanksStopAtTheArrayEnd();
    void linearFit_data();
    void linearFit();
    void flatData_data();
    void flatData();
    void exactLine_data();
    void exactLine();
    void learningCorrection();
    void arraysOfTheTasks();
};

void TestStatistic::logRanks()
{
    const std::vector<double> x = lnRanks(30);
    QCOMPARE(x[0], 0.0);
    QCOMPARE(x[1], 0.6931471805599453);
    QCOMPARE(x[19], 2.995732273553991);
    QCOMPARE(x[29], 3.4011973816621555);
}

void TestStatistic::logRanksStopAtTheArrayEnd()
{
    std::vector<double> storage(8, -1.0);
    Statistic::logRanks(ArraySpan<double>(storage.data(), 5), 30);
    QCOMPARE(storage[4], std::log(5.0));
    QCOMPARE(storage[5], -1.0);
    QCOMPARE(storage[7], -1.0);

    const double y[3] = {};
    std::vector<double> out(6, -1.0);
    Statistic::adjustToLastRank(y, ArraySpan<double>(out.data(), 3), 2.0, 40.0);
    QCOMPARE(out[2], 2.0 * (std::log(40.0) - std::log(3.0)));
    QCOMPARE(out[3], -1.0);
}

// Against values computed independently (textbook formula over centred sums, exact sums).
void TestStatistic::linearFit_data()
{
    QTest::addColumn<std::vector<double>>("x");
    QTest::addColumn<std::vector<double>>("y");
    QTest::addColumn<double>("slope");
    QTest::addColumn<double>("intercept");
    QTest::addColumn<double>("r2");

    QTest::newRow("five points") << std::vector<double>{1, 2, 3, 4, 5}
                                 << std::vector<double>{2, 4, 5, 4, 5} << 0.6 << 2.2 << 0.6;
    QTest::newRow("reaction times over log ranks")
        << lnRanks(20)
        << std::vector<double>{612, 598, 575, 590, 560, 548, 555, 530, 541, 522,
                               530, 515, 508, 520, 499, 505, 497, 510, 490, 493}
        << -43.511116503857835 << 627.0034970043243 << 0.9361382626125095;
    QTest::newRow("falling line") << std::vector<double>{0, 1, 2, 3}
                                  << std::vector<double>{10, 7, 4, 1} << -3.0 << 10.0 << 1.0;
}

void TestStatistic::linearFit()
{
    QFETCH(std::vector<double>, x);
    QFETCH(std::vector<double>, y);
    QFETCH(double, slope);
    QFETCH(double, intercept);
    QFETCH(double, r2);
    const Regression fit = Statistic::linearFit(x, y, int(x.size()));
    QVERIFY2(std::abs(fit.slope - slope) < 1e-9, qPrintable(QString::number(fit.slope, 'g', 17)));
    QVERIFY2(std::abs(fit.intercept - intercept) < 1e-9, qPrintable(QString::number(fit.intercept, 'g', 17)));
    QVERIFY2(std::abs(fit.r2 - r2) < 1e-12, qPrintable(QString::number(fit.r2, 'g', 17)));
}

// Equal values have no trend: slope exactly 0, the value itself as intercept and an r2 of
// 0/0. The rows include values and counts whose sums do not divide back exactly.
void TestStatistic::flatData_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("value");
    QTest::newRow("20 times 345 ms") << 20 << 345.0;
    QTest::newRow("40 times 345 ms") << 40 << 345.0;
    QTest::newRow("40 times 777 ms") << 40 << 777.0;
    QTest::newRow("30 times ln 12.3 mm") << 30 << std::log(12.3);
    QTest::newRow("30 times ln 3 mm") << 30 << std::log(3.0);
    QTest::newRow("20 times 0.1") << 20 << 0.1;
    QTest::newRow("30 times ln 1 mm") << 30 << 0.0;
}

void TestStatistic::flatData()
{
    QFETCH(int, n);
    QFETCH(double, value);
    const std::vector<double> x = lnRanks(n);
    const std::vector<double> y(n, value);
    const Regression fit = Statistic::linearFit(x, y, n);
    QVERIFY2(fit.slope == 0.0, qPrintable(QString::number(fit.slope, 'g', 17)));
    QVERIFY2(fit.intercept == value, qPrintable(QString::number(fit.intercept, 'g', 17)));
    QVERIFY(std::isnan(fit.r2));

    std::vector<double> out(n);
    Statistic::adjustToLastRank(y, out, fit.slope, n);
    QCOMPARE(out, y);
}

void TestStatistic::exactLine_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::newRow("30 ranks, shrinking distances") << 30 << std::log(8.0) << -0.25;
    QTest::newRow("20 ranks, faster reactions") << 20 << 620.0 << -45.0;
    QTest::newRow("40 ranks, slower reactions") << 40 << 400.0 << 12.5;
}

// y = a + b·ln(rank) exactly: the fit gives b, a and r2 = 1, and the correction moves every
// trial to a + b·ln(n).
void TestStatistic::exactLine()
{
    QFETCH(int, n);
    QFETCH(double, a);
    QFETCH(double, b);
    const std::vector<double> x = lnRanks(n);
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i)
        y[i] = a + b * std::log(i + 1.0);

    const Regression fit = Statistic::linearFit(x, y, n);
    QVERIFY(std::abs(fit.slope - b) < 1e-9);
    QVERIFY(std::abs(fit.intercept - a) < 1e-9);
    QVERIFY(std::abs(fit.r2 - 1.0) < 1e-12);

    std::vector<double> out(n);
    Statistic::adjustToLastRank(y, out, fit.slope, n);
    const double atLastRank = a + b * std::log(double(n));
    for (int i = 0; i < n; ++i)
        QVERIFY2(std::abs(out[i] - atLastRank) < 1e-9, qPrintable(QString::number(i)));
    QCOMPARE(out[n - 1], y[n - 1]);
}

// The attention task's correction of its first 20 reaction times (independently computed:
// first entry and mean).
void TestStatistic::learningCorrection()
{
    const std::vector<double> x = lnRanks(20);
    const std::vector<double> y{612, 598, 575, 590, 560, 548, 555, 530, 541, 522,
                                530, 515, 508, 520, 499, 505, 497, 510, 490, 493};
    const Regression fit = Statistic::linearFit(x, y, 20);
    std::vector<double> out(20);
    Statistic::adjustToLastRank(y, out, fit.slope, 20.0);
    double sum = 0.0;
    for (double v : out)
        sum += v;
    QVERIFY(std::abs(out[0] - 481.6523440310254) < 1e-9);
    QVERIFY(std::abs(sum / 20 - 496.6558410353497) < 1e-9);
    QCOMPARE(out[19], 493.0);
}

// The tasks keep their times in rows of fixed arrays and fit only the first entries.
void TestStatistic::arraysOfTheTasks()
{
    double lnIndex[20];
    Statistic::logRanks(lnIndex, 20);
    double rtTable[3][32] = {};
    for (int i = 0; i < 32; ++i)
        rtTable[1][i] = 500.0 - 30.0 * std::log(i + 1.0);
    rtTable[1][25] = 9999.0;   // beyond the fitted ranks: ignored
    const Regression fit = Statistic::linearFit(lnIndex, rtTable[1], 20);
    QVERIFY(std::abs(fit.slope + 30.0) < 1e-9);
    double rtCorrected[3][32] = {};
    Statistic::adjustToLastRank(rtTable[1], rtCorrected[1], fit.slope, 20.0);
    QVERIFY(std::abs(rtCorrected[1][0] - (500.0 - 30.0 * std::log(20.0))) < 1e-9);
    QCOMPARE(rtCorrected[1][20], 0.0);   // only the first 20 are corrected
    QCOMPARE(rtCorrected[2][0], 0.0);
}

QTEST_MAIN(TestStatistic)
#include "tst_statistic.moc"
