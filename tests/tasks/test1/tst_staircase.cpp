#include <cmath>

#include <QtTest>

#include "tasks/test1/staircase.h"

namespace {
using Levels = std::vector<int>;

// One counted test trial: '+' a correct answer, '-' a wrong one, 'm' a trial without answer.
void answer(Staircase &s, char a)
{
    if (a == 'm')
        s.countMissed();
    else
        s.testAnswer(a == '+');
    s.countTrial();
}

// Drives a test block, each trial followed by the reversal bookkeeping, as the window does.
void drive(Staircase &s, const QByteArray &answers)
{
    for (char a : answers) {
        answer(s, a);
        s.recordReversals();
    }
}

Staircase testAt(int exposure, int rate = 0)
{
    Staircase s;
    s.enter(exposure, false);
    s.startTest(rate);
    return s;
}
} // namespace

class TestStaircase : public QObject
{
    Q_OBJECT

private slots:
    void training_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QByteArray>("answers");
        QTest::addColumn<int>("exposure");   // after the block
        QTest::addColumn<bool>("passed");
        QTest::addColumn<int>("kept");        // the patient list's value afterwards
        QTest::newRow("all right: down to 17") << 0 << QByteArray("++++++++++") << 17 << true << 17;
        QTest::newRow("right tenth trial does not lower") << 0 << QByteArray("---------+") << 4633 << false << 0;
        QTest::newRow("once below the top is a pass") << 0 << QByteArray("+---------") << 4633 << true << 4633;
        QTest::newRow("trained, failing this time") << 150 << QByteArray("----------") << 4633 << false << 0;
        QTest::newRow("up and down") << 150 << QByteArray("++-+") << 283 << true << 283;
    }

    void training()
    {
        QFETCH(int, stored);
        QFETCH(QByteArray, answers);
        Staircase s;
        s.enter(stored, true);
        s.startTraining();
        for (int i = 0; i < answers.size(); ++i)
            s.trainingAnswer(answers[i] == '+', i + 1);
        QTEST(s.finishTraining(), "passed");
        QTEST(s.exposure(), "exposure");
        QTEST(s.storedAfterRun(true), "kept");
    }

    // The entry level from the exposure (the lowest level at least as long), then one level per
    // answer; the first test trial keeps the exposure as it stood.
    void testRule_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("exposure");
        QTest::addColumn<QByteArray>("answers");
        QTest::addColumn<Levels>("levels");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("next");
        QTest::newRow("between two levels") << 0 << 1100 << QByteArray() << Levels{15} << 0 << 1100;
        QTest::newRow("above the top") << 0 << 4700 << QByteArray() << Levels{20} << 0 << 4700;
        QTest::newRow("42 ms at 120 Hz") << 1 << 42 << QByteArray() << Levels{3} << 0 << 42;
        QTest::newRow("right at the floor touches 0") << 0 << 17 << QByteArray("+") << Levels{1, 0, 1} << 2 << 17;
        QTest::newRow("wrong at the top touches 21") << 0 << 4633 << QByteArray("-") << Levels{20, 21, 20} << 2 << 4633;
        QTest::newRow("one down, one up") << 0 << 1133 << QByteArray("+-") << Levels{15, 14, 15} << 2 << 1133;
        QTest::newRow("missed: no level") << 0 << 1133 << QByteArray("+m") << Levels{15, 14} << 2 << 850;
    }

    void testRule()
    {
        QFETCH(int, rate);
        QFETCH(int, exposure);
        QFETCH(QByteArray, answers);
        Staircase s = testAt(exposure, rate);
        drive(s, answers);
        QTEST(s.levels(), "levels");
        QTEST(s.count(), "count");
        QTEST(s.exposure(), "next");
    }

    void missedAnswersLeaveReversals_data()
    {
        QTest::addColumn<int>("exposure");
        QTest::addColumn<QByteArray>("answers");
        QTest::addColumn<Levels>("upper");
        QTest::addColumn<Levels>("lower");
        QTest::newRow("turns") << 1133 << QByteArray("+-+--+") << Levels{15, 16} << Levels{14, 14};
        QTest::newRow("touching 21 three times") << 1133 << QByteArray("--------") << Levels{21, 21, 21} << Levels{20, 20};
        QTest::newRow("touching 0 twice") << 283 << QByteArray("+++++++++++") << Levels{1} << Levels{0, 0};
    }

    // The reversals are those of the answered trials, wherever trials without answer come.
    void missedAnswersLeaveReversals()
    {
        QFETCH(int, exposure);
        QFETCH(QByteArray, answers);
        for (int at = 0; at <= answers.size(); ++at) {
            Staircase s = testAt(exposure);
            drive(s, answers.left(at) + "mm" + answers.mid(at));
            QTEST(s.upperReversals(), "upper");
            QTEST(s.lowerReversals(), "lower");
            QCOMPARE(s.missed(), 2);
        }
    }

    void clusters_data()
    {
        QTest::addColumn<Levels>("list");
        QTest::addColumn<Levels>("cluster");   // empty: none found
        QTest::newRow("band 1 of the newest") << Levels{5, 6, 5, 7, 6} << Levels{6, 7, 5, 6};
        QTest::newRow("three only") << Levels{6, 6, 6} << Levels{};
        QTest::newRow("three levels apart") << Levels{12, 9, 6, 3, 12, 9, 6, 3} << Levels{};
        QTest::newRow("older cluster behind a stray") << Levels{4, 5, 4, 5, 12} << Levels{5, 4, 5, 4};
        QTest::newRow("tie: the lower band") << Levels{6, 6, 5, 8, 6} << Levels{6, 8, 6, 6};
    }

    void clusters()
    {
        QFETCH(Levels, list);
        std::array<int, 4> got{};
        const bool found = Staircase::findCluster(list, &got);
        QTEST(found ? Levels(got.begin(), got.end()) : Levels{}, "cluster");
    }

    void stopRule_data()
    {
        QTest::addColumn<int>("exposure");
        QTest::addColumn<QByteArray>("answers");
        QTest::addColumn<int>("stopsAtCount");
        QTest::addColumn<double>("sup");
        QTest::addColumn<double>("inf");
        QTest::addColumn<QList<int>>("limits");   // sup, inf
        QTest::newRow("alternating at 1133/850") << 1133 << QByteArray("+-").repeated(11) << 20 << 1133.0 << 850.0
                                                 << QList<int>{0, 0};
        QTest::newRow("always right at the floor") << 17 << QByteArray(12, '+') << 20 << 17.0 << 17.0 << QList<int>{0, 4};
        QTest::newRow("always wrong at the top") << 4633 << QByteArray(12, '-') << 20 << 4633.0 << 4633.0
                                                 << QList<int>{4, 0};
    }

    void stopRule()
    {
        QFETCH(int, exposure);
        QFETCH(QByteArray, answers);
        Staircase s = testAt(exposure);
        int stoppedAt = -1;
        for (int i = 0; i < answers.size() && stoppedAt < 0; ++i) {
            drive(s, answers.mid(i, 1));
            stoppedAt = s.checkStop() ? s.count() : -1;
        }
        QTEST(stoppedAt, "stopsAtCount");
        QTEST(s.sup(), "sup");
        QTEST(s.inf(), "inf");
        QTEST((QList<int>{s.limitSup(), s.limitInf()}), "limits");
        QVERIFY(std::fabs(s.threshold() - std::sqrt(s.sup() * s.inf())) < 1e-9);
    }

    void runOutcome_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArrayList>("answers");   // per subtask, the trials run in turn
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("exposure");             // of the mode's first subtask at the end
        const QByteArray alternating = QByteArray("+-").repeated(10);
        const QByteArray drifting = QByteArray("+++--").repeated(10);
        const int stopped = int(ExposureRun::Outcome::Stopped);
        const int unstable = int(ExposureRun::Outcome::Unstable);
        QTest::newRow("central stops") << 1 << QByteArrayList{alternating, "", ""} << stopped << 981;
        QTest::newRow("battery: one still running") << 0 << QByteArrayList{alternating, alternating, drifting.left(20)}
                                                    << int(ExposureRun::Outcome::Continue) << 1133;
        QTest::newRow("battery: all three stop") << 0 << QByteArrayList{alternating, alternating, alternating}
                                                 << stopped << 981;
        QTest::newRow("50th trial unstable although the clusters just formed")
            << 1 << QByteArrayList{QByteArray(41, 'm') + "+-+-+-+-+", "", ""} << unstable << 850;
        QTest::newRow("battery: unstable when all three reach 50")
            << 0 << QByteArrayList{drifting, drifting, drifting} << unstable << 67;
    }

    // The trials of the subtasks interleaved as a battery runs them; the run's outcome after each.
    void runOutcome()
    {
        QFETCH(int, mode);
        QFETCH(QByteArrayList, answers);
        ExposureRun run;
        run.enter(mode, {4633, 4633, 4633}, false);
        for (int s = 0; s < 3; ++s)
            run[s].setExposure(1133);
        run.startTest(0);
        auto got = ExposureRun::Outcome::Continue;
        for (int i = 0; i < 50 && got == ExposureRun::Outcome::Continue; ++i) {
            for (int s = 0; s < 3 && got == ExposureRun::Outcome::Continue; ++s) {
                if (i >= answers[s].size())
                    continue;
                answer(run[s], answers[s][i]);
                got = run.endOfTrial(s);
            }
        }
        QTEST(int(got), "outcome");
        QCOMPARE(run.complete(), got == ExposureRun::Outcome::Stopped);
        QTEST(run[mode == 0 ? 0 : mode - 1].exposure(), "exposure");
    }
};

QTEST_APPLESS_MAIN(TestStaircase)
#include "tst_staircase.moc"
