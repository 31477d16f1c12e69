#include "installedtree.h"

#include <QFile>
#include <QTest>

#include "context/sharedcontext.h"

InstalledTree::InstalledTree(bool createDataFolders)
    : m_previousDir(QDir::currentPath())
{
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("bin"));
    if (createDataFolders) {
        for (const char *folder : {"Parameters", "Results", "Archives", "Languages/En"})
            root.mkpath(QString::fromLatin1(folder));
    }
    QDir::setCurrent(root.filePath(QStringLiteral("bin")));
    SharedContext::reset();
}

InstalledTree::~InstalledTree()
{
    QDir::setCurrent(m_previousDir);
    SharedContext::reset();
}

QByteArray InstalledTree::read(const QString &relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void InstalledTree::write(const QString &relative, const QByteArray &data) const
{
    QFileInfo info(path(relative));
    QDir().mkpath(info.absolutePath());
    QFile file(info.absoluteFilePath());
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write(data), data.size());
}

void InstalledTree::block(const QString &relative) const
{
    QFile::remove(path(relative));
    QVERIFY(QDir(root()).mkpath(relative));
}

void InstalledTree::installTranslation(const QString &qmFile, const QString &languageFolder) const
{
    const QString target = path(QStringLiteral("Languages/%1/%2").arg(languageFolder, qmFile));
    QDir().mkpath(QFileInfo(target).absolutePath());
    QVERIFY2(QFile::copy(QStringLiteral("%1/%2").arg(QStringLiteral(KESTROVA_QM_DIR), qmFile), target),
             qPrintable(qmFile));
}
