#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QPoint>
#include <QString>
#include <QTime>

#include "tasks/taskwindow.h"
#include "tasks/test4/crossseries.h"
#include "tasks/test4/memoryscore.h"
#include "ui_test4.h"

class DrawCircle;
class DrawCross;
class DrawCrossDot;
class DrawCrossThick;
class DrawLineSh;
class QLineEdit;
class QTimer;
class Statistic;

// The working memory task: full-screen dialog in which a series of two to seven crosses is
// shown one after another in a ring around the fixation cross, after which the patient points
// with the mouse first at where the last cross was and then at where the first cross was.
// The distances of the two clicks to the true places, in millimetres, are its measure.
class Test4 : public TaskWindow
{
    Q_OBJECT

public:
    explicit Test4(QWidget *parent = nullptr);
    ~Test4() override;

public slots:
    void goTest4(bool withInstr, bool withTrain, bool debug);
    void toPb_go();
    void toLe_number();
    void toLe_timer01();
    void toLe_timer02();
    void toLe_timer03();
    void toLe_timer04();
    void toLe_timer05();
    void sequence0();
    void sequence01();
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
    void i_sequence5();
    void t_sequence0();
    void t_sequence1();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void stopAllTimers() override;
    void hideStimuli() override;
    void fileReport(bool display) override;
    void startTraining() override;

private:
    enum { phaseTest = 0 };

    void showNextCross();
    void answer(QPoint click);
    void acceptClicks(bool accept);
    void endAnswerPhase();
    void pauseTrial();
    void endOfRun();
    void endOfTest();
    void showCaption(const QString &text);
    QPoint exampleCross(double angle) const;
    QByteArray trialRow(int load) const;

    Ui::Test4Class ui;
    Statistic *statistic = nullptr;

    DrawCross *fixation = nullptr;
    DrawCrossThick *thick1 = nullptr;   // the first cross, then the answer at the first cross
    DrawCrossThick *thick2 = nullptr;   // the later crosses, then the answer at the last cross
    DrawCrossDot *dot1 = nullptr;       // instruction example: the places to remember
    DrawCrossDot *dot2 = nullptr;
    DrawCircle *outerCircle = nullptr;  // the ring the crosses lie in, shown with S
    DrawCircle *innerCircle = nullptr;
    DrawLineSh *sectorLines = nullptr;

    // Trial chain: continue → delay (timer1) → cross (timer2) → blank (timer3) → … → answers
    // → answer crosses (timer5) → scored.
    QTimer *timer1 = nullptr;
    QTimer *timer2 = nullptr;
    QTimer *timer3 = nullptr;
    QTimer *timer4 = nullptr;
    QTimer *timer5 = nullptr;

    // Settings (ms), editable in the parameter panel.
    int timer01 = 1000;
    int timer02 = 500;
    int timer03 = 1000;
    int timer04 = 5000;
    int timer05 = 1000;
    int number = MemoryScore::standardTrials;

    // 0 waiting for "Continue", 1 delay before the first cross, 2 cross shown, 3 blank,
    // 4 answer phase, 5 answers shown.
    int trialStep = 0;
    bool firstTrialOfRun = false;
    bool clicksAccepted = false;
    bool awaitingLast = false;
    int trialError = 0;
    double distFirst = 9999.0;
    double distLast = 9999.0;
    int clickX = 0;
    int clickY = 0;

    QList<int> playTab6;
    int tabIndex = MemoryScore::loadCount;
    CrossSeries series;
    int crossSpan = -1;
    int blankSpan = -1;

    MemoryScore score;
    MemoryScore::Measures measures;
    QDateTime trialStamp;
    QElapsedTimer runClock;
    QTime duration;

    QPoint exampleFirst;
    QPoint exampleLast;

    QString textMemory;
    QString textFirstPlace;
    QString textSecondPlace;
    QString textThirdPlace;
    QString textLastPlace;
};
