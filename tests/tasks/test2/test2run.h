#pragma once

// The attention task in an installed tree with one patient, shared by its flow and timing
// suites.

#include <QtTest>

#include "taskrun.h"
#include "tasks/test2/test2.h"

namespace {
const QByteArray patientRecord = "Mrs.;Zeller;Anna;05.06.1944;0;4;0;0;0;0;0;0;0;0\r\n";

// Fixation, cue, interval, Space at the target, the trial's end.
void playValidTrial(Test2 *task)
{
    for (const char *slot : {"sequence1", "sequence2", "sequence3"})
        QVERIFY(QMetaObject::invokeMethod(task, slot));
    QTest::keyClick(task, Qt::Key_Space);
    QVERIFY(QMetaObject::invokeMethod(task, "sequence5"));
}

// The attention task with its session raised to 5.
struct Run : TaskRun<Test2>
{
    Run() : TaskRun(patientRecord, {2}, 5) {}

    // Opens the parameter panel (debug) and starts a test block of `number` valid trials.
    void go(bool fixedDn = false, int number = 96)
    {
        window->goTest2(0, false, false, true, fixedDn);
        setField("le_number", QString::number(number));
        click("pb_go");
    }
    int condition() const { return get<QLineEdit>("le_subtask")->text().toInt(); }
    void validTrial() { playValidTrial(window.get()); }
};
} // namespace
