#pragma once

#include <QDate>
#include <QString>

class Kestrova;
class TaskStrategy;

// Runs one task through the real windows as the assessor would: the patient is added through
// the new-patient dialog when the list does not hold it, chosen in the combo, the options are
// set (no instructions, training as the strategy asks, "Parameters"), the screen calibrated
// through the preferences when the task needs it and it has not been, the task's button is pressed, the
// strategy does the block, "Main Menu" files the report. Every step that does not happen in
// time ends the run with a message saying which.
class Driver
{
public:
    struct Patient
    {
        QString lastName;
        QString firstName;
        QDate dob;
        QString key() const;
    };

    Driver(Kestrova &mainWindow, TaskStrategy &strategy, const Patient &patient);
    // The lengths in mm the assessor measures on the two rulers when the screen has no
    // calibration yet (1000 and 500 pixels long).
    void setRulers(int horizontalMm, int verticalMm);

    // Returns false and sets error at the first step that fails. On success resultRow holds
    // the run's row of the result table.
    bool run(QString *error);
    QString resultRow() const { return m_resultRow; }
    QString reportPath() const { return m_reportPath; }

private:
    bool waitForStartUp(QString *error);
    bool ensureCalibration(QString *error);
    bool ensurePatient(QString *error);
    bool choosePatient(QString *error);
    bool setOptions(QString *error);
    bool runTask(QString *error);
    bool fileReport(QString *error);

    Kestrova &m_main;
    TaskStrategy &m_strategy;
    Patient m_patient;
    int m_horizontalRuler = 270;
    int m_verticalRuler = 135;
    int m_session = 0;
    QString m_resultRow;
    QString m_reportPath;
};
