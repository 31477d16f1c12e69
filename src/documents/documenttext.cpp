#include "documents/documenttext.h"

#include <QFile>
#include <QTextStream>

#include "patients/assessorfile.h"

namespace DocumentText {

std::optional<QString> read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    QTextStream in(&file);
    return in.readAll();
}

void fill(QString &html, const QString &placeholder, const QString &text)
{
    html.replace(placeholder, text.toHtmlEscaped(), Qt::CaseSensitive);
}

void fillVersion(QString &html)
{
    fill(html, QStringLiteral("v_version"), version);
}

void fillAssessorName(QString &html, const QStringList &assessor)
{
    fill(html, QStringLiteral("v_assessor"), AssessorFile::displayName(assessor).trimmed());
    fill(html, QStringLiteral("v_institution"), AssessorFile::institution(assessor));
}

} // namespace DocumentText
