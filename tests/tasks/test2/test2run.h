#pragma once

// The attention task in an installed tree with one patient, shared by its flow and timing
// suites.

#include <QtTest>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "taskrun.h"
#include "tasks/test2/targetplaces.h"
#include "tasks/test2/test2.h"

namespace {
const QByteArray logHeader = trialLogHeader();
const QByteArray patientRecord = "Mrs.;Zeller;Anna;05.06.1944;0;4;0;0;0;0;0;0;0;0\r\n";
const QString patientKey = QStringLiteral("Zeller Anna 05.06.1944");
const QByteArray pausedRow = ";Mrs.;Zeller;Anna;05/06/1944;paused";

using Clock = std::chrono::steady_clock;

// Calls back when one of the watched stimuli is shown or hidden, with the moment on the
// monotonic clock.
struct StimulusWatch : QObject
{
    std::function<void(QObject *, bool shown, Clock::time_point)> seen;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            seen(watched, event->type() == QEvent::Show, Clock::now());
        return false;
    }
};

// Presses Space at a given moment from another thread, so that the press arrives whatever the
// task's thread is doing then (waiting out a step's last moments, for instance).
struct Presser
{
    std::vector<std::thread> threads;
    std::deque<Clock::time_point> sent;   // when each press was actually posted
    ~Presser()
    {
        for (auto &thread : threads)
            thread.join();
    }
    const Clock::time_point *pressAt(QWidget *window, Clock::time_point when)
    {
        auto *press = new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        auto *release = new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        Clock::time_point *slot = &sent.emplace_back();
        threads.emplace_back([window, when, press, release, slot] {
            std::this_thread::sleep_until(when);
            *slot = Clock::now();
            // Stamped like the window system's input, in ms of the monotonic clock.
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(slot->time_since_epoch());
            press->setTimestamp(quint64(ms.count()));
            release->setTimestamp(quint64(ms.count()));
            QCoreApplication::postEvent(window, press);
            QCoreApplication::postEvent(window, release);
        });
        return slot;
    }
};

// The attention task with its session raised to 5.
struct Run : TaskRun<Test2>
{
    Run() : TaskRun(patientRecord, {2}, 5) {}

    // Opens the parameter panel (debug) and starts a test block of `number` valid trials.
    void go(bool fixedDn = false, int number = 96)
    {
        window->goTest2(0, false, false, true, fixedDn);
        if (number != 96)
            setField("le_number", QString::number(number));
        click("pb_go");
    }
    // Fixation, cue and interval: `stages` of them, the target shown after all three.
    void toStage(int stages)
    {
        const char *steps[] = {"sequence1", "sequence2", "sequence3"};
        for (int i = 0; i < stages; ++i)
            step(steps[i]);
    }
    // The place (0 … 7) at which the target stands.
    int targetPlace() const
    {
        const QPoint at = stimulus("DrawRectangle")->pos();
        for (int place = 0; place < 8; ++place) {
            if (TargetPlaces::topLeft(window->width() / 2, window->height() / 2, place) == at)
                return place;
        }
        return -1;
    }
    // A block on the real timers with short fixed parts, `number` valid trials.
    void goTimed(int number)
    {
        window->goTest2(0, false, false, true, false);
        setField("le_timer01", QStringLiteral("0"));
        setField("le_timer05", QStringLiteral("0"));
        setField("le_number", QString::number(number));
        click("pb_go");
    }
    int condition() const { return get<QLineEdit>("le_subtask")->text().toInt(); }
    void validTrial()
    {
        toStage(3);
        key(Qt::Key_Space);
        step("sequence5");
    }
};
} // namespace
