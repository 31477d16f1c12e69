#include "support/runrecords.h"

#include <filesystem>
#include <system_error>

#include <QFileInfo>

#include "context/paths.h"
#include "context/safefile.h"
#include "context/sharedcontext.h"
#include "patients/patientlist.h"
#include "support/recordheaders.h"
#include "support/recordrow.h"

namespace {
const QString validRowsFile = QStringLiteral("valid-output.csv");

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString patientKey()
{
    return SharedContext::instance().patientName;
}
} // namespace

QString RunRecords::trialLogPath()
{
    return Paths::join(Paths::resultsFolder, Paths::trialLogFile);
}

QString RunRecords::validRowsPath()
{
    return Paths::join(Paths::resultsFolder, validRowsFile);
}

QString RunRecords::resultTablePath(int table)
{
    return Paths::join(Paths::resultsFolder, QStringLiteral("results_T%1.csv").arg(table));
}

QString RunRecords::archiveFolder(const QString &patientKey)
{
    return Paths::join(Paths::archivesFolder, patientKey);
}

QString RunRecords::archiveCopyPath(int table, const QString &patientKey)
{
    return Paths::join(archiveFolder(patientKey) + QLatin1Char('/'),
                       QStringLiteral("results_T%1_%2.csv").arg(table).arg(patientKey));
}

const char *RunRecords::resultHeader(int table)
{
    switch (table) {
    case 1: return RecordHeaders::resultsT1;
    case 2: return RecordHeaders::resultsT2;
    case 3: return RecordHeaders::resultsT3;
    case 4: return RecordHeaders::resultsT4;
    default: return nullptr;
    }
}

bool RunRecords::openTrialLog(QString *error)
{
    closeTrialLog();
    m_trialLog.setFileName(trialLogPath());
    if (!m_trialLog.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (error)
            *error = m_trialLog.errorString();
        return false;
    }
    if (m_trialLog.size() == 0) {
        const QByteArray header = QByteArray(RecordHeaders::trialLog) + '\n';
        if (m_trialLog.write(header) != header.size()) {
            if (error)
                *error = m_trialLog.errorString();
            m_trialLog.resize(0);
            m_trialLog.close();
            return false;
        }
    }
    return true;
}

void RunRecords::closeTrialLog()
{
    if (m_trialLog.isOpen())
        m_trialLog.close();
}

void RunRecords::startRun()
{
    m_validRows.clear();
}

void RunRecords::writeTrialRow(const QByteArray &row, bool isError)
{
    if (!m_trialLog.isOpen())
        return;
    const qint64 previousSize = m_trialLog.size();
    if (m_trialLog.write(row) != row.size()) {
        addFailure(RecordFailure::Write, fileName(trialLogPath()), m_trialLog.errorString());
        m_trialLog.resize(previousSize);
    }
    // The valid row is kept even when the log could not take it: it still reaches
    // valid-output.csv at the end of the run.
    if (!isError)
        m_validRows += row;
}

void RunRecords::writeInterruption(const QString &word)
{
    if (!m_trialLog.isOpen())
        return;
    const QByteArray row = RecordRow::interruption(word);
    const qint64 previousSize = m_trialLog.size();
    if (m_trialLog.write(row) != row.size()) {
        addFailure(RecordFailure::Write, fileName(trialLogPath()), m_trialLog.errorString());
        m_trialLog.resize(previousSize);
    }
}

void RunRecords::finishRun(int task, int table, const QByteArray &resultRow)
{
    countSession(task);
    createArchiveFolder();
    fileValidRows();
    fileResultRow(table, resultRow);
}

void RunRecords::countSession(int task)
{
    if (task < 1 || task > SharedContext::taskCount)
        return;
    const PatientList list = PatientList::standard();
    const QString count = QString::number(SharedContext::instance().sessionNb[task - 1]);
    QString error;
    if (!list.rewriteField(patientKey(), PatientList::sessionField(task), count, &error))
        addFailure(RecordFailure::Write, fileName(list.path()), error);
}

void RunRecords::createArchiveFolder()
{
    const QString folder = archiveFolder(patientKey());
    std::error_code error;
    std::filesystem::create_directory(QFile::encodeName(folder).toStdString(), error);
    if (error)
        addFailure(RecordFailure::CreateFolder, folder, QString::fromStdString(error.message()));
}

void RunRecords::fileValidRows()
{
    appendRecord(validRowsPath(), RecordHeaders::trialLog, m_validRows);
}

void RunRecords::fileResultRow(int table, const QByteArray &resultRow)
{
    const char *header = resultHeader(table);
    if (!header)
        return;
    appendRecord(archiveCopyPath(table, patientKey()), header, resultRow);
    appendRecord(resultTablePath(table), header, resultRow);
}

QList<RecordFailure> RunRecords::takeFailures()
{
    QList<RecordFailure> failures;
    failures.swap(m_failures);
    return failures;
}

void RunRecords::appendRecord(const QString &path, const char *header, const QByteArray &data)
{
    QByteArray bytes;
    if (!QFileInfo::exists(path))
        bytes = QByteArray(header) + '\n';
    bytes += data;
    QString error;
    if (!SafeFile::append(path, bytes, &error))
        addFailure(RecordFailure::Write, fileName(path), error);
}

void RunRecords::addFailure(RecordFailure::Step step, const QString &name, const QString &error)
{
    // A trial log that refuses one row usually refuses them all: tell it once.
    for (const RecordFailure &known : m_failures) {
        if (known.step == step && known.name == name && known.error == error)
            return;
    }
    m_failures.append({step, name, error});
}
