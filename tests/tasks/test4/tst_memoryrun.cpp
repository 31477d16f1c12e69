// End to end: installs Kestrova into a fresh tree, lets kestrova-simpatient calibrate the
// screen and do a whole working memory run through the real windows, and checks what the run
// left behind from the files alone, recomputing every measure from the logged distances.

#include <QtTest>

#include "recomputememory.h"
#include "simpatientrun.h"

class TestMemoryRun : public QObject
{
    Q_OBJECT

private slots:
    void wholeRun()
    {
        // Shortened crosses and blanks keep the run short; the errors are raised so that a run
        // of 30 trials surely has some.
        SimPatientRun run;
        const QString options = QStringLiteral("--seed 20240611 --exposure 150 --blank 150 --errors 0.12");
        if (!run.runChecked(4, QStringLiteral("Roux;Paul;17.09.1948"), options, 30))
            return;
        const int errors = int(run.trials.size() - run.valid.size());
        QVERIFY2(errors > 0, "the run should have had error trials");
        std::vector<double> first, last;
        std::vector<int> loads;
        for (const auto &f : run.valid) {
            first.push_back(f[25].trimmed().toDouble());
            last.push_back(f[26].trimmed().toDouble());
            loads.push_back(f[9].toInt());
        }
        const std::array<double, 8> want = recomputedMemory(first, last, loads, errors);
        // The log holds the distances to 0.01 mm.
        for (int i = 0; i < 8; ++i)
            compareNear(run.result[11 + i], want[i], 2e-3 * std::max(1.0, std::fabs(want[i])), "measure");
    }
};

QTEST_GUILESS_MAIN(TestMemoryRun)
#include "tst_memoryrun.moc"
