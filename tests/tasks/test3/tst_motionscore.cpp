#include <cmath>

#include <QtTest>

#include "tasks/test3/motionfield.h"
#include "tasks/test3/motionscore.h"

class TestMotionScore : public QObject
{
    Q_OBJECT

private slots:
    void measures_data()
    {
        QTest::addColumn<double>("leftExtra");
        QTest::addColumn<double>("learning");   // b in 600 + b·ln(rank)
        QTest::addColumn<int>("errors");
        QTest::addColumn<QList<double>>("expected");   // t3_rt, error %, then oblique − cardinal,
                                                       // left − right, top − bottom
        // SW, W and NW 40, 80 and 120 ms slower: oblique (SE, SW, NW, NE) 40 against cardinal
        // (E, S, W, N) 20, left 80 against right 0, top (NW, N, NE) 40 against bottom (SE, S, SW) 40/3.
        QTest::newRow("left side slower") << 40.0 << 0.0 << 4 << QList<double>{630, 400.0 / 44, 20, 80, 80.0 / 3};
        // Times falling along a learning curve are all brought to the last trial's level.
        QTest::newRow("learning curve") << 0.0 << -60.0 << 1 << QList<double>{600 - 60 * std::log(40.0), 100.0 / 41};
    }

    // A block of 40 valid trials, five per place in tables of eight, after the errors.
    void measures()
    {
        QFETCH(double, leftExtra);
        QFETCH(double, learning);
        QFETCH(int, errors);
        QFETCH(QList<double>, expected);
        MotionScore score;
        for (int e = 0; e < errors; ++e) {
            score.trialStarted(0);
            score.endTrial(0, true);
        }
        const int order[8] = {3, 0, 6, 1, 5, 2, 7, 4};
        for (int i = 0; i < MotionScore::standardTrials; ++i) {
            const int place = order[(i + i / 8) % 8];
            const double extra = place >= 3 && place <= 5 ? leftExtra * (place - 2) : 0;
            score.trialStarted(0);
            score.storeValid(place, int(std::lround(600 + extra + learning * std::log(i + 1.0))));
            score.endTrial(0, false);
        }
        const MotionScore::Measures m = score.measures();
        // Within rounding of the integer times, and of the trend that the slower places' ranks
        // leave in the learning fit.
        QVERIFY2(std::fabs(m.t3_rt - expected[0]) < (leftExtra != 0 ? 2 : 0.5),
                 qPrintable(QString::number(m.t3_rt)));
        QCOMPARE(m.t3_error, expected[1]);
        if (learning != 0) {
            QVERIFY(std::fabs(m.fit.slope - learning) < 0.5 && m.fit.r2 > 0.99);
            return;
        }
        // The side means are of the raw times.
        const double sides[] = {m.obliqueMinusCardinal(), m.leftMinusRight(), m.topMinusBottom()};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(sides[i], expected[2 + i]);
        // A reaction time of 5000 ms is still valid in the test block, 5001 ms is an error.
        QVERIFY(!MotionScore::tooSlow(5000) && MotionScore::tooSlow(5001));
    }

    // The 80 cells fill the 9 × 9 grid of pitch 84 but its centre.
    void cellGrid()
    {
        QSet<QPair<int, int>> places;
        for (int c = 0; c < MotionField::cellCount; ++c) {
            const QPoint at = MotionField::cellOffset(c) / 84;
            QVERIFY(at * 84 == MotionField::cellOffset(c) && std::abs(at.x()) <= 4 && std::abs(at.y()) <= 4);
            places.insert({at.x(), at.y()});
        }
        QVERIFY(places.size() == 80 && !places.contains({0, 0}));
    }
};

QTEST_APPLESS_MAIN(TestMotionScore)
#include "tst_motionscore.moc"
