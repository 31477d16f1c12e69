#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// A throw-away installation laid out like the installed tree (<root>/bin, <root>/Languages/…,
// <root>/Parameters, <root>/Results, <root>/Archives), with the working directory moved into
// its bin/ for the lifetime of the object and restored afterwards. Also resets the shared
// context so every test starts from a freshly started process.
class InstalledTree
{
public:
    // With createDataFolders false only bin/ exists, as on a machine that never ran Kestrova.
    explicit InstalledTree(bool createDataFolders = true);
    ~InstalledTree();

    QString root() const { return m_dir.path(); }
    // Absolute path of a file relative to the root, e.g. "Parameters/patients_list.txt".
    QString path(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }

    QByteArray read(const QString &relative) const;
    void write(const QString &relative, const QByteArray &data) const;
    bool exists(const QString &relative) const { return QFileInfo::exists(path(relative)); }
    // Puts a folder where a file is expected: no one can open or replace it, root included.
    void block(const QString &relative) const;
    // Copies a built translation ("kestrova_fr.qm") into Languages/<Lang>/.
    void installTranslation(const QString &qmFile, const QString &languageFolder) const;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};
