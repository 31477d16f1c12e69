#include <QtTest>

#include "messageboxcatcher.h"
#include "taskrun.h"
#include "tasks/test1/test1.h"

namespace {
QByteArray patientRecord(const QByteArray &training)
{
    return "Mrs.;Zeller;Anna;05.06.1944;4;0;0;0;2;3;1;" + training + "\r\n";
}

// The visual recognition task for a patient whose sessions of tasks 1, 5, 6, 7 are 4, 2, 3, 1
// and whose training values are given, the session of each of these tasks raised to 5.
struct Run : TaskRun<Test1>
{
    MessageBoxCatcher boxes;

    explicit Run(const QByteArray &training = "80;150;250") : TaskRun(patientRecord(training), {1, 5, 6, 7}, 5) {}
    void start(int mode, bool withTraining = false) { window->goTest1(mode, false, withTraining, true, false); }
    // Steps 1 stimulus, 2 mask, 3 blank, 4 answer buttons.
    void stage(int n) { step(qPrintable(QStringLiteral("sequence%1").arg(n))); }
    // One trial to the start of the next, answered with the first buttons.
    void anyTrial()
    {
        for (int n = 1; n <= 4; ++n)
            stage(n);
        if (get<QPushButton>("pb_uniform")->isVisible())
            click("pb_uniform");
        if (get<QPushButton>("pb_pos0")->isVisible())
            click("pb_pos0");
        step("sequence6");
    }
    auto exposure(int s) const { return get<QLineEdit>(qPrintable(QStringLiteral("le_timer02_S%1").arg(s)))->text(); }
};
} // namespace

class TestTest1Flow : public QObject
{
    Q_OBJECT

private slots:
    void start_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("withTraining");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("horzPitch");
        QTest::addColumn<QString>("refusal");   // empty: the run starts
        QTest::addColumn<QString>("clicks");    // the first trial's answer buttons, in order
        const char *untrained = "Unable to start!\nPlease undergo training!";
        const char *uncalibrated = "The screen is not calibrated.\nPlease calibrate it first (Preferences).";
        QTest::newRow("battery, peripheral untrained") << 0 << false << "80;0;250" << 250 << untrained << "";
        QTest::newRow("peripheral, untrained") << 2 << false << "80;0;250" << 250 << untrained << "";
        QTest::newRow("uncalibrated screen") << 1 << false << "80;150;250" << 0 << uncalibrated << "";
        QTest::newRow("training restarts") << 0 << true << "80;0;250" << 200 << "" << "";
        QTest::newRow("peripheral only matters") << 2 << false << "0;150;0" << 200 << "" << "pb_pos3";
        QTest::newRow("central") << 1 << false << "80;150;250" << 200 << "" << "pb_size";
        QTest::newRow("dual, position first") << 3 << false << "80;150;250" << 200 << "" << "pb_pos1 pb_shape";
        QTest::newRow("dual, central first") << 3 << false << "80;150;250" << 200 << "" << "pb_contrast pb_pos4";
    }

    // A refused start tells the assessor why and leaves every file alone. A run that starts shows
    // its entry exposures (the stored ones; with training 1133 ms for a trained subtask, else
    // 4633 ms) and its stimuli at their sizes in pixels of 0.2 by 0.25 mm: arrows 187.5 pixels
    // wide, an exact half, rounded down. On the task's own timers only the subtask's answer
    // buttons appear, each half is answered once in any order, and the row counts the trial at
    // the stored exposure, its answer time from the buttons' onset.
    void start()
    {
        QFETCH(int, mode);
        QFETCH(bool, withTraining);
        QFETCH(QString, stored);
        QFETCH(int, horzPitch);
        QFETCH(QString, refusal);
        QFETCH(QString, clicks);
        Run run(stored.toLatin1());
        SharedContext::instance().screen.horzPitch = horzPitch;
        run.start(mode, withTraining);
        QTRY_COMPARE(run.boxes.texts, refusal.isEmpty() ? QStringList() : QStringList{refusal});
        if (!refusal.isEmpty()) {
            run.checkLeftWithoutTrace(1);
            return;
        }
        QVERIFY(run.get<QPushButton>("pb_go")->isVisible());
        QCOMPARE(run.exposure(1) + ';' + run.exposure(2) + ';' + run.exposure(3),
                 withTraining ? QStringLiteral("1133;4633;1133") : stored);
        QMap<QByteArray, QList<QSize>> sizes;
        for (QWidget *w : run.window->findChildren<QWidget *>())
            sizes[w->metaObject()->className()] << w->size();
        QCOMPARE(sizes["DrawArrowPeriph"], QList<QSize>(6, QSize(187, 150)));
        // Normal, turned and smaller on either side.
        QCOMPARE(sizes["DrawRectangle"], (QList<QSize>{{70, 62}, {62, 70}, {64, 56}, {70, 62}, {62, 70}, {64, 56}}));
        QCOMPARE(sizes["DrawGrayRectangle"] + sizes["DrawRoundedRectangle"], QList<QSize>(4, QSize(70, 62)));
        if (clicks.isEmpty())
            return;
        run.click("pb_go");
        const QStringList buttons = clicks.split(QLatin1Char(' '));
        QTRY_VERIFY_WITH_TIMEOUT(run.get<QPushButton>(qPrintable(buttons[0]))->isVisible(), 3000);
        // The central buttons and the arrow buttons are each shown and hidden together.
        QCOMPARE(run.get<QPushButton>("pb_uniform")->isVisible(), mode != 2);
        QCOMPARE(run.get<QPushButton>("pb_pos0")->isVisible(), mode != 1);
        for (const QString &name : buttons) {
            QVERIFY(run.get<QPushButton>(qPrintable(name))->isVisible());
            run.click(qPrintable(name));
            QVERIFY(!run.get<QPushButton>(qPrintable(name))->isVisible());
        }
        QTRY_COMPARE_WITH_TIMEOUT(run.logRows().size(), 1, 3000);
        const auto f = fields(run.logRows()[0]);
        const QByteArray entry = stored.split(QLatin1Char(';'))[mode - 1].toLatin1();
        QCOMPARE(f.mid(9, 4).join(';'), QByteArray::number(mode) + ";1;1;" + entry);
        QVERIFY2(f[17].toInt() >= 0 && f[17].toInt() < 500, f[17].constData());
    }

    // E and P do nothing before the answer buttons, at any step of the trial. Then E counts the
    // trial as missed, not as a trial, and P pauses; after "Continue" the trial is of the same
    // subtask, after E with the same figure pair and target.
    void pauseAndErrorKeys()
    {
        Run run;
        run.start(3);
        run.click("pb_go");
        for (const Qt::Key key : {Qt::Key_E, Qt::Key_P}) {
            const int rows = run.logRows().size();
            for (int n = 1; n <= 3; ++n) {
                run.stage(n);
                run.key(Qt::Key_E);
                run.key(Qt::Key_P);
                QVERIFY(!run.get<QPushButton>("pb_continue")->isVisible());
                QCOMPARE(run.logRows().size(), rows);
            }
            run.stage(4);
            run.key(key);
            QVERIFY(run.get<QPushButton>("pb_continue")->isVisible());
            QCOMPARE(run.logRows().size(), rows + 1);
            const auto f = fields(run.logRows().constLast());
            // E: rank 0, no answers, error 1; the figure pair and the target are those shown again
            // below.
            if (key == Qt::Key_P)
                QCOMPARE(f.join(';'), QByteArray(";Mrs.;Zeller;Anna;05/06/1944;paused"));
            else
                QCOMPARE(f.mid(9).join(';'), "3;0;0;250;" + f[13] + ";;" + f[15] + ";;0;;0;;;;;;;;;;1");
            run.click("pb_continue");
            run.anyTrial();
            const auto retry = fields(run.logRows().constLast());
            QCOMPARE(retry.mid(9, 3).join(';'), QByteArray(key == Qt::Key_E ? "3;1;1" : "3;2;2"));
            if (key == Qt::Key_E)
                QCOMPARE((QList<QByteArray>{retry[13], retry[15]}), (QList<QByteArray>{f[13], f[15]}));
        }
    }

    void instructionsOnly_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("clicks");
        QTest::newRow("battery: three subtasks") << 0 << 14;
        QTest::newRow("central") << 1 << 5;
        QTest::newRow("peripheral") << 2 << 4;
        QTest::newRow("dual") << 3 << 4;
    }

    // Title, chart (central), demonstration, example and practice per subtask, then the window
    // closes; the practice answers are not scored and nothing reaches a file.
    void instructionsOnly()
    {
        QFETCH(int, mode);
        QFETCH(int, clicks);
        Run run;
        run.window->goTest1(mode, true, false, false, false);
        int clicked = 0;
        bool practised = false;
        for (int i = 0; i < 60 && run.window->isVisible(); ++i) {
            if (!run.get<QPushButton>("pb_next")->isVisible()) {
                run.step("i_sequence7");   // the practice stimulus ends, then the mask
                run.step("i_sequence8");
                // One practice answer: it starts the next practice trial.
                if (!std::exchange(practised, true))
                    run.click(run.get<QPushButton>("pb_uniform")->isVisible() ? "pb_shape" : "pb_pos2");
                continue;
            }
            practised = false;
            run.key(Qt::Key_E);
            run.click("pb_next");
            ++clicked;
        }
        QCOMPARE(clicked, clicks);
        run.checkLeftWithoutTrace(1);
    }

    // Every three trials of the battery hold each subtask once. Escape then leaves the session
    // uncounted and writes the exposures reached as the training values; after 13 trials, each
    // answer a step of the staircase, at least one differs from the stored one.
    void batteryThenEscape()
    {
        Run run;
        run.start(0);
        run.click("pb_go");
        QList<int> order;
        for (int trial = 0; trial < 13; ++trial) {
            order << run.get<QLineEdit>("le_subtask")->text().toInt();
            run.anyTrial();
        }
        for (int block = 0; block < 12; block += 3)
            QCOMPARE(QSet<int>(order.begin() + block, order.begin() + block + 3), (QSet<int>{1, 2, 3}));
        const QByteArray reached = (run.exposure(1) + ';' + run.exposure(2) + ';' + run.exposure(3)).toLatin1();
        QVERIFY(reached != "80;150;250");
        run.key(Qt::Key_Escape);
        QVERIFY(!run.window->isVisible() && run.context.isEscapeSeq());
        QCOMPARE(run.tree.read("Parameters/patients_list.txt"), patientRecord(reached));
    }
};

QTEST_MAIN(TestTest1Flow)
#include "tst_test1flow.moc"
