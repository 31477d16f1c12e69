#include <cmath>

#include <QtTest>

#include "context/screenparams.h"
#include "recomputememory.h"
#include "support/random.h"
#include "tasks/test4/crossseries.h"
#include "tasks/test4/memoryscore.h"

namespace {
// A run of n valid trials: loads in blocks of six (each a permutation), first-cross distances
// growing with load and shrinking with practice, last-cross distances of their own.
struct Trials
{
    std::vector<double> first, last;
    std::vector<int> loads;
    explicit Trials(int n, double constant = 0)
    {
        QList<int> block;
        for (int i = 0; i < n; ++i) {
            if (i % 6 == 0)
                block = Random::permutation(6, 77u + unsigned(i));
            const int load = block[i % 6];
            loads.push_back(load);
            first.push_back(constant > 0 ? constant
                                         : 3.0 * std::pow(1.2, load) * std::pow(i + 1.0, -0.15)
                                               * (1.0 + 0.3 * std::sin(i * 1.7)));
            last.push_back(constant > 0 ? constant : 2.0 + 0.5 * load + std::fabs(std::cos(i * 0.9)));
        }
    }
};

void feed(MemoryScore &score, const Trials &trials, int errors)
{
    score.clearRun();
    for (int e = 0; e < errors; ++e)
        score.countError();
    for (std::size_t i = 0; i < trials.first.size(); ++i)
        score.storeValid(trials.loads[i], trials.first[i], trials.last[i]);
}
} // namespace

class TestMemoryScore : public QObject
{
    Q_OBJECT

private slots:
    void distance_data();
    void distance();
    void distanceText_data();
    void distanceText();
    void measures_data();
    void measures();
    void equalDistances();
    void seriesSectors_data();
    void seriesSectors();
    void crossPlace_data();
    void crossPlace();
};

void TestMemoryScore::distance_data()
{
    QTest::addColumn<int>("horz");   // calibration values: mm for 1000 and for 500 pixels
    QTest::addColumn<int>("vert");
    QTest::addColumn<QPoint>("offset");   // click − cross, pixels
    QTest::addColumn<double>("mm");
    QTest::newRow("on the centre") << 250 << 125 << QPoint(0, 0) << 1.0;
    QTest::newRow("under a millimetre") << 250 << 125 << QPoint(2, -1) << 1.0;
    QTest::newRow("3-4-5 in mm") << 250 << 125 << QPoint(12, -16) << 5.0;
    QTest::newRow("vertical axis, 500-pixel ruler") << 400 << 150 << QPoint(0, 10) << 3.0;
    QTest::newRow("horizontal axis, 1000-pixel ruler") << 300 << 500 << QPoint(-20, 0) << 6.0;
}

void TestMemoryScore::distance()
{
    QFETCH(int, horz);
    QFETCH(int, vert);
    QFETCH(QPoint, offset);
    QFETCH(double, mm);
    ScreenParams screen;
    screen.horzPitch = horz;
    screen.vertPitch = vert;
    const QPoint cross(700, 300);
    const double d = MemoryScore::distanceMm(cross + offset, cross, screen.horzMmPerPixel(), screen.vertMmPerPixel());
    QVERIFY2(std::fabs(d - mm) < 1e-5, qPrintable(QString::number(d)));
}

void TestMemoryScore::distanceText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("mm");
    QTest::addColumn<QString>("text");
    QTest::newRow("point") << "C" << 5.0 << "    5.00";
    QTest::newRow("comma, twelve and a third") << "fr_FR" << 37.0 / 3 << "   12,33";
    QTest::newRow("comma, three digits") << "de_DE" << 123.456 << "  123,46";
}

void TestMemoryScore::distanceText()
{
    QFETCH(QString, locale);
    QFETCH(double, mm);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    const QString shown = MemoryScore::distanceText(mm);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(shown, text);
}

void TestMemoryScore::measures_data()
{
    QTest::addColumn<int>("trials");
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("loadRanks");
    QTest::newRow("standard run") << 30 << 0 << 30;
    QTest::newRow("three errors in 30") << 30 << 3 << 30;
    QTest::newRow("8 trials: one block for the load") << 8 << 1 << 6;
    QTest::newRow("35 trials: the first 30") << 35 << 2 << 30;
}

void TestMemoryScore::measures()
{
    QFETCH(int, trials);
    QFETCH(int, errors);
    QFETCH(int, loadRanks);
    const Trials run(trials);
    MemoryScore score;
    feed(score, run, errors);
    const MemoryScore::Measures m = score.measures();
    const RecomputedMemory expected(run.first, run.last, run.loads, errors);
    QCOMPARE(m.loadRanks, loadRanks);
    const double got[] = {m.averageFirst, m.averageLast, m.learning.slope, m.learning.r2,
                          m.loadSlope, m.loadIntercept, m.loadR2, m.errorPercent};
    const double want[] = {expected.averageFirst, expected.averageLast, expected.learningSlope,
                           expected.learningR2, expected.loadSlope, expected.loadIntercept,
                           expected.loadR2, expected.errorPercent};
    for (int i = 0; i < 8; ++i)
        QVERIFY2(std::fabs(got[i] - want[i]) < 1e-9 * std::max(1.0, std::fabs(want[i])),
                 qPrintable(QStringLiteral("%1: %2 against %3").arg(i).arg(got[i]).arg(want[i])));
    if (errors == 3)
        QCOMPARE(m.errorPercent, 10.0);
}

// Thirty equal distances: no learning, no load effect, the distance itself.
void TestMemoryScore::equalDistances()
{
    MemoryScore score;
    feed(score, Trials(30, 7.25), 0);
    const MemoryScore::Measures m = score.measures();
    QCOMPARE(m.averageFirst, 7.25);
    QCOMPARE(m.averageLast, 7.25);
    QCOMPARE(m.learning.slope, 0.0);
    QCOMPARE(m.loadSlope, 1.0);
    QCOMPARE(m.loadIntercept, 7.25);
    QVERIFY(std::isnan(m.learning.r2) && std::isnan(m.loadR2));
}

void TestMemoryScore::seriesSectors_data()
{
    QTest::addColumn<int>("load");
    for (int load = 0; load < MemoryScore::loadCount; ++load)
        QTest::addRow("load %d", load) << load;
}

// Load + 2 crosses; the first in the table's first sector, every later one in a sector of its
// own away from the first and its two neighbours.
void TestMemoryScore::seriesSectors()
{
    QFETCH(int, load);
    CrossSeries series;
    for (unsigned int seed = 0; seed < 200; ++seed) {
        const QList<int> table = Random::apart12(seed);
        series.start(load, table);
        QSet<int> sectors;
        while (series.hasNext()) {
            const CrossSeries::Cross &cross = series.next(QPoint(640, 512), [](int k) { return std::rand() % k; });
            const int apart = (cross.sector - table[0] + 12) % 12;
            QVERIFY(series.shown() == 1 ? apart == 0 : apart >= 2 && apart <= 10);
            sectors.insert(cross.sector);
            const double r = std::hypot(cross.centre.x() - 640, cross.centre.y() - 512);
            QVERIFY2(r >= 178.5 && r < 360, qPrintable(QString::number(r)));
        }
        QCOMPARE(series.shown(), load + 2);
        QCOMPARE(sectors.size(), load + 2);
        QCOMPARE(series.first().sector, table[0]);
    }
}

void TestMemoryScore::crossPlace_data()
{
    QTest::addColumn<int>("sector");
    QTest::addColumn<QList<int>>("draws");   // angle, then radius
    QTest::addColumn<QPoint>("centre");
    QTest::newRow("12 o'clock, inner edge") << 0 << QList<int>{0, 0} << QPoint(640, 332);
    QTest::newRow("3 o'clock, outer edge") << 3 << QList<int>{0, 179} << QPoint(999, 512);
    QTest::newRow("200 degrees, truncated") << 6 << QList<int>{20, 20} << QPoint(571, 699);
    QTest::newRow("angle drawn before radius") << 6 << QList<int>{20, 100} << QPoint(544, 775);
}

void TestMemoryScore::crossPlace()
{
    QFETCH(int, sector);
    QFETCH(QList<int>, draws);
    QFETCH(QPoint, centre);
    CrossSeries series;
    series.start(0, {sector, (sector + 1) % 12, (sector + 11) % 12});
    const CrossSeries::Cross &cross = series.next(QPoint(640, 512), [&draws](int) { return draws.takeFirst(); });
    QCOMPARE(cross.centre, centre);
    QCOMPARE(series.last().centre, centre);
}

QTEST_GUILESS_MAIN(TestMemoryScore)
#include "tst_memoryscore.moc"
