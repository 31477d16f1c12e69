#include <clocale>
#include <cstdio>
#include <sys/fsuid.h>
#include <unistd.h>

#include <QtTest>
#include <QWidget>

#include "filesizelimit.h"
#include "messageboxcatcher.h"
#include "support/recordrow.h"
#include "support/runrecords.h"
#include "support/taskrecords.h"
#include "taskrun.h"

namespace {
const QByteArray trialHeader =
    "code;gender;l_name;f_name;dob;task;session;date;time;subtask;rank_task;rank_sub;t1_time;"
    "t1c_figure;t1c_answer;t1p_position;t1p_answer;t1_tanswer;t1_answer;t1_implement;t2_rt;"
    "t2_position;t3_rt;t3_position;t3_dir_mov;t4_dist_first;t4_dist_last;t4_pos_first;"
    "t4_pos_last;error\n";
const QByteArray resultLeading = "code;gender;l_name;f_name;dob;task;session;date;time;duration;trials;";
const QByteArray resultsT2Header = resultLeading + "t2a;t2a_error;t2a_slope;t2a_r2;t2b;t2b_error;t2b_slope;"
                                                   "t2b_r2;t2c;t2c_error;t2c_slope;t2c_r2\n";

const QString archiveFolder = QStringLiteral("Archives/Dupré Jean 03.02.1950");
const QString listFile = QStringLiteral("Parameters/patients_list.txt");

// The archive copy of result table `table` under the display key.
QString archiveCopy(int table = 2)
{
    return archiveFolder + QStringLiteral("/results_T%1_Dupré Jean 03.02.1950.csv").arg(table);
}

// Every file a run of the attention task writes to.
const QStringList runFiles = {"Results/output.csv", "Results/valid-output.csv",
                              "Results/results_T2.csv", archiveCopy(), listFile};

// The patient list: Anne Martin, then Dupré Jean with that many attention sessions.
QByteArray patientList(int sessions)
{
    return QStringLiteral("Mrs.;Martin;Anne;01.01.1940;1;1;1;1;1;1;1;0;0;0\r\n"
                          "Mr.;Dupré;Jean;03.02.1950;0;%1;0;0;0;0;0;0;0;0\r\n")
        .arg(sessions)
        .toUtf8();
}

// The current patient as the main window loads it: Dupré Jean, four attention sessions
// stored, the fifth running.
void selectPatient(const InstalledTree &tree)
{
    tree.write(listFile, patientList(4));
    choosePatient(patientList(4).split('\n').value(1));
    SharedContext::instance().sessionNb[1] = 5;
}

// An attention trial row: subtask, rank, rank in condition, reaction time, place, error.
QByteArray attentionRow(int rank, int rt, bool error)
{
    return RecordRow::leading(2, 5, QDateTime(QDate(2024, 3, 4), QTime(9, 5, 7, 45)))
        .integer(1).integer(rank).integer(rank).empty(8).integer(rt).latin1("NE").empty(7)
        .integer(error ? 1 : 0)
        .line();
}

// The result row's stamp of a run ended at that minute.
QDateTime resultStamp(int minute = 20)
{
    return QDateTime(QDate(2024, 3, 4), QTime(9, minute, 0, 1));
}

// The columns after the stamp, as the task formats them.
QByteArray resultColumns(int trials)
{
    return "00:14:53;" + QByteArray::number(trials) + ";512.250000;4.0;-43.500000;0.930000";
}

QByteArray resultRow(int trials, int session = 5, int minute = 20)
{
    return RecordRow::leading(2, session, resultStamp(minute)).latin1(resultColumns(trials)).line();
}

// The attention task's completed run, its row stamped at resultStamp (null: when it is filed).
CompletedRun completed(int trials, const QDateTime &stamp = resultStamp())
{
    CompletedRun run;
    run.task = run.table = run.report.task = 2;
    run.resultColumns = resultColumns(trials);
    run.rowStamp = stamp;
    return run;
}

// One attention run of the given trial rows (an error row ends with the error flag 1).
void run(RunRecords &records, const QList<QByteArray> &rows, int trials, int minute = 20)
{
    QVERIFY(records.openTrialLog(2));
    records.startRun();
    for (const QByteArray &row : rows)
        records.writeTrialRow(row, row.endsWith(";1\n"));
    records.finishRun(completed(trials, resultStamp(minute)));
    records.closeTrialLog();
}

QByteArrayList read(const InstalledTree &tree, const QStringList &files = runFiles)
{
    QByteArrayList contents;
    for (const QString &file : files)
        contents << tree.read(file);
    return contents;
}
} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    // The records run under a German locale, built here, whose printf writes a decimal comma.
    void initTestCase()
    {
        QProcess::execute(QStringLiteral("localedef"),
                          {"-i", "de_DE", "-f", "UTF-8", locales.filePath("de_DE.UTF-8")});
        qputenv("LOCPATH", QFile::encodeName(locales.path()));
        char printed[8] = "";
        if (setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            std::snprintf(printed, sizeof printed, "%.1f", 0.5);
        if (QByteArray(printed) != "0,5")
            qWarning("no German locale could be built: reals checked in the C locale only");
    }

    void init()
    {
        tree.emplace();
        selectPatient(*tree);
    }

    // Names in Latin-1 (é one byte), one "?" for each character outside it, also for one outside
    // the basic plane (two UTF-16 units; ÿ is the last Latin-1 one); far beyond the 256 bytes of
    // a fixed line buffer, nothing is cut.
    void trialRow()
    {
        const QString longName = QStringLiteral("Dvořák\U0001F600\u00ff\u0178") + QString(300, 'A');
        SharedContext::instance().lastName = longName;
        SharedContext::instance().firstName = QStringLiteral("Zoé Jiří");
        QCOMPARE(attentionRow(12, -120, true), ";Mr.;Dvo?\xe1k?\xff?" + QByteArray(300, 'A')
                     + ";Zo\xe9 Ji?\xed;03/02/1950;2;5;04/03/2024;09:05:07.045;1;12;12;;;;;;;;;-120;NE;;;;;;;;1\n");
    }

    // Reals as printf writes them in the C locale, under the decimal comma of the user's.
    void reals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("negative, rounded") << -43.5111166 << 6 << QByteArray("-43.511117");
        QTest::newRow("half to even") << 0.25 << 1 << QByteArray("0.2");
        QTest::newRow("large") << 1e20 << 6 << QByteArray("100000000000000000000.000000");
        QTest::newRow("negative not a number") << -std::nan("") << 6 << QByteArray("-nan");
    }

    void reals()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QTEST(RecordRow::formatReal(value, decimals), "expected");
    }

    // The first run on a fresh installation creates each file with its header, even a run of
    // errors only (no valid row); later runs append without a header, each run filing only its
    // own valid rows, and a run of errors leaves the valid rows as they were. An interruption is
    // logged only while the trial log is open (not during instructions or training).
    void firstRunCreatesHeadersLaterRunsAppend()
    {
        RunRecords records;
        const QByteArray a = attentionRow(1, 401, false), b = attentionRow(2, 2001, true),
                         c = attentionRow(2, 388, false), d = attentionRow(1, 350, false),
                         e = attentionRow(1, 2500, true);
        run(records, {e}, 1);
        const QByteArray table = resultsT2Header + resultRow(1);
        QCOMPARE(read(*tree),
                 (QByteArrayList{trialHeader + e, trialHeader, table, table, patientList(5)}));

        records.writeInterruption(QStringLiteral("interrupted"));
        QVERIFY(records.openTrialLog(2));
        records.writeInterruption(QStringLiteral("interrupted"));
        records.writeInterruption(QStringLiteral("paused"));
        records.closeTrialLog();
        SharedContext::instance().sessionNb[1] = 6;
        run(records, {a, b, c}, 3, 21);
        run(records, {d}, 1, 22);
        run(records, {e}, 1, 23);
        QVERIFY(!records.hasFailures());
        const QByteArray person = ";Mr.;Dupr\xe9;Jean;03/02/1950;";
        const QByteArray log =
            trialHeader + e + person + "interrupted\n" + person + "paused\n" + a + b + c + d + e;
        const QByteArray tables =
            table + resultRow(3, 6, 21) + resultRow(1, 6, 22) + resultRow(1, 6, 23);
        QCOMPARE(read(*tree),
                 (QByteArrayList{log, trialHeader + a + c + d, tables, tables, patientList(6)}));
    }

    void resultHeaders_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("results_T1") << 1 << resultLeading + "t1_central;t1a_errors;t1a_reversals;t1a_sup;"
            "t1a_limits_s;t1a_inf;t1a_limit_i;t1_peripheral;t1b_errors;t1b_reversals;t1b_sup;t1b_limits_s;"
            "t1b_inf;t1b_limit_i;t1_dual;t1c_errors;t1c_reversals;t1c_sup;t1c_limits_s;t1c_inf;t1c_limit_i\n";
        QTest::newRow("results_T3") << 3 << resultLeading + "t3_rt;t3_error;t3_slope;t3_r2;oblique;cardinal;"
            "left;right;top;bottom\n";
        QTest::newRow("results_T4") << 4 << resultLeading + "average_f;average_l;t4_slope;t4_intercept;t4_r2;"
            "t4l_slope;t4l_r2;t4_error\n";
    }

    // Each table, and its archive copy under the display key, starts with its own header
    // (results_T2 in the run test above).
    void resultHeaders()
    {
        QFETCH(int, table);
        QFETCH(QByteArray, header);
        RunRecords records;
        CompletedRun run = completed(1);
        run.table = table;
        records.finishRun(run);
        QVERIFY(!records.hasFailures());
        const QStringList files = {QStringLiteral("Results/results_T%1.csv").arg(table),
                                   archiveCopy(table)};
        QCOMPARE(read(*tree, files), QByteArrayList(2, header + resultRow(1)));
    }

    void failedFileIsToldAndOthersWritten_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("told");
        QTest::newRow("trial log") << runFiles[0] << "Failed to open output.csv\n";
        QTest::newRow("valid rows") << runFiles[1] << "Failed to write valid-output.csv\n";
        QTest::newRow("patient list") << listFile << "Failed to write patients_list.txt\n";
    }

    // A file that cannot be written is told with its name and the system's reason; the others
    // are still written, and once it can be written again it is not told a second time. A trial
    // log that cannot be opened hides the task's window: the test phase does not start.
    void failedFileIsToldAndOthersWritten()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, told);
        tree->block(blocked);
        QWidget window;
        window.show();
        TaskRecords records(&window);
        MessageBoxCatcher boxes;
        const QByteArray row = attentionRow(1, 401, false);
        const bool opened = records.openTrialLog(2);
        if (opened) {
            records.writeTrialRow(row, false);
            QVERIFY(!records.finishRun(completed(1)));
            records.closeTrialLog();
        }
        QCOMPARE(window.isVisible(), opened);
        QCOMPARE(boxes.titles, QStringList{"Error"});
        QVERIFY2(boxes.texts.at(0).startsWith(told) && boxes.texts.at(0).size() > told.size(),
                 qPrintable(boxes.texts.at(0)));
        for (const QString &file : runFiles.mid(1, 3)) {
            const QByteArray filed = file == runFiles[1] ? row : resultRow(1);
            QVERIFY2(!opened || file == blocked || tree->read(file).endsWith(filed), qPrintable(file));
        }

        QDir(tree->path(blocked)).removeRecursively();
        selectPatient(*tree);
        boxes.clear();
        QVERIFY(records.openTrialLog(2));
        records.startRun();
        QVERIFY(records.finishRun(completed(1, resultStamp(21))));
        QCOMPARE(boxes.count(), 0);
    }

    // A full disk (a file size limit) refuses a result row: it is reported with the system's
    // reason (not the unspecified error of a short write), and each file keeps no part of what it
    // refused (the trial log's part shows in the attention task's flow).
    void fullDiskLeavesFilesWhole()
    {
        const QByteArray tableBefore = resultsT2Header + QByteArray(20, 'x') + '\n';
        tree->write("Results/results_T2.csv", tableBefore);
        RunRecords records;
        CompletedRun big = completed(1);
        big.resultColumns = QByteArray(2000, 'y');
        {
            // Room for part of each write: the files end up between their size and the limit.
            const FileSizeLimit limit(qint64(trialHeader.size()));
            records.finishRun(big);
        }
        QCOMPARE(tree->read("Results/results_T2.csv"), tableBefore);
        QVERIFY(!tree->exists(archiveCopy()));   // a new file cut inside its header is not kept
        QStringList reasons;
        for (const RecordFailure &failure : records.takeFailures())
            reasons << failure.name + QStringLiteral(": ") + failure.error;
        for (const QString &name : {QStringLiteral("results_T2.csv"), QStringLiteral("results_T2_Dupré Jean 03.02.1950.csv")})
            QVERIFY2(reasons.contains(name + QStringLiteral(": File too large")), qPrintable(reasons.join('|')));
    }

    // Start-up never empties an existing trial log that it cannot read (it may still be
    // written to) and tells why; a missing log created and a readable one kept show in the
    // main window's start-up.
    void unreadableTrialLogKept()
    {
        const QByteArray rows = trialHeader + attentionRow(1, 401, false);
        tree->write("Results/output.csv", rows);
        const QString log = tree->path("Results/output.csv");
        // Write-only for its owner. Root reads any file: the check runs with the file access
        // rights of "nobody", who owns the log.
        QVERIFY(QFile::setPermissions(log, QFileDevice::WriteOwner));
        if (geteuid() == 0) {
            for (const QString &folder : {tree->root(), tree->path("Results")})
                QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
            QCOMPARE(chown(QFile::encodeName(log).constData(), 65534, 65534), 0);
        }
        setfsuid(65534);   // refused, and harmless, when not root
        QString error;
        const bool usable = RunRecords::prepareTrialLog(&error);
        setfsuid(0);
        QFile::setPermissions(log, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(!usable && !error.isEmpty());
        QCOMPARE(tree->read("Results/output.csv"), rows);
    }

    // A completed run whose record is still pending (its report was not filed) is completed at
    // the next start: files that a power cut left with part of the run (cut inside a row) get
    // the rest, and every file holds the run exactly once. Whole steps left undone show in the
    // crash test.
    void leftRunCompletedOnce()
    {
        {
            RunRecords records;
            run(records, {attentionRow(1, 401, false), attentionRow(2, 388, false)}, 2);
        }
        const QByteArrayList filed = read(*tree);
        QVERIFY(QFile::resize(tree->path(runFiles[1]), filed[1].size() - 10));
        QVERIFY(QFile::resize(tree->path(runFiles[2]), filed[2].size() - 5));
        RunRecords restarted;
        const QList<LeftRun> left = restarted.completeLeftBehind();
        QVERIFY(left.size() == 1 && left.at(0).whole);
        QCOMPARE(read(*tree), filed);
    }

    // The result row is stamped when it is filed, after the valid rows (a large block of them
    // takes a moment to write).
    void resultStampedAfterValidRows()
    {
        RunRecords records;
        QVERIFY(records.openTrialLog(2));
        records.writeTrialRow(QByteArray(32 << 20, 'v') + '\n', false);
        records.finishRun(completed(1, QDateTime()));
        const QList<QByteArray> row = tree->read("Results/results_T2.csv").split('\n').value(1).split(';');
        const QDateTime stamp = QDateTime::fromString(QString::fromLatin1(row.value(7) + ' ' + row.value(8)),
                                                      QStringLiteral("dd/MM/yyyy hh:mm:ss.zzz"));
        const QDateTime validFiled = QFileInfo(tree->path("Results/valid-output.csv")).lastModified();
        QVERIFY2(stamp.isValid() && stamp.msecsTo(validFiled) <= 0,
                 qPrintable(stamp.toString(Qt::ISODateWithMs) + " " + validFiled.toString(Qt::ISODateWithMs)));
    }

private:
    std::optional<InstalledTree> tree;
    QTemporaryDir locales;
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
