#include <QtTest>

#include "messageboxcatcher.h"
#include "sessioncounting.h"
#include "stimuli/drawwidgets.h"
#include "tasks/test4/test4.h"

namespace {
const QByteArray patientRecord = "Mr.;Roux;Paul;17.09.1948;0;0;0;2;0;0;0;0;0;0\r\n";

QPoint centreOf(const QWidget *w) { return w->geometry().topLeft() + QPoint(w->width() / 2, w->height() / 2); }

// Trials of a working memory task window, played by its steps.
struct Trials
{
    Test4 *task;
    // The thick crosses: the first cross of a series, then the later ones.
    const QList<DrawCrossThick *> crosses = task->findChildren<DrawCrossThick *>();
    QPoint first{}, last{};   // centres of the first and the last cross of the current series
    QList<int> sectors{};     // of the first and of each later cross

    void next(const char *slot) { QVERIFY(QMetaObject::invokeMethod(task, slot)); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(task, button, {}, at); }
    bool prompt(const char *name) const { return child<QLabel>(*task, name)->isVisible(); }
    // Shows the series up to `upTo` crosses (all: up to the answer phase); returns how many
    // crosses it showed.
    int series(int upTo = 99)
    {
        next("sequence1");
        first = last = centreOf(crosses[0]);
        sectors = {child<QLineEdit>(*task, "le_posFirst")->text().toInt()};
        while (sectors.size() < upTo) {
            next("sequence2");
            next("sequence3");
            if (prompt("lbl_lastCross"))
                break;
            last = centreOf(crosses[1]);
            sectors.append(child<QLineEdit>(*task, "le_posLast")->text().toInt());
        }
        return int(sectors.size());
    }
    // The last cross answered `offset` away from its centre, then the first on its centre.
    void answer(QPoint offset = {})
    {
        press(last + offset);
        press(first);
        next("sequence5");
    }
    void validTrial()
    {
        series();
        answer();
    }
};

// The working memory task with its session raised to 3.
struct Run : TaskRun<Test4>, Trials
{
    Run() : TaskRun(patientRecord, {4}, 3), Trials{window.get()} {}
    // A run of `number` trials, with the delay, cross and blank times given, if any.
    void go(int number = 30, const QStringList &times = {})
    {
        window->goTest4(false, false, true);
        setField("le_number", QString::number(number));
        for (int i = 0; i < times.size(); ++i)
            setField(qPrintable(QStringLiteral("le_timer0%1").arg(i + 1)), times[i]);
        click("pb_go");
    }
};
} // namespace

class TestTest4Flow : public QObject
{
    Q_OBJECT

private slots:
    // Distances are written in the assessor's locale: a comma one here.
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("fr_FR"))); }

    void inputsByStep_data()
    {
        QTest::addColumn<int>("step");   // 0 waiting for "Continue", 1 delay, 2 cross, 3 blank, 4 answer phase,
                                         // 5 last cross answered, 6 both answered
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("takesEffect");
        for (int step = 0; step <= 6; ++step) {
            QTest::addRow("P at step %d", step) << step << QByteArray("P") << (step >= 1 && step <= 5);
            QTest::addRow("E at step %d", step) << step << QByteArray("E") << (step == 4 || step == 5);
            QTest::addRow("click at step %d", step) << step << QByteArray("left") << (step == 4 || step == 5);
        }
        QTest::newRow("right button in the answer phase") << 4 << QByteArray("right") << false;
        QTest::newRow("click over the parameter panel") << 4 << QByteArray("panel") << true;
    }

    // P pauses a trial in progress, E marks an answer phase as an error, a left click answers in
    // the answer phase only, also where the parameter panel reaches into the ring; S shows and
    // hides the ring at any time.
    void inputsByStep()
    {
        QFETCH(int, step);
        QFETCH(QByteArray, input);
        QFETCH(bool, takesEffect);
        Run run;
        run.go();
        if (step == 0)
            run.validTrial();
        else if (step >= 2)
            run.series(step >= 4 ? 99 : 1);
        if (step == 3)
            run.next("sequence2");
        if (step >= 5)
            run.press(run.last);
        if (step == 6)
            run.press(run.first);
        const QString answers = run.get<QLineEdit>("le_distFirst")->text() + run.get<QLineEdit>("le_distLast")->text();
        if (input.size() == 1)
            run.key(input == "P" ? Qt::Key_P : Qt::Key_E);
        else if (input == "panel")   // through the window system, which gives the press to the widget under it
            QTest::mouseClick(run.window->windowHandle(), Qt::LeftButton, {},
                              run.get<QLineEdit>("le_timer01")->geometry().center());
        else
            run.press(run.first + QPoint(40, 0), input == "left" ? Qt::LeftButton : Qt::RightButton);
        const bool keyTook = takesEffect && input.size() == 1;
        QCOMPARE(run.get<QPushButton>("pb_continue")->isVisible(), keyTook || step == 0);
        auto *mode = run.get<QLabel>("lbl_mode");
        QCOMPARE(mode->isVisible() ? mode->text() : QString(), keyTook ? (input == "P" ? "PAUSE" : "ERROR") : "");
        QCOMPARE(run.logRows().size(), (step == 0) + keyTook);
        QCOMPARE(run.get<QLineEdit>("le_distFirst")->text() + run.get<QLineEdit>("le_distLast")->text() != answers,
                 takesEffect && !keyTook);
        for (bool shown : {true, false}) {
            run.key(Qt::Key_S);
            QCOMPARE(run.stimulus("DrawLineSh")->isVisible(), shown);
        }
    }

    void runLengths_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("8 valid trials") << 8;
        QTest::newRow("35 valid trials") << 35;
    }

    // A run of another length than 30, its fourth trial marked as an error and its sixth paused
    // once the last cross was answered: load + 2 crosses a trial, each load once a block of six,
    // the later crosses in sectors of their own away from the first cross's and its neighbours;
    // the error logged without distances, its load and rank again; the paused trial starts again
    // from a new first cross, takes no click before its answer phase and is logged once, validly,
    // with the distances of its own answers (1.0 mm on the first cross, 12.87 mm beside the last:
    // rounded to two decimals in a comma locale, right-aligned in eight characters); the run ends
    // after its number of valid trials.
    void runLengths()
    {
        QFETCH(int, number);
        Run run;
        run.go(number);
        QList<int> loads;
        for (int trial = 0; trial < number; ++trial) {
            int shown = run.series();
            if (trial == 3) {
                run.key(Qt::Key_E);
                run.click("pb_continue");
                QCOMPARE(run.series(), shown);
            }
            if (trial == 5) {
                run.press(run.last);
                run.key(Qt::Key_P);
                QVERIFY(!run.prompt("lbl_lastCross") && !run.prompt("lbl_firstCross"));
                run.click("pb_continue");
                run.press(run.first);
                QVERIFY(!run.crosses[0]->isVisible() && !run.crosses[1]->isVisible());
                shown = run.series();
            }
            run.answer({45, 25});
            const auto row = fields(run.logRows().constLast());
            loads << row.value(9).toInt();
            QCOMPARE(shown, loads.last() + 2);
            QCOMPARE(row.value(10).toInt(), trial + 1);   // rank
            QCOMPARE(row.mid(25, 2) + row.mid(29), (QByteArrayList{"    1,00", "   12,87", "0"}));
            QCOMPARE(row.mid(27, 2),
                     (QList<QByteArray>{QByteArray::number(run.sectors[0]), QByteArray::number(run.sectors.last())}));
            for (int later : run.sectors.mid(1))
                QVERIFY2(qAbs((later - run.sectors[0] + 12) % 12 - 6) <= 4, qPrintable(QString::number(later)));
            QCOMPARE(QSet<int>(run.sectors.begin(), run.sectors.end()).size(), shown);
        }
        for (int block = 0; block + 6 <= number; block += 6)
            QCOMPARE(QSet<int>(loads.begin() + block, loads.begin() + block + 6), (QSet<int>{0, 1, 2, 3, 4, 5}));
        const auto rows = run.logRows();
        QCOMPARE(rows.size(), number + 2);
        const auto error = fields(rows[3]);
        QCOMPARE(error.mid(25, 2) + error.mid(29), (QList<QByteArray>{"", "", "1"}));   // no distances, an error
        QCOMPARE(fields(rows[4]).mid(9, 2), error.mid(9, 2));
        QCOMPARE(rows[6], QByteArray(";Mr.;Roux;Paul;17/09/1948;paused"));
        QCOMPARE(fields(run.tree.read("Results/results_T4.csv").split('\n').value(1)).value(10).toInt(), number);
    }

    void phasePlans_data()
    {
        QTest::addColumn<bool>("withInstr");
        QTest::addColumn<bool>("withTrain");
        QTest::addColumn<int>("vertPitch");
        QTest::newRow("instructions only") << true << false << 125;
        QTest::newRow("training") << false << true << 125;
        QTest::newRow("instructions and training") << true << true << 125;
        QTest::newRow("uncalibrated screen") << true << true << 0;
    }

    // The worked example takes seven presses of "Continue"; training runs 3 trials that reach no
    // file; without training the task then closes uncounted. Without a calibration no distance can
    // be measured: the assessor is told and nothing runs.
    void phasePlans()
    {
        QFETCH(bool, withInstr);
        QFETCH(bool, withTrain);
        QFETCH(int, vertPitch);
        Run run;
        MessageBoxCatcher boxes;
        SharedContext::instance().screen.vertPitch = vertPitch;
        run.window->goTest4(withInstr, withTrain, false);
        QTRY_COMPARE(boxes.titles, vertPitch ? QStringList() : QStringList{"Error"});
        auto *phase = run.get<QLabel>("lbl_mode");
        for (int click = 0; withInstr && vertPitch && click < 7; ++click) {
            QCOMPARE(run.window->isVisible() ? phase->text() : QString(), QStringLiteral("INSTRUCTIONS"));
            run.click("pb_next");
            if (click == 4)
                QVERIFY(run.prompt("lbl_lastCross"));
        }
        if (!withTrain || !vertPitch) {
            run.checkLeftWithoutTrace(4);
            return;
        }
        QCOMPARE(phase->text(), QStringLiteral("TRAINING"));
        run.click("pb_go");
        for (int trial = 0; trial < 3; ++trial)
            run.validTrial();
        QVERIFY(run.get<QPushButton>("pb_go")->isVisible() && !phase->isVisible());
        QCOMPARE(run.logRows(), QList<QByteArray>());
        QCOMPARE(run.get<QLineEdit>("le_number")->text(), QStringLiteral("30"));
    }

    // The chain on its own timers: delay, crosses and blanks arrive by themselves, each stamped on
    // the trial's clock for about its nominal time.
    void realTimersRunATrial()
    {
        Run run;
        run.go(30, {"50", "80", "60"});
        QTRY_VERIFY_WITH_TIMEOUT(run.prompt("lbl_lastCross"), 3000);
        int crosses = 0;
        for (const TaskWindow::StimulusSpan &span : run.window->stimulusSpans()) {
            crosses += span.label == "cross";
            QVERIFY2(span.offsetNs > span.onsetNs && std::fabs(span.errorMs()) < 20, span.label.constData());
        }
        QVERIFY(crosses >= 2 && crosses <= 7);
        QCOMPARE(run.window->stimulusSpans().size(), 2 * crosses);
    }

    void sessionCountingBothWays()
    {
        checkSessionCounting<Test4>(patientRecord, 4, 1, [](Test4 *task) { Trials{task}.validTrial(); });
    }
};

QTEST_MAIN(TestTest4Flow)
#include "tst_test4flow.moc"
