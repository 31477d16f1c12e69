#include "patients/assessorfile.h"

#include <QFile>

#include "context/paths.h"

namespace AssessorFile {

namespace {
QString field(const QStringList &fields, int index)
{
    return index < fields.size() ? fields.at(index) : QString();
}
} // namespace

QString standardPath()
{
    return Paths::join(Paths::parametersFolder, Paths::assessorFile);
}

std::optional<QStringList> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString line = QString::fromUtf8(file.readLine());
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line.split(QLatin1Char(';'));
}

QString displayName(const QStringList &fields)
{
    return QStringLiteral("%1 %2 %3").arg(field(fields, 0), field(fields, 2), field(fields, 1));
}

QString institution(const QStringList &fields)
{
    return field(fields, 3);
}

} // namespace AssessorFile
