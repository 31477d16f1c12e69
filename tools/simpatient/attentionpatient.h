#pragma once

#include <vector>

#include <QCommandLineOption>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>

#include "reactionmodel.h"
#include "taskstrategy.h"

class QTimer;

// The patient of the central cue attention task. It watches the screen as a patient would:
// the alerting asterisk coming and going, the orienting arrow, the white target. When the
// target appears it presses Space after a modelled reaction time; now and then it presses
// during the cue-target interval after the asterisk (an anticipation) or answers too late.
//
// Its reaction times come from a model given on the command line (modelOptions()).
//
// It also measures the display's timing on the monotonic clock: the moments at which the
// asterisk and the target become visible or hidden give the actual cue duration and
// cue-target interval of the alerted trials, and the task's own onset and offset stamps give
// them for every trial.
class AttentionPatient : public QObject, public TaskStrategy
{
    Q_OBJECT

public:
    AttentionPatient(unsigned int seed, QObject *parent = nullptr);

    int task() const override { return 2; }
    int resultTable() const override { return 2; }
    const char *windowClass() const override { return "Test2"; }
    const char *buttonName() const override { return "pb_test2"; }
    bool configure(const QCommandLineParser &parser, QString *error) override;
    bool start(QDialog *window, QString *error) override;
    bool finished() const override;
    QString summary() const override;

    // --rt-neutral, --alerting, --orienting, --spread (ms) and --anticipations (share).
    static QList<QCommandLineOption> modelOptions();

    // Durations written into the parameter panel: the fixed part of the fixation and the
    // interval after the response, shortened so that a run takes a few minutes.
    static constexpr int fixationMs = 100;
    static constexpr int afterResponseMs = 100;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void targetShown();
    void press();
    double nowMs() const { return m_clock.nsecsElapsed() / 1e6; }

    QPointer<QDialog> m_window;
    QWidget *m_target = nullptr;
    QWidget *m_arrow = nullptr;
    QWidget *m_asterisk = nullptr;
    QWidget *m_results = nullptr;
    QTimer *m_pressTimer = nullptr;
    unsigned int m_seed;
    ReactionModel m_model;
    QElapsedTimer m_clock;

    bool m_asteriskSeen = false;
    bool m_planned = false;
    ReactionModel::Answer m_plan{ReactionModel::Kind::Normal, 0};
    double m_asteriskOn = -1;
    double m_asteriskOff = -1;
    int m_nominalCue = 0;
    int m_nominalInterval = 0;

    int m_targets = 0;
    int m_anticipations = 0;
    int m_late = 0;
    // Errors of the actual against the nominal durations, in ms.
    std::vector<double> m_seenCueError;
    std::vector<double> m_seenIntervalError;
};
