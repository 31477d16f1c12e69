#include "simpatientrun.h"

#include <QFile>
#include <QProcess>

SimPatientRun::SimPatientRun(const QString &cmake, const QString &binaryDir)
    : m_cmake(cmake)
    , m_binaryDir(binaryDir)
{
}

bool SimPatientRun::run(const QStringList &arguments, int timeoutMs, QString *error)
{
    QProcess install;
    install.start(m_cmake, {QStringLiteral("--install"), m_binaryDir, QStringLiteral("--prefix"), m_root.path()});
    if (!install.waitForFinished(120000) || install.exitCode() != 0) {
        *error = QStringLiteral("install failed: %1").arg(QString::fromLocal8Bit(install.readAllStandardError()));
        return false;
    }
    QProcess patient;
    patient.setWorkingDirectory(m_root.filePath(QStringLiteral("bin")));
    patient.start(m_root.filePath(QStringLiteral("bin/kestrova-simpatient")), arguments);
    const bool finished = patient.waitForFinished(timeoutMs);
    m_output = patient.readAllStandardOutput();
    if (!finished || patient.exitCode() != 0) {
        *error = QStringLiteral("kestrova-simpatient %1: %2")
                     .arg(finished ? QStringLiteral("failed") : QStringLiteral("timed out"),
                          QString::fromLocal8Bit(patient.readAllStandardError()));
        return false;
    }
    return true;
}

QList<QByteArray> fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> result = file.readAll().split('\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}
