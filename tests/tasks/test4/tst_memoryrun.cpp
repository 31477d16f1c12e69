// End to end: installs Kestrova into a fresh tree, lets kestrova-simpatient calibrate the
// screen and do a whole working memory run through the real windows, and checks what the run
// left behind from the files alone, recomputing every measure from the logged distances.

#include <QtTest>

#include "pdftext.h"
#include "recomputememory.h"
#include "simpatientrun.h"

namespace {
const QString patientKey = QStringLiteral("Roux Paul 17.09.1948");
} // namespace

class TestMemoryRun : public QObject
{
    Q_OBJECT

private slots:
    void wholeRun();
};

void TestMemoryRun::wholeRun()
{
    // Shortened crosses and blanks keep the run near two minutes; the errors are raised so
    // that a run of 30 trials surely has some.
    SimPatientRun run(QStringLiteral(KESTROVA_CMAKE), QStringLiteral(KESTROVA_BINARY_DIR));
    QString error;
    const bool done = run.run({QStringLiteral("--task"), QStringLiteral("4"), QStringLiteral("--patient"),
                               QStringLiteral("Roux;Paul;17.09.1948"), QStringLiteral("--seed"),
                               QStringLiteral("20240611"), QStringLiteral("--exposure"), QStringLiteral("150"),
                               QStringLiteral("--blank"), QStringLiteral("150"), QStringLiteral("--errors"),
                               QStringLiteral("0.12")},
                              9 * 60 * 1000, &error);
    const QByteArray out = run.output();
    qInfo("%s", out.constData());
    QVERIFY2(done, qPrintable(error));

    const auto table = run.lines(QStringLiteral("Results/results_T4.csv"));
    QCOMPARE(table.size(), 2);
    QVERIFY(out.contains(table[1]));
    QCOMPARE(run.lines(QStringLiteral("Archives/%1/results_T4_%1.csv").arg(patientKey)), table);
    const QList<QByteArray> r = table[1].split(';');
    QCOMPARE(r.size(), 19);
    QCOMPARE(r.mid(1, 6), (QList<QByteArray>{"Mr.", "Roux", "Paul", "17/09/1948", "4", "1"}));
    QCOMPARE(r[10], QByteArray("30"));

    // The valid rows are the trial log's rows without the errors, byte for byte, in rank order.
    const auto log = run.lines(QStringLiteral("Results/output.csv"));
    const auto valid = run.lines(QStringLiteral("Results/valid-output.csv"));
    QCOMPARE(valid.size(), 31);
    QList<QByteArray> validLogged = {log.value(0)};
    std::vector<double> first, last;
    std::vector<int> loads;
    int errors = 0;
    for (const QByteArray &row : log.mid(1)) {
        const auto f = row.split(';');
        QCOMPARE(f.size(), 30);
        QCOMPARE(f[5], QByteArray("4"));
        QVERIFY(f[27].toInt() >= 1 && f[27].toInt() <= 12 && f[28].toInt() >= 1 && f[28].toInt() <= 12);
        if (f[29] == "1") {
            ++errors;
            QVERIFY(f[25].isEmpty() && f[26].isEmpty());
            continue;
        }
        QCOMPARE(f[10].toInt(), int(first.size()) + 1);
        QCOMPARE(f[25].size(), 8);
        first.push_back(f[25].trimmed().toDouble());
        last.push_back(f[26].trimmed().toDouble());
        loads.push_back(f[9].toInt());
        validLogged << row;
    }
    QCOMPARE(valid, validLogged);
    QVERIFY2(errors > 0, "the run should have had error trials");

    const RecomputedMemory m(first, last, loads, errors);
    const double want[] = {m.averageFirst, m.averageLast, m.loadSlope, m.loadIntercept, m.loadR2,
                           m.learningSlope, m.learningR2};
    for (int i = 0; i < 7; ++i) {
        // The log holds the distances to 0.01 mm.
        QVERIFY2(std::fabs(r[11 + i].toDouble() - want[i]) < 2e-3 * std::max(1.0, std::fabs(want[i])),
                 qPrintable(QStringLiteral("%1: %2 against %3").arg(i).arg(r[11 + i].constData()).arg(want[i])));
    }
    QCOMPARE(r[18], QByteArray::number(100.0 * errors / 30, 'f', 6));

    const auto patients = run.lines(QStringLiteral("Parameters/patients_list.txt"));
    QCOMPARE(patients.size(), 1);
    QCOMPARE(patients[0].split(';').value(7), QByteArray("1"));

    const QString report = pdfText(run.path(QStringLiteral("Archives/%1/Output_T4_S01_%1.pdf").arg(patientKey)));
    QVERIFY2(report.contains(QStringLiteral("Roux")) && report.contains(QStringLiteral("Paul")), qPrintable(report));
}

QTEST_GUILESS_MAIN(TestMemoryRun)
#include "tst_memoryrun.moc"
