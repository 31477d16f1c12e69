#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

#include "context/screenparams.h"
#include "ui_calibration.h"

class QLineEdit;

// The screen calibration dialog, and every window's access path to the shared context: each
// window holds a Calibration of its own, and all of them read and write the same values.
//
// The calibration runs full screen on black: the assessor measures a 1000-pixel horizontal
// ruler, types its length in mm, then does the same for a 500-pixel vertical ruler; both values
// are stored with the frequency in "screen.pix". An entry below 100 mm is refused: the dialog
// hides, warns and raises the pitch-error flag, on which the main window's poll starts the
// calibration again. The context takes the new values only once the file holds them, so an
// abandoned calibration leaves the tasks on the calibration that is stored.
class Calibration : public QDialog
{
    Q_OBJECT

public:
    explicit Calibration(QWidget *parent = nullptr);

public slots:
    // Shows the horizontal ruler full screen, with the vertical screen prepared hidden.
    void goCalibration();
    // editingFinished of the two entries.
    void toLe_horzPitch();
    void toLe_vertPitch();

    // Loads "screen.pix" into the context; on failure warns the assessor and leaves the
    // context unchanged. Returns whether it loaded.
    bool goReadParam();
    // Stores a new frequency and rewrites "screen.pix" with it.
    void setFrequency(int index);
    int isFrequency();
    void setLanguage(int index);
    int isLanguage();
    int isHorzPitch();
    int isVertPitch();
    void setPitchError(bool raised);
    bool isPitchError();

    void setPatientName(const QString &key);
    QString isPatientName();
    void setGender(const QString &gender);
    QString isGender();
    void setLastName(const QString &name);
    QString isLastName();
    void setFirstName(const QString &name);
    QString isFirstName();
    void setDob(const QDate &dob);
    QDate isDob();

    void setNewPatient(bool raised);
    bool isNewPatient();
    void setAssessor(bool raised);
    bool isAssessor();
    void setEscapeSeq(bool raised);
    bool isEscapeSeq();

    void setSessionNb_T1(int n);
    int isSessionNb_T1();
    void setSessionNb_T2(int n);
    int isSessionNb_T2();
    void setSessionNb_T3(int n);
    int isSessionNb_T3();
    void setSessionNb_T4(int n);
    int isSessionNb_T4();
    void setSessionNb_T5(int n);
    int isSessionNb_T5();
    void setSessionNb_T6(int n);
    int isSessionNb_T6();
    void setSessionNb_T7(int n);
    int isSessionNb_T7();

    QString isMode(int index);

public:
    // Session counter of task 1 … 7 by number, for code that handles every task alike.
    int isSessionNb(int task);
    void setSessionNb(int task, int n);

protected:
    // Escape leaves the calibration at any point without writing anything.
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // A warning titled "Error", readable over the black calibration screen.
    void warn(const QString &text);
    void warnFailedToOpen(const QString &errorText);
    // An entry below 100 mm: hide, tell the assessor and let the main window start again.
    void rejectEntry(QLineEdit *entry);

    // Which entry the dialog is waiting for; signals of the other entry, or of an entry losing
    // its focus while the dialog hides, are ignored.
    enum class Step { Idle, Horizontal, Vertical };

    Ui::CalibrationClass ui;
    int centreX = 0;
    int centreY = 0;
    Step step = Step::Idle;
    // The calibration being entered: the file's frequency and reserved strings as last loaded,
    // with the newly measured values.
    ScreenParams pending;
};
