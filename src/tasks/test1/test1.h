#pragma once

#include <array>

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTime>

#include "tasks/taskwindow.h"
#include "tasks/test1/recognitionanswer.h"
#include "tasks/test1/recognitiongeometry.h"
#include "tasks/test1/staircase.h"
#include "ui_test1.h"

class DrawArrowPeriph;
class DrawCross;
class DrawGrayRectangle;
class DrawRectangle;
class DrawRoundedRectangle;
class QLineEdit;
class QPushButton;
class QTimer;
class Random;
class Result;

// The visual recognition task: the shortest exposure at which the patient still tells two
// central figures apart (central), finds the one inward arrow of six (peripheral), or does
// both at once (dual). Mode 0 runs the whole battery, modes 1 to 3 one subtask each; every
// subtask runs its own exposure staircase (Staircase).
class Test1 : public TaskWindow
{
    Q_OBJECT

public:
    explicit Test1(QWidget *parent = nullptr);
    ~Test1() override;

    // The run's staircases (read by tests and the simulated patient).
    const ExposureRun &staircases() const { return stairs; }

public slots:
    void goTest1(int mode, bool withInstr, bool withoutTrain, bool debug, bool fixedDn);
    void toPb_uniform();
    void toPb_shape();
    void toPb_contrast();
    void toPb_orientation();
    void toPb_size();
    void toPb_pos0();
    void toPb_pos1();
    void toPb_pos2();
    void toPb_pos3();
    void toPb_pos4();
    void toPb_pos5();
    void toLe_timer01();
    void toLe_timer02_S1();
    void toLe_timer02_S2();
    void toLe_timer02_S3();
    void toLe_timer03();
    void toLe_timer04();
    void toLe_timer05();
    void toLe_timer06();
    void toLe_globSize();
    void toLe_shape();
    void toLe_contrast();
    void toLe_orientation();
    void toLe_size();
    void toLe_separator();
    void toLe_triSize();
    void toLe_triRatio();
    void toLe_triOffset();
    void toLe_number();
    void toPb_go();
    void toPb_next();
    void toPb_continue();
    void sequence0();
    void sequence1();
    void sequence2();
    void sequence3();
    void sequence4();
    void sequence5();
    void sequence6();
    void i_sequence0();
    void i_sequence1();
    void i_sequence2();
    void i_sequence3();
    void i_sequence4();
    void i_sequence5();
    void i_sequence6();
    void i_sequence7();
    void i_sequence8();
    void i_sequence10();
    void i_sequence11();
    void i_sequence12();
    void i_sequence13();
    void i_sequence14();
    void i_sequence15();
    void i_sequence16();
    void i_sequence20();
    void i_sequence21();
    void i_sequence22();
    void i_sequence23();
    void i_sequence24();
    void i_sequence25();
    void i_sequence26();
    void t_sequence0();
    void t_sequence1();
    void t_sequence10();
    void t_sequence11();
    void t_sequence20();
    void t_sequence21();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void stopAllTimers() override;
    void hideStimuli() override;
    void fileReport(bool display) override;

private:
    enum { central = 0, peripheral = 1, dual = 2 };

    void failStart(const QString &text);
    void warn(const QString &text);
    void applyGeometry();
    void hideAnswerButtons();
    void showCentralButtons(bool shown);
    void showPositionButtons(bool shown);
    void showPair(int code);
    void showArrows(int target);
    void nextFigureTable();
    void nextPositionTable();
    int shownCode() const { return figureTable.at(figureIndex); }
    int shownTarget() const { return positionTable.at(positionIndex); }

    void readInt(QLineEdit *field, int &setting, int minimum);
    void readReal(QLineEdit *field, double &setting);
    void showDurations();
    void showParameters();
    void showTimeCycle();
    void showCounters();

    void prepareTraining(int subtask);
    void endTraining(int subtask);
    void prepareTest();
    void centralAnswer(int button);
    void positionAnswer(int position);
    void completeTrial();
    void advanceIndices();
    QByteArray trialRow() const;
    void endOfTest();
    std::array<int, 21> reportValues() const;
    void failRun(const QString &text);
    // Closes the run: the training values into the patient list, and with results the
    // results buttons, else the window closes without results.
    void finishTest(bool showResults);
    void writeTrainingValues();
    void practiceCentral();
    void practicePosition();
    void startPractice(int subtask);
    void startDemo(int subtask);
    void showSubtaskInstructions(int subtask);
    void showSubtaskDemo(int subtask);
    void showPracticeTitle(int subtask);
    void stopDemo();
    void closeInstructions();

    Ui::Test1Class ui;
    Random *random = nullptr;
    Result *result = nullptr;

    DrawCross *cross = nullptr;
    std::array<DrawArrowPeriph *, RecognitionAnswer::positionCount> arrows{};
    // Figures per side (0 left, 1 right): normal, turned, smaller as rectangles.
    std::array<std::array<DrawRectangle *, 3>, 2> rectangles{};
    std::array<DrawGrayRectangle *, 2> grays{};
    std::array<DrawRoundedRectangle *, 2> rounded{};
    std::array<QPushButton *, RecognitionAnswer::buttonCount> centralButtons{};
    std::array<QPushButton *, RecognitionAnswer::positionCount> positionButtons{};

    // Trial chain and the instruction screens' demonstrations and practice.
    std::array<QTimer *, 6> stepTimers{};
    QTimer *demoTimer = nullptr;
    QTimer *practiceTimer = nullptr;
    QTimer *practiceMaskTimer = nullptr;

    // Durations (ms), editable in the parameter panel.
    int timer01 = 500;
    int timer03 = 200;
    int timer04 = 500;
    int timer05 = 5000;
    int timer06 = 1000;
    int timeCycle = 0;
    RecognitionGeometry::Parameters parameters;

    int mode = 0;
    int startMode = 0;
    int runTask = 1;   // 1 the battery, 5 … 7 a subtask
    int phasePlan = 0;
    int rate = 0;
    bool withInstr = false;
    bool training = false;        // the current block is a training block
    bool trainingRun = false;     // the run has training blocks ("With training")
    bool fixedDn = false;
    bool debug = false;
    bool untrained = false;
    bool inInstruction = false;
    int nbTrials = 150;
    int instrStep = 0;
    int trialStep = 0;
    int subtask = central;
    int blockMode = 0;
    std::array<int, ExposureRun::subtaskCount> storedValues{};
    std::array<QString, 5> subtaskName;

    ExposureRun stairs;
    RecognitionAnswer::Trial trial;
    QList<int> subtaskTable;
    QList<int> figureTable;
    QList<int> positionTable;
    int subtaskIndex = 3;
    int figureIndex = 10;
    int positionIndex = 6;
    int trialCounter = 0;
    int runTrials = 0;
    int exposure = 0;
    int responseMs = 0;
    bool timedOut = false;
    bool markedError = false;
    bool boundaryHit = false;
    int onsetSpan = -1;
    qint64 answerOnsetNs = 0;
    QDateTime onsetTime;
    QDateTime startTime;
    QElapsedTimer runClock;
    QTime duration;
    bool practicePending = false;
    int demoSubtask = central;
    int demoCode = 0;
    int demoTarget = 0;
    bool stoppedRun = false;   // a failure message is up: only Escape goes on
};
