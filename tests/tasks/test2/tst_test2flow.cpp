#include <QtTest>

#include "app/kestrova.h"
#include "calibration/calibration.h"
#include "installedtree.h"
#include "messageboxcatcher.h"
#include "support/recordheaders.h"
#include "tasks/test2/test2.h"

namespace {
const QByteArray logHeader = QByteArray(RecordHeaders::trialLog) + '\n';
const QByteArray patientRecord = "Mrs.;Zeller;Anna;05.06.1944;0;4;0;0;0;0;0;0;0;0\r\n";
const QString patientKey = QStringLiteral("Zeller Anna 05.06.1944");

template <typename T>
T *child(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// An installation with one patient chosen, the session of the attention task raised to 5 as
// the main window does when its button is pressed, and the task window.
struct Run
{
    InstalledTree tree;
    Calibration context;
    std::unique_ptr<Test2> window;

    Run()
    {
        tree.write("Results/output.csv", logHeader);
        tree.write("Parameters/patients_list.txt", patientRecord);
        context.setPatientName(patientKey);
        context.setGender(QStringLiteral("Mrs."));
        context.setLastName(QStringLiteral("Zeller"));
        context.setFirstName(QStringLiteral("Anna"));
        context.setDob(QDate(1944, 6, 5));
        context.setSessionNb_T2(5);
        window = std::make_unique<Test2>();
    }

    void go(bool debug = true, bool fixedDn = false)
    {
        window->goTest2(0, false, false, debug, fixedDn);
        QTest::mouseClick(child<QPushButton>(window.get(), "pb_go"), Qt::LeftButton);
    }
    void step(const char *slot) { QVERIFY(QMetaObject::invokeMethod(window.get(), slot)); }
    void toTarget()
    {
        step("sequence1");
        step("sequence2");
        step("sequence3");
    }
    void key(Qt::Key key) { QTest::keyClick(window.get(), key); }
    int condition() const { return child<QLineEdit>(window.get(), "le_subtask")->text().toInt(); }
    // One valid trial: to the target, Space, end of trial.
    void validTrial()
    {
        toTarget();
        key(Qt::Key_Space);
        step("sequence5");
    }
    QList<QByteArray> logRows() const
    {
        QList<QByteArray> rows = tree.read("Results/output.csv").split('\n');
        rows.removeFirst();   // header
        rows.removeAll(QByteArray());
        return rows;
    }
    void setField(const char *name, const QString &text)
    {
        auto *field = child<QLineEdit>(window.get(), name);
        field->setText(text);
        emit field->editingFinished();
    }
};

QList<QByteArray> fields(const QByteArray &row)
{
    return row.split(';');
}
} // namespace

class TestTest2Flow : public QObject
{
    Q_OBJECT

private slots:
    void spaceBeforeTarget_data();
    void spaceBeforeTarget();
    void validTrialRow();
    void slowResponseRepeatsConditionAtNextPlace();
    void responseWindowInFixedDuration();
    void pauseAndErrorKeys_data();
    void pauseAndErrorKeys();
    void pausedTrialLeavesNoTrace();
    void markedErrorWaitsForContinue();
    void escapeWritesInterruptedRow();
    void instructionsOnlyWritesNothing();
    void trainingThenTest_data();
    void trainingThenTest();
    void blockOfOtherLength_data();
    void blockOfOtherLength();
    void secondRunAppendsWithoutHeaders();
    void refusedSettings();
    void realTimersRunATrial();
    void sessionCountingBothWays();
    void failedStartRestoresCounter();
};

void TestTest2Flow::spaceBeforeTarget_data()
{
    QTest::addColumn<int>("stage");   // slots run before Space: 0 fixation, 1 cue, 2 interval
    QTest::addColumn<bool>("anticipation");
    QTest::newRow("fixation") << 0 << false;
    QTest::newRow("cue") << 1 << false;
    QTest::newRow("cue-target interval") << 2 << true;
}

void TestTest2Flow::spaceBeforeTarget()
{
    QFETCH(int, stage);
    QFETCH(bool, anticipation);
    Run run;
    run.go();
    const int cond = run.condition();
    if (stage >= 1)
        run.step("sequence1");
    if (stage >= 2)
        run.step("sequence2");
    run.key(Qt::Key_Space);
    auto *result = child<QLineEdit>(run.window.get(), "le_result");
    if (!anticipation) {
        QVERIFY(result->text().isEmpty());
        return;
    }
    // Pressed at once after the cue: 400 ms before the target was due.
    const int rt = result->text().toInt();
    QVERIFY2(rt <= -390 && rt >= -400, qPrintable(result->text()));
    // The target never comes: the interval was cut short.
    QTest::qWait(500);
    QVERIFY(run.logRows().isEmpty());
    run.step("sequence5");
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 1);
    const auto f = fields(rows[0]);
    QCOMPARE(f.size(), 30);
    QCOMPARE(f[20].toInt(), rt);
    QCOMPARE(f[29], QByteArray("1"));
    QCOMPARE(f[10], QByteArray("1"));
    // The same condition is presented again.
    QCOMPARE(run.condition(), cond);
}

void TestTest2Flow::validTrialRow()
{
    Run run;
    run.go();
    const int cond = run.condition();
    run.toTarget();
    run.key(Qt::Key_Space);
    run.step("sequence5");
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 1);
    const auto f = fields(rows[0]);
    QCOMPARE(f.size(), 30);
    QCOMPARE(f.mid(0, 7), (QList<QByteArray>{"", "Mrs.", "Zeller", "Anna", "05/06/1944", "2", "5"}));
    QVERIFY(QDate::fromString(QString::fromLatin1(f[7]), QStringLiteral("dd/MM/yyyy")).isValid());
    QVERIFY(QTime::fromString(QString::fromLatin1(f[8]), QStringLiteral("hh:mm:ss.zzz")).isValid());
    QCOMPARE(f[9].toInt(), cond);
    QCOMPARE(f[10], QByteArray("1"));
    QCOMPARE(f[11], QByteArray("1"));
    for (int i : {12, 13, 14, 15, 16, 17, 18, 19, 22, 23, 24, 25, 26, 27, 28})
        QVERIFY2(f[i].isEmpty(), qPrintable(QString::number(i)));
    QVERIFY(f[20].toInt() >= 0 && f[20].toInt() < 200);
    QVERIFY((QList<QByteArray>{"E", "SE", "S", "SW", "W", "NW", "N", "NE"}).contains(f[21]));
    QCOMPARE(f[29], QByteArray("0"));
}

void TestTest2Flow::slowResponseRepeatsConditionAtNextPlace()
{
    Run run;
    run.go();
    const int cond = run.condition();
    run.toTarget();
    QTest::qWait(2100);
    run.key(Qt::Key_Space);
    run.step("sequence5");
    QCOMPARE(run.condition(), cond);
    run.validTrial();
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 2);
    const auto slow = fields(rows[0]);
    const auto retry = fields(rows[1]);
    QVERIFY2(slow[20].toInt() > 2000, slow[20].constData());
    QCOMPARE(slow[29], QByteArray("1"));
    // Same condition, same ranks, but the slow trial used its place: the next one differs.
    QCOMPARE(retry[9], slow[9]);
    QCOMPARE(retry[10], slow[10]);
    QCOMPARE(retry[11], slow[11]);
    QVERIFY(retry[21] != slow[21]);
    QCOMPARE(retry[29], QByteArray("0"));
}

void TestTest2Flow::responseWindowInFixedDuration()
{
    Run run;
    run.go(true, true);
    QCOMPARE(child<QLineEdit>(run.window.get(), "le_timeTc")->text(), QStringLiteral("7700"));
    run.toTarget();
    run.step("sequence4");
    QCOMPARE(child<QLineEdit>(run.window.get(), "le_result")->text(), QStringLiteral("5000"));
    // Space after the window closed is no answer.
    run.key(Qt::Key_Space);
    run.step("sequence5");
    const auto f = fields(run.logRows().value(0));
    QCOMPARE(f.value(20), QByteArray("5000"));
    QCOMPARE(f.value(29), QByteArray("1"));
}

void TestTest2Flow::pauseAndErrorKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("stage");   // 0 fixation, 1 cue, 2 interval, 3 target, 4 after response
    QTest::addColumn<bool>("fixedDn");
    QTest::addColumn<bool>("takesEffect");
    for (int key : {int(Qt::Key_P), int(Qt::Key_E)}) {
        const char *name = key == Qt::Key_P ? "P" : "E";
        QTest::addRow("%s fixation", name) << key << 0 << false << false;
        QTest::addRow("%s cue", name) << key << 1 << false << false;
        QTest::addRow("%s interval", name) << key << 2 << false << false;
        QTest::addRow("%s target", name) << key << 3 << false << true;
        QTest::addRow("%s after response", name) << key << 4 << false << true;
        QTest::addRow("%s target, fixed duration", name) << key << 3 << true << false;
    }
}

void TestTest2Flow::pauseAndErrorKeys()
{
    QFETCH(int, key);
    QFETCH(int, stage);
    QFETCH(bool, fixedDn);
    QFETCH(bool, takesEffect);
    Run run;
    run.go(true, fixedDn);
    const char *steps[] = {"sequence1", "sequence2", "sequence3"};
    for (int i = 0; i < std::min(stage, 3); ++i)
        run.step(steps[i]);
    if (stage == 4)
        run.key(Qt::Key_Space);
    run.key(Qt::Key(key));
    auto *resume = child<QPushButton>(run.window.get(), "pb_continue");
    QCOMPARE(resume->isVisible(), takesEffect);
    if (takesEffect) {
        QCOMPARE(child<QLabel>(run.window.get(), "lbl_mode")->text(),
                 key == Qt::Key_P ? QStringLiteral("PAUSE") : QStringLiteral("ERROR"));
        // A second press while waiting changes nothing.
        run.key(Qt::Key(key));
    }
    const auto rows = run.logRows();
    if (key == Qt::Key_P)
        QCOMPARE(rows, takesEffect ? QList<QByteArray>{";Mrs.;Zeller;Anna;05/06/1944;paused"} : QList<QByteArray>{});
    else
        QVERIFY(rows.isEmpty());
}

void TestTest2Flow::pausedTrialLeavesNoTrace()
{
    Run run;
    run.go();
    const int cond = run.condition();
    run.toTarget();
    run.key(Qt::Key_Space);
    run.key(Qt::Key_P);   // abandons the answered trial
    QTest::mouseClick(child<QPushButton>(run.window.get(), "pb_continue"), Qt::LeftButton);
    QCOMPARE(run.condition(), cond);
    run.validTrial();
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0], QByteArray(";Mrs.;Zeller;Anna;05/06/1944;paused"));
    const auto f = fields(rows[1]);
    QCOMPARE(f[9].toInt(), cond);
    QCOMPARE(f[10], QByteArray("1"));
    QCOMPARE(f[11], QByteArray("1"));
    QCOMPARE(f[29], QByteArray("0"));
}

void TestTest2Flow::markedErrorWaitsForContinue()
{
    Run run;
    run.go();
    const int cond = run.condition();
    run.toTarget();
    run.key(Qt::Key_E);
    run.step("sequence5");
    auto f = fields(run.logRows().value(0));
    QCOMPARE(f.size(), 30);
    QCOMPARE(f[20], QByteArray());
    QCOMPARE(f[29], QByteArray("1"));
    // No next trial until the assessor continues.
    QTest::qWait(1800);
    QCOMPARE(run.logRows().size(), 1);
    QVERIFY(child<QPushButton>(run.window.get(), "pb_continue")->isVisible());
    QTest::mouseClick(child<QPushButton>(run.window.get(), "pb_continue"), Qt::LeftButton);
    QCOMPARE(run.condition(), cond);
    run.validTrial();
    f = fields(run.logRows().value(1));
    QCOMPARE(f[10], QByteArray("1"));
    QCOMPARE(f[29], QByteArray("0"));
}

void TestTest2Flow::escapeWritesInterruptedRow()
{
    Run run;
    run.go();
    run.validTrial();
    run.key(Qt::Key_Escape);
    QVERIFY(!run.window->isVisible());
    QVERIFY(run.context.isEscapeSeq());
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1], QByteArray(";Mrs.;Zeller;Anna;05/06/1944;interrupted"));
    QVERIFY(!run.tree.exists("Results/results_T2.csv"));
}

void TestTest2Flow::instructionsOnlyWritesNothing()
{
    Run run;
    run.window->goTest2(0, true, false, false, false);
    auto *next = child<QPushButton>(run.window.get(), "pb_next");
    QCOMPARE(child<QLabel>(run.window.get(), "lbl_mode")->text(), QStringLiteral("INSTRUCTIONS"));
    // Three instruction sets: text, example, demonstration loop, end of the loop.
    for (int click = 0; click < 10; ++click) {
        QVERIFY2(run.window->isVisible(), qPrintable(QString::number(click)));
        QVERIFY(next->isVisible());
        QTest::mouseClick(next, Qt::LeftButton);
        run.key(Qt::Key_Space);   // no answer on instruction screens
        run.key(Qt::Key_P);
    }
    QVERIFY(!run.window->isVisible());
    QVERIFY(run.context.isEscapeSeq());
    QCOMPARE(run.tree.read("Results/output.csv"), logHeader);
    QCOMPARE(run.tree.read("Parameters/patients_list.txt"), patientRecord);
    QVERIFY(!run.tree.exists("Results/valid-output.csv"));
    QVERIFY(!run.tree.exists("Results/results_T2.csv"));
}

void TestTest2Flow::trainingThenTest_data()
{
    QTest::addColumn<bool>("withInstr");
    QTest::newRow("training") << false;
    QTest::newRow("instructions and training") << true;
}

// Three training blocks of 5 valid trials, neutral, alerted, oriented, each with its
// instructions when asked, nothing of them in any file, then a mixed test block.
void TestTest2Flow::trainingThenTest()
{
    QFETCH(bool, withInstr);
    Run run;
    run.window->goTest2(0, withInstr, true, true, false);
    auto *next = child<QPushButton>(run.window.get(), "pb_next");
    auto *go = child<QPushButton>(run.window.get(), "pb_go");
    auto *phase = child<QLabel>(run.window.get(), "lbl_mode");
    for (int cond = 1; cond <= 3; ++cond) {
        if (withInstr) {
            const int clicks = cond == 1 ? 4 : 3;
            for (int click = 0; click < clicks; ++click) {
                QVERIFY(next->isVisible());
                QCOMPARE(phase->text(), QStringLiteral("INSTRUCTIONS"));
                QTest::mouseClick(next, Qt::LeftButton);
            }
        }
        QVERIFY2(go->isVisible(), qPrintable(QString::number(cond)));
        QCOMPARE(phase->text(), QStringLiteral("TRAINING"));
        QVERIFY(phase->isVisible());
        QTest::mouseClick(go, Qt::LeftButton);
        // Five valid trials end a training block.
        for (int trial = 0; trial < 5; ++trial) {
            QCOMPARE(run.condition(), cond);
            run.validTrial();
        }
    }
    QVERIFY(go->isVisible());
    QVERIFY(!phase->isVisible());
    QCOMPARE(run.tree.read("Results/output.csv"), logHeader);
    QTest::mouseClick(go, Qt::LeftButton);
    QSet<int> conditions;
    for (int trial = 0; trial < 6; ++trial) {
        conditions.insert(run.condition());
        run.validTrial();
    }
    QCOMPARE(conditions, (QSet<int>{1, 2, 3}));
    QCOMPARE(run.logRows().size(), 6);
    QCOMPARE(fields(run.logRows().value(5)).value(10), QByteArray("6"));
}

void TestTest2Flow::blockOfOtherLength_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("3 valid trials") << 3;
    QTest::newRow("120 valid trials") << 120;
}

void TestTest2Flow::blockOfOtherLength()
{
    QFETCH(int, number);
    Run run;
    run.window->goTest2(0, false, false, true, false);
    run.setField("le_number", QString::number(number));
    QTest::mouseClick(child<QPushButton>(run.window.get(), "pb_go"), Qt::LeftButton);
    for (int trial = 0; trial < number; ++trial)
        run.validTrial();
    QVERIFY(child<QPushButton>(run.window.get(), "pb_results")->isVisible());
    QVERIFY(child<QPushButton>(run.window.get(), "pb_mainMenu")->isVisible());

    QCOMPARE(run.logRows().size(), number);
    const QList<QByteArray> results = run.tree.read("Results/results_T2.csv").split('\n');
    QCOMPARE(results.size(), 3);   // header, row, empty after the last "\n"
    QCOMPARE(results[0], QByteArray(RecordHeaders::resultsT2));
    const auto r = fields(results[1]);
    QCOMPARE(r.size(), 23);
    QCOMPARE(r[6], QByteArray("5"));
    QCOMPARE(r[10].toInt(), number);
    QCOMPARE(r[12], QByteArray("0.0"));
    QCOMPARE(run.tree.read("Archives/" + patientKey + "/results_T2_" + patientKey + ".csv"),
             run.tree.read("Results/results_T2.csv"));
    QCOMPARE(run.tree.read("Parameters/patients_list.txt"),
             QByteArray("Mrs.;Zeller;Anna;05.06.1944;0;5;0;0;0;0;0;0;0;0\r\n"));
    const QList<QByteArray> valid = run.tree.read("Results/valid-output.csv").split('\n');
    QCOMPARE(valid.size(), number + 2);
}

void TestTest2Flow::secondRunAppendsWithoutHeaders()
{
    Run run;
    for (int session : {5, 6}) {
        run.context.setSessionNb_T2(session);
        run.window->goTest2(0, false, false, true, false);
        run.setField("le_number", QStringLiteral("3"));
        QTest::mouseClick(child<QPushButton>(run.window.get(), "pb_go"), Qt::LeftButton);
        for (int trial = 0; trial < 3; ++trial)
            run.validTrial();
        QVERIFY(child<QPushButton>(run.window.get(), "pb_results")->isVisible());
        run.key(Qt::Key_Escape);   // leaves the results screen without a report
    }
    for (const QString &file : {QStringLiteral("Results/results_T2.csv"),
                                QStringLiteral("Archives/%1/results_T2_%1.csv").arg(patientKey)}) {
        const QList<QByteArray> lines = run.tree.read(file).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QByteArray(RecordHeaders::resultsT2));
        QCOMPARE(fields(lines[1]).value(6), QByteArray("5"));
        QCOMPARE(fields(lines[2]).value(6), QByteArray("6"));
    }
    const QByteArray valid = run.tree.read("Results/valid-output.csv");
    QCOMPARE(valid.count(RecordHeaders::trialLog), 1);
    QCOMPARE(valid.count('\n'), 7);
    QCOMPARE(run.tree.read("Parameters/patients_list.txt"),
             QByteArray("Mrs.;Zeller;Anna;05.06.1944;0;6;0;0;0;0;0;0;0;0\r\n"));
}

void TestTest2Flow::refusedSettings()
{
    Run run;
    run.window->goTest2(0, false, false, true, true);
    run.setField("le_timer03", QStringLiteral("250"));
    QCOMPARE(child<QLineEdit>(run.window.get(), "le_timeTc")->text(), QStringLiteral("7550"));
    run.setField("le_timer03", QStringLiteral("-5"));
    run.setField("le_number", QStringLiteral("0"));
    run.setField("le_timer01", QStringLiteral("abc"));
    QCOMPARE(child<QLineEdit>(run.window.get(), "le_timer03")->text(), QStringLiteral("250"));
    QCOMPARE(child<QLineEdit>(run.window.get(), "le_number")->text(), QStringLiteral("96"));
    QCOMPARE(child<QLineEdit>(run.window.get(), "le_timer01")->text(), QStringLiteral("400"));
}

// The chain on its own timers: fixation, cue, interval and target arrive by themselves, and
// the reaction time comes from the clock started at target onset.
void TestTest2Flow::realTimersRunATrial()
{
    Run run;
    run.window->goTest2(0, false, false, true, false);
    run.setField("le_timer01", QStringLiteral("0"));
    run.setField("le_timer05", QStringLiteral("0"));
    QTest::mouseClick(child<QPushButton>(run.window.get(), "pb_go"), Qt::LeftButton);
    auto *result = child<QLineEdit>(run.window.get(), "le_result");
    for (int trial = 1; trial <= 2; ++trial) {
        auto *no = child<QLineEdit>(run.window.get(), "le_no");
        QTRY_COMPARE_WITH_TIMEOUT(no->text(), QString::number(trial), 3000);
        QWidget *target = nullptr;
        for (QWidget *w : run.window->findChildren<QWidget *>()) {
            if (qstrcmp(w->metaObject()->className(), "DrawRectangle") == 0)
                target = w;
        }
        QVERIFY(target);
        QTRY_VERIFY_WITH_TIMEOUT(target->isVisible(), 3000);
        QTest::qWait(150);
        run.key(Qt::Key_Space);
        QVERIFY(!target->isVisible());
        QVERIFY2(result->text().toInt() >= 150 && result->text().toInt() < 400, qPrintable(result->text()));
    }
    QTRY_COMPARE_WITH_TIMEOUT(run.logRows().size(), 2, 2000);
}

// The main window raises the counter when the task starts; Escape restores the stored value
// within the 200 ms poll, a completed run keeps it.
void TestTest2Flow::sessionCountingBothWays()
{
    InstalledTree tree;
    tree.write("Parameters/patients_list.txt", patientRecord);
    Kestrova main;
    auto *combo = child<QComboBox>(&main, "cob_patientName");
    QTRY_VERIFY_WITH_TIMEOUT(combo->isEnabled(), 2000);
    combo->setCurrentIndex(combo->findText(patientKey));
    emit combo->activated(combo->currentIndex());
    child<QCheckBox>(&main, "cb_withInstruction")->setChecked(false);
    child<QCheckBox>(&main, "cb_withTraining")->setChecked(false);
    child<QCheckBox>(&main, "cb_parameters")->setChecked(true);
    auto *box = child<QLineEdit>(&main, "le_session2");
    QCOMPARE(box->text(), QStringLiteral("4"));

    QTest::mouseClick(child<QPushButton>(&main, "pb_test2"), Qt::LeftButton);
    Test2 *task = main.findChild<Test2 *>();
    QVERIFY(task && task->isVisible());
    QCOMPARE(box->text(), QStringLiteral("5"));
    QTest::keyClick(task, Qt::Key_Escape);
    QTRY_COMPARE_WITH_TIMEOUT(box->text(), QStringLiteral("4"), 400);

    QTest::mouseClick(child<QPushButton>(&main, "pb_test2"), Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("5"));
    auto *number = child<QLineEdit>(task, "le_number");
    number->setText(QStringLiteral("3"));
    emit number->editingFinished();
    QTest::mouseClick(child<QPushButton>(task, "pb_go"), Qt::LeftButton);
    for (int trial = 0; trial < 3; ++trial) {
        for (const char *slot : {"sequence1", "sequence2", "sequence3"})
            QVERIFY(QMetaObject::invokeMethod(task, slot));
        QTest::keyClick(task, Qt::Key_Space);
        QVERIFY(QMetaObject::invokeMethod(task, "sequence5"));
    }
    QVERIFY(child<QPushButton>(task, "pb_mainMenu")->isVisible());
    QTest::qWait(400);
    QCOMPARE(box->text(), QStringLiteral("5"));
    QVERIFY(tree.read("Parameters/patients_list.txt").startsWith("Mrs.;Zeller;Anna;05.06.1944;0;5;"));
}

// The trial log cannot be opened: the assessor is told, no block starts, and the session is
// not counted.
void TestTest2Flow::failedStartRestoresCounter()
{
    Run run;
    QFile::remove(run.tree.path("Results/output.csv"));
    QVERIFY(QDir().mkpath(run.tree.path("Results/output.csv")));
    MessageBoxCatcher boxes;
    run.window->goTest2(0, false, false, false, false);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 2000);
    QCOMPARE(boxes.titles.value(0), QStringLiteral("Error"));
    QVERIFY(boxes.texts.value(0).contains(QStringLiteral("output.csv")));
    QVERIFY(!run.window->isVisible());
    QVERIFY(!child<QPushButton>(run.window.get(), "pb_go")->isVisible());
    QVERIFY(run.context.isEscapeSeq());
}

QTEST_MAIN(TestTest2Flow)
#include "tst_test2flow.moc"
