#include <QtTest>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QDesktopServices>
#include <QFileDialog>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "app/kestrova.h"
#include "calibration/calibration.h"
#include "context/paths.h"
#include "documents/webviewer.h"
#include "installedtree.h"
#include "messageboxcatcher.h"
#include "webenginetestmain.h"
#include "widgetlookup.h"

namespace {
const QString patientKey = QStringLiteral("Zeller Anna 05.06.1944");
const QByteArray assessorLine = "Dr.;Roe;Jane;Clinic Beaulieu;Rue du Lac 4;1007;Lausanne;Switzerland\n";

QByteArray page(const QString &body)
{
    return "<html><head><meta charset=\"utf-8\"></head><body>" + body.toUtf8() + "</body></html>\n";
}

// Waits until the viewer's page shows some text and returns it.
QString shownText(WebViewer &viewer)
{
    QWebEngineView *view = viewer.webView();
    if (!view)
        return QString();
    auto text = std::make_shared<QString>();
    const bool shown = QTest::qWaitFor([&] {
        view->page()->toPlainText([text](const QString &result) { *text = result; });
        QTest::qWait(50);
        return !text->trimmed().isEmpty();
    }, 30000);
    return shown ? *text : QString();
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
    void init();
    void cleanup();
    void pages_data();
    void pages();
    void shippedAboutPage_data();
    void shippedAboutPage();
    void relativeImageFound();
    void pageFollowsWindow_data();
    void pageFollowsWindow();
    void menusOpenPagesWithoutViewAtStart();
    void instructionBook_data();
    void instructionBook();
    void previousReports_data();
    void previousReports();

private:
    std::unique_ptr<InstalledTree> tree;
};

void TestDocuments::init()
{
    tree = std::make_unique<InstalledTree>();
}

void TestDocuments::cleanup()
{
    tree.reset();
}

void TestDocuments::pages_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("installed");   // language folders holding the page
    QTest::addColumn<bool>("assessorFile");
    QTest::addColumn<QString>("shown");           // empty: the page cannot be opened
    const QStringList both = {"En", "Fr"};
    const QString stored = "v_version|v_assessor|v_institution|v_street";
    QTest::newRow("about, english") << "goAbout" << 0 << both << true << "En|1.1|Dr. Jane Roe|Clinic Beaulieu|v_street";
    QTest::newRow("about, french, no assessor file")
        << "goAbout" << 1 << both << false << "Fr|1.1|||v_street";
    QTest::newRow("video, french missing") << "goVideo_instructions" << 1 << QStringList{"En"} << true << "En|" + stored;
    QTest::newRow("publications, french") << "goPublications" << 1 << both << true << "Fr|" + stored;
    QTest::newRow("missing everywhere") << "goVideo_instructions" << 2 << QStringList{} << true << QString();
}

// Each page in the interface language, else in English; only the about page fills in the
// version and the assessor.
void TestDocuments::pages()
{
    QFETCH(QString, slot);
    QFETCH(int, language);
    QFETCH(QStringList, installed);
    QFETCH(bool, assessorFile);
    QFETCH(QString, shown);
    const QString file = slot == "goAbout" ? "Kestrova_About" : slot == "goPublications" ? "Kestrova_Publications"
                                                                                       : "Kestrova_Video-instructions";
    for (const QString &folder : installed)
        tree->write(QStringLiteral("Languages/%1/%2_%3.html").arg(folder, file, folder.toLower()),
                    page(folder + "|v_version|v_assessor|v_institution|v_street"));
    if (assessorFile)
        tree->write("Parameters/assessor.txt", assessorLine);
    Calibration().setLanguage(language);
    MessageBoxCatcher boxes;
    QWidget owner;
    WebViewer viewer(&owner);
    QVERIFY(QMetaObject::invokeMethod(&viewer, slot.toLatin1().constData()));
    QVERIFY(viewer.isVisible());
    if (shown.isEmpty()) {
        QCOMPARE(boxes.titles, QStringList{"Unable to open file"});
        QCOMPARE(boxes.texts, QStringList{"No such file or directory"});
        return;
    }
    QCOMPARE(shownText(viewer).trimmed(), shown);
    QCOMPARE(viewer.webView()->zoomFactor(), 1.2);
    QCOMPARE(boxes.count(), 0);
}

void TestDocuments::shippedAboutPage_data()
{
    QTest::addColumn<int>("language");
    const char *const folders[] = {"En", "Fr", "De", "It", "Es", "Nl"};
    for (int language = 0; language < 6; ++language)
        QTest::newRow(folders[language]) << language;
}

// The about page that ships in each language shows the version and the assessor.
void TestDocuments::shippedAboutPage()
{
    QFETCH(int, language);
    const QString folder = Paths::languageSubFolder(language);
    const QString name = Paths::localizedName(language, QStringLiteral("Kestrova_About.html"));
    QDir().mkpath(tree->path("Languages/" + folder));
    QVERIFY(QFile::copy(QStringLiteral(KESTROVA_SOURCE_DIR "/languages/%1/%2").arg(folder, name),
                        tree->path("Languages/" + folder + "/" + name)));
    tree->write("Parameters/assessor.txt", assessorLine);
    Calibration().setLanguage(language);
    QWidget owner;
    WebViewer viewer(&owner);
    viewer.goAbout();
    const QString text = shownText(viewer);
    QVERIFY2(text.contains("Dr. Jane Roe") && text.contains("Clinic Beaulieu") && text.contains("1.1"),
             qPrintable(text));
    QVERIFY2(!text.contains("v_") && !viewer.webView()->title().contains("v_"), qPrintable(text));
}

void TestDocuments::relativeImageFound()
{
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    QDir().mkpath(tree->path("Languages/Fr"));
    QVERIFY(logo.save(tree->path("Languages/Fr/logo.png")));
    tree->write("Languages/Fr/Kestrova_Publications_fr.html", page("<img src=\"logo.png\">"));
    Calibration().setLanguage(1);
    QWidget owner;
    WebViewer viewer(&owner);
    viewer.goPublications();
    QWebEngineView *view = viewer.webView();
    QVERIFY(view);
    int width = -1;
    QVERIFY(QTest::qWaitFor([&] {
        view->page()->runJavaScript(QStringLiteral("document.images.length ? document.images[0].naturalWidth : -1"),
                                    [&](const QVariant &result) { width = result.toInt(); });
        QTest::qWait(100);
        return width > 0;
    }, 30000));
    QCOMPARE(width, 40);
}

void TestDocuments::pageFollowsWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("as opened") << QSize();
    QTest::newRow("smaller") << QSize(500, 400);
    QTest::newRow("larger") << QSize(1200, 1000);
}

// The page view covers the window and nothing beyond it, so the page scrolls to its end.
void TestDocuments::pageFollowsWindow()
{
    QFETCH(QSize, size);
    tree->write("Languages/En/Kestrova_Publications_en.html", page("PUBLICATIONS"));
    QWidget owner;
    WebViewer viewer(&owner);
    viewer.goPublications();
    QVERIFY(viewer.webView());
    if (size.isValid())
        viewer.resize(size);
    QTRY_COMPARE(viewer.webView()->geometry(), viewer.rect());
    QCOMPARE(viewer.size(), size.isValid() ? size : QSize(850, 840));
}

void TestDocuments::menusOpenPagesWithoutViewAtStart()
{
    tree->write("Languages/En/Kestrova_About_en.html", page("ABOUT"));
    tree->write("Languages/En/Kestrova_Video-instructions_en.html", page("VIDEOS"));
    tree->write("Languages/En/Kestrova_Publications_en.html", page("PUBLICATIONS"));
    Kestrova window;
    QVERIFY(window.findChildren<QWebEngineView *>().isEmpty());
    auto *viewer = window.findChild<WebViewer *>();
    QVERIFY(viewer);
    const struct { const char *action; const char *text; } entries[] = {
        {"actionAbout_Kestrova", "ABOUT"}, {"actionVideo_instructions", "VIDEOS"}, {"actionPublications", "PUBLICATIONS"}};
    for (const auto &entry : entries) {
        window.findChild<QAction *>(QString::fromLatin1(entry.action))->trigger();
        QVERIFY(viewer->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(shownText(*viewer).trimmed(), QString::fromLatin1(entry.text), 30000);
    }
}

void TestDocuments::instructionBook_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<bool>("viewer");   // the desktop has a program for PDF files
    QTest::addColumn<QString>("message");
    const QString book = "Fr/Kestrova_Instruction-book_fr.pdf";
    QTest::newRow("french") << 1 << book << true << QString();
    QTest::newRow("french missing, no english fallback")
        << 1 << "En/Kestrova_Instruction-book_en.pdf" << true
        << "Unable to find Kestrova_Instruction-book.pdf\n%1\nNo such file or directory";
    QTest::newRow("no program for PDF files") << 1 << book << false << "No program to open PDF files is installed.\n%1";
}

void TestDocuments::instructionBook()
{
    QFETCH(int, language);
    QFETCH(QString, installed);
    QFETCH(bool, viewer);
    QFETCH(QString, message);
    tree->write("Languages/" + installed, "%PDF-1.4\n");
    Calibration().setLanguage(language);
    std::optional<DesktopOpener> desktop;
    if (viewer)
        desktop.emplace();
    MessageBoxCatcher boxes;
    Kestrova window;
    window.findChild<QAction *>("actionInstruction_book")->trigger();
    const QString book = tree->path("Languages/Fr/Kestrova_Instruction-book_fr.pdf");
    QCOMPARE(boxes.texts, message.isEmpty() ? QStringList() : QStringList{message.arg(book)});
    QCOMPARE(boxes.titles, QStringList(boxes.count(), QStringLiteral("Error")));
    if (viewer)
        QCOMPARE(desktop->opened, message.isEmpty() ? QList<QUrl>{QUrl::fromLocalFile(book)} : QList<QUrl>{});
}

void TestDocuments::previousReports_data()
{
    QTest::addColumn<bool>("choose");
    QTest::addColumn<bool>("viewer");   // the desktop has a program for PDF files
    QTest::newRow("report chosen") << true << true;
    QTest::newRow("dialog cancelled") << false << true;
    QTest::newRow("no program for PDF files") << true << false;
}

void TestDocuments::previousReports()
{
    QFETCH(bool, choose);
    QFETCH(bool, viewer);
    const QString folder = "Archives/" + patientKey;
    const QString report = folder + "/Output_T2_S03_" + patientKey + ".pdf";
    tree->write(report, "%PDF-1.4\n");
    tree->write(folder + "/results_T2.csv", "x\n");
    tree->write("Parameters/patients_list.txt", "Mrs.;Zeller;Anna;05.06.1944;2;1;0;3;0;0;0;0;0;0\r\n");
    std::optional<DesktopOpener> desktop;
    if (viewer)
        desktop.emplace();
    MessageBoxCatcher boxes;
    Kestrova window;
    auto *combo = window.findChild<QComboBox *>("cob_patientName");
    QTRY_VERIFY(combo->isEnabled());
    combo->setCurrentIndex(combo->findText(patientKey));
    emit combo->activated(combo->currentIndex());

    QString directory;
    QStringList filters;
    QString caption;
    QStringList listed;
    // Looks at the file dialog as the assessor would, then picks the report or cancels;
    // whatever is found, the dialog is closed so that the test goes on.
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        auto *dialog = visibleWindow<QFileDialog>();
        if (!dialog)
            return;
        watch.stop();
        directory = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        caption = dialog->windowTitle();
        auto *files = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
        if (files) {
            (void)QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) > 0; }, 5000);
            for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row)
                listed << files->model()->index(row, 0, files->rootIndex()).data().toString();
        }
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")); choose && name)
            name->setText(QFileInfo(report).fileName());
        choose ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
    });
    watch.start(50);
    window.findChild<QAction *>("actionPrevious_reports")->trigger();

    QCOMPARE(directory, QDir(tree->path(folder)).absolutePath());
    QCOMPARE(filters, QStringList{"Previous reports (*.pdf)"});
    QCOMPARE(caption, QStringLiteral("Ouvrir"));
    QCOMPARE(listed, QStringList{QFileInfo(report).fileName()});
    if (viewer)
        QCOMPARE(desktop->opened, choose ? QList<QUrl>{QUrl::fromLocalFile(tree->path(report))} : QList<QUrl>{});
    QCOMPARE(boxes.texts, viewer ? QStringList()
                                 : QStringList{"No program to open PDF files is installed.\n" + tree->path(report)});
}

KESTROVA_WEBENGINE_TEST_MAIN(TestDocuments)
#include "tst_documents.moc"
