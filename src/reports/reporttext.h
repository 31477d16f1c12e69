#pragma once

#include <array>
#include <optional>

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTime>

// The text of a task's one-page report: a shipped HTML template whose placeholders are
// replaced by the assessor, the patient, the session and the task's measures.
namespace ReportText {

// A placeholder and the text that replaces it.
using Values = QList<QPair<QString, QString>>;

struct Patient
{
    QString firstName;
    QString lastName;
    QDate dob;
};

struct Session
{
    QDateTime dtSession;   // start of the run
    int session = 0;       // the task's session counter
    QTime duration;        // length of the run
    int trials = 0;
};

// The session as shown and filed: two digits at least ("07", "12", "123").
QString sessionText(int session);
// "Kestrova_Task1.html" … "Kestrova_Task4.html".
QString templateName(int task);
// Where the report of task N is filed: in the patient's archive folder, named after the task,
// the session and the patient's display key.
QString pdfPath(int task, const QString &sessionText, const QString &patientKey);

// A count as a plain decimal.
QString integer(int value);
// A measure with the user's locale (decimal comma in French), right-aligned in width
// characters, with the given number of decimals.
QString decimal(double value, int width, int decimals);

// The task placeholders with their texts, from the measures in the order the report slots
// take them.
// Visual recognition: per subtask (central, peripheral, dual) the exposure threshold, errors,
// reversals, upper bound and its limit, lower bound and its limit.
Values task1(const std::array<int, 21> &values);
// Central cue attention: per cue (neutral, alerting, orienting) the corrected reaction time,
// its error, the learning slope and its r2.
Values task2(const std::array<double, 12> &values);
// Movement detection: reaction time, error, slope, r2 and the three direction measures.
Values task3(const std::array<double, 7> &values);
// Working memory: mean distance of the first and last cross, error, log slope and r2,
// slope, intercept and r2 of the load.
Values task4(const std::array<double, 8> &values);

// A task's report as a completed run keeps it until the PDF is filed, so that a report left
// unfiled by a crash can be filed at the next start exactly as the run would have filed it.
struct Report
{
    int task = 0;            // report of task 1 … 4
    Patient patient;
    QString patientKey;      // display key: names the archive folder and the PDF
    Session session;
    QList<double> measures;  // the task's measures in the order of its report slot
};

// The task placeholders of a stored report (task1 … task4 of its measures; a missing measure
// counts as 0).
Values taskValues(int task, const QList<double> &measures);

// The filled report: version, then the assessor (empty text when the assessor file could not
// be read), the patient and session, then the task's values.
QString fill(QString html, const std::optional<QStringList> &assessor, const Patient &patient,
             const Session &session, const Values &taskValues);

} // namespace ReportText
