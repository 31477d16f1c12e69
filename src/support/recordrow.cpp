#include "support/recordrow.h"

#include <clocale>
#include <cstdio>
#include <locale.h>

#include "context/sharedcontext.h"
#include "context/textcodec.h"

const QByteArray RecordRow::installationCode;

namespace {
const QString dateFormat = QStringLiteral("dd/MM/yyyy");
const QString timeFormat = QStringLiteral("hh:mm:ss.zzz");
const QString durationFormat = QStringLiteral("hh:mm:ss");

// The "C" numeric conventions, used for the duration of one conversion: the application
// runs under the user's locale, whose decimal separator may be a comma.
class CLocaleScope
{
public:
    CLocaleScope() : m_previous(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope &) = delete;
    CLocaleScope &operator=(const CLocaleScope &) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return locale;
    }
    locale_t m_previous;
};
} // namespace

RecordRow RecordRow::identity()
{
    const SharedContext &context = SharedContext::instance();
    RecordRow row;
    row.latin1(installationCode)
        .text(context.gender)
        .text(context.lastName)
        .text(context.firstName)
        .date(context.dob);
    return row;
}

RecordRow RecordRow::leading(int task, int session, const QDateTime &stamp)
{
    RecordRow row = identity();
    row.integer(task).integer(session).date(stamp).time(stamp);
    return row;
}

QByteArray RecordRow::interruption(const QString &word)
{
    return identity().text(word).line();
}

RecordRow &RecordRow::field(const QByteArray &bytes)
{
    if (m_fields > 0)
        m_bytes += ';';
    m_bytes += bytes;
    ++m_fields;
    return *this;
}

RecordRow &RecordRow::text(const QString &value)
{
    return field(TextCodec::toLatin1(value));
}

RecordRow &RecordRow::latin1(const QByteArray &value)
{
    return field(value);
}

RecordRow &RecordRow::integer(long long value)
{
    return field(QByteArray::number(value));
}

RecordRow &RecordRow::real(double value, int decimals)
{
    return field(formatReal(value, decimals));
}

RecordRow &RecordRow::empty(int count)
{
    for (int i = 0; i < count; ++i)
        field(QByteArray());
    return *this;
}

RecordRow &RecordRow::date(const QDateTime &stamp)
{
    return field(stamp.toString(dateFormat).toLatin1());
}

RecordRow &RecordRow::date(const QDate &day)
{
    return field(day.toString(dateFormat).toLatin1());
}

RecordRow &RecordRow::time(const QDateTime &stamp)
{
    return field(stamp.toString(timeFormat).toLatin1());
}

RecordRow &RecordRow::duration(const QTime &length)
{
    return field(length.toString(durationFormat).toLatin1());
}

QByteArray RecordRow::formatReal(double value, int decimals)
{
    const CLocaleScope numericC;
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    if (length <= 0)
        return QByteArray();
    QByteArray out(length, '\0');
    std::snprintf(out.data(), std::size_t(length) + 1, "%.*f", decimals, value);
    return out;
}
