#include "recognitionpatient.h"

#include <algorithm>
#include <cmath>
#include <map>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "simulatedinput.h"
#include "stimuli/drawwidgets.h"
#include "tasks/taskwindow.h"

namespace {
const char *const centralNames[5] = {"pb_uniform", "pb_shape", "pb_contrast", "pb_orientation", "pb_size"};
constexpr double pi = 3.14159265358979323846;

QString percentiles(std::vector<double> errors)
{
    std::sort(errors.begin(), errors.end());
    const std::size_t n = errors.size();
    const auto at = [&](double q) { return errors[std::min(n - 1, std::size_t(q * (n - 1) + 0.5))]; };
    return QStringLiteral("n %1, min %2, median %3, p99 %4, max %5 ms")
        .arg(n)
        .arg(errors.front(), 0, 'f', 3)
        .arg(at(0.5), 0, 'f', 3)
        .arg(at(0.99), 0, 'f', 3)
        .arg(errors.back(), 0, 'f', 3);
}
} // namespace

RecognitionPatient::RecognitionPatient(int task, unsigned int seed, QObject *parent)
    : QObject(parent)
    , m_task(task)
    , m_model(seed)
{
    m_answerTimer = new QTimer(this);
    m_answerTimer->setTimerType(Qt::PreciseTimer);
    m_answerTimer->setSingleShot(true);
    connect(m_answerTimer, &QTimer::timeout, this, &RecognitionPatient::answer);
    m_messageTimer = new QTimer(this);
    m_messageTimer->setInterval(200);
    connect(m_messageTimer, &QTimer::timeout, this, &RecognitionPatient::watchMessages);
    // A refused start shows its message before the window is up.
    m_messageTimer->start();
    m_clock.start();
}

QList<QCommandLineOption> RecognitionPatient::modelOptions()
{
    return {QCommandLineOption(QStringLiteral("thresholds"),
                               QStringLiteral("Visual recognition: the exposures (ms) the patient answers correctly "
                                              "half of the time, central, peripheral, dual (default 80,150,250)."),
                               QStringLiteral("C,P,D"), QStringLiteral("80,150,250"))};
}

bool RecognitionPatient::configure(const QCommandLineParser &parser, QString *error)
{
    const QStringList given = parser.value(QStringLiteral("thresholds")).split(QLatin1Char(','));
    bool ok = given.size() == 3;
    for (int s = 0; ok && s < 3; ++s) {
        m_thresholds[s] = given[s].toDouble(&ok);
        ok = ok && m_thresholds[s] > 0;
    }
    if (!ok)
        *error = QStringLiteral("--thresholds takes three exposures in ms, e.g. 80,150,250");
    return ok;
}

const char *RecognitionPatient::buttonName() const
{
    switch (m_task) {
    case 5: return "pb_test5";
    case 6: return "pb_test6";
    case 7: return "pb_test7";
    default: return "pb_test1";
    }
}

bool RecognitionPatient::start(QDialog *window, QString *error)
{
    m_window = window;
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        const QByteArray cls = child->metaObject()->className();
        if (cls == "DrawRectangle" || cls == "DrawGrayRectangle" || cls == "DrawRoundedRectangle")
            m_figures << child;
        else if (cls == "DrawArrowPeriph")
            m_arrows << child;
    }
    for (const char *name : centralNames)
        m_central << window->findChild<QPushButton *>(QString::fromLatin1(name));
    for (int k = 0; k < 6; ++k)
        m_positions << window->findChild<QPushButton *>(QStringLiteral("pb_pos%1").arg(k));
    m_go = window->findChild<QWidget *>(QStringLiteral("pb_go"));
    m_results = window->findChild<QWidget *>(QStringLiteral("pb_results"));
    if (m_figures.size() != 10 || m_arrows.size() != 6 || m_central.contains(nullptr) || m_positions.contains(nullptr)
        || !m_go || !m_results) {
        *error = QStringLiteral("the visual recognition window lacks its figures, arrows or buttons");
        return false;
    }
    for (QWidget *w : m_figures + m_arrows)
        w->installEventFilter(this);
    m_central[0]->installEventFilter(this);
    m_positions[0]->installEventFilter(this);
    m_go->installEventFilter(this);

    const struct
    {
        const char *field;
        int value;
    } settings[] = {{"le_timer01", fixationMs}, {"le_timer03", maskMs}, {"le_timer04", afterMaskMs},
                    {"le_timer06", afterAnswerMs}};
    for (const auto &setting : settings) {
        if (!SimulatedInput::typeInto(window, setting.field, QString::number(setting.value), error))
            return false;
    }
    if (m_go->isVisible())
        QTimer::singleShot(300, this, &RecognitionPatient::pressGo);
    return true;
}

bool RecognitionPatient::finished() const
{
    return m_results && m_results->isVisible();
}

bool RecognitionPatient::eventFilter(QObject *watched, QEvent *event)
{
    const bool shown = event->type() == QEvent::Show;
    const bool hidden = event->type() == QEvent::Hide;
    if (!shown && !hidden)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (m_figures.contains(widget) || m_arrows.contains(widget)) {
        if (shown && !m_stimulusOn)
            stimulusOn();
        else if (hidden && m_stimulusOn) {
            m_stimulusOn = false;
            m_seenExposure = nowMs() - m_onset;
        }
    } else if (shown && (widget == m_central[0] || widget == m_positions[0])) {
        // Both sets come up together in the dual task: plan once.
        if (!m_answerTimer->isActive() && m_clicks.empty())
            QTimer::singleShot(0, this, &RecognitionPatient::buttonsShown);
    } else if (shown && widget == m_go) {
        QTimer::singleShot(300, this, &RecognitionPatient::pressGo);
    }
    return false;
}

void RecognitionPatient::stimulusOn()
{
    m_stimulusOn = true;
    m_onset = nowMs();
    // Everything of the display is up once the step that showed it has returned.
    QTimer::singleShot(0, this, &RecognitionPatient::readDisplay);
}

void RecognitionPatient::readDisplay()
{
    bool figures = false;
    bool arrows = false;
    for (QWidget *w : m_figures)
        figures = figures || w->isVisible();
    for (QWidget *w : m_arrows)
        arrows = arrows || w->isVisible();
    m_subtask = figures && arrows ? 2 : arrows ? 1 : 0;
    if (figures)
        m_correctButton = centralButtonShown();
    if (arrows)
        m_target = inwardArrow();
}

// The difference between the two figures on screen, as the button that names it.
int RecognitionPatient::centralButtonShown() const
{
    const int centre = m_window->width() / 2;
    QWidget *side[2] = {nullptr, nullptr};
    for (QWidget *w : m_figures) {
        if (w->isVisible())
            side[w->geometry().center().x() < centre ? 0 : 1] = w;
    }
    if (!side[0] || !side[1])
        return 0;
    for (QWidget *w : side) {
        const QByteArray cls = w->metaObject()->className();
        if (cls == "DrawRoundedRectangle")
            return 1;
        if (cls == "DrawGrayRectangle")
            return 2;
        if (w->width() > w->height())
            return 3;
    }
    return side[0]->height() != side[1]->height() ? 4 : 0;
}

// The arrow that points toward the centre of the screen: its head, drawn along its angle
// from the widget's middle, faces the centre.
int RecognitionPatient::inwardArrow() const
{
    const QPointF centre(m_window->width() / 2.0, m_window->height() / 2.0);
    int best = 0;
    double bestDot = -1e9;
    for (int i = 0; i < m_arrows.size(); ++i) {
        const auto *arrow = static_cast<const DrawArrowPeriph *>(m_arrows[i]);
        const double angle = arrow->angle * pi / 180.0;
        const QPointF toCentre = centre - QPointF(arrow->geometry().center());
        const double dot = std::cos(angle) * toCentre.x() + std::sin(angle) * toCentre.y();
        if (dot > bestDot) {
            bestDot = dot;
            best = i;
        }
    }
    return best;
}

QPushButton *RecognitionPatient::positionButtonAt(int arrow) const
{
    const QPoint at = m_arrows[arrow]->geometry().center();
    const QPointF centre(m_window->width() / 2.0, m_window->height() / 2.0);
    const double arrowAngle = std::atan2(at.y() - centre.y(), at.x() - centre.x());
    QPushButton *nearest = m_positions[0];
    double best = 1e9;
    for (QPushButton *button : m_positions) {
        const QPoint b = button->geometry().center();
        double d = std::fabs(std::atan2(b.y() - centre.y(), b.x() - centre.x()) - arrowAngle);
        d = std::min(d, 2 * pi - d);
        if (d < best) {
            best = d;
            nearest = button;
        }
    }
    return nearest;
}

void RecognitionPatient::buttonsShown()
{
    if (!m_window || (!m_central[0]->isVisible() && !m_positions[0]->isVisible()))
        return;
    const int s = m_subtask;
    const bool correct = m_model.answersCorrectly(m_seenExposure, m_thresholds[s], s);
    ++m_trials[s];
    m_correct[s] += correct ? 1 : 0;
    bool centralWrong = false;
    bool positionWrong = false;
    if (!correct) {
        // The dual task: the central half, the position, or both wrong.
        const int which = s == 2 ? m_model.pick(3) : s;
        centralWrong = which == 0 || which == 2;
        positionWrong = which == 1 || which == 2;
        if (s == 1)
            positionWrong = true, centralWrong = false;
    }
    m_clicks.clear();
    if (s != 1) {
        int button = m_correctButton;
        if (centralWrong)
            button = (m_correctButton + 1 + m_model.pick(4)) % 5;
        m_clicks.push_back(m_central[button]);
    }
    if (s != 0) {
        QPushButton *right = positionButtonAt(m_target);
        QPushButton *chosen = right;
        if (positionWrong) {
            const int k = int(m_positions.indexOf(right));
            chosen = m_positions[(k + 1 + m_model.pick(5)) % 6];
        }
        m_clicks.push_back(chosen);
    }
    // Either order in the dual task.
    if (m_clicks.size() == 2 && m_model.pick(2) == 1)
        std::swap(m_clicks[0], m_clicks[1]);
    m_answerTimer->start(m_model.answerDelay());
}

void RecognitionPatient::answer()
{
    if (m_clicks.empty())
        return;
    QPushButton *button = m_clicks.front();
    m_clicks.erase(m_clicks.begin());
    if (button->isVisible())
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(button->width() / 2, button->height() / 2));
    if (!m_clicks.empty())
        m_answerTimer->start(std::max(150, m_model.answerDelay() / 2));
}

void RecognitionPatient::pressGo()
{
    if (m_go && m_go->isVisible()) {
        QString error;
        SimulatedInput::click(m_window, "pb_go", &error);
    }
}

// A failure message of the task (training failed, unstable measures): read, dismissed, and
// the run closed with Escape as the assessor would.
void RecognitionPatient::watchMessages()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible())
            continue;
        m_messages << box->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        box->accept();
        QTimer::singleShot(300, this, [this] {
            if (m_window && m_window->isVisible())
                QTest::keyClick(m_window, Qt::Key_Escape);
        });
    }
}

QString RecognitionPatient::summary() const
{
    static const char *const names[3] = {"central", "peripheral", "dual"};
    QStringList lines;
    for (int s = 0; s < 3; ++s) {
        if (m_trials[s])
            lines << QStringLiteral("%1: %2 answers, %3 correct (threshold given %4 ms)")
                         .arg(QLatin1String(names[s]))
                         .arg(m_trials[s])
                         .arg(m_correct[s])
                         .arg(m_thresholds[s]);
    }
    // The window's own stamps of every stimulus: offset − onset − nominal, per exposure.
    std::map<int, std::vector<double>> exposureErrors;
    if (const auto *task = qobject_cast<const TaskWindow *>(m_window.data())) {
        for (const TaskWindow::StimulusSpan &span : task->stimulusSpans()) {
            if (span.offsetNs >= 0)
                exposureErrors[span.nominalMs].push_back(span.errorMs());
        }
    }
    for (const auto &[nominal, errors] : exposureErrors)
        lines << QStringLiteral("exposure %1 ms, offset - onset - nominal: %2").arg(nominal).arg(percentiles(errors));
    for (const QString &message : m_messages)
        lines << QStringLiteral("message: %1").arg(message);
    return lines.join(QLatin1Char('\n'));
}
