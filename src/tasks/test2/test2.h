#pragma once

#include <array>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTime>

#include "tasks/taskwindow.h"
#include "tasks/test2/attentionscore.h"
#include "ui_test2.h"

class DrawArrow;
class DrawCross;
class DrawGrayRectangle;
class DrawRectangle;
class QTimer;
class Random;
class Result;
class Statistic;

// The central cue attention task: full-screen dialog in which the patient presses Space (or
// the left mouse button) as soon as a white square appears at one of eight places around the
// fixation cross, after no cue, an alerting cue or an orienting cue.
class Test2 : public TaskWindow
{
    Q_OBJECT

public:
    explicit Test2(QWidget *parent = nullptr);
    ~Test2() override;

public slots:
    void goTest2(int mode, bool withInstr, bool withTrain, bool debug, bool fixedDn);
    void toPb_go();
    void toLe_number();
    void toLe_timer01();
    void toLe_timer02();
    void toLe_timer03();
    void toLe_timer04();
    void toLe_timer05();
    void sequence0();
    void sequence1();
    void sequence2();
    void sequence3();
    void sequence4();
    void sequence5();
    void toPb_next();
    void toPb_continue();
    void i_sequence0();
    void i_sequence1();
    void i_sequence2();
    void i_sequence3();
    void i_sequence4();
    void i_sequence10();
    void i_sequence11();
    void i_sequence12();
    void i_sequence13();
    void i_sequence14();
    void i_sequence15();
    void i_sequence20();
    void i_sequence21();
    void i_sequence22();
    void i_sequence23();
    void i_sequence24();
    void i_sequence25();
    void t_sequence0();
    void t_sequence1();
    void t_sequence10();
    void t_sequence11();
    void t_sequence20();
    void t_sequence21();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    enum { phaseTest = 0 };

    void hideStimuli() override;
    void stopAllTimers() override;
    void stopTrialTimers();
    void stopDemoTimers();
    void showInstruction(const QString &text);
    void showConditionInstructions(const QString &text);
    void startDemonstration(QTimer *first, int ms);
    void showDemoTarget();
    void prepareTraining(int cond);
    void response();
    void holdTrial(int phase);
    void startAfterResponse();
    void endOfTest();
    void fileReport(bool display) override;
    int cycleLength() const override;
    void startTraining() override { t_sequence0(); }
    QByteArray trialRow(int place, int rankSub, const QString &rtText) const;

    Ui::Test2Class ui;
    Statistic *statistic = nullptr;

    DrawCross *cross = nullptr;
    DrawArrow *arrow = nullptr;
    DrawRectangle *target = nullptr;
    std::array<DrawGrayRectangle *, 7> grays{};

    // Trial chain: fixation → cue → cue-target interval → target → (response window) →
    // after-response interval.
    QTimer *fixationTimer = nullptr;
    QTimer *cueTimer = nullptr;
    QTimer *intervalTimer = nullptr;
    QTimer *responseTimer = nullptr;
    QTimer *afterTimer = nullptr;
    // Instruction demonstration loops.
    QTimer *demoTimer3 = nullptr;
    QTimer *demoTimer4 = nullptr;
    QTimer *demoTimer13 = nullptr;
    QTimer *demoTimer14 = nullptr;
    QTimer *demoTimer15 = nullptr;
    QTimer *demoTimer23 = nullptr;
    QTimer *demoTimer24 = nullptr;
    QTimer *demoTimer25 = nullptr;

    // Settings (ms), editable in the parameter panel.
    int timer01 = 400;
    int timer02 = 100;
    int timer03 = 400;
    int timer04 = 5000;
    int timer05 = 600;
    int nbTrials = AttentionScore::standardTrials;

    int condMode = 0;
    int currentCond = 0;

    QList<int> condTable;
    int condIndex = 3;
    std::array<QList<int>, AttentionScore::conditionCount> posTable;
    std::array<int, AttentionScore::conditionCount> posIndex{8, 8, 8};

    int fixDuration = 0;
    int trialStep = 0;
    bool targetShown = false;
    bool markedError = false;
    int rt = 0;
    int trialError = 0;
    int demoPlace = 0;

    AttentionScore score;
    AttentionScore::Measures measures;
    QTime duration;
    QDateTime dtSession;

    QElapsedTimer runClock;
    // The trial's stimuli on the trial clock: the cue (its start and end), the cue-target
    // interval's start and the target's onset.
    int fixationSpan = -1;
    int cueSpan = -1;
    int intervalSpan = -1;
    qint64 intervalOnsetNs = 0;
    qint64 targetOnsetNs = 0;

    QString textNeutral;
    QString textAlerted;
    QString textOriented;
    QString textExample;
};
