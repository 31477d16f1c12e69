#include <QtTest>

#include "app/kestrova.h"
#include "app/language.h"
#include "calibration/calibration.h"
#include "installedtree.h"
#include "messageboxcatcher.h"
#include "widgetlookup.h"

namespace {
const QByteArray trialLogHeader =
    "code;gender;l_name;f_name;dob;task;session;date;time;subtask;rank_task;rank_sub;t1_time;"
    "t1c_figure;t1c_answer;t1p_position;t1p_answer;t1_tanswer;t1_answer;t1_implement;t2_rt;"
    "t2_position;t3_rt;t3_position;t3_dir_mov;t4_dist_first;t4_dist_last;t4_pos_first;"
    "t4_pos_last;error\n";

const QByteArray twoPatients = "Mrs.;Zeller;Anna;05.06.1944;2;1;0;3;0;0;0;0;0;0\r\n"
                               "Mr.;Adams;Bob;01.01.1950;4;7;1;0;2;0;1;0;0;0\r\n";

// Waits for the one-time start-up step that enables the patient combo.
bool waitForStartUp(Kestrova &window)
{
    return QTest::qWaitFor([&] { return child<QComboBox>(window, "cob_patientName")->isEnabled(); }, 2000);
}

void choosePatient(Kestrova &window, const QString &key)
{
    auto *combo = child<QComboBox>(window, "cob_patientName");
    combo->setCurrentIndex(combo->findText(key));
    emit combo->activated(combo->currentIndex());
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCreatesTree();
    void secondStartKeepsTrialLog();
    void languageProbing_data();
    void languageProbing();
    void startUpStepLoadsScreenParams();
    void initialState();
    void assessorLabels();
    void comboSortedAndPatientChosen();
    void launchRaisesCounter_data();
    void launchRaisesCounter();
    void pollRestoresCounterAfterAbort();
    void pollAddsNewPatient();
    void pollAppendFailureWarns();
    void pollAssessorChanged();
    void subTaskVisibility();
    void escapeEndsProgram();
};

void TestMainWindow::firstStartCreatesTree()
{
    InstalledTree tree(false);
    Kestrova window;
    for (const char *folder : {"Archives", "Parameters", "Results"})
        QVERIFY2(QFileInfo(tree.path(QString::fromLatin1(folder))).isDir(), folder);
    QVERIFY(tree.exists("Parameters/patients_list.txt"));
    QCOMPARE(tree.read("Parameters/patients_list.txt"), QByteArray());
    QCOMPARE(tree.read("Results/output.csv"), trialLogHeader);
    QCOMPARE(child<QComboBox>(window, "cob_patientName")->count(), 0);
}

void TestMainWindow::secondStartKeepsTrialLog()
{
    InstalledTree tree;
    const QByteArray log = trialLogHeader + "x;Mr.;A;B;01/01/2000;4;1\n";
    tree.write("Results/output.csv", log);
    {
        Kestrova first;
    }
    Kestrova second;
    QCOMPARE(tree.read("Results/output.csv"), log);
}

void TestMainWindow::languageProbing_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("exitText");
    QTest::newRow("none") << QStringList() << 0 << "Exit";
    QTest::newRow("french only") << QStringList{"Fr"} << 1 << "Quitter";
    QTest::newRow("english and french") << QStringList{"Fr", "En"} << 0 << "Exit";
    QTest::newRow("german and dutch") << QStringList{"Nl", "De"} << 2 << "Beenden";
    QTest::newRow("dutch only") << QStringList{"Nl"} << 5 << "Afsluiten";
}

void TestMainWindow::languageProbing()
{
    QFETCH(QStringList, installed);
    QFETCH(int, language);
    QFETCH(QString, exitText);
    InstalledTree tree;
    for (const QString &folder : installed)
        tree.installTranslation(QStringLiteral("kestrova_%1.qm").arg(folder.toLower()), folder);
    Calibration context;
    context.setLanguage(4);
    QTranslator translator;
    loadLanguage(translator, context);
    QCOMPARE(context.isLanguage(), language);
    QCoreApplication::installTranslator(&translator);
    {
        Kestrova window;
        QCOMPARE(window.findChild<QAction *>("actionQuitter")->text(), exitText);
    }
    QCoreApplication::removeTranslator(&translator);
}

void TestMainWindow::startUpStepLoadsScreenParams()
{
    InstalledTree tree;
    tree.write("Parameters/screen.pix", QByteArray::fromHex("000000fa0000007d00000001ffffffffffffffff"));
    Kestrova window;
    Calibration cal;
    QCOMPARE(cal.isHorzPitch(), 0);
    QVERIFY(!child<QComboBox>(window, "cob_patientName")->isEnabled());
    QVERIFY(!window.findChild<QAction *>("actionAdd_patient")->isEnabled());
    QVERIFY(waitForStartUp(window));
    QCOMPARE(cal.isHorzPitch(), 250);
    QCOMPARE(cal.isVertPitch(), 125);
    QCOMPARE(cal.isFrequency(), 1);
    QVERIFY(window.findChild<QAction *>("actionAdd_patient")->isEnabled());
    QVERIFY(window.findChild<QAction *>("actionAssessor")->isEnabled());
    QVERIFY(window.findChild<QAction *>("actionPreferences")->isEnabled());
    QVERIFY(!window.findChild<QAction *>("actionPrevious_reports")->isEnabled());
}

void TestMainWindow::initialState()
{
    InstalledTree tree;
    MessageBoxCatcher boxes;
    Kestrova window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Kestrova"));
    QCOMPARE(window.size(), QSize(672, 420));
    QCOMPARE(child<QLabel>(window, "lbl_versionNb")->text(), QStringLiteral("1.1"));
    QVERIFY(!window.windowIcon().isNull());
    for (int task = 1; task <= 7; ++task) {
        QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("pb_test%1").arg(task))->isEnabled());
        QVERIFY(!window.findChild<QLineEdit *>(QStringLiteral("le_session%1").arg(task))->isEnabled());
    }
    QVERIFY(child<QCheckBox>(window, "cb_withInstruction")->isChecked());
    QVERIFY(child<QCheckBox>(window, "cb_withTraining")->isChecked());
    QVERIFY(!child<QCheckBox>(window, "cb_subTask")->isChecked());
    QCOMPARE(child<QLabel>(window, "lbl_name")->text(), QStringLiteral("Name"));
    QCOMPARE(child<QLabel>(window, "lbl_institution")->text(), QStringLiteral("Institution"));
    // Without a screen parameters file the start-up step shows nothing.
    QVERIFY(waitForStartUp(window));
    QTest::qWait(50);
    QCOMPARE(boxes.count(), 0);
}

void TestMainWindow::assessorLabels()
{
    InstalledTree tree;
    tree.write("Parameters/assessor.txt", "Dr.;Martin;Anne;Clinic;1 Main St;1000;Town;Land\n");
    Kestrova window;
    QCOMPARE(child<QLabel>(window, "lbl_name")->text(), QStringLiteral("Dr. Anne Martin"));
    QCOMPARE(child<QLabel>(window, "lbl_institution")->text(), QStringLiteral("Clinic"));
}

void TestMainWindow::comboSortedAndPatientChosen()
{
    InstalledTree tree;
    tree.write("Parameters/patients_list.txt", twoPatients);
    Kestrova window;
    auto *combo = child<QComboBox>(window, "cob_patientName");
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->itemText(0), QStringLiteral("Adams Bob 01.01.1950"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Zeller Anna 05.06.1944"));
    QVERIFY(waitForStartUp(window));
    choosePatient(window, "Zeller Anna 05.06.1944");

    Calibration cal;
    QCOMPARE(cal.isPatientName(), QStringLiteral("Zeller Anna 05.06.1944"));
    QCOMPARE(cal.isGender(), QStringLiteral("Mrs."));
    QCOMPARE(cal.isLastName(), QStringLiteral("Zeller"));
    QCOMPARE(cal.isFirstName(), QStringLiteral("Anna"));
    QCOMPARE(cal.isDob(), QDate(1944, 6, 5));
    const int expected[7] = {2, 1, 0, 3, 0, 0, 0};
    for (int task = 1; task <= 7; ++task) {
        QCOMPARE(cal.isSessionNb(task), expected[task - 1]);
        auto *box = window.findChild<QLineEdit *>(QStringLiteral("le_session%1").arg(task));
        QCOMPARE(box->text(), QString::number(expected[task - 1]));
        QVERIFY(box->isEnabled());
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("pb_test%1").arg(task))->isEnabled());
    }
    QVERIFY(window.findChild<QAction *>("actionPrevious_reports")->isEnabled());
    QVERIFY(child<QCheckBox>(window, "cb_subTask")->isEnabled());
}

void TestMainWindow::launchRaisesCounter_data()
{
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("before");
    for (int task = 1; task <= 7; ++task) {
        const int stored[7] = {4, 7, 1, 0, 2, 0, 1};
        QTest::addRow("task %d", task) << task << stored[task - 1];
    }
}

void TestMainWindow::launchRaisesCounter()
{
    QFETCH(int, task);
    QFETCH(int, before);
    InstalledTree tree;
    tree.write("Parameters/patients_list.txt", twoPatients);
    Kestrova window;
    window.show();
    QVERIFY(waitForStartUp(window));
    choosePatient(window, "Adams Bob 01.01.1950");
    child<QCheckBox>(window, "cb_subTask")->setChecked(true);
    auto *button = window.findChild<QPushButton *>(QStringLiteral("pb_test%1").arg(task));
    QTest::mouseClick(button, Qt::LeftButton);
    Calibration cal;
    QCOMPARE(cal.isSessionNb(task), before + 1);
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("le_session%1").arg(task))->text(),
             QString::number(before + 1));
    QCOMPARE(tree.read("Parameters/patients_list.txt"), twoPatients);
}

void TestMainWindow::pollRestoresCounterAfterAbort()
{
    InstalledTree tree;
    tree.write("Parameters/patients_list.txt", twoPatients);
    Kestrova window;
    window.show();
    QVERIFY(waitForStartUp(window));
    choosePatient(window, "Adams Bob 01.01.1950");
    QTest::mouseClick(child<QPushButton>(window, "pb_test2"), Qt::LeftButton);
    auto *box = child<QLineEdit>(window, "le_session2");
    QCOMPARE(box->text(), QStringLiteral("8"));

    // The task window closes without a completed run, as an interrupted task does.
    Calibration cal;
    QElapsedTimer clock;
    clock.start();
    cal.setEscapeSeq(true);
    QTRY_COMPARE_WITH_TIMEOUT(box->text(), QStringLiteral("7"), 400);
    QVERIFY2(clock.elapsed() <= 350, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(cal.isSessionNb_T2(), 7);
    QVERIFY(!cal.isEscapeSeq());
}

void TestMainWindow::pollAddsNewPatient()
{
    InstalledTree tree;
    tree.write("Parameters/patients_list.txt", twoPatients);
    Kestrova window;
    QVERIFY(waitForStartUp(window));
    Calibration cal;
    cal.setSessionNb_T1(9);
    cal.setGender("Mr.");
    cal.setLastName("Smith");
    cal.setFirstName("John");
    cal.setDob(QDate(1950, 2, 3));
    cal.setNewPatient(true);
    auto *combo = child<QComboBox>(window, "cob_patientName");
    QTRY_COMPARE_WITH_TIMEOUT(combo->count(), 3, 400);
    QCOMPARE(combo->currentText(), QStringLiteral("Smith John 03.02.1950"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Smith John 03.02.1950"));
    QCOMPARE(tree.read("Parameters/patients_list.txt"),
             twoPatients + "Mr.;Smith;John;03.02.1950;0;0;0;0;0;0;0;0;0;0\r\n");
    QVERIFY(!cal.isNewPatient());
    QCOMPARE(cal.isPatientName(), QStringLiteral("Smith John 03.02.1950"));
    QCOMPARE(cal.isSessionNb_T1(), 0);
    QCOMPARE(child<QLineEdit>(window, "le_session1")->text(), QStringLiteral("0"));
    QVERIFY(child<QPushButton>(window, "pb_test1")->isEnabled());
}

void TestMainWindow::pollAppendFailureWarns()
{
    InstalledTree tree;
    Kestrova window;
    QVERIFY(waitForStartUp(window));
    // A folder in place of the list: it can be opened by no one, root included.
    QFile::remove(tree.path("Parameters/patients_list.txt"));
    QDir().mkdir(tree.path("Parameters/patients_list.txt"));
    MessageBoxCatcher boxes;
    Calibration cal;
    cal.setLastName("Smith");
    cal.setFirstName("John");
    cal.setDob(QDate(1950, 2, 3));
    cal.setNewPatient(true);
    cal.setAssessor(true);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 1000);
    QCOMPARE(boxes.titles.first(), QStringLiteral("Error"));
    QVERIFY(boxes.texts.first().startsWith(QStringLiteral("Failed to open patients_list.txt\n")));
    QCOMPARE(child<QComboBox>(window, "cob_patientName")->currentText(), QStringLiteral("Smith John 03.02.1950"));
    // The tick ended at the failure; the assessor check runs at the next tick.
    QTRY_VERIFY_WITH_TIMEOUT(!cal.isAssessor(), 600);
}

void TestMainWindow::pollAssessorChanged()
{
    InstalledTree tree;
    Kestrova window;
    tree.write("Parameters/assessor.txt", "Prof.;Weber;Karl;Hospital;;;;\n");
    Calibration cal;
    cal.setAssessor(true);
    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(window, "lbl_name")->text(), QStringLiteral("Prof. Karl Weber"), 400);
    QCOMPARE(child<QLabel>(window, "lbl_institution")->text(), QStringLiteral("Hospital"));
    QVERIFY(!cal.isAssessor());
}

void TestMainWindow::subTaskVisibility()
{
    InstalledTree tree;
    Kestrova window;
    window.show();
    const QStringList lower = {"pb_test5", "pb_test6", "pb_test7", "le_session5", "le_session6", "le_session7"};
    const QStringList upper = {"pb_test1", "pb_test2", "pb_test3", "pb_test4", "le_session1", "le_session4"};
    auto visible = [&](const QStringList &names) {
        int n = 0;
        for (const QString &name : names)
            n += window.findChild<QWidget *>(name)->isVisible() ? 1 : 0;
        return n;
    };
    QCOMPARE(visible(lower), 0);
    QCOMPARE(visible(upper), 6);
    auto *box = child<QCheckBox>(window, "cb_subTask");
    box->setChecked(true);
    QCOMPARE(visible(lower), 6);
    box->setChecked(false);
    QCOMPARE(visible(lower), 0);
    QCOMPARE(visible(upper), 6);
}

void TestMainWindow::escapeEndsProgram()
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

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
