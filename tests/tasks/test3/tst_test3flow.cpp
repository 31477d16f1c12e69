#include <cmath>

#include <QtTest>

#include "sessioncounting.h"
#include "stimuli/drawwidgets.h"
#include "tasks/test3/motionfieldview.h"
#include "tasks/test3/test3.h"

namespace {
const QByteArray patientRecord = "Mr.;Weber;Karl;17.09.1950;0;0;2;0;0;0;0;0;0;0\r\n";
const QByteArray pausedRow = ";Mr.;Weber;Karl;17/09/1950;paused";
const char *const answerButtons[4] = {"pb_right", "pb_down", "pb_left", "pb_up"};
const Qt::Key answerKeys[4] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};

// The place the arrow points at, and the way the single there, the target, drifts.
int placeOf(const Test3 &task)
{
    return int(std::lround(task.findChild<DrawArrow *>()->angle / 45.0)) % 8;
}

int directionOf(const Test3 &task)
{
    return task.findChild<MotionFieldView *>()->directions()[MotionField::singleCell(placeOf(task))];
}

// Motion, arrow, Space and the target's direction by its arrow key, then the trial's end.
void validTrial(Test3 *task)
{
    for (const char *slot : {"sequence1", "sequence2"})
        QVERIFY(QMetaObject::invokeMethod(task, slot));
    QTest::keyClick(task, Qt::Key_Space);
    QTest::keyClick(task, answerKeys[directionOf(*task)]);
    QVERIFY(QMetaObject::invokeMethod(task, "sequence6"));
}

// The movement detection task with its session raised to 3.
struct Run : TaskRun<Test3>
{
    Run() : TaskRun(patientRecord, {3}, 3) {}

    // Opens the parameter panel and starts a test block of 40 valid trials.
    void go(int mode = 1, bool fixedDn = false)
    {
        window->goTest3(mode, false, false, true, fixedDn);
        click("pb_go");
    }
    MotionFieldView *field() const { return window->findChild<MotionFieldView *>(); }
    bool buttonsUp() const { return get<QPushButton>("pb_center")->isVisible(); }
    void toArrow()
    {
        step("sequence1");
        step("sequence2");
    }
};
} // namespace

class TestTest3Flow : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("rtMin");   // the logged reaction time; none when marked
        QTest::addColumn<int>("rtMax");
        QTest::newRow("right direction") << "right" << 0 << 99;
        QTest::newRow("wrong direction") << "wrong" << 0 << 99;
        QTest::newRow("centre button") << "centre" << 0 << 99;
        QTest::newRow("right answer after the response time-out") << "timeout" << 2500 << 2500;
        QTest::newRow("right answer after 5000 ms") << "slow" << 5001 << 5400;
        QTest::newRow("marked by the assessor") << "E" << 0 << 0;
        QTest::newRow("paused") << "P" << 0 << 0;
    }

    // What counts as an error is judged by the direction answer and the limits: only the first
    // row is valid. The reaction time is the time to Space. After an error or a pause the same
    // place comes again.
    void answers()
    {
        QFETCH(QString, how);
        QFETCH(int, rtMin);
        QFETCH(int, rtMax);
        Run run;
        run.go(1, how == "timeout");
        run.toArrow();
        const int place = placeOf(*run.window);
        const int direction = directionOf(*run.window);
        if (how == "timeout") {
            run.step("sequence3");
            run.step("sequence4");   // no Space within the response period
        } else {
            if (how == "slow")
                QTest::qWait(5010);
            run.key(Qt::Key_Space);
        }
        QVERIFY(run.buttonsUp());
        if (how == "E" || how == "P") {
            run.key(how == "E" ? Qt::Key_E : Qt::Key_P);
            run.key(answerKeys[direction]);   // waiting for "Continue": no answer taken
            QVERIFY(!run.field()->isVisible());
            QCOMPARE(run.logRows().size(), how == "P" ? 1 : 0);
            run.click("pb_continue");
        } else {
            run.click(how == "centre" ? "pb_center" : answerButtons[(direction + (how == "wrong" ? 2 : 0)) % 4]);
        }
        QVERIFY(!run.buttonsUp());
        if (how != "P")
            run.step("sequence6");
        run.toArrow();
        QCOMPARE(placeOf(*run.window) == place, how != "right");
        if (how == "P") {
            QCOMPARE(run.logRows(), QList<QByteArray>{pausedRow});
            return;
        }
        const auto f = fields(run.logRows().value(0));
        const int rt = f.value(22).toInt();
        QVERIFY2(f.value(22).isEmpty() == (how == "E") && rt >= rtMin && rt <= rtMax, f.value(22).constData());
        QCOMPARE(f.value(23), QByteArray(MotionField::placeName(place)));
        QCOMPARE(f.value(24), QByteArray(MotionField::directionName(direction)));
        QCOMPARE(f.value(29), how == "right" ? "0" : "1");
    }

    void subtaskDirections_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("sharing");   // singles drifting the target's way; 0: as they fall
        QTest::newRow("mode 1: independent") << 1 << 0;
        QTest::newRow("mode 2: common motion") << 2 << 7;
        QTest::newRow("mode 3: lone motion") << 3 << 1;
    }

    // The main window's mode 1 gives every cell its own direction; in common motion the target
    // drifts with all singles but one, in lone motion it is the only single drifting its way.
    void subtaskDirections()
    {
        QFETCH(int, mode);
        QFETCH(int, sharing);
        Run run;
        run.go(mode);
        QSet<int> seen;
        for (int trial = 0; trial < 10; ++trial) {
            run.toArrow();
            int same = 0;
            for (int k = 0; k < 8; ++k)
                same += run.field()->directions()[MotionField::singleCell(k)] == directionOf(*run.window);
            seen << same;
            run.key(Qt::Key_Space);
            run.key(answerKeys[directionOf(*run.window)]);
            run.step("sequence6");
        }
        if (sharing)
            QCOMPARE(seen, QSet<int>{sharing});
        else
            QVERIFY2(seen.size() > 1, "the same share of the target's direction in every trial");
        for (const QByteArray &row : run.logRows())
            QCOMPARE(fields(row).value(9), QByteArray::number(mode));
    }

    // Five training trials reach no file; the test block then starts with its own "GO". Space
    // counts only while the arrow is up, the arrow keys only while the buttons are up. The
    // gratings drift meanwhile, and the reaction time runs from the arrow's onset, not the motion's.
    void trainingThenKeys()
    {
        Run run;
        run.window->goTest3(1, false, true, true, false);
        run.setField("le_timer02", QStringLiteral("3000"));
        auto *go = run.get<QPushButton>("pb_go");
        QCOMPARE(run.get<QLabel>("lbl_mode")->text(), QStringLiteral("TRAINING"));
        QTest::mouseClick(go, Qt::LeftButton);
        for (int trial = 0; trial < 5; ++trial)
            validTrial(run.window.get());
        QVERIFY(go->isVisible() && !run.get<QLabel>("lbl_mode")->isVisible());
        QCOMPARE(run.tree.read("Results/output.csv"), trialLogHeader());
        QTest::mouseClick(go, Qt::LeftButton);
        auto *elapsed = run.get<QLineEdit>("le_elapsed");
        const QString trainingRt = elapsed->text();
        run.key(Qt::Key_Space);   // still field
        run.step("sequence1");
        QTest::qWait(500);
        run.key(Qt::Key_Space);   // moving, no arrow yet
        run.key(Qt::Key_Right);
        QVERIFY(!run.buttonsUp() && elapsed->text() == trainingRt);
        run.step("sequence2");
        run.key(Qt::Key_Left);    // arrow up: not an answer
        const int step = run.field()->step();
        QTest::qWait(150);
        QVERIFY2(!run.buttonsUp() && run.field()->step() >= step + 5, "the gratings drift while the arrow is up");
        run.key(Qt::Key_Space);
        QVERIFY(run.buttonsUp());
        const QString rt = elapsed->text();
        QVERIFY2(rt.toInt() >= 150 && rt.toInt() < 500, qPrintable(rt));
        QTest::qWait(30);
        run.key(Qt::Key_Space);   // buttons up: ignored
        QCOMPARE(elapsed->text(), rt);
        run.key(answerKeys[directionOf(*run.window)]);
        QVERIFY(!run.buttonsUp());
        run.step("sequence6");
        const auto rows = run.logRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(fields(rows[0]).value(29), QByteArray("0"));
    }

    void instructionsOnlyWritesNothing()
    {
        Run run;
        run.window->goTest3(1, true, false, false, false);
        auto *next = run.get<QPushButton>("pb_next");
        QCOMPARE(run.get<QLabel>("lbl_mode")->text(), QStringLiteral("INSTRUCTIONS"));
        for (int click = 0; click < 9; ++click) {
            QVERIFY2(run.window->isVisible() && next->isVisible(), qPrintable(QString::number(click)));
            QTest::mouseClick(next, Qt::LeftButton);
            run.key(Qt::Key_Space);
            run.key(Qt::Key_P);
        }
        run.checkLeftWithoutTrace(3);
    }

    // The main window starts the task in mode 1.
    void sessionCountingBothWays()
    {
        checkSessionCounting<Test3>(patientRecord, 3, 2, [](Test3 *task) {
            QCOMPARE(child<QLineEdit>(*task, "le_subtask")->text(), QStringLiteral("1"));
            validTrial(task);
        });
    }

    void fieldLooksLikeStimulusWidgets_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("step");
        for (int d = 0; d < 4; ++d) {
            for (int step : {0, 8, 29})
                QTest::addRow("%s, step %d", MotionField::directionName(d), step) << d << step;
        }
    }

    // The field's view shows every cell exactly as a white square under two moving grating
    // widgets would, at every step of the drift.
    void fieldLooksLikeStimulusWidgets()
    {
        QFETCH(int, direction);
        QFETCH(int, step);
        const QPoint centre(400, 400);
        // On the task's black screen.
        const auto render = [](QWidget &screen) {
            QImage image(screen.size(), QImage::Format_RGB32);
            image.fill(Qt::black);
            screen.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            return image;
        };
        QWidget widgets;
        widgets.resize(800, 800);
        QWidget painted;
        painted.resize(800, 800);
        auto *view = new MotionFieldView(&painted);
        view->placeAround(centre);
        MotionField::Directions all;
        all.fill(direction);
        view->setDirections(all);
        view->setStep(step);
        for (int cell = 0; cell < MotionField::cellCount; ++cell) {
            auto *square = new DrawRectangle(&widgets);
            square->setGeometry(QRect(centre + MotionField::squareTopLeft(cell), QSize(42, 42)));
            auto *horizontal = new DrawLineH(&widgets);
            horizontal->setGeometry(
                QRect(centre + MotionField::horizontalGratingTopLeft(cell, direction, step), QSize(48, 48)));
            auto *vertical = new DrawLineV(&widgets);
            vertical->setGeometry(
                QRect(centre + MotionField::verticalGratingTopLeft(cell, direction, step), QSize(48, 48)));
        }
        QCOMPARE(render(painted), render(widgets));
    }
};

QTEST_MAIN(TestTest3Flow)
#include "tst_test3flow.moc"
