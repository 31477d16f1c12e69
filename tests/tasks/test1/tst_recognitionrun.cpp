// End to end: installs Kestrova into a fresh tree, lets kestrova-simpatient do a visual
// recognition run with training through the real windows, and checks what the run left from
// the files alone: the logged answers replayed through the staircase give every logged
// exposure, rank and boundary flag, the stop at the last trial and the result row's measures.

#include <QtTest>

#include "support/recordheaders.h"
#include "support/recordrow.h"
#include "tasks/test1/staircase.h"

namespace {
const QString patientKey = QStringLiteral("Roth Ida 02.02.1948");

QList<QByteArray> lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> result = file.readAll().split('\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}
} // namespace

class TestRecognitionRun : public QObject
{
    Q_OBJECT

private slots:
    void wholeRun_data();
    void wholeRun();
};

void TestRecognitionRun::wholeRun_data()
{
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("mode");
    QTest::newRow("central visual perception") << 5 << 1;
    QTest::newRow("visual recognition battery") << 1 << 0;
}

void TestRecognitionRun::wholeRun()
{
    QFETCH(int, task);
    QFETCH(int, mode);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QProcess install;
    install.start(QStringLiteral(KESTROVA_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(KESTROVA_BINARY_DIR), QStringLiteral("--prefix"),
                   root.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());

    QProcess patient;
    patient.setWorkingDirectory(root.filePath(QStringLiteral("bin")));
    patient.start(root.filePath(QStringLiteral("bin/kestrova-simpatient")),
                  {QStringLiteral("--task"), QString::number(task), QStringLiteral("--patient"),
                   QStringLiteral("Roth;Ida;02.02.1948"), QStringLiteral("--seed"), QStringLiteral("7"),
                   QStringLiteral("--thresholds"), QStringLiteral("80,150,250")});
    QVERIFY(patient.waitForFinished(14 * 60 * 1000));
    const QByteArray out = patient.readAllStandardOutput();
    qInfo("%s", out.constData());
    QVERIFY2(patient.exitCode() == 0, patient.readAllStandardError().constData());

    const auto table = lines(root.filePath(QStringLiteral("Results/results_T1.csv")));
    QCOMPARE(table.size(), 2);
    QCOMPARE(lines(root.filePath(QStringLiteral("Archives/%1/results_T1_%1.csv").arg(patientKey))), table);
    const QList<QByteArray> r = table[1].split(';');
    QCOMPARE(r.size(), 32);
    QCOMPARE(r.mid(5, 2), (QList<QByteArray>{QByteArray::number(task), "1"}));

    // Replay: each subtask's first row gives its entry exposure, then every answer steps it.
    const auto log = lines(root.filePath(QStringLiteral("Results/output.csv"))).mid(1);
    ExposureRun stairs;
    stairs.enter(mode, {0, 0, 0}, false);
    for (int s = 2; s >= 0; --s) {
        for (const QByteArray &row : log) {
            if (row.split(';').value(9).toInt() == s + 1) {
                stairs[s].setExposure(row.split(';').value(12).toInt());
                break;
            }
        }
    }
    stairs.startTest(0);
    QByteArray valid = QByteArray(RecordHeaders::trialLog) + '\n';
    for (int i = 0; i < log.size(); ++i) {
        const auto f = log[i].split(';');
        QCOMPARE(f.size(), 30);
        const int s = f[9].toInt() - 1;
        QVERIFY(ExposureRun::inMode(mode, s));
        QCOMPARE(f[12].toInt(), stairs[s].exposure());
        QCOMPARE(f[10].toInt(), i + 1);
        bool boundary = false;
        if (f[29] == "1") {
            stairs[s].countMissed();
        } else {
            valid += log[i] + '\n';
            boundary = stairs[s].testAnswer(f[18] == "0");
        }
        QCOMPARE(f[19], QByteArray(boundary ? "1" : "0"));
        stairs[s].countTrial();
        QCOMPARE(f[11].toInt(), stairs[s].count());
        const auto outcome = stairs.endOfTrial(s);
        QCOMPARE(outcome == ExposureRun::Outcome::Stopped, i == log.size() - 1);
        QVERIFY(outcome != ExposureRun::Outcome::Unstable);
    }
    QFile validFile(root.filePath(QStringLiteral("Results/valid-output.csv")));
    QVERIFY(validFile.open(QIODevice::ReadOnly));
    QCOMPARE(validFile.readAll(), valid);
    QCOMPARE(r[10].toInt(), log.size());
    for (int s = 0; s < 3; ++s) {
        const QList<QByteArray> measures = r.mid(11 + 7 * s, 7);
        if (!ExposureRun::inMode(mode, s)) {
            QCOMPARE(measures, QList<QByteArray>(7));
            continue;
        }
        const Staircase &st = stairs[s];
        QCOMPARE(measures, (QList<QByteArray>{QByteArray::number(st.exposure()), QByteArray::number(st.missed()),
                                              QByteArray::number(st.reversals()), RecordRow::formatReal(st.sup()),
                                              QByteArray::number(st.limitSup()), RecordRow::formatReal(st.inf()),
                                              QByteArray::number(st.limitInf())}));
    }

    // The session counted and the training values kept: the thresholds of the subtasks run,
    // the stored 0 of the others.
    const auto patients = lines(root.filePath(QStringLiteral("Parameters/patients_list.txt")));
    QCOMPARE(patients.size(), 1);
    const QList<QByteArray> p = patients[0].trimmed().split(';');
    QCOMPARE(p.value(task + 3), QByteArray("1"));
    for (int s = 0; s < 3; ++s)
        QCOMPARE(p.value(11 + s).toInt(), ExposureRun::inMode(mode, s) ? stairs[s].exposure() : 0);

    const QString pdf = root.filePath(QStringLiteral("Archives/%1/Output_T1_S01_%1.pdf").arg(patientKey));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QByteArray report = text.readAllStandardOutput();
    QVERIFY2(report.contains("Roth") && report.contains("Ida"), report.constData());
}

QTEST_GUILESS_MAIN(TestRecognitionRun)
#include "tst_recognitionrun.moc"
