#include <cmath>

#include <QtTest>

#include "sessioncounting.h"
#include "stimuli/drawwidgets.h"
#include "tasks/test3/motionfieldview.h"
#include "tasks/test3/test3.h"

namespace {
const QByteArray logHeader = trialLogHeader();
const QByteArray patientRecord = "Mr.;Weber;Karl;17.09.1950;0;0;2;0;0;0;0;0;0;0\r\n";
const QString patientKey = QStringLiteral("Weber Karl 17.09.1950");
const QByteArray pausedRow = ";Mr.;Weber;Karl;17/09/1950;paused";
const char *const answerButtons[4] = {"pb_right", "pb_down", "pb_left", "pb_up"};
const Qt::Key answerKeys[4] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};

// The movement detection task with its session raised to 3.
struct Run : TaskRun<Test3>
{
    Run() : TaskRun(patientRecord, {3}, 3) {}

    // Opens the parameter panel and starts a test block of `number` valid trials.
    void go(int mode = 1, bool fixedDn = false, int number = 40)
    {
        window->goTest3(mode, false, false, true, fixedDn);
        if (number != 40)
            setField("le_number", QString::number(number));
        click("pb_go");
    }
    MotionFieldView *field() const { return window->findChild<MotionFieldView *>(); }
    DrawArrow *arrow() const { return window->findChild<DrawArrow *>(); }
    int place() const { return int(std::lround(arrow()->angle / 45.0)) % 8; }
    // The way the target drifts: the single the arrow points at.
    int targetDirection() const { return field()->directions()[MotionField::singleCell(place())]; }
    bool buttonsUp() const { return get<QPushButton>("pb_center")->isVisible(); }
    // Motion and arrow; then Space.
    void toAnswer()
    {
        step("sequence1");
        step("sequence2");
        key(Qt::Key_Space);
    }
    void answer(int direction, bool byKey = false)
    {
        if (byKey)
            key(answerKeys[direction]);
        else
            click(answerButtons[direction]);
    }
    void validTrial()
    {
        toAnswer();
        answer(targetDirection());
        step("sequence6");
    }
};
} // namespace

class TestTest3Flow : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void subtaskDirections_data();
    void subtaskDirections();
    void keysOnlyWhenTheyCount();
    void samePlaceAgain_data();
    void samePlaceAgain();
    void instructionsOnlyWritesNothing();
    void trainingThenTest();
    void completedRun();
    void realTimersRunATrial();
    void sessionCountingBothWays();
    void fieldLooksLikeStimulusWidgets_data();
    void fieldLooksLikeStimulusWidgets();
};

void TestTest3Flow::answers_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("fixedDn");
    QTest::addColumn<QByteArray>("rt");      // "" for any small time
    QTest::addColumn<QByteArray>("error");
    QTest::newRow("right direction, button") << "right" << false << QByteArray() << QByteArray("0");
    QTest::newRow("right direction, arrow key") << "key" << false << QByteArray() << QByteArray("0");
    QTest::newRow("wrong direction") << "wrong" << false << QByteArray() << QByteArray("1");
    QTest::newRow("centre button") << "centre" << false << QByteArray() << QByteArray("1");
    QTest::newRow("right answer after the response time-out")
        << "timeout" << true << QByteArray("2500") << QByteArray("1");
    QTest::newRow("right answer after 5000 ms") << "slow" << false << QByteArray(">5000") << QByteArray("1");
}

// What counts as an error is judged by the direction answer and the limits; the reaction time
// is the time to Space.
void TestTest3Flow::answers()
{
    QFETCH(QString, how);
    QFETCH(bool, fixedDn);
    QFETCH(QByteArray, rt);
    QFETCH(QByteArray, error);
    Run run;
    run.go(1, fixedDn);
    run.step("sequence1");
    run.step("sequence2");
    const int direction = run.targetDirection();
    const char *position = MotionField::placeName(run.place());
    if (how == "timeout") {
        run.step("sequence3");
        run.step("sequence4");   // no Space within the response period
        QVERIFY(run.buttonsUp());
    } else {
        if (how == "slow")
            QTest::qWait(5010);
        run.key(Qt::Key_Space);
    }
    if (how == "wrong")
        run.answer((direction + 2) % 4);
    else if (how == "centre")
        QTest::mouseClick(run.get<QPushButton>("pb_center"), Qt::LeftButton);
    else
        run.answer(direction, how == "key");
    QVERIFY(!run.buttonsUp());
    run.step("sequence6");
    const auto f = fields(run.logRows().value(0));
    QCOMPARE(f.size(), 30);
    QCOMPARE(f.mid(0, 7), (QList<QByteArray>{"", "Mr.", "Weber", "Karl", "17/09/1950", "3", "3"}));
    QCOMPARE(f.mid(9, 3), (QList<QByteArray>{"1", "1", ""}));
    for (int i = 12; i < 22; ++i)
        QVERIFY2(f[i].isEmpty(), qPrintable(QString::number(i)));
    if (rt.startsWith('>'))
        QVERIFY2(f[22].toInt() > 5000 && f[22].toInt() < 5400, f[22].constData());
    else if (!rt.isEmpty())
        QCOMPARE(f[22], rt);
    else
        QVERIFY2(f[22].toInt() >= 0 && f[22].toInt() < 100, f[22].constData());
    QCOMPARE(f[23], QByteArray(position));
    QCOMPARE(f[24], QByteArray(MotionField::directionName(direction)));
    QCOMPARE(f[29], error);
}

void TestTest3Flow::subtaskDirections_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("mode 1: independent") << 1;
    QTest::newRow("mode 2: common motion") << 2;
    QTest::newRow("mode 3: lone motion") << 3;
}

// The main window's mode 1 gives every cell its own direction; in common motion the target
// drifts with all singles but one, in lone motion it is the only single drifting its way.
void TestTest3Flow::subtaskDirections()
{
    QFETCH(int, mode);
    Run run;
    run.go(mode);
    int structured = 0;
    for (int trial = 0; trial < 6; ++trial) {
        QCOMPARE(run.get<QLineEdit>("le_subtask")->text(), QString::number(mode));
        run.step("sequence1");
        run.step("sequence2");
        const int t = run.targetDirection();
        int sharing = 0;
        for (int k = 0; k < 8; ++k)
            sharing += run.field()->directions()[MotionField::singleCell(k)] == t;
        if (mode == 2)
            QCOMPARE(sharing, 7);
        if (mode == 3)
            QCOMPARE(sharing, 1);
        bool allGroups = true;
        for (int g = 0; g < 8; ++g) {
            int same = 0;
            for (int c = 0; c < 9; ++c)
                same += run.field()->directions()[9 * g + c] == t;
            allGroups = allGroups && (same == 8 || same == 1);
        }
        structured += allGroups;
        run.key(Qt::Key_Space);
        run.answer(t);
        run.step("sequence6");
    }
    QCOMPARE(structured, mode == 1 ? 0 : 6);
    for (const QByteArray &row : run.logRows())
        QCOMPARE(fields(row).value(9), QByteArray::number(mode));
}

// Space counts only while the arrow is up; the arrow keys only while the buttons are up.
void TestTest3Flow::keysOnlyWhenTheyCount()
{
    Run run;
    run.window->goTest3(1, false, false, true, false);
    run.setField("le_timer02", QStringLiteral("200"));
    QTest::mouseClick(run.get<QPushButton>("pb_go"), Qt::LeftButton);
    run.key(Qt::Key_Space);   // still field
    run.step("sequence1");
    run.key(Qt::Key_Space);   // moving, no arrow yet
    run.key(Qt::Key_Right);
    QVERIFY(!run.buttonsUp());
    QVERIFY(run.get<QLineEdit>("le_elapsed")->text().isEmpty());
    run.step("sequence2");
    run.key(Qt::Key_Left);    // arrow up: not an answer
    QVERIFY(!run.buttonsUp());
    run.key(Qt::Key_Space);
    QVERIFY(run.buttonsUp());
    const QString rt = run.get<QLineEdit>("le_elapsed")->text();
    QTest::qWait(30);
    run.key(Qt::Key_Space);   // buttons up: ignored
    QCOMPARE(run.get<QLineEdit>("le_elapsed")->text(), rt);
    run.answer(run.targetDirection(), true);
    QVERIFY(!run.buttonsUp());
    run.step("sequence6");
    QCOMPARE(fields(run.logRows().value(0)).value(29), QByteArray("0"));
}

void TestTest3Flow::samePlaceAgain_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("firstRow");   // "error" or the paused row
    QTest::newRow("wrong answer") << 0 << QByteArray("error");
    QTest::newRow("marked by the assessor") << int(Qt::Key_E) << QByteArray("error");
    QTest::newRow("paused") << int(Qt::Key_P) << pausedRow;
}

// After an error or a pause the same place comes again; the row of an assessor-marked error
// has no reaction time.
void TestTest3Flow::samePlaceAgain()
{
    QFETCH(int, key);
    QFETCH(QByteArray, firstRow);
    Run run;
    run.go();
    run.toAnswer();
    const int place = run.place();
    if (key == 0) {
        run.answer((run.targetDirection() + 1) % 4);
        run.step("sequence6");
    } else {
        run.key(Qt::Key(key));
        QVERIFY(!run.buttonsUp());
        run.key(Qt::Key_Right);   // waiting for "Continue": no answer taken
        QVERIFY(!run.field()->isVisible());
        run.key(Qt::Key(key));
        QCOMPARE(run.logRows().size(), key == Qt::Key_P ? 1 : 0);
        QTest::mouseClick(run.get<QPushButton>("pb_continue"), Qt::LeftButton);
        if (key == Qt::Key_E)
            run.step("sequence6");
    }
    run.step("sequence1");
    run.key(Qt::Key_Space);   // before the arrow: nothing
    run.step("sequence2");
    QCOMPARE(run.place(), place);
    run.key(Qt::Key_Space);
    run.answer(run.targetDirection());
    run.step("sequence6");
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(fields(rows[1]).value(10), QByteArray("1"));
    if (firstRow != "error") {
        QCOMPARE(rows[0], firstRow);
        return;
    }
    const auto first = fields(rows[0]);
    QCOMPARE(first.value(23), fields(rows[1]).value(23));
    QCOMPARE(first.value(29), QByteArray("1"));
    QCOMPARE(first.value(22).isEmpty(), key == Qt::Key_E);
}

void TestTest3Flow::instructionsOnlyWritesNothing()
{
    Run run;
    run.window->goTest3(1, true, false, false, false);
    auto *next = run.get<QPushButton>("pb_next");
    QCOMPARE(run.get<QLabel>("lbl_mode")->text(), QStringLiteral("INSTRUCTIONS"));
    for (int click = 0; click < 9; ++click) {
        QVERIFY2(run.window->isVisible() && next->isVisible(), qPrintable(QString::number(click)));
        QTest::mouseClick(next, Qt::LeftButton);
        if (click == 4) {
            QVERIFY(run.buttonsUp());
            QTest::mouseClick(run.get<QPushButton>("pb_up"), Qt::LeftButton);   // does nothing
            QVERIFY(run.buttonsUp());
        }
        run.key(Qt::Key_Space);
        run.key(Qt::Key_P);
    }
    run.checkLeftWithoutTrace(3);
}

// Five training trials reach no file; the test block then starts with its own "GO".
void TestTest3Flow::trainingThenTest()
{
    Run run;
    run.window->goTest3(1, false, true, true, false);
    auto *go = run.get<QPushButton>("pb_go");
    QCOMPARE(run.get<QLabel>("lbl_mode")->text(), QStringLiteral("TRAINING"));
    QTest::mouseClick(go, Qt::LeftButton);
    for (int trial = 0; trial < 5; ++trial)
        run.validTrial();
    QVERIFY(go->isVisible() && !run.get<QLabel>("lbl_mode")->isVisible());
    QCOMPARE(run.tree.read("Results/output.csv"), logHeader);
    QTest::mouseClick(go, Qt::LeftButton);
    run.validTrial();
    QCOMPARE(run.logRows().size(), 1);
    run.key(Qt::Key_Escape);
    QCOMPARE(run.logRows().value(1), QByteArray(";Mr.;Weber;Karl;17/09/1950;interrupted"));
    QVERIFY(!run.tree.exists("Results/results_T3.csv"));
}

// 40 valid trials after two errors: every place five times, the result row in both tables,
// the session counted.
void TestTest3Flow::completedRun()
{
    Run run;
    run.go();
    for (int e = 0; e < 2; ++e) {
        run.toAnswer();
        run.answer((run.targetDirection() + 3) % 4);
        run.step("sequence6");
    }
    for (int trial = 0; trial < 40; ++trial)
        run.validTrial();
    QVERIFY(run.get<QPushButton>("pb_results")->isVisible() && run.get<QPushButton>("pb_mainMenu")->isVisible());
    QMap<QByteArray, int> places;
    const QList<QByteArray> valid = run.tree.read("Results/valid-output.csv").split('\n');
    QCOMPARE(valid.size(), 42);   // header, 40 rows, empty after the last "\n"
    for (int i = 1; i <= 40; ++i)
        ++places[fields(valid[i]).value(23)];
    QCOMPARE(places.size(), 8);
    for (int count : places)
        QCOMPARE(count, 5);
    const QByteArray results = run.tree.read("Results/results_T3.csv");
    QCOMPARE(run.tree.read("Archives/" + patientKey + "/results_T3_" + patientKey + ".csv"), results);
    const QList<QByteArray> lines = results.split('\n');
    QCOMPARE(lines[0], QByteArray(RecordHeaders::resultsT3));
    const auto r = fields(lines[1]);
    QCOMPARE(r.size(), 21);
    QCOMPARE(r.mid(5, 2), (QList<QByteArray>{"3", "3"}));
    QCOMPARE(r[10], QByteArray("42"));
    QCOMPARE(r[12], QByteArray("4.8"));
    QCOMPARE(run.tree.read("Parameters/patients_list.txt"), "Mr.;Weber;Karl;17.09.1950;0;0;3;0;0;0;0;0;0;0\r\n");
}

// The chain on its own timers: motion, arrow and the answer buttons arrive by themselves, and
// the reaction time runs from the arrow's onset.
void TestTest3Flow::realTimersRunATrial()
{
    Run run;
    run.window->goTest3(1, false, false, true, false);
    run.setField("le_timer01", QStringLiteral("0"));
    run.setField("le_timer06", QStringLiteral("0"));
    QTest::mouseClick(run.get<QPushButton>("pb_go"), Qt::LeftButton);
    for (int trial = 1; trial <= 2; ++trial) {
        QTRY_COMPARE_WITH_TIMEOUT(run.get<QLineEdit>("le_no")->text(), QString::number(trial), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(run.arrow()->isVisible(), 3000);
        const int step = run.field()->step();
        QTest::qWait(150);
        QVERIFY2(run.field()->step() >= step + 5, "the gratings drift while the arrow is up");
        run.key(Qt::Key_Space);
        const int rt = run.get<QLineEdit>("le_elapsed")->text().toInt();
        QVERIFY2(rt >= 150 && rt < 400, qPrintable(QString::number(rt)));
        run.answer(run.targetDirection());
    }
    QTRY_COMPARE_WITH_TIMEOUT(run.logRows().size(), 2, 2000);
}

// The main window starts the task in mode 1.
void TestTest3Flow::sessionCountingBothWays()
{
    const auto trial = [](Test3 *task) {
        for (const char *slot : {"sequence1", "sequence2"})
            QVERIFY(QMetaObject::invokeMethod(task, slot));
        QTest::keyClick(task, Qt::Key_Space);
        const int place = int(std::lround(task->findChild<DrawArrow *>()->angle / 45.0)) % 8;
        QTest::keyClick(task, answerKeys[task->findChild<MotionFieldView *>()->directions()[MotionField::singleCell(place)]]);
        QVERIFY(QMetaObject::invokeMethod(task, "sequence6"));
    };
    checkSessionCounting<Test3>(patientRecord, 3, 2, trial, [](Test3 *task) {
        QCOMPARE(child<QLineEdit>(*task, "le_subtask")->text(), QStringLiteral("1"));
    });
}

void TestTest3Flow::fieldLooksLikeStimulusWidgets_data()
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
void TestTest3Flow::fieldLooksLikeStimulusWidgets()
{
    QFETCH(int, direction);
    QFETCH(int, step);
    const QPoint centre(400, 400);
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

QTEST_MAIN(TestTest3Flow)
#include "tst_test3flow.moc"
