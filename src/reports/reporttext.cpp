#include "reports/reporttext.h"

#include "context/paths.h"
#include "documents/documenttext.h"

namespace ReportText {

namespace {
// A measure's place in the argument list and how it is written.
struct Measure
{
    const char *placeholder;
    int argument;
    int width;
    int decimals;
};

template <std::size_t N, std::size_t M>
Values decimals(const std::array<double, N> &values, const Measure (&table)[M])
{
    Values out;
    for (const Measure &measure : table) {
        out.append({QString::fromLatin1(measure.placeholder),
                    decimal(values.at(measure.argument), measure.width, measure.decimals)});
    }
    return out;
}

QString field(const QStringList &fields, int index)
{
    return index < fields.size() ? fields.at(index) : QString();
}
} // namespace

QString sessionText(int session)
{
    const QString number = QString::number(session);
    return session < 10 ? QStringLiteral("0") + number : number;
}

QString templateName(int task)
{
    return QStringLiteral("Kestrova_Task%1.html").arg(task);
}

QString pdfPath(int task, const QString &sessionText, const QString &patientKey)
{
    return QStringLiteral("%1%2/Output_T%3_S%4_%2.pdf")
        .arg(Paths::archivesFolder, patientKey, QString::number(task), sessionText);
}

QString integer(int value)
{
    return QStringLiteral("%1").arg(value);
}

QString decimal(double value, int width, int decimals)
{
    return QStringLiteral("%L1").arg(value, width, 'f', decimals);
}

Values task1(const std::array<int, 21> &values)
{
    // The slots take each subtask's measures as threshold, errors, reversals, upper bound,
    // its limit, lower bound, its limit; the report lists the lower bound first.
    static const char *const subtasks[3][2] = {{"central", "a"}, {"peripheral", "b"}, {"dual", "c"}};
    static const struct { const char *name; int offset; } measures[] = {
        {"errors", 1}, {"reversals", 2}, {"inf", 5}, {"limit_i", 6}, {"sup", 3}, {"limit_s", 4}};
    Values out;
    for (int s = 0; s < 3; ++s) {
        const int first = 7 * s;
        out.append({QStringLiteral("v_t1_%1").arg(QLatin1String(subtasks[s][0])), integer(values.at(first))});
        for (const auto &measure : measures) {
            out.append({QStringLiteral("v_t1%1_%2").arg(QLatin1String(subtasks[s][1]), QLatin1String(measure.name)),
                        integer(values.at(first + measure.offset))});
        }
    }
    return out;
}

Values task2(const std::array<double, 12> &values)
{
    static const Measure table[] = {
        {"v_t2a_neutral", 0, 3, 0},   {"v_t2b_alerting", 4, 3, 0}, {"v_t2c_orientation", 8, 3, 0},
        {"v_t2a_error", 1, 5, 1},     {"v_t2b_error", 5, 5, 1},    {"v_t2c_error", 9, 5, 1},
        {"v_t2a_slope", 2, 3, 0},     {"v_t2b_slope", 6, 3, 0},    {"v_t2c_slope", 10, 3, 0},
        {"v_t2a_r2", 3, 5, 3},        {"v_t2b_r2", 7, 5, 3},       {"v_t2c_r2", 11, 5, 3}};
    return decimals(values, table);
}

Values task3(const std::array<double, 7> &values)
{
    static const Measure table[] = {
        {"v_t3rt", 0, 3, 0}, {"v_t3_error", 1, 5, 1}, {"v_t3_slope", 2, 3, 0}, {"v_t3_r2", 3, 5, 3},
        {"v_t3_oc", 4, 3, 0}, {"v_t3_lr", 5, 3, 0},   {"v_t3_bt", 6, 3, 0}};
    return decimals(values, table);
}

Values task4(const std::array<double, 8> &values)
{
    static const Measure table[] = {
        {"v_t4_average_f", 0, 3, 0}, {"v_t4_average_l", 1, 3, 0}, {"v_t4_error", 2, 5, 1},
        {"v_t4l_slope", 3, 5, 3},    {"v_t4l_r2", 4, 5, 3},       {"v_t4_slope", 5, 5, 1},
        {"v_t4_intercept", 6, 3, 0}, {"v_t4_r2", 7, 5, 3}};
    return decimals(values, table);
}

namespace {
template <std::size_t N, typename T>
std::array<T, N> firstOf(const QList<double> &measures)
{
    std::array<T, N> values{};
    for (std::size_t i = 0; i < N && i < std::size_t(measures.size()); ++i)
        values[i] = T(measures.at(int(i)));
    return values;
}
} // namespace

Values taskValues(int task, const QList<double> &measures)
{
    switch (task) {
    case 1: return task1(firstOf<21, int>(measures));
    case 2: return task2(firstOf<12, double>(measures));
    case 3: return task3(firstOf<7, double>(measures));
    case 4: return task4(firstOf<8, double>(measures));
    default: return {};
    }
}

QString fill(QString html, const std::optional<QStringList> &assessor, const Patient &patient,
             const Session &session, const Values &taskValues)
{
    using DocumentText::fill;
    DocumentText::fillVersion(html);
    // Without an assessor file the letterhead stays blank: a signed report never shows the
    // template's codes.
    const QStringList fields = assessor.value_or(QStringList());
    DocumentText::fillAssessorName(html, fields);
    static const char *const address[] = {"v_street", "v_code", "v_city", "v_country"};
    for (int i = 0; i < 4; ++i)
        fill(html, QString::fromLatin1(address[i]), field(fields, 4 + i));
    fill(html, QStringLiteral("v_f_name"), patient.firstName);
    fill(html, QStringLiteral("v_l_name"), patient.lastName);
    fill(html, QStringLiteral("v_dob"), patient.dob.toString(QStringLiteral("dd.MM.yyyy")));
    fill(html, QStringLiteral("v_date"), session.dtSession.toString(QStringLiteral("dd.MM.yyyy")));
    fill(html, QStringLiteral("v_time"), session.dtSession.toString(QStringLiteral("hh:mm")));
    fill(html, QStringLiteral("v_session"), sessionText(session.session));
    // The run's length as minutes and seconds.
    fill(html, QStringLiteral("v_duration"), session.duration.toString(QStringLiteral("mm:ss")));
    fill(html, QStringLiteral("v_trials"), integer(session.trials));
    for (const auto &value : taskValues)
        fill(html, value.first, value.second);
    return html;
}

} // namespace ReportText
