#pragma once

#include <random>

#include <QElapsedTimer>
#include <QImage>
#include <QCommandLineOption>
#include <QList>
#include <QObject>
#include <QPointer>

#include "taskstrategy.h"

class DrawArrow;
class QTimer;

// The patient of the movement detection task. It watches the screen: when the central arrow
// appears it looks at the cell the arrow points at, sees from two looks a few motion ticks
// apart which way that cell's grating drifts, presses Space after a reaction time drawn from
// its model, and, once the answer buttons are up, reports the direction it saw, by button or
// by arrow key (both over a run); now and then it reports a wrong one.
//
// Reaction times: normal with mean `rtMs` and spread `spreadMs`, `leftSlowerMs` added when the
// target is on the left side of the field (SW, W, NW), kept between 250 and 4500 ms.
class MotionPatient : public QObject, public TaskStrategy
{
    Q_OBJECT

public:
    struct Model
    {
        double rtMs = 650;
        double spreadMs = 60;
        double leftSlowerMs = 40;
        double wrong = 0.05;
    };

    explicit MotionPatient(unsigned int seed, QObject *parent = nullptr);

    // --rt, --left-slower and --wrong; --spread is declared with the attention patient's
    // options and read here too.
    static QList<QCommandLineOption> modelOptions();
    bool configure(const QCommandLineParser &parser, QString *error) override;

    int task() const override { return 3; }
    int resultTable() const override { return 3; }
    const char *windowClass() const override { return "Test3"; }
    const char *buttonName() const override { return "pb_test3"; }
    bool start(QDialog *window, QString *error) override;
    bool finished() const override;
    QString summary() const override;

    // The drift seen between two looks at a cell: 0 right, 1 down, 2 left, 3 up, or −1 when
    // neither grating moved.
    static int seenDirection(const QImage &before, const QImage &after);

    // Durations written into the parameter panel so that a run takes about two minutes: the
    // fixed part of the still period and the interval after the answer.
    static constexpr int stillMs = 100;
    static constexpr int afterAnswerMs = 100;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QImage lookAtTarget() const;
    void arrowShown();
    void lookAgain();
    void pressSpace();
    void answer();

    QPointer<QDialog> m_window;
    DrawArrow *m_arrow = nullptr;
    QWidget *m_center = nullptr;
    QWidget *m_results = nullptr;
    QTimer *m_lookTimer = nullptr;
    QTimer *m_pressTimer = nullptr;
    QTimer *m_answerTimer = nullptr;
    Model m_model;
    std::mt19937 m_engine;

    int m_place = 0;
    QImage m_firstLook;
    int m_looks = 0;
    int m_seen = -1;

    int m_targets = 0;
    int m_unseen = 0;
    int m_wrongAnswers = 0;
    int m_byButton = 0;
    int m_byKey = 0;
};
