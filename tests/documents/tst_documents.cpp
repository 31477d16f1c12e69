#include <QtTest>
#include <QComboBox>
#include <QLineEdit>
#include <QDesktopServices>
#include <QFileDialog>
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
const QString frenchBook = QStringLiteral("Languages/Fr/Kestrova_Instruction-book_fr.pdf");
const QString reportFolder = "Archives/" + patientKey;
const QString report = reportFolder + "/Output_T2_S03_" + patientKey + ".pdf";

QByteArray page(const QString &body)
{
    return "<html><head><meta charset=\"utf-8\"></head><body>" + body.toUtf8() + "</body></html>\n";
}

// Waits until the view's page answers the script with something that is not empty.
QString fromPage(QWebEngineView *view, const QString &script)
{
    auto answer = std::make_shared<QString>();
    const bool shown = view && QTest::qWaitFor([&] {
        view->page()->runJavaScript(script, [answer](const QVariant &result) { *answer = result.toString(); });
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
    void pages_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("installed");   // language folders holding the page
        QTest::addColumn<bool>("assessorFile");
        QTest::addColumn<QString>("shown");           // empty: the page cannot be opened
        const QStringList both = {"En", "Fr"};
        const QString stored = "v_version|v_assessor|v_institution|v_street";
        QTest::newRow("about, english") << "actionAbout_Kestrova" << 0 << both << true
                                        << "En|1.1|Dr. Jane Roe|Clinic Beaulieu|v_street";
        QTest::newRow("about, french, no assessor file") << "actionAbout_Kestrova" << 1 << both << false << "Fr|1.1|||v_street";
        QTest::newRow("video, french missing") << "actionVideo_instructions" << 1 << QStringList{"En"} << true << "En|" + stored;
        QTest::newRow("publications, french") << "actionPublications" << 1 << both << true << "Fr|" + stored;
        QTest::newRow("missing everywhere") << "actionVideo_instructions" << 2 << QStringList{} << true << QString();
    }

    // Each menu's page in the interface language, else in English; only the about page fills in
    // the version and the assessor. No web view is made before a page is asked for.
    void pages()
    {
        QFETCH(QString, action);
        QFETCH(int, language);
        QFETCH(QStringList, installed);
        QFETCH(bool, assessorFile);
        QFETCH(QString, shown);
        InstalledTree tree;
        const QString file = QString(action).remove("action").remove("_Kestrova").replace('_', '-');
        for (const QString &folder : installed)
            tree.write(QStringLiteral("Languages/%1/Kestrova_%2_%3.html").arg(folder, file, folder.toLower()),
                       page(folder + "|v_version|v_assessor|v_institution|v_street"));
        if (assessorFile)
            tree.write("Parameters/assessor.txt", "Dr.;Roe;Jane;Clinic Beaulieu;Rue du Lac 4;1007;Lausanne;Switzerland\n");
        Calibration().setLanguage(language);
        MessageBoxCatcher boxes;
        Kestrova window;
        QVERIFY(window.findChildren<QWebEngineView *>().isEmpty());
        window.findChild<QAction *>(action)->trigger();
        auto *viewer = window.findChild<WebViewer *>();
        QVERIFY(viewer->isVisible());
        if (shown.isEmpty()) {
            QCOMPARE(boxes.titles, QStringList{"Unable to open file"});
            QCOMPARE(boxes.texts, QStringList{"No such file or directory"});
            return;
        }
        QCOMPARE(fromPage(viewer->webView(), "document.body.innerText"), shown);
        QCOMPARE(viewer->webView()->zoomFactor(), 1.2);
        QCOMPARE(boxes.count(), 0);
    }

    void pageFollowsWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("as opened") << QSize();
        QTest::newRow("larger") << QSize(1200, 1000);
    }

    // The page view covers the window and nothing beyond it, so the page scrolls to its end; an
    // image beside the page is found.
    void pageFollowsWindow()
    {
        QFETCH(QSize, size);
        InstalledTree tree;
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::darkGreen);
        tree.write("Languages/En/Kestrova_Publications_en.html", page("<img src=\"logo.png\">"));
        QVERIFY(logo.save(tree.path("Languages/En/logo.png")));
        QWidget owner;
        WebViewer viewer(&owner);
        viewer.goPublications();
        QVERIFY(viewer.webView());
        if (size.isValid())
            viewer.resize(size);
        QTRY_COMPARE(viewer.webView()->geometry(), viewer.rect());
        QCOMPARE(viewer.size(), size.isValid() ? size : QSize(850, 840));
        QCOMPARE(fromPage(viewer.webView(), "document.images[0].naturalWidth || ''"), QStringLiteral("40"));
    }

    void pdfs_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("book");      // the instruction book installed
        QTest::addColumn<bool>("choose");       // a report is chosen in the file dialog
        QTest::addColumn<bool>("viewer");       // the desktop has a program for PDF files
        QTest::addColumn<QString>("opened");    // empty: nothing opened
        QTest::addColumn<QString>("message");
        QTest::newRow("book, french") << "actionInstruction_book" << frenchBook << false << true << frenchBook << QString();
        QTest::newRow("book, french missing, no english fallback")
            << "actionInstruction_book" << "Languages/En/Kestrova_Instruction-book_en.pdf" << false << true << QString()
            << "Unable to find Kestrova_Instruction-book.pdf\n%1\nNo such file or directory";
        QTest::newRow("book, no program for PDF files") << "actionInstruction_book" << frenchBook << false << false << QString()
                                                        << "No program to open PDF files is installed.\n%1";
        QTest::newRow("report chosen") << "actionPrevious_reports" << frenchBook << true << true << report << QString();
        QTest::newRow("report dialog cancelled") << "actionPrevious_reports" << frenchBook << false << true << QString()
                                                 << QString();
    }

    // The instruction book in the interface language and the current patient's filed reports,
    // chosen in the patient's archive folder, are handed to the desktop's PDF program.
    void pdfs()
    {
        QFETCH(QString, action);
        QFETCH(QString, book);
        QFETCH(bool, choose);
        QFETCH(bool, viewer);
        QFETCH(QString, opened);
        QFETCH(QString, message);
        InstalledTree tree;
        tree.write(book, "%PDF-1.4\n");
        tree.write(report, "%PDF-1.4\n");
        tree.write(reportFolder + "/results_T2.csv", "x\n");
        tree.write("Parameters/patients_list.txt", "Mrs.;Zeller;Anna;05.06.1944;2;1;0;3;0;0;0;0;0;0\r\n");
        Calibration().setLanguage(1);
        std::optional<DesktopOpener> desktop;
        if (viewer)
            desktop.emplace();
        MessageBoxCatcher boxes;
        Kestrova window;
        auto *combo = window.findChild<QComboBox *>("cob_patientName");
        QTRY_VERIFY(combo->isEnabled());
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
            dialogSeen << dialog->directory().absolutePath() << dialog->nameFilters() << dialog->windowTitle();
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")); choose && name)
                name->setText(QFileInfo(report).fileName());
            choose ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
        });
        watch.start(50);
        window.findChild<QAction *>(action)->trigger();

        if (action == "actionPrevious_reports")
            QCOMPARE(dialogSeen, QStringList({QDir(tree.path(reportFolder)).absolutePath(), "Previous reports (*.pdf)", "Ouvrir"}));
        if (viewer)
            QCOMPARE(desktop->opened, opened.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl::fromLocalFile(tree.path(opened))});
        QCOMPARE(boxes.texts, message.isEmpty() ? QStringList() : QStringList{message.arg(tree.path(frenchBook))});
        QCOMPARE(boxes.titles, QStringList(boxes.count(), QStringLiteral("Error")));
    }
};

KESTROVA_WEBENGINE_TEST_MAIN(TestDocuments)
#include "tst_documents.moc"
