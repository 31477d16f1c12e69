#include <QtTest>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "app/kestrova.h"
#include "calibration/calibration.h"
#include "documents/webviewer.h"
#include "installedtree.h"
#include "messageboxcatcher.h"
#include "webenginetestmain.h"
#include "widgetlookup.h"

namespace {
const QString patientKey = QStringLiteral("Zeller Anna 05.06.1944");
const QString reportFolder = "Archives/" + patientKey;
const QString report = reportFolder + "/Output_T2_S03_" + patientKey + ".pdf";
const QString frenchBook = QStringLiteral("Languages/Fr/Kestrova_Instruction-book_fr.pdf");

QByteArray page(const QString &body)
{
    return "<html><head><meta charset=\"utf-8\"></head><body>" + body.toUtf8() + "</body></html>\n";
}

// Waits until the view's page answers the script with something that is not empty.
QString fromPage(QWebEngineView *view, const QString &script)
{
    auto answer = std::make_shared<QString>();
    const bool shown = view && QTest::qWaitFor([&] {
        view->page()->runJavaScript(script, [answer](QVariant v) { *answer = v.toString(); });
        QTest::qWait(50);
        return !answer->trimmed().isEmpty();
    }, 30000);
    return shown ? answer->trimmed() : QString();
}

// Receives what the program hands to the desktop to open.
class DesktopOpener : public QObject
{
    Q_OBJECT

public:
    DesktopOpener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~DesktopOpener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};
} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT

private slots:
    void menus_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("installed");   // language folders holding the document
        QTest::addColumn<QString>("shown");   // the page's text, or the file handed to the desktop
        QTest::addColumn<QString>("box");     // title|text of the box
        const QStringList both = {"En", "Fr"};
        const QString stored = "v_version|v_assessor|v_institution|v_street";
        const QString none;
        QTest::newRow("about, english") << "About_Kestrova" << 0 << both
            << "En|1.1|Dr. Jane Roe|Clinic Beaulieu|v_street" << none;
        QTest::newRow("about, french, no assessor file") << "About_Kestrova" << 1 << both
            << "Fr|1.1|||v_street" << none;
        QTest::newRow("video, french missing") << "Video_instructions" << 1 << QStringList{"En"}
            << "En|" + stored << none;
        QTest::newRow("publications, french") << "Publications" << 1 << both << "Fr|" + stored
            << none;
        QTest::newRow("page missing everywhere") << "Video_instructions" << 2 << QStringList()
            << none << "Unable to open file|No such file or directory";
        QTest::newRow("book, french") << "Instruction_book" << 1 << both << frenchBook << none;
        QTest::newRow("book, french missing, no english fallback") << "Instruction_book" << 1
            << QStringList{"En"} << none
            << "Error|Unable to find Kestrova_Instruction-book.pdf\n%1\nNo such file or directory";
        QTest::newRow("book, no program for PDF files") << "Instruction_book" << 1 << both << none
            << "Error|No program to open PDF files is installed.\n%1";
        QTest::newRow("report chosen") << "Previous_reports" << 1 << both << report << none;
        QTest::newRow("report dialog cancelled") << "Previous_reports" << 1 << both << none << none;
    }

    // Each menu's page in the interface language, else in English, the about page alone filling
    // in the version and the assessor; the instruction book in the interface language and the
    // current patient's filed reports, chosen in the patient's archive folder, handed to the
    // desktop's PDF program. No web view is made before a page is asked for.
    void menus()
    {
        QFETCH(QString, action);
        QFETCH(int, language);
        QFETCH(QStringList, installed);
        QFETCH(QString, shown);
        QFETCH(QString, box);
        const QByteArray tag = QTest::currentDataTag();
        const bool isPage = action != "Instruction_book" && action != "Previous_reports";
        InstalledTree tree;
        const QString name = QString(action).remove("_Kestrova").replace('_', '-');
        for (const QString &folder : installed)
            tree.write(QStringLiteral("Languages/%1/Kestrova_%2_%3.%4")
                           .arg(folder, name, folder.toLower(), isPage ? "html" : "pdf"),
                       page(folder + "|v_version|v_assessor|v_institution|v_street"));
        tree.write(report, "%PDF-1.4\n");
        tree.write("Parameters/patients_list.txt",
                   "Mrs.;Zeller;Anna;05.06.1944;2;1;0;3;0;0;0;0;0;0\r\n");
        if (!tag.contains("no assessor"))
            tree.write("Parameters/assessor.txt",
                       "Dr.;Roe;Jane;Clinic Beaulieu;Rue du Lac 4;1007;Lausanne;Switzerland\n");
        Calibration().setLanguage(language);
        std::optional<DesktopOpener> desktop;
        if (!tag.contains("no program"))
            desktop.emplace();
        MessageBoxCatcher boxes;
        Kestrova window;
        QVERIFY(window.findChildren<QWebEngineView *>().isEmpty());
        auto *combo = window.findChild<QComboBox *>("cob_patientName");
        combo->setCurrentIndex(combo->findText(patientKey));
        emit combo->activated(combo->currentIndex());

        // Looks at the file dialog as the assessor would, then picks the report or cancels.
        QStringList dialogSeen;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *dialog = visibleWindow<QFileDialog>();
            if (!dialog)
                return;
            watch.stop();
            dialogSeen << dialog->directory().absolutePath() << dialog->nameFilters();
            auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!shown.isEmpty() && file)
                file->setText(tree.path(shown));
            shown.isEmpty() ? dialog->reject() : static_cast<QDialog *>(dialog)->accept();
        });
        watch.start(50);
        window.findChild<QAction *>("action" + action)->trigger();

        if (action == "Previous_reports")
            QCOMPARE(dialogSeen, QStringList({QDir(tree.path(reportFolder)).absolutePath(),
                                              "Previous reports (*.pdf)"}));
        box.replace("%1", tree.path(frenchBook));
        QCOMPARE(boxes.titles + boxes.texts, box.split('|', Qt::SkipEmptyParts));
        auto *viewer = window.findChild<WebViewer *>();
        QCOMPARE(viewer->isVisible(), isPage);
        QCOMPARE(fromPage(viewer->webView(), "document.body.innerText"),
                 isPage ? shown : QString());
        if (isPage && !shown.isEmpty())
            QCOMPARE(viewer->webView()->zoomFactor(), 1.2);
        const QUrl url = QUrl::fromLocalFile(tree.path(shown));
        if (desktop)
            QCOMPARE(desktop->opened, isPage || shown.isEmpty() ? QList<QUrl>() : QList<QUrl>{url});
    }

    // The page view covers the window and nothing beyond it, also once the window is made
    // larger, so the page scrolls to its end; an image beside the page is found.
    void pageFollowsWindow()
    {
        InstalledTree tree;
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::darkGreen);
        tree.write("Languages/En/Kestrova_Publications_en.html", page("<img src=\"logo.png\">"));
        QVERIFY(logo.save(tree.path("Languages/En/logo.png")));
        QWidget owner;
        WebViewer viewer(&owner);
        viewer.goPublications();
        QVERIFY(viewer.webView());
        viewer.resize(1200, 1000);
        QTRY_COMPARE(viewer.webView()->geometry(), viewer.rect());
        QCOMPARE(fromPage(viewer.webView(), "document.images[0].naturalWidth || ''"),
                 QStringLiteral("40"));
    }
};

KESTROVA_WEBENGINE_TEST_MAIN(TestDocuments)
#include "tst_documents.moc"
