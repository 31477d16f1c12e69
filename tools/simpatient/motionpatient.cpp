#include "motionpatient.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QCommandLineParser>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include "modeloptions.h"
#include "simulatedinput.h"
#include "stimuli/drawwidgets.h"
#include "tasks/test3/test3.h"

namespace {
constexpr int pitch = 84;
constexpr int square = 42;
constexpr int lookAfterMs = 50;    // about three motion ticks between two looks
constexpr int maxLooks = 8;
constexpr int keys[4] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};
constexpr const char *buttons[4] = {"pb_right", "pb_down", "pb_left", "pb_up"};

// The lines of one grating as a profile: for vertical lines the brightest pixel of each column
// (a column under a vertical line is dark from top to bottom, any other is white somewhere),
// for horizontal lines that of each row.
std::vector<int> profile(const QImage &image, bool columns)
{
    const int n = columns ? image.width() : image.height();
    const int m = columns ? image.height() : image.width();
    std::vector<int> out(n, 0);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < m; ++j)
            out[i] = std::max(out[i], qGray(columns ? image.pixel(i, j) : image.pixel(j, i)));
    }
    return out;
}

// The shift (−7 … 7 pixels) that best carries the first profile onto the second, judged on
// the middle of the square, where no line enters or leaves.
int shiftOf(const std::vector<int> &before, const std::vector<int> &after)
{
    const int n = int(before.size());
    int best = 0;
    long bestCost = -1;
    for (int k = -7; k <= 7; ++k) {
        long cost = 0;
        for (int i = 8; i < n - 8; ++i)
            cost += std::abs(after[i] - before[std::clamp(i - k, 0, n - 1)]);
        if (bestCost < 0 || cost < bestCost || (cost == bestCost && std::abs(k) < std::abs(best))) {
            bestCost = cost;
            best = k;
        }
    }
    return best;
}

// The model's options: name, member, range, help.
const struct
{
    const char *name;
    double MotionPatient::Model::*value;
    double minimum;
    double maximum;
    const char *help;
} modelTable[] = {
    {"rt", &MotionPatient::Model::rtMs, 250, 4000, "Movement detection: mean reaction time, ms (650)."},
    {"spread", &MotionPatient::Model::spreadMs, 0, 500, nullptr},
    {"left-slower", &MotionPatient::Model::leftSlowerMs, -500, 500,
     "Movement detection: added when the target is on the left, ms (40)."},
    {"wrong", &MotionPatient::Model::wrong, 0, 1, "Movement detection: share of wrong direction answers (0.05)."},
};

QString describe(std::vector<double> values)
{
    if (values.empty())
        return QStringLiteral("no samples");
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) { return values[std::size_t(q * double(values.size() - 1) + 0.5)]; };
    return QStringLiteral("median %1, p99 %2, max %3 ms (n = %4)")
        .arg(at(0.5), 0, 'f', 3)
        .arg(at(0.99), 0, 'f', 3)
        .arg(values.back(), 0, 'f', 3)
        .arg(values.size());
}
} // namespace

MotionPatient::MotionPatient(unsigned int seed, QObject *parent)
    : QObject(parent)
    , m_engine(seed)
{
    for (QTimer **timer : {&m_lookTimer, &m_pressTimer, &m_answerTimer}) {
        *timer = new QTimer(this);
        (*timer)->setTimerType(Qt::PreciseTimer);
        (*timer)->setSingleShot(true);
    }
    connect(m_lookTimer, &QTimer::timeout, this, &MotionPatient::lookAgain);
    connect(m_pressTimer, &QTimer::timeout, this, &MotionPatient::pressSpace);
    connect(m_answerTimer, &QTimer::timeout, this, &MotionPatient::answer);
}

QList<QCommandLineOption> MotionPatient::modelOptions()
{
    return declareModelOptions(modelTable);
}

bool MotionPatient::configure(const QCommandLineParser &parser, QString *error)
{
    return readModelOptions(parser, modelTable, m_model, error);
}

bool MotionPatient::start(QDialog *window, QString *error)
{
    m_window = window;
    m_arrow = qobject_cast<DrawArrow *>(SimulatedInput::childOfClass(window, "DrawArrow"));
    m_center = window->findChild<QWidget *>(QStringLiteral("pb_center"));
    m_results = window->findChild<QWidget *>(QStringLiteral("pb_results"));
    if (!m_arrow || !m_center || !m_results) {
        *error = QStringLiteral("the movement detection window lacks its arrow, answer buttons or results button");
        return false;
    }
    m_arrow->installEventFilter(this);
    m_center->installEventFilter(this);
    const struct
    {
        const char *field;
        int value;
    } settings[] = {{"le_timer01", stillMs}, {"le_timer06", afterAnswerMs}};
    for (const auto &setting : settings) {
        if (!SimulatedInput::typeInto(window, setting.field, QString::number(setting.value), error))
            return false;
    }
    return SimulatedInput::click(window, "pb_go", error);
}

bool MotionPatient::finished() const
{
    return m_results && m_results->isVisible();
}

bool MotionPatient::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (watched == m_arrow)
            arrowShown();
        else if (watched == m_center)
            m_answerTimer->start(std::uniform_int_distribution<int>(200, 500)(m_engine));
    }
    return false;
}

// The target's square, where the arrow points: one pitch from the centre towards it.
QImage MotionPatient::lookAtTarget() const
{
    static const int dx[8] = {1, 1, 0, -1, -1, -1, 0, 1};
    static const int dy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    const QPoint centre = m_arrow->geometry().center() + QPoint(1, 1);
    const QPoint cell = centre + QPoint(dx[m_place] * pitch, dy[m_place] * pitch);
    return m_window->grab(QRect(cell - QPoint(square / 2, square / 2), QSize(square, square))).toImage();
}

void MotionPatient::arrowShown()
{
    ++m_targets;
    m_place = int(std::lround(m_arrow->angle / 45.0)) % 8;
    m_firstLook = lookAtTarget();
    m_looks = 0;
    m_seen = -1;
    m_lookTimer->start(lookAfterMs);
    const bool left = m_place == 3 || m_place == 4 || m_place == 5;
    const double mean = m_model.rtMs + (left ? m_model.leftSlowerMs : 0.0);
    const double rt = std::normal_distribution<double>(mean, m_model.spreadMs)(m_engine);
    m_pressTimer->start(int(std::lround(std::clamp(rt, 250.0, 4500.0))));
}

void MotionPatient::lookAgain()
{
    if (!m_window || !m_arrow->isVisible())
        return;
    const QImage now = lookAtTarget();
    m_seen = seenDirection(m_firstLook, now);
    if (m_seen < 0 && ++m_looks < maxLooks) {
        m_firstLook = now;
        m_lookTimer->start(lookAfterMs);
    }
}

void MotionPatient::pressSpace()
{
    m_lookTimer->stop();
    if (m_window)
        SimulatedInput::pressKey(m_window, Qt::Key_Space);
}

void MotionPatient::answer()
{
    if (!m_window || !m_center->isVisible())
        return;
    int direction = m_seen;
    if (direction < 0) {
        ++m_unseen;
        direction = std::uniform_int_distribution<int>(0, 3)(m_engine);
    } else if (std::uniform_real_distribution<double>(0, 1)(m_engine) < m_model.wrong) {
        ++m_wrongAnswers;
        direction = (direction + std::uniform_int_distribution<int>(1, 3)(m_engine)) % 4;
    }
    if (std::uniform_int_distribution<int>(0, 1)(m_engine)) {
        ++m_byKey;
        SimulatedInput::pressKey(m_window, keys[direction]);
    } else {
        ++m_byButton;
        QString error;
        SimulatedInput::click(m_window, buttons[direction], &error);
    }
}

int MotionPatient::seenDirection(const QImage &before, const QImage &after)
{
    if (before.size() != after.size() || before.width() < 20 || before.height() < 20)
        return -1;
    const int vertical = shiftOf(profile(before, true), profile(after, true));
    const int horizontal = shiftOf(profile(before, false), profile(after, false));
    if (std::abs(vertical) >= std::abs(horizontal) && vertical != 0)
        return vertical > 0 ? 0 : 2;
    if (horizontal != 0)
        return horizontal > 0 ? 1 : 3;
    return -1;
}

QString MotionPatient::summary() const
{
    QStringList lines;
    lines << QStringLiteral("arrows seen %1, drift not seen %2, wrong answers %3, answers by button %4, by key %5")
                 .arg(m_targets)
                 .arg(m_unseen)
                 .arg(m_wrongAnswers)
                 .arg(m_byButton)
                 .arg(m_byKey);
    if (auto *task = qobject_cast<const Test3 *>(m_window.data())) {
        const Test3::MotionTiming &timing = task->motionTiming();
        lines << QStringLiteral("motion step interval (nominal %1 ms): %2")
                     .arg(timing.nominalMs)
                     .arg(describe(timing.intervalMs));
        lines << QStringLiteral("work per motion step, painting included: %1").arg(describe(timing.workMs));
        lines << QStringLiteral("arrow onset after its deadline: %1").arg(describe(timing.arrowDelayMs));
    }
    return lines.join(QLatin1Char('\n'));
}
