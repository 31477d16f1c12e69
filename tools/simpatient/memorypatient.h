#pragma once

#include <vector>

#include <QCommandLineOption>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include "pointingmodel.h"
#include "taskstrategy.h"

class QTimer;
class TaskWindow;

// The patient of the working memory task. It watches the screen as a patient would: the
// crosses of the series appearing one after another and where, remembering the first and
// the most recent one. At "Last Cross ?" it clicks with the left button at the remembered
// place of the last cross, then at that of the first cross, each missed by the pointing
// error of the model (millimetres turned into pixels with the calibration in screen.pix).
// Now and then it gives no answer, and the assessor marks the trial with E after a while;
// "Continue" is pressed by the assessor too.
//
// Its pointing model and the durations of a shortened run come from the command line
// (modelOptions()). It also reports the display's timing: the exposure of every cross and every blank
// interval as stamped by the task on its monotonic clock, against their nominal durations.
class MemoryPatient : public QObject, public TaskStrategy
{
    Q_OBJECT

public:
    explicit MemoryPatient(unsigned int seed, QObject *parent = nullptr);

    int task() const override { return 4; }
    int resultTable() const override { return 4; }
    const char *windowClass() const override { return "Test4"; }
    const char *buttonName() const override { return "pb_test4"; }
    bool configure(const QCommandLineParser &parser, QString *error) override;
    bool start(QDialog *window, QString *error) override;
    bool finished() const override;
    QString summary() const override;

    // --pointing-sd, --load-factor, --errors, and --exposure and --blank, which replace the
    // cross exposure and the blank interval in the parameter panel (the task's own otherwise).
    static QList<QCommandLineOption> modelOptions();

    // Durations written into the parameter panel besides those two: the delay
    // before the first cross and the time the answers stay on screen.
    static constexpr int delayMs = 200;
    static constexpr int answersShownMs = 200;
    // The assessor's reaction: pressing "Continue", and giving up on an unanswered trial.
    static constexpr int continueMs = 300;
    static constexpr int giveUpMs = 2500;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void crossSeen(QWidget *cross);
    void answerPhase();
    void click();
    QPoint missedPlace(QPoint place, int load);

    QPointer<QDialog> m_window;
    TaskWindow *m_task = nullptr;
    QWidget *m_firstCross = nullptr;   // the first cross of a series
    QWidget *m_laterCross = nullptr;   // every later cross
    QWidget *m_lastPrompt = nullptr;
    QWidget *m_continue = nullptr;
    QWidget *m_results = nullptr;
    QTimer *m_clickTimer = nullptr;
    QTimer *m_assessorTimer = nullptr;
    unsigned int m_seed;
    PointingModel m_model;
    double m_exposureMs = 0;
    double m_blankMs = 0;
    double m_mmPerPixelX = 0;
    double m_mmPerPixelY = 0;

    bool m_answering = false;
    int m_crossesSeen = 0;
    QPoint m_first;
    QPoint m_last;
    std::vector<QPoint> m_clicks;   // the two clicks still to give, last cross first

    int m_trials = 0;
    int m_lapses = 0;
};
