#include <QtTest>

#include "placeholders.h"
#include "reports/reporttext.h"

namespace {
// One line per placeholder, so that every value can be read back by name.
QString listing(const QStringList &placeholders)
{
    QString html;
    for (const QString &name : placeholders)
        html += QStringLiteral("[%1]\n").arg(name);
    return html;
}
} // namespace

// Where each measure goes in a report (the common values and the locale show in the filed
// reports).
class TestReportText : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void taskPlaceholders_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<ReportText::Values>("values");
        QTest::addColumn<QString>("expected");

        // Each measure gets a value of its own, so a measure written into another's place shows.
        QTest::newRow("visual recognition")
            << listing(Placeholders::task1)
            << ReportText::task1({101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116,
                                  117, 118, 119, 120, 121})
            << "[101]\n[102]\n[103]\n[106]\n[107]\n[104]\n[105]\n[108]\n[109]\n[110]\n[113]\n[114]\n[111]\n"
               "[112]\n[115]\n[116]\n[117]\n[120]\n[121]\n[118]\n[119]\n";
        QTest::newRow("central cue attention")
            << listing(Placeholders::task2)
            << ReportText::task2({511.4, 21.24, -30.6, 0.4567, 482.0, 18.04, -12.2, 0.25, 455.6, 17.96, 3.0, 0.0})
            << "[511]\n[ 21.2]\n[-31]\n[0.457]\n[482]\n[ 18.0]\n[-12]\n[0.250]\n[456]\n[ 18.0]\n[  3]\n[0.000]\n";
        QTest::newRow("movement detection")
            << listing(Placeholders::task3)
            << ReportText::task3({612.7, 35.54, -44.4, 0.3124, 2.0, 5.0, 1.0})
            << "[613]\n[ 35.5]\n[-44]\n[0.312]\n[  2]\n[  5]\n[  1]\n";
        QTest::newRow("working memory")
            << listing(Placeholders::task4)
            << ReportText::task4({14.4, 9.6, 2.76, -0.1234, 0.8764, 1.24, 7.6, 0.0624})
            << "[ 14]\n[ 10]\n[  2.8]\n[-0.123]\n[0.876]\n[  1.2]\n[  8]\n[0.062]\n";
        // A name is shown as plain text, every time it is asked for.
        QTest::newRow("name as plain text") << "<p>v_l_name v_l_name</p>" << ReportText::Values()
                                            << "<p>Smith &amp; &lt;Jones&gt; Smith &amp; &lt;Jones&gt;</p>";
    }

    void taskPlaceholders()
    {
        QFETCH(QString, html);
        QFETCH(ReportText::Values, values);
        const ReportText::Patient patient{QStringLiteral("Anna"), QStringLiteral("Smith & <Jones>"), QDate(1944, 6, 5)};
        const ReportText::Session session{QDateTime(QDate(2024, 3, 9), QTime(8, 7, 30)), 7, QTime(1, 5, 3), 40};
        QTEST(ReportText::fill(html, std::nullopt, patient, session, values), "expected");
    }
};

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_reporttext.moc"
