#include "attentionpatient.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "simulatedinput.h"

namespace {
// Median and maximum of absolute errors, as "median 0.123 ms, max 0.456 ms (n = 32)".
QString describe(std::vector<double> errors)
{
    if (errors.empty())
        return QStringLiteral("no samples");
    for (double &e : errors)
        e = std::fabs(e);
    std::sort(errors.begin(), errors.end());
    const std::size_t n = errors.size();
    const double median = n % 2 ? errors[n / 2] : (errors[n / 2 - 1] + errors[n / 2]) / 2;
    return QStringLiteral("median %1 ms, max %2 ms (n = %3)")
        .arg(median, 0, 'f', 3)
        .arg(errors.back(), 0, 'f', 3)
        .arg(n);
}
} // namespace

AttentionPatient::AttentionPatient(unsigned int seed, QObject *parent)
    : QObject(parent)
    , m_model(seed)
{
    m_pressTimer = new QTimer(this);
    m_pressTimer->setTimerType(Qt::PreciseTimer);
    m_pressTimer->setSingleShot(true);
    connect(m_pressTimer, &QTimer::timeout, this, &AttentionPatient::press);
    m_clock.start();
}

bool AttentionPatient::start(QDialog *window, QString *error)
{
    m_window = window;
    m_target = SimulatedInput::childOfClass(window, "DrawRectangle");
    m_arrow = SimulatedInput::childOfClass(window, "DrawArrow");
    m_asterisk = window->findChild<QWidget *>(QStringLiteral("lbl_asterisk"));
    m_results = window->findChild<QWidget *>(QStringLiteral("pb_results"));
    if (!m_target || !m_arrow || !m_asterisk || !m_results) {
        *error = QStringLiteral("the attention task window lacks its target, arrow, asterisk or results button");
        return false;
    }
    for (QWidget *watched : {m_target, m_arrow, m_asterisk})
        watched->installEventFilter(this);

    const struct
    {
        const char *field;
        int value;
    } settings[] = {{"le_timer01", fixationMs}, {"le_timer05", afterResponseMs}};
    for (const auto &setting : settings) {
        if (!SimulatedInput::typeInto(window, setting.field, QString::number(setting.value), error))
            return false;
    }
    m_nominalCue = window->findChild<QLineEdit *>(QStringLiteral("le_timer02"))->text().toInt();
    m_nominalInterval = window->findChild<QLineEdit *>(QStringLiteral("le_timer03"))->text().toInt();
    return SimulatedInput::click(window, "pb_go", error);
}

bool AttentionPatient::finished() const
{
    return m_results && m_results->isVisible();
}

bool AttentionPatient::eventFilter(QObject *watched, QEvent *event)
{
    const bool shown = event->type() == QEvent::Show;
    const bool hidden = event->type() == QEvent::Hide;
    if (!shown && !hidden)
        return false;
    const double now = nowMs();
    if (watched == m_asterisk) {
        if (shown) {
            m_asteriskOn = now;
            m_asteriskSeen = true;
        } else if (m_asteriskOn >= 0) {
            // The end of the alerting cue: the cue-target interval starts.
            m_asteriskOff = now;
            m_seenCueError.push_back(m_asteriskOff - m_asteriskOn - m_nominalCue);
            m_plan = m_model.next(1, true);
            m_planned = true;
            if (m_plan.kind == ReactionModel::Kind::Anticipation) {
                ++m_anticipations;
                m_planned = false;
                m_asteriskSeen = false;
                m_asteriskOff = -1;
                m_pressTimer->start(m_plan.delayMs);
            }
        }
    } else if (watched == m_target && shown) {
        targetShown();
    }
    return false;
}

void AttentionPatient::targetShown()
{
    const double now = nowMs();
    ++m_targets;
    int cond = 0;
    if (m_arrow->isVisible())
        cond = 2;
    else if (m_asteriskSeen)
        cond = 1;
    if (cond == 1 && m_asteriskOff >= 0)
        m_seenIntervalError.push_back(now - m_asteriskOff - m_nominalInterval);
    const ReactionModel::Answer answer = m_planned ? m_plan : m_model.next(cond, false);
    m_planned = false;
    m_asteriskSeen = false;
    m_asteriskOn = m_asteriskOff = -1;
    if (answer.kind == ReactionModel::Kind::Late)
        ++m_late;
    m_pressTimer->start(answer.delayMs);
}

void AttentionPatient::press()
{
    if (m_window)
        SimulatedInput::pressKey(m_window, Qt::Key_Space);
}

void AttentionPatient::taskMessage(const QString &line)
{
    if (!line.startsWith(QLatin1String("onsets ")))
        return;
    const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < 6)
        return;
    m_loggedCueError.push_back(parts[2].toDouble() - parts[4].toDouble());
    m_loggedIntervalError.push_back(parts[3].toDouble() - parts[5].toDouble());
}

QString AttentionPatient::summary() const
{
    QStringList lines;
    lines << QStringLiteral("targets seen %1, anticipations %2, late responses %3")
                 .arg(m_targets)
                 .arg(m_anticipations)
                 .arg(m_late);
    lines << QStringLiteral("cue duration error, all trials (task's onsets): %1").arg(describe(m_loggedCueError));
    lines << QStringLiteral("cue-target interval error, all trials (task's onsets): %1")
                 .arg(describe(m_loggedIntervalError));
    lines << QStringLiteral("cue duration error, alerted trials (asterisk seen on screen): %1")
                 .arg(describe(m_seenCueError));
    lines << QStringLiteral("cue-target interval error, alerted trials (seen on screen): %1")
                 .arg(describe(m_seenIntervalError));
    return lines.join(QLatin1Char('\n'));
}
