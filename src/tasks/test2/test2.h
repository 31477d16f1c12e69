#pragma once

#include <array>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTime>

#include "support/taskrecords.h"
#include "tasks/test2/attentionscore.h"
#include "ui_test2.h"

class Calibration;
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
class Test2 : public QDialog
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
    void toPb_results();
    void toPb_mainMenu();
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
    void closeEvent(QCloseEvent *event) override;

private:
    enum { phaseTest = 0 };

    QTimer *makeTimer(void (Test2::*slot)());
    // Starts a stimulus timer for ms from now, with its deadline on the trial's clock.
    void startStep(QTimer *timer, int ms);
    void awaitStepDeadline() const;
    void readSetting(QLineEdit *field, int &setting, int minimum);
    void showTimeCycle();
    void placeAtCenter(QWidget *widget);
    QPoint frameBottomRight(const QWidget *widget) const;
    void moveCursorTo(const QWidget *widget);
    void parkCursor();
    void arrowCursorAtCenter();
    void hideStimuli();
    void stopAllTimers();
    void stopTrialTimers();
    void stopDemoTimers();
    void showInstruction(const QString &text);
    void showPhase(int phase);
    void showConditionInstructions(const QString &text);
    void startDemonstration(QTimer *first, int ms);
    void showDemoTarget();
    void prepareTraining(int cond);
    bool openTrialLog();
    void response();
    void holdTrial(int phase);
    void startAfterResponse();
    void endOfTest();
    void endWithoutResults(const char *row);
    void fileReport(bool display);
    QByteArray trialRow(int place, int rankSub, const QString &rtText) const;

    Ui::Test2Class ui;
    Calibration *cal = nullptr;
    Random *random = nullptr;
    Statistic *statistic = nullptr;
    Result *result = nullptr;
    TaskRecords records{this};

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
    int timeCycle = 0;

    int mode = 0;
    bool withInstr = false;
    bool withTrain = false;
    bool debug = false;
    bool fixedDn = false;
    int phasePlan = 0;
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
    bool inInstruction = false;
    int rt = 0;
    int trialError = 0;
    int instrStep = 0;
    int demoPlace = 0;
    // A run is open from goTest2 until results are shown or it ends without them.
    bool runOpen = false;

    AttentionScore score;
    AttentionScore::Measures measures;
    QTime duration;
    QDateTime dtSession;

    QElapsedTimer cycleClock;
    QElapsedTimer runClock;
    QElapsedTimer intervalClock;
    QElapsedTimer rtClock;
    qint64 cueOnsetNs = 0;
    qint64 intervalOnsetNs = 0;
    qint64 stepDeadlineNs = 0;

    int centerX = 512;
    int centerY = 384;
    static constexpr int frameHalfWidth = 512;
    static constexpr int frameHalfHeight = 384;

    QString textNeutral;
    QString textAlerted;
    QString textOriented;
    QString textExample;
};
