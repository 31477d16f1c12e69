// End to end: installs Kestrova into a fresh tree, lets kestrova-simpatient do a whole
// central cue attention run through the real windows, and checks what the run left behind
// from the files alone, recomputing every measure from the logged reaction times. The patient's
// name has letters beyond ASCII, typed into the new-patient dialog like any other.

#include <QtTest>

#include "logfit.h"
#include "simpatientrun.h"

class TestSimPatient : public QObject
{
    Q_OBJECT

private slots:
    // A name the records cannot hold is refused before any window opens or any file is written.
    void refusedName()
    {
        QString error;
        QVERIFY(!run.run(2, QStringLiteral("Dvo\u0159\u00e1k;Jan;01.02.1950"), {}, &error));
        // The last line: the platform may warn about its environment before.
        QCOMPARE(error.trimmed().split(QLatin1Char('\n')).last(),
                 QStringLiteral("kestrova-simpatient: --patient: \"last name\" must not contain the character "
                                "\"\u0159\", which the records cannot hold."));
        QVERIFY(!QFileInfo::exists(run.path(QStringLiteral("Parameters"))));
    }

    void wholeRun()
    {
        if (!run.runChecked(2, QStringLiteral("M\u00fcller;Zo\u00e9;12.03.1951"), QStringLiteral("--seed 20240521"), 96))
            return;
        std::array<std::vector<double>, 3> rt;
        std::array<int, 3> errors{};
        for (const auto &f : run.trials)
            errors[f[9].toInt() - 1] += f[29] == "1";
        for (const auto &f : run.valid)
            rt[f[9].toInt() - 1].push_back(f[20].toDouble());
        // Per condition: the mean moved along the fit of the first 20 on ln(rank), the error
        // percent of all trials presented, slope and r²; the effects against the neutral mean.
        std::array<double, 3> means{};
        for (int c = 0; c < 3; ++c) {
            Line fit;
            means[c] = mean(learningCorrected(rt[c], 20, &fit));
            const int at = 11 + 4 * c;
            compareNear(run.result[at], c == 0 ? means[0] : means[0] - means[c], 2e-6, "mean or effect");
            QCOMPARE(run.result[at + 1], QByteArray::number(100.0 * errors[c] / run.trials.size(), 'f', 1));
            compareNear(run.result[at + 2], fit.slope, 2e-6, "slope");
            compareNear(run.result[at + 3], fit.r2, 2e-6, "r2");
        }
    }

private:
    SimPatientRun run;
};

QTEST_GUILESS_MAIN(TestSimPatient)
#include "tst_simpatient.moc"
