#include <algorithm>
#include <cmath>

#include <QtTest>

#include "instructionsonly.h"
#include "sessioncounting.h"
#include "stimuli/drawwidgets.h"
#include "tasks/test3/motionfieldview.h"
#include "tasks/test3/test3.h"

using namespace MotionField;

namespace {
const QByteArray patientRecord = "Mr.;Weber;Karl;17.09.1950;0;0;2;0;0;0;0;0;0;0\r\n";
const char *const answerButtons[4] = {"pb_right", "pb_down", "pb_left", "pb_up"};
const Qt::Key answerKeys[4] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};

// The place the arrow points at, and the way the single there, the target, drifts.
int placeOf(const Test3 &task)
{
    return int(std::lround(task.findChild<DrawArrow *>()->angle / 45.0)) % 8;
}

int directionOf(const Test3 &task)
{
    return task.findChild<MotionFieldView *>()->directions()[singleCell(placeOf(task))];
}

// Motion, then the arrow.
void toArrow(Test3 *task)
{
    for (const char *slot : {"sequence1", "sequence2"})
        QVERIFY(QMetaObject::invokeMethod(task, slot));
}

// A trial to its arrow, Space and the target's direction by its arrow key, then the trial's end.
void validTrial(Test3 *task)
{
    toArrow(task);
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
        toArrow(run.window.get());
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
        toArrow(run.window.get());
        QCOMPARE(placeOf(*run.window) == place, how != "right");
        if (how == "P") {
            QCOMPARE(run.logRows(), QList<QByteArray>{";Mr.;Weber;Karl;17/09/1950;paused"});
            return;
        }
        const auto f = fields(run.logRows().value(0));
        const int rt = f.value(22).toInt();
        QVERIFY2(f.value(22).isEmpty() == (how == "E") && rt >= rtMin && rt <= rtMax, f.value(22).constData());
        QCOMPARE(f.mid(23, 2), (QByteArrayList{placeName(place), directionName(direction)}));
        QCOMPARE(f.value(29), how == "right" ? "0" : "1");
    }

    void subtaskDirections_data()
    {
        QTest::addColumn<int>("mode");
        // Singles, and cells of each group of nine, drifting the target's way; 0: as they fall.
        QTest::addColumn<int>("sharing");
        QTest::addColumn<int>("inGroup");
        QTest::newRow("mode 1: independent") << 1 << 0 << 0;
        QTest::newRow("mode 2: common motion") << 2 << 7 << 8;
        QTest::newRow("mode 3: lone motion") << 3 << 1 << 1;
    }

    // The main window's mode 1 gives every cell its own direction; in common motion the target
    // drifts with all singles but one and with eight cells of every group, in lone motion it is
    // the only single drifting its way, and one cell of every group drifts so.
    void subtaskDirections()
    {
        QFETCH(int, mode);
        QFETCH(int, sharing);
        QFETCH(int, inGroup);
        Run run;
        run.go(mode);
        QSet<int> seen;
        for (int trial = 0; trial < 10; ++trial) {
            toArrow(run.window.get());
            const Directions dir = run.field()->directions();
            const int target = directionOf(*run.window);
            seen << int(std::count(dir.begin() + groupCells, dir.end(), target));   // the singles
            for (int g = 0; g < groupCount && inGroup; ++g)
                QCOMPARE(int(std::count(dir.begin() + 9 * g, dir.begin() + 9 * g + 9, target)), inGroup);
            run.key(Qt::Key_Space);
            run.key(answerKeys[target]);
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
        auto *mode = run.get<QLabel>("lbl_mode");
        QCOMPARE(mode->text(), QStringLiteral("TRAINING"));
        run.click("pb_go");
        for (int trial = 0; trial < 5; ++trial)
            validTrial(run.window.get());
        QVERIFY(run.get<QPushButton>("pb_go")->isVisible() && !mode->isVisible());
        QCOMPARE(run.tree.read("Results/output.csv"), trialLogHeader());
        run.click("pb_go");
        auto *elapsed = run.get<QLineEdit>("le_elapsed");
        const QString trainingRt = elapsed->text();
        run.key(Qt::Key_Space);   // still field
        run.step("sequence1");
        QTest::qWait(500);
        run.key(Qt::Key_Space);   // moving, no arrow yet
        run.key(Qt::Key_Right);
        QVERIFY(!run.buttonsUp() && elapsed->text() == trainingRt);
        run.step("sequence2");
        run.key(answerKeys[(directionOf(*run.window) + 2) % 4]);   // arrow up: not an answer
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
        QCOMPARE(run.logRows().size(), 1);
        QCOMPARE(fields(run.logRows()[0]).value(29), QByteArray("0"));
    }

    void instructionsOnlyWritesNothing()
    {
        Run run;
        run.window->goTest3(1, true, false, false, false);
        checkInstructionsOnly(run, 9, 3);
    }

    void sessionCountingBothWays()
    {
        checkSessionCounting<Test3>(patientRecord, 3, 2, validTrial);
    }

    void fieldLooksLikeStimulusWidgets_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("step");
        QTest::addColumn<QPoint>("horizontal");   // single SW's gratings from their rest position
        QTest::addColumn<QPoint>("vertical");
        QTest::newRow("right, tick 3") << 0 << 3 << QPoint(0, 0) << QPoint(3, 0);
        QTest::newRow("down, tick 14") << 1 << 14 << QPoint(0, 14) << QPoint(0, 0);
        QTest::newRow("left, tick 15 back at rest") << 2 << 15 << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("up, tick 16") << 3 << 16 << QPoint(0, -1) << QPoint(0, 0);
    }

    // Single SW (place 3) lies at (−84, 84) from the centre; its gratings rest 24 pixels up and
    // left of its centre and its square 21. The field's view shows every cell exactly as a white
    // square under two moving grating widgets would, at every step of the drift, on the task's
    // black screen.
    void fieldLooksLikeStimulusWidgets()
    {
        QFETCH(int, direction);
        QFETCH(int, step);
        const int sw = singleCell(3);
        QCOMPARE(squareTopLeft(sw), QPoint(-105, 63));
        QTEST(horizontalGratingTopLeft(sw, direction, step) - QPoint(-108, 60), "horizontal");
        QTEST(verticalGratingTopLeft(sw, direction, step) - QPoint(-108, 60), "vertical");
        const QPoint centre(400, 400);
        QWidget painted;
        auto *view = new MotionFieldView(&painted);
        view->placeAround(centre);
        Directions all;
        all.fill(direction);
        view->setDirections(all);
        view->setStep(step);
        QWidget widgets;
        const auto place = [&](QWidget *widget, QPoint topLeft, int side) {
            widget->setGeometry(QRect(centre + topLeft, QSize(side, side)));
        };
        for (int cell = 0; cell < cellCount; ++cell) {
            place(new DrawRectangle(&widgets), squareTopLeft(cell), 42);
            place(new DrawLineH(&widgets), horizontalGratingTopLeft(cell, direction, step), 48);
            place(new DrawLineV(&widgets), verticalGratingTopLeft(cell, direction, step), 48);
        }
        QList<QImage> images;
        for (QWidget *screen : {&painted, &widgets}) {
            screen->resize(800, 800);
            QImage image(screen->size(), QImage::Format_RGB32);
            image.fill(Qt::black);
            screen->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            images << image;
        }
        QCOMPARE(images[0], images[1]);
    }
};

QTEST_MAIN(TestTest3Flow)
#include "tst_test3flow.moc"
