#pragma once

#include <QtTest>

#include "taskrun.h"

// A task started for its instructions only: `screens` screens, each left by "Next" while Space
// and P do nothing, then the window closes without a trace in any file of table `task`.
template <typename Window>
void checkInstructionsOnly(TaskRun<Window> &run, int screens, int task)
{
    auto *next = run.template get<QPushButton>("pb_next");
    QCOMPARE(run.template get<QLabel>("lbl_mode")->text(), QStringLiteral("INSTRUCTIONS"));
    for (int click = 0; click < screens; ++click) {
        QVERIFY2(run.window->isVisible() && next->isVisible(), qPrintable(QString::number(click)));
        QTest::mouseClick(next, Qt::LeftButton);
        run.key(Qt::Key_Space);
        run.key(Qt::Key_P);
    }
    run.checkLeftWithoutTrace(task);
}
