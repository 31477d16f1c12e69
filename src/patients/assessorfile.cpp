#include "patients/assessorfile.h"

#include <QFile>

#include "context/paths.h"
#include "context/safefile.h"
#include "context/textcodec.h"

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
    // Eight fields of a name and an address: anything longer than this is not an assessor
    // record, and a huge file must not be read whole at start-up.
    QString line = QString::fromUtf8(file.readLine(maxLineBytes));
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line.split(QLatin1Char(';'));
}

QByteArray formatRecord(const QStringList &fields)
{
    QStringList line;
    for (int i = 0; i < fieldCount; ++i)
        line << TextCodec::latin1Filtered(field(fields, i));
    return (line.join(QLatin1Char(';')) + QLatin1Char('\n')).toUtf8();
}

bool write(const QString &path, const QStringList &fields, QString *error)
{
    return SafeFile::replace(path, formatRecord(fields), error);
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
