// The central cue attention task.
//
// A trial is a chain of single-shot precise timers, each slot stopping its own timer and
// starting the next:
//   sequence0  start of trial: fixation cross (or, oriented, the arrow) for timer01 + 0…1199 ms
//   sequence1  cue onset: the alerting asterisk replaces the cross for timer02 ms (neutral and
//              oriented: nothing changes on screen)
//   sequence2  end of cue: the cross is back; cue-target interval of timer03 ms
//   sequence3  target onset: the white square at its place; the reaction-time clock starts
//   (response) Space or the left mouse button stops the clock, or is an anticipation when it
//              comes during the cue-target interval; then the after-response interval
//   sequence4  fixed-duration mode only: no response within timer04 ms
//   sequence5  end of trial: scoring, the trial-log row, and the next trial or the block's end
// Reaction times come from a monotonic clock started at target onset, never from timer counts.
//
// Run by phasePlan (1 with instructions, + 2 with training): 0 test block; 1 the three
// instruction sets, then the window closes; 2 training neutral, alerted, oriented (5 valid
// trials each), then the test block; 3 each instruction set followed by its training block,
// then the test block.

#include "tasks/test2/test2.h"

#include <cstdlib>
#include <ctime>

#include <QCloseEvent>
#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "calibration/calibration.h"
#include "reports/result.h"
#include "stimuli/drawwidgets.h"
#include "support/random.h"
#include "support/recordrow.h"
#include "support/statistic.h"
#include "support/taskrecords.h"
#include "tasks/test2/targetplaces.h"

namespace {
constexpr int trainingTrials = 5;
constexpr int randomFixation = 1200;   // the fixation adds 0 … 1199 ms
constexpr int demoPause = 2000;
constexpr int demoCross = 1500;
constexpr int demoAsterisk = 500;
} // namespace

Test2::Test2(QWidget *parent)
    : TaskWindow(2, parent)
{
    ui.setupUi(this);
    setupCommon(ui.lbl_mode, ui.pb_results, ui.pb_mainMenu);
    setupFrame(ui.pb_go, ui.pb_next, ui.pb_continue, ui.lbl_instruction);
    setupPanel(ui.fr_debug, ui.le_task, ui.le_subtask, ui.le_pitch, ui.le_timeTc);
    statistic = new Statistic(this);
    statistic->hide();

    cross = new DrawCross(this);
    cross->resize(40, 40);
    arrow = new DrawArrow(this);
    arrow->resize(100, 100);
    arrow->angle = 0;
    target = new DrawRectangle(this);
    target->resize(TargetPlaces::targetSize, TargetPlaces::targetSize);
    for (auto &gray : grays) {
        gray = new DrawGrayRectangle(this);
        gray->grayLevel = 100;
        gray->resize(TargetPlaces::targetSize, TargetPlaces::targetSize);
    }
    hideStimuli();

    connect(ui.pb_go, &QPushButton::clicked, this, &Test2::toPb_go);
    connect(ui.pb_next, &QPushButton::clicked, this, &Test2::toPb_next);
    connect(ui.pb_continue, &QPushButton::clicked, this, &Test2::toPb_continue);
    connect(ui.le_timer01, &QLineEdit::editingFinished, this, &Test2::toLe_timer01);
    connect(ui.le_timer02, &QLineEdit::editingFinished, this, &Test2::toLe_timer02);
    connect(ui.le_timer03, &QLineEdit::editingFinished, this, &Test2::toLe_timer03);
    connect(ui.le_timer04, &QLineEdit::editingFinished, this, &Test2::toLe_timer04);
    connect(ui.le_timer05, &QLineEdit::editingFinished, this, &Test2::toLe_timer05);
    connect(ui.le_number, &QLineEdit::editingFinished, this, &Test2::toLe_number);

    fixationTimer = makeStepTimer(&Test2::sequence1);
    cueTimer = makeStepTimer(&Test2::sequence2);
    intervalTimer = makeStepTimer(&Test2::sequence3);
    responseTimer = makeStepTimer(&Test2::sequence4);
    afterTimer = makeStepTimer(&Test2::sequence5);
    demoTimer3 = makeStepTimer(&Test2::i_sequence3);
    demoTimer4 = makeStepTimer(&Test2::i_sequence4);
    demoTimer13 = makeStepTimer(&Test2::i_sequence13);
    demoTimer14 = makeStepTimer(&Test2::i_sequence14);
    demoTimer15 = makeStepTimer(&Test2::i_sequence15);
    demoTimer23 = makeStepTimer(&Test2::i_sequence23);
    demoTimer24 = makeStepTimer(&Test2::i_sequence24);
    demoTimer25 = makeStepTimer(&Test2::i_sequence25);
}

Test2::~Test2() = default;

// --- Set-up ---------------------------------------------------------------------------------

void Test2::goTest2(int mode, bool withInstr, bool withTrain, bool debug, bool fixedDn)
{
    beginRun(mode, withInstr, withTrain, debug, fixedDn);
    textNeutral = tr("Attention\nneutral");
    textAlerted = tr("Attention\nalerted");
    textOriented = tr("Attention\noriented");
    textExample = tr("Example");
    condMode = mode;

    ui.le_result->clear();
    ui.le_rt_delta->clear();
    score.clearRun();
    targetShown = false;
    markedError = false;
    trialStep = 0;
    ui.le_no->setText(QStringLiteral("1"));

    posIndex.fill(TargetPlaces::count);
    condIndex = AttentionScore::conditionCount;
    cross->move(centerX - 20, centerY - 20);
    placeAtCenter(ui.lbl_asterisk);
    arrow->move(centerX - 50, centerY - 50);
    placeAtCenter(target);
    for (auto *gray : grays)
        placeAtCenter(gray);
    hideStimuli();

    setSetting(ui.le_timer01, timer01, 400);
    setSetting(ui.le_timer02, timer02, 100);
    setSetting(ui.le_timer03, timer03, 400);
    setSetting(ui.le_timer04, timer04, 5000);
    setSetting(ui.le_timer05, timer05, 600);
    setSetting(ui.le_number, nbTrials, AttentionScore::standardTrials);
    dtSession = QDateTime::currentDateTime();
    measures = AttentionScore::Measures();
    duration = QTime(0, 0);

    showFirstScreen(textNeutral);
}

void Test2::hideStimuli()
{
    cross->hide();
    arrow->hide();
    target->hide();
    ui.lbl_asterisk->hide();
    for (auto *gray : grays)
        gray->hide();
}

void Test2::stopTrialTimers()
{
    for (QTimer *timer : {fixationTimer, cueTimer, intervalTimer, responseTimer, afterTimer})
        timer->stop();
}

void Test2::stopDemoTimers()
{
    for (QTimer *timer : {demoTimer3, demoTimer4, demoTimer13, demoTimer14, demoTimer15, demoTimer23,
                          demoTimer24, demoTimer25})
        timer->stop();
}

void Test2::stopAllTimers()
{
    stopTrialTimers();
    stopDemoTimers();
}

void Test2::showInstruction(const QString &text)
{
    ui.lbl_instruction->setText(text);
    ui.lbl_instruction->show();
}

// --- Parameter panel ------------------------------------------------------------------------

int Test2::cycleLength() const
{
    return timer01 + randomFixation + timer02 + timer03 + timer04 + timer05;
}

void Test2::toLe_timer01() { readSetting(ui.le_timer01, timer01, 0); }
void Test2::toLe_timer02() { readSetting(ui.le_timer02, timer02, 0); }
void Test2::toLe_timer03() { readSetting(ui.le_timer03, timer03, 0); }
void Test2::toLe_timer04() { readSetting(ui.le_timer04, timer04, 0); }
void Test2::toLe_timer05() { readSetting(ui.le_timer05, timer05, 0); }

void Test2::toLe_number() { readSetting(ui.le_number, nbTrials, 1); }

// --- Blocks ---------------------------------------------------------------------------------

void Test2::toPb_go()
{
    ui.pb_go->setDown(false);
    ui.pb_go->hide();
    ui.lbl_instruction->hide();
    inInstruction = false;
    setFocus();
    setCursor(Qt::BlankCursor);
    ui.le_result->clear();
    score.startBlock();
    targetShown = false;
    ui.le_no->setText(QStringLiteral("1"));
    condIndex = AttentionScore::conditionCount;
    posIndex.fill(TargetPlaces::count);
    runClock.start();
    records.startRun();
    sequence0();
}

void Test2::prepareTraining(int cond)
{
    stopAllTimers();
    hideStimuli();
    ui.pb_next->hide();
    showPhase(1);
    showInstruction(cond == AttentionScore::Neutral   ? textNeutral
                    : cond == AttentionScore::Alerted ? textAlerted
                                                      : textOriented);
    ui.pb_go->move(frameBottomRight(ui.pb_go));
    nbTrials = trainingTrials;
    ui.le_number->setText(QString::number(nbTrials));
    condMode = cond + 1;
    trialStep = 0;
    setCursor(Qt::ArrowCursor);
    ui.pb_go->show();
    ui.pb_go->setFocus();
    moveCursorTo(ui.pb_go);
}

void Test2::t_sequence0() { prepareTraining(AttentionScore::Neutral); }
void Test2::t_sequence10() { prepareTraining(AttentionScore::Alerted); }
void Test2::t_sequence20() { prepareTraining(AttentionScore::Oriented); }

void Test2::t_sequence1()
{
    if (withInstr)
        i_sequence10();
    else
        t_sequence10();
}

void Test2::t_sequence11()
{
    if (withInstr)
        i_sequence20();
    else
        t_sequence20();
}

void Test2::t_sequence21()
{
    stopAllTimers();
    hideStimuli();
    phasePlan = phaseTest;
    condMode = 0;
    score.startBlock();
    nbTrials = AttentionScore::standardTrials;
    ui.le_number->setText(QString::number(nbTrials));
    trialStep = 0;
    ui.lbl_mode->hide();
    ui.lbl_instruction->hide();
    if (offerTestBlock()) {
        setCursor(Qt::ArrowCursor);
        moveCursorTo(ui.pb_go);
    }
}

// --- The trial ------------------------------------------------------------------------------

void Test2::sequence0()
{
    startTrialClock();
    if (posIndex[AttentionScore::Neutral] >= TargetPlaces::count) {
        posIndex[AttentionScore::Neutral] = 0;
        posTable[AttentionScore::Neutral] = random->randTab8();
        qDebug("%s", Random::debugLine("playTab8", posTable[AttentionScore::Neutral]).constData());
    }
    if (posIndex[AttentionScore::Alerted] >= TargetPlaces::count) {
        posIndex[AttentionScore::Alerted] = 0;
        posTable[AttentionScore::Alerted] = random->randTab8Plus500();
        qDebug("%s", Random::debugLine("playTab8", posTable[AttentionScore::Alerted]).constData());
    }
    if (posIndex[AttentionScore::Oriented] >= TargetPlaces::count) {
        posIndex[AttentionScore::Oriented] = 0;
        posTable[AttentionScore::Oriented] = random->randTab8Plus1000();
        qDebug("%s", Random::debugLine("playTab8", posTable[AttentionScore::Oriented]).constData());
    }
    if (condIndex >= AttentionScore::conditionCount) {
        condIndex = 0;
        condTable = random->randTab3();
    }
    currentCond = condMode == 0 ? condTable.at(condIndex) : condMode - 1;
    ui.le_subtask->setText(QString::number(currentCond + 1));
    parkCursor();
    if (currentCond == AttentionScore::Oriented) {
        const int place = posTable[AttentionScore::Oriented].at(posIndex[AttentionScore::Oriented]);
        arrow->angle = TargetPlaces::angle(place);
        arrow->update();
        arrow->show();
        cross->hide();
    } else {
        arrow->hide();
        cross->show();
    }
    markedError = false;
    ui.lbl_asterisk->hide();
    fixDuration = std::rand() % randomFixation + timer01;
    fixationSpan = stampOnset("fixation", fixDuration);
    startStep(fixationTimer, fixDuration);
    ui.le_no->setText(QString::number(score.validCount + 1));
    trialStep = 1;
    trialError = 0;
}

void Test2::sequence1()
{
    fixationTimer->stop();
    awaitStepDeadline();
    stampOffset(fixationSpan);
    score.cueOnset(currentCond);
    if (currentCond == AttentionScore::Alerted) {
        cross->hide();
        ui.lbl_asterisk->show();
        presentNow();
    }
    cueSpan = stampOnset("cue", timer02);
    startStep(cueTimer, timer02);
    trialStep = 2;
}

void Test2::sequence2()
{
    cueTimer->stop();
    awaitStepDeadline();
    if (currentCond != AttentionScore::Oriented) {
        cross->show();
        ui.lbl_asterisk->hide();
        arrow->hide();
        presentNow();
    }
    stampOffset(cueSpan);
    intervalSpan = stampOnset("interval", timer03);
    intervalOnsetNs = span(intervalSpan).onsetNs;
    startStep(intervalTimer, timer03);
    trialStep = 3;
}

void Test2::sequence3()
{
    intervalTimer->stop();
    awaitStepDeadline();
    const int index = posIndex[currentCond];
    const int place = posTable[currentCond].at(index);
    target->move(TargetPlaces::topLeft(centerX, centerY, place));
    target->show();
    presentNow();
    stampOffset(intervalSpan);
    targetOnsetNs = span(intervalSpan).offsetNs;
    targetShown = true;
    if (fixedDn)
        responseTimer->start(timer04);
    trialStep = 4;
    // Text and debug work only once the target is up and its onset stamped.
    dtSession = QDateTime::currentDateTime();
    qDebug("%c %4d %4d", "abc"[currentCond], index, place);
    if (debug) {
        // Actual cue duration and cue-target interval of this trial on the monotonic clock,
        // for the assessor checking the display's timing.
        const double cueMs = (span(cueSpan).offsetNs - span(cueSpan).onsetNs) / 1e6;
        const double intervalMs = (targetOnsetNs - intervalOnsetNs) / 1e6;
        qDebug("onsets %d %.3f %.3f %d %d", currentCond, cueMs, intervalMs, timer02, timer03);
        ui.le_rt_delta->setText(QString::number(intervalMs - timer03, 'f', 3));
    }
}

void Test2::startAfterResponse()
{
    int wait = timer05;
    if (fixedDn)
        wait = int(std::max<qint64>(0, timeCycle - clockNs() / 1'000'000));
    afterTimer->start(wait);
}

// A press is judged by when it arrived against the trial's schedule, whenever it is handled:
// from the target's onset it is the reaction; during the cue-target interval it is an
// anticipation (logged as how many ms too early, negative); earlier it is ignored.
void Test2::response()
{
    const qint64 arrival = pressArrivalNs();
    if (targetShown && arrival >= targetOnsetNs) {
        rt = int((arrival - targetOnsetNs) / 1'000'000);
        targetShown = false;
        target->hide();
        if (currentCond == AttentionScore::Oriented) {
            cross->show();
            arrow->hide();
        }
        responseTimer->stop();
        startAfterResponse();
        ui.le_result->setText(QString::number(rt));
    } else if ((trialStep == 3 || targetShown) && arrival >= intervalOnsetNs) {
        rt = int((arrival - intervalOnsetNs) / 1'000'000) - timer03;
        intervalTimer->stop();
        responseTimer->stop();
        targetShown = false;
        target->hide();
        ui.le_result->setText(QString::number(rt));
        trialError = 1;
        startAfterResponse();
    }
}

void Test2::sequence4()
{
    responseTimer->stop();
    targetShown = false;
    target->hide();
    rt = timer04;
    ui.le_result->setText(QString::number(rt));
    startAfterResponse();
    trialError = 1;
    trialStep = 5;
    qDebug("sequence 4");
}

QByteArray Test2::trialRow(int place, int rankSub, const QString &rtText) const
{
    return RecordRow::leading(taskNumber, cal->isSessionNb_T2(), dtSession)
        .integer(currentCond + 1)
        .integer(score.validCount + 1)
        .integer(rankSub)
        .empty(8)
        .text(rtText)
        .latin1(TargetPlaces::name(place))
        .empty(7)
        .integer(trialError)
        .line();
}

void Test2::sequence5()
{
    afterTimer->stop();
    const int c = currentCond;
    const int place = posTable[c].at(posIndex[c]);
    const int rankSub = score.condCount[c];
    // A test trial answered too late is an error like the others and keeps its place, so that
    // every place of the condition comes back among its valid trials.
    if (phasePlan == phaseTest && !markedError && AttentionScore::tooSlow(rt))
        trialError = 1;
    if (trialError == 0)
        ++posIndex[c];

    if (phasePlan == phaseTest) {
        const QString rtText = loggedRt(rt, markedError);
        // Trials whose rows are lost are not measured: the run ends as if interrupted, and the
        // assessor is told which file refused the row and why.
        if (!records.writeTrialRow(trialRow(place, rankSub, rtText), trialError == 1)) {
            endWithoutResults("interrupted");
            return;
        }
        if (trialError == 0) {
            score.storeValid(c, rt);
            qDebug("testNumber %6d %6d %6d %8.3f", c, rankSub - 1, rt, double(rt));
        }
    }

    if (trialError == 1) {
        score.endTrial(c, true);
    } else {
        score.endTrial(c, false);
        ++condIndex;
        parkCursor();
    }

    if (score.validCount < nbTrials) {
        if (!markedError)
            sequence0();
        return;
    }
    // The block is complete; nothing is in progress any more for P and E.
    trialStep = 0;
    const qint64 elapsed = runClock.elapsed();
    duration = QTime(0, 0).addMSecs(int(elapsed - elapsed % 1000));
    if (phasePlan == phaseTest) {
        endOfTest();
        return;
    }
    switch (condMode) {
    case 1:
        t_sequence1();
        break;
    case 2:
        t_sequence11();
        break;
    default:
        t_sequence21();
        break;
    }
}

// --- Keys -----------------------------------------------------------------------------------

void Test2::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        // A held key repeats; only the press itself is an answer.
        if (!inInstruction && !event->isAutoRepeat())
            response();
        break;
    case Qt::Key_P:
        if (trialStep == 4 && !fixedDn) {
            records.writeInterruption(QStringLiteral("paused"));
            holdTrial(2);
            targetShown = false;
            // The abandoned trial leaves no trace; it is presented again after the pause.
            score.abandonTrial(currentCond);
            trialStep = 0;
        }
        break;
    case Qt::Key_E:
        if (trialStep == 4 && !fixedDn) {
            markedError = true;
            holdTrial(3);
            sequence4();
        }
        break;
    default:
        TaskWindow::keyPressEvent(event);
        break;
    }
}

// Pause or assessor-marked error: the trial stops, the screen is cleared and the block waits
// for "Continue".
void Test2::holdTrial(int phase)
{
    stopTrialTimers();
    cross->hide();
    ui.lbl_asterisk->hide();
    arrow->hide();
    placeAtCenter(target);
    target->hide();
    showPhase(phase);
    ui.pb_continue->show();
    arrowCursorAtCenter();
}

void Test2::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        response();
}

void Test2::toPb_continue()
{
    ui.pb_continue->setDown(false);
    ui.lbl_mode->hide();
    ui.pb_continue->hide();
    setFocus();
    sequence0();
}

// --- Instructions ---------------------------------------------------------------------------

void Test2::toPb_next()
{
    ui.pb_next->setDown(false);
    switch (instrStep) {
    case 0:
        i_sequence0();
        instrStep = 1;
        break;
    case 1:
        i_sequence1();
        instrStep = 2;
        break;
    case 2:
        i_sequence2();
        instrStep = 3;
        break;
    case 3:
        stopDemoTimers();
        instrStep = 11;
        if (withTrain)
            t_sequence0();
        else
            i_sequence10();
        break;
    case 11:
        i_sequence11();
        instrStep = 12;
        break;
    case 12:
        i_sequence12();
        instrStep = 13;
        break;
    case 13:
        stopDemoTimers();
        instrStep = 21;
        if (withTrain)
            t_sequence10();
        else
            i_sequence20();
        break;
    case 21:
        i_sequence21();
        instrStep = 22;
        break;
    case 22:
        i_sequence22();
        instrStep = 23;
        break;
    case 23:
        stopDemoTimers();
        instrStep = 24;
        if (withTrain)
            t_sequence20();
        else
            endWithoutResults(nullptr);
        break;
    default:
        break;
    }
}

void Test2::i_sequence0()
{
    inInstruction = true;
    ui.lbl_instruction->hide();
    cross->show();
    target->move(TargetPlaces::topLeft(centerX, centerY, 7));
    target->show();
    for (int place = 0; place < int(grays.size()); ++place) {
        grays[place]->move(TargetPlaces::topLeft(centerX, centerY, place));
        grays[place]->show();
    }
}

void Test2::i_sequence1()
{
    hideStimuli();
    showInstruction(textExample);
}

void Test2::i_sequence2()
{
    demoPlace = 0;
    startDemonstration(demoTimer3, demoPause);
}

void Test2::i_sequence3()
{
    demoTimer3->stop();
    showDemoTarget();
    demoTimer4->start(demoPause);
}

void Test2::i_sequence4()
{
    demoTimer4->stop();
    target->hide();
    demoTimer3->start(demoPause);
}

// The first instruction screen of the alerted or oriented condition.
void Test2::showConditionInstructions(const QString &text)
{
    inInstruction = true;
    hideStimuli();
    setCursor(Qt::ArrowCursor);
    showPhase(0);
    showInstruction(text);
    ui.pb_go->hide();
    ui.pb_next->show();
    moveCursorTo(ui.pb_next);
}

// The cross, then a demonstration loop starting with `first`.
void Test2::startDemonstration(QTimer *first, int ms)
{
    ui.lbl_instruction->hide();
    cross->show();
    first->start(ms);
}

// The demonstration target at the next place, shown with the cross.
void Test2::showDemoTarget()
{
    cross->show();
    target->move(TargetPlaces::topLeft(centerX, centerY, demoPlace));
    target->show();
    demoPlace = (demoPlace + 1) % TargetPlaces::count;
}

void Test2::i_sequence10()
{
    showConditionInstructions(textAlerted);
}

void Test2::i_sequence11()
{
    showInstruction(textExample);
}

void Test2::i_sequence12()
{
    startDemonstration(demoTimer13, demoCross);
}

void Test2::i_sequence13()
{
    demoTimer13->stop();
    cross->hide();
    ui.lbl_asterisk->show();
    demoTimer14->start(demoAsterisk);
}

void Test2::i_sequence14()
{
    demoTimer14->stop();
    ui.lbl_asterisk->hide();
    showDemoTarget();
    demoTimer15->start(demoPause);
}

void Test2::i_sequence15()
{
    demoTimer15->stop();
    target->hide();
    demoTimer13->start(demoCross);
}

void Test2::i_sequence20()
{
    showConditionInstructions(textOriented);
}

void Test2::i_sequence21()
{
    showInstruction(textExample);
}

void Test2::i_sequence22()
{
    startDemonstration(demoTimer23, demoCross);
}

void Test2::i_sequence23()
{
    demoTimer23->stop();
    cross->hide();
    arrow->angle = TargetPlaces::angle(demoPlace);
    arrow->update();
    arrow->show();
    demoTimer24->start(std::rand() % randomFixation + 400);
}

void Test2::i_sequence24()
{
    demoTimer24->stop();
    arrow->hide();
    showDemoTarget();
    demoTimer25->start(demoPause);
}

void Test2::i_sequence25()
{
    demoTimer25->stop();
    target->hide();
    demoTimer23->start(demoCross);
}

// --- End of a run ---------------------------------------------------------------------------

void Test2::endOfTest()
{
    qDebug("%d %d", score.validCount, score.presentedCount);
    measures = score.measures();
    std::array<std::vector<double>, AttentionScore::conditionCount> corrected;
    for (int c = 0; c < AttentionScore::conditionCount; ++c)
        corrected[c] = score.corrected(c);
    for (int slot = 0; slot < AttentionScore::standardTrials / AttentionScore::conditionCount; ++slot) {
        double values[6] = {};
        for (int c = 0; c < AttentionScore::conditionCount; ++c) {
            const auto &row = score.rtRow(c);
            values[2 * c] = slot < int(row.size()) ? row[slot] : 0.0;
            values[2 * c + 1] = slot < int(corrected[c].size()) ? corrected[c][slot] : values[2 * c];
        }
        qDebug("%8.3f %8.3f %8.3f %8.3f %8.3f %8.3f", values[0], values[1], values[2], values[3], values[4],
               values[5]);
    }
    RecordRow columns;
    columns.duration(duration).integer(score.presentedCount);
    QList<double> reported;
    for (int c = 0; c < AttentionScore::conditionCount; ++c) {
        const double value = c == 0 ? measures.t2a : c == 1 ? measures.t2b : measures.t2c;
        columns.real(value).real(measures.errorPercent[c], 1).real(measures.fit[c].slope).real(measures.fit[c].r2);
        reported << value << measures.errorPercent[c] << measures.fit[c].slope << measures.fit[c].r2;
    }
    finishRun(columns, {dtSession, cal->isSessionNb_T2(), duration, score.presentedCount}, reported);
    showResultsButtons();
}

void Test2::fileReport(bool display)
{
    result->goResult2(display, dtSession, cal->isSessionNb_T2(), duration, score.presentedCount, measures.t2a,
                      measures.errorPercent[0], measures.fit[0].slope, measures.fit[0].r2, measures.t2b,
                      measures.errorPercent[1], measures.fit[1].slope, measures.fit[1].r2, measures.t2c,
                      measures.errorPercent[2], measures.fit[2].slope, measures.fit[2].r2);
}
