#pragma once

#include <QLabel>
#include <QString>

// The name of a form field as its label shows it, without the trailing colon: "Last Name /
// study :" names the field "Last Name / study". Messages about a field use it, so they read
// in the interface's language without a second translation.
inline QString fieldLabel(const QLabel *label)
{
    QString text = label->text().simplified();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}
