#pragma once

#include <QString>

// Checks on the identity fields typed by the assessor before they reach a record. Every field
// goes unquoted into a ";"-separated line, and the patient's display key names the patient's
// archive folder, so a separator, a line break or a path element in a name would corrupt the
// list or put the archive somewhere else. The records hold Latin-1 only: a character beyond it
// would be stored as "?" while the running program keeps the original, so the patient's record,
// key and archive folder would no longer match.
namespace Identity {

enum class Fault {
    None,
    Empty,           // nothing but blanks
    Separator,       // ";", the field separator of the records
    LineBreak,       // "\n" or "\r", which would split the record
    PathSeparator,   // "/" or "\\" in a name that becomes part of a folder name
    DotName,         // "." or "..", which name a folder relation rather than a folder
    NotStorable,     // a character the Latin-1 records cannot hold, such as "Ł"
};

struct Check
{
    Fault fault = Fault::None;
    QString offending;   // the refused character (a whole surrogate pair) or name, empty for
                         // Empty and LineBreak

    bool ok() const { return fault == Fault::None; }
};

// A patient's last name (or study) or first name (or id).
Check checkPatientName(const QString &name);
// Any field of the assessor record; empty fields are allowed.
Check checkAssessorField(const QString &text);

// The message shown to the assessor for a refused field, naming the field by its label.
QString message(const QString &fieldLabel, const Check &check);

} // namespace Identity
