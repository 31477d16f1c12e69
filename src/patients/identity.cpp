#include "patients/identity.h"

#include <QCoreApplication>

namespace Identity {

namespace {
Check recordSafe(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(';'))
            return {Fault::Separator, QStringLiteral(";")};
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return {Fault::LineBreak, QString()};
        if (c.unicode() > 0xFF) {
            const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            return {Fault::NotStorable, text.mid(i, pair ? 2 : 1)};
        }
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
    case Fault::NotStorable:
        return tr("\"%1\" must not contain the character \"%2\", which the records cannot hold.")
            .arg(fieldLabel, check.offending);
    case Fault::Separator:
    case Fault::PathSeparator:
        break;
    }
    return tr("\"%1\" must not contain the character \"%2\".").arg(fieldLabel, check.offending);
}

} // namespace Identity
