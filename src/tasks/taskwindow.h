#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QTimer>

#include "support/taskrecords.h"

class Calibration;
class RecordRow;
class QLabel;
class QPushButton;


// What every full-screen task window does, so that a task holds only its form, its stimuli,
// its trial chain and its scoring. A task derives from it and, in its constructor:
//
//   setupCommon(ui.lbl_mode, ui.pb_results, ui.pb_mainMenu);   // phase label, results buttons
//   fixationTimer = makeStepTimer(&Test2::sequence1);         // one per timed step
//
// A trial then runs on its own monotonic clock:
//
//   startTrialClock();  startStep(fixationTimer, 400);         // first step of the trial
//   void sequence1() { awaitStepDeadline(); …change stimuli…; presentNow();
//                      cue = stampOnset("cue", 100); startStep(cueTimer, 100); }
//   reaction time = pressArrivalNs() - span(target).onsetNs, in the key handler
//
// and ends with showResultsButtons() (results filed) or endWithoutResults("interrupted").
//
// Presses are judged by when they arrived: while a step waits out the last moments before its
// deadline, input is taken from the window system, stamped, and handed to the task's handlers
// once the step has changed the screen, with pressArrivalNs() telling its arrival.
class TaskWindow : public QDialog
{
    Q_OBJECT

public:
    // One stimulus on screen: when it was shown and hidden on the trial clock (ns), against
    // how long it was meant to be up. offsetNs is -1 while it is up.
    struct StimulusSpan
    {
        int trial = 0;
        QByteArray label;
        int nominalMs = 0;
        qint64 onsetNs = 0;
        qint64 offsetNs = -1;
        double errorMs() const { return (offsetNs - onsetNs) / 1e6 - nominalMs; }
    };

    TaskWindow(int taskNumber, QWidget *parent = nullptr);
    ~TaskWindow() override;

    // The spans of the current run, oldest first (kept for the debug output and the
    // simulated patient's timing summary).
    const QList<StimulusSpan> &stimulusSpans() const { return m_spans; }
    bool isRunOpen() const { return runOpen; }

public slots:
    // The results buttons: file the report (shown for "Results") and close the window.
    void toPb_results();
    void toPb_mainMenu();

protected:
    // The task's part of the common behaviour.
    virtual void stopAllTimers() = 0;
    virtual void hideStimuli() = 0;
    // Files the run's report through the task's Result dialog (goResult1 … 4).
    virtual void fileReport(bool display) = 0;

    void setupCommon(QLabel *phaseLabel, QPushButton *results, QPushButton *mainMenu);

    // --- Screen and frame: the stimuli are laid out in a 1024 × 768 frame centred on the
    // screen; outside it the screen is black.
    void enterFullScreen();
    void placeAtCenter(QWidget *widget) const;
    void placeCenteredAt(QWidget *widget, QPoint centre) const;
    QPoint frameTopLeft() const;
    QPoint frameTopRight(const QWidget *widget) const;
    QPoint frameBottomLeft(const QWidget *widget) const;
    QPoint frameBottomRight(const QWidget *widget) const;
    void moveCursorTo(const QWidget *widget);
    void moveCursorTo(QPoint windowPoint);
    // During trials the pointer is invisible and parked out of the way.
    void parkCursor();
    void arrowCursorAtCenter();
    // The phase label ("INSTRUCTIONS", "TRAINING", "PAUSE", "ERROR") at the frame's top right.
    void showPhase(int phase);
    void hidePhase();
    // The light grey background of a message box, and black again.
    void setBlackBackground();

    // --- Timed steps
    template<typename Task>
    QTimer *makeStepTimer(void (Task::*slot)())
    {
        QTimer *timer = newStepTimer();
        connect(timer, &QTimer::timeout, static_cast<Task *>(this), slot);
        return timer;
    }
    void startTrialClock();
    qint64 clockNs() const { return m_trialClock.nsecsElapsed(); }
    // Starts a step that ends ms from now on the trial clock; its timer wakes a little early
    // and the step's slot waits out the rest with awaitStepDeadline().
    void startStep(QTimer *timer, int ms);
    void awaitStepDeadline();
    // Paints and flushes to the screen what the step has just changed, without waiting for the
    // event loop, so that the onset stamped next is the moment the change was handed over.
    void presentNow();
    // Stamps a stimulus as shown now (returns its index for stampOffset) or hidden now.
    int stampOnset(const char *label, int nominalMs);
    void stampOffset(int span);
    const StimulusSpan &span(int index) const { return m_spans.at(index); }
    void clearStimulusSpans() { m_spans.clear(); }

    // --- Input: the arrival of the key or button press being handled, on the trial clock.
    qint64 pressArrivalNs() const { return m_pressNs; }
    // Milliseconds from a stamp on the trial clock to the press's arrival (negative before).
    double pressMsAfter(qint64 stampNs) const { return (m_pressNs - stampNs) / 1e6; }

    // --- Records and the end of a run
    // Opens the trial log for a test block; on failure the assessor has been told, the run
    // ends without being counted and false says the block must not start.
    bool openTrialLog();
    // Escape, the end of an instructions-only run or the window closed in the middle of a run:
    // `row` ("interrupted", or none) goes to the trial log, nothing is counted, and the main
    // window restores the session counter.
    void endWithoutResults(const char *row);
    // The end of a completed run of this window's task and result table (CompletedRun): the
    // result row's columns after its date and time, and the report's session and measures
    // in the order of the task's goResult slot. A task with more to file calls
    // records.finishRun itself.
    bool finishRun(const RecordRow &columns, const ReportText::Session &session, const QList<double> &measures);
    // The run's results are filed: the screen is cleared and the two results buttons shown.
    void showResultsButtons();

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    const int taskNumber;
    Calibration *cal = nullptr;
    TaskRecords records{this};
    // A run is open from the task's go… call until results are shown or it ends without them.
    bool runOpen = false;

    int centerX = 512;
    int centerY = 384;
    static constexpr int frameHalfWidth = 512;
    static constexpr int frameHalfHeight = 384;

private:
    QTimer *newStepTimer();
    void fileReportAndClose(QPushButton *button, bool display);
    bool isOwnInput(QObject *watched) const;
    void deliverDeferredInput();

    struct DeferredInput
    {
        QPointer<QObject> receiver;
        QEvent *event;
        qint64 arrivalNs;
    };

    QLabel *m_phaseLabel = nullptr;
    QPushButton *m_results = nullptr;
    QPushButton *m_mainMenu = nullptr;

    QElapsedTimer m_trialClock;
    qint64 m_deadlineNs = 0;
    bool m_waiting = false;
    bool m_replaying = false;
    qint64 m_pressNs = 0;
    // A press stamped where the window system delivered it, before it reached a widget.
    qint64 m_windowPressNs = -1;
    QList<DeferredInput> m_deferred;
    QList<StimulusSpan> m_spans;
    int m_trial = 0;
};
