#include <cmath>

#include <QtTest>

#include "tasks/test2/attentionscore.h"
#include "tasks/test2/targetplaces.h"

namespace {
// Runs a whole block through the bookkeeping: the reaction times of each condition's valid
// trials in order, the erroneous trials (each presented once before the condition's next
// valid trial) by condition.
void runBlock(AttentionScore &score, const std::array<std::vector<double>, 3> &times,
              const std::array<int, 3> &errors = {})
{
    score.clearRun();
    for (int c = 0; c < 3; ++c) {
        for (int e = 0; e < errors[c]; ++e) {
            score.cueOnset(c);
            score.endTrial(c, true);
        }
        for (double rt : times[c]) {
            score.cueOnset(c);
            score.storeValid(c, rt);
            score.endTrial(c, false);
        }
    }
}

std::vector<double> constant(int n, double value) { return std::vector<double>(n, value); }

// a + b·ln(rank) over the first 20 trials, then flat at the 20th trial's level: the learning
// correction must bring every early time to that level.
std::vector<double> learningCurve(int n, double a, double b)
{
    std::vector<double> times;
    for (int i = 0; i < n; ++i)
        times.push_back(a + b * std::log(double(std::min(i + 1, 20))));
    return times;
}
} // namespace

class TestAttentionScore : public QObject
{
    Q_OBJECT

private slots:
    void learningCorrectedMean_data();
    void learningCorrectedMean();
    void effectsAndErrorPercents_data();
    void effectsAndErrorPercents();
    void errorAndPauseLeaveCountsBalanced();
    void slowLimit_data();
    void slowLimit();
    void targetPlaces_data();
    void targetPlaces();
    void placeNames();
};

void TestAttentionScore::learningCorrectedMean_data()
{
    QTest::addColumn<int>("perCondition");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expectedMean");

    // Standard block: 32 per condition.
    QTest::newRow("96 trials, learning") << 32 << 500.0 << -20.0 << 500.0 - 20.0 * std::log(20.0);
    // Longer block set in the parameter panel: 40 per condition, nothing written past 32.
    QTest::newRow("120 trials") << 40 << 450.0 << -15.0 << 450.0 - 15.0 * std::log(20.0);
    // Shorter block: the fit covers the 10 there are, corrected to the 10th trial's level.
    QTest::newRow("30 trials") << 10 << 450.0 << -15.0 << 450.0 - 15.0 * std::log(10.0);
}

void TestAttentionScore::learningCorrectedMean()
{
    QFETCH(int, perCondition);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expectedMean);

    AttentionScore score;
    const auto times = learningCurve(perCondition, a, b);
    runBlock(score, {times, times, times});
    QVERIFY(score.validCount == 3 * perCondition && score.isComplete(3 * perCondition));
    for (int c = 0; c < 3; ++c)
        QCOMPARE(int(score.rtRow(c).size()), perCondition);

    const auto m = score.measures();
    for (int c = 0; c < 3; ++c) {
        QVERIFY2(std::fabs(m.mean[c] - expectedMean) < 1e-9, qPrintable(QString::number(m.mean[c], 'f', 9)));
        QVERIFY(std::fabs(m.fit[c].slope - b) < 1e-9);
        QVERIFY(std::fabs(m.fit[c].r2 - 1.0) < 1e-12);
    }
    QVERIFY(std::fabs(m.t2a - expectedMean) < 1e-9);
    QVERIFY(std::fabs(m.t2b) < 1e-9);
    QVERIFY(std::fabs(m.t2c) < 1e-9);
}

void TestAttentionScore::effectsAndErrorPercents_data()
{
    QTest::addColumn<double>("neutral");
    QTest::addColumn<double>("alerted");
    QTest::addColumn<double>("oriented");
    QTest::addColumn<int>("neutralErrors");
    QTest::addColumn<int>("orientedErrors");
    QTest::addColumn<double>("t2b");
    QTest::addColumn<double>("t2c");
    QTest::addColumn<double>("neutralPercent");
    QTest::addColumn<double>("orientedPercent");

    // 4 neutral errors, 100 trials presented: 4.0 percent.
    QTest::newRow("4 neutral errors of 100") << 420.0 << 400.0 << 380.0 << 4 << 0 << 20.0 << 40.0 << 4.0 << 0.0;
    QTest::newRow("errors in two conditions") << 400.0 << 400.0 << 450.0 << 2 << 6 << 0.0 << -50.0
                                              << 100.0 * 2 / 104 << 100.0 * 6 / 104;
}

void TestAttentionScore::effectsAndErrorPercents()
{
    QFETCH(double, neutral);
    QFETCH(double, alerted);
    QFETCH(double, oriented);
    QFETCH(int, neutralErrors);
    QFETCH(int, orientedErrors);

    AttentionScore score;
    runBlock(score, {constant(32, neutral), constant(32, alerted), constant(32, oriented)},
             {neutralErrors, 0, orientedErrors});
    QCOMPARE(score.presentedCount, 96 + neutralErrors + orientedErrors);
    QCOMPARE(score.condErrors[0], neutralErrors);

    // Flat times: no slope, and no explained variance to speak of.
    const auto m = score.measures();
    QCOMPARE(m.fit[0].slope, 0.0);
    QVERIFY(std::isnan(m.fit[0].r2));
    QCOMPARE(score.corrected(1), constant(20, alerted));
    QCOMPARE(m.t2a, neutral);
    QTEST(m.t2b, "t2b");
    QTEST(m.t2c, "t2c");
    QTEST(m.errorPercent[0], "neutralPercent");
    QCOMPARE(m.errorPercent[1], 0.0);
    QTEST(m.errorPercent[2], "orientedPercent");
}

void TestAttentionScore::errorAndPauseLeaveCountsBalanced()
{
    AttentionScore score;
    // A valid alerted trial, then one paused (no trace), then an erroneous one, then valid.
    runBlock(score, {std::vector<double>{}, std::vector<double>{300}, std::vector<double>{}});
    score.cueOnset(1);
    score.abandonTrial(1);
    QVERIFY(score.condCount[1] == 1 && score.presentedCount == 1);
    score.cueOnset(1);
    score.endTrial(1, true);
    QVERIFY(score.validCount == 1 && score.presentedCount == 2 && score.condErrors[1] == 1);
    score.cueOnset(1);
    QCOMPARE(score.condCount[1], 2);   // the retried trial keeps rank 2 and slot 1
    score.storeValid(1, 310);
    score.endTrial(1, false);
    QCOMPARE(score.rtRow(1), (std::vector<double>{300, 310}));
    QVERIFY(score.validCount == 2 && score.presentedCount == 3);
}

void TestAttentionScore::slowLimit_data()
{
    QTest::addColumn<int>("rt");
    QTest::addColumn<bool>("error");
    QTest::newRow("2000 is valid") << 2000 << false;
    QTest::newRow("2001 is an error") << 2001 << true;
}

void TestAttentionScore::slowLimit()
{
    QFETCH(int, rt);
    QTEST(AttentionScore::tooSlow(rt), "error");
}

void TestAttentionScore::targetPlaces_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QByteArray>("name");
    // Centre (640, 512), radius 250: corners 10 pixels up and left of the square's centre;
    // 250·cos 45° = 176.78 truncated toward zero, on either side of the centre. The flow
    // suite finds every place among the eight by its position.
    QTest::newRow("E") << 0 << QPoint(880, 502) << QByteArray("E");
    QTest::newRow("SE") << 1 << QPoint(806, 678) << QByteArray("SE");
    QTest::newRow("NW") << 5 << QPoint(453, 325) << QByteArray("NW");
    QTest::newRow("N") << 6 << QPoint(630, 252) << QByteArray("N");
}

void TestAttentionScore::targetPlaces()
{
    QFETCH(int, place);
    QTEST(TargetPlaces::topLeft(640, 512, place), "topLeft");
    QTEST(QByteArray(TargetPlaces::name(place)), "name");
}

// The place names the trial rows carry, clockwise from the right.
void TestAttentionScore::placeNames()
{
    QByteArrayList names;
    for (int place = 0; place < 8; ++place)
        names << TargetPlaces::name(place);
    QCOMPARE(names.join(' '), QByteArray("E SE S SW W NW N NE"));
}

QTEST_GUILESS_MAIN(TestAttentionScore)
#include "tst_attentionscore.moc"
