#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

// The screen calibration dialog, and every window's access path to the shared context: each
// window holds a Calibration of its own, and all of them read and write the same values.
class Calibration : public QDialog
{
    Q_OBJECT

public:
    explicit Calibration(QWidget *parent = nullptr);

public slots:
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

private:
    void warnFailedToOpen(const QString &errorText);
};
