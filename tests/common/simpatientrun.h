#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The lines of a file, without the empty one after the last "\n" (none when it cannot be read).
QList<QByteArray> fileLines(const QString &path);

// One run of kestrova-simpatient in a fresh installation, for the end-to-end tests: the build
// is installed into a temporary root, the simulated patient runs from its bin/, and the test
// reads what the run left in the root's files.
class SimPatientRun
{
public:
    // `cmake` and `binaryDir` come from the test's build (CMAKE_COMMAND, CMAKE_BINARY_DIR).
    SimPatientRun(const QString &cmake, const QString &binaryDir);

    // Installs, runs with the arguments and waits; false with what went wrong.
    bool run(const QStringList &arguments, int timeoutMs, QString *error);
    QByteArray output() const { return m_output; }

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    // The lines of a file of the installation, without the empty one after the last "\n".
    QList<QByteArray> lines(const QString &relative) const { return fileLines(path(relative)); }

private:
    QString m_cmake;
    QString m_binaryDir;
    QTemporaryDir m_root;
    QByteArray m_output;
};
