#pragma once

#include <QDate>
#include <QString>

#include "context/screenparams.h"

// The facts every window shares for the whole run: the current patient and its seven session
// counters, the screen parameters, the interface language and the flags by which dialogs and
// task windows tell the main window that something happened. One instance per process;
// windows reach it through their Calibration object's accessor slots.
struct SharedContext
{
    static constexpr int taskCount = 7;

    ScreenParams screen;
    int language = 0;
    bool pitchError = false;

    QString patientName;   // display key of the current patient
    QString gender;
    QString lastName;
    QString firstName;
    QDate dob;

    bool newPatient = false;
    bool assessor = false;
    bool escapeSeq = false;

    int sessionNb[taskCount] = {};

    static SharedContext &instance();
    // Back to the values of a freshly started process (used by tests).
    static void reset();

    // Phase labels shown by the task windows: 0 "INSTRUCTIONS", 1 "TRAINING", 2 "PAUSE",
    // 3 "ERROR"; any other index gives an empty text.
    static QString mode(int index);
};
