#pragma once

#include <QDialog>

#include "ui_assessor.h"

class Calibration;
class QLabel;
class QLineEdit;

// The dialog behind "Users" → "Assessor...": the assessor's title, name, institution and
// address, kept as one line in "assessor.txt". "Ok" rewrites the file and raises the assessor
// flag, on which the main window's poll refreshes its assessor labels.
class Assessor : public QDialog
{
    Q_OBJECT

public:
    explicit Assessor(QWidget *parent = nullptr);

public slots:
    void goAssessor();
    void toCob_title();
    void toLe_lastName();
    void toLe_firstName();
    void toLe_institution();
    void toLe_street();
    void toLe_postalCode();
    void toLe_city();
    void toLe_country();
    void toPb_ok();
    void toPb_cancel();

private:
    // The seven line edits in record order (fields 1 to 7), with their labels.
    struct Field
    {
        QLineEdit *edit;
        QLabel *label;
    };
    QList<Field> lineFields() const;

    Ui::AssessorClass ui;
    Calibration *cal = nullptr;
};
