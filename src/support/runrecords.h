#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#include "reports/reporttext.h"
#include "support/pendingrun.h"

// A records file that could not be written, as the assessor is told about it.
struct RecordFailure
{
    enum Step { Open, Write, CreateFolder };
    Step step;
    QString name;    // the file's name ("output.csv"), or the folder's path
    QString error;   // the system's error text
};

// What a task files at the end of a completed run, besides the valid rows kept by the
// records themselves.
struct CompletedRun
{
    int task = 0;                                  // 1 … 7: its session counter is counted
    int table = 0;                                 // result table 1 … 4
    QList<QPair<int, QString>> otherFields;        // further patient list fields (training values)
    QByteArray resultColumns;                      // result row columns after date and time
    QDateTime rowStamp;                            // the row's own stamp; null: when it is filed
    ReportText::Report report;                     // task, session and measures of the report
};

// A run left behind by a crash and completed at the next start; whole: every step worked.
struct LeftRun
{
    PendingRun run;
    bool whole = false;
};

// The files a task run leaves behind, in one place for every task:
// - the trial log "../Results/output.csv", opened for appending at the start of a test phase
//   and kept open until the task stops; every trial row of the phase is written at once, and
//   an interrupted or paused run adds a six-field row;
// - the valid rows of the run, kept in memory and filed at the end of a completed run in
//   "../Results/valid-output.csv";
// - the run's result row, filed in the patient's archive copy
//   "../Archives/<key>/results_T<n>_<key>.csv" and then in "../Results/results_T<n>.csv".
// Every file is created with its header line when absent. Nothing is written outside a test
// phase (while the trial log is closed).
//
// Crash safety: while a test phase runs, a marker (RunMarker) names it, so that a crash
// leaves an "interrupted" row at the next start; a completed run is first written whole to a
// pending-run record (PendingRun) and then filed step by step, each step idempotent, so that
// a crash at any moment is completed at the next start (completeLeftBehind).
//
// No step stops at a failure: the remaining files are still written, and each failure is
// kept (with the file's name and the system's error text) for the task window to report.
// A write that fails leaves its file as it was.
class RunRecords
{
public:
    RunRecords() = default;
    RunRecords(const RunRecords &) = delete;
    RunRecords &operator=(const RunRecords &) = delete;

    static QString trialLogPath();
    static QString validRowsPath();
    static QString resultTablePath(int table);
    // "../Archives/<key>", the patient's archive folder (its result copies and reports).
    static QString archiveFolder(const QString &patientKey);
    static QString archiveCopyPath(int table, const QString &patientKey);
    // The header line of result table 1 … 4 (without "\n"); null for another number.
    static const char *resultHeader(int table);

    // Start-up: creates a missing trial log with its header. A log that exists is never
    // rewritten: when it cannot be read or appended to, returns false with the system's text
    // and leaves it as it is.
    static bool prepareTrialLog(QString *error = nullptr);

    // Start of a test phase of task 1 … 7. On failure returns false with the system's error
    // text and the phase must not start. A trial log found missing or empty gets its header
    // first. The phase's marker is written.
    bool openTrialLog(int task, QString *error = nullptr);
    bool isTrialLogOpen() const { return m_trialLog.isOpen(); }
    // The task stops. The marker goes unless the phase was cut off without its
    // "interrupted" row (the row could not be written): then the next start writes it.
    void closeTrialLog();

    // Start of a run (its start button): empties the valid rows.
    void startRun();
    // Writes a trial row (its "\n" included) to the trial log; a row that is not an error is
    // also kept with the run's valid rows. False when the row could not be written: the run
    // must not go on measuring.
    bool writeTrialRow(const QByteArray &row, bool isError);
    // The "interrupted" or "paused" row; false when it could not be written.
    bool writeInterruption(const QString &word);
    QByteArray validRows() const { return m_validRows; }

    // End of a completed run: the pending-run record first, then in this order the patient
    // list fields (session counter of the task, then the others), the archive folder, the
    // valid rows, the result row in the archive copy and in the result table. The record
    // stays until reportFiled.
    void finishRun(const CompletedRun &run);
    // The run's report was filed as pdfPath: the run's pending record goes, unless a step
    // failed (the next start tries the failed steps again).
    void reportFiled(const QString &pdfPath);

    // Sets patient list fields of the current patient outside a completed run (training
    // values kept by a run that ends without results); false when they could not be set.
    bool rewritePatientFields(const QList<QPair<int, QString>> &fields);

    // Start-up: the "interrupted" row of a test phase cut off by a crash, then every pending
    // record left behind, completed step by step. Returns the completed runs, whose reports
    // are still to be filed (removePending once filed); failures are kept as usual.
    QList<LeftRun> completeLeftBehind();
    static void removePending(const PendingRun &run);

    bool hasFailures() const { return !m_failures.isEmpty(); }
    // The failures so far, oldest first; the list is emptied.
    QList<RecordFailure> takeFailures();

private:
    // The end-of-run steps of a pending run; now: a live run (the row is stamped now) or a
    // run completed after a crash (stamped with its end). Returns whether every step worked.
    bool apply(PendingRun &run, bool now);
    bool setPatientFields(const QString &key, const QList<QPair<int, QString>> &fields);
    bool createArchiveFolder(const QString &key);
    // Appends data to the file at path unless its end already holds it (or the part of it
    // not yet written), with the header line first when the file is absent or empty.
    bool appendOnce(const QString &path, const char *header, const QByteArray &data);
    // Writes the "interrupted" row of a marker left behind, unless the log already ends with
    // it or the run was completed.
    void recoverMarker();
    static QString newRunId();
    void addFailure(RecordFailure::Step step, const QString &name, const QString &error);

    QFile m_trialLog;
    QByteArray m_validRows;
    QList<RecordFailure> m_failures;
    QString m_runId;
    // The phase's marker is written and the phase has not yet ended with an "interrupted" row
    // or a completed run.
    bool m_phaseOpen = false;
    // The completed run whose report is awaited, and whether all its steps worked.
    std::optional<PendingRun> m_pending;
    bool m_pendingComplete = false;
};
