#include <QtTest>

#include "app/kestrova.h"
#include "app/language.h"
#include "calibration/calibration.h"
#include "installedtree.h"
#include "support/recordheaders.h"
#include "messageboxcatcher.h"
#include "widgetlookup.h"

namespace {
const QByteArray trialLogHeader = QByteArray(RecordHeaders::trialLog) + '\n';

const QByteArray twoPatients = "Mrs.;Zeller;Anna;05.06.1944;2;1;0;3;0;0;0;0;0;0\r\n"
                               "Mr.;Adams;Bob;01.01.1950;4;7;1;0;2;0;1;0;0;0\r\n";

// The button ("pb_test") or session box ("le_session") of a task.
QWidget *taskWidget(const Kestrova &window, const char *prefix, int task)
{
    return child<QWidget>(window, qPrintable(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(task)));
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void firstAndSecondStart()
    {
        InstalledTree tree(false);
        {
            // Before the first calibration there is no screen parameters file: the step shows nothing.
            MessageBoxCatcher boxes;
            Kestrova first;
            QVERIFY(startedUp(first));
            QTest::qWait(50);
            QCOMPARE(boxes.count(), 0);
            for (const char *folder : {"Archives", "Parameters", "Results"})
                QVERIFY2(QFileInfo(tree.path(QString::fromLatin1(folder))).isDir(), folder);
            QVERIFY(tree.exists("Parameters/patients_list.txt"));
            QCOMPARE(tree.read("Parameters/patients_list.txt"), QByteArray());
            QCOMPARE(tree.read("Results/output.csv"), trialLogHeader);
        }
        // A second start leaves the trial log as the sessions left it.
        const QByteArray log = trialLogHeader + "x;Mr.;A;B;01/01/2000;4;1\n";
        tree.write("Results/output.csv", log);
        Kestrova second;
        QCOMPARE(tree.read("Results/output.csv"), log);
    }

    void languageProbing_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("exitText");
        QTest::newRow("none") << QStringList() << 0 << "";
        QTest::newRow("english and french") << QStringList{"Fr", "En"} << 0 << "Exit";
        QTest::newRow("german and dutch") << QStringList{"Nl", "De"} << 2 << "Beenden";
    }

    void languageProbing()
    {
        QFETCH(QStringList, installed);
        InstalledTree tree;
        for (const QString &folder : installed)
            tree.installTranslation(QStringLiteral("kestrova_%1.qm").arg(folder.toLower()), folder);
        Calibration context;
        context.setLanguage(4);
        QTranslator translator;
        loadLanguage(translator, context);
        QTEST(context.isLanguage(), "language");
        QTEST(translator.translate("KestrovaClass", "Exit"), "exitText");
    }

    // The window opens with the assessor shown and everything patient-bound disabled, the second
    // row of tasks showing only while the subtask box is ticked; a step just after it enables the
    // patient combo (the preference suite checks the screen parameters the step loads).
    // Choosing a patient from the sorted combo shows the stored sessions and enables the tasks.
    // Starting a task counts its session at once (the list is written when the run completes); a
    // task window closed without a completed run gives the session back within a poll. Every
    // task's button goes through the same counting; the attention task's own suite does it with
    // its real window.
    void startChooseLaunchAbort()
    {
        const int task = 7;   // on the subtask row, field 10 of the record
        const int before = 1;
        InstalledTree tree;
        tree.write("Parameters/patients_list.txt", twoPatients);
        // A calibrated screen (250 and 125 mm), on which every task starts.
        tree.write("Parameters/screen.pix", QByteArray::fromHex("000000fa0000007d00000001ffffffffffffffff"));
        tree.write("Parameters/assessor.txt", "Dr.;Martin;Anne;Clinic;1 Main St;1000;Town;Land\n");
        MessageBoxCatcher boxes;
        Kestrova window;
        QCOMPARE(child<QLabel>(window, "lbl_name")->text(), QStringLiteral("Dr. Anne Martin"));
        QCOMPARE(child<QLabel>(window, "lbl_institution")->text(), QStringLiteral("Clinic"));
        auto *combo = child<QComboBox>(window, "cob_patientName");
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->itemText(0), QStringLiteral("Adams Bob 01.01.1950"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Zeller Anna 05.06.1944"));
        QVERIFY(!combo->isEnabled());
        QVERIFY(!child<QAction>(window, "actionAdd_patient")->isEnabled());
        window.show();
        for (bool ticked : {false, true, false}) {
            child<QCheckBox>(window, "cb_subTask")->setChecked(ticked);
            for (int i = 1; i <= 7; ++i) {
                for (QWidget *widget : {taskWidget(window, "pb_test", i), taskWidget(window, "le_session", i)}) {
                    QCOMPARE(widget->isVisible(), i <= 4 || ticked);
                    QVERIFY(!widget->isEnabled());
                }
            }
        }

        QVERIFY(startedUp(window));
        QVERIFY(!child<QAction>(window, "actionPrevious_reports")->isEnabled());

        // The chosen names and birth date reach the records, where the end-to-end runs read them.
        combo->setCurrentIndex(0);
        emit combo->activated(0);
        Calibration cal;
        QCOMPARE(cal.isPatientName(), QStringLiteral("Adams Bob 01.01.1950"));
        QCOMPARE(cal.isGender(), QStringLiteral("Mr."));
        QVERIFY(child<QAction>(window, "actionPrevious_reports")->isEnabled());
        child<QCheckBox>(window, "cb_subTask")->setChecked(true);
        auto *box = qobject_cast<QLineEdit *>(taskWidget(window, "le_session", task));
        QCOMPARE(cal.isSessionNb(task), before);
        QCOMPARE(box->text(), QString::number(before));
        QVERIFY(box->isEnabled());

        QTest::mouseClick(taskWidget(window, "pb_test", task), Qt::LeftButton);
        QCOMPARE(cal.isSessionNb(task), before + 1);
        QCOMPARE(box->text(), QString::number(before + 1));
        QCOMPARE(tree.read("Parameters/patients_list.txt"), twoPatients);

        cal.setEscapeSeq(true);
        QTRY_COMPARE_WITH_TIMEOUT(box->text(), QString::number(before), 350);
        QCOMPARE(cal.isSessionNb(task), before);
        QVERIFY(!cal.isEscapeSeq());
    }

    void pollAppendFailureWarns()
    {
        InstalledTree tree;
        Kestrova window;
        QVERIFY(startedUp(window));
        tree.block("Parameters/patients_list.txt");
        MessageBoxCatcher boxes;
        Calibration cal;
        cal.setLastName("Smith");
        cal.setFirstName("John");
        cal.setDob(QDate(1950, 2, 3));
        cal.setNewPatient(true);
        cal.setAssessor(true);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.titles, QStringList{"Error"}, 1000);
        QVERIFY(boxes.texts.first().startsWith(QStringLiteral("Failed to open patients_list.txt\n")));
        QCOMPARE(child<QComboBox>(window, "cob_patientName")->currentText(), QStringLiteral("Smith John 03.02.1950"));
        // The tick ended at the failure; the assessor check runs at the next tick.
        QTRY_VERIFY_WITH_TIMEOUT(!cal.isAssessor(), 600);
    }

    void escapeEndsProgram()
    {
        InstalledTree tree;
        auto *window = new Kestrova;
        window->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<Kestrova> guard(window);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // Closing the only window ends the event loop in main().
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(guard.isNull());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
