#include <cmath>
#include <random>

#include <QtTest>

#include "tasks/test3/motionfield.h"
#include "tasks/test3/motionscore.h"

namespace {
// Per place (E, SE, S, SW, W, NW, N, NE): which sides it lies on, the way a clinician reads
// the field: oblique or cardinal, left or right, top or bottom.
double rtAt(int place, int rank, double base, double leftExtra, double learning)
{
    const bool left = place == 3 || place == 4 || place == 5;
    return base + (left ? leftExtra : 0.0) + learning * std::log(double(rank));
}

// A block of 40 valid trials, five per place, in tables of eight, after `errors` errors.
MotionScore::Measures runBlock(double base, double leftExtra, double learning, int errors)
{
    MotionScore score;
    score.clearRun();
    for (int e = 0; e < errors; ++e) {
        score.trialStarted(0);
        score.endTrial(0, true);
    }
    const int order[8] = {3, 0, 6, 1, 5, 2, 7, 4};
    for (int i = 0; i < MotionScore::standardTrials; ++i) {
        const int place = order[(i + i / 8) % 8];
        score.trialStarted(0);
        score.storeValid(place, int(std::lround(rtAt(place, i + 1, base, leftExtra, learning))));
        score.endTrial(0, false);
    }
    return score.measures();
}

int mostCommon(const MotionField::Directions &dir, int from, int count, int *which = nullptr)
{
    int counts[4] = {};
    for (int i = from; i < from + count; ++i)
        ++counts[dir[i]];
    const int *top = std::max_element(counts, counts + 4);
    if (which)
        *which = int(top - counts);
    return *top;
}
} // namespace

class TestMotionScore : public QObject
{
    Q_OBJECT

private slots:
    void measures_data();
    void measures();
    void directions_data();
    void directions();
    void gratingsAtTick_data();
    void gratingsAtTick();
};

void TestMotionScore::measures_data()
{
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("leftExtra");
    QTest::addColumn<double>("learning");
    QTest::addColumn<int>("errors");
    QTest::addColumn<double>("t3rt");
    QTest::addColumn<double>("oc");
    QTest::addColumn<double>("lr");
    QTest::addColumn<double>("error");
    // Equal times: no side differs; the slope is 0 and r² undefined.
    QTest::newRow("600 ms everywhere") << 600.0 << 0.0 << 0.0 << 0 << 600.0 << 0.0 << 0.0 << 0.0;
    // Left 40 ms slower: left − right = 40; oblique holds two of the three left places (SW,
    // NW) of its four, cardinal one (W): 20 − 10.
    QTest::newRow("left side slower") << 600.0 << 40.0 << 0.0 << 4 << 615.0 << 10.0 << 40.0 << 100.0 * 4 / 44;
    // Times falling along a learning curve are all brought to the last trial's level.
    QTest::newRow("learning curve") << 900.0 << 0.0 << -60.0 << 1 << 900.0 - 60.0 * std::log(40.0) << 0.0 << 0.0
                                    << 100.0 / 41;
}

void TestMotionScore::measures()
{
    QFETCH(double, base);
    QFETCH(double, leftExtra);
    QFETCH(double, learning);
    QFETCH(int, errors);
    QFETCH(double, t3rt);
    QFETCH(double, oc);
    QFETCH(double, lr);
    QFETCH(double, error);
    const MotionScore::Measures m = runBlock(base, leftExtra, learning, errors);
    // Within rounding of the integer times, and of the slight trend that the left places' ranks
    // leave in the learning fit.
    const double tolerance = learning != 0 || leftExtra != 0 ? 0.5 : 1e-9;
    QVERIFY2(std::fabs(m.t3_rt - t3rt) < tolerance, qPrintable(QString::number(m.t3_rt)));
    QCOMPARE(m.t3_error, error);
    if (learning == 0 && leftExtra == 0) {
        QCOMPARE(m.fit.slope, 0.0);
        QVERIFY(std::isnan(m.fit.r2));
        // A reaction time of 5000 ms is still valid in the test block, 5001 ms is an error.
        QVERIFY(!MotionScore::tooSlow(5000) && MotionScore::tooSlow(5001));
    }
    if (learning == 0) {
        // The side means are of the raw times.
        QCOMPARE(m.obliqueMinusCardinal(), oc);
        QCOMPARE(m.leftMinusRight(), lr);
        QCOMPARE(m.topMinusBottom(), 0.0);
    } else {
        QVERIFY(std::fabs(m.fit.slope - learning) < 0.5 && m.fit.r2 > 0.99);
    }
}

void TestMotionScore::directions_data()
{
    QTest::addColumn<int>("subtask");
    for (int subtask = 0; subtask < 3; ++subtask)
        QTest::addRow("subtask %d", subtask) << subtask;
}

// Common motion: the target drifts with the majority and one other single and one cell per
// group drift otherwise; lone motion: the target is the one single drifting its way and one
// cell per group shares it; independent: no direction is shared by design.
void TestMotionScore::directions()
{
    QFETCH(int, subtask);
    std::mt19937 engine(subtask + 7);
    const auto draw = [&engine](int k) { return int(engine() % unsigned(k)); };
    int mostInGroups = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const int target = trial % 8;
        const MotionField::Directions dir = MotionField::drawDirections(subtask, target, draw);
        const int t = dir[MotionField::singleCell(target)];
        int sameAsTarget = 0;
        for (int k = 0; k < 8; ++k)
            sameAsTarget += dir[MotionField::singleCell(k)] == t;
        for (int g = 0; g < 8; ++g) {
            int common = 0;
            const int n = mostCommon(dir, 9 * g, 9, &common);
            mostInGroups = std::max(mostInGroups, n);
            int withTarget = 0;
            for (int c = 0; c < 9; ++c)
                withTarget += dir[9 * g + c] == t;
            if (subtask == 1)
                QVERIFY(n == 8 && common == t);
            if (subtask == 2)
                QCOMPARE(withTarget, 1);
        }
        if (subtask == 1)
            QCOMPARE(sameAsTarget, 7);
        if (subtask == 2)
            QCOMPARE(sameAsTarget, 1);
    }
    if (subtask == 0)
        QVERIFY2(mostInGroups < 8, "independent cells never make an 8-of-9 group here");
}

void TestMotionScore::gratingsAtTick_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("step");
    QTest::addColumn<QPoint>("horizontal");   // relative to the rest position
    QTest::addColumn<QPoint>("vertical");
    QTest::newRow("right, tick 3") << 0 << 3 << QPoint(0, 0) << QPoint(3, 0);
    QTest::newRow("down, tick 14") << 1 << 14 << QPoint(0, 14) << QPoint(0, 0);
    QTest::newRow("left, tick 15 back at rest") << 2 << 15 << QPoint(0, 0) << QPoint(0, 0);
    QTest::newRow("up, tick 16") << 3 << 16 << QPoint(0, -1) << QPoint(0, 0);
}

// Single SW (place 3) lies at (−84, 84) from the centre; its gratings rest 24 pixels up and left
// of its centre and its square 21.
void TestMotionScore::gratingsAtTick()
{
    QFETCH(int, direction);
    QFETCH(int, step);
    QFETCH(QPoint, horizontal);
    QFETCH(QPoint, vertical);
    const int cell = MotionField::singleCell(3);
    QCOMPARE(MotionField::squareTopLeft(cell), QPoint(-105, 63));
    QCOMPARE(MotionField::horizontalGratingTopLeft(cell, direction, step), QPoint(-108, 60) + horizontal);
    QCOMPARE(MotionField::verticalGratingTopLeft(cell, direction, step), QPoint(-108, 60) + vertical);
    // The 80 cells fill the 9 × 9 grid of pitch 84 around the centre, each place once.
    QSet<QPair<int, int>> places;
    for (int c = 0; c < MotionField::cellCount; ++c) {
        const QPoint at = MotionField::cellOffset(c);
        QVERIFY(at.x() % 84 == 0 && at.y() % 84 == 0 && std::abs(at.x()) <= 336 && std::abs(at.y()) <= 336);
        places.insert({at.x(), at.y()});
    }
    QCOMPARE(places.size(), 80);
    QVERIFY(!places.contains({0, 0}));
}

QTEST_APPLESS_MAIN(TestMotionScore)
#include "tst_motionscore.moc"
