#include "simpatientrun.h"

#include <cmath>

#include <QFile>
#include <QProcess>
#include <QtTest>

#include "pdftext.h"

bool SimPatientRun::run(int task, const QString &patient, const QString &more, QString *error)
{
    m_task = task;
    m_patient = patient.split(QLatin1Char(';'));
    // What cmake says goes to the test's own output.
    if (QProcess::execute(QStringLiteral(KESTROVA_CMAKE), {QStringLiteral("--install"), QStringLiteral(KESTROVA_BINARY_DIR),
                                                           QStringLiteral("--prefix"), m_root.path()})
        != 0) {
        *error = QStringLiteral("install failed");
        return false;
    }
    QProcess simulated;
    simulated.setWorkingDirectory(m_root.filePath(QStringLiteral("bin")));
    simulated.start(m_root.filePath(QStringLiteral("bin/kestrova-simpatient")),
                    QStringList{QStringLiteral("--task"), QString::number(task), QStringLiteral("--patient"), patient}
                        + more.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    const bool finished = simulated.waitForFinished(14 * 60 * 1000);
    qInfo("%s", simulated.readAllStandardOutput().constData());
    if (!finished || simulated.exitCode() != 0) {
        *error = QStringLiteral("kestrova-simpatient %1: %2")
                     .arg(finished ? QStringLiteral("failed") : QStringLiteral("timed out"),
                          QString::fromLocal8Bit(simulated.readAllStandardError()));
        return false;
    }
    return true;
}

bool SimPatientRun::runChecked(int task, const QString &patient, const QString &more, int validRows)
{
    QString error;
    if (!run(task, patient, more, &error))
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    else
        checkFiles(validRows);
    return !QTest::currentTestFailed();
}

void SimPatientRun::checkFiles(int validRows)
{
    // The lines of a file of the installation, without the empty one after the last "\n".
    const auto lines = [this](const QString &relative) {
        QFile file(path(relative));
        const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        QList<QByteArray> result = data.split('\n');
        // The part after the last "\n", or the only one of an unreadable file, is empty.
        if (result.last().isEmpty())
            result.removeLast();
        return result;
    };
    // The recognition tasks share table 1; records are Latin-1, the patient list UTF-8.
    const int table = m_task > 4 ? 1 : m_task;
    const QString key = m_patient.join(QLatin1Char(' '));
    const auto results = lines(QStringLiteral("Results/results_T%1.csv").arg(table));
    QCOMPARE(results.size(), 2);
    QCOMPARE(lines(QStringLiteral("Archives/%1/results_T%2_%1.csv").arg(key).arg(table)), results);
    result = results[1].split(';');
    QCOMPARE(result.mid(2, 5), (QList<QByteArray>{m_patient[0].toLatin1(), m_patient[1].toLatin1(),
                                                  QString(m_patient[2]).replace(QLatin1Char('.'), QLatin1Char('/')).toLatin1(),
                                                  QByteArray::number(m_task), "1"}));

    const auto log = lines(QStringLiteral("Results/output.csv"));
    QList<QByteArray> withoutErrors = log.mid(0, 1);
    for (const QByteArray &row : log.mid(1)) {
        trials << row.split(';');
        QCOMPARE(trials.last().size(), 30);
        if (trials.last()[29] != "1")
            withoutErrors << row;
    }
    QCOMPARE(lines(QStringLiteral("Results/valid-output.csv")), withoutErrors);
    for (const QByteArray &row : withoutErrors.mid(1))
        valid << row.split(';');
    QVERIFY2(validRows < 0 || valid.size() == validRows, qPrintable(QString::number(valid.size())));
    QCOMPARE(result.value(10).toInt(), int(m_task == 4 ? valid.size() : trials.size()));

    const auto patients = lines(QStringLiteral("Parameters/patients_list.txt"));
    QCOMPARE(patients.size(), 1);
    patientEntry = patients[0].trimmed().split(';');
    QCOMPARE(patientEntry.mid(1, 3), (QList<QByteArray>{m_patient[0].toUtf8(), m_patient[1].toUtf8(), m_patient[2].toUtf8()}));
    QCOMPARE(patientEntry.value(m_task + 3), QByteArray("1"));
    const QString report = pdfText(path(QStringLiteral("Archives/%1/Output_T%2_S01_%1.pdf").arg(key).arg(table)));
    QVERIFY2(report.contains(m_patient[0]) && report.contains(m_patient[1]), qPrintable(report));
}

void compareNear(const QByteArray &field, double expected, double tolerance, const char *what)
{
    QVERIFY2(std::fabs(field.toDouble() - expected) < tolerance,
             qPrintable(QStringLiteral("%1: %2, recomputed %3").arg(QLatin1String(what), QLatin1String(field)).arg(expected, 0, 'f', 6)));
}
