#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes files so that a crash or a full disk leaves either the old or the new content,
// never a half-written file.
namespace SafeFile {

// Replaces the file at path by data atomically (a complete temporary file in the same folder,
// then renamed over the old one). On failure returns false and sets error to the system's text.
bool replace(const QString &path, const QByteArray &data, QString *error = nullptr);

// Appends data to the file at path (created when missing) and checks that every byte was
// written. On failure returns false, sets error and leaves the file as it was (a file it
// created is removed).
bool append(const QString &path, const QByteArray &data, QString *error = nullptr);

// Writes all of data to an open file. A write cut short (full disk, file size limit) is taken
// up again once, so that the system says why ("No space left on device", "File too large")
// instead of the unspecified error of a short write. Returns false with that text.
bool writeAll(QFileDevice &file, const QByteArray &data, QString *error = nullptr);

} // namespace SafeFile
