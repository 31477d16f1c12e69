#include <cmath>

#include <QtTest>

#include "context/screenparams.h"
#include "recomputememory.h"
#include "tasks/test4/crossseries.h"
#include "tasks/test4/memoryscore.h"

class TestMemoryScore : public QObject
{
    Q_OBJECT

private slots:
    void distance_data()
    {
        QTest::addColumn<int>("horz");   // calibration values: mm for 1000 and for 500 pixels
        QTest::addColumn<int>("vert");
        QTest::addColumn<QPoint>("offset");   // click − cross, pixels
        QTest::addColumn<double>("mm");
        QTest::newRow("under a millimetre") << 250 << 125 << QPoint(2, -1) << 1.0;
        QTest::newRow("3-4-5 in mm") << 250 << 125 << QPoint(12, -16) << 5.0;
        QTest::newRow("vertical axis, 500-pixel ruler") << 400 << 150 << QPoint(0, 10) << 3.0;
        QTest::newRow("horizontal axis, 1000-pixel ruler") << 300 << 500 << QPoint(-20, 0) << 6.0;
    }

    void distance()
    {
        QFETCH(int, horz);
        QFETCH(int, vert);
        QFETCH(QPoint, offset);
        QFETCH(double, mm);
        const ScreenParams screen{horz, vert, 0, {}, {}};
        const double d = MemoryScore::distanceMm(offset, {}, screen.horzMmPerPixel(),
                                                 screen.vertMmPerPixel());
        QCOMPARE(float(d), float(mm));
    }

    void measures_data()
    {
        QTest::addColumn<int>("trials");
        QTest::addColumn<int>("errors");
        QTest::addColumn<double>("constant");   // every distance; 0: growing with load, shrinking with practice
        QTest::addColumn<int>("loadRanks");
        QTest::newRow("three errors in 30") << 30 << 3 << 0.0 << 30;
        QTest::newRow("8 trials: one block for the load") << 8 << 1 << 0.0 << 6;
        QTest::newRow("35 trials: the first 30") << 35 << 2 << 0.0 << 30;
        QTest::newRow("equal distances: no learning, no load effect") << 30 << 0 << 7.25 << 30;
    }

    // A run of valid trials, loads in blocks of six (each a permutation), against the measures
    // recomputed from the same distances.
    void measures()
    {
        QFETCH(int, trials);
        QFETCH(int, errors);
        QFETCH(double, constant);
        std::vector<double> first, last;
        std::vector<int> loads;
        MemoryScore score;
        score.clearRun();
        for (int e = 0; e < errors; ++e)
            score.countError();
        for (int i = 0; i < trials; ++i) {
            loads.push_back((5 * i + i / 6) % 6);   // each block of six in its own order
            const double practised = std::pow(i + 1.0, -0.15) * (1 + 0.3 * std::sin(i * 1.7));
            first.push_back(constant > 0 ? constant : 3 * std::pow(1.2, loads[i]) * practised);
            last.push_back(constant > 0 ? constant : 2 + 0.5 * loads[i] + std::fabs(std::cos(i * 0.9)));
            score.storeValid(loads[i], first[i], last[i]);
        }
        const MemoryScore::Measures m = score.measures();
        QTEST(m.loadRanks, "loadRanks");
        const double got[] = {m.averageFirst, m.averageLast, m.loadSlope, m.loadIntercept,
                              m.loadR2, m.learning.slope, m.learning.r2, m.errorPercent};
        const std::array<double, 8> want = recomputedMemory(first, last, loads, errors);
        for (int i = 0; i < 8; ++i) {
            const bool near = std::fabs(got[i] - want[i]) < 1e-9 * std::max(1.0, std::fabs(want[i]));
            QVERIFY2(near || (std::isnan(got[i]) && std::isnan(want[i])),
                     qPrintable(QStringLiteral("%1: %2 against %3").arg(i).arg(got[i]).arg(want[i])));
        }
    }

    void crossPlace_data()
    {
        QTest::addColumn<int>("sector");
        QTest::addColumn<QList<int>>("draws");   // angle, then radius
        QTest::addColumn<QPoint>("centre");
        QTest::newRow("12 o'clock, inner edge") << 0 << QList<int>{0, 0} << QPoint(640, 332);
        QTest::newRow("3 o'clock, outer edge") << 3 << QList<int>{0, 179} << QPoint(999, 512);
        QTest::newRow("200 degrees, truncated") << 6 << QList<int>{20, 20} << QPoint(571, 699);
        QTest::newRow("angle drawn before radius") << 6 << QList<int>{20, 100} << QPoint(544, 775);
    }

    void crossPlace()
    {
        QFETCH(int, sector);
        QFETCH(QList<int>, draws);
        CrossSeries series;
        series.start(0, {sector, (sector + 1) % 12, (sector + 11) % 12});
        QTEST(series.next(QPoint(640, 512), [&draws](int) { return draws.takeFirst(); }).centre, "centre");
    }
};

QTEST_GUILESS_MAIN(TestMemoryScore)
#include "tst_memoryscore.moc"
