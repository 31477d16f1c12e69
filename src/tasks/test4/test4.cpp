// The working memory task.
//
// A trial is a chain of single-shot precise timers on the trial's monotonic clock:
//   sequence0   start of trial: fixation cross; "Continue" (the run's first trial goes on
//               by itself)
//   sequence01  the assessor continued: delay of timer01 before the first cross
//   sequence1   a cross appears at its place in the ring (the first one: thick cross #1,
//               the later ones: thick cross #2) for timer02 ms
//   sequence2   the cross is hidden: blank of timer03 ms
//   sequence3   end of the blank: the next cross (sequence1 again) until the trial has shown
//               load + 2 crosses, then the answer phase with "Last Cross ?"
//   (clicks)    left button: the place of the last cross, then of the first cross; each
//               answer is marked with a cross; timer05 ms later
//   sequence5   the trial is scored: trial-log row, valid trial or error, next trial or end
//   sequence4   E in the answer phase: no answer, the trial is an error (same load again)
// P pauses a trial in progress: it is started again from its first cross after "Continue".
//
// Run by phasePlan (1 with instructions, + 2 with training): 0 test block; 1 the worked
// example, then the window closes; 2 training of 3 valid trials, then the test block;
// 3 example, training, test block.

#include "tasks/test4/test4.h"

#include <cstdlib>
#include <iterator>

#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "calibration/calibration.h"
#include "calibration/calibrationcheck.h"
#include "context/sharedcontext.h"
#include "reports/result.h"
#include "stimuli/drawwidgets.h"
#include "support/random.h"
#include "support/recordrow.h"
#include "support/statistic.h"

namespace {
constexpr int memoryTask = 4;
constexpr int trainingTrials = 3;
constexpr int crossSize = 40;
// The worked example's crosses lie on one circle in the middle of the ring.
constexpr int exampleRadius = 150 + CrossSeries::ringRadius;
} // namespace

Test4::Test4(QWidget *parent)
    : TaskWindow(memoryTask, parent)
{
    ui.setupUi(this);
    statistic = new Statistic(this);
    statistic->hide();

    // The ring's outline lies beneath everything else on the screen.
    outerCircle = new DrawCircle(this);
    outerCircle->resize(720, 720);
    innerCircle = new DrawCircle(this);
    innerCircle->resize(360, 360);
    sectorLines = new DrawLineSh(this);
    sectorLines->resize(720, 720);
    for (QWidget *ring : {static_cast<QWidget *>(sectorLines), static_cast<QWidget *>(innerCircle),
                          static_cast<QWidget *>(outerCircle)}) {
        ring->lower();
        ring->hide();
    }
    fixation = new DrawCross(this);
    thick1 = new DrawCrossThick(this);
    thick2 = new DrawCrossThick(this);
    dot1 = new DrawCrossDot(this);
    dot2 = new DrawCrossDot(this);
    for (QWidget *cross : {static_cast<QWidget *>(fixation), static_cast<QWidget *>(thick1),
                           static_cast<QWidget *>(thick2), static_cast<QWidget *>(dot1),
                           static_cast<QWidget *>(dot2)})
        cross->resize(crossSize, crossSize);

    setupCommon(ui.lbl_mode, ui.pb_results, ui.pb_mainMenu);
    setupFrame(ui.pb_go, ui.pb_next, ui.pb_continue, ui.lbl_instruction);
    connect(ui.pb_go, &QPushButton::clicked, this, &Test4::toPb_go);
    connect(ui.pb_next, &QPushButton::clicked, this, &Test4::toPb_next);
    connect(ui.pb_continue, &QPushButton::clicked, this, &Test4::toPb_continue);
    connect(ui.le_timer01, &QLineEdit::editingFinished, this, &Test4::toLe_timer01);
    connect(ui.le_timer02, &QLineEdit::editingFinished, this, &Test4::toLe_timer02);
    connect(ui.le_timer03, &QLineEdit::editingFinished, this, &Test4::toLe_timer03);
    connect(ui.le_timer04, &QLineEdit::editingFinished, this, &Test4::toLe_timer04);
    connect(ui.le_timer05, &QLineEdit::editingFinished, this, &Test4::toLe_timer05);
    connect(ui.le_number, &QLineEdit::editingFinished, this, &Test4::toLe_number);

    timer1 = makeStepTimer(&Test4::sequence1);
    timer2 = makeStepTimer(&Test4::sequence2);
    timer3 = makeStepTimer(&Test4::sequence3);
    timer4 = makeStepTimer(&Test4::sequence4);
    timer5 = makeStepTimer(&Test4::sequence5);
    hideStimuli();
}

Test4::~Test4() = default;

// --- Set-up ---------------------------------------------------------------------------------

void Test4::goTest4(bool withInstr, bool withTrain, bool debug)
{
    stopAllTimers();
    // Distances are millimetres: without a calibration there is nothing to measure with.
    if (!CalibrationCheck::ensureCalibrated(this)) {
        runOpen = false;
        cal->setEscapeSeq(true);
        close();
        return;
    }
    beginRun(0, withInstr, withTrain, debug, false);
    textMemory = tr("Memory");
    textFirstPlace = tr("First localisation to remember");
    textSecondPlace = tr("Second localisation");
    textThirdPlace = tr("Third localisation");
    textLastPlace = tr("Fourth and last localisation");

    for (QLineEdit *answer : {ui.le_posFirst, ui.le_distFirst, ui.le_posLast, ui.le_distLast})
        answer->clear();
    score.clearRun();
    series.clear();
    acceptClicks(false);
    awaitingLast = false;
    trialStep = 0;
    ui.le_no->setText(QStringLiteral("1"));
    tabIndex = MemoryScore::loadCount;

    for (QWidget *widget : {static_cast<QWidget *>(fixation), static_cast<QWidget *>(thick1),
                            static_cast<QWidget *>(thick2), static_cast<QWidget *>(dot1),
                            static_cast<QWidget *>(dot2), static_cast<QWidget *>(outerCircle),
                            static_cast<QWidget *>(innerCircle), static_cast<QWidget *>(sectorLines)})
        placeAtCenter(widget);
    hideStimuli();
    for (QWidget *ring : {static_cast<QWidget *>(outerCircle), static_cast<QWidget *>(innerCircle),
                          static_cast<QWidget *>(sectorLines)})
        ring->hide();

    // The panel shows the pixel size of both axes, in mm.
    const ScreenParams &screen = SharedContext::instance().screen;
    ui.le_task->setText(QString::number(taskNumber));
    ui.le_horzPitch->setText(QStringLiteral("%L1").arg(screen.horzMmPerPixel(), 8, 'f', 3));
    ui.le_vertPitch->setText(QStringLiteral("%L1").arg(screen.vertMmPerPixel(), 8, 'f', 3));
    ui.fr_debug->setVisible(debug);
    setSetting(ui.le_timer01, timer01, 1000);
    setSetting(ui.le_timer02, timer02, 500);
    setSetting(ui.le_timer03, timer03, 1000);
    setSetting(ui.le_timer04, timer04, 5000);
    setSetting(ui.le_timer05, timer05, 1000);
    setSetting(ui.le_number, number, MemoryScore::standardTrials);

    for (QLabel *prompt : {ui.lbl_firstCross, ui.lbl_lastCross})
        prompt->move(centerX - frameHalfWidth + prompt->width() / 2, centerY - 360 - prompt->height() / 2);
    // The example's caption at the frame's bottom left, whole on any screen.
    ui.lbl_localisation->move(frameBottomLeft(ui.lbl_localisation));
    trialStamp = QDateTime::currentDateTime();
    duration = QTime(0, 0);
    measures = MemoryScore::Measures();
    showFirstScreen(textMemory);
}

void Test4::showCaption(const QString &text)
{
    ui.lbl_instruction->setText(text);
    ui.lbl_instruction->show();
}

void Test4::hideStimuli()
{
    for (QWidget *widget : {static_cast<QWidget *>(fixation), static_cast<QWidget *>(thick1),
                            static_cast<QWidget *>(thick2), static_cast<QWidget *>(dot1),
                            static_cast<QWidget *>(dot2), static_cast<QWidget *>(ui.lbl_firstCross),
                            static_cast<QWidget *>(ui.lbl_lastCross), static_cast<QWidget *>(ui.lbl_instruction),
                            static_cast<QWidget *>(ui.lbl_localisation), static_cast<QWidget *>(ui.lbl_mode),
                            static_cast<QWidget *>(ui.pb_go), static_cast<QWidget *>(ui.pb_next),
                            static_cast<QWidget *>(ui.pb_continue)})
        widget->hide();
}

void Test4::stopAllTimers()
{
    for (QTimer *timer : {timer1, timer2, timer3, timer4, timer5})
        timer->stop();
}

// --- Parameter panel ------------------------------------------------------------------------

void Test4::toLe_timer01() { readSetting(ui.le_timer01, timer01, 0); }
void Test4::toLe_timer02() { readSetting(ui.le_timer02, timer02, 0); }
void Test4::toLe_timer03() { readSetting(ui.le_timer03, timer03, 0); }
void Test4::toLe_timer04() { readSetting(ui.le_timer04, timer04, 0); }
void Test4::toLe_timer05() { readSetting(ui.le_timer05, timer05, 0); }
void Test4::toLe_number() { readSetting(ui.le_number, number, 1); }

// --- Instructions: a worked example of four crosses -----------------------------------------

QPoint Test4::exampleCross(double angle) const
{
    return CrossSeries::onRing(QPoint(centerX, centerY), angle, exampleRadius);
}

void Test4::toPb_next()
{
    ui.pb_next->setDown(false);
    // Six screens of the example, then training or the end of the instructions.
    static constexpr void (Test4::*screens[])() = {&Test4::i_sequence0, &Test4::i_sequence1, &Test4::i_sequence2,
                                                   &Test4::i_sequence3, &Test4::i_sequence4, &Test4::i_sequence5};
    if (instrStep < int(std::size(screens)))
        (this->*screens[instrStep++])();
    else if (withTrain)
        t_sequence0();
    else
        endWithoutResults(nullptr);
}

void Test4::i_sequence0()
{
    ui.lbl_instruction->hide();
    ui.lbl_localisation->setText(textFirstPlace);
    ui.lbl_localisation->show();
    fixation->show();
    exampleFirst = exampleCross(35);
    placeCenteredAt(thick1, exampleFirst);
    thick1->show();
}

void Test4::i_sequence1()
{
    ui.lbl_localisation->setText(textSecondPlace);
    thick1->hide();
    placeCenteredAt(dot1, exampleFirst);
    dot1->show();
    placeCenteredAt(thick2, exampleCross(275));
    thick2->show();
}

void Test4::i_sequence2()
{
    ui.lbl_localisation->setText(textThirdPlace);
    placeCenteredAt(thick2, exampleCross(355));
}

void Test4::i_sequence3()
{
    ui.lbl_localisation->setText(textLastPlace);
    exampleLast = exampleCross(190);
    placeCenteredAt(thick2, exampleLast);
}

void Test4::i_sequence4()
{
    ui.lbl_localisation->hide();
    dot1->hide();
    thick2->hide();
    ui.lbl_lastCross->show();
    placeCenteredAt(dot2, exampleLast);
    dot2->show();
}

void Test4::i_sequence5()
{
    ui.lbl_lastCross->hide();
    ui.lbl_firstCross->show();
    dot2->hide();
    placeCenteredAt(dot1, exampleFirst);
    dot1->show();
}

// --- Blocks ---------------------------------------------------------------------------------

void Test4::t_sequence0()
{
    hideStimuli();
    showPhase(1);
    showCaption(textMemory);
    ui.pb_go->move(frameBottomRight(ui.pb_go));
    setSetting(ui.le_number, number, trainingTrials);
    setCursor(Qt::ArrowCursor);
    ui.pb_go->show();
    ui.pb_go->setFocus();
    moveCursorTo(ui.pb_go);
}

void Test4::t_sequence1() {}

void Test4::startTraining()
{
    t_sequence0();
}

void Test4::toPb_go()
{
    ui.pb_go->setDown(false);
    ui.pb_go->hide();
    ui.lbl_instruction->hide();
    setFocus();
    for (QLineEdit *answer : {ui.le_posFirst, ui.le_distFirst, ui.le_posLast, ui.le_distLast})
        answer->clear();
    score.clearRun();
    series.clear();
    acceptClicks(false);
    ui.le_no->setText(QStringLiteral("1"));
    tabIndex = MemoryScore::loadCount;
    records.startRun();
    firstTrialOfRun = true;
    runClock.start();
    sequence0();
}

// --- The trial ------------------------------------------------------------------------------

void Test4::sequence0()
{
    trialStep = 0;
    // Nothing of an earlier or paused trial is carried over.
    series.clear();
    acceptClicks(false);
    awaitingLast = false;
    crossSpan = blankSpan = -1;
    fixation->show();
    moveCursorTo(ui.pb_continue);
    setCursor(Qt::ArrowCursor);
    ui.le_no->setText(QString::number(score.validCount + 1));
    distFirst = distLast = 9999.0;
    trialError = 0;
    if (firstTrialOfRun) {
        firstTrialOfRun = false;
        toPb_continue();
    } else {
        ui.pb_continue->show();
    }
}

void Test4::toPb_continue()
{
    ui.pb_continue->setDown(false);
    ui.pb_continue->hide();
    hidePhase();
    parkCursor();
    setFocus();
    sequence01();
}

void Test4::sequence01()
{
    startTrialClock();
    startStep(timer1, timer01);
    trialStep = 1;
}

void Test4::sequence1()
{
    timer1->stop();
    awaitStepDeadline();
    showNextCross();
}

// Everything about the cross is worked out before it is shown; between showing it and
// starting its timer there is only the flush to the screen and the onset stamp.
void Test4::showNextCross()
{
    if (tabIndex >= MemoryScore::loadCount) {
        tabIndex = 0;
        playTab6 = random->randTab6();
        qDebug("%s", Random::debugLine("playTab6", playTab6).constData());
    }
    const bool first = series.shown() == 0;
    if (first)
        series.start(playTab6.at(tabIndex), random->randTab12Apart());
    const CrossSeries::Cross &cross = series.next(QPoint(centerX, centerY), [](int k) { return std::rand() % k; });
    DrawCrossThick *shown = first ? thick1 : thick2;
    placeCenteredAt(shown, cross.centre);

    shown->show();
    presentNow();
    if (blankSpan >= 0)
        stampOffset(blankSpan);
    crossSpan = stampOnset("cross", timer02);
    startStep(timer2, timer02);
    trialStep = 2;

    blankSpan = -1;
    if (first) {
        trialStamp = QDateTime::currentDateTime();
        ui.le_posFirst->setText(QString::number(cross.sector + 1));
    } else {
        ui.le_posLast->setText(QString::number(cross.sector + 1));
    }
    qDebug("%s %8.0f %6d %6d %6d %6d %6d", first ? "target1" : "target2", cross.angle, cross.radius,
           cross.sector + 1, cross.centre.x(), cross.centre.y(), series.shown());
}

void Test4::sequence2()
{
    timer2->stop();
    awaitStepDeadline();
    thick1->hide();
    thick2->hide();
    presentNow();
    stampOffset(crossSpan);
    blankSpan = stampOnset("blank", timer03);
    startStep(timer3, timer03);
    trialStep = 3;
    crossSpan = -1;
}

void Test4::sequence3()
{
    timer3->stop();
    awaitStepDeadline();
    if (series.hasNext()) {
        showNextCross();
        return;
    }
    ui.lbl_lastCross->show();
    presentNow();
    stampOffset(blankSpan);
    blankSpan = -1;
    arrowCursorAtCenter();
    acceptClicks(true);
    awaitingLast = true;
    trialStep = 4;
}

// While the patient answers, a click anywhere is an answer: the parameter panel, which reaches
// into the ring's top on smaller screens, lets it through to the window.
void Test4::acceptClicks(bool accept)
{
    clicksAccepted = accept;
    ui.fr_debug->setAttribute(Qt::WA_TransparentForMouseEvents, accept);
}

void Test4::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && clicksAccepted)
        answer(event->position().toPoint());
}

// The last cross is asked for first, then the first cross; each answer is marked where it was
// given.
void Test4::answer(QPoint click)
{
    clickX = click.x();
    clickY = click.y();
    const ScreenParams &screen = SharedContext::instance().screen;
    if (awaitingLast) {
        distLast = MemoryScore::distanceMm(click, series.last().centre, screen.horzMmPerPixel(),
                                           screen.vertMmPerPixel());
        ui.le_distLast->setText(MemoryScore::distanceText(distLast));
        placeCenteredAt(thick2, click);
        thick2->show();
        ui.lbl_lastCross->hide();
        ui.lbl_firstCross->show();
        awaitingLast = false;
        qDebug("target 2 %6d %6d %8.3f", clickX, clickY, distLast);
        return;
    }
    distFirst = MemoryScore::distanceMm(click, series.first().centre, screen.horzMmPerPixel(),
                                        screen.vertMmPerPixel());
    ui.le_distFirst->setText(MemoryScore::distanceText(distFirst));
    placeCenteredAt(thick1, click);
    thick1->show();
    ui.lbl_firstCross->hide();
    acceptClicks(false);
    startStep(timer5, timer05);
    trialStep = 5;
    qDebug("target 1 %6d %6d %8.3f", clickX, clickY, distFirst);
}

// The answer phase ends without answers: the trial is an error and its load comes again.
void Test4::sequence4()
{
    timer4->stop();
    if (trialStep != 4)
        return;
    trialError = 1;
    acceptClicks(false);
    showPhase(3);
    fixation->hide();
    sequence5();
}

QByteArray Test4::trialRow(int load) const
{
    const bool error = trialError == 1;
    return RecordRow::leading(taskNumber, cal->isSessionNb_T4(), trialStamp)
        .integer(load)
        .integer(score.validCount + 1)
        .empty(14)
        .text(error ? QString() : MemoryScore::distanceText(distFirst))
        .text(error ? QString() : MemoryScore::distanceText(distLast))
        .integer(series.first().sector + 1)
        .integer(series.last().sector + 1)
        .integer(trialError)
        .line();
}

void Test4::sequence5()
{
    timer5->stop();
    awaitStepDeadline();
    const int load = series.load();
    // Trials whose rows are lost are not measured: the run ends as if interrupted, and the
    // assessor is told which file refused the row and why.
    if (phasePlan == phaseTest && !records.writeTrialRow(trialRow(load), trialError == 1)) {
        endWithoutResults("interrupted");
        return;
    }
    if (trialError == 0) {
        const int before = score.storeValid(load, distFirst, distLast);
        if (phasePlan == phaseTest)
            qDebug("result %6d %6d", load, before);
        ++tabIndex;
    } else {
        score.countError();
    }
    thick1->hide();
    thick2->hide();
    parkCursor();
    ui.lbl_firstCross->hide();
    ui.lbl_lastCross->hide();
    if (score.validCount < number)
        sequence0();
    else
        endOfRun();
}

// --- Keys -----------------------------------------------------------------------------------

void Test4::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_P:
        // A trial in progress, from the delay before its first cross to its answers.
        if (trialStep >= 1 && trialStep <= 4 && !event->isAutoRepeat())
            pauseTrial();
        break;
    case Qt::Key_E:
        if (trialStep == 4)
            sequence4();
        break;
    case Qt::Key_S:
        if (!event->isAutoRepeat()) {
            const bool show = outerCircle->isHidden();
            for (QWidget *ring : {static_cast<QWidget *>(outerCircle), static_cast<QWidget *>(innerCircle),
                                  static_cast<QWidget *>(sectorLines)})
                ring->setVisible(show);
        }
        break;
    default:
        TaskWindow::keyPressEvent(event);
        break;
    }
}

// The paused trial is abandoned: after "Continue" the trial starts again from the delay before
// a new first cross, with the same memory load, and takes no click before its answer phase.
void Test4::pauseTrial()
{
    records.writeInterruption(QStringLiteral("paused"));
    stopAllTimers();
    for (QWidget *widget : {static_cast<QWidget *>(fixation), static_cast<QWidget *>(thick1),
                            static_cast<QWidget *>(thick2), static_cast<QWidget *>(ui.lbl_firstCross),
                            static_cast<QWidget *>(ui.lbl_lastCross)})
        widget->hide();
    showPhase(2);
    sequence0();
}

// --- End of a run ---------------------------------------------------------------------------

void Test4::endOfRun()
{
    trialStep = 0;
    const qint64 elapsed = runClock.elapsed();
    duration = QTime(0, 0).addMSecs(int(elapsed - elapsed % 1000));
    if (phasePlan == phaseTest) {
        endOfTest();
        return;
    }
    // End of the training: the test block follows.
    phasePlan = phaseTest;
    score.clearRun();
    setSetting(ui.le_number, number, MemoryScore::standardTrials);
    hidePhase();
    fixation->hide();
    arrowCursorAtCenter();
    offerTestBlock();
}

void Test4::endOfTest()
{
    measures = score.measures();
    QByteArray loads("tab");
    for (int rank = 0; rank < score.stored(); ++rank)
        loads += QByteArray(" ") + QByteArray::number(score.loadOfRank(rank)).rightJustified(6);
    qDebug("%s", loads.constData());
    const MemoryScore::Measures &m = measures;
    // The result row's columns after its date and time, and the report's values in the order
    // goResult4 takes them.
    RecordRow columns;
    columns.duration(duration)
        .integer(score.validCount)
        .real(m.averageFirst)
        .real(m.averageLast)
        .real(m.loadSlope)
        .real(m.loadIntercept)
        .real(m.loadR2)
        .real(m.learning.slope)
        .real(m.learning.r2)
        .real(m.errorPercent);
    finishRun(columns, {trialStamp, cal->isSessionNb_T4(), duration, score.validCount},
              {m.averageFirst, m.averageLast, m.errorPercent, m.learning.slope, m.learning.r2, m.loadSlope,
               m.loadIntercept, m.loadR2});
    showResultsButtons();
}

void Test4::fileReport(bool display)
{
    const MemoryScore::Measures &m = measures;
    result->goResult4(display, trialStamp, cal->isSessionNb_T4(), duration, score.validCount, m.averageFirst,
                      m.averageLast, m.errorPercent, m.learning.slope, m.learning.r2, m.loadSlope,
                      m.loadIntercept, m.loadR2);
}
