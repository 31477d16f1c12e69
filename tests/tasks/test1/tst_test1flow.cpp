#include <QtTest>

#include "calibration/calibration.h"
#include "context/sharedcontext.h"
#include "installedtree.h"
#include "stimuli/drawwidgets.h"
#include "messageboxcatcher.h"
#include "support/recordheaders.h"
#include "tasks/test1/test1.h"
#include "widgetlookup.h"

namespace {
const QByteArray logHeader = QByteArray(RecordHeaders::trialLog) + '\n';
const QString patientKey = QStringLiteral("Zeller Anna 05.06.1944");
const char *const centralNames[5] = {"pb_uniform", "pb_shape", "pb_contrast", "pb_orientation", "pb_size"};

QList<QByteArray> fields(const QByteArray &row)
{
    return row.split(';');
}

// An installation with one patient whose sessions of tasks 1, 5, 6, 7 are 4, 2, 3, 1 and whose
// training values are given, chosen with the session of every visual recognition task raised
// as the main window does, on a screen of 0.25 mm pixels (rulers of 250 and 125 mm).
struct Run
{
    InstalledTree tree;
    Calibration context;
    MessageBoxCatcher boxes;
    std::unique_ptr<Test1> window;

    explicit Run(const QByteArray &training = "80;150;250", int horzPitch = 250)
    {
        tree.write("Results/output.csv", logHeader);
        tree.write("Parameters/patients_list.txt", record(training));
        context.setPatientName(patientKey);
        context.setGender(QStringLiteral("Mrs."));
        context.setLastName(QStringLiteral("Zeller"));
        context.setFirstName(QStringLiteral("Anna"));
        context.setDob(QDate(1944, 6, 5));
        for (int task : {1, 5, 6, 7})
            context.setSessionNb(task, 5);
        SharedContext::instance().screen.horzPitch = horzPitch;
        SharedContext::instance().screen.vertPitch = 125;
        window = std::make_unique<Test1>();
    }
    static QByteArray record(const QByteArray &training)
    {
        return "Mrs.;Zeller;Anna;05.06.1944;4;0;0;0;2;3;1;" + training + "\r\n";
    }
    template <typename T>
    T *get(const char *name) const { return child<T>(*window, name); }
    void start(int mode, bool withTraining = false) { window->goTest1(mode, false, withTraining, true, false); }
    void click(const char *name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void step(const char *slot) { QVERIFY(QMetaObject::invokeMethod(window.get(), slot)); }
    void toStage(int stages)
    {
        const char *steps[] = {"sequence1", "sequence2", "sequence3", "sequence4"};
        for (int i = 0; i < stages; ++i)
            step(steps[i]);
    }
    void key(Qt::Key key) { QTest::keyClick(window.get(), key); }
    int subtask() const { return get<QLineEdit>("le_subtask")->text().toInt(); }
    // One trial, answered right or with the first buttons, to the start of the next.
    void anyTrial(bool right = false)
    {
        step("sequence1");
        const int button = shownButton();
        const int target = inwardArrow();
        step("sequence2");
        step("sequence3");
        step("sequence4");
        if (get<QPushButton>("pb_uniform")->isVisible())
            click(centralNames[right ? button : 0]);
        if (get<QPushButton>("pb_pos0")->isVisible())
            click(qPrintable(QStringLiteral("pb_pos%1").arg(right ? target : 0)));
        step("sequence6");
    }
    // The button that names the difference of the figure pair on screen.
    int shownButton() const
    {
        QList<QWidget *> shown;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const QByteArray cls = w->metaObject()->className();
            if (w->isVisible() && cls.contains("Rectangle"))
                shown << w;
        }
        for (QWidget *w : shown) {
            const QByteArray cls = w->metaObject()->className();
            if (cls == "DrawRoundedRectangle")
                return 1;
            if (cls == "DrawGrayRectangle")
                return 2;
            if (w->width() > w->height())
                return 3;
        }
        return shown.size() == 2 && shown[0]->height() != shown[1]->height() ? 4 : 0;
    }
    // The position of the arrow turned toward the centre.
    int inwardArrow() const
    {
        const auto arrows = window->findChildren<DrawArrowPeriph *>();
        for (int i = 0; i < arrows.size(); ++i) {
            if (int(arrows[i]->angle) != RecognitionAnswer::positionAngle(i))
                return i;
        }
        return 0;
    }
    QList<QByteArray> logRows() const
    {
        QList<QByteArray> rows = tree.read("Results/output.csv").split('\n');
        rows.removeFirst();
        rows.removeAll(QByteArray());
        return rows;
    }
    QList<QByteArray> patient() const { return fields(tree.read("Parameters/patients_list.txt").trimmed()); }
};
} // namespace

class TestTest1Flow : public QObject
{
    Q_OBJECT

private slots:
    void start_data();
    void start();
    void stimulusSizes_data();
    void stimulusSizes();
    void pauseAndErrorKeys_data();
    void pauseAndErrorKeys();
    void answers_data();
    void answers();
    void instructionsOnly_data();
    void instructionsOnly();
    void batteryTakesEachSubtaskOncePerThree();
    void escapeKeepsCounterWritesTraining();
    void realTimersRunATrial();
};

void TestTest1Flow::start_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("withTraining");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("horzPitch");
    QTest::addColumn<QString>("refusal");          // empty: the run starts
    QTest::addColumn<QStringList>("exposures");    // shown for central, peripheral, dual
    const QString untrained = QStringLiteral("Unable to start!\nPlease undergo training!");
    QTest::newRow("battery, peripheral untrained") << 0 << false << QByteArray("80;0;250") << 250 << untrained
                                                   << QStringList();
    QTest::newRow("peripheral, untrained") << 2 << false << QByteArray("80;0;250") << 250 << untrained
                                           << QStringList();
    QTest::newRow("peripheral only matters") << 2 << false << QByteArray("0;150;0") << 250 << QString()
                                             << QStringList{"0", "150", "0"};
    QTest::newRow("training restarts at 1133 and 4633") << 0 << true << QByteArray("80;0;250") << 250 << QString()
                                                        << QStringList{"1133", "4633", "1133"};
    QTest::newRow("uncalibrated screen") << 1 << false << QByteArray("80;150;250") << 0
                                         << QStringLiteral("The screen is not calibrated.\nPlease calibrate it "
                                                           "first (Preferences).")
                                         << QStringList();
}

void TestTest1Flow::start()
{
    QFETCH(int, mode);
    QFETCH(bool, withTraining);
    QFETCH(QByteArray, stored);
    QFETCH(int, horzPitch);
    QFETCH(QString, refusal);
    QFETCH(QStringList, exposures);
    Run run(stored, horzPitch);
    run.start(mode, withTraining);
    QTRY_COMPARE(run.boxes.texts, refusal.isEmpty() ? QStringList() : QStringList{refusal});
    QCOMPARE(run.window->isVisible(), refusal.isEmpty());
    QCOMPARE(run.context.isEscapeSeq(), !refusal.isEmpty());
    QCOMPARE(run.get<QPushButton>("pb_go")->isVisible(), refusal.isEmpty());
    if (!refusal.isEmpty()) {
        QCOMPARE(run.tree.read("Parameters/patients_list.txt"), Run::record(stored));
        return;
    }
    QCOMPARE((QStringList{run.get<QLineEdit>("le_timer02_S1")->text(), run.get<QLineEdit>("le_timer02_S2")->text(),
                          run.get<QLineEdit>("le_timer02_S3")->text()}),
             exposures);
    QCOMPARE(run.get<QLabel>("lbl_mode")->isVisible(), withTraining);
}

void TestTest1Flow::stimulusSizes_data()
{
    QTest::addColumn<int>("horzPitch");
    QTest::addColumn<QList<QSize>>("sizes");   // normal, turned, smaller figure, arrow
    QTest::newRow("0.25 mm pixels") << 250 << QList<QSize>{{56, 62}, {62, 56}, {51, 56}, {150, 150}};
    // 0.2 mm wide pixels: arrows 187.5 pixels wide, an exact half, rounded down.
    QTest::newRow("arrow width 187.5") << 200 << QList<QSize>{{70, 62}, {62, 70}, {64, 56}, {187, 150}};
}

void TestTest1Flow::stimulusSizes()
{
    QFETCH(int, horzPitch);
    QFETCH(QList<QSize>, sizes);
    Run run("80;150;250", horzPitch);
    run.start(3);
    QList<QSize> normal, arrows;
    for (QWidget *w : run.window->findChildren<QWidget *>()) {
        const QByteArray cls = w->metaObject()->className();
        if (cls == "DrawArrowPeriph")
            arrows << w->size();
        if (cls == "DrawRectangle" || cls == "DrawGrayRectangle" || cls == "DrawRoundedRectangle")
            normal << w->size();
    }
    QCOMPARE(arrows, QList<QSize>(6, sizes[3]));
    QCOMPARE(normal.count(sizes[0]), 6);   // normal, grey and rounded, left and right
    QCOMPARE(normal.count(sizes[1]), 2);
    QCOMPARE(normal.count(sizes[2]), 2);
}

void TestTest1Flow::pauseAndErrorKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("stages");   // steps taken: 1 stimulus … 4 answer buttons
    QTest::addColumn<bool>("takesEffect");
    for (int key : {int(Qt::Key_P), int(Qt::Key_E)}) {
        const char *name = key == Qt::Key_P ? "P" : "E";
        QTest::addRow("%s during the stimulus", name) << key << 1 << false;
        QTest::addRow("%s during the mask", name) << key << 2 << false;
        QTest::addRow("%s while the answer is awaited", name) << key << 4 << true;
    }
}

// E and P act only while the answer is awaited; the trial after "Continue" shows the same
// subtask, figure pair and target.
void TestTest1Flow::pauseAndErrorKeys()
{
    QFETCH(int, key);
    QFETCH(int, stages);
    QFETCH(bool, takesEffect);
    Run run;
    run.start(3);
    run.click("pb_go");
    run.toStage(stages);
    run.key(Qt::Key(key));
    QCOMPARE(run.get<QPushButton>("pb_continue")->isVisible(), takesEffect);
    if (!takesEffect) {
        QCOMPARE(run.logRows(), QList<QByteArray>());
        return;
    }
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 1);
    if (key == Qt::Key_P) {
        QCOMPARE(rows[0], QByteArray(";Mrs.;Zeller;Anna;05/06/1944;paused"));
    } else {
        const auto f = fields(rows[0]);
        QCOMPARE(f.size(), 30);
        // Counted as missed, not as a trial: rank 0, no answers, error 1.
        QCOMPARE(f.mid(9, 11), (QList<QByteArray>{"3", "0", "0", "250", f[13], "", f[15], "", "0", "", "0"}));
        QVERIFY(!f[13].isEmpty() && !f[15].isEmpty());
        QCOMPARE(f[29], QByteArray("1"));
    }
    run.click("pb_continue");
    run.anyTrial();
    const auto retry = fields(run.logRows().constLast());
    QCOMPARE(retry.mid(9, 3), (QList<QByteArray>{"3", "1", "1"}));
    if (key == Qt::Key_E)
        QCOMPARE((QList<QByteArray>{retry[13], retry[15]}), (QList<QByteArray>{fields(rows[0])[13], fields(rows[0])[15]}));
}

void TestTest1Flow::answers_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("clicks");   // button names, in order
    QTest::newRow("peripheral") << 2 << QStringList{"pb_pos3"};
    QTest::newRow("central") << 1 << QStringList{"pb_size"};
    QTest::newRow("dual, position first") << 3 << QStringList{"pb_pos1", "pb_shape"};
    QTest::newRow("dual, central first") << 3 << QStringList{"pb_contrast", "pb_pos4"};
}

// Only the subtask's buttons appear, each half is answered once in any order, and the row's
// answer code and the staircase's step follow from the logged texts.
void TestTest1Flow::answers()
{
    QFETCH(int, mode);
    QFETCH(QStringList, clicks);
    Run run;
    run.start(mode);
    run.click("pb_go");
    run.toStage(4);
    for (const char *name : centralNames)
        QCOMPARE(run.get<QPushButton>(name)->isVisible(), mode != 2);
    QCOMPARE(run.get<QPushButton>("pb_pos0")->isVisible(), mode != 1);
    for (const QString &name : clicks) {
        QVERIFY(run.get<QPushButton>(qPrintable(name))->isVisible());
        run.click(qPrintable(name));
        QVERIFY(!run.get<QPushButton>(qPrintable(name))->isVisible());
    }
    run.step("sequence6");
    const auto f = fields(run.logRows().value(0));
    QCOMPARE(f.size(), 30);
    QCOMPARE(f[9], QByteArray::number(mode));
    QCOMPARE(f.mid(10, 3), (QList<QByteArray>{"1", "1", mode == 1 ? "80" : mode == 2 ? "150" : "250"}));
    QCOMPARE(f[13].isEmpty() && f[14].isEmpty(), mode == 2);
    QCOMPARE(f[15].isEmpty() && f[16].isEmpty(), mode == 1);
    const bool centralWrong = !f[13].isEmpty() && !f[13].startsWith(f[14]);
    const bool positionWrong = f[15] != f[16];
    QCOMPARE(f[18].toInt(), (centralWrong ? 1 : 0) + (positionWrong ? 2 : 0));
    QCOMPARE(f[19], QByteArray("0"));
    QCOMPARE(f[29], QByteArray("0"));
    // Entry level of 80, 150, 250 ms at 60 Hz: 6, 8, 10; one down when right, one up when wrong.
    const int entry = mode == 1 ? 6 : mode == 2 ? 8 : 10;
    const int level = entry + (centralWrong || positionWrong ? 1 : -1);
    static const int fine[] = {17, 17, 33, 33, 50, 67, 83, 117, 150, 217, 283, 367};
    QCOMPARE(run.get<QLineEdit>(mode == 1 ? "le_timer02_S1" : mode == 2 ? "le_timer02_S2" : "le_timer02_S3")->text(),
             QString::number(fine[level]));
}

void TestTest1Flow::instructionsOnly_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("clicks");
    QTest::newRow("battery: three subtasks") << 0 << 14;
    QTest::newRow("central") << 1 << 5;
    QTest::newRow("peripheral") << 2 << 4;
    QTest::newRow("dual") << 3 << 4;
}

// Title, chart (central), demonstration, example and practice per subtask, then the window
// closes; the practice answers are not scored and nothing reaches a file.
void TestTest1Flow::instructionsOnly()
{
    QFETCH(int, mode);
    QFETCH(int, clicks);
    Run run;
    run.window->goTest1(mode, true, false, false, false);
    int clicked = 0;
    bool practised = false;
    for (int i = 0; i < 60 && run.window->isVisible(); ++i) {
        if (!run.get<QPushButton>("pb_next")->isVisible()) {
            run.step("i_sequence7");   // the practice stimulus ends, then the mask
            run.step("i_sequence8");
            // One practice answer: it starts the next practice trial.
            if (!practised)
                run.click(run.get<QPushButton>("pb_uniform")->isVisible() ? "pb_shape" : "pb_pos2");
            practised = true;
            continue;
        }
        practised = false;
        QCOMPARE(run.get<QLabel>("lbl_mode")->text(), QStringLiteral("INSTRUCTIONS"));
        run.key(Qt::Key_E);
        run.click("pb_next");
        ++clicked;
    }
    QVERIFY(!run.window->isVisible());
    QCOMPARE(clicked, clicks);
    QVERIFY(run.context.isEscapeSeq());
    QCOMPARE(run.tree.read("Results/output.csv"), logHeader);
    QCOMPARE(run.tree.read("Parameters/patients_list.txt"), Run::record("80;150;250"));
}

void TestTest1Flow::batteryTakesEachSubtaskOncePerThree()
{
    Run run;
    run.start(0);
    run.click("pb_go");
    QList<int> order;
    for (int trial = 0; trial < 12; ++trial) {
        order << run.subtask();
        run.anyTrial();
    }
    for (int block = 0; block < 4; ++block) {
        QList<int> three = order.mid(3 * block, 3);
        std::sort(three.begin(), three.end());
        QCOMPARE(three, (QList<int>{1, 2, 3}));
    }
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 12);
    QCOMPARE(fields(rows[11]).mid(5, 2), (QList<QByteArray>{"1", "5"}));
    QCOMPARE(fields(rows[11])[10], QByteArray("12"));
}

// Escape in the middle of training: the session is not counted, the training values are
// written (the trained central exposure, 0 for a subtask whose training never passed).
void TestTest1Flow::escapeKeepsCounterWritesTraining()
{
    Run run("80;0;250");
    run.start(0, true);
    run.click("pb_go");
    for (int trial = 0; trial < 10; ++trial)
        run.anyTrial(true);
    // The central block is over; the peripheral one waits for "GO".
    QVERIFY(run.get<QPushButton>("pb_go")->isVisible());
    const QString central = run.get<QLineEdit>("le_timer02_S1")->text();
    QVERIFY(central.toInt() < 1133);
    run.key(Qt::Key_Escape);
    QVERIFY(!run.window->isVisible());
    QVERIFY(run.context.isEscapeSeq());
    QCOMPARE(run.patient().mid(4, 10), (QList<QByteArray>{"4", "0", "0", "0", "2", "3", "1", central.toLatin1(), "0",
                                                            "250"}));
    QCOMPARE(run.tree.read("Results/output.csv"), logHeader);
}

void TestTest1Flow::realTimersRunATrial()
{
    Run run;
    run.start(1);
    run.get<QLineEdit>("le_timer01")->setText(QStringLiteral("50"));
    emit run.get<QLineEdit>("le_timer01")->editingFinished();
    run.click("pb_go");
    auto *uniform = run.get<QPushButton>("pb_uniform");
    QTRY_VERIFY_WITH_TIMEOUT(uniform->isVisible(), 3000);
    run.click("pb_size");
    QTRY_COMPARE_WITH_TIMEOUT(run.logRows().size(), 1, 3000);
    const auto f = fields(run.logRows()[0]);
    QVERIFY2(f[17].toInt() >= 0 && f[17].toInt() < 500, f[17].constData());
}

QTEST_MAIN(TestTest1Flow)
#include "tst_test1flow.moc"
