#pragma once

#include <QDate>
#include <QMainWindow>
#include <QString>

#include "support/runrecords.h"
#include "ui_kestrova.h"

class Assessor;
class Calibration;
class NewPatient;
class Preferences;
class QLineEdit;
class Result;
class QTimer;
class Test1;
class Test2;
class Test3;
class Test4;
class WebViewer;

// The main window: the assessor picks a patient and launches the tasks. Dialogs and task
// windows never call back; they raise flags in the shared context, which a 200 ms poll reads.
class Kestrova : public QMainWindow
{
    Q_OBJECT

public:
    explicit Kestrova(QWidget *parent = nullptr);

public slots:
    void toCob_patientName(int index);
    void to_timer1();
    void to_timerCal();
    void toTest1();
    void toTest2();
    void toTest3();
    void toTest4();
    void toTest5();
    void toTest6();
    void toTest7();
    void closeApp();
    void toAbout_Kestrova();
    void toPreferences();
    void toAdd_patient();
    void toAssessor();
    void toSubTask(int state);
    void toPrevious_reports();
    void toInstruction_book();
    void toVideo_instructions();
    void toPublications();

private:
    // Raises task N's session counter in the context and shows it beside its button; the
    // counter becomes permanent only when the task writes it into the patient list.
    void raiseSessionCounter(int task);
    void startRecognition(int task, int mode);
    QLineEdit *sessionBox(int task) const;
    void refreshAssessorLabels();
    void createTrialLog();
    // Start-up: finishes what a crash cut off (the "interrupted" row of a test block, the
    // files of a completed run), then tells the assessor once and files the runs' reports.
    void completeLeftRuns();
    void tellStartUp();
    void fileNextLeftReport();
    void loadPatientCombo();
    // Adds the patient handed over by the new-patient dialog; false when the list could not
    // be appended to.
    bool addNewPatient();
    void setSubTasksVisible(bool visible);
    // Hands a PDF to the desktop's viewer. When that cannot be done the assessor learns which
    // way: the file cannot be read (unreadable says so, then the file and the system's reason
    // follow), or the desktop has no program for PDF files.
    void openPdf(const QString &path, const QString &unreadable);

    Ui::KestrovaClass ui;
    Calibration *cal = nullptr;
    Test4 *test4 = nullptr;
    Test1 *test1 = nullptr;
    Test2 *test2 = nullptr;
    Test3 *test3 = nullptr;
    NewPatient *newPatient = nullptr;
    Assessor *assessor = nullptr;
    QTimer *timer1 = nullptr;
    QTimer *timerCal = nullptr;
    WebViewer *webViewer = nullptr;
    Preferences *preferences = nullptr;
    // Files the reports of runs completed at start-up, one after the other.
    Result *leftReports = nullptr;
    QList<LeftRun> leftRuns;
    QStringList startUpWarnings;
    QStringList completedRuns;

    // The patient being appended, as handed over by the new-patient dialog.
    QString newGender;
    QString newLastName;
    QString newFirstName;
    QString newPatientKey;
    QDate newDob;
};
