#include "tasks/taskwindow.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

#include <time.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QInputEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "calibration/calibration.h"
#include "reports/result.h"
#include "support/random.h"
#include "support/recordrow.h"

namespace {
// A step's timer wakes this much before its deadline, and the step waits out the rest on the
// monotonic clock while taking in input: the event loop's timers come up to a millisecond
// late, and a loaded system now and then wakes the program a few milliseconds late.
constexpr qint64 earlyWakeNs = 3'000'000;
// While waiting out a deadline the step sleeps in slices this long between looks at input.
constexpr qint64 waitSliceNs = 200'000;
const QPoint parkedCursor(10, 700);

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

bool isPress(QEvent::Type type)
{
    return type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
}

// How long ago, in ns, an input event arrived at the latest, from the time stamp the window
// system gave it: the X server stamps every event in ms of the monotonic clock (modulo 2^32),
// so an event that waited while the program was busy still tells when it came. 0 when the
// event carries no such stamp (synthesised input) or arrived less than a millisecond ago.
qint64 ageOfStamp(const QInputEvent *event)
{
    const qint64 nowNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count();
    const qint64 nowMs = nowNs / 1'000'000;
    const quint32 ageMs = quint32(nowMs) - quint32(event->timestamp());
    if (ageMs > 200)
        return 0;
    // The stamp is truncated to the millisecond: the event came before its next millisecond.
    const qint64 latestNs = (nowMs - ageMs + 1) * 1'000'000;
    return std::max<qint64>(0, nowNs - latestNs);
}
} // namespace

TaskWindow::TaskWindow(int taskNumber, QWidget *parent)
    : QDialog(parent)
    , taskNumber(taskNumber)
{
    cal = new Calibration(this);
    cal->hide();
    random = new Random(this);
    random->hide();
    result = new Result(this);
    m_trialClock.start();
}

TaskWindow::~TaskWindow()
{
    qApp->removeEventFilter(this);
    for (const DeferredInput &input : std::as_const(m_deferred))
        delete input.event;
}

void TaskWindow::setupCommon(QLabel *phaseLabel, QPushButton *results, QPushButton *mainMenu)
{
    m_phaseLabel = phaseLabel;
    m_results = results;
    m_mainMenu = mainMenu;
    connect(results, &QPushButton::clicked, this, &TaskWindow::toPb_results);
    connect(mainMenu, &QPushButton::clicked, this, &TaskWindow::toPb_mainMenu);
}

void TaskWindow::setupFrame(QPushButton *go, QPushButton *next, QPushButton *resume, QLabel *instruction)
{
    m_go = go;
    m_next = next;
    m_resume = resume;
    m_instruction = instruction;
}

void TaskWindow::setupPanel(QWidget *panel, QLineEdit *task, QLineEdit *subtask, QLineEdit *pitch,
                            QLineEdit *timeCycle)
{
    m_panel = panel;
    m_panelTask = task;
    m_panelMode = subtask;
    m_panelPitch = pitch;
    m_panelCycle = timeCycle;
}

// --- The run --------------------------------------------------------------------------------

void TaskWindow::beginRun(int mode, bool withInstr, bool withTrain, bool debug, bool fixedDn)
{
    stopAllTimers();
    enterFullScreen();
    std::srand(unsigned(std::time(nullptr)));
    this->mode = mode;
    this->withInstr = withInstr;
    this->withTrain = withTrain;
    this->debug = debug;
    this->fixedDn = fixedDn;
    inInstruction = withInstr;
    phasePlan = (withInstr ? 1 : 0) + (withTrain ? 2 : 0);

    if (m_panel) {
        m_panelTask->setText(QString::number(taskNumber));
        m_panelMode->setText(QString::number(mode));
        m_panelPitch->setText(QStringLiteral("%L1").arg(cal->isHorzPitch() / 1000.0, 8, 'f', 3));
        m_panelCycle->clear();
        m_panel->setVisible(debug);
    }
    if (m_go) {
        m_resume->move(frameBottomRight(m_resume));
        m_resume->hide();
        placeAtCenter(m_instruction);
        m_next->move(frameBottomRight(m_next));
        m_go->hide();
    }
}

bool TaskWindow::offerTestBlock()
{
    if (!openTrialLog())
        return false;
    placeAtCenter(m_go);
    m_go->show();
    m_go->setFocus();
    return true;
}

void TaskWindow::showFirstScreen(const QString &instruction)
{
    switch (phasePlan) {
    case 0:
        m_instruction->hide();
        hidePhase();
        m_next->hide();
        offerTestBlock();
        break;
    case 1:
    case 3:
        showPhase(0);
        m_instruction->setText(instruction);
        m_instruction->show();
        instrStep = 0;
        moveCursorTo(m_next);
        m_next->show();
        break;
    default:
        hidePhase();
        moveCursorTo(m_next);
        startTraining();
        break;
    }
}

QString TaskWindow::loggedRt(int &rt, bool markedError)
{
    if (markedError) {
        rt = 0;
        return QString();
    }
    return QString::number(rt);
}

void TaskWindow::setSetting(QLineEdit *field, int &setting, int value)
{
    setting = value;
    field->setText(QString::number(setting));
    if (fixedDn && m_panelCycle) {
        timeCycle = cycleLength();
        m_panelCycle->setText(QString::number(timeCycle));
    }
}

void TaskWindow::readSetting(QLineEdit *field, int &setting, int minimum)
{
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    setSetting(field, setting, ok && value >= minimum ? value : setting);
}

void TaskWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        endWithoutResults("interrupted");
}

// --- Screen and frame -----------------------------------------------------------------------

void TaskWindow::enterFullScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setGeometry(screen);
    showFullScreen();
    setBlackBackground();
    setCursor(Qt::ArrowCursor);
    centerX = screen.width() / 2;
    centerY = screen.height() / 2;
    QCursor::setPos(mapToGlobal(QPoint(centerX, centerY)));
    // Input of the whole application passes here first, so that a press is stamped the moment
    // it is taken from the window system.
    qApp->installEventFilter(this);
    m_spans.clear();
    m_trial = 0;
    runOpen = true;

    if (m_phaseLabel)
        m_phaseLabel->move(frameTopRight(m_phaseLabel));
    if (m_results) {
        m_results->move(int(centerX - m_results->width() / 2.0 - 100), int(centerY - m_results->height() / 2.0));
        m_mainMenu->move(int(centerX - m_mainMenu->width() / 2.0 + 100),
                         int(centerY - m_mainMenu->height() / 2.0));
        m_results->hide();
        m_mainMenu->hide();
    }
}

void TaskWindow::setBlackBackground()
{
    setStyleSheet(QStringLiteral("background-color:rgb(0, 0, 0)"));
}

void TaskWindow::placeAtCenter(QWidget *widget) const
{
    placeCenteredAt(widget, QPoint(centerX, centerY));
}

void TaskWindow::placeCenteredAt(QWidget *widget, QPoint centre) const
{
    widget->move(centre.x() - widget->width() / 2, centre.y() - widget->height() / 2);
}

QPoint TaskWindow::frameTopLeft() const
{
    return QPoint(centerX - frameHalfWidth, centerY - frameHalfHeight);
}

QPoint TaskWindow::frameTopRight(const QWidget *widget) const
{
    return QPoint(centerX + frameHalfWidth - widget->width(), centerY - frameHalfHeight);
}

QPoint TaskWindow::frameBottomLeft(const QWidget *widget) const
{
    return QPoint(centerX - frameHalfWidth, centerY + frameHalfHeight - widget->height());
}

QPoint TaskWindow::frameBottomRight(const QWidget *widget) const
{
    return QPoint(centerX + frameHalfWidth - widget->width(), centerY + frameHalfHeight - widget->height());
}

void TaskWindow::moveCursorTo(const QWidget *widget)
{
    QCursor::setPos(widget->mapToGlobal(QPoint(widget->width() / 2, widget->height() / 2)));
}

void TaskWindow::moveCursorTo(QPoint windowPoint)
{
    QCursor::setPos(mapToGlobal(windowPoint));
}

void TaskWindow::parkCursor()
{
    moveCursorTo(parkedCursor);
    setCursor(Qt::BlankCursor);
}

void TaskWindow::arrowCursorAtCenter()
{
    setCursor(Qt::ArrowCursor);
    moveCursorTo(QPoint(centerX, centerY));
}

void TaskWindow::showPhase(int phase)
{
    m_phaseLabel->setText(cal->isMode(phase));
    m_phaseLabel->show();
}

void TaskWindow::hidePhase()
{
    m_phaseLabel->hide();
}

// --- Timed steps ----------------------------------------------------------------------------

QTimer *TaskWindow::newStepTimer()
{
    auto *timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(true);
    return timer;
}

void TaskWindow::startTrialClock()
{
    m_trialClock.restart();
    m_windowPressNs = -1;
    ++m_trial;
}

void TaskWindow::startStep(QTimer *timer, int ms)
{
    m_deadlineNs = clockNs() + qint64(ms) * 1'000'000;
    timer->start(int(std::max<qint64>(0, (m_deadlineNs - clockNs() - earlyWakeNs) / 1'000'000)));
}

void TaskWindow::awaitStepDeadline()
{
    // Only the last moments before a deadline are waited out; a step started early (by the
    // assessor's keys or a test) does not wait.
    if (m_deadlineNs - clockNs() > earlyWakeNs + 1'000'000)
        return;
    // Input that arrives meanwhile is taken in and stamped by the event filter, and handed
    // to the task after the step; timers wait until the step is done. Between looks at input
    // the step sleeps in short slices rather than spinning: on a busy machine a spinning thread
    // uses up its share of the processor and is preempted, often across the deadline (steps
    // then ended several ms late), while a thread waking from a sleep is run first.
    m_waiting = true;
    while (clockNs() < m_deadlineNs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers);
        const qint64 left = m_deadlineNs - clockNs();
        if (left > 0) {
            const timespec pause{0, long(std::min(left, waitSliceNs))};
            nanosleep(&pause, nullptr);
        }
    }
    m_waiting = false;
    if (!m_deferred.isEmpty())
        QMetaObject::invokeMethod(this, &TaskWindow::deliverDeferredInput, Qt::QueuedConnection);
}

void TaskWindow::presentNow()
{
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

int TaskWindow::stampOnset(const char *label, int nominalMs)
{
    StimulusSpan span;
    span.trial = m_trial;
    span.label = label;
    span.nominalMs = nominalMs;
    span.onsetNs = clockNs();
    m_spans.append(span);
    return int(m_spans.size()) - 1;
}

void TaskWindow::stampOffset(int span)
{
    if (span >= 0 && span < m_spans.size())
        m_spans[span].offsetNs = clockNs();
}

// --- Input ----------------------------------------------------------------------------------

bool TaskWindow::isOwnInput(QObject *watched) const
{
    if (watched == windowHandle())
        return true;
    return watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this;
}

bool TaskWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (!isInput(type))
        return QDialog::eventFilter(watched, event);
    const qint64 arrivalNs = clockNs() - ageOfStamp(static_cast<QInputEvent *>(event));
    if (m_waiting) {
        // Any input during a step's last moments waits for the step, keeping its order.
        m_deferred.append({watched, event->clone(), arrivalNs});
        return true;
    }
    if (!isPress(type) || m_replaying || !isOwnInput(watched))
        return false;
    if (watched == windowHandle()) {
        m_windowPressNs = arrivalNs;
        m_pressNs = m_windowPressNs;
    } else if (m_windowPressNs >= 0) {
        // The window system's press reaching its widget: it arrived when the window got it.
        m_pressNs = m_windowPressNs;
        m_windowPressNs = -1;
    } else {
        m_pressNs = arrivalNs;
    }
    return false;
}

void TaskWindow::deliverDeferredInput()
{
    if (m_waiting)
        return;
    const QList<DeferredInput> inputs = std::exchange(m_deferred, {});
    for (const DeferredInput &input : inputs) {
        if (input.receiver) {
            m_replaying = true;
            if (isPress(input.event->type()))
                m_pressNs = input.arrivalNs;
            QCoreApplication::sendEvent(input.receiver, input.event);
            m_replaying = false;
        }
        delete input.event;
    }
}

// --- Records and the end of a run -----------------------------------------------------------

bool TaskWindow::openTrialLog()
{
    return openTrialLog(taskNumber);
}

bool TaskWindow::openTrialLog(int task)
{
    // On failure the window is hidden and the assessor told why; the block does not start.
    if (records.openTrialLog(task))
        return true;
    // The run never started: the main window restores the session counter.
    runOpen = false;
    cal->setEscapeSeq(true);
    return false;
}

void TaskWindow::endWithoutResults(const char *row)
{
    if (row)
        records.writeInterruption(QString::fromLatin1(row));
    stopAllTimers();
    records.closeTrialLog();
    hideStimuli();
    arrowCursorAtCenter();
    runOpen = false;
    cal->setEscapeSeq(true);
    close();
}

bool TaskWindow::finishRun(const RecordRow &columns, const ReportText::Session &session,
                           const QList<double> &measures)
{
    CompletedRun run;
    run.task = run.table = run.report.task = taskNumber;
    run.resultColumns = columns.fields();
    run.report.session = session;
    run.report.measures = measures;
    return records.finishRun(run);
}

void TaskWindow::showResultsButtons()
{
    stopAllTimers();
    records.closeTrialLog();
    hideStimuli();
    arrowCursorAtCenter();
    for (QWidget *widget : {static_cast<QWidget *>(m_go), static_cast<QWidget *>(m_next),
                            static_cast<QWidget *>(m_resume), static_cast<QWidget *>(m_instruction)}) {
        if (widget)
            widget->hide();
    }
    if (m_phaseLabel)
        m_phaseLabel->hide();
    m_results->show();
    m_mainMenu->show();
    runOpen = false;
}

void TaskWindow::toPb_results()
{
    fileReportAndClose(m_results, true);
    qDebug("Results");
}

void TaskWindow::toPb_mainMenu()
{
    fileReportAndClose(m_mainMenu, false);
    qDebug("Main Menu");
}

void TaskWindow::fileReportAndClose(QPushButton *button, bool display)
{
    button->setDown(false);
    hide();
    setStyleSheet(QStringLiteral("background-color:rgb(240, 240, 240)"));
    // The run's pending record goes once its report is filed.
    if (auto *report = findChild<Result *>()) {
        connect(report, &Result::filed, this, [this](const QString &pdfPath, bool ok) {
            if (ok)
                records.reportFiled(pdfPath);
        }, Qt::SingleShotConnection);
    }
    fileReport(display);
    close();
}

void TaskWindow::closeEvent(QCloseEvent *event)
{
    if (runOpen)
        endWithoutResults("interrupted");
    qApp->removeEventFilter(this);
    QDialog::closeEvent(event);
}
