#include <cmath>

#include <QtTest>

#include "filesizelimit.h"
#include "instructionsonly.h"
#include "messageboxcatcher.h"
#include "sessioncounting.h"
#include "stimuli/drawwidgets.h"
#include "support/runrecords.h"
#include "test2run.h"

class TestTest2Flow : public QObject
{
    Q_OBJECT

private slots:
    void trialRepeated_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("rtMin");   // the first row's reaction time; none when marked
        QTest::addColumn<int>("rtMax");
        QTest::newRow("anticipation") << "anticipation" << -400 << -350;
        QTest::newRow("slower than 2000 ms") << "slow" << 2001 << 3000;
        QTest::newRow("no answer, fixed duration") << "timeout" << 5000 << 5000;
        QTest::newRow("marked by the assessor") << "E" << 0 << 0;
        QTest::newRow("answered, then paused") << "P" << 0 << 0;
    }

    // A trial that fails, or is paused, is presented again in the same condition at the same
    // place, and the repeat is logged as the block's first valid trial.
    void trialRepeated()
    {
        QFETCH(QString, how);
        QFETCH(int, rtMin);
        QFETCH(int, rtMax);
        Run run;
        run.go(how == "timeout");
        const int cond = run.condition();
        for (const char *slot : {"sequence1", "sequence2"}) {
            if (how == "anticipation")
                run.key(Qt::Key_Space);   // at fixation and cue: not an answer
            run.step(slot);
        }
        if (how == "anticipation") {
            QVERIFY(run.get<QLineEdit>("le_result")->text().isEmpty());
            run.key(Qt::Key_Space);   // at once after the cue: 400 ms before the target was due
            QTest::qWait(500);
            QVERIFY(!run.stimulus("DrawRectangle")->isVisible());   // the target never comes
        } else {
            run.step("sequence3");
            if (how == "slow")
                QTest::qWait(2100);
            if (how == "timeout") {
                run.key(Qt::Key_P);   // P and E do nothing in fixed-duration mode
                run.key(Qt::Key_E);
                run.step("sequence4");
            }
            run.key(how == "E" ? Qt::Key_E : Qt::Key_Space);   // after the time-out: no answer
        }
        if (how == "P")
            run.key(Qt::Key_P);   // abandons the answered trial
        else
            run.step("sequence5");
        if (how == "E" || how == "P") {
            // No next trial until the assessor continues; a second press changes nothing.
            QCOMPARE(run.get<QLabel>("lbl_mode")->text(), how == "P" ? "PAUSE" : "ERROR");
            run.key(how == "P" ? Qt::Key_P : Qt::Key_E);
            QVERIFY(!run.stimulus("DrawCross")->isVisible() && !run.stimulus("DrawArrow")->isVisible());
            run.click("pb_continue");
        }
        run.validTrial();
        const auto rows = run.logRows();
        QCOMPARE(rows.size(), 2);
        const auto retry = fields(rows[1]);
        // Condition, valid trial number and rank, and the error flag.
        QCOMPARE(retry.mid(9, 3).join(';') + ';' + retry[29], QByteArray::number(cond) + ";1;1;0");
        if (how == "P") {
            QCOMPARE(rows[0], QByteArray(";Mrs.;Zeller;Anna;05/06/1944;paused"));
            return;
        }
        const auto first = fields(rows[0]);
        const int rt = first.value(20).toInt();
        QVERIFY2(first.value(20).isEmpty() == (how == "E") && rt >= rtMin && rt <= rtMax, rows[0].constData());
        QCOMPARE(first.value(29), QByteArray("1"));
        // The same condition, numbers and place again.
        QCOMPARE(first.mid(9, 3) << first[21], retry.mid(9, 3) << retry[21]);
    }

    // A trial row that cannot be written (full disk) ends the run at once, as an interruption,
    // telling the assessor the file and the system's reason; the rows written stay whole, and the
    // "interrupted" row the disk refused is written at the next start.
    void fullDiskStopsTheRun()
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
        QCOMPARE(boxes.texts, QStringList{"Failed to write output.csv\nFile too large"});
        QVERIFY(!run.window->isVisible() && run.context.isEscapeSeq());
        QVERIFY(!run.tree.exists("Results/valid-output.csv"));
        RunRecords().completeLeftBehind();
        QCOMPARE(run.tree.read("Results/output.csv"), logBefore + ";Mrs.;Zeller;Anna;05/06/1944;interrupted\n");
    }

    // The trial log cannot be opened: the assessor is told, no block starts, and the session is
    // not counted.
    void blockedLogStopsTheStart()
    {
        Run run;
        run.tree.block("Results/output.csv");
        MessageBoxCatcher boxes;
        run.window->goTest2(0, false, false, false, false);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 2000);
        QVERIFY(boxes.texts.value(0).contains(QStringLiteral("output.csv")));
        QVERIFY(!run.window->isVisible() && run.context.isEscapeSeq());
    }

    void instructionsOnlyWritesNothing()
    {
        Run run;
        run.window->goTest2(0, true, false, false, false);
        // Three instruction sets: text, example, demonstration loop, end of the loop.
        checkInstructionsOnly(run, 10, 2);
    }

    void sessionCountingBothWays()
    {
        checkSessionCounting<Test2>(patientRecord, 2, 3, playValidTrial);
    }

    void blockIsBalanced_data()
    {
        QTest::addColumn<bool>("withInstr");
        QTest::newRow("after training") << false;
        QTest::newRow("after instructions and training") << true;
    }

    // Three training blocks of 5 valid trials, neutral, alerted, oriented, each with its
    // instructions when asked, nothing of them in any file, then the test block. There,
    // conditions come in balanced triples and each condition's places in balanced groups of
    // eight; the asterisk shows only in alerted trials, the arrow only in oriented ones, pointing
    // where the target then appears; the fixation's jitter stays within its range. P and E during
    // the cue-target interval pause or mark nothing: every trial is logged once, ranked. A
    // second run, longer than 96 trials, appends its rows without headers; a third, whose panel
    // refuses settings out of range, left with Escape, ends in an "interrupted" row and leaves no
    // result. (The shorter block completes in the session counting.)
    void blockIsBalanced()
    {
        QFETCH(bool, withInstr);
        Run run;
        run.window->goTest2(0, withInstr, true, true, false);
        auto *go = run.get<QPushButton>("pb_go");
        auto *phase = run.get<QLabel>("lbl_mode");
        for (int cond = 1; cond <= 3; ++cond) {
            for (int click = 0; withInstr && click < (cond == 1 ? 4 : 3); ++click) {
                QCOMPARE(phase->text(), QStringLiteral("INSTRUCTIONS"));
                run.click("pb_next");
            }
            QVERIFY2(go->isVisible() && phase->text() == "TRAINING", qPrintable(QString::number(cond)));
            QTest::mouseClick(go, Qt::LeftButton);
            for (int trial = 0; trial < 5; ++trial) {
                QCOMPARE(run.condition(), cond);
                run.validTrial();
            }
        }
        QVERIFY(go->isVisible() && !phase->isVisible());
        QCOMPARE(run.tree.read("Results/output.csv"), trialLogHeader());
        QTest::mouseClick(go, Qt::LeftButton);
        auto *arrow = static_cast<DrawArrow *>(run.stimulus("DrawArrow"));
        std::array<QList<int>, 3> places;
        QList<int> conditions;
        for (int trial = 0; trial < 96; ++trial) {
            const int cond = run.condition();
            conditions << cond;
            run.step("sequence1");
            QCOMPARE(run.get<QLabel>("lbl_asterisk")->isVisible(), cond == 2);
            QCOMPARE(arrow->isVisible(), cond == 3);
            run.step("sequence2");
            run.key(Qt::Key_P);   // before the target: P and E do nothing
            run.key(Qt::Key_E);
            run.step("sequence3");
            // The place (0 … 7, clockwise from the right) of the target seen from the centre.
            const QPoint at = run.stimulus("DrawRectangle")->geometry().center() - run.window->rect().center();
            const int place = (int(std::lround(std::atan2(at.y(), at.x()) * 4 / M_PI)) + 8) % 8;
            if (cond == 3)
                QCOMPARE(arrow->angle, 45 * place);
            places[cond - 1] << place;
            run.key(Qt::Key_Space);
            run.step("sequence5");
        }
        for (int i = 0; i < 96; i += 3)
            QCOMPARE(QSet<int>(conditions.begin() + i, conditions.begin() + i + 3), (QSet<int>{1, 2, 3}));
        for (const QList<int> &cond : places) {   // 32 each, by the triples
            for (int i = 0; i < 32; i += 8)
                QCOMPARE(QSet<int>(cond.begin() + i, cond.begin() + i + 8), (QSet<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        }
        QList<int> fixations;
        for (const auto &span : run.window->stimulusSpans()) {
            if (span.label == "fixation")
                fixations << span.nominalMs;
        }
        QCOMPARE(fixations.size(), 15 + 96);   // training and test trials
        const auto [low, high] = std::minmax_element(fixations.begin(), fixations.end());
        // Tables drawn within one second reseed alike, so a block stepped this fast repeats a few
        // jitters: their range, not their spread, is what can be checked here.
        QVERIFY2(*low >= 400 && *high <= 1599 && *high - *low > 100,
                 qPrintable(QStringLiteral("%1 … %2").arg(*low).arg(*high)));
        run.key(Qt::Key_Escape);   // leaves the results screen without a report
        run.go(false, 100);
        for (int trial = 0; trial < 100; ++trial)
            run.validTrial();
        run.key(Qt::Key_Escape);
        // The third run's panel (fixed duration).
        run.window->goTest2(0, false, false, true, true);
        run.setField("le_timer03", QStringLiteral("250"));
        QCOMPARE(run.get<QLineEdit>("le_timeTc")->text(), QStringLiteral("7550"));
        run.setField("le_timer03", QStringLiteral("-5"));
        run.setField("le_number", QStringLiteral("0"));
        run.setField("le_timer01", QStringLiteral("abc"));
        QCOMPARE(run.get<QLineEdit>("le_timer03")->text(), QStringLiteral("250"));
        QCOMPARE(run.get<QLineEdit>("le_number")->text(), QStringLiteral("96"));
        QCOMPARE(run.get<QLineEdit>("le_timer01")->text(), QStringLiteral("400"));
        run.click("pb_go");
        run.validTrial();
        run.key(Qt::Key_Escape);
        const auto rows = run.logRows();
        QCOMPARE(rows.size(), 96 + 100 + 2);
        QCOMPARE(fields(rows[95]).value(10), QByteArray("96"));
        QCOMPARE(rows.last(), QByteArray(";Mrs.;Zeller;Anna;05/06/1944;interrupted"));
        const QList<QByteArray> results = run.tree.read("Results/results_T2.csv").split('\n');
        QCOMPARE(results.size(), 4);   // header, two rows, empty after the last "\n"
        for (int r = 0; r < 2; ++r)
            QCOMPARE(fields(results[r + 1]).value(10).toInt(), r ? 100 : 96);
        QCOMPARE(run.tree.read("Results/valid-output.csv").count('\n'), 1 + 96 + 100);
    }
};

QTEST_MAIN(TestTest2Flow)
#include "tst_test2flow.moc"
