#include <algorithm>
#include <chrono>
#include <functional>
#include <future>
#include <thread>
#include <vector>

#include <QtTest>

#include "test2run.h"

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

using Ms = std::chrono::duration<double, std::milli>;

// The attention task with the asterisk and the target watched, once this filters their events:
// `seen` is told when one of them is shown or hidden, with the moment on the monotonic clock. Space is pressed at a given moment from another thread, so that the press arrives
// whatever the task's thread is doing then (waiting out a step's last moments, for instance).
struct TimedRun : Run, QObject
{
    QWidget *asterisk = get<QLabel>("lbl_asterisk");
    QWidget *target = stimulus("DrawRectangle");
    std::function<void(QObject *, bool shown, Clock::time_point)> seen;
    // Each press's thread, giving the moment the press was actually posted; the window outlives
    // them all.
    std::vector<std::shared_future<Clock::time_point>> presses;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            seen(watched, event->type() == QEvent::Show, Clock::now());
        return false;
    }
    std::shared_future<Clock::time_point> pressAt(Clock::time_point when)
    {
        return presses.emplace_back(std::async(std::launch::async, [receiver = window.get(), when] {
            std::this_thread::sleep_until(when);
            const Clock::time_point now = Clock::now();
            // Stamped like the window system's input, in ms of the monotonic clock.
            const auto stamp = quint64(now.time_since_epoch() / milliseconds(1));
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                auto *event = new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
                event->setTimestamp(stamp);
                QCoreApplication::postEvent(receiver, event);
            }
            return now;
        }));
    }
};
} // namespace

// The attention task on its real timers: presses judged by when they arrived, and how long the
// cue and the interval last meanwhile. Run alone (timing on a busy machine says nothing).
class TestTest2Timing : public QObject
{
    Q_OBJECT

private slots:
    void pressJudgedByArrival_data()
    {
        QTest::addColumn<QString>("anchor");   // the scheduled moment the press is placed against
        QTest::addColumn<int>("offsetUs");
        // Before the end of the cue: not an answer; the trial goes on to its target.
        QTest::newRow("5 ms before the cue ends") << "cue end" << -5000;
        QTest::newRow("1 ms before the cue ends") << "cue end" << -1000;
        // Before the target's onset: an anticipation, logged as how many ms too early.
        QTest::newRow("5 ms before the target") << "target" << -5000;
        QTest::newRow("1 ms before the target") << "target" << -1000;
        QTest::newRow("5 ms after the target") << "target" << 5000;
    }

    // A press placed around the end of the first alerted trial's cue or its target's onset is
    // judged by the moment it arrived, also when the task is then waiting out a step's deadline.
    // The expected values come from the moment the press was actually sent, so that a slow test
    // thread does not count against the task. All the while every asterisk is up for the cue's
    // 100 ms, every target comes 400 ms after it, and no step ends early. (How close to the
    // millisecond they come is measured over whole runs by the simulated patient; here a wrong
    // duration is caught.)
    void pressJudgedByArrival()
    {
        QFETCH(QString, anchor);
        QFETCH(int, offsetUs);
        const auto offset = std::chrono::microseconds(offsetUs);
        const bool anticipation = anchor == "target" && offsetUs < 0;
        TimedRun run;
        bool inFirst = false;   // within the first alerted trial
        Clock::time_point shownAt, hiddenAt, cueOff, targetOn;
        QList<double> cueMs, intervalMs;
        std::shared_future<Clock::time_point> sent;
        // The cue ends 100 ms after the asterisk appears, the target is due 400 ms after the
        // asterisk goes; a press after the target is placed from its appearance. Every other
        // target is answered 30 ms after it appears.
        run.seen = [&](QObject *stimulus, bool shown, Clock::time_point now) {
            if (stimulus == run.asterisk)
                (shown ? shownAt : hiddenAt) = now;
            if (stimulus == run.asterisk && shown) {
                inFirst = cueMs.isEmpty();
                if (inFirst && anchor == "cue end")
                    sent = run.pressAt(now + milliseconds(100) + offset);
            } else if (stimulus == run.asterisk) {
                cueMs << Ms(hiddenAt - shownAt).count();
                if (inFirst)
                    cueOff = now;
                if (inFirst && anticipation)
                    sent = run.pressAt(now + milliseconds(400) + offset);
            } else if (shown) {
                if (hiddenAt > shownAt)
                    intervalMs << Ms(now - hiddenAt).count();
                shownAt = hiddenAt = {};
                if (inFirst)
                    targetOn = now;
                if (!inFirst || anchor != "target")
                    run.pressAt(now + milliseconds(30));
                else if (offsetUs > 0)
                    sent = run.pressAt(now + offset);
                inFirst = false;
            }
        };
        run.asterisk->installEventFilter(&run);
        run.target->installEventFilter(&run);
        // A block of three valid trials, one per condition, played to its results.
        run.window->goTest2(0, false, false, true, false);
        for (const char *fixedPart : {"le_timer01", "le_timer05"})
            run.setField(fixedPart, QStringLiteral("0"));
        run.setField("le_number", QStringLiteral("3"));
        run.click("pb_go");
        QTRY_VERIFY_WITH_TIMEOUT(run.get<QPushButton>("pb_results")->isVisible(), 20000);
        QVERIFY(!cueMs.isEmpty() && !intervalMs.isEmpty());
        for (double ms : cueMs)
            QVERIFY2(ms >= 99.9 && ms < 110, qPrintable(QString::number(ms)));
        for (double ms : intervalMs)
            QVERIFY2(ms >= 399.9 && ms < 410, qPrintable(QString::number(ms)));
        const QList<QByteArray> rows = run.logRows();
        const auto first = fields(*std::find_if(rows.cbegin(), rows.cend(), [](const QByteArray &row) {
            return fields(row).value(9) == "2";   // the first alerted trial
        }));
        const int rt = first[20].toInt();
        if (anchor == "cue end" && sent.get() >= cueOff)
            QSKIP("the machine sent the press after the cue had ended");
        const Clock::time_point from = anticipation ? cueOff + milliseconds(400) : targetOn;
        const double expected = Ms(sent.get() - from).count();
        if (anticipation && expected >= 0)
            QSKIP("the machine sent the press after the target was due");
        QCOMPARE(first[29], QByteArray(anticipation ? "1" : "0"));
        // Early presses are ignored: the target is answered 30 ms after it appears.
        if (anchor == "cue end")
            QVERIFY2(rt >= 25 && rt < 200, first[20].constData());
        else
            QVERIFY2(std::abs(rt - expected) <= 1.5, qPrintable(QStringLiteral("%1 %2").arg(rt).arg(expected)));
    }
};

QTEST_MAIN(TestTest2Timing)
#include "tst_test2timing.moc"
