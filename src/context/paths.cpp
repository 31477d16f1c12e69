#include "context/paths.h"

#include <QDir>
#include <QFileInfo>

namespace Paths {

namespace {
const char *const subFolders[languageCount] = {"En", "Fr", "De", "It", "Es", "Nl"};
const char *const suffixes[languageCount] = {"_en", "_fr", "_de", "_it", "_es", "_nl"};

int clamped(int language)
{
    return (language >= 0 && language < languageCount) ? language : 0;
}
} // namespace

QString join(const QString &folder, const QString &fileName)
{
    return QStringLiteral("%1%2").arg(folder, fileName);
}

QString languageSubFolder(int language)
{
    return QString::fromLatin1(subFolders[clamped(language)]);
}

QString languageSuffix(int language)
{
    return QString::fromLatin1(suffixes[clamped(language)]);
}

QString translationFile(int language)
{
    return QStringLiteral("kestrova%1.qm").arg(languageSuffix(language));
}

QString languageFile(int language, const QString &fileName)
{
    return QStringLiteral("%1/%2/%3").arg(languagesFolder, languageSubFolder(language), fileName);
}

QString absoluteLanguageFile(int language, const QString &fileName)
{
    QDir parent = QDir::current();
    parent.cdUp();
    return QStringLiteral("%1/Languages/%2/%3")
        .arg(parent.absolutePath(), languageSubFolder(language), fileName);
}

QString localizedName(int language, const QString &baseName)
{
    const int dot = baseName.lastIndexOf(QLatin1Char('.'));
    const int at = dot < 0 ? baseName.size() : dot;
    return QString(baseName).insert(at, languageSuffix(language));
}

QString documentPath(int language, const QString &baseName)
{
    return absoluteLanguageFile(language, localizedName(language, baseName));
}

QString documentPathOrEnglish(int language, const QString &baseName)
{
    const QString path = documentPath(language, baseName);
    return QFileInfo::exists(path) ? path : documentPath(0, baseName);
}

} // namespace Paths
