#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "reports/reporttext.h"

// The end of a completed run as one unit. Before the first end-of-run file is touched,
// everything the run will file is written atomically to a pending-run record in the Results
// folder; the end-of-run steps then apply it, each step idempotent, and the record is removed
// once the report is filed. A record left behind by a crash is completed at the next start.
struct PendingRun
{
    QString runId;                          // the test block's marker carries the same id
    int task = 0;                           // 1 … 7
    int table = 0;                          // result table 1 … 4
    QList<QPair<int, QString>> patientFields;   // patient list fields: the session counter, …
    QByteArray validRows;                   // the run's valid trial rows, "\n" included
    QByteArray resultHead;                  // the result row's columns before its date and time
    QByteArray resultTail;                  // and after them (duration, trials, measures)
    QDateTime ended;                        // end of the test block
    // The result row's date and time: fixed by the task, or the moment the row is first filed
    // (after the valid rows). Stored before the row is filed, so that the archive copy and the
    // result table get the same row even when a crash falls between them. A run completed at
    // the next start whose row was never filed is stamped with `ended`.
    QDateTime rowStamp;
    ReportText::Report report;

    // "../Results/pending-run-<runId>.dat"
    static QString pathFor(const QString &runId);
    // Every pending record left in the Results folder, oldest first.
    static QStringList leftBehind();

    QString path() const { return pathFor(runId); }
    // The result row as filed, "\n" included (rowStamp must be set).
    QByteArray resultRow() const;
    // The PDF the run's report is filed as.
    QString reportPath() const;

    bool save(QString *error = nullptr) const;
    static std::optional<PendingRun> load(const QString &path, QString *error = nullptr);
};

// Names the test block in progress (patient, task, session) and holds its "interrupted" row.
// Written when the trial log is opened for a test block and removed when the block ends
// normally; one left by a crash becomes the "interrupted" row at the next start.
struct RunMarker
{
    QString runId;
    int task = 0;
    int session = 0;
    QString patientKey;
    qint64 logOffset = 0;        // size of the trial log when the block began
    QByteArray interruptedRow;   // the row that closes the block, "\n" included

    static QString path();       // "../Results/run-in-progress.dat"
    bool save(QString *error = nullptr) const;
    static std::optional<RunMarker> load(QString *error = nullptr);
    static void remove();
};

// A hook for the crash tests: when the environment variable KESTROVA_CRASH_AT names this
// step, the process is killed (SIGKILL) on the spot, as a power cut would stop it.
void crashPoint(const char *step);
