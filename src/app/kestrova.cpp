#include "app/kestrova.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include "calibration/calibration.h"
#include "calibration/preferences.h"
#include "context/paths.h"
#include "context/sharedcontext.h"
#include "documents/webviewer.h"
#include "patients/assessor.h"
#include "patients/assessorfile.h"
#include "patients/newpatient.h"
#include "patients/patientlist.h"
#include "reports/result.h"
#include "support/taskrecords.h"
#include "tasks/test1/test1.h"
#include "tasks/test2/test2.h"
#include "tasks/test3/test3.h"
#include "tasks/test4/test4.h"

Kestrova::Kestrova(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);
    ui.lbl_versionNb->setText(QStringLiteral("1.1"));

    cal = new Calibration(this);
    test4 = new Test4(this);
    test1 = new Test1(this);
    test2 = new Test2(this);
    test3 = new Test3(this);
    newPatient = new NewPatient(this);
    assessor = new Assessor(this);
    timer1 = new QTimer(this);
    timerCal = new QTimer(this);
    webViewer = new WebViewer(this);
    preferences = new Preferences(this);

    connect(ui.cob_patientName, &QComboBox::activated, this, &Kestrova::toCob_patientName);
    connect(timer1, &QTimer::timeout, this, &Kestrova::to_timer1);
    connect(timerCal, &QTimer::timeout, this, &Kestrova::to_timerCal);
    connect(ui.pb_test1, &QPushButton::clicked, this, &Kestrova::toTest1);
    connect(ui.pb_test2, &QPushButton::clicked, this, &Kestrova::toTest2);
    connect(ui.pb_test3, &QPushButton::clicked, this, &Kestrova::toTest3);
    connect(ui.pb_test4, &QPushButton::clicked, this, &Kestrova::toTest4);
    connect(ui.pb_test5, &QPushButton::clicked, this, &Kestrova::toTest5);
    connect(ui.pb_test6, &QPushButton::clicked, this, &Kestrova::toTest6);
    connect(ui.pb_test7, &QPushButton::clicked, this, &Kestrova::toTest7);
    connect(ui.actionQuitter, &QAction::triggered, this, &Kestrova::closeApp);
    connect(ui.actionPreferences, &QAction::triggered, this, &Kestrova::toPreferences);
    connect(ui.actionAdd_patient, &QAction::triggered, this, &Kestrova::toAdd_patient);
    connect(ui.actionAssessor, &QAction::triggered, this, &Kestrova::toAssessor);
    connect(ui.cb_subTask, &QCheckBox::stateChanged, this, &Kestrova::toSubTask);
    connect(ui.actionAbout_Kestrova, &QAction::triggered, this, &Kestrova::toAbout_Kestrova);
    connect(ui.actionPrevious_reports, &QAction::triggered, this, &Kestrova::toPrevious_reports);
    connect(ui.actionInstruction_book, &QAction::triggered, this, &Kestrova::toInstruction_book);
    connect(ui.actionVideo_instructions, &QAction::triggered, this, &Kestrova::toVideo_instructions);
    connect(ui.actionPublications, &QAction::triggered, this, &Kestrova::toPublications);

    for (const QString &folder : {Paths::archivesFolder, Paths::parametersFolder, Paths::resultsFolder}) {
        if (!QDir(folder).exists())
            QDir().mkdir(folder);
    }
    refreshAssessorLabels();
    ui.pb_test1->setFocus();
    createTrialLog();
    completeLeftRuns();
    loadPatientCombo();
    if (!ui.cb_subTask->isChecked())
        setSubTasksVisible(false);
    cal->setEscapeSeq(false);

    timer1->start(200);
    timerCal->start(500);
    if (!startUpWarnings.isEmpty() || !leftRuns.isEmpty())
        QTimer::singleShot(0, this, &Kestrova::tellStartUp);
}

void Kestrova::refreshAssessorLabels()
{
    const auto fields = AssessorFile::read(AssessorFile::standardPath());
    if (!fields)
        return;
    ui.lbl_name->setText(AssessorFile::displayName(*fields));
    ui.lbl_institution->setText(AssessorFile::institution(*fields));
}

// Only a missing trial log is created; one that exists is never emptied, even when it
// cannot be used.
void Kestrova::createTrialLog()
{
    QString error;
    if (!RunRecords::prepareTrialLog(&error))
        startUpWarnings << tr("Failed to open %1\n%2").arg(Paths::trialLogFile, error);
}

void Kestrova::completeLeftRuns()
{
    RunRecords records;
    leftRuns = records.completeLeftBehind();
    for (const RecordFailure &failure : records.takeFailures())
        startUpWarnings << TaskRecords::describe(failure);
    for (const LeftRun &left : leftRuns) {
        const PendingRun &run = left.run;
        auto *button = findChild<QPushButton *>(QStringLiteral("pb_test%1").arg(run.task));
        completedRuns << tr("%1, session %2 of %3, ended on %4")
                             .arg(button ? button->text() : QString::number(run.task))
                             .arg(run.report.session.session)
                             .arg(run.report.patientKey, run.ended.toString(QStringLiteral("dd.MM.yyyy hh:mm")));
    }
}

void Kestrova::tellStartUp()
{
    // The reports are filed while the assessor reads what was completed.
    fileNextLeftReport();
    if (!startUpWarnings.isEmpty())
        QMessageBox::warning(this, tr("Error"), startUpWarnings.join(QStringLiteral("\n\n")));
    if (!completedRuns.isEmpty())
        QMessageBox::information(this, tr("Completed run"),
                                 tr("A completed run had not been filed whole (Kestrova was stopped, or the run's "
                                    "report was not filed). It has now been filed:\n\n%1")
                                     .arg(completedRuns.join(QLatin1Char('\n'))));
}

void Kestrova::fileNextLeftReport()
{
    if (leftRuns.isEmpty())
        return;
    if (!leftReports) {
        leftReports = new Result(this);
        connect(leftReports, &Result::filed, this, [this](const QString &, bool ok) {
            const LeftRun left = leftRuns.takeFirst();
            if (ok && left.whole)
                RunRecords::removePending(left.run);
            fileNextLeftReport();
        });
    }
    leftReports->fileReport(leftRuns.first().run.report, false);
}

void Kestrova::loadPatientCombo()
{
    ui.cob_patientName->addItems(PatientList::standard().loadKeys());
    ui.cob_patientName->setCurrentIndex(-1);
    ui.cob_patientName->model()->sort(0, Qt::AscendingOrder);
}

void Kestrova::setSubTasksVisible(bool visible)
{
    for (QWidget *widget : {static_cast<QWidget *>(ui.pb_test5), static_cast<QWidget *>(ui.pb_test6),
                            static_cast<QWidget *>(ui.pb_test7), static_cast<QWidget *>(ui.le_session5),
                            static_cast<QWidget *>(ui.le_session6), static_cast<QWidget *>(ui.le_session7)})
        widget->setVisible(visible);
}

QLineEdit *Kestrova::sessionBox(int task) const
{
    QLineEdit *const boxes[SharedContext::taskCount] = {ui.le_session1, ui.le_session2, ui.le_session3,
                                                       ui.le_session4, ui.le_session5, ui.le_session6,
                                                       ui.le_session7};
    return boxes[task - 1];
}

void Kestrova::to_timerCal()
{
    timerCal->stop();
    if (QFile(Paths::join(Paths::parametersFolder, Paths::screenParamsFile)).open(QIODevice::ReadOnly))
        cal->goReadParam();
    ui.actionAdd_patient->setEnabled(true);
    ui.actionAssessor->setEnabled(true);
    ui.actionPreferences->setEnabled(true);
    ui.cob_patientName->setEnabled(true);
}

void Kestrova::toCob_patientName(int index)
{
    qDebug("patient index %d", index);
    for (QWidget *widget : {static_cast<QWidget *>(ui.cb_withInstruction),
                            static_cast<QWidget *>(ui.cb_withTraining),
                            static_cast<QWidget *>(ui.cb_fixedDuration),
                            static_cast<QWidget *>(ui.cb_parameters),
                            static_cast<QWidget *>(ui.cb_subTask)})
        widget->setEnabled(true);
    for (int task = 1; task <= SharedContext::taskCount; ++task) {
        findChild<QPushButton *>(QStringLiteral("pb_test%1").arg(task))->setEnabled(true);
        sessionBox(task)->setEnabled(true);
    }
    ui.actionPrevious_reports->setEnabled(true);

    const QString key = ui.cob_patientName->currentText();
    const auto record = PatientList::standard().find(key);
    cal->setPatientName(key);
    if (!record)
        return;
    const QStringList &fields = *record;
    cal->setGender(fields.at(0));
    cal->setLastName(fields.at(1));
    cal->setFirstName(fields.at(2));
    cal->setDob(QDate::fromString(fields.at(3), QStringLiteral("dd.MM.yyyy")));
    for (int task = 1; task <= SharedContext::taskCount; ++task) {
        const int field = PatientList::sessionField(task);
        sessionBox(task)->setText(field < fields.size() ? fields.at(field) : QString());
        cal->setSessionNb(task, PatientList::intField(fields, field));
    }
}

void Kestrova::raiseSessionCounter(int task)
{
    cal->setSessionNb(task, cal->isSessionNb(task) + 1);
    sessionBox(task)->setText(QString::number(cal->isSessionNb(task)));
}

// Each launch raises the task's counter; the task window then starts its run with the options.
void Kestrova::toTest1() { startRecognition(1, 0); }
void Kestrova::toTest2()
{
    raiseSessionCounter(2);
    test2->goTest2(0, ui.cb_withInstruction->isChecked(), ui.cb_withTraining->isChecked(),
                   ui.cb_parameters->isChecked(), ui.cb_fixedDuration->isChecked());
}
void Kestrova::toTest3()
{
    raiseSessionCounter(3);
    test3->goTest3(1, ui.cb_withInstruction->isChecked(), ui.cb_withTraining->isChecked(),
                   ui.cb_parameters->isChecked(), ui.cb_fixedDuration->isChecked());
}
void Kestrova::toTest4()
{
    raiseSessionCounter(4);
    test4->goTest4(ui.cb_withInstruction->isChecked(), ui.cb_withTraining->isChecked(), ui.cb_parameters->isChecked());
}
void Kestrova::toTest5() { startRecognition(5, 1); }
void Kestrova::toTest6() { startRecognition(6, 2); }
void Kestrova::toTest7() { startRecognition(7, 3); }

// The visual recognition battery (task 1, mode 0) and its three subtasks (tasks 5 to 7).
void Kestrova::startRecognition(int task, int mode)
{
    raiseSessionCounter(task);
    test1->goTest1(mode, ui.cb_withInstruction->isChecked(), ui.cb_withTraining->isChecked(),
                   ui.cb_parameters->isChecked(), ui.cb_fixedDuration->isChecked());
}

bool Kestrova::addNewPatient()
{
    cal->setNewPatient(false);
    newGender = cal->isGender();
    newLastName = cal->isLastName();
    newFirstName = cal->isFirstName();
    newDob = cal->isDob();
    newPatientKey = PatientList::displayKey(newLastName, newFirstName, newDob);

    QComboBox *combo = ui.cob_patientName;
    combo->addItem(newPatientKey);
    combo->setCurrentIndex(combo->count() - 1);
    combo->model()->sort(0, Qt::AscendingOrder);

    for (int task = 1; task <= SharedContext::taskCount; ++task) {
        sessionBox(task)->setText(QStringLiteral("0"));
        cal->setSessionNb(task, 0);
    }
    QString error;
    if (!PatientList::standard().append(newGender, newLastName, newFirstName, newDob, &error)) {
        QMessageBox::warning(this, tr("Error"),
                             tr("Failed to open %1\n%2").arg(Paths::patientsListFile, error));
        return false;
    }
    toCob_patientName(0);
    return true;
}

void Kestrova::to_timer1()
{
    // A failed append ends this tick; the other checks run at the next one.
    if (cal->isNewPatient() && !addNewPatient())
        return;
    if (cal->isEscapeSeq()) {
        toCob_patientName(0);
        for (int task = 1; task <= SharedContext::taskCount; ++task)
            sessionBox(task)->setText(QString::number(cal->isSessionNb(task)));
        cal->setEscapeSeq(false);
    }
    if (cal->isAssessor()) {
        cal->setAssessor(false);
        refreshAssessorLabels();
    }
    // A calibration entry was refused: start again from the horizontal ruler.
    if (cal->isPitchError()) {
        cal->setPitchError(false);
        cal->goCalibration();
    }
}

void Kestrova::closeApp()
{
    timer1->stop();
    timerCal->stop();
    close();
}

void Kestrova::toPreferences()
{
    preferences->goPreferences();
}

void Kestrova::toAdd_patient()
{
    newPatient->goNewPatient();
}

void Kestrova::toAssessor()
{
    assessor->goAssessor();
}

void Kestrova::toSubTask(int state)
{
    if (state == Qt::Unchecked)
        setSubTasksVisible(false);
    else if (state == Qt::Checked)
        setSubTasksVisible(true);
}

void Kestrova::toAbout_Kestrova()
{
    webViewer->goAbout();
}

void Kestrova::toVideo_instructions()
{
    webViewer->goVideo_instructions();
}

void Kestrova::toPublications()
{
    webViewer->goPublications();
}

// The instruction book is a PDF in the interface language, opened in the desktop's viewer.
void Kestrova::toInstruction_book()
{
    const QString book = QStringLiteral("Kestrova_Instruction-book.pdf");
    openPdf(Paths::documentPath(cal->isLanguage(), book), tr("Unable to find ") + book);
}

// Opens one of the current patient's filed reports, chosen in the patient's archive folder.
void Kestrova::toPrevious_reports()
{
    const QString folder = QDir::currentPath() + QStringLiteral("/") + Paths::archivesFolder + cal->isPatientName();
    const QString chosen =
        QFileDialog::getOpenFileName(this, tr("Ouvrir"), folder, tr("Previous reports (*.pdf)"));
    if (!chosen.isEmpty())
        openPdf(chosen, tr("Unable to open the file..."));
}

void Kestrova::openPdf(const QString &path, const QString &unreadable)
{
    const QString shown = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    // The desktop may accept a missing file and fail later out of sight, so the file is
    // checked here.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::critical(this, tr("Error"), QStringLiteral("%1\n%2\n%3").arg(unreadable, shown, file.errorString()));
        return;
    }
    file.close();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        QMessageBox::critical(this, tr("Error"), tr("No program to open PDF files is installed.") + QLatin1Char('\n') + shown);
}
