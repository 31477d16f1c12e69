// End to end: installs Kestrova into a fresh tree, lets kestrova-simpatient do a whole
// central cue attention run through the real windows, and checks what the run left behind
// from the files alone, recomputing every measure from the logged reaction times. The patient's
// name has letters beyond ASCII, typed into the new-patient dialog like any other.

#include <cmath>

#include <QtTest>

#include "simpatientrun.h"

namespace {
const QString patientKey = QStringLiteral("M\u00fcller Zo\u00e9 12.03.1951");
const int standardTrials = 96;

QList<QByteArray> lines(const QString &path)
{
    return fileLines(path);
}

// Least squares of y on ln(rank), then every early time moved along the line to the level
// of the last fitted rank; mean over all valid times of the condition.
struct Recomputed
{
    double mean = 0;
    double slope = 0;
    double r2 = 0;
};

Recomputed recompute(const std::vector<double> &rt)
{
    const int n = std::min<int>(20, int(rt.size()));
    double sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
    for (int i = 0; i < n; ++i) {
        const double x = std::log(i + 1.0);
        sx += x;
        sy += rt[i];
        sxx += x * x;
        sxy += x * rt[i];
        syy += rt[i] * rt[i];
    }
    const double covariance = sxy - sx * sy / n;
    const double varianceX = sxx - sx * sx / n;
    const double varianceY = syy - sy * sy / n;
    Recomputed r;
    r.slope = covariance / varianceX;
    r.r2 = covariance * covariance / (varianceX * varianceY);
    double sum = 0;
    for (int i = 0; i < int(rt.size()); ++i)
        sum += i < n ? rt[i] + r.slope * (std::log(double(n)) - std::log(i + 1.0)) : rt[i];
    r.mean = sum / rt.size();
    return r;
}
} // namespace

class TestSimPatient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusedName();
    void wholeRun();

private:
    // Starts the simulated patient in the installed tree for the patient "Last;First;dd.MM.yyyy".
    void start(QProcess &patient, const QString &name);

    QTemporaryDir root;
};

void TestSimPatient::initTestCase()
{
    QVERIFY(root.isValid());
    QProcess install;
    install.start(QStringLiteral(KESTROVA_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(KESTROVA_BINARY_DIR), QStringLiteral("--prefix"),
                   root.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
}

void TestSimPatient::start(QProcess &patient, const QString &name)
{
    patient.setWorkingDirectory(root.filePath(QStringLiteral("bin")));
    patient.start(root.filePath(QStringLiteral("bin/kestrova-simpatient")),
                  {QStringLiteral("--task"), QStringLiteral("2"), QStringLiteral("--patient"), name,
                   QStringLiteral("--seed"), QStringLiteral("20240521")});
}

// A name the records cannot hold is refused before any window opens or any file is written.
void TestSimPatient::refusedName()
{
    QProcess patient;
    start(patient, QStringLiteral("Dvo\u0159\u00e1k;Jan;01.02.1950"));
    QVERIFY(patient.waitForFinished(60000));
    QCOMPARE(patient.exitCode(), 2);
    // The last line: the platform may warn about its environment before.
    QCOMPARE(QString::fromUtf8(patient.readAllStandardError()).trimmed().split(QLatin1Char('\n')).last(),
             QStringLiteral("kestrova-simpatient: --patient: \"last name\" must not contain the character "
                            "\"\u0159\", which the records cannot hold."));
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("Parameters"))));
}

void TestSimPatient::wholeRun()
{
    QProcess patient;
    start(patient, QStringLiteral("M\u00fcller;Zo\u00e9;12.03.1951"));
    QVERIFY(patient.waitForFinished(14 * 60 * 1000));
    const QByteArray out = patient.readAllStandardOutput();
    qInfo("%s", out.constData());
    QVERIFY2(patient.exitCode() == 0, patient.readAllStandardError().constData());

    // The result row, in the result table and in the patient's archive copy (records are
    // Latin-1; the simulated patient prints UTF-8).
    const auto table = lines(root.filePath(QStringLiteral("Results/results_T2.csv")));
    QCOMPARE(table.size(), 2);
    const QByteArray resultRow = table[1];
    QVERIFY(out.contains(QString::fromLatin1(resultRow).toUtf8()));
    const auto archive =
        lines(root.filePath(QStringLiteral("Archives/%1/results_T2_%1.csv").arg(patientKey)));
    QCOMPARE(archive, table);
    const QList<QByteArray> r = resultRow.split(';');
    QCOMPARE(r.size(), 23);
    // The simulated assessor picks the first gender of the new-patient dialog.
    QCOMPARE(r.mid(1, 6), (QList<QByteArray>{"Mr.", "M\xfcller", "Zo\xe9", "12/03/1951", "2", "1"}));
    const int trials = r[10].toInt();

    // 96 valid rows; the trial log holds as many trial rows as `trials` says.
    const auto valid = lines(root.filePath(QStringLiteral("Results/valid-output.csv")));
    QCOMPARE(valid.size(), standardTrials + 1);
    const auto log = lines(root.filePath(QStringLiteral("Results/output.csv")));
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

    std::array<Recomputed, 3> m;
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(int(rt[c].size()), 32);
        m[c] = recompute(rt[c]);
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
    const auto patients = lines(root.filePath(QStringLiteral("Parameters/patients_list.txt")));
    QCOMPARE(patients, QList<QByteArray>{"Mr.;M\xc3\xbcller;Zo\xc3\xa9;12.03.1951;0;1;0;0;0;0;0;0;0;0\r"});

    // The report names the patient.
    const QString pdf = root.filePath(QStringLiteral("Archives/%1/Output_T2_S01_%1.pdf").arg(patientKey));
    QVERIFY(QFileInfo::exists(pdf));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QByteArray report = text.readAllStandardOutput();
    QVERIFY2(report.contains("M\xc3\xbcller") && report.contains("Zo\xc3\xa9"), report.constData());
}

QTEST_GUILESS_MAIN(TestSimPatient)
#include "tst_simpatient.moc"
