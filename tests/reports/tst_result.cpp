#include <QtTest>
#include <QLineEdit>
#include <QWebEngineView>

#include <optional>

#include "calibration/calibration.h"
#include "installedtree.h"
#include "messageboxcatcher.h"
#include "pdftext.h"
#include "placeholders.h"
#include "taskrun.h"
#include "reports/result.h"
#include "webenginetestmain.h"

namespace {
const QString patientKey = QStringLiteral("Zeller Anna 05.06.1944");

// A template listing every placeholder of the task as "name=placeholder".
QByteArray smallTemplate(int task)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n");
    for (const QString &name : Placeholders::common + Placeholders::ofTask(task))
        html += QStringLiteral("<p>%1=%2</p>\n").arg(name.mid(2), name);
    return html.toUtf8() + "</body></html>\n";
}

// Files the report of task N with measures that each have a value of their own: 1 when it was
// filed, 0 when the assessor was told it was not, -1 when the filed signal never came.
int fileReport(Result &result, int task, bool display, int session, int trials = 40)
{
    QSignalSpy filed(&result, &Result::filed);
    const QDateTime start(QDate(2024, 3, 9), QTime(8, 7, 30));
    const QTime duration(1, 5, 3);
    switch (task) {
    case 1:
        result.goResult1(display, start, session, duration, trials, 101, 102, 103, 104, 105, 106,
                         107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121);
        break;
    case 2:
        result.goResult2(display, start, session, duration, trials, 511.4, 21.24, -30.6, 0.4567,
                         482.0, 18.04, -12.2, 0.25, 455.6, 17.96, 3.0, 0.0);
        break;
    case 3:
        result.goResult3(display, start, session, duration, trials, 612.7, 35.54, -44.4, 0.3124,
                         2.0, 5.0, 1.0);
        break;
    default:
        result.goResult4(display, start, session, duration, trials, 14.4, 9.6, 2.76, -0.1234,
                         0.8764, 1.24, 7.6, 0.0624);
        break;
    }
    if (filed.isEmpty() && !filed.wait(60000))
        return -1;
    return filed.at(0).at(1).toBool() ? 1 : 0;
}

QString pdfName(int task, const QString &session)
{
    return QStringLiteral("Archives/%1/Output_T%2_S%3_%1.pdf")
        .arg(patientKey, QString::number(task), session);
}
} // namespace

class TestResult : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        tree.emplace();
        choosePatient("Mrs.;Zeller;Anna;05.06.1944");
        QDir().mkpath(tree->path(QStringLiteral("Archives/") + patientKey));
        tree->write("Parameters/assessor.txt",
                    "Dr.;Roe;Jane;Clinic Beaulieu;Rue du Lac 4;1007;Lausanne;Switzerland\n");
        tree->write("Languages/En/Kestrova_Task2_en.html", smallTemplate(2));
    }

    void filing_data()
    {
        QTest::addColumn<bool>("display");
        QTest::newRow("main menu: filed only") << false;
        QTest::newRow("results: shown and filed") << true;
    }

    // A report filed again for the same session replaces the first; with display false the
    // window never appears.
    void filing()
    {
        QFETCH(bool, display);
        QWidget owner;
        Result result(&owner);
        QCOMPARE(fileReport(result, 2, display, 7, 40), 1);
        // The first report of the process also starts the browser engine, which takes longer
        // than the 500 ms before filing: the PDF must still hold the filled report.
        QVERIFY(pdfText(tree->path(pdfName(2, "07"))).contains("trials=40"));
        QCOMPARE(result.isVisible(), display);
        QCOMPARE(fileReport(result, 2, display, 7, 41), 1);
        const QString text = pdfText(tree->path(pdfName(2, "07")));
        QVERIFY2(text.contains("trials=41") && !text.contains("trials=40"), qPrintable(text));
        QCOMPARE(QDir(tree->path("Archives/" + patientKey)).entryList(QDir::Files),
                 QStringList{QFileInfo(pdfName(2, "07")).fileName()});
        // A dialog that was never shown, not even for a moment, has no native window.
        QCOMPARE(result.windowHandle() != nullptr, display);
    }

    void filingProblems_data()
    {
        QTest::addColumn<QByteArray>("extra");   // inserted before the end of the template's body
        QTest::addColumn<int>("timeout");        // filing timeout, ms
        QTest::addColumn<QString>("title");      // empty: filed whole
        QTest::addColumn<QString>("message");    // the box's text, or its start
        const QByteArray none;
        QTest::newRow("3 MB page filed whole")
            << "<!--" + QByteArray(3 << 20, 'x') + "-->" << 10000 << QString() << QString();
        QTest::newRow("script that never ends")
            << QByteArray("<script>while (true) {}</script>") << 10000 << QString() << QString();
        QTest::newRow("filing too slow") << none << 1 << "Error"
            << "Failed to write %1\nThe report was not filed within 0.001 seconds.";
        QTest::newRow("template missing")
            << none << 10000 << "Unable to open file" << "No such file or directory";
        QTest::newRow("archive folder missing")
            << none << 10000 << "Error" << "Failed to write %1\n";
    }

    // A page larger than the web view takes in one piece, or a template holding a script, is
    // filed as the filled report, never as a blank page and never hanging; a template that
    // cannot be read, a PDF that cannot be written or a filing that does not finish in time is
    // told and leaves no file.
    void filingProblems()
    {
        QFETCH(QByteArray, extra);
        QFETCH(int, timeout);
        QFETCH(QString, title);
        QFETCH(QString, message);
        const QString templateFile = QStringLiteral("Languages/En/Kestrova_Task2_en.html");
        QByteArray html = smallTemplate(2);
        html.insert(html.indexOf("</body>"), extra + "<p>END-OF-PAGE</p>");
        tree->write(templateFile, html);
        if (QByteArray(QTest::currentDataTag()).contains("template"))
            QFile::remove(tree->path(templateFile));
        if (QByteArray(QTest::currentDataTag()).contains("folder"))
            QDir(tree->path("Archives/" + patientKey)).removeRecursively();
        MessageBoxCatcher boxes;
        QWidget owner;
        Result result(&owner);
        result.setFilingTimeout(timeout);
        QCOMPARE(fileReport(result, 2, true, 7), title.isEmpty() ? 1 : 0);
        QCOMPARE(boxes.titles, title.isEmpty() ? QStringList() : QStringList{title});
        const QString pdf = tree->path(pdfName(2, "07"));
        if (!title.isEmpty()) {
            QVERIFY2(boxes.texts.value(0).startsWith(message.arg(pdf)),
                     qPrintable(boxes.texts.value(0)));
            // A report that cannot be read is not shown.
            QCOMPARE(result.isVisible(), title == "Error");
            QVERIFY(!QFileInfo::exists(pdf));
            return;
        }
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains("trials=40") && text.contains("END-OF-PAGE"),
                 qPrintable(text.left(200)));
    }

    // The print button prints the report on the printer the assessor chooses; here the print
    // dialog's own "Print to File (PDF)" printer.
    void printButton()
    {
        QWidget owner;
        Result result(&owner);
        QCOMPARE(fileReport(result, 2, true, 7), 1);
        const QString printed = tree->path("printed.pdf");
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            watch.stop();
            if (auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename")))
                file->setText(printed);
            dialog->accept();
        });
        watch.start(50);
        QTest::mouseClick(result.findChild<QPushButton *>("pb_printer"), Qt::LeftButton);
        QSignalSpy finished(result.webView(), &QWebEngineView::printFinished);
        QVERIFY(finished.wait(30000) && finished.at(0).at(0).toBool());
        // The view prints the page as a picture: the sheet must carry the report, not be blank.
        QProcess::execute("pdftoppm",
                          {"-png", "-r", "30", "-singlefile", printed, tree->path("printed")});
        const QImage sheet(tree->path("printed.png"));
        int inked = 0;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                inked += qGray(sheet.pixel(x, y)) < 160;
        QVERIFY2(inked > sheet.width() * sheet.height() / 100, qPrintable(QString::number(inked)));
    }

    void shippedTemplates_data()
    {
        QTest::addColumn<int>("task");
        QTest::addColumn<QString>("installed");   // language folder whose template is installed
        QTest::addColumn<int>("language");        // interface language
        QTest::addColumn<bool>("assessorFile");
        QTest::addColumn<QString>("session");
        QTest::addColumn<QStringList>("shown");   // the heading, measures as the locale writes them

        // Every task once, each language's decimal point, a two-digit session, no assessor file,
        // and a French interface with only the English template installed.
        QTest::newRow("En, visual recognition") << 1 << "En" << 0 << true << "07"
            << QStringList{"Visual recognition task", "101", "106", "119"};
        QTest::newRow("Fr, central cue attention") << 2 << "Fr" << 1 << true << "12"
            << QStringList{"attention à indice central", "0,457", "21,2"};
        QTest::newRow("En, movement detection, no assessor file") << 3 << "En" << 0 << false << "07"
            << QStringList{"Movement detection task", "0.312", "35.5"};
        QTest::newRow("Fr, working memory") << 4 << "Fr" << 1 << true << "07"
            << QStringList{"mémoire de travail", "0,876", "-0,123"};
        QTest::newRow("Fr interface, English template only") << 2 << "En" << 1 << true << "12"
            << QStringList{"Central cue attention task", "0,457", "21,2"};
    }

    // Files reports from the templates that ship with the program and reads them back.
    void shippedTemplates()
    {
        QFETCH(int, task);
        QFETCH(QString, installed);
        QFETCH(int, language);
        QFETCH(bool, assessorFile);
        QFETCH(QString, session);
        QFETCH(QStringList, shown);

        const QString name = QStringLiteral("%1/Kestrova_Task%2_%3.html")
                                 .arg(installed, QString::number(task), installed.toLower());
        QFile shipped(QStringLiteral(KESTROVA_SOURCE_DIR "/languages/") + name);
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        tree->write("Languages/" + name, shipped.readAll());
        if (!assessorFile)
            QFile::remove(tree->path("Parameters/assessor.txt"));
        Calibration().setLanguage(language);
        if (language == 1)
            QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

        QWidget owner;
        Result result(&owner);
        QCOMPARE(fileReport(result, task, false, session.toInt()), 1);
        QString text = pdfText(tree->path(pdfName(task, session)));
        text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        QStringList expected = {"Anna", "Zeller", "05.06.1944", "09.03.2024", "08:07", session,
                                "05:03", "40", "1.1"};
        if (assessorFile)
            expected << "Dr. Jane Roe" << "Clinic Beaulieu" << "Rue du Lac 4" << "1007"
                     << "Lausanne" << "Switzerland";
        for (const QString &part : expected + shown)
            QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" not in\n") + text));

        // No template code is left, with or without an assessor file.
        const auto placeholder = QRegularExpression(QStringLiteral("v_[a-z0-9_]+")).match(text);
        QVERIFY2(!placeholder.hasMatch(), qPrintable(placeholder.captured()));
    }

private:
    std::optional<InstalledTree> tree;
};

KESTROVA_WEBENGINE_TEST_MAIN(TestResult)
#include "tst_result.moc"
