#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// The assessor file "assessor.txt": one line "title;last;first;institution;street;postal code;
// city;country" ended by a line feed. Only the first line is ever read.
namespace AssessorFile {

QString standardPath();   // "../Parameters/assessor.txt"

// The fields of the first line, or nullopt when the file cannot be opened.
std::optional<QStringList> read(const QString &path);

// "title first last", as the main window and the reports show the assessor.
QString displayName(const QStringList &fields);
QString institution(const QStringList &fields);

} // namespace AssessorFile
