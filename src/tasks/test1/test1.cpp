// The visual recognition task.
//
// A trial is a chain of single-shot precise timers, each slot stopping its own timer and
// starting the next:
//   sequence0  start of trial: fixation cross for timer01 ms; the subtask of the trial
//   sequence1  stimulus onset: the figure pair, the six arrows, or both, for the exposure
//   sequence2  stimulus offset: the noise mask for timer03 ms
//   sequence3  mask off; a pause of timer04 ms
//   sequence4  the answer buttons of the subtask; the patient answers (the answer clock is the
//              button's press arrival on the trial clock) and the staircase steps
//   sequence5  fixed-cycle mode only: no answer within timer05 ms
//   sequence6  end of trial: the trial row, the instability check, the reversals and the stop
//              rule, then the next trial or the block's end
// The exposure is the measure: the stimulus onset and offset are stamped on the monotonic
// clock and nothing else happens between showing the stimulus and starting its timer.
//
// A run by phasePlan (with instructions + 2 × with training): 0 the test block; 1 the
// instruction screens, then the window closes; 2 a training block per subtask, then the test;
// 3 instructions and training per subtask, then the test. Mode 0 takes central, peripheral
// and dual in this order and tests them interleaved; modes 1 to 3 one subtask.

#include "tasks/test1/test1.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include <QCloseEvent>
#include <QDebug>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include "calibration/calibration.h"
#include "context/paths.h"
#include "context/sharedcontext.h"
#include "patients/patientlist.h"
#include "reports/result.h"
#include "stimuli/drawwidgets.h"
#include "support/random.h"
#include "support/recordrow.h"

using namespace RecognitionAnswer;

namespace {
constexpr int taskNumbers[4] = {1, 5, 6, 7};
constexpr int batteryTrials = 150;
constexpr int subtaskTrials = 50;
constexpr int finishedCounter = 9999;
constexpr int demoPeriod = 2000;
constexpr int practiceSingle = 1000;
constexpr int practiceDual = 2000;
constexpr int practiceMask = 200;
constexpr int chartStep = 100;
constexpr int chartLift = 20;
constexpr int answerOffsetX = 30;
constexpr int answerOffsetY = 70;
// The patient list fields of the three training values (central, peripheral, dual).
constexpr int trainingField = 11;
const char *const grey = "background-color:rgb(230, 230, 230)";
} // namespace

Test1::Test1(QWidget *parent)
    : TaskWindow(1, parent)
{
    ui.setupUi(this);
    random = new Random(this);
    random->hide();
    result = new Result(this);

    cross = new DrawCross(this);
    cross->resize(40, 40);
    for (auto &arrow : arrows) {
        arrow = new DrawArrowPeriph(this);
        arrow->ratio = parameters.triRatio;
    }
    for (int side = 0; side < 2; ++side) {
        for (auto &rectangle : rectangles[side])
            rectangle = new DrawRectangle(this);
        grays[side] = new DrawGrayRectangle(this);
        rounded[side] = new DrawRoundedRectangle(this);
    }
    // The answer buttons stay above the stimuli and the mask.
    centralButtons = {ui.pb_uniform, ui.pb_shape, ui.pb_contrast, ui.pb_orientation, ui.pb_size};
    positionButtons = {ui.pb_pos0, ui.pb_pos1, ui.pb_pos2, ui.pb_pos3, ui.pb_pos4, ui.pb_pos5};
    for (QWidget *top : {static_cast<QWidget *>(ui.fr_debug), static_cast<QWidget *>(ui.lbl_mode),
                         static_cast<QWidget *>(ui.pb_continue), static_cast<QWidget *>(ui.pb_next)})
        top->raise();
    setupCommon(ui.lbl_mode, ui.pb_results, ui.pb_mainMenu);

    connect(ui.pb_uniform, &QPushButton::clicked, this, &Test1::toPb_uniform);
    connect(ui.pb_shape, &QPushButton::clicked, this, &Test1::toPb_shape);
    connect(ui.pb_contrast, &QPushButton::clicked, this, &Test1::toPb_contrast);
    connect(ui.pb_orientation, &QPushButton::clicked, this, &Test1::toPb_orientation);
    connect(ui.pb_size, &QPushButton::clicked, this, &Test1::toPb_size);
    connect(ui.pb_pos0, &QPushButton::clicked, this, &Test1::toPb_pos0);
    connect(ui.pb_pos1, &QPushButton::clicked, this, &Test1::toPb_pos1);
    connect(ui.pb_pos2, &QPushButton::clicked, this, &Test1::toPb_pos2);
    connect(ui.pb_pos3, &QPushButton::clicked, this, &Test1::toPb_pos3);
    connect(ui.pb_pos4, &QPushButton::clicked, this, &Test1::toPb_pos4);
    connect(ui.pb_pos5, &QPushButton::clicked, this, &Test1::toPb_pos5);
    connect(ui.le_timer01, &QLineEdit::editingFinished, this, &Test1::toLe_timer01);
    connect(ui.le_timer02_S1, &QLineEdit::editingFinished, this, &Test1::toLe_timer02_S1);
    connect(ui.le_timer02_S2, &QLineEdit::editingFinished, this, &Test1::toLe_timer02_S2);
    connect(ui.le_timer02_S3, &QLineEdit::editingFinished, this, &Test1::toLe_timer02_S3);
    connect(ui.le_timer03, &QLineEdit::editingFinished, this, &Test1::toLe_timer03);
    connect(ui.le_timer04, &QLineEdit::editingFinished, this, &Test1::toLe_timer04);
    connect(ui.le_timer05, &QLineEdit::editingFinished, this, &Test1::toLe_timer05);
    connect(ui.le_timer06, &QLineEdit::editingFinished, this, &Test1::toLe_timer06);
    connect(ui.le_globSize, &QLineEdit::editingFinished, this, &Test1::toLe_globSize);
    connect(ui.le_shape, &QLineEdit::editingFinished, this, &Test1::toLe_shape);
    connect(ui.le_contrast, &QLineEdit::editingFinished, this, &Test1::toLe_contrast);
    connect(ui.le_orientation, &QLineEdit::editingFinished, this, &Test1::toLe_orientation);
    connect(ui.le_size, &QLineEdit::editingFinished, this, &Test1::toLe_size);
    connect(ui.le_separator, &QLineEdit::editingFinished, this, &Test1::toLe_separator);
    connect(ui.le_triSize, &QLineEdit::editingFinished, this, &Test1::toLe_triSize);
    connect(ui.le_triRatio, &QLineEdit::editingFinished, this, &Test1::toLe_triRatio);
    connect(ui.le_triOffset, &QLineEdit::editingFinished, this, &Test1::toLe_triOffset);
    connect(ui.le_number, &QLineEdit::editingFinished, this, &Test1::toLe_number);
    connect(ui.pb_go, &QPushButton::clicked, this, &Test1::toPb_go);
    connect(ui.pb_next, &QPushButton::clicked, this, &Test1::toPb_next);
    connect(ui.pb_continue, &QPushButton::clicked, this, &Test1::toPb_continue);

    stepTimers = {makeStepTimer(&Test1::sequence1), makeStepTimer(&Test1::sequence2),
                  makeStepTimer(&Test1::sequence3), makeStepTimer(&Test1::sequence4),
                  makeStepTimer(&Test1::sequence5), makeStepTimer(&Test1::sequence6)};
    demoTimer = makeStepTimer(&Test1::i_sequence4);
    practiceTimer = makeStepTimer(&Test1::i_sequence7);
    practiceMaskTimer = makeStepTimer(&Test1::i_sequence8);
    hideStimuli();
    hideAnswerButtons();
}

Test1::~Test1() = default;

// --- Start ----------------------------------------------------------------------------------

void Test1::goTest1(int mode, bool withInstr, bool withoutTrain, bool debug, bool fixedDn)
{
    stopAllTimers();
    enterFullScreen();
    subtaskName = {tr("Visual\nrecognition"), tr("Central\nvision"), tr("Peripheral\nvision"), tr("Dual task"),
                   tr("Example")};
    std::srand(unsigned(std::time(nullptr)));
    rate = cal->isFrequency() == 1 ? 1 : 0;

    this->withInstr = withInstr;
    training = withoutTrain;
    trainingRun = withoutTrain;
    phasePlan = (withInstr ? 1 : 0) + (withoutTrain ? 2 : 0);
    this->fixedDn = fixedDn;
    this->debug = debug;
    this->mode = mode;
    startMode = mode;
    runTask = taskNumbers[mode];
    stoppedRun = false;
    inInstruction = false;
    trialStep = 0;

    // The training values the patient list keeps for this patient (0: never trained).
    storedValues.fill(0);
    if (const auto record = PatientList::standard().find(cal->isPatientName())) {
        for (int s = 0; s < ExposureRun::subtaskCount; ++s)
            storedValues[s] = PatientList::intField(*record, trainingField + s);
    }
    stairs.enter(mode, storedValues, training);
    untrained = false;
    for (int s = 0; s < ExposureRun::subtaskCount; ++s) {
        if (ExposureRun::inMode(mode, s) && storedValues[s] <= 0)
            untrained = !training;
    }

    ui.le_result->clear();
    trialCounter = 0;
    subtaskIndex = 3;
    figureIndex = 10;
    positionIndex = 6;
    ui.le_subtask->setText(QString::number(mode));
    ui.le_task->setText(QString::number(runTask));

    timer01 = 500;
    timer03 = 200;
    timer04 = 500;
    timer05 = 5000;
    timer06 = 1000;
    parameters = RecognitionGeometry::Parameters();
    nbTrials = mode == 0 ? batteryTrials : subtaskTrials;
    // Every size is in millimetres: without a calibrated screen nothing can be shown right.
    const ScreenParams &screen = SharedContext::instance().screen;
    if (!screen.isCalibrated()) {
        failStart(tr("The screen is not calibrated.\nPlease calibrate it first (Preferences)."));
        return;
    }
    applyGeometry();
    hideStimuli();
    hideAnswerButtons();
    arrowCursorAtCenter();
    showDurations();
    showParameters();
    ui.le_timeTc->clear();
    if (fixedDn)
        showTimeCycle();
    ui.fr_debug->setVisible(debug);
    for (QWidget *help : {ui.lbl_i_identical, ui.lbl_i_shape, ui.lbl_i_contrast, ui.lbl_i_orientation, ui.lbl_i_size})
        help->hide();
    ui.pb_continue->move(frameBottomRight(ui.pb_continue));
    ui.pb_continue->hide();
    ui.pb_go->hide();
    ui.pb_results->hide();
    ui.pb_mainMenu->hide();
    ui.le_number->setText(QString::number(nbTrials));
    placeAtCenter(ui.lbl_instruction);
    ui.pb_next->move(frameBottomRight(ui.pb_next));
    ui.pb_next->hide();
    startTime = QDateTime::currentDateTime();
    duration = QTime(0, 0);
    runTrials = 0;

    switch (phasePlan) {
    case 0:
        if (untrained) {
            failStart(tr("Unable to start!\nPlease undergo training!"));
            return;
        }
        ui.lbl_instruction->hide();
        ui.lbl_mode->hide();
        prepareTest();
        break;
    case 1:
    case 3:
        showPhase(0);
        ui.pb_next->show();
        moveCursorTo(ui.pb_next);
        if (mode == 0) {
            ui.lbl_instruction->setText(subtaskName[0]);
            ui.lbl_instruction->show();
            instrStep = 0;
        } else if (mode == 1) {
            i_sequence0();
        } else if (mode == 2) {
            i_sequence10();
        } else {
            i_sequence20();
        }
        break;
    default:
        if (mode <= 1)
            t_sequence0();
        else if (mode == 2)
            t_sequence10();
        else
            t_sequence20();
        break;
    }
}

// A start refused: the assessor is told why and the window closes without counting the run.
void Test1::failStart(const QString &text)
{
    warn(text);
    endWithoutResults(nullptr);
}

// A warning titled "Error" on the light grey background, then black again.
void Test1::warn(const QString &text)
{
    setStyleSheet(QString::fromLatin1(grey));
    QMessageBox::warning(this, tr("Error"), text, QMessageBox::Ok);
    setBlackBackground();
}

void Test1::stopAllTimers()
{
    for (QTimer *timer : stepTimers)
        timer->stop();
    for (QTimer *timer : {demoTimer, practiceTimer, practiceMaskTimer})
        timer->stop();
}

// A window closed in the middle of a run still keeps the patient's training values.
void Test1::closeEvent(QCloseEvent *event)
{
    if (runOpen)
        writeTrainingValues();
    TaskWindow::closeEvent(event);
}

void Test1::applyGeometry()
{
    const ScreenParams &screen = SharedContext::instance().screen;
    const RecognitionGeometry g(screen.horzMmPerPixel(), screen.vertMmPerPixel(), parameters);
    const QPoint centre(centerX, centerY);
    cross->move(centerX - 20, centerY - 20);
    const Figure kinds[3] = {Normal, Turned, Smaller};
    for (int side = 0; side < 2; ++side) {
        for (int k = 0; k < 3; ++k) {
            rectangles[side][k]->resize(g.figureSize(kinds[k]));
            rectangles[side][k]->move(side == 0 ? g.leftFigure(kinds[k], centre) : g.rightFigure(kinds[k], centre));
        }
        grays[side]->grayLevel = g.grayLevel();
        grays[side]->resize(g.figureSize(Normal));
        grays[side]->move(side == 0 ? g.leftFigure(Normal, centre) : g.rightFigure(Normal, centre));
        rounded[side]->roundness = float(parameters.shape);
        rounded[side]->resize(g.figureSize(Normal));
        rounded[side]->move(grays[side]->pos());
    }
    for (int i = 0; i < positionCount; ++i) {
        arrows[i]->ratio = parameters.triRatio;
        arrows[i]->resize(g.arrowSize());
        arrows[i]->move(g.arrowTopLeft(i, centre));
        positionButtons[i]->move(g.buttonTopLeft(i, positionButtons[i]->size(), centre));
    }
    placeAtCenter(ui.lbl_noise);
    placeAtCenter(ui.pb_uniform);
    const QSize b = ui.pb_shape->size();
    ui.pb_shape->move(centerX - answerOffsetX - b.width(), centerY - answerOffsetY - b.height());
    ui.pb_contrast->move(centerX + answerOffsetX, centerY - answerOffsetY - b.height());
    ui.pb_orientation->move(centerX - answerOffsetX - b.width(), centerY + answerOffsetY);
    ui.pb_size->move(centerX + answerOffsetX, centerY + answerOffsetY);
}

// --- Stimuli ----------------------------------------------------------------------------------

void Test1::hideStimuli()
{
    cross->hide();
    ui.lbl_noise->hide();
    for (auto *arrow : arrows)
        arrow->hide();
    for (int side = 0; side < 2; ++side) {
        for (auto *rectangle : rectangles[side])
            rectangle->hide();
        grays[side]->hide();
        rounded[side]->hide();
    }
}

void Test1::showCentralButtons(bool shown)
{
    for (auto *button : centralButtons)
        button->setVisible(shown);
}

void Test1::showPositionButtons(bool shown)
{
    for (auto *button : positionButtons)
        button->setVisible(shown);
}

void Test1::hideAnswerButtons()
{
    showCentralButtons(false);
    showPositionButtons(false);
}

void Test1::showPair(int code)
{
    const Figure kinds[2] = {leftFigure(code), rightFigure(code)};
    for (int side = 0; side < 2; ++side) {
        switch (kinds[side]) {
        case Rounded: rounded[side]->show(); break;
        case Grey: grays[side]->show(); break;
        case Turned: rectangles[side][1]->show(); break;
        case Smaller: rectangles[side][2]->show(); break;
        default: rectangles[side][0]->show(); break;
        }
    }
}

void Test1::showArrows(int target)
{
    for (int i = 0; i < positionCount; ++i) {
        // The target points toward the centre, the others outward.
        arrows[i]->angle = positionAngle(i) + (i == target ? 180 : 0);
        arrows[i]->update();
        arrows[i]->show();
    }
}

void Test1::nextFigureTable()
{
    figureIndex = 0;
    figureTable = random->randTab10();
    qDebug("%s", Random::debugLine("playTab10", figureTable).constData());
}

void Test1::nextPositionTable()
{
    positionIndex = 0;
    positionTable = random->randTab6();
    qDebug("%s", Random::debugLine("playTab6", positionTable).constData());
}

// --- Parameter panel --------------------------------------------------------------------------

void Test1::readInt(QLineEdit *field, int &setting, int minimum)
{
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok, 10);
    if (ok && value >= minimum)
        setting = value;
    field->setText(QString::number(setting));
    if (fixedDn)
        showTimeCycle();
}

void Test1::readReal(QLineEdit *field, double &setting)
{
    bool ok = false;
    const double value = locale().toDouble(field->text().trimmed(), &ok);
    if (ok && value > 0)
        setting = value;
    applyGeometry();
    showParameters();
}

void Test1::showDurations()
{
    ui.le_timer01->setText(QString::number(timer01));
    ui.le_timer02_S1->setText(QString::number(stairs[central].exposure()));
    ui.le_timer02_S2->setText(QString::number(stairs[peripheral].exposure()));
    ui.le_timer02_S3->setText(QString::number(stairs[dual].exposure()));
    ui.le_timer03->setText(QString::number(timer03));
    ui.le_timer04->setText(QString::number(timer04));
    ui.le_timer05->setText(QString::number(timer05));
    ui.le_timer06->setText(QString::number(timer06));
}

void Test1::showParameters()
{
    const ScreenParams &screen = SharedContext::instance().screen;
    const RecognitionGeometry g(screen.horzMmPerPixel(), screen.vertMmPerPixel(), parameters);
    const auto two = [this](double value) { return locale().toString(value, 'f', 2); };
    ui.le_globSize->setText(QString::number(g.figureSize(Normal).width()));
    ui.le_shape->setText(two(parameters.shape));
    ui.le_contrast->setText(two(parameters.contrast));
    ui.le_orientation->setText(two(parameters.orientation));
    ui.le_size->setText(two(parameters.size));
    ui.le_separator->setText(two(parameters.separator));
    ui.le_triSize->setText(QString::number(g.arrowSize().height()));
    ui.le_triRatio->setText(two(parameters.triRatio));
    ui.le_triOffset->setText(QString::number(parameters.triOffset));
    ui.le_horzPitch->setText(locale().toString(screen.horzMmPerPixel(), 'f', 3));
    ui.le_vertPitch->setText(locale().toString(screen.vertMmPerPixel(), 'f', 3));
}

void Test1::showTimeCycle()
{
    int longest = 0;
    for (int s = 0; s < ExposureRun::subtaskCount; ++s) {
        if (ExposureRun::inMode(mode, s))
            longest = std::max(longest, stairs[s].exposure());
    }
    timeCycle = timer01 + longest + timer03 + timer04 + timer05 + timer06;
    ui.le_timeTc->setText(QString::number(timeCycle));
}

void Test1::showCounters()
{
    ui.le_no->setText(QString::number(trialCounter + 1));
    QLineEdit *fields[3] = {ui.le_noS1, ui.le_noS2, ui.le_noS3};
    for (int s = 0; s < ExposureRun::subtaskCount; ++s)
        fields[s]->setText(QString::number(stairs[s].count() + 1));
}

void Test1::toLe_timer01() { readInt(ui.le_timer01, timer01, 0); }
void Test1::toLe_timer03() { readInt(ui.le_timer03, timer03, 0); }
void Test1::toLe_timer04() { readInt(ui.le_timer04, timer04, 0); }
void Test1::toLe_timer05() { readInt(ui.le_timer05, timer05, 0); }
void Test1::toLe_timer06() { readInt(ui.le_timer06, timer06, 0); }

void Test1::toLe_timer02_S1()
{
    int value = stairs[central].exposure();
    readInt(ui.le_timer02_S1, value, 1);
    stairs[central].setExposure(value);
}

void Test1::toLe_timer02_S2()
{
    int value = stairs[peripheral].exposure();
    readInt(ui.le_timer02_S2, value, 1);
    stairs[peripheral].setExposure(value);
}

void Test1::toLe_timer02_S3()
{
    int value = stairs[dual].exposure();
    readInt(ui.le_timer02_S3, value, 1);
    stairs[dual].setExposure(value);
}

// The entered figure width and arrow height are pixels; the other sizes follow from them.
void Test1::toLe_globSize()
{
    const ScreenParams &screen = SharedContext::instance().screen;
    double width = 0;
    readReal(ui.le_globSize, width);
    if (width > 0)
        parameters.globSize = width * screen.horzMmPerPixel() / RecognitionGeometry::referencePixelMm;
    applyGeometry();
    showParameters();
}

void Test1::toLe_triSize()
{
    const ScreenParams &screen = SharedContext::instance().screen;
    double height = 0;
    readReal(ui.le_triSize, height);
    if (height > 0)
        parameters.triBase =
            height * screen.vertMmPerPixel() / RecognitionGeometry::referencePixelMm / parameters.triRatio;
    applyGeometry();
    showParameters();
}

void Test1::toLe_shape() { readReal(ui.le_shape, parameters.shape); }
void Test1::toLe_contrast() { readReal(ui.le_contrast, parameters.contrast); }
void Test1::toLe_orientation() { readReal(ui.le_orientation, parameters.orientation); }
void Test1::toLe_size() { readReal(ui.le_size, parameters.size); }
void Test1::toLe_separator() { readReal(ui.le_separator, parameters.separator); }
void Test1::toLe_triRatio() { readReal(ui.le_triRatio, parameters.triRatio); }

void Test1::toLe_triOffset()
{
    readInt(ui.le_triOffset, parameters.triOffset, 0);
    applyGeometry();
}

void Test1::toLe_number() { readInt(ui.le_number, nbTrials, 1); }

// --- Blocks -----------------------------------------------------------------------------------

void Test1::prepareTraining(int s)
{
    stopAllTimers();
    hideStimuli();
    hideAnswerButtons();
    inInstruction = false;
    training = true;
    blockMode = s + 1;
    mode = blockMode;
    nbTrials = Staircase::trainingTrials;
    ui.le_number->setText(QString::number(nbTrials));
    stairs[s].startTraining();
    showPhase(1);
    ui.lbl_instruction->setText(subtaskName[s + 1]);
    ui.lbl_instruction->show();
    ui.pb_next->hide();
    ui.pb_go->move(frameBottomRight(ui.pb_go));
    ui.pb_go->show();
    ui.pb_go->setFocus();
    setCursor(Qt::ArrowCursor);
    moveCursorTo(ui.pb_go);
}

void Test1::t_sequence0() { prepareTraining(central); }
void Test1::t_sequence10() { prepareTraining(peripheral); }
void Test1::t_sequence20() { prepareTraining(dual); }

// End of a training block: a subtask whose exposure never left the top level stops the run.
void Test1::endTraining(int s)
{
    trialStep = 0;
    hideStimuli();
    hideAnswerButtons();
    arrowCursorAtCenter();
    if (!stairs[s].finishTraining()) {
        stoppedRun = true;
        warn(tr("Exposure time > 4633ms\nCheck visual fields and\nstart training over again for this subtask"));
        return;
    }
    showDurations();
}

void Test1::t_sequence1()
{
    endTraining(central);
    if (stoppedRun)
        return;
    if (startMode == 1)
        prepareTest();
    else if (withInstr)
        i_sequence10();
    else
        t_sequence10();
}

void Test1::t_sequence11()
{
    endTraining(peripheral);
    if (stoppedRun)
        return;
    if (startMode == 2)
        prepareTest();
    else if (withInstr)
        i_sequence20();
    else
        t_sequence20();
}

void Test1::t_sequence21()
{
    endTraining(dual);
    if (stoppedRun)
        return;
    prepareTest();
}

// The test block is prepared: the trial log opens and "GO" waits in the centre.
void Test1::prepareTest()
{
    stopAllTimers();
    phasePlan = 0;
    mode = startMode;
    training = false;
    inInstruction = false;
    trialCounter = 0;
    nbTrials = mode == 0 ? batteryTrials : subtaskTrials;
    ui.le_number->setText(QString::number(nbTrials));
    ui.lbl_mode->hide();
    ui.lbl_instruction->hide();
    ui.pb_next->hide();
    hideStimuli();
    hideAnswerButtons();
    if (fixedDn)
        showTimeCycle();
    if (!openTrialLog(runTask))
        return;
    placeAtCenter(ui.pb_go);
    ui.pb_go->show();
    ui.pb_go->setFocus();
    arrowCursorAtCenter();
}

void Test1::toPb_go()
{
    ui.pb_go->setDown(false);
    ui.pb_go->hide();
    ui.lbl_instruction->hide();
    setFocus();
    parkCursor();
    ui.le_result->clear();
    trialCounter = 0;
    runTrials = 0;
    subtaskIndex = 3;
    figureIndex = 10;
    positionIndex = 6;
    if (!training) {
        records.startRun();
        stairs.startTest(rate);
    }
    runClock.start();
    startTime = QDateTime::currentDateTime();
    sequence0();
}

// --- The trial --------------------------------------------------------------------------------

void Test1::sequence0()
{
    startTrialClock();
    inInstruction = false;
    timedOut = false;
    boundaryHit = false;
    markedError = false;
    cross->show();
    showCounters();
    if (mode == 0) {
        if (subtaskIndex > 2) {
            subtaskIndex = 0;
            subtaskTable = random->randTab3();
        }
        subtask = subtaskTable.at(subtaskIndex);
    } else {
        subtask = mode - 1;
    }
    ui.le_subtask->setText(QString::number(subtask + 1));
    trial.begin(subtask);
    exposure = stairs[subtask].exposure();
    // The play tables are drawn now, so that nothing but showing stands before the onset.
    if (subtask != peripheral && figureIndex > 9)
        nextFigureTable();
    if (subtask != central && positionIndex > 5)
        nextPositionTable();
    startStep(stepTimers[0], timer01);
    trialStep = 1;
}

void Test1::sequence1()
{
    stepTimers[0]->stop();
    awaitStepDeadline();
    cross->hide();
    if (subtask != peripheral)
        showPair(shownCode());
    if (subtask != central)
        showArrows(shownTarget());
    presentNow();
    onsetSpan = stampOnset("exposure", exposure);
    startStep(stepTimers[1], exposure);
    onsetTime = QDateTime::currentDateTime();
    trialStep = 2;
}

void Test1::sequence2()
{
    stepTimers[1]->stop();
    awaitStepDeadline();
    ui.lbl_noise->show();
    for (auto *arrow : arrows)
        arrow->hide();
    for (int side = 0; side < 2; ++side) {
        for (auto *rectangle : rectangles[side])
            rectangle->hide();
        grays[side]->hide();
        rounded[side]->hide();
    }
    presentNow();
    stampOffset(onsetSpan);
    startStep(stepTimers[2], timer03);
    ui.lbl_mode->hide();
    trialStep = 3;
}

void Test1::sequence3()
{
    stepTimers[2]->stop();
    awaitStepDeadline();
    ui.lbl_noise->hide();
    if (training)
        showPhase(1);
    startStep(stepTimers[3], timer04);
    trialStep = 4;
}

void Test1::sequence4()
{
    stepTimers[3]->stop();
    awaitStepDeadline();
    showCentralButtons(subtask != peripheral);
    showPositionButtons(subtask != central);
    arrowCursorAtCenter();
    answerOnsetNs = clockNs();
    if (fixedDn)
        startStep(stepTimers[4], timer05);
    trialStep = 5;
}

void Test1::toPb_uniform() { centralAnswer(Uniform); }
void Test1::toPb_shape() { centralAnswer(Shape); }
void Test1::toPb_contrast() { centralAnswer(Contrast); }
void Test1::toPb_orientation() { centralAnswer(Orientation); }
void Test1::toPb_size() { centralAnswer(Size); }
void Test1::toPb_pos0() { positionAnswer(0); }
void Test1::toPb_pos1() { positionAnswer(1); }
void Test1::toPb_pos2() { positionAnswer(2); }
void Test1::toPb_pos3() { positionAnswer(3); }
void Test1::toPb_pos4() { positionAnswer(4); }
void Test1::toPb_pos5() { positionAnswer(5); }

void Test1::centralAnswer(int button)
{
    centralButtons[button]->setDown(false);
    if (inInstruction) {
        practiceCentral();
        return;
    }
    if (trialStep != 5 || !trial.wantsCentral())
        return;
    showCentralButtons(false);
    if (trial.answerCentral(button, shownCode()))
        completeTrial();
}

void Test1::positionAnswer(int position)
{
    positionButtons[position]->setDown(false);
    if (inInstruction) {
        practicePosition();
        return;
    }
    if (trialStep != 5 || !trial.wantsPosition())
        return;
    showPositionButtons(false);
    if (trial.answerPosition(position, shownTarget()))
        completeTrial();
}

void Test1::advanceIndices()
{
    if (subtask != peripheral)
        ++figureIndex;
    if (subtask != central)
        ++positionIndex;
}

// Both halves are answered: the answer time from the press's arrival, the staircase's step.
void Test1::completeTrial()
{
    stepTimers[4]->stop();
    responseMs = int((pressArrivalNs() - answerOnsetNs) / 1000000);
    advanceIndices();
    const bool correct = trial.correct();
    ui.le_result->setText(correct ? QStringLiteral("1") : QStringLiteral("0"));
    Staircase &stair = stairs[subtask];
    if (training) {
        stair.trainingAnswer(correct, trialCounter + 1);
    } else {
        boundaryHit = stair.testAnswer(correct);
        qDebug("%s success subtask %3d", correct ? "5a" : "5b", subtask);
    }
    showDurations();
    cross->show();
    parkCursor();
    trialStep = 6;
    const int wait = fixedDn ? std::max<qint64>(0, timeCycle - clockNs() / 1000000) : timer06;
    startStep(stepTimers[5], wait);
}

// Fixed-cycle mode: no answer in time. The trial counts, unanswered, and the staircase stays.
void Test1::sequence5()
{
    stepTimers[4]->stop();
    ui.le_result->setText(QStringLiteral("0"));
    stairs[subtask].countMissed();
    trial.recordStimulus(shownCode(), shownTarget());
    advanceIndices();
    hideAnswerButtons();
    timedOut = true;
    cross->show();
    parkCursor();
    trialStep = 6;
    responseMs = timer05;
    startStep(stepTimers[5], std::max<qint64>(0, timeCycle - clockNs() / 1000000));
}

QByteArray Test1::trialRow() const
{
    const bool missing = markedError || timedOut;
    RecordRow row = RecordRow::leading(runTask, cal->isSessionNb(runTask), onsetTime);
    row.integer(subtask + 1)
        .integer(trialCounter)
        .integer(stairs[subtask].count())
        .integer(exposure)
        .latin1(trial.figure())
        .latin1(markedError ? QByteArray() : trial.centralAnswer())
        .latin1(trial.position())
        .latin1(markedError ? QByteArray() : trial.positionAnswer())
        .integer(markedError ? 0 : responseMs);
    if (markedError)
        row.empty();
    else
        row.integer(trial.errorCode());
    return row.integer(boundaryHit ? 1 : 0).empty(9).integer(missing ? 1 : 0).line();
}

void Test1::sequence6()
{
    stepTimers[5]->stop();
    if (!markedError) {
        ++trialCounter;
        stairs[subtask].countTrial();
    }
    if (!training) {
        // Trials whose rows are lost are not measured: the run ends as if interrupted, and the
        // assessor is told which file refused the row and why.
        if (!records.writeTrialRow(trialRow(), markedError || timedOut)) {
            finishTest(false);
            return;
        }
        if (!markedError) {
            switch (stairs.endOfTrial(subtask)) {
            case ExposureRun::Outcome::Unstable:
                failRun(tr("Unstable measures, please start task over again"));
                return;
            case ExposureRun::Outcome::Stopped:
                runTrials = trialCounter;
                trialCounter = finishedCounter;
                qDebug("end test");
                break;
            case ExposureRun::Outcome::Continue:
                break;
            }
            showDurations();
        }
    }
    if (markedError)
        return;   // the block waits for "Continue"
    if (trialCounter < nbTrials) {
        ++subtaskIndex;
        sequence0();
        return;
    }
    trialStep = 0;
    if (!training) {
        endOfTest();
        return;
    }
    if (blockMode == 1)
        t_sequence1();
    else if (blockMode == 2)
        t_sequence11();
    else
        t_sequence21();
}

// --- Keys ---------------------------------------------------------------------------------------

void Test1::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        finishTest(false);
        break;
    case Qt::Key_E:
        if (trialStep == 5 && !fixedDn && !stoppedRun) {
            stopAllTimers();
            hideAnswerButtons();
            showPhase(3);
            ui.pb_continue->show();
            stairs[subtask].countMissed();
            trial.recordStimulus(shownCode(), shownTarget());
            timedOut = true;
            markedError = true;
            responseMs = 0;
            arrowCursorAtCenter();
            trialStep = 6;
            sequence6();
        }
        break;
    case Qt::Key_P:
        if (trialStep == 5 && !fixedDn && !stoppedRun) {
            records.writeInterruption(QStringLiteral("paused"));
            stopAllTimers();
            hideAnswerButtons();
            cross->hide();
            showPhase(2);
            ui.pb_continue->show();
            arrowCursorAtCenter();
            trialStep = 0;
        }
        break;
    default:
        break;
    }
}

void Test1::toPb_continue()
{
    ui.pb_continue->setDown(false);
    ui.lbl_mode->hide();
    ui.pb_continue->hide();
    setFocus();
    parkCursor();
    sequence0();
}

// --- Instruction screens ------------------------------------------------------------------------

void Test1::toPb_next()
{
    ui.pb_next->setDown(false);
    switch (instrStep) {
    case 0: i_sequence0(); break;
    case 1: i_sequence1(); break;
    case 2: i_sequence2(); break;
    case 3:
        stopDemo();
        i_sequence5();
        break;
    case 6:
        figureIndex = 10;
        closeInstructions();
        i_sequence6();
        break;
    case 9:
        stopDemo();
        if (trainingRun)
            t_sequence0();
        else if (startMode == 1)
            finishTest(false);
        else
            i_sequence10();
        break;
    case 11:
        i_sequence11();
        break;
    case 13:
        stopDemo();
        i_sequence13();
        break;
    case 14:
        positionIndex = 6;
        closeInstructions();
        i_sequence14();
        break;
    case 17:
        stopDemo();
        if (trainingRun)
            t_sequence10();
        else if (startMode == 2)
            finishTest(false);
        else
            i_sequence20();
        break;
    case 21:
        i_sequence21();
        break;
    case 23:
        stopDemo();
        i_sequence23();
        break;
    case 24:
        figureIndex = 10;
        positionIndex = 6;
        closeInstructions();
        practicePending = false;
        i_sequence24();
        break;
    case 27:
        stopDemo();
        if (trainingRun)
            t_sequence20();
        else
            finishTest(false);
        break;
    default:
        break;
    }
}

void Test1::closeInstructions()
{
    ui.lbl_instruction->hide();
    ui.pb_next->hide();
}

void Test1::stopDemo()
{
    demoTimer->stop();
    practiceTimer->stop();
    practiceMaskTimer->stop();
    hideStimuli();
    hideAnswerButtons();
}

void Test1::i_sequence0()
{
    inInstruction = true;
    subtask = central;
    ui.lbl_instruction->setText(subtaskName[1]);
    ui.lbl_instruction->show();
    instrStep = 1;
}

// The chart of the five kinds of left figure, each above its help label.
void Test1::i_sequence1()
{
    ui.lbl_instruction->hide();
    QWidget *figures[5] = {rectangles[0][0], rounded[0], grays[0], rectangles[0][1], rectangles[0][2]};
    QLabel *helps[5] = {ui.lbl_i_identical, ui.lbl_i_shape, ui.lbl_i_contrast, ui.lbl_i_orientation, ui.lbl_i_size};
    const int half = rectangles[0][0]->width() / 2;
    for (int k = 0; k < 5; ++k) {
        const int x = centerX + (k - 2) * chartStep;
        figures[k]->move(x - half, centerY - chartLift - figures[k]->height());
        figures[k]->show();
        helps[k]->move(x - helps[k]->width() / 2, centerY);
        helps[k]->show();
    }
    instrStep = 2;
}

void Test1::i_sequence2()
{
    for (QWidget *help : {ui.lbl_i_identical, ui.lbl_i_shape, ui.lbl_i_contrast, ui.lbl_i_orientation, ui.lbl_i_size})
        help->hide();
    hideStimuli();
    applyGeometry();
    startDemo(central);
    instrStep = 3;
}

// Demonstrations: every two seconds the next figure code, target position, or both.
void Test1::startDemo(int s)
{
    demoSubtask = s;
    demoCode = 0;
    demoTarget = 0;
    cross->setVisible(s != central);
    i_sequence3();
}

void Test1::i_sequence3()
{
    if (demoSubtask != peripheral)
        showPair(demoCode);
    if (demoSubtask != central)
        showArrows(demoTarget);
    demoTimer->start(demoPeriod);
}

void Test1::i_sequence4()
{
    demoTimer->stop();
    hideStimuli();
    cross->setVisible(demoSubtask != central);
    if (demoSubtask != peripheral)
        demoCode = (demoCode + 1) % figureCodeCount;
    if (demoSubtask != central)
        demoTarget = (demoTarget + 1) % positionCount;
    i_sequence3();
}

void Test1::i_sequence5()
{
    ui.lbl_instruction->setText(subtaskName[4]);
    ui.lbl_instruction->show();
    instrStep = 6;
}

// Practice trials: the stimulus, the mask, then the answer buttons and "Continue"; any answer
// starts the next practice trial; nothing is scored.
void Test1::startPractice(int s)
{
    inInstruction = true;
    subtask = s;
    hideAnswerButtons();
    ui.pb_next->hide();
    if (s != peripheral && figureIndex > 9)
        nextFigureTable();
    if (s != central && positionIndex > 5)
        nextPositionTable();
    if (s != peripheral)
        showPair(shownCode());
    if (s != central) {
        cross->show();
        showArrows(shownTarget());
    }
    practiceTimer->start(s == dual ? practiceDual : practiceSingle);
}

void Test1::i_sequence6() { startPractice(central); }

void Test1::i_sequence7()
{
    practiceTimer->stop();
    hideStimuli();
    ui.lbl_noise->show();
    practiceMaskTimer->start(practiceMask);
}

void Test1::i_sequence8()
{
    practiceMaskTimer->stop();
    ui.lbl_noise->hide();
    showCentralButtons(subtask != peripheral);
    showPositionButtons(subtask != central);
    practicePending = subtask == dual;
    ui.pb_next->show();
    setCursor(Qt::ArrowCursor);
    instrStep = subtask == central ? 9 : subtask == peripheral ? 17 : 27;
}

void Test1::practiceCentral()
{
    showCentralButtons(false);
    ++figureIndex;
    if (subtask == dual && practicePending) {
        practicePending = false;
        return;
    }
    startPractice(subtask);
}

void Test1::practicePosition()
{
    showPositionButtons(false);
    ++positionIndex;
    if (subtask == dual && practicePending) {
        practicePending = false;
        return;
    }
    startPractice(subtask);
}

// The title screen of the peripheral or the dual subtask's instructions.
void Test1::showSubtaskInstructions(int s)
{
    inInstruction = true;
    subtask = s;
    hideStimuli();
    hideAnswerButtons();
    showPhase(0);
    ui.lbl_instruction->setText(subtaskName[s + 1]);
    ui.lbl_instruction->show();
    ui.pb_go->hide();
    ui.pb_next->move(frameBottomRight(ui.pb_next));
    ui.pb_next->show();
    setCursor(Qt::ArrowCursor);
    moveCursorTo(ui.pb_next);
    instrStep = 10 * s + 1;
}

// The peripheral and dual subtasks' instructions run the same steps, numbered 10 × subtask + n:
// title (1), worked example (3), "Example" title (4), practice trial.
void Test1::showSubtaskDemo(int s)
{
    ui.lbl_instruction->hide();
    startDemo(s);
    instrStep = 10 * s + 3;
}

void Test1::showPracticeTitle(int s)
{
    ui.lbl_instruction->setText(subtaskName[4]);
    ui.lbl_instruction->show();
    instrStep = 10 * s + 4;
}

void Test1::i_sequence10() { showSubtaskInstructions(peripheral); }

void Test1::i_sequence11() { showSubtaskDemo(peripheral); }
void Test1::i_sequence12() { i_sequence4(); }
void Test1::i_sequence13() { showPracticeTitle(peripheral); }

void Test1::i_sequence14() { startPractice(peripheral); }
void Test1::i_sequence15() { i_sequence7(); }
void Test1::i_sequence16() { i_sequence8(); }

void Test1::i_sequence20() { showSubtaskInstructions(dual); }

void Test1::i_sequence21() { showSubtaskDemo(dual); }
void Test1::i_sequence22() { i_sequence4(); }
void Test1::i_sequence23() { showPracticeTitle(dual); }

void Test1::i_sequence24() { startPractice(dual); }
void Test1::i_sequence25() { i_sequence7(); }
void Test1::i_sequence26() { i_sequence8(); }

// --- End of a run -------------------------------------------------------------------------------

// Instability: the level sequences go to the debug output, the run is marked interrupted and
// stops; only Escape goes on, which closes the window.
void Test1::failRun(const QString &text)
{
    stoppedRun = true;
    stopAllTimers();
    hideStimuli();
    hideAnswerButtons();
    trialStep = 0;
    for (int s = 0; s < ExposureRun::subtaskCount; ++s) {
        QByteArray line = "tabS" + QByteArray::number(s + 1);
        for (int level : stairs[s].levels())
            line += ' ' + QByteArray::number(level);
        qDebug("%s", line.constData());
    }
    records.writeInterruption(QStringLiteral("interrupted"));
    records.closeTrialLog();
    arrowCursorAtCenter();
    warn(text);
}

void Test1::endOfTest()
{
    // A block that ran out of trials before every staircase stopped has no thresholds.
    if (!stairs.complete()) {
        failRun(tr("Unstable measures, please start task over again"));
        return;
    }
    const qint64 elapsed = runClock.elapsed();
    duration = QTime(0, 0).addMSecs(int(elapsed - elapsed % 1000));
    // The counter, the training values, the rows and the report are filed as one run.
    CompletedRun run;
    run.task = runTask;
    run.table = 1;
    run.rowStamp = startTime;
    for (int s = 0; s < ExposureRun::subtaskCount; ++s)
        run.otherFields.append({trainingField + s, QString::number(stairs[s].storedAfterRun(trainingRun))});
    RecordRow columns;
    columns.duration(duration).integer(runTrials);
    for (int s = 0; s < ExposureRun::subtaskCount; ++s) {
        const Staircase &stair = stairs[s];
        if (!ExposureRun::inMode(startMode, s)) {
            columns.empty(7);
            continue;
        }
        columns.integer(stair.exposure())
            .integer(stair.missed())
            .integer(stair.reversals())
            .real(stair.sup())
            .integer(stair.limitSup())
            .real(stair.inf())
            .integer(stair.limitInf());
    }
    run.resultColumns = columns.fields();
    run.report.task = 1;
    run.report.session = {startTime, cal->isSessionNb(runTask), duration, runTrials};
    for (int value : reportValues())
        run.report.measures << value;
    records.finishRun(run);
    finishTest(true);
}

// Per subtask: threshold, missed, reversals, upper and lower cluster means (whole ms) with
// their boundary counts; zeros for a subtask the run did not have.
std::array<int, 21> Test1::reportValues() const
{
    std::array<int, 21> values{};
    for (int s = 0; s < ExposureRun::subtaskCount; ++s) {
        if (!ExposureRun::inMode(startMode, s))
            continue;
        const Staircase &stair = stairs[s];
        const int first = 7 * s;
        values[first] = stair.exposure();
        values[first + 1] = stair.missed();
        values[first + 2] = stair.reversals();
        values[first + 3] = int(stair.sup());
        values[first + 4] = stair.limitSup();
        values[first + 5] = int(stair.inf());
        values[first + 6] = stair.limitInf();
    }
    return values;
}

void Test1::writeTrainingValues()
{
    const PatientList list = PatientList::standard();
    QStringList failures;
    for (int s = 0; s < ExposureRun::subtaskCount; ++s) {
        QString error;
        const QString value = QString::number(stairs[s].storedAfterRun(trainingRun));
        if (!list.rewriteField(cal->isPatientName(), trainingField + s, value, &error))
            failures << error;
    }
    if (!failures.isEmpty())
        warn(tr("Failed to write %1\n%2").arg(Paths::patientsListFile, failures.first()));
}

void Test1::finishTest(bool showResults)
{
    stopAllTimers();
    // A completed run filed its training values with its results.
    if (runOpen && !showResults)
        writeTrainingValues();
    hideStimuli();
    hideAnswerButtons();
    for (QWidget *help : {ui.lbl_i_identical, ui.lbl_i_shape, ui.lbl_i_contrast, ui.lbl_i_orientation, ui.lbl_i_size})
        help->hide();
    ui.lbl_mode->hide();
    ui.lbl_instruction->hide();
    ui.pb_next->hide();
    ui.pb_go->hide();
    ui.pb_continue->hide();
    trialStep = 0;
    arrowCursorAtCenter();
    if (showResults) {
        showResultsButtons();
        return;
    }
    endWithoutResults(stoppedRun ? nullptr : "interrupted");
}

void Test1::fileReport(bool display)
{
    const std::array<int, 21> v = reportValues();
    result->goResult1(display, startTime, cal->isSessionNb(runTask), duration, runTrials, v[0], v[1], v[2], v[3],
                      v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15], v[16], v[17],
                      v[18], v[19], v[20]);
}
