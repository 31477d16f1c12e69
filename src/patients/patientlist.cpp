#include "patients/patientlist.h"

#include <QCoreApplication>
#include <QFile>

#include "context/paths.h"
#include "context/safefile.h"
#include "context/textcodec.h"

namespace {
const QString dateFormat = QStringLiteral("dd.MM.yyyy");
const QString separator = QStringLiteral(";");
} // namespace

PatientList::PatientList(const QString &path)
    : m_path(path)
{
}

PatientList PatientList::standard()
{
    return PatientList(Paths::join(Paths::parametersFolder, Paths::patientsListFile));
}

QString PatientList::displayKey(const QString &lastName, const QString &firstName, const QDate &dob)
{
    return QStringLiteral("%1 %2 %3").arg(lastName, firstName, dob.toString(dateFormat));
}

QString PatientList::displayKey(const QStringList &fields)
{
    if (fields.size() < 4)
        return QString();
    return QStringLiteral("%1 %2 %3").arg(fields.at(1), fields.at(2), fields.at(3));
}

int PatientList::intField(const QStringList &fields, int index)
{
    return (index >= 0 && index < fields.size()) ? fields.at(index).toInt() : 0;
}

QByteArray PatientList::formatRecord(const QString &gender, const QString &lastName,
                                     const QString &firstName, const QDate &dob)
{
    QStringList fields = {TextCodec::latin1Filtered(gender), TextCodec::latin1Filtered(lastName),
                          TextCodec::latin1Filtered(firstName), dob.toString(dateFormat)};
    for (int i = 4; i < fieldCount; ++i)
        fields << QStringLiteral("0");
    return (fields.join(separator) + QStringLiteral("\r\n")).toUtf8();
}

std::optional<QStringList> PatientList::readLines(QString *error) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

QStringList PatientList::loadKeys() const
{
    const auto lines = readLines();
    if (!lines) {
        QFile file(m_path);
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.close();
        return {};
    }
    QStringList keys;
    for (const QString &line : *lines) {
        const QString key = displayKey(line.split(separator));
        if (!key.isNull())
            keys << key;
    }
    return keys;
}

std::optional<QStringList> PatientList::find(const QString &key) const
{
    const auto lines = readLines();
    if (!lines)
        return std::nullopt;
    for (const QString &line : *lines) {
        const QStringList fields = line.split(separator);
        const QString lineKey = displayKey(fields);
        if (!lineKey.isNull() && lineKey == key)
            return fields;
    }
    return std::nullopt;
}

bool PatientList::append(const QString &gender, const QString &lastName, const QString &firstName,
                         const QDate &dob, QString *error) const
{
    QByteArray data = formatRecord(gender, lastName, firstName, dob);
    QFile existing(m_path);
    if (existing.open(QIODevice::ReadOnly)) {
        const qint64 size = existing.size();
        if (size > 0 && existing.seek(size - 1) && existing.read(1) != "\n")
            data.prepend("\r\n");
        existing.close();
    }
    return SafeFile::append(m_path, data, error);
}

bool PatientList::rewriteFields(const QString &key, const QList<QPair<int, QString>> &values,
                                QString *error) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray before = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.close();
    QByteArray after;
    bool matched = false;
    for (QByteArray line : before.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        QList<QByteArray> fields = line.split(';');
        if (fields.size() >= fieldCount) {
            const QStringList keyFields = {QString(), QString::fromUtf8(fields.at(1)),
                                           QString::fromUtf8(fields.at(2)), QString::fromUtf8(fields.at(3))};
            if (displayKey(keyFields) == key) {
                matched = true;
                for (const auto &[index, value] : values) {
                    if (index >= 0 && index < fields.size())
                        fields[index] = value.toUtf8();
                }
                line = fields.join(';');
            }
        }
        after += line + "\r\n";
    }
    if (!matched) {
        if (error)
            *error = QCoreApplication::translate("PatientList", "No complete record of %1 was found.").arg(key);
        return false;
    }
    if (after == before)
        return true;
    return SafeFile::replace(m_path, after, error);
}
