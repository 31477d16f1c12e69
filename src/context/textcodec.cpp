#include "context/textcodec.h"

namespace TextCodec {

QByteArray toLatin1(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xFF) {
            out.append(char(c.unicode()));
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append('?');
    }
    return out;
}

QString latin1Filtered(const QString &text)
{
    return QString::fromLatin1(toLatin1(text));
}

} // namespace TextCodec
