// End to end: installs Kestrova into a fresh tree, lets kestrova-simpatient do a whole
// central cue attention run through the real windows, and checks what the run left behind
// from the files alone, recomputing every measure from the logged reaction times. The patient's
// name has letters beyond ASCII, typed into the new-patient dialog like any other.

#include <cmath>

#include <QtTest>

#include "logfit.h"
#include "pdftext.h"
#include "simpatientrun.h"

namespace {
const QString patientKey = QStringLiteral("M\u00fcller Zo\u00e9 12.03.1951");
const int standardTrials = 96;

QStringList arguments(const QString &patient)
{
    return {QStringLiteral("--task"), QStringLiteral("2"), QStringLiteral("--patient"), patient,
            QStringLiteral("--seed"), QStringLiteral("20240521")};
}
} // namespace

class TestSimPatient : public QObject
{
    Q_OBJECT

private slots:
    void refusedName();
    void wholeRun();

private:
    SimPatientRun run{QStringLiteral(KESTROVA_CMAKE), QStringLiteral(KESTROVA_BINARY_DIR)};
};

// A name the records cannot hold is refused before any window opens or any file is written.
void TestSimPatient::refusedName()
{
    QString error;
    QVERIFY(!run.run(arguments(QStringLiteral("Dvo\u0159\u00e1k;Jan;01.02.1950")), 60000, &error));
    // The last line: the platform may warn about its environment before.
    QCOMPARE(error.trimmed().split(QLatin1Char('\n')).last(),
             QStringLiteral("kestrova-simpatient: --patient: \"last name\" must not contain the character "
                            "\"\u0159\", which the records cannot hold."));
    QVERIFY(!QFileInfo::exists(run.path(QStringLiteral("Parameters"))));
}

void TestSimPatient::wholeRun()
{
    QString error;
    const bool done = run.run(arguments(QStringLiteral("M\u00fcller;Zo\u00e9;12.03.1951")), 14 * 60 * 1000, &error);
    const QByteArray out = run.output();
    qInfo("%s", out.constData());
    QVERIFY2(done, qPrintable(error));

    // The result row, in the result table and in the patient's archive copy (records are
    // Latin-1; the simulated patient prints UTF-8).
    const auto table = run.lines(QStringLiteral("Results/results_T2.csv"));
    QCOMPARE(table.size(), 2);
    const QByteArray resultRow = table[1];
    QVERIFY(out.contains(QString::fromLatin1(resultRow).toUtf8()));
    QCOMPARE(run.lines(QStringLiteral("Archives/%1/results_T2_%1.csv").arg(patientKey)), table);
    const QList<QByteArray> r = resultRow.split(';');
    QCOMPARE(r.size(), 23);
    // The simulated assessor picks the first gender of the new-patient dialog.
    QCOMPARE(r.mid(1, 6), (QList<QByteArray>{"Mr.", "M\xfcller", "Zo\xe9", "12/03/1951", "2", "1"}));
    const int trials = r[10].toInt();

    // 96 valid rows; the trial log holds as many trial rows as `trials` says.
    const auto valid = run.lines(QStringLiteral("Results/valid-output.csv"));
    QCOMPARE(valid.size(), standardTrials + 1);
    const auto log = run.lines(QStringLiteral("Results/output.csv"));
    QCOMPARE(log.size(), trials + 1);

    std::array<std::vector<double>, 3> rt;
    for (int i = 1; i < valid.size(); ++i) {
        const auto f = valid[i].split(';');
        QCOMPARE(f.size(), 30);
        QCOMPARE(f[29], QByteArray("0"));
        const int cond = f[9].toInt() - 1;
        QCOMPARE(f[11].toInt(), int(rt[cond].size()) + 1);   // in rank order per condition
        rt[cond].push_back(f[20].toDouble());
    }
    std::array<int, 3> errors{};
    for (int i = 1; i < log.size(); ++i) {
        const auto f = log[i].split(';');
        QCOMPARE(f.size(), 30);
        if (f[29] == "1")
            ++errors[f[9].toInt() - 1];
    }
    QCOMPARE(errors[0] + errors[1] + errors[2] + standardTrials, trials);

    std::array<LogFit, 3> m;
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(int(rt[c].size()), 32);
        m[c] = logFit(rt[c], 20);
    }
    const double measures[3] = {m[0].mean, m[0].mean - m[1].mean, m[0].mean - m[2].mean};
    for (int c = 0; c < 3; ++c) {
        const int at = 11 + 4 * c;
        QVERIFY2(std::fabs(r[at].toDouble() - measures[c]) < 2e-6, r[at].constData());
        QCOMPARE(r[at + 1], QByteArray::number(100.0 * errors[c] / trials, 'f', 1));
        QVERIFY2(std::fabs(r[at + 2].toDouble() - m[c].slope) < 2e-6, r[at + 2].constData());
        QVERIFY2(std::fabs(r[at + 3].toDouble() - m[c].r2) < 2e-6, r[at + 3].constData());
    }

    // The session is counted in the patient list.
    const auto patients = run.lines(QStringLiteral("Parameters/patients_list.txt"));
    QCOMPARE(patients, QList<QByteArray>{"Mr.;M\xc3\xbcller;Zo\xc3\xa9;12.03.1951;0;1;0;0;0;0;0;0;0;0\r"});

    // The report names the patient.
    const QString report = pdfText(run.path(QStringLiteral("Archives/%1/Output_T2_S01_%1.pdf").arg(patientKey)));
    QVERIFY2(report.contains(QStringLiteral("M\u00fcller")) && report.contains(QStringLiteral("Zo\u00e9")),
             qPrintable(report));
}

QTEST_GUILESS_MAIN(TestSimPatient)
#include "tst_simpatient.moc"
