// End to end: installs Kestrova into a fresh tree, lets kestrova-simpatient do a whole
// movement detection run through the real windows, and checks what the run left behind from
// the files alone, recomputing every measure from the logged reaction times.

#include <QtTest>

#include "logfit.h"
#include "simpatientrun.h"

class TestSimPatient : public QObject
{
    Q_OBJECT

private slots:
    void wholeRun()
    {
        SimPatientRun run;
        if (!run.runChecked(3, QStringLiteral("Roth;Ida;02.11.1948"), QStringLiteral("--seed 311"), 40))
            return;
        // Places of each side: oblique, cardinal, left, right, top, bottom.
        const QList<QByteArrayList> sides = {{"SE", "SW", "NW", "NE"}, {"E", "S", "W", "N"},
            {"SW", "W", "NW"}, {"E", "SE", "NE"}, {"NW", "N", "NE"}, {"SE", "S", "SW"}};
        for (const auto &f : run.trials) {
            QCOMPARE(f[9], QByteArray("1"));   // the main window's mode
            QVERIFY(f[11].isEmpty());
            QVERIFY2(sides[1].contains(f[24]), f[24].constData());
        }
        std::vector<double> rt;
        QMap<QByteArray, int> perPlace;
        std::array<double, 6> sideSums{};
        for (const auto &f : run.valid) {
            rt.push_back(f[22].toDouble());
            ++perPlace[f[23]];
            for (int s = 0; s < 6; ++s)
                sideSums[s] += sides[s].contains(f[23]) ? rt.back() : 0.0;
        }
        for (const QByteArray &place : sides[0] + sides[1])
            QCOMPARE(perPlace.value(place), 5);

        // Every one of the 40 times moved along the fit on ln(rank) to rank 40; the sides' raw means.
        Line fit;
        compareNear(run.result[11], mean(learningCorrected(rt, 40, &fit)), 2e-6, "t3_rt");
        const double errors = run.trials.size() - run.valid.size();
        QCOMPARE(run.result[12], QByteArray::number(100.0 * errors / run.trials.size(), 'f', 1));
        compareNear(run.result[13], fit.slope, 2e-6, "t3_slope");
        compareNear(run.result[14], fit.r2, 2e-6, "t3_r2");
        for (int s = 0; s < 6; ++s)
            compareNear(run.result[15 + s], sideSums[s] / (5 * sides[s].size()), 2e-6, "side");
    }
};

QTEST_GUILESS_MAIN(TestSimPatient)
#include "tst_simpatient.moc"
