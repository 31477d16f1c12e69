#include <QtTest>

#include "messageboxcatcher.h"
#include "sessioncounting.h"
#include "stimuli/drawwidgets.h"
#include "test2run.h"
#include "filesizelimit.h"
#include "support/runrecords.h"


class TestTest2Flow : public QObject
{
    Q_OBJECT

private slots:
    void trialRepeated_data();
    void trialRepeated();
    void responseWindowInFixedDuration();
    void pauseAndErrorKeys_data();
    void pauseAndErrorKeys();
    void escapeWritesInterruptedRow();
    void fullDiskStopsTheRun();
    void instructionsOnlyWritesNothing();
    void trainingThenTest_data();
    void trainingThenTest();
    void completedRuns();
    void refusedSettings();
    void sessionCountingBothWays();
    void failedStartRestoresCounter();
    void blockIsBalanced();
};

void TestTest2Flow::trialRepeated_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("firstRow");   // "error" or the paused marker
    QTest::newRow("anticipation") << "anticipation" << QByteArray("error");
    QTest::newRow("slower than 2000 ms") << "slow" << QByteArray("error");
    QTest::newRow("marked by the assessor") << "E" << QByteArray("error");
    QTest::newRow("answered, then paused") << "P" << pausedRow;
}

// A trial that fails, or is paused, is presented again in the same condition with the same
// ranks and then logged as a valid row; an erroneous one uses up its target place.
void TestTest2Flow::trialRepeated()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, firstRow);
    Run run;
    run.go();
    const int cond = run.condition();
    auto *result = run.get<QLineEdit>("le_result");
    auto *resume = run.get<QPushButton>("pb_continue");
    if (how == "anticipation") {
        for (const char *slot : {"sequence1", "sequence2"}) {
            run.key(Qt::Key_Space);   // at fixation and cue: not an answer
            QVERIFY(result->text().isEmpty());
            run.step(slot);
        }
        run.key(Qt::Key_Space);   // at once after the cue: 400 ms before the target was due
        QVERIFY2(result->text().toInt() <= -390 && result->text().toInt() >= -400, qPrintable(result->text()));
        QTest::qWait(500);        // the target never comes
        QVERIFY(run.logRows().isEmpty());
        run.step("sequence5");
    } else if (how == "slow") {
        run.toStage(3);
        QTest::qWait(2100);
        run.key(Qt::Key_Space);
        run.step("sequence5");
    } else if (how == "E") {
        run.toStage(3);
        run.key(Qt::Key_E);
        run.step("sequence5");
        QTest::qWait(1800);       // no next trial until the assessor continues
        QCOMPARE(run.logRows().size(), 1);
        QVERIFY(resume->isVisible());
        QTest::mouseClick(resume, Qt::LeftButton);
    } else {
        run.toStage(3);
        run.key(Qt::Key_Space);
        run.key(Qt::Key_P);       // abandons the answered trial
        QTest::mouseClick(resume, Qt::LeftButton);
    }
    QCOMPARE(run.condition(), cond);
    run.validTrial();
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 2);
    const auto first = fields(rows[0]);
    const auto retry = fields(rows[1]);
    QCOMPARE(retry.size(), 30);
    QCOMPARE(retry.mid(0, 7), (QList<QByteArray>{"", "Mrs.", "Zeller", "Anna", "05/06/1944", "2", "5"}));
    QVERIFY(QDate::fromString(QString::fromLatin1(retry[7]), QStringLiteral("dd/MM/yyyy")).isValid());
    QVERIFY(QTime::fromString(QString::fromLatin1(retry[8]), QStringLiteral("hh:mm:ss.zzz")).isValid());
    QCOMPARE(retry.mid(9, 3), (QList<QByteArray>{QByteArray::number(cond), "1", "1"}));
    for (int i : {12, 13, 14, 15, 16, 17, 18, 19, 22, 23, 24, 25, 26, 27, 28})
        QVERIFY2(retry[i].isEmpty(), qPrintable(QString::number(i)));
    QVERIFY(retry[20].toInt() >= 0 && retry[20].toInt() < 200);
    QVERIFY((QList<QByteArray>{"E", "SE", "S", "SW", "W", "NW", "N", "NE"}).contains(retry[21]));
    QCOMPARE(retry[29], QByteArray("0"));
    if (firstRow != "error") {
        QCOMPARE(rows[0], firstRow);
        return;
    }
    QCOMPARE(first.size(), 30);
    QCOMPARE(first.mid(9, 3), retry.mid(9, 3));
    QCOMPARE(first[29], QByteArray("1"));
    if (how == "anticipation")
        QVERIFY(first[20].toInt() < -300);
    else if (how == "slow")
        QVERIFY2(first[20].toInt() > 2000, first[20].constData());
    else
        QCOMPARE(first[20], QByteArray());
    QCOMPARE(retry[21], first[21]);   // the same place again
}

void TestTest2Flow::responseWindowInFixedDuration()
{
    Run run;
    run.go(true);
    QCOMPARE(run.get<QLineEdit>("le_timeTc")->text(), QStringLiteral("7700"));
    run.toStage(3);
    run.step("sequence4");
    QCOMPARE(run.get<QLineEdit>("le_result")->text(), QStringLiteral("5000"));
    run.key(Qt::Key_Space);   // after the window closed: no answer
    run.step("sequence5");
    const auto f = fields(run.logRows().value(0));
    QCOMPARE(f.value(20), QByteArray("5000"));
    QCOMPARE(f.value(29), QByteArray("1"));
}

void TestTest2Flow::pauseAndErrorKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("stage");   // 0 fixation, 2 interval, 3 target, 4 after response
    QTest::addColumn<bool>("fixedDn");
    QTest::addColumn<bool>("takesEffect");
    for (int key : {int(Qt::Key_P), int(Qt::Key_E)}) {
        const char *name = key == Qt::Key_P ? "P" : "E";
        QTest::addRow("%s fixation", name) << key << 0 << false << false;
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
    run.go(fixedDn);
    run.toStage(std::min(stage, 3));
    if (stage == 4)
        run.key(Qt::Key_Space);
    run.key(Qt::Key(key));
    QCOMPARE(run.get<QPushButton>("pb_continue")->isVisible(), takesEffect);
    if (takesEffect) {
        QCOMPARE(run.get<QLabel>("lbl_mode")->text(), key == Qt::Key_P ? "PAUSE" : "ERROR");
        run.key(Qt::Key(key));   // a second press while waiting changes nothing
    }
    const bool paused = takesEffect && key == Qt::Key_P;
    QCOMPARE(run.logRows(), paused ? QList<QByteArray>{pausedRow} : QList<QByteArray>{});
}

void TestTest2Flow::escapeWritesInterruptedRow()
{
    Run run;
    run.go();
    run.validTrial();
    run.key(Qt::Key_Escape);
    QVERIFY(!run.window->isVisible());
    QVERIFY(run.context.isEscapeSeq());
    QCOMPARE(run.logRows().value(1), QByteArray(";Mrs.;Zeller;Anna;05/06/1944;interrupted"));
    QVERIFY(!run.tree.exists("Results/results_T2.csv"));
}

// A trial row that cannot be written (full disk) ends the run at once, as an interruption,
// telling the assessor the file and the system's reason; the rows written stay whole, and the
// "interrupted" row the disk refused is written at the next start.
void TestTest2Flow::fullDiskStopsTheRun()
{
    Run run;
    run.go(false, 5);
    run.validTrial();
    const QByteArray logBefore = run.tree.read("Results/output.csv");
    MessageBoxCatcher boxes;
    {
        const FileSizeLimit limit(logBefore.size() + 20);
        run.validTrial();
    }
    QVERIFY(!run.window->isVisible());
    QVERIFY(run.context.isEscapeSeq());
    QCOMPARE(boxes.titles, QStringList{"Error"});
    QCOMPARE(boxes.texts, QStringList{"Failed to write output.csv\nFile too large"});
    QCOMPARE(run.tree.read("Results/output.csv"), logBefore);
    QVERIFY(!run.tree.exists("Results/valid-output.csv"));
    QCOMPARE(run.tree.read("Parameters/patients_list.txt"), patientRecord);

    RunRecords restarted;
    restarted.completeLeftBehind();
    QCOMPARE(run.tree.read("Results/output.csv"), logBefore + ";Mrs.;Zeller;Anna;05/06/1944;interrupted\n");
}

void TestTest2Flow::instructionsOnlyWritesNothing()
{
    Run run;
    run.window->goTest2(0, true, false, false, false);
    auto *next = run.get<QPushButton>("pb_next");
    QCOMPARE(run.get<QLabel>("lbl_mode")->text(), QStringLiteral("INSTRUCTIONS"));
    // Three instruction sets: text, example, demonstration loop, end of the loop.
    for (int click = 0; click < 10; ++click) {
        QVERIFY2(run.window->isVisible() && next->isVisible(), qPrintable(QString::number(click)));
        QTest::mouseClick(next, Qt::LeftButton);
        run.key(Qt::Key_Space);   // no answer on instruction screens
        run.key(Qt::Key_P);
    }
    run.checkLeftWithoutTrace(2);
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
    auto *go = run.get<QPushButton>("pb_go");
    auto *phase = run.get<QLabel>("lbl_mode");
    for (int cond = 1; cond <= 3; ++cond) {
        for (int click = 0; withInstr && click < (cond == 1 ? 4 : 3); ++click) {
            QCOMPARE(phase->text(), QStringLiteral("INSTRUCTIONS"));
            QTest::mouseClick(run.get<QPushButton>("pb_next"), Qt::LeftButton);
        }
        QVERIFY2(go->isVisible() && phase->isVisible(), qPrintable(QString::number(cond)));
        QCOMPARE(phase->text(), QStringLiteral("TRAINING"));
        QTest::mouseClick(go, Qt::LeftButton);
        for (int trial = 0; trial < 5; ++trial) {
            QCOMPARE(run.condition(), cond);
            run.validTrial();
        }
    }
    QVERIFY(go->isVisible() && !phase->isVisible());
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

// Blocks longer and shorter than 96 complete, and a second run appends its rows without headers.
void TestTest2Flow::completedRuns()
{
    const int numbers[] = {100, 3};
    const int runs = 2;
    Run run;
    for (int session = 5; session < 5 + runs; ++session) {
        run.context.setSessionNb_T2(session);
        run.go(false, numbers[session - 5]);
        for (int trial = 0; trial < numbers[session - 5]; ++trial)
            run.validTrial();
        QVERIFY(run.get<QPushButton>("pb_results")->isVisible());
        QVERIFY(run.get<QPushButton>("pb_mainMenu")->isVisible());
        run.key(Qt::Key_Escape);   // leaves the results screen without a report
    }
    QCOMPARE(run.logRows().size(), 103);
    const QByteArray results = run.tree.read("Results/results_T2.csv");
    QCOMPARE(run.tree.read("Archives/" + patientKey + "/results_T2_" + patientKey + ".csv"), results);
    const QList<QByteArray> lines = results.split('\n');
    QCOMPARE(lines.size(), runs + 2);   // header, rows, empty after the last "\n"
    QCOMPARE(lines[0], QByteArray(RecordHeaders::resultsT2));
    for (int r = 0; r < runs; ++r) {
        const auto f = fields(lines[r + 1]);
        QCOMPARE(f.size(), 23);
        QCOMPARE(f[6], QByteArray::number(5 + r));
        QCOMPARE(f[10].toInt(), numbers[r]);
        QCOMPARE(f[12], QByteArray("0.0"));
    }
    const QByteArray valid = run.tree.read("Results/valid-output.csv");
    QCOMPARE(valid.count(RecordHeaders::trialLog), 1);
    QCOMPARE(valid.count('\n'), 104);
    QCOMPARE(run.tree.read("Parameters/patients_list.txt"),
             "Mrs.;Zeller;Anna;05.06.1944;0;" + QByteArray::number(4 + runs) + ";0;0;0;0;0;0;0;0\r\n");
}

void TestTest2Flow::refusedSettings()
{
    Run run;
    run.window->goTest2(0, false, false, true, true);
    run.setField("le_timer03", QStringLiteral("250"));
    QCOMPARE(run.get<QLineEdit>("le_timeTc")->text(), QStringLiteral("7550"));
    run.setField("le_timer03", QStringLiteral("-5"));
    run.setField("le_number", QStringLiteral("0"));
    run.setField("le_timer01", QStringLiteral("abc"));
    QCOMPARE(run.get<QLineEdit>("le_timer03")->text(), QStringLiteral("250"));
    QCOMPARE(run.get<QLineEdit>("le_number")->text(), QStringLiteral("96"));
    QCOMPARE(run.get<QLineEdit>("le_timer01")->text(), QStringLiteral("400"));
}

void TestTest2Flow::sessionCountingBothWays()
{
    checkSessionCounting<Test2>(patientRecord, 2, 3, [](Test2 *task) {
        for (const char *slot : {"sequence1", "sequence2", "sequence3"})
            QVERIFY(QMetaObject::invokeMethod(task, slot));
        QTest::keyClick(task, Qt::Key_Space);
        QVERIFY(QMetaObject::invokeMethod(task, "sequence5"));
    });
}

// The trial log cannot be opened: the assessor is told, no block starts, and the session is
// not counted.
void TestTest2Flow::failedStartRestoresCounter()
{
    Run run;
    run.tree.block("Results/output.csv");
    MessageBoxCatcher boxes;
    run.window->goTest2(0, false, false, false, false);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 2000);
    QCOMPARE(boxes.titles.value(0), QStringLiteral("Error"));
    QVERIFY(boxes.texts.value(0).contains(QStringLiteral("output.csv")));
    QVERIFY(!run.window->isVisible());
    QVERIFY(!run.get<QPushButton>("pb_go")->isVisible());
    QVERIFY(run.context.isEscapeSeq());
}

void TestTest2Flow::blockIsBalanced()
{
    Run run;
    run.go();
    QWidget *asterisk = run.get<QLabel>("lbl_asterisk");
    auto *arrow = static_cast<DrawArrow *>(run.stimulus("DrawArrow"));
    std::array<QList<int>, 3> places;
    QList<int> conditions;
    for (int trial = 0; trial < 96; ++trial) {
        const int cond = run.condition();
        conditions << cond;
        run.step("sequence1");
        QCOMPARE(asterisk->isVisible(), cond == 2);
        QCOMPARE(arrow->isVisible(), cond == 3);
        run.step("sequence2");
        run.step("sequence3");
        QVERIFY(!asterisk->isVisible());
        const int place = run.targetPlace();
        if (cond == 3)
            QCOMPARE(arrow->angle, 45 * place);
        places[cond - 1] << place;
        run.key(Qt::Key_Space);
        run.step("sequence5");
    }
    for (int i = 0; i < 96; i += 3)
        QCOMPARE(QSet<int>(conditions.begin() + i, conditions.begin() + i + 3), (QSet<int>{1, 2, 3}));
    for (const QList<int> &cond : places) {
        QCOMPARE(cond.size(), 32);
        for (int i = 0; i < 32; i += 8)
            QCOMPARE(QSet<int>(cond.begin() + i, cond.begin() + i + 8), (QSet<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    }
    QList<int> fixations;
    for (const auto &span : run.window->stimulusSpans()) {
        if (span.label == "fixation")
            fixations << span.nominalMs;
    }
    QCOMPARE(fixations.size(), 96);
    const auto [low, high] = std::minmax_element(fixations.begin(), fixations.end());
    // Tables drawn within one second reseed alike, so a block stepped this fast repeats a few
    // jitters: their range, not their spread, is what can be checked here.
    QVERIFY2(*low >= 400 && *high <= 1599 && *high - *low > 100,
             qPrintable(QStringLiteral("%1 … %2").arg(*low).arg(*high)));
}

QTEST_MAIN(TestTest2Flow)
#include "tst_test2flow.moc"
