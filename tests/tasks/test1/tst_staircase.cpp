#include <cmath>

#include <QtTest>

#include "tasks/test1/staircase.h"

namespace {
using Levels = std::vector<int>;

// Drives a test block: '+' a correct answer, '-' a wrong one, 'm' a trial without answer.
// Each trial is counted and followed by the reversal bookkeeping, as the window does.
void drive(Staircase &s, const QByteArray &answers)
{
    for (char a : answers) {
        if (a == 'm')
            s.countMissed();
        else
            s.testAnswer(a == '+');
        s.countTrial();
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
    void entryLevels_data();
    void entryLevels();
    void training_data();
    void training();
    void testRule_data();
    void testRule();
    void missedAnswersLeaveReversals_data();
    void missedAnswersLeaveReversals();
    void clusters_data();
    void clusters();
    void stopRule_data();
    void stopRule();
    void runOutcome_data();
    void runOutcome();
};

void TestStaircase::entryLevels_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("exposure");
    QTest::addColumn<int>("testLevel");
    QTest::newRow("1133 ms at 60 Hz") << 0 << 1133 << 15;
    QTest::newRow("1100 ms at 60 Hz") << 0 << 1100 << 15;
    QTest::newRow("4700 ms at 60 Hz") << 0 << 4700 << 20;
    QTest::newRow("10 ms at 60 Hz") << 0 << 10 << 1;
    QTest::newRow("42 ms at 120 Hz") << 1 << 42 << 3;
    QTest::newRow("40 ms at 60 Hz") << 0 << 40 << 4;
}

void TestStaircase::entryLevels()
{
    QFETCH(int, rate);
    QFETCH(int, exposure);
    QFETCH(int, testLevel);
    Staircase s = testAt(exposure, rate);
    QCOMPARE(s.levels(), Levels{testLevel});
    // The first test trial keeps the exposure as it stood.
    QCOMPARE(s.exposure(), exposure);
}

void TestStaircase::training_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<int>("exposure");   // after the block (the entry exposure without answers)
    QTest::addColumn<bool>("passed");
    QTest::addColumn<int>("kept");        // the patient list's value afterwards
    QTest::newRow("trained before: restarts at 1133") << 150 << QByteArray() << 1133 << false << 150;
    QTest::newRow("never trained: starts at 4633") << 0 << QByteArray() << 4633 << false << 0;
    QTest::newRow("all right: down to 17") << 0 << QByteArray("++++++++++") << 17 << true << 17;
    QTest::newRow("right tenth trial does not lower") << 0 << QByteArray("---------+") << 4633 << false << 0;
    QTest::newRow("once below the top is a pass") << 0 << QByteArray("+---------") << 4633 << true << 4633;
    QTest::newRow("trained, failing this time") << 150 << QByteArray("----------") << 4633 << false << 0;
    QTest::newRow("up and down") << 150 << QByteArray("++-+") << 283 << true << 283;
}

void TestStaircase::training()
{
    QFETCH(int, stored);
    QFETCH(QByteArray, answers);
    QFETCH(int, exposure);
    QFETCH(bool, passed);
    QFETCH(int, kept);
    Staircase s;
    s.enter(stored, true);
    if (!answers.isEmpty()) {
        s.startTraining();
        for (int i = 0; i < answers.size(); ++i)
            s.trainingAnswer(answers[i] == '+', i + 1);
        QCOMPARE(s.finishTraining(), passed);
    }
    QCOMPARE(s.exposure(), exposure);
    QCOMPARE(s.storedAfterRun(true), kept);
}

void TestStaircase::testRule_data()
{
    QTest::addColumn<int>("exposure");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<Levels>("levels");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("next");
    QTest::newRow("right at the floor touches 0") << 17 << QByteArray("+") << Levels{1, 0, 1} << 2 << 17;
    QTest::newRow("wrong at the top touches 21") << 4633 << QByteArray("-") << Levels{20, 21, 20} << 2 << 4633;
    QTest::newRow("one down, one up") << 1133 << QByteArray("+-") << Levels{15, 14, 15} << 2 << 1133;
    QTest::newRow("missed: no level") << 1133 << QByteArray("+m") << Levels{15, 14} << 2 << 850;
}

void TestStaircase::testRule()
{
    QFETCH(int, exposure);
    QFETCH(QByteArray, answers);
    QFETCH(Levels, levels);
    QFETCH(int, count);
    QFETCH(int, next);
    Staircase s = testAt(exposure);
    drive(s, answers);
    QCOMPARE(s.levels(), levels);
    QCOMPARE(s.count(), count);
    QCOMPARE(s.exposure(), next);
}

void TestStaircase::missedAnswersLeaveReversals_data()
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
void TestStaircase::missedAnswersLeaveReversals()
{
    QFETCH(int, exposure);
    QFETCH(QByteArray, answers);
    QFETCH(Levels, upper);
    QFETCH(Levels, lower);
    Staircase plain = testAt(exposure);
    drive(plain, answers);
    QCOMPARE(plain.upperReversals(), upper);
    QCOMPARE(plain.lowerReversals(), lower);
    for (int at = 0; at <= answers.size(); ++at) {
        Staircase withMisses = testAt(exposure);
        drive(withMisses, answers.left(at) + "mm" + answers.mid(at));
        QCOMPARE(withMisses.upperReversals(), upper);
        QCOMPARE(withMisses.lowerReversals(), lower);
        QCOMPARE(withMisses.count(), plain.count() + 2);
        QCOMPARE(withMisses.missed(), 2);
    }
}

void TestStaircase::clusters_data()
{
    QTest::addColumn<Levels>("list");
    QTest::addColumn<bool>("found");
    QTest::addColumn<Levels>("cluster");
    QTest::newRow("band 1 of the newest") << Levels{5, 6, 5, 7, 6} << true << Levels{6, 7, 5, 6};
    QTest::newRow("three only") << Levels{6, 6, 6} << false << Levels{};
    QTest::newRow("three levels apart") << Levels{12, 9, 6, 3, 12, 9, 6, 3} << false << Levels{};
    QTest::newRow("older cluster behind a stray") << Levels{4, 5, 4, 5, 12} << true << Levels{5, 4, 5, 4};
    QTest::newRow("tie: the lower band") << Levels{6, 6, 5, 8, 6} << true << Levels{6, 8, 6, 6};
}

void TestStaircase::clusters()
{
    QFETCH(Levels, list);
    QFETCH(bool, found);
    QFETCH(Levels, cluster);
    std::array<int, 4> got{};
    QCOMPARE(Staircase::findCluster(list, &got), found);
    if (found)
        QCOMPARE(Levels(got.begin(), got.end()), cluster);
}

void TestStaircase::stopRule_data()
{
    QTest::addColumn<int>("exposure");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<int>("stopsAtCount");
    QTest::addColumn<double>("sup");
    QTest::addColumn<double>("inf");
    QTest::addColumn<int>("limitSup");
    QTest::addColumn<int>("limitInf");
    QTest::newRow("alternating at 1133/850") << 1133 << QByteArray("+-+-+-+-+-+-+-+-+-+-+-") << 20 << 1133.0
                                             << 850.0 << 0 << 0;
    QTest::newRow("always right at the floor") << 17 << QByteArray("++++++++++++") << 20 << 17.0 << 17.0 << 0 << 4;
    QTest::newRow("always wrong at the top") << 4633 << QByteArray("------------") << 20 << 4633.0 << 4633.0 << 4
                                             << 0;
    QTest::newRow("drifting never stops") << 4633 << QByteArray("+++--+++--+++--+++--+++--+++--+++--") << -1 << 0.0
                                          << 0.0 << 0 << 0;
}

void TestStaircase::stopRule()
{
    QFETCH(int, exposure);
    QFETCH(QByteArray, answers);
    QFETCH(int, stopsAtCount);
    QFETCH(double, sup);
    QFETCH(double, inf);
    QFETCH(int, limitSup);
    QFETCH(int, limitInf);
    Staircase s = testAt(exposure);
    int stoppedAt = -1;
    for (char a : answers) {
        drive(s, QByteArray(1, a));
        if (s.checkStop()) {
            stoppedAt = s.count();
            break;
        }
    }
    QCOMPARE(stoppedAt, stopsAtCount);
    if (stoppedAt < 0)
        return;
    QCOMPARE(s.sup(), sup);
    QCOMPARE(s.inf(), inf);
    QVERIFY(std::fabs(s.threshold() - std::sqrt(sup * inf)) < 1e-9);
    QCOMPARE(s.limitSup(), limitSup);
    QCOMPARE(s.limitInf(), limitInf);
}

void TestStaircase::runOutcome_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArrayList>("answers");   // per subtask, the trials run in turn
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("exposure");             // of the mode's first subtask at the end
    const QByteArray alternating = QByteArray("+-").repeated(10);
    const QByteArray drifting = QByteArray("+++--").repeated(10);
    QTest::newRow("central stops") << 1 << QByteArrayList{alternating, "", ""} << "stopped" << 981;
    QTest::newRow("battery: one still running")
        << 0 << QByteArrayList{alternating, alternating, drifting.left(20)} << "continue" << 1133;
    QTest::newRow("battery: all three stop") << 0 << QByteArrayList{alternating, alternating, alternating}
                                             << "stopped" << 981;
    QTest::newRow("50th trial unstable although the clusters just formed")
        << 1 << QByteArrayList{QByteArray(41, 'm') + "+-+-+-+-+", "", ""} << "unstable" << 850;
    QTest::newRow("peripheral drifting: unstable at 50") << 2 << QByteArrayList{"", drifting, ""} << "unstable" << 67;
    QTest::newRow("battery: unstable when all three reach 50")
        << 0 << QByteArrayList{drifting, drifting, drifting} << "unstable" << 67;
}

// The trials of the subtasks interleaved as a battery runs them; the run's outcome after each.
void TestStaircase::runOutcome()
{
    QFETCH(int, mode);
    QFETCH(QByteArrayList, answers);
    QFETCH(QString, outcome);
    QFETCH(int, exposure);
    ExposureRun run;
    run.enter(mode, {4633, 4633, 4633}, false);
    for (int s = 0; s < 3; ++s)
        run[s].setExposure(1133);
    run.startTest(0);
    QString got = QStringLiteral("continue");
    const int longest = std::max({answers[0].size(), answers[1].size(), answers[2].size()});
    for (int i = 0; i < longest && got == QLatin1String("continue"); ++i) {
        for (int s = 0; s < 3 && got == QLatin1String("continue"); ++s) {
            if (i >= answers[s].size())
                continue;
            const char a = answers[s][i];
            if (a == 'm')
                run[s].countMissed();
            else
                run[s].testAnswer(a == '+');
            run[s].countTrial();
            switch (run.endOfTrial(s)) {
            case ExposureRun::Outcome::Stopped: got = QStringLiteral("stopped"); break;
            case ExposureRun::Outcome::Unstable: got = QStringLiteral("unstable"); break;
            case ExposureRun::Outcome::Continue: break;
            }
        }
    }
    QCOMPARE(got, outcome);
    QCOMPARE(run.complete(), outcome == QLatin1String("stopped"));
    QCOMPARE(run[mode == 0 ? 0 : mode - 1].exposure(), exposure);
}

QTEST_APPLESS_MAIN(TestStaircase)
#include "tst_staircase.moc"
