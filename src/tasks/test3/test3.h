#pragma once

#include <array>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

#include "tasks/taskwindow.h"
#include "tasks/test3/motionfield.h"
#include "tasks/test3/motionscore.h"
#include "ui_test3.h"

class DrawArrow;
class DrawBorder;
class DrawCross;
class MotionFieldView;
class QLineEdit;
class QTimer;
class Random;
class Result;
class Statistic;

// The movement detection task: a field of 80 white squares crossed by drifting gratings; a
// central arrow points at one of the eight squares next to the centre, the patient presses
// Space as soon as they see which way its grating drifts, then reports the direction with one
// of four arrow buttons (or the arrow keys).
class Test3 : public TaskWindow
{
    Q_OBJECT

public:
    explicit Test3(QWidget *parent = nullptr);
    ~Test3() override;

    // How the motion ran over the current run, on the trial's monotonic clock: the interval
    // between consecutive motion steps, the time each step took to move the gratings and put
    // them on the screen, and how late the arrow came after its deadline.
    struct MotionTiming
    {
        int nominalMs = 15;
        std::vector<double> intervalMs;
        std::vector<double> workMs;
        std::vector<double> arrowDelayMs;
    };
    const MotionTiming &motionTiming() const { return timing; }

public slots:
    void goTest3(int mode, bool withInstr, bool withTrain, bool debug, bool fixedDn);
    void toPb_go();
    void toPb_right();
    void toPb_down();
    void toPb_left();
    void toPb_up();
    void toPb_center();
    void toLe_number();
    void toLe_timer01();
    void toLe_timer02();
    void toLe_timer03();
    void toLe_timer04();
    void toLe_timer05();
    void toLe_timer06();
    void toLe_timerMov();
    void toPb_next();
    void toPb_continue();
    void sequence0();
    void sequence1();
    void sequence2();
    void sequence3();
    void sequence4();
    void sequence5();
    void sequence6();
    void sequenceMov();
    void reportAnswer();
    void resultAnswer();
    void i_sequence0();
    void i_sequence1();
    void i_sequence2();
    void i_sequence3();
    void i_sequence4();
    void i_sequence5();
    void i_sequence6();
    void i_sequence7();
    void i_sequence8();
    void t_sequence0();
    void t_sequence1();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void stopAllTimers() override;
    void hideStimuli() override;
    void fileReport(bool display) override;
    int cycleLength() const override;
    void startTraining() override { t_sequence0(); }

private:
    enum { phaseTest = 0 };

    void setAnswerButtonsVisible(bool visible);
    // The field still, shown, with fresh directions of the subtask.
    void showFieldAtRest(int subtask);
    void startMotion();
    void stopMotion();
    void showArrow(int place);
    void answerDirection(int direction);
    void response();
    void prepareTestBlock();
    void endOfTest();
    QByteArray trialRow(const QString &rtText) const;
    int targetDirection() const;

    Ui::Test3Class ui;
    Statistic *statistic = nullptr;

    MotionFieldView *field = nullptr;
    DrawCross *cross = nullptr;
    DrawArrow *arrow = nullptr;
    DrawBorder *frame = nullptr;

    // Trial chain: still field → motion → arrow → (response time-out) → answer buttons →
    // (answer time-out) → interval after the answer.
    QTimer *stillTimer = nullptr;      // sequence1: motion onset
    QTimer *arrowTimer = nullptr;      // sequence2: arrow onset
    QTimer *responseTimer = nullptr;   // sequence3: from then on P works; the time-out starts
    QTimer *timeoutTimer = nullptr;    // sequence4: no response (fixed duration)
    QTimer *answerTimer = nullptr;     // sequence5: no answer (fixed duration)
    QTimer *afterTimer = nullptr;      // sequence6: end of trial
    QTimer *motionTimer = nullptr;     // sequenceMov, every timerMov

    // Settings (ms), editable in the parameter panel.
    int timer01 = 400;
    int timer02 = 0;
    int timer03 = 500;
    int timer04 = 2500;
    int timer05 = 2500;
    int timer06 = 600;
    int timerMov = 15;
    int nbTrials = MotionScore::standardTrials;

    int trialStep = 0;
    bool targetShown = false;
    bool markedError = false;
    bool paused = false;
    bool correct = false;
    int rt = 0;
    int trialError = 0;

    QList<int> subtaskTable;
    int subtaskIndex = 3;
    QList<int> targetTable;
    int targetIndex = 8;
    int subtask = 0;
    int motionStep = 0;

    MotionScore score;
    MotionScore::Measures measures;
    QTime duration;
    QDateTime dtSession;
    QElapsedTimer runClock;
    qint64 cycleStartNs = 0;

    // Stamps of the current trial on the trial clock.
    qint64 motionStartNs = 0;
    qint64 lastStepNs = -1;
    int arrowSpan = -1;
    MotionTiming timing;

    QString textTask;
    QString textExample;
};
