#include "patients/newpatient.h"

#include <QMessageBox>

#include "calibration/calibration.h"
#include "patients/fieldlabel.h"
#include "patients/identity.h"

NewPatient::NewPatient(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    cal = new Calibration(this);

    connect(ui.cob_genre, &QComboBox::activated, this, &NewPatient::toCob_genre);
    connect(ui.le_lastName, &QLineEdit::returnPressed, this, &NewPatient::toLe_lastName);
    connect(ui.le_firstName, &QLineEdit::returnPressed, this, &NewPatient::toLe_firstName);
    connect(ui.de_dateOfBirth, &QDateEdit::dateChanged, this, &NewPatient::toDe_dateOfBirth);
    connect(ui.pb_ok, &QPushButton::clicked, this, &NewPatient::toPb_ok);
    connect(ui.pb_cancel, &QPushButton::clicked, this, &NewPatient::toPb_cancel);
}

void NewPatient::goNewPatient()
{
    show();
    ui.cob_genre->setCurrentIndex(-1);
    ui.le_lastName->clear();
    ui.le_firstName->clear();
    refYear = 1900;
    ui.de_dateOfBirth->setDate(QDate(refYear, 1, 1));
    ui.de_dateOfBirth->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    ui.pb_ok->setEnabled(false);
    ui.cob_genre->setFocus();
}

void NewPatient::toCob_genre(int)
{
    ui.le_lastName->setFocus();
}

void NewPatient::toLe_lastName()
{
    ui.le_firstName->setFocus();
}

void NewPatient::toLe_firstName()
{
    ui.de_dateOfBirth->setFocus();
}

void NewPatient::toDe_dateOfBirth(const QDate &date)
{
    if (date.year() != refYear)
        ui.pb_ok->setEnabled(true);
}

bool NewPatient::acceptName(QLineEdit *edit, const QLabel *label)
{
    const Identity::Check check = Identity::checkPatientName(edit->text());
    if (check.ok())
        return true;
    QMessageBox::warning(this, tr("Error"), Identity::message(fieldLabel(label), check));
    edit->setFocus();
    return false;
}

void NewPatient::toPb_ok()
{
    if (!acceptName(ui.le_lastName, ui.lbl_lastName) || !acceptName(ui.le_firstName, ui.lbl_firstName))
        return;
    cal->setGender(ui.cob_genre->currentText());
    cal->setLastName(ui.le_lastName->text());
    cal->setFirstName(ui.le_firstName->text());
    cal->setDob(ui.de_dateOfBirth->date());
    cal->setNewPatient(true);
    close();
}

void NewPatient::toPb_cancel()
{
    close();
}
