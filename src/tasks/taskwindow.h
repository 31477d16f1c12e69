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
class QLineEdit;
class Random;
class Result;
class QPushButton;


// What every full-screen task window does, so that a task holds only its form, its stimuli,
// its trial chain and its scoring. A task derives from it and, in its constructor:
//
//   setupCommon(ui.lbl_mode, ui.pb_results, ui.pb_mainMenu);   // phase label, results buttons
//   setupFrame(ui.pb_go, ui.pb_next, ui.pb_continue, ui.lbl_instruction);
//   setupPanel(ui.fr_debug, ui.le_task, ui.le_subtask, ui.le_pitch, ui.le_timeTc);
//   fixationTimer = makeStepTimer(&Test2::sequence1);         // one per timed step
//
// A trial then runs on its own monotonic clock:
//
//   startTrialClock();  startStep(fixationTimer, 400);         // first step of the trial
//   void sequence1() { awaitStepDeadline(); …change stimuli…; presentNow();
//                      cue = stampOnset("cue", 100); startStep(cueTimer, 100); }
//   reaction time = pressArrivalNs() - span(target).onsetNs, in the key handler
//
// A run starts with beginRun(mode, withInstr, withTrain, debug, fixedDn) and the settings'
// defaults (setSetting), and ends with showResultsButtons() (results filed) or
// endWithoutResults("interrupted"); Escape ends it at any moment.
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
    // The block's "GO", the "Continue" of the instruction screens, the "Continue" after a pause
    // or a marked error, and the instruction text.
    void setupFrame(QPushButton *go, QPushButton *next, QPushButton *resume, QLabel *instruction);
    // The parameter panel, shown with `debug`, and its fields for the task number, the mode,
    // the pixel pitch and the trial cycle of fixed-duration mode.
    void setupPanel(QWidget *panel, QLineEdit *task, QLineEdit *subtask, QLineEdit *pitch, QLineEdit *timeCycle);

    // --- The run. beginRun stops the timers, goes full screen, seeds the process-wide
    // generator from the clock, keeps the options of the task's go… call (phasePlan = 1 with
    // instructions + 2 with training; 0 is the test block alone), fills the panel and shows it
    // with `debug`, and places the frame's buttons: both "Continue" at the bottom right,
    // hidden, the instruction text in the centre, "GO" hidden.
    void beginRun(int mode, bool withInstr, bool withTrain, bool debug, bool fixedDn);
    // Opens the trial log for the test block and, when it opened, offers its "GO" in the centre.
    bool offerTestBlock();
    // The first screen of the run by phasePlan: the test block's "GO"; the first instruction
    // screen, showing `instruction` and "Continue" (instrStep 0); or the training block's set-up
    // (startTraining()).
    void showFirstScreen(const QString &instruction);
    virtual void startTraining() {}
    // The reaction time as the trial log holds it: empty after an assessor-marked error, whose
    // time then counts as 0.
    static QString loggedRt(int &rt, bool markedError);
    // A setting of the panel: set to `value`, or read from its field, where a value that is not
    // a whole number of at least `minimum` is refused (the setting keeps its value and the field
    // shows it again). In fixed-duration mode the panel then shows cycleLength() again.
    void setSetting(QLineEdit *field, int &setting, int value);
    void readSetting(QLineEdit *field, int &setting, int minimum);
    // The whole trial of fixed-duration mode, from the task's settings.
    virtual int cycleLength() const { return 0; }

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
    // The same for a window that runs several tasks (the visual recognition battery and its
    // subtasks): the test block belongs to task number `task`.
    bool openTrialLog(int task);
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

    // Escape ends the run without results; a task passes the keys it does not handle here.
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    const int taskNumber;
    Calibration *cal = nullptr;
    TaskRecords records{this};
    // A run is open from the task's go… call until results are shown or it ends without them.
    bool runOpen = false;
    // The run's options (beginRun).
    int mode = 0;
    bool withInstr = false;
    bool withTrain = false;
    bool debug = false;
    bool fixedDn = false;
    int phasePlan = 0;
    bool inInstruction = false;
    int timeCycle = 0;
    int instrStep = 0;
    // Every task owns its random play tables and its report.
    Random *random = nullptr;
    Result *result = nullptr;

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
    QPushButton *m_go = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_resume = nullptr;
    QLabel *m_instruction = nullptr;
    QWidget *m_panel = nullptr;
    QLineEdit *m_panelTask = nullptr;
    QLineEdit *m_panelMode = nullptr;
    QLineEdit *m_panelPitch = nullptr;
    QLineEdit *m_panelCycle = nullptr;

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
