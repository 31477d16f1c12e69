#include <cmath>
#include <limits>
#include <vector>

#include <QtTest>

#include "support/statistic.h"

namespace {
using Values = std::vector<double>;

Values lnRanks(int n)
{
    Values x(n);
    Statistic::logRanks(x, n);
    return x;
}

// y = a + b·ln(rank) exactly.
Values onLogCurve(int n, double a, double b)
{
    Values y(n);
    for (int i = 0; i < n; ++i)
        y[i] = a + b * std::log(i + 1.0);
    return y;
}

const Values reactionTimes{612, 598, 575, 590, 560, 548, 555, 530, 541, 522,
                           530, 515, 508, 520, 499, 505, 497, 510, 490, 493};
const double notANumber = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TestStatistic : public QObject
{
    Q_OBJECT

private slots:
    // Against values computed independently (textbook formula with exact sums) and exact curves.
    void linearFit_data()
    {
        QTest::addColumn<Values>("x");
        QTest::addColumn<Values>("y");
        QTest::addColumn<double>("slope");
        QTest::addColumn<double>("intercept");
        QTest::addColumn<double>("r2");
        QTest::addColumn<double>("firstAdjusted");
        QTest::newRow("five points") << Values{1, 2, 3, 4, 5} << Values{2, 4, 5, 4, 5} << 0.6 << 2.2
                                     << 0.6 << 2.0 + 0.6 * std::log(5.0);
        QTest::newRow("reaction times over log ranks")
            << lnRanks(20) << reactionTimes << -43.511116503857835 << 627.0034970043243
            << 0.9361382626125095 << 481.6523440310254;
        // An exact curve: r2 = 1 and every trial moves to the level of the last rank.
        QTest::newRow("exact distances over 30 ranks")
            << lnRanks(30) << onLogCurve(30, std::log(8.0), -0.25) << -0.25 << std::log(8.0) << 1.0
            << std::log(8.0) - 0.25 * std::log(30.0);
        // Equal values: slope exactly 0, the value as intercept, r2 = 0/0, even where the sum of
        // the values does not divide back exactly.
        for (const double value : {345.0, std::log(12.3), 0.1, 0.0})
            for (const int n : {20, 30})
                QTest::addRow("%d times %g", n, value)
                    << lnRanks(n) << Values(n, value) << 0.0 << value << notANumber << value;
    }

    void linearFit()
    {
        QFETCH(Values, x);
        QFETCH(Values, y);
        QFETCH(double, slope);
        QFETCH(double, intercept);
        QFETCH(double, r2);
        QFETCH(double, firstAdjusted);
        const int n = int(x.size());
        const double tolerance = std::isnan(r2) ? 0.0 : 1e-9;   // flat data: exact
        // One entry more than the count, as in the tasks' fixed arrays: it is not read.
        Values paddedX = x, paddedY = y;
        paddedX.push_back(100.0);
        paddedY.push_back(1e6);
        const Regression fit = Statistic::linearFit(paddedX, paddedY, n);
        QVERIFY2(std::abs(fit.slope - slope) <= tolerance, qPrintable(QString::number(fit.slope, 'g', 17)));
        QVERIFY(std::abs(fit.intercept - intercept) <= tolerance);
        QVERIFY(std::isnan(r2) ? std::isnan(fit.r2) : std::abs(fit.r2 - r2) < 1e-12);

        Values out(n);
        Statistic::adjustToLastRank(y, out, fit.slope, n);
        QVERIFY(std::abs(out[0] - firstAdjusted) <= 1e-9);
        QCOMPARE(out[n - 1], y[n - 1]);
    }

    // A count beyond an array stops at its end.
    void stopsAtTheArrayEnd()
    {
        Values storage(8, -1.0);
        Statistic::logRanks(ArraySpan<double>(storage.data(), 5), 30);
        QCOMPARE(storage[4], std::log(5.0));
        QCOMPARE(storage[5], -1.0);
        Statistic::adjustToLastRank(reactionTimes, ArraySpan<double>(storage.data(), 3), 0.0, 40.0);
        QCOMPARE(storage[2], 575.0);
        QCOMPARE(storage[3], std::log(4.0));
    }
};

QTEST_MAIN(TestStatistic)
#include "tst_statistic.moc"
