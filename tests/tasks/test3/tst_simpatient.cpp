// End to end: installs Kestrova into a fresh tree, lets kestrova-simpatient do a whole
// movement detection run through the real windows, and checks what the run left behind from
// the files alone, recomputing every measure from the logged reaction times.

#include <cmath>

#include <QtTest>

#include "logfit.h"
#include "pdftext.h"
#include "simpatientrun.h"

namespace {
const QString patientKey = QStringLiteral("Roth Ida 02.11.1948");
const QList<QByteArray> placeNames = {"E", "SE", "S", "SW", "W", "NW", "N", "NE"};
// Places of each side: oblique, cardinal, left, right, top, bottom.
const QList<QList<QByteArray>> sides = {{"SE", "SW", "NW", "NE"}, {"E", "S", "W", "N"}, {"SW", "W", "NW"},
                                        {"E", "SE", "NE"},         {"NW", "N", "NE"},   {"SE", "S", "SW"}};

void compareNear(const QByteArray &field, double expected, const char *what)
{
    QVERIFY2(std::fabs(field.toDouble() - expected) < 2e-6,
             qPrintable(QStringLiteral("%1: %2, recomputed %3").arg(what, field).arg(expected, 0, 'f', 6)));
}
} // namespace

class TestSimPatient : public QObject
{
    Q_OBJECT

private slots:
    void wholeRun();
};

void TestSimPatient::wholeRun()
{
    SimPatientRun run(QStringLiteral(KESTROVA_CMAKE), QStringLiteral(KESTROVA_BINARY_DIR));
    QString error;
    const bool done = run.run({QStringLiteral("--task"), QStringLiteral("3"), QStringLiteral("--patient"),
                               QStringLiteral("Roth;Ida;02.11.1948"), QStringLiteral("--seed"), QStringLiteral("311")},
                              10 * 60 * 1000, &error);
    qInfo("%s", run.output().constData());
    QVERIFY2(done, qPrintable(error));

    const auto table = run.lines(QStringLiteral("Results/results_T3.csv"));
    QCOMPARE(table.size(), 2);
    QVERIFY(run.output().contains(table[1]));
    QCOMPARE(run.lines(QStringLiteral("Archives/%1/results_T3_%1.csv").arg(patientKey)), table);
    const QList<QByteArray> r = table[1].split(';');
    QCOMPARE(r.size(), 21);
    QCOMPARE(r.mid(2, 5), (QList<QByteArray>{"Roth", "Ida", "02/11/1948", "3", "1"}));
    const int trials = r[10].toInt();

    // 40 valid rows, every place five times; the trial log holds `trials` rows.
    const auto valid = run.lines(QStringLiteral("Results/valid-output.csv"));
    QCOMPARE(valid.size(), 41);
    const auto log = run.lines(QStringLiteral("Results/output.csv"));
    QCOMPARE(log.size(), trials + 1);
    int errors = 0;
    for (int i = 1; i < log.size(); ++i) {
        const auto f = log[i].split(';');
        QCOMPARE(f.size(), 30);
        QVERIFY(f[11].isEmpty());
        QVERIFY2(QList<QByteArray>({"E", "S", "W", "N"}).contains(f[24]), f[24].constData());
        errors += f[29] == "1";
    }
    std::vector<double> rt;
    QMap<QByteArray, int> perPlace;
    std::array<double, 6> sideSums{};
    for (int i = 1; i < valid.size(); ++i) {
        const auto f = valid[i].split(';');
        QCOMPARE(f[29], QByteArray("0"));
        QCOMPARE(f[10].toInt(), i);
        rt.push_back(f[22].toDouble());
        ++perPlace[f[23]];
        for (int s = 0; s < 6; ++s)
            sideSums[s] += sides[s].contains(f[23]) ? rt.back() : 0.0;
    }
    QCOMPARE(perPlace.keys().size(), 8);
    for (const QByteArray &place : placeNames)
        QCOMPARE(perPlace.value(place), 5);

    // Every one of the 40 times moved along the fit on ln(rank) to rank 40.
    const LogFit fit = logFit(rt, 40);
    compareNear(r[11], fit.mean, "t3_rt");
    QCOMPARE(r[12], QByteArray::number(100.0 * errors / trials, 'f', 1));
    compareNear(r[13], fit.slope, "t3_slope");
    compareNear(r[14], fit.r2, "t3_r2");
    const double divisors[6] = {20, 20, 15, 15, 15, 15};
    for (int s = 0; s < 6; ++s)
        compareNear(r[15 + s], sideSums[s] / divisors[s], "side");
    // The patient's model: 650 ms, 40 ms more on the left.
    QVERIFY2(r[11].toDouble() > 600 && r[11].toDouble() < 740, r[11].constData());

    const auto patients = run.lines(QStringLiteral("Parameters/patients_list.txt"));
    QCOMPARE(patients.value(0).split(';').value(6), QByteArray("1"));
    const QString report = pdfText(run.path(QStringLiteral("Archives/%1/Output_T3_S01_%1.pdf").arg(patientKey)));
    QVERIFY2(report.contains(QLatin1String("Roth")) && report.contains(QLatin1String("Ida")), qPrintable(report));
}

QTEST_GUILESS_MAIN(TestSimPatient)
#include "tst_simpatient.moc"
