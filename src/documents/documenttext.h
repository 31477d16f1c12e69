#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// Filling the pages and report templates that ship beside the program. Placeholders such as
// "v_version" stand anywhere in a page; each is replaced, every occurrence and case-sensitive,
// by a value shown as plain text.
namespace DocumentText {

// The version shown in the about page and the reports.
inline const QString version = QStringLiteral("1.1");

// Reads a whole page or template as UTF-8; nullopt and the file's error text when it cannot
// be opened.
std::optional<QString> read(const QString &path, QString *error);

// Replaces every occurrence of placeholder by text, escaped so that a name holding "<" or "&"
// shows as written instead of being taken for markup.
void fill(QString &html, const QString &placeholder, const QString &text);

// "v_version".
void fillVersion(QString &html);
// "v_assessor" (title, first name, last name) and "v_institution" from the fields of the
// assessor file's first line; missing fields give empty text.
void fillAssessorName(QString &html, const QStringList &assessor);

} // namespace DocumentText
