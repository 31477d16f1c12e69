#include <QtTest>

#include "placeholders.h"
#include "reports/reporttext.h"

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
        // Every placeholder of the task in brackets, so that every value can be read back by name.
        const auto listing = [](const QStringList &names) { return "[" + names.join("][") + "]"; };

        // Each measure gets a value of its own, so a measure written into another's place shows.
        QTest::newRow("visual recognition")
            << listing(Placeholders::task1)
            << ReportText::task1({101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113,
                                  114, 115, 116, 117, 118, 119, 120, 121})
            << "[101][102][103][106][107][104][105][108][109][110][113][114][111][112][115][116]"
               "[117][120][121][118][119]";
        QTest::newRow("central cue attention")
            << listing(Placeholders::task2)
            << ReportText::task2({511.4, 21.24, -30.6, 0.4567, 482.0, 18.04, -12.2, 0.25, 455.6,
                                  17.96, 3.0, 0.0})
            << "[511][ 21.2][-31][0.457][482][ 18.0][-12][0.250][456][ 18.0][  3][0.000]";
        QTest::newRow("movement detection")
            << listing(Placeholders::task3)
            << ReportText::task3({612.7, 35.54, -44.4, 0.3124, 2.0, 5.0, 1.0})
            << "[613][ 35.5][-44][0.312][  2][  5][  1]";
        QTest::newRow("working memory")
            << listing(Placeholders::task4)
            << ReportText::task4({14.4, 9.6, 2.76, -0.1234, 0.8764, 1.24, 7.6, 0.0624})
            << "[ 14][ 10][  2.8][-0.123][0.876][  1.2][  8][0.062]";
        // A name is shown as plain text, every time it is asked for.
        QTest::newRow("name as plain text") << "<p>v_l_name v_l_name</p>" << ReportText::Values()
            << "<p>Smith &amp; &lt;Jones&gt; Smith &amp; &lt;Jones&gt;</p>";
    }

    void taskPlaceholders()
    {
        QFETCH(QString, html);
        QFETCH(ReportText::Values, values);
        const ReportText::Patient patient{"Anna", "Smith & <Jones>", QDate(1944, 6, 5)};
        const ReportText::Session session{QDateTime(QDate(2024, 3, 9), QTime(8, 7, 30)), 7,
                                          QTime(1, 5, 3), 40};
        QTEST(ReportText::fill(html, std::nullopt, patient, session, values), "expected");
    }
};

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_reporttext.moc"
