#include "support/taskrecords.h"

#include <QMessageBox>
#include <QStringList>
#include <QWidget>

#include "context/paths.h"

namespace {
const QString warningStyle = QStringLiteral("background-color:rgb(230, 230, 230)");
const QString taskStyle = QStringLiteral("background-color:rgb(0, 0, 0)");
} // namespace

TaskRecords::TaskRecords(QWidget *window)
    : m_window(window)
{
}

bool TaskRecords::openTrialLog(int task)
{
    QString error;
    if (m_files.openTrialLog(task, &error))
        return true;
    m_window->hide();
    warn(describe({RecordFailure::Open, Paths::trialLogFile, error}));
    return false;
}

void TaskRecords::closeTrialLog()
{
    m_files.closeTrialLog();
    reportFailures();
}

bool TaskRecords::finishRun(const CompletedRun &run)
{
    m_files.finishRun(run);
    return reportFailures();
}

bool TaskRecords::reportFailures()
{
    const QList<RecordFailure> failures = m_files.takeFailures();
    if (failures.isEmpty())
        return true;
    QStringList texts;
    for (const RecordFailure &failure : failures)
        texts << describe(failure);
    warn(texts.join(QStringLiteral("\n\n")));
    return false;
}

QString TaskRecords::describe(const RecordFailure &failure)
{
    switch (failure.step) {
    case RecordFailure::Open:
        return tr("Failed to open %1\n%2").arg(failure.name, failure.error);
    case RecordFailure::CreateFolder:
        return tr("Failed to create %1\n%2").arg(failure.name, failure.error);
    case RecordFailure::Write:
        break;
    }
    return tr("Failed to write %1\n%2").arg(failure.name, failure.error);
}

void TaskRecords::warn(const QString &text)
{
    m_window->setStyleSheet(warningStyle);
    QMessageBox::warning(m_window, tr("Error"), text, QMessageBox::Ok);
    m_window->setStyleSheet(taskStyle);
}
