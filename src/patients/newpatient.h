#pragma once

#include <QDate>
#include <QDialog>

#include "ui_newpatient.h"

class Calibration;
class QLabel;
class QLineEdit;

// The dialog behind "Users" → "Add patient...": gender, last name (or study), first name (or
// id) and date of birth. It touches no file: "Ok" hands the four values to the shared context
// and raises the new-patient flag, and the main window's poll adds the patient to its combo
// and appends the record to the patient list.
class NewPatient : public QDialog
{
    Q_OBJECT

public:
    explicit NewPatient(QWidget *parent = nullptr);

public slots:
    void goNewPatient();
    void toCob_genre(int index);
    void toLe_lastName();
    void toLe_firstName();
    void toDe_dateOfBirth(const QDate &date);
    void toPb_ok();
    void toPb_cancel();

private:
    // Refuses a name that would corrupt the record or the archive folder's name; warns the
    // assessor, naming the field, and gives the field the focus.
    bool acceptName(QLineEdit *edit, const QLabel *label);

    Ui::NewPatientClass ui;
    Calibration *cal = nullptr;
    // "Ok" stays disabled until the date of birth leaves this year, the one the form opens on.
    int refYear = 1900;
};
