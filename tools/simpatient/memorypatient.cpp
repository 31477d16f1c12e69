#include "memorypatient.h"

#include <algorithm>
#include <cmath>

#include <QCommandLineParser>
#include <QDialog>
#include <QEvent>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "context/paths.h"
#include "context/screenparams.h"
#include "modeloptions.h"
#include "simulatedinput.h"
#include "tasks/taskwindow.h"

namespace {
// Median, 99th percentile and maximum of the absolute errors of the task's stamped spans
// with this label, as "median 0.123 ms, p99 0.456 ms, max 0.789 ms (n = 135)".
QString spanErrors(const QList<TaskWindow::StimulusSpan> &spans, const char *label)
{
    std::vector<double> errors;
    for (const TaskWindow::StimulusSpan &span : spans) {
        if (span.label == label && span.offsetNs >= 0)
            errors.push_back(std::fabs(span.errorMs()));
    }
    if (errors.empty())
        return QStringLiteral("no samples");
    std::sort(errors.begin(), errors.end());
    const std::size_t n = errors.size();
    const double median = n % 2 ? errors[n / 2] : (errors[n / 2 - 1] + errors[n / 2]) / 2;
    const std::size_t p99 = std::min(n - 1, std::size_t(std::ceil(0.99 * double(n))) - 1);
    return QStringLiteral("median %1 ms, p99 %2 ms, max %3 ms (n = %4)")
        .arg(median, 0, 'f', 3)
        .arg(errors[p99], 0, 'f', 3)
        .arg(errors.back(), 0, 'f', 3)
        .arg(n);
}

// The patient's model as the command line gives it.
struct Model
{
    double sd = 4.0;
    double loadFactor = 1.15;
    double errors = 0.05;
    double exposureMs = 0;   // 0: the task's own
    double blankMs = 0;
};

const struct
{
    const char *name;
    double Model::*value;
    double minimum;
    double maximum;
    const char *help;
} modelTable[] = {
    {"pointing-sd", &Model::sd, 0, 100, "Pointing error per axis with two crosses, mm (4)."},
    {"load-factor", &Model::loadFactor, 0.1, 10, "Growth of the pointing error per further cross (1.15)."},
    {"errors", &Model::errors, 0, 0.9, "Share of trials left unanswered, marked with E (0.05)."},
    {"exposure", &Model::exposureMs, 1, 10000, "Cross exposure, ms (the task's 500)."},
    {"blank", &Model::blankMs, 1, 10000, "Blank interval after each cross, ms (the task's 1000)."},
};

QPoint centreOf(const QWidget *widget)
{
    return widget->geometry().topLeft() + QPoint(widget->width() / 2, widget->height() / 2);
}
} // namespace

MemoryPatient::MemoryPatient(unsigned int seed, QObject *parent)
    : QObject(parent)
    , m_seed(seed)
    , m_model(seed, {})
{
    m_clickTimer = new QTimer(this);
    m_clickTimer->setSingleShot(true);
    connect(m_clickTimer, &QTimer::timeout, this, &MemoryPatient::click);
    m_assessorTimer = new QTimer(this);
    m_assessorTimer->setSingleShot(true);
}

QList<QCommandLineOption> MemoryPatient::modelOptions()
{
    return declareModelOptions(modelTable);
}

bool MemoryPatient::configure(const QCommandLineParser &parser, QString *error)
{
    Model model;
    if (!readModelOptions(parser, modelTable, model, error))
        return false;
    m_model = PointingModel(m_seed, {model.sd, model.loadFactor, model.errors});
    m_exposureMs = model.exposureMs;
    m_blankMs = model.blankMs;
    return true;
}

bool MemoryPatient::start(QDialog *window, QString *error)
{
    m_window = window;
    m_task = qobject_cast<TaskWindow *>(window);
    const auto crosses = window->findChildren<QWidget *>();
    for (QWidget *child : crosses) {
        if (qstrcmp(child->metaObject()->className(), "DrawCrossThick") == 0)
            (m_firstCross ? m_laterCross : m_firstCross) = child;
    }
    m_lastPrompt = window->findChild<QWidget *>(QStringLiteral("lbl_lastCross"));
    m_continue = window->findChild<QWidget *>(QStringLiteral("pb_continue"));
    m_results = window->findChild<QWidget *>(QStringLiteral("pb_results"));
    if (!m_task || !m_firstCross || !m_laterCross || !m_lastPrompt || !m_continue || !m_results) {
        *error = QStringLiteral("the working memory window lacks its crosses, prompt or buttons");
        return false;
    }
    // The patient's hand knows the screen's true pixel size.
    ScreenParams screen;
    QString readError;
    if (!screen.read(Paths::join(Paths::parametersFolder, Paths::screenParamsFile), &readError) || !screen.isCalibrated()) {
        *error = QStringLiteral("no calibration in screen.pix: %1").arg(readError);
        return false;
    }
    m_mmPerPixelX = screen.horzMmPerPixel();
    m_mmPerPixelY = screen.vertMmPerPixel();
    for (QWidget *watched : {m_firstCross, m_laterCross, m_lastPrompt, m_continue})
        watched->installEventFilter(this);

    struct Setting
    {
        const char *field;
        int value;
    };
    std::vector<Setting> settings = {{"le_timer01", delayMs}, {"le_timer05", answersShownMs}};
    if (m_exposureMs > 0)
        settings.push_back({"le_timer02", int(m_exposureMs)});
    if (m_blankMs > 0)
        settings.push_back({"le_timer03", int(m_blankMs)});
    for (const Setting &setting : settings) {
        if (!SimulatedInput::typeInto(window, setting.field, QString::number(setting.value), error))
            return false;
    }
    return SimulatedInput::click(window, "pb_go", error);
}

bool MemoryPatient::finished() const
{
    return m_results && m_results->isVisible();
}

bool MemoryPatient::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show)
        return false;
    if (watched == m_continue) {
        // The assessor goes on after an error or a pause.
        m_assessorTimer->disconnect();
        connect(m_assessorTimer, &QTimer::timeout, this, [this] {
            QString error;
            if (m_window && m_continue->isVisible())
                SimulatedInput::click(m_window, "pb_continue", &error);
        });
        m_assessorTimer->start(continueMs);
    } else if (watched == m_lastPrompt) {
        answerPhase();
    } else if (!m_answering) {
        crossSeen(static_cast<QWidget *>(watched));
    }
    return false;
}

// A cross of the series: the first one starts a new series (also after a pause).
void MemoryPatient::crossSeen(QWidget *cross)
{
    if (cross == m_firstCross) {
        m_crossesSeen = 0;
        m_first = centreOf(cross);
    }
    ++m_crossesSeen;
    m_last = centreOf(cross);
}

void MemoryPatient::answerPhase()
{
    m_answering = true;
    ++m_trials;
    const int load = std::clamp(m_crossesSeen - 2, 0, 5);
    if (m_model.lapses()) {
        ++m_lapses;
        m_assessorTimer->disconnect();
        connect(m_assessorTimer, &QTimer::timeout, this, [this] {
            m_answering = false;
            if (m_window)
                SimulatedInput::pressKey(m_window, Qt::Key_E);
        });
        m_assessorTimer->start(giveUpMs);
        return;
    }
    m_clicks = {missedPlace(m_last, load), missedPlace(m_first, load)};
    m_clickTimer->start(m_model.firstDelayMs());
}

QPoint MemoryPatient::missedPlace(QPoint place, int load)
{
    const QPointF miss = m_model.errorMm(load);
    const QPoint click(place.x() + int(std::lround(miss.x() / m_mmPerPixelX)),
                       place.y() + int(std::lround(miss.y() / m_mmPerPixelY)));
    if (!m_window)
        return click;
    return QPoint(std::clamp(click.x(), 0, m_window->width() - 1), std::clamp(click.y(), 0, m_window->height() - 1));
}

// A left click where the patient points, received by whatever lies there on the screen.
void MemoryPatient::click()
{
    if (!m_window || m_clicks.empty())
        return;
    const QPoint at = m_clicks.front();
    m_clicks.erase(m_clicks.begin());
    QWidget *under = m_window->childAt(at);
    QWidget *receiver = under ? under : m_window.data();
    QTest::mouseClick(receiver, Qt::LeftButton, Qt::NoModifier, receiver->mapFrom(m_window.data(), at));
    if (m_clicks.empty())
        m_answering = false;
    else
        m_clickTimer->start(m_model.secondDelayMs());
}

QString MemoryPatient::summary() const
{
    QStringList lines;
    lines << QStringLiteral("answer phases %1, left unanswered %2 (pointing sd %3 mm, load factor %4)")
                 .arg(m_trials)
                 .arg(m_lapses)
                 .arg(m_model.params().sd)
                 .arg(m_model.params().loadFactor);
    if (m_task) {
        lines << QStringLiteral("cross exposure error (task's onsets): %1").arg(spanErrors(m_task->stimulusSpans(), "cross"));
        lines << QStringLiteral("blank interval error (task's onsets): %1").arg(spanErrors(m_task->stimulusSpans(), "blank"));
    }
    return lines.join(QLatin1Char('\n'));
}
