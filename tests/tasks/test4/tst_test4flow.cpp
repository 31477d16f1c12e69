#include <QtTest>

#include "app/kestrova.h"
#include "calibration/calibration.h"
#include "context/sharedcontext.h"
#include "installedtree.h"
#include "messageboxcatcher.h"
#include "recomputememory.h"
#include "support/recordheaders.h"
#include "tasks/test4/test4.h"
#include "widgetlookup.h"

namespace {
const QByteArray logHeader = QByteArray(RecordHeaders::trialLog) + '\n';
const QByteArray patientRecord = "Mr.;Roux;Paul;17.09.1948;0;0;0;2;0;0;0;0;0;0\r\n";
const QString patientKey = QStringLiteral("Roux Paul 17.09.1948");
const QByteArray pausedRow = ";Mr.;Roux;Paul;17/09/1948;paused";

QList<QByteArray> fields(const QByteArray &row) { return row.split(';'); }

QPoint centreOf(const QWidget *w) { return w->geometry().topLeft() + QPoint(w->width() / 2, w->height() / 2); }

// An installation with one patient chosen on a screen of 0.25 mm pixels (both rulers), the
// session of the working memory task raised to 3, and the task window.
struct Run
{
    InstalledTree tree;
    Calibration context;
    std::unique_ptr<Test4> window;
    QWidget *firstCross = nullptr;
    QWidget *laterCross = nullptr;
    QPoint first, last;   // centres of the first and the last cross of the current series

    Run()
    {
        tree.write("Results/output.csv", logHeader);
        tree.write("Parameters/patients_list.txt", patientRecord);
        SharedContext::instance().screen.horzPitch = 250;
        SharedContext::instance().screen.vertPitch = 125;
        context.setPatientName(patientKey);
        context.setGender(QStringLiteral("Mr."));
        context.setLastName(QStringLiteral("Roux"));
        context.setFirstName(QStringLiteral("Paul"));
        context.setDob(QDate(1948, 9, 17));
        context.setSessionNb_T4(3);
        window = std::make_unique<Test4>();
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (qstrcmp(w->metaObject()->className(), "DrawCrossThick") == 0)
                (firstCross ? laterCross : firstCross) = w;
        }
    }
    template <typename T>
    T *get(const char *name) const { return child<T>(*window, name); }
    void go(int number = 30)
    {
        window->goTest4(false, false, true);
        if (number != 30)
            setField("le_number", QString::number(number));
        QTest::mouseClick(get<QPushButton>("pb_go"), Qt::LeftButton);
    }
    void step(const char *slot) { QVERIFY(QMetaObject::invokeMethod(window.get(), slot)); }
    void key(Qt::Key key) { QTest::keyClick(window.get(), key); }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(window.get(), button, {}, at); }
    bool prompt(const char *name) const { return get<QLabel>(name)->isVisible(); }
    // Shows the series up to `crosses` crosses (all: up to the answer phase); returns how many
    // crosses it showed, and the sectors of the first and of each later cross.
    int series(QList<int> *sectors = nullptr, int crosses = 99)
    {
        step("sequence1");
        int shown = 1;
        first = last = centreOf(firstCross);
        if (sectors)
            *sectors = {get<QLineEdit>("le_posFirst")->text().toInt()};
        while (shown < crosses) {
            step("sequence2");
            step("sequence3");
            if (prompt("lbl_lastCross"))
                break;
            ++shown;
            last = centreOf(laterCross);
            if (sectors)
                sectors->append(get<QLineEdit>("le_posLast")->text().toInt());
        }
        return shown;
    }
    void answer(QPoint lastOffset = {}, QPoint firstOffset = {})
    {
        click(last + lastOffset);
        click(first + firstOffset);
    }
    void validTrial()
    {
        series();
        answer();
        step("sequence5");
    }
    void resume() { QTest::mouseClick(get<QPushButton>("pb_continue"), Qt::LeftButton); }
    QList<QByteArray> logRows() const
    {
        QList<QByteArray> rows = tree.read("Results/output.csv").split('\n');
        rows.removeFirst();
        rows.removeAll(QByteArray());
        return rows;
    }
    void setField(const char *name, const QString &text)
    {
        auto *field = get<QLineEdit>(name);
        field->setText(text);
        emit field->editingFinished();
    }
};
} // namespace

class TestTest4Flow : public QObject
{
    Q_OBJECT

private slots:
    void crossesPerLoad();
    void ignoredClicks_data();
    void ignoredClicks();
    void answerOverThePanel();
    void keysWhenAllowed_data();
    void keysWhenAllowed();
    void pauseRestartsTrial_data();
    void pauseRestartsTrial();
    void errorTrialRepeated();
    void distancesLogged_data();
    void distancesLogged();
    void runLengths_data();
    void runLengths();
    void phasePlans_data();
    void phasePlans();
    void realTimersRunATrial();
    void sessionCountingBothWays();
    void uncalibratedScreenRefused();
};

// Two crosses at load 0 up to seven at load 5, each load once per block of six; the later
// crosses keep away from the first cross's sector and its neighbours and from each other.
void TestTest4Flow::crossesPerLoad()
{
    Run run;
    run.go();
    QSet<int> loads;
    for (int trial = 0; trial < 12; ++trial) {
        QList<int> sectors;
        const int shown = run.series(&sectors);
        run.answer();
        run.step("sequence5");
        const auto row = fields(run.logRows().value(trial));
        const int load = row.value(9).toInt();
        QCOMPARE(shown, load + 2);
        QCOMPARE(row.value(27).toInt(), sectors.first());
        QCOMPARE(row.value(28).toInt(), sectors.last());
        for (int later : sectors.mid(1))
            QVERIFY2(qAbs((later - sectors[0] + 12) % 12 - 6) <= 4, qPrintable(QString::number(later)));
        QCOMPARE(QSet<int>(sectors.begin(), sectors.end()).size(), shown);
        loads.insert(load);
        if (trial % 6 == 5) {
            QCOMPARE(loads, (QSet<int>{0, 1, 2, 3, 4, 5}));
            loads.clear();
        }
    }
}

void TestTest4Flow::ignoredClicks_data()
{
    QTest::addColumn<int>("stage");   // 0 waiting for "Continue", 2 cross, 3 blank, 4 answer, 5 answers shown
    QTest::addColumn<int>("button");
    QTest::newRow("right button in the answer phase") << 4 << int(Qt::RightButton);
    QTest::newRow("during a cross") << 2 << int(Qt::LeftButton);
    QTest::newRow("during a blank") << 3 << int(Qt::LeftButton);
    QTest::newRow("a third click") << 5 << int(Qt::LeftButton);
    QTest::newRow("waiting for Continue") << 0 << int(Qt::LeftButton);
}

void TestTest4Flow::ignoredClicks()
{
    QFETCH(int, stage);
    QFETCH(int, button);
    Run run;
    run.go();
    if (stage == 0) {
        run.series();
        run.key(Qt::Key_E);
    } else {
        run.series(nullptr, stage == 4 || stage == 5 ? 99 : 2);
        if (stage == 3)
            run.step("sequence2");
        if (stage == 5)
            run.answer();
    }
    const QString first = run.get<QLineEdit>("le_distFirst")->text();
    run.click(run.first + QPoint(40, 0), Qt::MouseButton(button));
    QCOMPARE(run.get<QLineEdit>("le_distFirst")->text(), first);
    QCOMPARE(run.get<QLineEdit>("le_distLast")->text().isEmpty(), stage != 5);
    if (stage == 4)
        QVERIFY(run.prompt("lbl_lastCross"));
}

// The parameter panel reaches into the ring's top on smaller screens: a click there in the
// answer phase is still an answer.
void TestTest4Flow::answerOverThePanel()
{
    Run run;
    run.go();
    run.series();
    // Through the window system, which gives the press to the widget under it.
    QTest::mouseClick(run.window->windowHandle(), Qt::LeftButton, {},
                      run.get<QLineEdit>("le_timer01")->geometry().center());
    QVERIFY(!run.get<QLineEdit>("le_distLast")->text().isEmpty());
}

void TestTest4Flow::keysWhenAllowed_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("stage");   // trial step: 0 waiting for "Continue" … 5 answers shown
    QTest::addColumn<bool>("takesEffect");
    for (int key : {int(Qt::Key_P), int(Qt::Key_E)}) {
        const char *name = key == Qt::Key_P ? "P" : "E";
        for (int stage = 0; stage <= 5; ++stage)
            QTest::addRow("%s at step %d", name, stage)
                << key << stage << (key == Qt::Key_P ? stage >= 1 && stage <= 4 : stage == 4);
    }
}

void TestTest4Flow::keysWhenAllowed()
{
    QFETCH(int, key);
    QFETCH(int, stage);
    QFETCH(bool, takesEffect);
    Run run;
    run.go();
    if (stage == 0) {
        run.validTrial();   // the next trial waits for "Continue"
    } else if (stage >= 2) {
        run.series(nullptr, stage >= 4 ? 99 : 1);
        if (stage == 3)
            run.step("sequence2");
        if (stage == 5)
            run.answer();
    }
    const int rowsBefore = int(run.logRows().size());
    run.key(Qt::Key(key));
    QCOMPARE(run.get<QPushButton>("pb_continue")->isVisible(), takesEffect || stage == 0);
    QCOMPARE(run.get<QLabel>("lbl_mode")->isVisible(), takesEffect);
    if (takesEffect)
        QCOMPARE(run.get<QLabel>("lbl_mode")->text(), key == Qt::Key_P ? "PAUSE" : "ERROR");
    const QList<QByteArray> added = run.logRows().mid(rowsBefore);
    QCOMPARE(added.size(), takesEffect ? 1 : 0);
    if (takesEffect && key == Qt::Key_P)
        QCOMPARE(added[0], pausedRow);
    // S shows and hides the ring and its sectors at any time.
    QWidget *ring = nullptr;
    for (QWidget *w : run.window->findChildren<QWidget *>())
        ring = qstrcmp(w->metaObject()->className(), "DrawLineSh") == 0 ? w : ring;
    run.key(Qt::Key_S);
    QVERIFY(ring->isVisible());
    run.key(Qt::Key_S);
    QVERIFY(!ring->isVisible());
}

void TestTest4Flow::pauseRestartsTrial_data()
{
    QTest::addColumn<bool>("inAnswerPhase");
    QTest::newRow("at the second cross") << false;
    QTest::newRow("after the first answer") << true;
}

// After a pause the trial starts again from a new first cross, takes no click before its new
// answer phase, and is logged once, validly, with the same load.
void TestTest4Flow::pauseRestartsTrial()
{
    QFETCH(bool, inAnswerPhase);
    Run run;
    run.go();
    if (inAnswerPhase) {
        run.series();
        run.click(run.last);
    } else {
        run.series(nullptr, 2);
    }
    run.key(Qt::Key_P);
    QVERIFY(!run.prompt("lbl_lastCross") && !run.prompt("lbl_firstCross"));
    run.resume();
    run.click(run.last);
    run.click(run.first);
    QVERIFY(!run.firstCross->isVisible() && !run.laterCross->isVisible());
    const int shown = run.series();
    run.answer();
    run.step("sequence5");
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0], pausedRow);
    const auto row = fields(rows[1]);
    QCOMPARE(shown, row[9].toInt() + 2);
    QCOMPARE(row.mid(10, 1), QList<QByteArray>{"1"});
    QCOMPARE(row.mid(25, 2), (QList<QByteArray>{"    1.00", "    1.00"}));
    QCOMPARE(row[29], QByteArray("0"));
}

// A trial marked with E is logged without distances and presented again with the same load.
void TestTest4Flow::errorTrialRepeated()
{
    Run run;
    run.go();
    run.series();
    run.key(Qt::Key_E);
    QVERIFY(run.get<QPushButton>("pb_continue")->isVisible());
    run.resume();
    run.validTrial();
    const auto rows = run.logRows();
    QCOMPARE(rows.size(), 2);
    const auto error = fields(rows[0]);
    const auto retry = fields(rows[1]);
    QCOMPARE(error.size(), 30);
    QCOMPARE(error.mid(25, 2), (QList<QByteArray>{"", ""}));
    QVERIFY(error[27].toInt() >= 1 && error[28].toInt() >= 1);
    QCOMPARE(error[29], QByteArray("1"));
    QCOMPARE(retry.mid(9, 2), error.mid(9, 2));   // same load, same rank
    QCOMPARE(retry[29], QByteArray("0"));
}

void TestTest4Flow::distancesLogged_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QPoint>("offset");   // of both answers, pixels of 0.25 mm
    QTest::addColumn<QByteArray>("logged");
    QTest::newRow("on the centre") << "C" << QPoint(0, 0) << QByteArray("    1.00");
    QTest::newRow("comma, right-aligned") << "fr_FR" << QPoint(49, 0) << QByteArray("   12,25");
    QTest::newRow("vertical pixels") << "de_DE" << QPoint(0, -40) << QByteArray("   10,00");
}

void TestTest4Flow::distancesLogged()
{
    QFETCH(QString, locale);
    QFETCH(QPoint, offset);
    QFETCH(QByteArray, logged);
    QLocale::setDefault(QLocale(locale));
    Run run;
    run.go();
    run.series();
    run.answer(offset, offset);
    run.step("sequence5");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(fields(run.logRows().value(0)).mid(25, 2), (QList<QByteArray>{logged, logged}));
}

void TestTest4Flow::runLengths_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("8 valid trials") << 8;
    QTest::newRow("35 valid trials") << 35;
}

// A run of another length than 30 ends after its number of valid trials and files measures
// equal to a recomputation from its logged distances.
void TestTest4Flow::runLengths()
{
    QFETCH(int, number);
    Run run;
    run.go(number);
    std::vector<double> first, last;
    std::vector<int> loads;
    for (int trial = 0; trial < number; ++trial) {
        run.series();
        if (trial == 3) {   // one error trial, marked with E, then the trial again
            run.key(Qt::Key_E);
            run.resume();
            run.series();
        }
        run.answer(QPoint(trial % 7 * 9, 12), QPoint(-30 - trial % 5 * 11, trial % 3 * 20));
        run.step("sequence5");
    }
    QVERIFY(run.get<QPushButton>("pb_results")->isVisible());
    for (const QByteArray &row : run.logRows()) {
        const auto f = fields(row);
        if (f[29] == "1")
            continue;
        first.push_back(f[25].trimmed().toDouble());
        last.push_back(f[26].trimmed().toDouble());
        loads.push_back(f[9].toInt());
    }
    QCOMPARE(int(first.size()), number);
    const auto result = fields(run.tree.read("Results/results_T4.csv").split('\n').value(1));
    QCOMPARE(result.size(), 19);
    QCOMPARE(result[10].toInt(), number);
    const RecomputedMemory m(first, last, loads, 1);
    const double want[] = {m.averageFirst, m.averageLast, m.loadSlope, m.loadIntercept, m.loadR2,
                           m.learningSlope, m.learningR2, m.errorPercent};
    for (int i = 0; i < 8; ++i) {
        // The log holds the distances to 0.01 mm.
        const double tolerance = i == 4 || i == 6 ? 2e-2 : 2e-3 * std::max(1.0, std::fabs(want[i]));
        QVERIFY2(std::fabs(result[11 + i].toDouble() - want[i]) < tolerance,
                 qPrintable(QStringLiteral("%1: %2 against %3").arg(i).arg(result[11 + i].constData()).arg(want[i])));
    }
}

void TestTest4Flow::phasePlans_data()
{
    QTest::addColumn<bool>("withInstr");
    QTest::addColumn<bool>("withTrain");
    QTest::newRow("instructions only") << true << false;
    QTest::newRow("training") << false << true;
    QTest::newRow("instructions and training") << true << true;
}

// The worked example takes seven presses of "Continue"; training runs 3 trials that reach no
// file; without training the task then closes uncounted.
void TestTest4Flow::phasePlans()
{
    QFETCH(bool, withInstr);
    QFETCH(bool, withTrain);
    Run run;
    run.window->goTest4(withInstr, withTrain, false);
    auto *phase = run.get<QLabel>("lbl_mode");
    for (int click = 0; withInstr && click < 7; ++click) {
        QCOMPARE(phase->text(), QStringLiteral("INSTRUCTIONS"));
        QVERIFY(run.window->isVisible());
        QTest::mouseClick(run.get<QPushButton>("pb_next"), Qt::LeftButton);
        if (click == 4)
            QVERIFY(run.prompt("lbl_lastCross"));
    }
    if (!withTrain) {
        QVERIFY(!run.window->isVisible());
        QVERIFY(run.context.isEscapeSeq());
        QCOMPARE(run.tree.read("Results/output.csv"), logHeader);
        return;
    }
    QCOMPARE(phase->text(), QStringLiteral("TRAINING"));
    QTest::mouseClick(run.get<QPushButton>("pb_go"), Qt::LeftButton);
    for (int trial = 0; trial < 3; ++trial)
        run.validTrial();
    QVERIFY(run.get<QPushButton>("pb_go")->isVisible() && !phase->isVisible());
    QCOMPARE(run.tree.read("Results/output.csv"), logHeader);
    QCOMPARE(run.get<QLineEdit>("le_number")->text(), QStringLiteral("30"));
}

// The chain on its own timers: delay, crosses and blanks arrive by themselves, each stamped on
// the trial's clock for about its nominal time.
void TestTest4Flow::realTimersRunATrial()
{
    Run run;
    run.window->goTest4(false, false, true);
    run.setField("le_timer01", QStringLiteral("50"));
    run.setField("le_timer02", QStringLiteral("80"));
    run.setField("le_timer03", QStringLiteral("60"));
    QTest::mouseClick(run.get<QPushButton>("pb_go"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(run.prompt("lbl_lastCross"), 3000);
    int crosses = 0;
    for (const TaskWindow::StimulusSpan &span : run.window->stimulusSpans()) {
        crosses += span.label == "cross";
        QVERIFY2(span.offsetNs > span.onsetNs && std::fabs(span.errorMs()) < 20, span.label.constData());
    }
    QVERIFY(crosses >= 2 && crosses <= 7);
    QCOMPARE(run.window->stimulusSpans().size(), 2 * crosses);
}

// The main window raises the counter when the task starts; Escape restores the stored value
// within the 200 ms poll, a completed run keeps it.
void TestTest4Flow::sessionCountingBothWays()
{
    InstalledTree tree;
    tree.write("Parameters/patients_list.txt", patientRecord);
    ScreenParams screen;
    screen.horzPitch = 250;
    screen.vertPitch = 125;
    QVERIFY(screen.write(tree.path("Parameters/screen.pix"), nullptr));
    Kestrova main;
    auto *combo = child<QComboBox>(main, "cob_patientName");
    QTRY_VERIFY_WITH_TIMEOUT(combo->isEnabled(), 2000);
    combo->setCurrentIndex(combo->findText(patientKey));
    emit combo->activated(combo->currentIndex());
    child<QCheckBox>(main, "cb_withInstruction")->setChecked(false);
    child<QCheckBox>(main, "cb_withTraining")->setChecked(false);
    auto *box = child<QLineEdit>(main, "le_session4");
    QCOMPARE(box->text(), QStringLiteral("2"));

    QTest::mouseClick(child<QPushButton>(main, "pb_test4"), Qt::LeftButton);
    Test4 *task = main.findChild<Test4 *>();
    QVERIFY(task && task->isVisible());
    QCOMPARE(box->text(), QStringLiteral("3"));
    QTest::keyClick(task, Qt::Key_Escape);
    QTRY_COMPARE_WITH_TIMEOUT(box->text(), QStringLiteral("2"), 400);

    QTest::mouseClick(child<QPushButton>(main, "pb_test4"), Qt::LeftButton);
    auto *number = child<QLineEdit>(*task, "le_number");
    number->setText(QStringLiteral("1"));
    emit number->editingFinished();
    QTest::mouseClick(child<QPushButton>(*task, "pb_go"), Qt::LeftButton);
    QVERIFY(QMetaObject::invokeMethod(task, "sequence1"));
    while (!child<QLabel>(*task, "lbl_lastCross")->isVisible()) {
        QVERIFY(QMetaObject::invokeMethod(task, "sequence2"));
        QVERIFY(QMetaObject::invokeMethod(task, "sequence3"));
    }
    QTest::mouseClick(task, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(task, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(QMetaObject::invokeMethod(task, "sequence5"));
    QVERIFY(child<QPushButton>(*task, "pb_mainMenu")->isVisible());
    QTest::qWait(400);
    QCOMPARE(box->text(), QStringLiteral("3"));
    QVERIFY(tree.read("Parameters/patients_list.txt").startsWith("Mr.;Roux;Paul;17.09.1948;0;0;0;3;"));
}

// Without a calibration no distance can be measured: the assessor is told and nothing runs.
void TestTest4Flow::uncalibratedScreenRefused()
{
    Run run;
    SharedContext::instance().screen.vertPitch = 0;
    MessageBoxCatcher boxes;
    run.window->goTest4(false, false, false);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 2000);
    QCOMPARE(boxes.titles.value(0), QStringLiteral("Error"));
    QVERIFY(!run.window->isVisible());
    QVERIFY(run.context.isEscapeSeq());
    QCOMPARE(run.tree.read("Results/output.csv"), logHeader);
}

QTEST_MAIN(TestTest4Flow)
#include "tst_test4flow.moc"
