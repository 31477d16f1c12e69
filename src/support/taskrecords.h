#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include "support/runrecords.h"

class QWidget;

// A task window's records (RunRecords) with the messages the assessor sees when a file
// cannot be written. The window keeps one as a member and passes itself:
//
//   TaskRecords records{this};
//   if (!records.openTrialLog(2)) return;            // test phase of task 2: the box was shown
//   records.startRun();                              // run's start button
//   if (!records.writeTrialRow(row.line(), trialError)) { /* end as if interrupted */ }
//   records.writeInterruption(QStringLiteral("interrupted"));   // Escape ("paused": P)
//   records.finishRun(completedRun);                 // completed run (CompletedRun)
//   records.closeTrialLog();                         // the task stops
//   records.reportFiled(pdfPath);                    // the run's report was filed
//
// Messages are warning boxes titled "Error"; while one shows, the window's style sheet is
// the light grey "background-color:rgb(230, 230, 230)", and black again afterwards.
class TaskRecords
{
    Q_DECLARE_TR_FUNCTIONS(TaskRecords)

public:
    explicit TaskRecords(QWidget *window);

    // Opens the trial log for a test phase. On failure the window hides and is told
    // "Failed to open output.csv" with the system's reason, and false says the phase must
    // not start.
    bool openTrialLog(int task);
    void closeTrialLog();
    bool isTrialLogOpen() const { return m_files.isTrialLogOpen(); }

    void startRun() { m_files.startRun(); }
    // Failures of these writes are told when the log is closed, not in the middle of a timed
    // trial. A trial row that could not be written (full disk) returns false: the window ends
    // the run at once as if interrupted, and closing the log tells the assessor why.
    bool writeTrialRow(const QByteArray &row, bool isError) { return m_files.writeTrialRow(row, isError); }
    void writeInterruption(const QString &word) { m_files.writeInterruption(word); }

    // The end-of-run sequence (RunRecords::finishRun). Every file that could not be written
    // is told in one box; returns whether everything was filed.
    bool finishRun(const CompletedRun &run);
    void reportFiled(const QString &pdfPath) { m_files.reportFiled(pdfPath); }
    // Tells the pending failures, if any; returns whether there were none.
    bool reportFailures();

    RunRecords &files() { return m_files; }

    // The text of one failure as the box shows it.
    static QString describe(const RecordFailure &failure);

private:
    void warn(const QString &text);

    QWidget *m_window;
    RunRecords m_files;
};
