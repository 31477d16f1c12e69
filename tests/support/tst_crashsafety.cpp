#include <QtTest>

#include "installedtree.h"
#include "pdftext.h"
#include "support/recordheaders.h"

namespace {
const QString key = QStringLiteral("Zeller Anna 05.06.1944");
const QByteArray record = "Mrs.;Zeller;Anna;05.06.1944;0;4;0;0;0;0;0;0;0;0\r\n";
const QByteArray interrupted = ";Mrs.;Zeller;Anna;05/06/1944;interrupted\n";
const QString archiveCopy = QStringLiteral("Archives/%1/results_T2_%1.csv").arg(key);
const QString report = QStringLiteral("Archives/%1/Output_T2_S05_%1.pdf").arg(key);
const QStringList filedFiles = {"Parameters/patients_list.txt", "Results/output.csv",
                                "Results/valid-output.csv", "Results/results_T2.csv", archiveCopy};
const QByteArray counted = "Mrs.;Zeller;Anna;05.06.1944;0;5;";
// The end-of-run steps in their order, each a place where the run is killed.
const QByteArrayList steps = {"pending", "counter", "folder", "valid", "stamp", "archive", "table", "report"};

// Why the last driver did not end as expected (killed when asked to be, else normally).
QString driverProblem;

// Runs the driver in the installation; returns the texts of the boxes it was shown.
QStringList drive(const InstalledTree &tree, const QStringList &arguments, const QByteArray &crashAt = {})
{
    QProcess driver;
    driver.setWorkingDirectory(tree.path("bin"));
    qputenv("KESTROVA_CRASH_AT", crashAt);
    driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    driver.start(QStringLiteral(KESTROVA_CRASHDRIVER), arguments);
    const bool block = arguments.first() == QLatin1String("block");
    if (block) {
        // Killed from outside in the middle of the block, as by "kill -9".
        while (!driver.readAllStandardOutput().contains("in-block") && driver.waitForReadyRead(60000)) {
        }
        driver.kill();
    }
    const bool finished = driver.waitForFinished(120000);
    const bool killed = driver.exitStatus() == QProcess::CrashExit;
    driverProblem.clear();
    if (!finished || killed != (block || !crashAt.isEmpty()) || (!killed && driver.exitCode() != 0))
        driverProblem = QStringLiteral("%1: exit status %2, code %3")
                            .arg(arguments.join(' ')).arg(driver.exitStatus()).arg(driver.exitCode());
    QStringList boxes;
    for (const QByteArray &line : driver.readAllStandardOutput().split('\n')) {
        if (line.startsWith("box: "))
            boxes << QString::fromUtf8(line.mid(5));
    }
    return boxes;
}
} // namespace

// The program killed at each step of a completed run's end, then started again: every file
// holds the run exactly once and the report is filed; a run killed in the middle of its
// test block is closed by its "interrupted" row.
class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedAndRestarted_data()
    {
        QTest::addColumn<QByteArray>("crashAt");
        QTest::newRow("not killed") << QByteArray();
        QTest::newRow("in the test block") << QByteArray("block");
        for (const QByteArray &step : steps)
            QTest::newRow(step.constData()) << step;
    }

    void killedAndRestarted()
    {
        QFETCH(QByteArray, crashAt);
        InstalledTree tree;
        tree.write("Parameters/patients_list.txt", record);
        tree.write("Results/output.csv", QByteArray(RecordHeaders::trialLog) + '\n');
        tree.write("Languages/En/Kestrova_Task2_en.html",
                   "<html><body><p>session v_session, trials v_trials, patient v_l_name v_f_name</p>"
                   "<p>neutral v_t2a_neutral alerting v_t2b_alerting orienting v_t2c_orientation</p></body></html>");
        const bool block = crashAt == "block";
        drive(tree, block ? QStringList{"block"} : QStringList{"run", "3"}, block ? QByteArray() : crashAt);
        QVERIFY2(driverProblem.isEmpty(), qPrintable(driverProblem));
        const QString reportBefore = tree.exists(report) ? pdfText(tree.path(report)) : QString();
        // Killed just after a step: it and the steps before it are done, none after. The end of a
        // run goes patient list, archive folder, valid rows, archive copy, result table.
        if (const int at = int(steps.indexOf(crashAt)); at >= 0) {
            const bool done[] = {tree.read(filedFiles[0]).startsWith(counted), tree.exists("Archives/" + key),
                                 tree.exists(filedFiles[2]), tree.exists(archiveCopy), tree.exists(filedFiles[3])};
            const int doneAfter[] = {1, 2, 3, 5, 6};
            for (int i = 0; i < 5; ++i)
                QVERIFY2(done[i] == (doneAfter[i] <= at), qPrintable(QStringLiteral("step %1").arg(i)));
        }

        const QStringList told = drive(tree, {"start"});
        QVERIFY2(driverProblem.isEmpty(), qPrintable(driverProblem));
        QByteArrayList files;
        for (const QString &file : filedFiles)
            files << tree.read(file);
        // The trial log: its header and three trials, or two and the "interrupted" row of the block.
        QCOMPARE(int(files[1].count('\n')), 4);
        if (block) {
            QVERIFY2(files[1].endsWith(interrupted), files[1].constData());
            QCOMPARE(files[0], record);
            QCOMPARE(files.mid(2).join(), QByteArray());   // nothing filed
        } else {
            QCOMPARE(files[2], files[1]);   // three valid rows
            QVERIFY(files[0].startsWith(counted));
            QVERIFY(files[3].startsWith(RecordHeaders::resultsT2) && files[3].count('\n') == 2);
            QCOMPARE(files[4], files[3]);
            const QString text = pdfText(tree.path(report));
            QVERIFY2(text.contains("session 05, trials 3, patient Zeller Anna"), qPrintable(text));
            if (!reportBefore.isEmpty())   // filed by the run, then again from the stored values
                QCOMPARE(text, reportBefore);
            // A run completed at the start is told, with its patient and session.
            QCOMPARE(told.size(), int(!crashAt.isEmpty()));
            QVERIFY2(told.isEmpty() || (told[0].contains(key) && told[0].contains("session 5")),
                     qPrintable(told.join('|')));
        }
        // Nothing left to complete at a later start.
        QCOMPARE(QDir(tree.path("Results")).entryList({"pending-run-*", "run-in-progress*"}), QStringList());
    }
};

QTEST_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
