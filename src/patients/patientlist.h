#pragma once

#include <optional>

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The patient list "patients_list.txt": one record per line, fields separated by ";", lines
// ended by CR LF, stored as UTF-8 text holding only Latin-1 characters.
//
// Record fields: 0 gender, 1 last name, 2 first name, 3 date of birth "dd.MM.yyyy",
// 4 … 10 the completed sessions of tasks 1 … 7 (task N in field N + 3), 11 … 13 three values
// the visual perception test keeps per patient. A record is identified by its display key
// "last first dd.MM.yyyy"; keys need not be unique and a lookup takes the first match.
//
// Blank lines are skipped by every reader and dropped by a rewrite; a line with fewer than
// four fields has no key and is ignored by readers but kept by a rewrite.
class PatientList
{
public:
    static constexpr int fieldCount = 14;

    explicit PatientList(const QString &path);
    // The list of the installation, "../Parameters/patients_list.txt".
    static PatientList standard();

    static QString displayKey(const QString &lastName, const QString &firstName, const QDate &dob);
    // The key of a split record, or a null string when the record has no key fields.
    static QString displayKey(const QStringList &fields);
    // Counter field of task 1 … 7.
    static constexpr int sessionField(int task) { return task + 3; }
    // A numeric field of a record; a missing or non-numeric field reads as 0.
    static int intField(const QStringList &fields, int index);

    // The record line of a new patient, CR LF included, with ten zero counters; text fields
    // pass through the Latin-1 conversion, the line is encoded as UTF-8.
    static QByteArray formatRecord(const QString &gender, const QString &lastName,
                                   const QString &firstName, const QDate &dob);

    // Display keys of every record in file order; a missing list is created empty.
    QStringList loadKeys() const;
    // The fields of the first record whose key matches.
    std::optional<QStringList> find(const QString &key) const;
    // Appends a new patient's record. A list whose last line lacks its line end gets one
    // first, so the new record never merges into the previous one.
    bool append(const QString &gender, const QString &lastName, const QString &firstName,
                const QDate &dob, QString *error = nullptr) const;
    // Sets the given fields (index, value) of every complete record whose key matches,
    // keeping every other record and their order; each line ends with CR LF afterwards. A
    // record it does not change is copied byte for byte, even bytes that are not UTF-8. The
    // list is replaced atomically: the old or the new list survives any failure. Fails, and
    // leaves the list as it was, when it cannot be read or when no record of 14 fields has
    // the key. Setting a value a record already holds changes nothing and succeeds, so a
    // rewrite can be applied again.
    bool rewriteFields(const QString &key, const QList<QPair<int, QString>> &values,
                       QString *error = nullptr) const;
    bool rewriteField(const QString &key, int index, const QString &value,
                      QString *error = nullptr) const
    {
        return rewriteFields(key, {{index, value}}, error);
    }

    QString path() const { return m_path; }

private:
    // Non-blank lines of the list, without line ends; nullopt when the list cannot be read.
    std::optional<QStringList> readLines(QString *error = nullptr) const;

    QString m_path;
};
