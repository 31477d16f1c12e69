#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// A records file that could not be written, as the assessor is told about it.
struct RecordFailure
{
    enum Step { Open, Write, CreateFolder };
    Step step;
    QString name;    // the file's name ("output.csv"), or the folder's path
    QString error;   // the system's error text
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

    // Start of a test phase. On failure returns false with the system's error text and the
    // phase must not start. A trial log found missing or empty gets its header first.
    bool openTrialLog(QString *error = nullptr);
    bool isTrialLogOpen() const { return m_trialLog.isOpen(); }
    void closeTrialLog();

    // Start of a run (its start button): empties the valid rows.
    void startRun();
    // Writes a trial row (its "\n" included) to the trial log; a row that is not an error is
    // also kept with the run's valid rows.
    void writeTrialRow(const QByteArray &row, bool isError);
    // The "interrupted" or "paused" row.
    void writeInterruption(const QString &word);
    QByteArray validRows() const { return m_validRows; }

    // End of a completed run, in this order: the patient's session counter of the task (1 … 7)
    // in the patient list, the archive folder, the valid rows, the result row (for result
    // table 1 … 4, its "\n" included) in the archive copy and in the result table.
    void finishRun(int task, int table, const QByteArray &resultRow);
    // The steps of finishRun, for a task that has to do something between them.
    void countSession(int task);
    void createArchiveFolder();
    void fileValidRows();
    void fileResultRow(int table, const QByteArray &resultRow);

    bool hasFailures() const { return !m_failures.isEmpty(); }
    // The failures so far, oldest first; the list is emptied.
    QList<RecordFailure> takeFailures();

private:
    // Appends data to the file at path, with the header line first when the file is absent.
    void appendRecord(const QString &path, const char *header, const QByteArray &data);
    void addFailure(RecordFailure::Step step, const QString &name, const QString &error);

    QFile m_trialLog;
    QByteArray m_validRows;
    QList<RecordFailure> m_failures;
};
