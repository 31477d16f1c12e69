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

QByteArray trialLogHeader()
{
    return QByteArray(RecordHeaders::trialLog) + '\n';
}

// The last `count` bytes of a file (fewer when it is shorter).
QByteArray tail(QFile &file, qint64 count)
{
    const qint64 size = file.size();
    const qint64 start = std::max<qint64>(0, size - count);
    if (!file.seek(start))
        return QByteArray();
    return file.read(size - start);
}

// How many leading bytes of data the file's end already holds: the whole of data, or the part
// an append cut off by a crash left behind. Only a part that starts a line of the file counts.
qint64 alreadyWritten(QFile &file, const QByteArray &data)
{
    const QByteArray end = tail(file, data.size() + 1);
    const bool wholeFile = end.size() < data.size() + 1;
    for (qint64 k = std::min<qint64>(data.size(), end.size()); k > 0; --k) {
        const qint64 start = end.size() - k;
        const bool startsLine = start > 0 ? end.at(start - 1) == '\n' : wholeFile;
        if (startsLine && end.endsWith(QByteArrayView(data.constData(), k)))
            return k;
    }
    return 0;
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

bool RunRecords::prepareTrialLog(QString *error)
{
    QFile log(trialLogPath());
    if (!log.exists())
        return SafeFile::append(log.fileName(), trialLogHeader(), error);
    // Opened as the tasks will open it, and never truncated.
    for (const QIODevice::OpenMode mode : {QIODevice::OpenMode(QIODevice::ReadOnly), QIODevice::WriteOnly | QIODevice::Append}) {
        if (!log.open(mode)) {
            if (error)
                *error = log.errorString();
            return false;
        }
        log.close();
    }
    return true;
}

bool RunRecords::openTrialLog(int task, QString *error)
{
    closeTrialLog();
    recoverMarker();
    m_trialLog.setFileName(trialLogPath());
    if (!m_trialLog.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (error)
            *error = m_trialLog.errorString();
        return false;
    }
    if (m_trialLog.size() == 0 && !SafeFile::writeAll(m_trialLog, trialLogHeader(), error)) {
        m_trialLog.resize(0);
        m_trialLog.close();
        return false;
    }
    const SharedContext &context = SharedContext::instance();
    m_runId = newRunId();
    RunMarker marker;
    marker.runId = m_runId;
    marker.task = task;
    marker.session = task >= 1 && task <= SharedContext::taskCount ? context.sessionNb[task - 1] : 0;
    marker.patientKey = context.patientName;
    marker.logOffset = m_trialLog.size();
    marker.interruptedRow = RecordRow::interruption(QStringLiteral("interrupted"));
    QString markerError;
    if (!marker.save(&markerError))
        addFailure(RecordFailure::Write, fileName(RunMarker::path()), markerError);
    m_phaseOpen = true;
    return true;
}

void RunRecords::closeTrialLog()
{
    if (m_trialLog.isOpen())
        m_trialLog.close();
    if (m_phaseOpen)
        return;   // cut off without its "interrupted" row: the marker stays for the next start
    RunMarker::remove();
}

void RunRecords::startRun()
{
    m_validRows.clear();
}

bool RunRecords::writeTrialRow(const QByteArray &row, bool isError)
{
    if (!m_trialLog.isOpen())
        return true;
    const qint64 previousSize = m_trialLog.size();
    QString error;
    if (!SafeFile::writeAll(m_trialLog, row, &error)) {
        addFailure(RecordFailure::Write, fileName(trialLogPath()), error);
        m_trialLog.resize(previousSize);
        return false;
    }
    if (!isError)
        m_validRows += row;
    return true;
}

bool RunRecords::writeInterruption(const QString &word)
{
    if (!m_trialLog.isOpen())
        return true;
    const QByteArray row = RecordRow::interruption(word);
    const qint64 previousSize = m_trialLog.size();
    QString error;
    if (!SafeFile::writeAll(m_trialLog, row, &error)) {
        addFailure(RecordFailure::Write, fileName(trialLogPath()), error);
        m_trialLog.resize(previousSize);
        return false;
    }
    if (word == QLatin1String("interrupted"))
        m_phaseOpen = false;
    return true;
}

void RunRecords::finishRun(const CompletedRun &completed)
{
    const SharedContext &context = SharedContext::instance();
    PendingRun run;
    run.runId = m_runId.isEmpty() ? newRunId() : m_runId;
    m_runId.clear();
    run.task = completed.task;
    run.table = completed.table;
    if (completed.task >= 1 && completed.task <= SharedContext::taskCount) {
        const int session = context.sessionNb[completed.task - 1];
        run.patientFields.append({PatientList::sessionField(completed.task), QString::number(session)});
        run.resultHead = RecordRow::identity().integer(completed.task).integer(session).fields();
    }
    run.patientFields += completed.otherFields;
    run.validRows = m_validRows;
    run.resultTail = completed.resultColumns;
    run.ended = QDateTime::currentDateTime();
    run.rowStamp = completed.rowStamp;
    run.report = completed.report;
    run.report.patient = {context.firstName, context.lastName, context.dob};
    run.report.patientKey = context.patientName;

    QString error;
    if (!run.save(&error))
        addFailure(RecordFailure::Write, fileName(run.path()), error);
    crashPoint("pending");
    // The pending record now stands for the run: the phase's marker has done its work.
    m_phaseOpen = false;
    RunMarker::remove();
    m_pendingComplete = apply(run, true);
    m_pending = run;
}

void RunRecords::reportFiled(const QString &pdfPath)
{
    if (!m_pending || m_pending->reportPath() != pdfPath)
        return;
    crashPoint("report");
    if (m_pendingComplete)
        removePending(*m_pending);
    m_pending.reset();
}

bool RunRecords::apply(PendingRun &run, bool now)
{
    bool ok = setPatientFields(run.report.patientKey, run.patientFields);
    crashPoint("counter");
    ok = createArchiveFolder(run.report.patientKey) && ok;
    crashPoint("folder");
    ok = appendOnce(validRowsPath(), RecordHeaders::trialLog, run.validRows) && ok;
    crashPoint("valid");
    const char *header = resultHeader(run.table);
    if (!header)
        return ok;
    if (!run.rowStamp.isValid()) {
        run.rowStamp = now ? QDateTime::currentDateTime() : run.ended;
        QString error;
        if (!run.save(&error)) {
            addFailure(RecordFailure::Write, fileName(run.path()), error);
            ok = false;
        }
    }
    crashPoint("stamp");
    const QByteArray row = run.resultRow();
    ok = appendOnce(archiveCopyPath(run.table, run.report.patientKey), header, row) && ok;
    crashPoint("archive");
    ok = appendOnce(resultTablePath(run.table), header, row) && ok;
    crashPoint("table");
    return ok;
}

bool RunRecords::rewritePatientFields(const QList<QPair<int, QString>> &fields)
{
    return setPatientFields(patientKey(), fields);
}

bool RunRecords::setPatientFields(const QString &key, const QList<QPair<int, QString>> &fields)
{
    if (fields.isEmpty())
        return true;
    const PatientList list = PatientList::standard();
    QString error;
    if (list.rewriteFields(key, fields, &error))
        return true;
    addFailure(RecordFailure::Write, fileName(list.path()), error);
    return false;
}

bool RunRecords::createArchiveFolder(const QString &key)
{
    const QString folder = archiveFolder(key);
    std::error_code error;
    std::filesystem::create_directory(QFile::encodeName(folder).toStdString(), error);
    if (!error)
        return true;
    addFailure(RecordFailure::CreateFolder, folder, QString::fromStdString(error.message()));
    return false;
}

bool RunRecords::appendOnce(const QString &path, const char *header, const QByteArray &data)
{
    QByteArray bytes = data;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() > 0) {
        const qint64 present = alreadyWritten(file, data);
        bytes = data.mid(present);
        // A last line without its line end (edited by hand) is not joined to the new rows.
        if (present == 0 && !bytes.isEmpty() && !tail(file, 1).endsWith('\n'))
            bytes.prepend('\n');
    } else {
        bytes.prepend(QByteArray(header) + '\n');
    }
    file.close();
    if (bytes.isEmpty())
        return true;
    QString error;
    if (SafeFile::append(path, bytes, &error))
        return true;
    addFailure(RecordFailure::Write, fileName(path), error);
    return false;
}

void RunRecords::recoverMarker()
{
    const auto marker = RunMarker::load();
    if (!marker)
        return;
    // A run completed after its block: its pending record stands for it.
    if (!QFileInfo::exists(PendingRun::pathFor(marker->runId))) {
        QFile log(trialLogPath());
        QByteArray since;
        if (log.open(QIODevice::ReadOnly) && log.size() >= marker->logOffset && log.seek(marker->logOffset))
            since = log.readAll();
        log.close();
        if (!since.endsWith(marker->interruptedRow)) {
            QByteArray row = marker->interruptedRow;
            if (!since.isEmpty() && !since.endsWith('\n'))
                row.prepend('\n');
            QString error;
            if (!SafeFile::append(trialLogPath(), row, &error)) {
                addFailure(RecordFailure::Write, fileName(trialLogPath()), error);
                return;
            }
        }
    }
    RunMarker::remove();
}

QList<LeftRun> RunRecords::completeLeftBehind()
{
    recoverMarker();
    QList<LeftRun> completed;
    for (const QString &path : PendingRun::leftBehind()) {
        QString error;
        auto run = PendingRun::load(path, &error);
        if (!run) {
            addFailure(RecordFailure::Open, fileName(path), error);
            continue;
        }
        const bool whole = apply(*run, false);
        completed.append({*run, whole});
    }
    return completed;
}

void RunRecords::removePending(const PendingRun &run)
{
    QFile::remove(run.path());
}

// Sorts in the order the runs were started, and never names an earlier run's record.
QString RunRecords::newRunId()
{
    static int sequence = 0;
    QString id;
    do {
        id = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"))
            + QStringLiteral("-%1").arg(++sequence % 1000, 3, 10, QLatin1Char('0'));
    } while (QFileInfo::exists(PendingRun::pathFor(id)));
    return id;
}

QList<RecordFailure> RunRecords::takeFailures()
{
    QList<RecordFailure> failures;
    failures.swap(m_failures);
    return failures;
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
