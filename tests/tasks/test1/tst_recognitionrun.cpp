// End to end: installs Kestrova into a fresh tree, lets kestrova-simpatient do a visual
// recognition run with training through the real windows, and checks what the run left from
// the files alone: the logged answers replayed through the staircase give every logged
// exposure, rank and boundary flag, the stop at the last trial and the result row's measures.

#include <QtTest>

#include "simpatientrun.h"
#include "support/recordrow.h"
#include "tasks/test1/staircase.h"

class TestRecognitionRun : public QObject
{
    Q_OBJECT

private slots:
    // Task 5 runs the central subtask (mode 1), task 1 the battery of all three (mode 0).
    void wholeRun()
    {
        const int task = KESTROVA_RECOGNITION_TASK;
        const int mode = task == 5 ? 1 : 0;
        SimPatientRun run;
        const QString options = QStringLiteral("--seed 7 --thresholds 80,150,250");
        if (!run.runChecked(task, QStringLiteral("Roth;Ida;02.02.1948"), options, -1))
            return;

        // Replay: each subtask's first row gives its entry exposure, then every answer steps it.
        ExposureRun stairs;
        stairs.enter(mode, {0, 0, 0}, false);
        for (auto f = run.trials.crbegin(); f != run.trials.crend(); ++f)
            stairs[(*f)[9].toInt() - 1].setExposure((*f)[12].toInt());
        stairs.startTest(0);
        for (int i = 0; i < run.trials.size(); ++i) {
            const auto &f = run.trials[i];
            const int s = f[9].toInt() - 1;
            QVERIFY(ExposureRun::inMode(mode, s));
            QCOMPARE(f[12].toInt(), stairs[s].exposure());
            QCOMPARE(f[10].toInt(), i + 1);
            bool boundary = false;
            if (f[29] == "1")
                stairs[s].countMissed();
            else
                boundary = stairs[s].testAnswer(f[18] == "0");
            QCOMPARE(f[19], QByteArray(boundary ? "1" : "0"));
            stairs[s].countTrial();
            QCOMPARE(f[11].toInt(), stairs[s].count());
            const auto outcome = stairs.endOfTrial(s);
            QCOMPARE(outcome == ExposureRun::Outcome::Stopped, i == run.trials.size() - 1);
        }
        // The measures of the subtasks run; the training values kept in the patient list: the
        // thresholds of the subtasks run, the stored 0 of the others.
        for (int s = 0; s < 3; ++s) {
            const Staircase &st = stairs[s];
            const bool ran = ExposureRun::inMode(mode, s);
            QCOMPARE(run.result.mid(11 + 7 * s, 7),
                     ran ? (QList<QByteArray>{QByteArray::number(st.exposure()), QByteArray::number(st.missed()),
                                              QByteArray::number(st.reversals()), RecordRow::formatReal(st.sup()),
                                              QByteArray::number(st.limitSup()), RecordRow::formatReal(st.inf()),
                                              QByteArray::number(st.limitInf())})
                         : QList<QByteArray>(7));
            QCOMPARE(run.patientEntry.value(11 + s).toInt(), ran ? st.exposure() : 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecognitionRun)
#include "tst_recognitionrun.moc"
