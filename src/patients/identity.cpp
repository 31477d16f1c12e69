#include "patients/identity.h"

#include <QCoreApplication>

namespace Identity {

namespace {
Check recordSafe(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(';'))
            return {Fault::Separator, QStringLiteral(";")};
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return {Fault::LineBreak, QString()};
    }
    return {};
}

QString tr(const char *text)
{
    return QCoreApplication::translate("Identity", text);
}
} // namespace

Check checkPatientName(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return {Fault::Empty, QString()};
    const Check record = recordSafe(name);
    if (!record.ok())
        return record;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return {Fault::PathSeparator, QString(c)};
    }
    if (trimmed == QLatin1String(".") || trimmed == QLatin1String(".."))
        return {Fault::DotName, trimmed};
    return {};
}

Check checkAssessorField(const QString &text)
{
    return recordSafe(text);
}

QString message(const QString &fieldLabel, const Check &check)
{
    switch (check.fault) {
    case Fault::None:
        return QString();
    case Fault::Empty:
        return tr("\"%1\" must not be empty.").arg(fieldLabel);
    case Fault::LineBreak:
        return tr("\"%1\" must not contain a line break.").arg(fieldLabel);
    case Fault::DotName:
        return tr("\"%1\" must not be \"%2\".").arg(fieldLabel, check.offending);
    case Fault::Separator:
    case Fault::PathSeparator:
        break;
    }
    return tr("\"%1\" must not contain the character \"%2\".").arg(fieldLabel, check.offending);
}

} // namespace Identity
