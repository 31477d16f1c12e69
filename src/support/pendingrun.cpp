#include "support/pendingrun.h"

#include <csignal>

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>

#include "context/paths.h"
#include "context/safefile.h"
#include "support/recordrow.h"

namespace {
const QByteArray pendingMagic = "Kestrova pending run 1";
const QByteArray markerMagic = "Kestrova run marker 1";
const QString pendingPrefix = QStringLiteral("pending-run-");
const QString pendingSuffix = QStringLiteral(".dat");

void pinFormat(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_6_0);
    stream.setByteOrder(QDataStream::BigEndian);
}

// Serialises with the magic first; written in one atomic replace.
template <typename Write>
bool saveRecord(const QString &path, const QByteArray &magic, Write write, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    pinFormat(out);
    out << magic;
    write(out);
    return SafeFile::replace(path, bytes, error);
}

template <typename Read>
bool loadRecord(const QString &path, const QByteArray &magic, Read read, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QDataStream in(&file);
    pinFormat(in);
    QByteArray found;
    in >> found;
    if (found == magic)
        read(in);
    if (found != magic || in.status() != QDataStream::Ok || !in.atEnd()) {
        if (error)
            *error = QStringLiteral("The record is not complete");
        return false;
    }
    return true;
}
} // namespace

QString PendingRun::pathFor(const QString &runId)
{
    return Paths::join(Paths::resultsFolder, pendingPrefix + runId + pendingSuffix);
}

QStringList PendingRun::leftBehind()
{
    const QDir results(Paths::resultsFolder);
    QStringList paths;
    for (const QString &name : results.entryList({pendingPrefix + QLatin1Char('*') + pendingSuffix}, QDir::Files,
                                                 QDir::Name))
        paths << Paths::join(Paths::resultsFolder, name);
    return paths;
}

QByteArray PendingRun::resultRow() const
{
    return RecordRow().latin1(resultHead).date(rowStamp).time(rowStamp).latin1(resultTail).line();
}

QString PendingRun::reportPath() const
{
    return ReportText::pdfPath(report.task, ReportText::sessionText(report.session.session), report.patientKey);
}

bool PendingRun::save(QString *error) const
{
    return saveRecord(path(), pendingMagic, [this](QDataStream &out) {
        out << runId << qint32(task) << qint32(table) << qint32(patientFields.size());
        for (const auto &[index, value] : patientFields)
            out << qint32(index) << value;
        out << validRows << resultHead << resultTail << ended << rowStamp;
        const auto &r = report;
        out << qint32(r.task) << r.patient.firstName << r.patient.lastName << r.patient.dob << r.patientKey
            << r.session.dtSession << qint32(r.session.session) << r.session.duration << qint32(r.session.trials)
            << r.measures;
    }, error);
}

std::optional<PendingRun> PendingRun::load(const QString &path, QString *error)
{
    PendingRun run;
    const bool ok = loadRecord(path, pendingMagic, [&run](QDataStream &in) {
        qint32 task = 0, table = 0, fieldCount = 0;
        in >> run.runId >> task >> table >> fieldCount;
        run.task = task;
        run.table = table;
        for (qint32 i = 0; i < fieldCount && in.status() == QDataStream::Ok; ++i) {
            qint32 index = 0;
            QString value;
            in >> index >> value;
            run.patientFields.append({index, value});
        }
        in >> run.validRows >> run.resultHead >> run.resultTail >> run.ended >> run.rowStamp;
        auto &r = run.report;
        qint32 reportTask = 0, session = 0, trials = 0;
        in >> reportTask >> r.patient.firstName >> r.patient.lastName >> r.patient.dob >> r.patientKey
            >> r.session.dtSession >> session >> r.session.duration >> trials >> r.measures;
        r.task = reportTask;
        r.session.session = session;
        r.session.trials = trials;
    }, error);
    if (!ok)
        return std::nullopt;
    return run;
}

QString RunMarker::path()
{
    return Paths::join(Paths::resultsFolder, QStringLiteral("run-in-progress.dat"));
}

bool RunMarker::save(QString *error) const
{
    return saveRecord(path(), markerMagic, [this](QDataStream &out) {
        out << runId << qint32(task) << qint32(session) << patientKey << logOffset << interruptedRow;
    }, error);
}

std::optional<RunMarker> RunMarker::load(QString *error)
{
    RunMarker marker;
    const bool ok = loadRecord(path(), markerMagic, [&marker](QDataStream &in) {
        qint32 task = 0, session = 0;
        in >> marker.runId >> task >> session >> marker.patientKey >> marker.logOffset >> marker.interruptedRow;
        marker.task = task;
        marker.session = session;
    }, error);
    if (!ok)
        return std::nullopt;
    return marker;
}

void RunMarker::remove()
{
    QFile::remove(path());
}

void crashPoint(const char *step)
{
    static const QByteArray chosen = qgetenv("KESTROVA_CRASH_AT");
    if (!chosen.isEmpty() && chosen == step)
        std::raise(SIGKILL);
}
