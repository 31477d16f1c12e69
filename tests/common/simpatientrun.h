#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// One run of kestrova-simpatient in a fresh installation, for the end-to-end tests: the build
// is installed into a temporary root, the simulated patient runs from its bin/, and the test
// reads what the run left in the root's files.
class SimPatientRun
{
public:
    // Installs and runs task `task` for `patient` ("Last;First;dd.MM.yyyy") with the further
    // arguments (separated by spaces); false with what went wrong.
    bool run(int task, const QString &patient, const QString &more, QString *error);
    // The same, then checkFiles(validRows); false when the test has failed.
    bool runChecked(int task, const QString &patient, const QString &more, int validRows);

    QString path(const QString &relative) const { return m_root.filePath(relative); }

    // Checks (Qt Test) what every completed run leaves in the files: the result row alone in
    // its table and the same table in the patient's archive copy, for the patient, the task
    // and session 1; `validRows` valid rows (any number when negative), the trial log's rows
    // without the error trials byte for byte; as many trial rows as the `trials` column says
    // (the working memory task counts its valid trials there); 30 fields in every row; the
    // session counted in the patient list; the report naming the patient. Fills the fields below.
    void checkFiles(int validRows);

    QList<QByteArray> result;                 // the result row's fields
    QList<QList<QByteArray>> trials, valid;   // the trial log's and the valid rows' fields
    QList<QByteArray> patientEntry;           // the patient list's line's fields

private:
    QTemporaryDir m_root;
    int m_task = 0;
    QStringList m_patient;
};

// Qt Test check of a logged measure against its recomputation.
void compareNear(const QByteArray &field, double expected, double tolerance, const char *what);
