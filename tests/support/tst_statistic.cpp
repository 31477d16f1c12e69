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

const double notANumber = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TestStatistic : public QObject
{
    Q_OBJECT

private slots:
    // Exact curves and flat data; general fits show in the task scores, each recomputed by an
    // independent least-squares line.
    void linearFit_data()
    {
        QTest::addColumn<Values>("x");
        QTest::addColumn<Values>("y");
        QTest::addColumn<double>("slope");
        QTest::addColumn<double>("intercept");
        QTest::addColumn<double>("r2");
        QTest::addColumn<double>("firstAdjusted");
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
        const Regression fit = Statistic::linearFit(x, y, n);
        QVERIFY2(std::abs(fit.slope - slope) <= tolerance, qPrintable(QString::number(fit.slope, 'g', 17)));
        QVERIFY(std::abs(fit.intercept - intercept) <= tolerance);
        QVERIFY(std::isnan(r2) ? std::isnan(fit.r2) : std::abs(fit.r2 - r2) < 1e-12);

        Values out(n);
        Statistic::adjustToLastRank(y, out, fit.slope, n);
        QVERIFY(std::abs(out[0] - firstAdjusted) <= 1e-9);
        QCOMPARE(out[n - 1], y[n - 1]);
    }
};

QTEST_MAIN(TestStatistic)
#include "tst_statistic.moc"
