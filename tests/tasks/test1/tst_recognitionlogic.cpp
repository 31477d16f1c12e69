#include <QtTest>

#include "tasks/test1/recognitionanswer.h"
#include "tasks/test1/recognitiongeometry.h"
#include "tasks/test1/staircase.h"

using namespace RecognitionAnswer;

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

// A list of levels as the tables write it: "15,14,15".
template <typename List>
QString text(const List &levels)
{
    QStringList parts;
    for (int level : levels)
        parts << QString::number(level);
    return parts.join(QLatin1Char(','));
}
} // namespace

// The visual recognition task's logic without widgets: the exposure staircase, the scoring of
// the answers and the geometry of the stimuli.
class TestRecognitionLogic : public QObject
{
    Q_OBJECT

private slots:
    void training_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("answers");
        // The exposure after the block, passed or failed, the patient list's value afterwards.
        QTest::addColumn<QString>("result");
        QTest::newRow("all right: down to 17") << 0 << "++++++++++" << "17 passed 17";
        QTest::newRow("right tenth trial does not lower") << 0 << "---------+" << "4633 failed 0";
        QTest::newRow("once below the top is a pass") << 0 << "+---------" << "4633 passed 4633";
        QTest::newRow("trained, failing this time") << 150 << "----------" << "4633 failed 0";
        QTest::newRow("up and down") << 150 << "++-+" << "283 passed 283";
    }

    void training()
    {
        QFETCH(int, stored);
        QFETCH(QString, answers);
        Staircase s;
        s.enter(stored, true);
        s.startTraining();
        for (int i = 0; i < answers.size(); ++i)
            s.trainingAnswer(answers[i] == '+', i + 1);
        const char *passed = s.finishTraining() ? "passed" : "failed";
        QTEST(QString::asprintf("%d %s %d", s.exposure(), passed, s.storedAfterRun(true)), "result");
    }

    // The entry level from the exposure (the lowest level at least as long), then one level per
    // answer, a boundary level touched and left again as a trial of its own; the first test
    // trial keeps the exposure as it stood. Two trials without answer, wherever they come,
    // count but visit no level: levels, exposure and reversals are those of the answered trials.
    void testRule_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("exposure");
        QTest::addColumn<QString>("answers");
        // Levels / count without the two missed trials / exposure / upper / lower reversals.
        QTest::addColumn<QString>("result");
        QTest::newRow("between two levels") << 0 << 1100 << "" << "15 / 0 / 1100 /  / ";
        QTest::newRow("above the top") << 0 << 4700 << "" << "20 / 0 / 4700 /  / ";
        QTest::newRow("42 ms at 120 Hz") << 1 << 42 << "" << "3 / 0 / 42 /  / ";
        QTest::newRow("turns")
            << 0 << 1133 << "+-+--+" << "15,14,15,14,15,16,15 / 6 / 1133 / 15,16 / 14,14";
        QTest::newRow("touching 21 three times")
            << 0 << 1133 << "--------"
            << "15,16,17,18,19,20,21,20,21,20,21,20 / 11 / 4633 / 21,21,21 / 20,20";
        QTest::newRow("touching 0 twice")
            << 0 << 283 << "+++++++++++" << "10,9,8,7,6,5,4,3,2,1,0,1,0,1 / 13 / 17 / 1 / 0,0";
    }

    void testRule()
    {
        QFETCH(int, rate);
        QFETCH(int, exposure);
        QFETCH(QString, answers);
        for (int at = 0; at <= answers.size(); ++at) {
            Staircase s;
            s.enter(exposure, false);
            s.startTest(rate);
            // Each trial followed by the reversal bookkeeping, as the window does.
            for (QChar a : answers.left(at) + "mm" + answers.mid(at)) {
                answer(s, a.toLatin1());
                s.recordReversals();
            }
            QCOMPARE(s.missed(), 2);
            const QStringList result{text(s.levels()), QString::number(s.count() - 2),
                                     QString::number(s.exposure()), text(s.upperReversals()),
                                     text(s.lowerReversals())};
            QTEST(result.join(" / "), "result");
        }
    }

    void clusters_data()
    {
        QTest::addColumn<Levels>("list");
        QTest::addColumn<QString>("cluster");   // empty: none found
        QTest::newRow("band 1 of the newest") << Levels{5, 6, 5, 7, 6} << "6,7,5,6";
        QTest::newRow("three only") << Levels{6, 6, 6} << "";
        QTest::newRow("three levels apart") << Levels{12, 9, 6, 3, 12, 9, 6, 3} << "";
        QTest::newRow("older cluster behind a stray") << Levels{4, 5, 4, 5, 12} << "5,4,5,4";
        QTest::newRow("tie: the lower band") << Levels{6, 6, 5, 8, 6} << "6,8,6,6";
    }

    void clusters()
    {
        QFETCH(Levels, list);
        std::array<int, 4> got{};
        QTEST(Staircase::findCluster(list, &got) ? text(got) : QString(), "cluster");
    }

    void runOutcome_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("exposure");      // every subtask's entry
        QTest::addColumn<QString>("answers");   // per subtask, split by '/', the trials run in turn
        // The outcome; the central subtask at the end: count, sup, inf, boundary levels in the
        // upper and in the lower cluster, exposure.
        QTest::addColumn<QString>("result");
        const QString alt = QString("+-").repeated(10);
        const QString drift = QString("+++--").repeated(10);
        QTest::newRow("alternating") << 1 << 1133 << alt << "stopped 20 1133 850 0 0 981";
        QTest::newRow("floor") << 1 << 17 << "++++++++++" << "stopped 20 17 17 0 4 17";
        QTest::newRow("top") << 1 << 4633 << "----------" << "stopped 20 4633 4633 4 0 4633";
        QTest::newRow("battery, one running")
            << 0 << 1133 << alt + '/' + alt + '/' + drift.left(20)
            << "running 20 1133 850 0 0 1133";
        QTest::newRow("battery, all three stop")
            << 0 << 1133 << alt + '/' + alt + '/' + alt << "stopped 20 1133 850 0 0 981";
        QTest::newRow("unstable at the 50th trial although the clusters just formed")
            << 1 << 1133 << QString(41, 'm') + "+-+-+-+-+" << "unstable 50 0 0 0 0 850";
        QTest::newRow("battery unstable when all three reach 50")
            << 0 << 1133 << drift + '/' + drift + '/' + drift << "unstable 50 0 0 0 0 67";
    }

    // The trials of the subtasks interleaved as a battery runs them; the run's outcome after
    // each. A subtask stops with clusters in both reversal lists at its 20th counted trial, not
    // before, and a stopped run sets every exposure to the threshold, the geometric mean of sup
    // and inf, cut to whole ms.
    void runOutcome()
    {
        QFETCH(int, mode);
        QFETCH(int, exposure);
        QFETCH(QString, answers);
        const QStringList trials = answers.split(QLatin1Char('/'));
        ExposureRun run;
        run.enter(mode, {exposure, exposure, exposure}, false);
        run.startTest(0);
        auto got = ExposureRun::Outcome::Continue;
        for (int i = 0; i < 50 && got == ExposureRun::Outcome::Continue; ++i) {
            for (int s = 0; s < 3 && got == ExposureRun::Outcome::Continue; ++s) {
                if (i >= trials.value(s).size())
                    continue;
                answer(run[s], trials[s][i].toLatin1());
                got = run.endOfTrial(s);
            }
        }
        QCOMPARE(run.complete(), got == ExposureRun::Outcome::Stopped);
        const char *outcomes[] = {"running", "stopped", "unstable"};
        const Staircase &c = run[0];
        QTEST(QString::asprintf("%s %d %g %g %d %d %d", outcomes[int(got)], c.count(), c.sup(),
                                c.inf(), c.limitSup(), c.limitInf(), c.exposure()),
              "result");
    }

    void scoring_data()
    {
        QTest::addColumn<int>("subtask");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("clicks");   // "c<button>" or "p<position>", in order
        // Right or wrong, the error code, then the texts: figure, central answer, position,
        // position answer.
        QTest::addColumn<QString>("result");
        QTest::newRow("IdL answered identical") << 0 << 5 << 0 << "c0" << "right 0 IdL;Id;;";
        QTest::newRow("ShR answered identical") << 0 << 1 << 0 << "c0" << "wrong 1 ShR;Id;;";
        QTest::newRow("peripheral ignores central buttons") << 1 << 3 << 4 << "c3 p4" << "right 0 ;;MR;MR";
        QTest::newRow("dual: position wrong first") << 2 << 2 << 0 << "p1 c2" << "wrong 2 CnR;Cn;TL;ML";
        QTest::newRow("dual: both wrong") << 2 << 0 << 2 << "c1 p3" << "wrong 3 IdR;Sh;BL;TR";
    }

    void scoring()
    {
        QFETCH(int, subtask);
        QFETCH(int, code);
        QFETCH(int, target);
        QFETCH(QString, clicks);
        Trial trial;
        trial.begin(subtask);
        for (const QString &click : clicks.split(QLatin1Char(' '))) {
            QVERIFY(!trial.complete());
            if (click[0] == QLatin1Char('c'))
                trial.answerCentral(click.mid(1).toInt(), code);
            else
                trial.answerPosition(click.mid(1).toInt(), target);
        }
        QVERIFY(trial.complete());
        const QByteArrayList texts{trial.correct() ? "right" : "wrong", QByteArray::number(trial.errorCode()),
                                   trial.figure() + ';' + trial.centralAnswer() + ';' + trial.position() + ';'
                                       + trial.positionAnswer()};
        QTEST(QString::fromLatin1(texts.join(' ')), "result");
    }

    void geometry_data()
    {
        QTest::addColumn<double>("horzMm");
        QTest::addColumn<double>("vertMm");
        // W, H, Ws, Hs, arrow w, h, separation, grey; the places: left normal x, y; right smaller
        // x, y; arrow 4 x, y.
        QTest::addColumn<QList<int>>("sizes");
        // Ruler lengths 250 and 125 mm (1000 and 500 pixels): 0.25 mm pixels.
        QTest::newRow("0.25 mm pixels")
            << 0.25 << 0.25 << QList<int>{56, 62, 51, 56, 150, 150, 5, 204, 451, 353, 517, 356, 773, 309};
        QTest::newRow("0.3 by 0.2 mm pixels")
            << 0.3 << 0.2 << QList<int>{47, 77, 42, 70, 125, 187, 4, 204, 461, 346, 516, 349, 785, 290};
    }

    void geometry()
    {
        QFETCH(double, horzMm);
        QFETCH(double, vertMm);
        const RecognitionGeometry g(horzMm, vertMm, RecognitionGeometry::Parameters());
        const QSize normal = g.figureSize(Normal);
        const QSize smaller = g.figureSize(Smaller);
        const QPoint centre(512, 384);
        const QPoint left = g.leftFigure(Normal, centre);
        const QPoint right = g.rightFigure(Smaller, centre);
        const QPoint arrow = g.arrowTopLeft(4, centre);
        QTEST((QList<int>{normal.width(), normal.height(), smaller.width(), smaller.height(),
                          g.arrowSize().width(), g.arrowSize().height(), g.separation(), g.grayLevel(),
                          left.x(), left.y(), right.x(), right.y(), arrow.x(), arrow.y()}),
              "sizes");
    }
};

QTEST_APPLESS_MAIN(TestRecognitionLogic)
#include "tst_recognitionlogic.moc"
