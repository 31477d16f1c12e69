#pragma once

#include <array>
#include <vector>

#include <QElapsedTimer>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "psychometricmodel.h"
#include "taskstrategy.h"

class QPushButton;
class QTimer;

// The patient of the visual recognition task (task 1, or its subtasks 5, 6, 7) with its
// training blocks. It watches the screen: which figure pair and which arrows come up, and for
// how long they stay (from the widgets' Show and Hide). When the answer buttons appear it
// answers after a realistic delay, correctly with the chance its psychometric function gives
// for the exposure it saw, else with a wrong button picked at random (in the dual task one
// or both halves wrong). Each training and test block it starts with "GO".
class RecognitionPatient : public QObject, public TaskStrategy
{
    Q_OBJECT

public:
    RecognitionPatient(int task, unsigned int seed, QObject *parent = nullptr);

    // --thresholds C,P,D: the exposures (ms) answered correctly half of the time.
    static QList<QCommandLineOption> modelOptions();
    bool configure(const QCommandLineParser &parser, QString *error) override;

    int task() const override { return m_task; }
    int resultTable() const override { return 1; }
    const char *windowClass() const override { return "Test1"; }
    const char *buttonName() const override;
    bool withTraining() const override { return true; }
    bool start(QDialog *window, QString *error) override;
    bool finished() const override;
    QString summary() const override;

    // Durations written into the parameter panel to keep a run short: fixation, the mask,
    // the pause after the mask, the pause after the answer. The exposures stay the staircase's.
    static constexpr int fixationMs = 200;
    static constexpr int maskMs = 50;
    static constexpr int afterMaskMs = 100;
    static constexpr int afterAnswerMs = 200;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stimulusOn();
    void readDisplay();
    void buttonsShown();
    void answer();
    void pressGo();
    void watchMessages();
    int centralButtonShown() const;
    int inwardArrow() const;
    QPushButton *positionButtonAt(int arrow) const;
    double nowMs() const { return m_clock.nsecsElapsed() / 1e6; }

    int m_task;
    std::array<double, 3> m_thresholds{80, 150, 250};
    PsychometricModel m_model;
    QElapsedTimer m_clock;
    QPointer<QDialog> m_window;
    QList<QWidget *> m_figures;
    QList<QWidget *> m_arrows;
    QList<QPushButton *> m_central;
    QList<QPushButton *> m_positions;
    QWidget *m_go = nullptr;
    QWidget *m_results = nullptr;
    QTimer *m_answerTimer = nullptr;
    QTimer *m_messageTimer = nullptr;

    bool m_stimulusOn = false;
    double m_onset = 0;
    double m_seenExposure = 0;
    int m_subtask = 0;
    int m_correctButton = 0;
    int m_target = 0;
    std::vector<QPushButton *> m_clicks;

    std::array<int, 3> m_trials{};
    std::array<int, 3> m_correct{};
    QStringList m_messages;
};
