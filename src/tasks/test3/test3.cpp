// The movement detection task.
//
// A trial is a chain of single-shot precise timers, each slot stopping its own timer and
// starting the next:
//   sequence0  start of trial: the field at rest, every cell with its direction for the
//              trial's subtask, the fixation cross, for timer01 + 0…999 ms
//   sequence1  motion onset: every grating drifts one pixel per tick of the motion timer
//              (sequenceMov, every timerMov ms)
//   sequence2  arrow onset after timer02 ms: the arrow replaces the cross and points at the
//              target; the reaction time runs from here
//   sequence3  timer03 ms after the arrow: from now on P works (and, in fixed-duration mode,
//              the response time-out of timer04 ms starts, sequence4)
//   (Space)    the reaction time; the field goes and the five answer buttons come up
//              (reportAnswer); in fixed-duration mode the answer time-out of timer05 ms
//              starts (sequence5)
//   (answer)   a direction button or arrow key, or the centre button (always wrong); the field
//              comes back still (resultAnswer)
//   sequence6  end of trial after timer06 ms (fixed duration: the rest of timeCycle): the
//              trial-log row, and the next trial or the block's end
// The reaction time is the time from the arrow's onset stamp to the arrival of the Space
// press, on the trial's monotonic clock. An erroneous trial is presented again at the same
// place in the same subtask.
//
// Run by phasePlan (1 with instructions, + 2 with training): 0 test block; 1 the instruction
// screens, then the window closes; 2 training (5 valid trials), then the test block; 3 both.

#include "tasks/test3/test3.h"

#include <cmath>
#include <cstdlib>
#include <tuple>

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

#include "calibration/calibration.h"
#include "reports/result.h"
#include "stimuli/drawwidgets.h"
#include "support/random.h"
#include "support/recordrow.h"
#include "support/statistic.h"
#include "tasks/test3/motionfieldview.h"

using namespace MotionField;

namespace {
constexpr int trainingTrials = 5;
constexpr int randomStill = 1000;   // the still period adds 0 … 999 ms
// The instruction screens show the field with the arrow at single SW, then SE… as examples.
constexpr int demoSouthWest = 3;
} // namespace

Test3::Test3(QWidget *parent)
    : TaskWindow(3, parent)
{
    ui.setupUi(this);
    setupCommon(ui.lbl_mode, ui.pb_results, ui.pb_mainMenu);
    setupFrame(ui.pb_go, ui.pb_next, ui.pb_continue, ui.lbl_instruction);
    setupPanel(ui.fr_debug, ui.le_task, ui.le_subtask, ui.le_pitch, ui.le_timeTc);
    statistic = new Statistic(this);
    statistic->hide();

    field = new MotionFieldView(this);
    cross = new DrawCross(this);
    cross->resize(40, 40);
    arrow = new DrawArrow(this);
    arrow->resize(100, 100);
    frame = new DrawBorder(this);
    frame->resize(62, 62);
    // The answer buttons lie above the field's place.
    for (QWidget *button : {ui.pb_center, ui.pb_right, ui.pb_down, ui.pb_left, ui.pb_up})
        button->raise();
    hideStimuli();
    setAnswerButtonsVisible(false);

    const std::pair<QPushButton *, void (Test3::*)()> buttons[] = {
        {ui.pb_go, &Test3::toPb_go},       {ui.pb_right, &Test3::toPb_right},   {ui.pb_down, &Test3::toPb_down},
        {ui.pb_left, &Test3::toPb_left},   {ui.pb_up, &Test3::toPb_up},         {ui.pb_center, &Test3::toPb_center},
        {ui.pb_next, &Test3::toPb_next},   {ui.pb_continue, &Test3::toPb_continue}};
    for (const auto &[button, slot] : buttons)
        connect(button, &QPushButton::clicked, this, slot);
    const std::pair<QLineEdit *, void (Test3::*)()> fields[] = {
        {ui.le_number, &Test3::toLe_number},   {ui.le_timer01, &Test3::toLe_timer01},
        {ui.le_timer02, &Test3::toLe_timer02}, {ui.le_timer03, &Test3::toLe_timer03},
        {ui.le_timer04, &Test3::toLe_timer04}, {ui.le_timer05, &Test3::toLe_timer05},
        {ui.le_timer06, &Test3::toLe_timer06}, {ui.le_timerMov, &Test3::toLe_timerMov}};
    for (const auto &[field, slot] : fields)
        connect(field, &QLineEdit::editingFinished, this, slot);

    stillTimer = makeStepTimer(&Test3::sequence1);
    arrowTimer = makeStepTimer(&Test3::sequence2);
    responseTimer = makeStepTimer(&Test3::sequence3);
    timeoutTimer = makeStepTimer(&Test3::sequence4);
    answerTimer = makeStepTimer(&Test3::sequence5);
    afterTimer = makeStepTimer(&Test3::sequence6);
    // The motion repeats on its own precise timer: a step is a pixel, not a deadline to wait for.
    motionTimer = new QTimer(this);
    motionTimer->setTimerType(Qt::PreciseTimer);
    connect(motionTimer, &QTimer::timeout, this, &Test3::sequenceMov);
}

Test3::~Test3() = default;

// --- Set-up ---------------------------------------------------------------------------------

void Test3::goTest3(int mode, bool withInstr, bool withTrain, bool debug, bool fixedDn)
{
    beginRun(mode, withInstr, withTrain, debug, fixedDn);
    textTask = tr("Movement\ndetection");
    textExample = tr("Example");
    score.clearRun();
    targetShown = false;
    markedError = false;
    paused = false;
    trialStep = 0;
    timing = MotionTiming();
    ui.le_result->clear();
    ui.le_elapsed->clear();
    ui.le_rt_delta->clear();
    ui.le_no->setText(QStringLiteral("1"));

    setAnswerButtonsVisible(false);
    placeAtCenter(ui.pb_center);
    const int w = ui.pb_center->width();
    const int h = ui.pb_center->height();
    ui.pb_right->move(centerX + w / 2, centerY - h / 2);
    ui.pb_left->move(centerX - 3 * w / 2, centerY - h / 2);
    ui.pb_up->move(centerX - w / 2, centerY - 3 * h / 2);
    ui.pb_down->move(centerX - w / 2, centerY + h / 2);
    field->placeAround(QPoint(centerX, centerY));
    cross->move(centerX - 20, centerY - 20);
    arrow->move(centerX - 50, centerY - 50);
    frame->move(centerX - 115, centerY + 53);
    hideStimuli();

    const std::tuple<QLineEdit *, int *, int> defaults[] = {
        {ui.le_timer01, &timer01, 400},  {ui.le_timer02, &timer02, 0},     {ui.le_timer03, &timer03, 500},
        {ui.le_timer04, &timer04, 2500}, {ui.le_timer05, &timer05, 2500},  {ui.le_timer06, &timer06, 600},
        {ui.le_timerMov, &timerMov, 15}, {ui.le_number, &nbTrials, MotionScore::standardTrials}};
    for (const auto &[field, setting, value] : defaults)
        setSetting(field, *setting, value);
    dtSession = QDateTime::currentDateTime();
    measures = MotionScore::Measures();
    duration = QTime(0, 0);

    showFirstScreen(textTask);
}

void Test3::setAnswerButtonsVisible(bool visible)
{
    for (QWidget *button : {ui.pb_center, ui.pb_right, ui.pb_down, ui.pb_left, ui.pb_up})
        button->setVisible(visible);
}

void Test3::hideStimuli()
{
    field->hide();
    cross->hide();
    arrow->hide();
    frame->hide();
}

void Test3::stopAllTimers()
{
    for (QTimer *timer : {stillTimer, arrowTimer, responseTimer, timeoutTimer, answerTimer, afterTimer, motionTimer})
        timer->stop();
}

// --- Parameter panel ------------------------------------------------------------------------

int Test3::cycleLength() const
{
    return timer01 + randomStill + timer02 + timer03 + timer04 + timer05 + timer06;
}

void Test3::toLe_timer01() { readSetting(ui.le_timer01, timer01, 0); }
void Test3::toLe_timer02() { readSetting(ui.le_timer02, timer02, 0); }
void Test3::toLe_timer03() { readSetting(ui.le_timer03, timer03, 0); }
void Test3::toLe_timer04() { readSetting(ui.le_timer04, timer04, 0); }
void Test3::toLe_timer05() { readSetting(ui.le_timer05, timer05, 0); }
void Test3::toLe_timer06() { readSetting(ui.le_timer06, timer06, 0); }
// The gratings drift one pixel per step: a step needs at least a millisecond.
void Test3::toLe_timerMov() { readSetting(ui.le_timerMov, timerMov, 1); }
void Test3::toLe_number() { readSetting(ui.le_number, nbTrials, 1); }

// --- Blocks ---------------------------------------------------------------------------------

void Test3::toPb_go()
{
    ui.pb_go->setDown(false);
    ui.pb_go->hide();
    ui.lbl_instruction->hide();
    inInstruction = false;
    setFocus();
    parkCursor();
    score.startBlock();
    targetShown = false;
    subtaskIndex = subtaskCount;
    targetIndex = singleCount;
    runClock.start();
    records.startRun();
    startTrialClock();
    sequence0();
}

void Test3::t_sequence0()
{
    inInstruction = false;
    stopAllTimers();
    hideStimuli();
    ui.pb_next->hide();
    setAnswerButtonsVisible(false);
    showPhase(1);
    ui.lbl_instruction->setText(textTask);
    ui.lbl_instruction->show();
    ui.pb_go->move(frameBottomRight(ui.pb_go));
    nbTrials = trainingTrials;
    ui.le_number->setText(QString::number(nbTrials));
    trialStep = 0;
    setCursor(Qt::ArrowCursor);
    ui.pb_go->show();
    ui.pb_go->setFocus();
    moveCursorTo(ui.pb_go);
}

// Nothing follows a training block but the test block.
void Test3::t_sequence1() {}

void Test3::prepareTestBlock()
{
    stopAllTimers();
    hideStimuli();
    phasePlan = phaseTest;
    score.startBlock();
    nbTrials = MotionScore::standardTrials;
    ui.le_number->setText(QString::number(nbTrials));
    trialStep = 0;
    hidePhase();
    ui.lbl_instruction->hide();
    arrowCursorAtCenter();
    offerTestBlock();
}

// --- The trial ------------------------------------------------------------------------------

void Test3::showFieldAtRest(int subtask)
{
    const int target = targetTable.value(targetIndex, 0);
    field->setDirections(drawDirections(subtask, target, [](int k) { return std::rand() % k; }));
    field->setStep(0);
    field->show();
}

void Test3::sequence0()
{
    qDebug("time %6d ", int(clockNs() / 1000000));
    startTrialClock();
    markedError = false;
    paused = false;
    if (targetIndex >= singleCount) {
        targetIndex = 0;
        targetTable = random->randTab8();
        qDebug("%s", Random::debugLine("playTab88", targetTable).constData());
    }
    if (subtaskIndex >= subtaskCount) {
        subtaskIndex = 0;
        subtaskTable = random->randTab3();
        qDebug("%s", Random::debugLine("playTab3", subtaskTable).constData());
    }
    subtask = mode == 0 ? subtaskTable.at(subtaskIndex) : std::clamp(mode - 1, 0, subtaskCount - 1);
    ui.le_subtask->setText(QString::number(subtask + 1));
    score.trialStarted(subtask);
    showFieldAtRest(subtask);
    cross->show();
    arrow->hide();
    startStep(stillTimer, std::rand() % randomStill + timer01);
    trialStep = 1;
    ui.le_no->setText(QString::number(score.validCount + 1));
    correct = false;
    trialError = 0;
}

void Test3::startMotion()
{
    motionStep = 0;
    field->setStep(0);
    motionStartNs = clockNs();
    lastStepNs = motionStartNs;
    timing.nominalMs = timerMov;
    motionTimer->start(timerMov);
}

void Test3::stopMotion()
{
    motionTimer->stop();
}

void Test3::sequenceMov()
{
    const qint64 start = clockNs();
    if (lastStepNs >= 0 && !inInstruction)
        timing.intervalMs.push_back((start - lastStepNs) / 1e6);
    lastStepNs = start;
    ++motionStep;
    field->setStep(motionStep);
    presentNow();
    if (!inInstruction)
        timing.workMs.push_back((clockNs() - start) / 1e6);
}

void Test3::sequence1()
{
    stillTimer->stop();
    awaitStepDeadline();
    startMotion();
    startStep(arrowTimer, timer02);
    trialStep = 2;
    dtSession = QDateTime::currentDateTime();
}

void Test3::showArrow(int place)
{
    cross->hide();
    arrow->angle = placeAngle(place);
    arrow->update();
    arrow->show();
}

void Test3::sequence2()
{
    arrowTimer->stop();
    awaitStepDeadline();
    showArrow(targetTable.at(targetIndex));
    presentNow();
    arrowSpan = stampOnset("arrow", timer02);
    const double delayMs = (span(arrowSpan).onsetNs - motionStartNs) / 1e6 - timer02;
    timing.arrowDelayMs.push_back(delayMs);
    if (debug)
        ui.le_rt_delta->setText(QString::number(delayMs, 'f', 3));
    targetShown = true;
    startStep(responseTimer, timer03);
    trialStep = 3;
}

void Test3::sequence3()
{
    responseTimer->stop();
    awaitStepDeadline();
    if (fixedDn)
        startStep(timeoutTimer, timer04);
    trialStep = 4;
}

// Space while the arrow is up: the reaction time, from the arrow's onset to the press.
void Test3::response()
{
    rt = int(std::floor(pressMsAfter(span(arrowSpan).onsetNs)));
    ui.le_elapsed->setText(QString::number(rt));
    targetShown = false;
    responseTimer->stop();
    timeoutTimer->stop();
    stopMotion();
    stampOffset(arrowSpan);
    reportAnswer();
}

void Test3::sequence4()
{
    timeoutTimer->stop();
    awaitStepDeadline();
    targetShown = false;
    rt = timer04;
    ui.le_elapsed->setText(QString::number(rt));
    ui.le_result->setText(QStringLiteral("0"));
    stopMotion();
    stampOffset(arrowSpan);
    cross->hide();
    arrow->hide();
    reportAnswer();
    trialError = 1;
}

void Test3::reportAnswer()
{
    cross->hide();
    arrow->hide();
    arrowCursorAtCenter();
    field->hide();
    setAnswerButtonsVisible(true);
    if (fixedDn)
        startStep(answerTimer, timer05);
    trialStep = 5;
}

int Test3::targetDirection() const
{
    return field->directions()[singleCell(targetTable.value(targetIndex, 0))];
}

void Test3::answerDirection(int direction)
{
    if (inInstruction || trialStep != 5)
        return;
    if (direction == targetDirection()) {
        correct = true;
        ui.le_result->setText(QStringLiteral("1"));
    } else {
        trialError = 1;
        ui.le_result->setText(QStringLiteral("0"));
    }
    resultAnswer();
}

void Test3::toPb_right() { answerDirection(Right); }
void Test3::toPb_down() { answerDirection(Down); }
void Test3::toPb_left() { answerDirection(Left); }
void Test3::toPb_up() { answerDirection(Up); }
// The centre button means "no answer": always an error.
void Test3::toPb_center() { answerDirection(-1); }

void Test3::sequence5()
{
    answerTimer->stop();
    awaitStepDeadline();
    resultAnswer();
    trialError = 1;
}

void Test3::resultAnswer()
{
    setAnswerButtonsVisible(false);
    cross->show();
    parkCursor();
    field->setStep(0);
    field->show();
    answerTimer->stop();
    int wait = timer06;
    if (fixedDn)
        wait = int(std::max<qint64>(0, timeCycle - clockNs() / 1000000));
    startStep(afterTimer, wait);
    trialStep = 6;
}

QByteArray Test3::trialRow(const QString &rtText) const
{
    const int place = targetTable.value(targetIndex, 0);
    return RecordRow::leading(taskNumber, cal->isSessionNb_T3(), dtSession)
        .integer(subtask + 1)
        .integer(score.validCount + 1)
        .empty(1)    // rank_sub
        .empty(10)   // the visual recognition and attention columns
        .text(rtText)
        .latin1(placeName(place))
        .latin1(directionName(targetDirection()))
        .empty(4)    // the working memory columns
        .integer(trialError)
        .line();
}

void Test3::sequence6()
{
    afterTimer->stop();
    awaitStepDeadline();
    const int place = targetTable.value(targetIndex, 0);
    if (phasePlan == phaseTest) {
        const QString rtText = loggedRt(rt, markedError);
        if (MotionScore::tooSlow(rt))
            trialError = 1;
        // Trials whose rows are lost are not measured: the run ends as if interrupted.
        if (!records.writeTrialRow(trialRow(rtText), trialError == 1)) {
            endWithoutResults("interrupted");
            return;
        }
        if (trialError == 0) {
            score.storeValid(place, rt);
            qDebug("testNumber %6d %6d %8.3f", score.validCount, rt, double(unsigned(rt)));
        }
    }
    qDebug("rose %6d", place);
    score.endTrial(subtask, trialError == 1);
    if (trialError == 0) {
        // A valid trial moves on to the next subtask and place; an erroneous one is
        // presented again at the same place.
        ++subtaskIndex;
        ++targetIndex;
    }

    if (score.validCount < nbTrials) {
        sequence0();
        return;
    }
    trialStep = 0;
    const qint64 elapsed = runClock.elapsed();
    duration = QTime(0, 0).addMSecs(int(elapsed - elapsed % 1000));
    if (phasePlan == phaseTest)
        endOfTest();
    else
        prepareTestBlock();
}

// --- Keys -----------------------------------------------------------------------------------

void Test3::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        // A held key repeats; only the press itself is an answer.
        if (targetShown && !paused && !event->isAutoRepeat())
            response();
        break;
    case Qt::Key_Right:
        toPb_right();
        break;
    case Qt::Key_Down:
        toPb_down();
        break;
    case Qt::Key_Left:
        toPb_left();
        break;
    case Qt::Key_Up:
        toPb_up();
        break;
    case Qt::Key_P:
        if ((trialStep == 4 || trialStep == 5) && !fixedDn && !inInstruction) {
            paused = true;
            targetShown = false;
            records.writeInterruption(QStringLiteral("paused"));
            stopAllTimers();
            hideStimuli();
            setAnswerButtonsVisible(false);
            // The abandoned trial leaves no trace; it is presented again after the pause.
            score.subtaskCount[subtask] -= 1;
            trialStep = 0;
            showPhase(2);
            ui.pb_continue->show();
            arrowCursorAtCenter();
        }
        break;
    case Qt::Key_E:
        if (trialStep == 5 && !fixedDn && !inInstruction) {
            markedError = true;
            stopAllTimers();
            setAnswerButtonsVisible(false);
            // The trial waits for "Continue": no answer is taken any more.
            trialStep = 0;
            showPhase(3);
            ui.pb_continue->show();
            arrowCursorAtCenter();
        }
        break;
    default:
        TaskWindow::keyPressEvent(event);
        break;
    }
}

void Test3::toPb_continue()
{
    ui.pb_continue->setDown(false);
    hidePhase();
    ui.pb_continue->hide();
    setFocus();
    if (markedError) {
        sequence5();
    } else {
        parkCursor();
        sequence0();
    }
}

// --- Instructions ---------------------------------------------------------------------------

void Test3::toPb_next()
{
    ui.pb_next->setDown(false);
    switch (instrStep) {
    case 0:
        i_sequence0();
        break;
    case 1:
        i_sequence1();
        break;
    case 2:
        i_sequence2();
        break;
    case 3:
        i_sequence3();
        break;
    case 4:
        i_sequence4();
        break;
    case 5:
        i_sequence5();
        break;
    case 6:
        i_sequence6();
        break;
    case 7:
        i_sequence7();
        break;
    case 8:
        i_sequence8();
        return;
    default:
        return;
    }
    ++instrStep;
}

void Test3::i_sequence0()
{
    inInstruction = true;
    ui.lbl_instruction->hide();
    targetTable = {demoSouthWest};
    targetIndex = 0;
    showFieldAtRest(0);
    cross->show();
}

void Test3::i_sequence1()
{
    showArrow(demoSouthWest);
}

void Test3::i_sequence2()
{
    frame->show();
}

void Test3::i_sequence3()
{
    startMotion();
}

void Test3::i_sequence4()
{
    stopMotion();
    hideStimuli();
    setAnswerButtonsVisible(true);
}

void Test3::i_sequence5()
{
    setAnswerButtonsVisible(false);
    showFieldAtRest(0);
    showArrow(5);
    startMotion();
}

void Test3::i_sequence6()
{
    showArrow(7);
    field->setDirections(drawDirections(0, 0, [](int k) { return std::rand() % k; }));
}

void Test3::i_sequence7()
{
    showArrow(0);
    field->setDirections(drawDirections(0, 0, [](int k) { return std::rand() % k; }));
}

void Test3::i_sequence8()
{
    stopMotion();
    arrow->hide();
    field->hide();
    instrStep = 9;
    if (withTrain)
        t_sequence0();
    else
        endWithoutResults(nullptr);
}

// --- End of a run ---------------------------------------------------------------------------

void Test3::endOfTest()
{
    measures = score.measures();
    const std::vector<double> corrected = score.corrected();
    const std::vector<double> &raw = score.rtTable();
    for (int slot = 0; slot < std::min<int>(score.subtaskCount[0], int(raw.size())); ++slot)
        qDebug("%8.3f %8.3f", raw[slot], corrected[slot]);
    RecordRow row;
    row.duration(duration)
        .integer(score.presentedCount)
        .real(measures.t3_rt)
        .real(measures.t3_error, 1)
        .real(measures.fit.slope)
        .real(measures.fit.r2);
    for (double side : measures.side)
        row.real(side);
    finishRun(row, {dtSession, cal->isSessionNb_T3(), duration, score.presentedCount},
              {measures.t3_rt, measures.t3_error, measures.fit.slope, measures.fit.r2,
               measures.obliqueMinusCardinal(), measures.leftMinusRight(), measures.topMinusBottom()});
    setAnswerButtonsVisible(false);
    showResultsButtons();
}

void Test3::fileReport(bool display)
{
    result->goResult3(display, dtSession, cal->isSessionNb_T3(), duration, score.presentedCount, measures.t3_rt,
                      measures.t3_error, measures.fit.slope, measures.fit.r2, measures.obliqueMinusCardinal(),
                      measures.leftMinusRight(), measures.topMinusBottom());
}
