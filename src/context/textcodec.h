#pragma once

#include <QByteArray>
#include <QString>

// Record fields are stored in 8-bit Latin-1: a character of Latin-1 keeps its value, any other
// character (a whole surrogate pair counting as one) becomes a single "?".
namespace TextCodec {

QByteArray toLatin1(const QString &text);
// The same conversion, given back as text (what a Latin-1 record shows when read as Unicode).
QString latin1Filtered(const QString &text);

} // namespace TextCodec
