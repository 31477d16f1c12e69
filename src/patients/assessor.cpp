#include "patients/assessor.h"

#include <QMessageBox>

#include "calibration/calibration.h"
#include "context/paths.h"
#include "patients/assessorfile.h"
#include "patients/fieldlabel.h"
#include "patients/identity.h"

namespace {
// The titles as the form lists them in the source language, index for index.
const QStringList sourceTitles = {QStringLiteral("Mr."), QStringLiteral("Mrs."),
                                  QStringLiteral("Dr."), QStringLiteral("Prof.")};
} // namespace

Assessor::Assessor(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    cal = new Calibration(this);

    connect(ui.cob_title, &QComboBox::activated, this, &Assessor::toCob_title);
    connect(ui.le_lastName, &QLineEdit::returnPressed, this, &Assessor::toLe_lastName);
    connect(ui.le_firstName, &QLineEdit::returnPressed, this, &Assessor::toLe_firstName);
    connect(ui.le_institution, &QLineEdit::returnPressed, this, &Assessor::toLe_institution);
    connect(ui.le_street, &QLineEdit::returnPressed, this, &Assessor::toLe_street);
    connect(ui.le_postalCode, &QLineEdit::returnPressed, this, &Assessor::toLe_postalCode);
    connect(ui.le_city, &QLineEdit::returnPressed, this, &Assessor::toLe_city);
    connect(ui.le_country, &QLineEdit::returnPressed, this, &Assessor::toLe_country);
    connect(ui.pb_ok, &QPushButton::clicked, this, &Assessor::toPb_ok);
    connect(ui.pb_cancel, &QPushButton::clicked, this, &Assessor::toPb_cancel);
}

QList<Assessor::Field> Assessor::lineFields() const
{
    return {{ui.le_lastName, ui.lbl_lastName},     {ui.le_firstName, ui.lbl_firstName},
            {ui.le_institution, ui.lbl_institution}, {ui.le_street, ui.lbl_street},
            {ui.le_postalCode, ui.lbl_postalCode}, {ui.le_city, ui.lbl_city},
            {ui.le_country, ui.lbl_country}};
}

void Assessor::goAssessor()
{
    show();
    ui.cob_title->setCurrentIndex(-1);
    const auto fields = AssessorFile::read(AssessorFile::standardPath());
    const QList<Field> edits = lineFields();
    for (int i = 0; i < edits.size(); ++i) {
        const int index = i + 1;
        edits.at(i).edit->setText(fields && index < fields->size() ? fields->at(index) : QString());
    }
    if (fields && !fields->isEmpty()) {
        // The stored title is the text the form showed when it was saved: the interface's
        // translation, or the source text when it was saved untranslated.
        const QString title = fields->first();
        int index = ui.cob_title->findText(title, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            index = sourceTitles.indexOf(title);
        ui.cob_title->setCurrentIndex(index);
    }
    ui.cob_title->setFocus();
}

void Assessor::toCob_title() { ui.le_lastName->setFocus(); }
void Assessor::toLe_lastName() { ui.le_firstName->setFocus(); }
void Assessor::toLe_firstName() { ui.le_institution->setFocus(); }
void Assessor::toLe_institution() { ui.le_street->setFocus(); }
void Assessor::toLe_street() { ui.le_postalCode->setFocus(); }
void Assessor::toLe_postalCode() { ui.le_city->setFocus(); }
void Assessor::toLe_city() { ui.le_country->setFocus(); }
void Assessor::toLe_country() {}

void Assessor::toPb_ok()
{
    QStringList record = {ui.cob_title->currentText()};
    for (const Field &field : lineFields()) {
        const Identity::Check check = Identity::checkAssessorField(field.edit->text());
        if (!check.ok()) {
            QMessageBox::warning(this, tr("Error"), Identity::message(fieldLabel(field.label), check));
            field.edit->setFocus();
            return;
        }
        record << field.edit->text();
    }
    QString error;
    if (!AssessorFile::write(AssessorFile::standardPath(), record, &error)) {
        // The entries stay in the open dialog, so the assessor can try again or cancel.
        QMessageBox::warning(this, tr("Error"),
                             tr("Failed to open %1\n%2").arg(Paths::assessorFile, error));
        return;
    }
    cal->setAssessor(true);
    close();
}

void Assessor::toPb_cancel()
{
    close();
}
