#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTime>

// One row of the trial log or of a result table, built field by field. Fields are separated
// by ";" with no quoting; line() ends the row with a single "\n". Each field is converted
// exactly as the C library's printf conversion named beside it would write it, with "." as the
// decimal separator whatever the user's locale. The row grows as needed: nothing is cut.
//
// A task formats its row in one chain, e.g.
//   RecordRow::leading(2, session, onset).integer(cond + 1).integer(rank)...integer(error).line()
class RecordRow
{
public:
    RecordRow() = default;

    // code;gender;l_name;f_name;dob of the current patient (the shared context), the first
    // five fields of every record row.
    static RecordRow identity();
    // identity + task (%d), session (%d), stamp as date "dd/MM/yyyy" and time "hh:mm:ss.zzz":
    // the nine leading columns of trial rows and result rows.
    static RecordRow leading(int task, int session, const QDateTime &stamp);
    // The six-field row written when a run is interrupted or paused:
    // code;gender;l_name;f_name;dob;<word>\n
    static QByteArray interruption(const QString &word);

    RecordRow &text(const QString &value);        // %s of the Latin-1 conversion ("?" outside)
    RecordRow &latin1(const QByteArray &value);   // %s of bytes that are already Latin-1
    RecordRow &integer(long long value);          // %d
    RecordRow &real(double value, int decimals = 6); // %f, or %.<decimals>f
    RecordRow &empty(int count = 1);              // empty fields
    RecordRow &date(const QDateTime &stamp);      // "dd/MM/yyyy"
    RecordRow &date(const QDate &day);            // "dd/MM/yyyy"
    RecordRow &time(const QDateTime &stamp);      // "hh:mm:ss.zzz"
    RecordRow &duration(const QTime &length);     // "hh:mm:ss"

    int fieldCount() const { return m_fields; }
    // The fields joined by ";" without the line end.
    QByteArray fields() const { return m_bytes; }
    // The finished row, "\n" included.
    QByteArray line() const { return m_bytes + '\n'; }

    // printf's "%.<decimals>f" of value with "." as separator.
    static QByteArray formatReal(double value, int decimals = 6);

    // The installation code written in the first column of every row (empty: see README).
    static const QByteArray installationCode;

private:
    RecordRow &field(const QByteArray &bytes);

    QByteArray m_bytes;
    int m_fields = 0;
};
