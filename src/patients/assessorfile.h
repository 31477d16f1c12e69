#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

// The assessor file "assessor.txt": one line "title;last;first;institution;street;postal code;
// city;country" ended by a line feed. Only the first line is ever read.
namespace AssessorFile {

QString standardPath();   // "../Parameters/assessor.txt"

// The most of the first line that is read; the rest of a longer line is ignored.
constexpr qint64 maxLineBytes = 64 * 1024;

// The fields of the first line, or nullopt when the file cannot be opened.
std::optional<QStringList> read(const QString &path);

// Number of fields of the assessor record.
constexpr int fieldCount = 8;

// The record line: the fields joined by ";" after the Latin-1 conversion (characters outside
// Latin-1 become "?"), ended by a single line feed, encoded as UTF-8. Missing fields are
// written empty; fields beyond the eighth are dropped.
QByteArray formatRecord(const QStringList &fields);
// Replaces the file by the one record line, atomically: a failed write leaves the previous
// file as it was. On failure returns false with the system's error text.
bool write(const QString &path, const QStringList &fields, QString *error = nullptr);

// "title first last", as the main window and the reports show the assessor.
QString displayName(const QStringList &fields);
QString institution(const QStringList &fields);

} // namespace AssessorFile
