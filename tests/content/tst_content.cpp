// The documents and report templates shipped in languages/<Lang>/: every file the program looks
// up exists in every language under the name it looks for, every placeholder the report dialog
// fills is in its template (and nothing that looks like a placeholder but is none), each file is
// well-formed, self-contained and written in its own language, and each instruction book is the
// PDF of its own language.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include "context/paths.h"

namespace {

const QString languagesDir = QStringLiteral(KESTROVA_SOURCE_DIR "/languages");

QString shippedFile(int language, const QString &baseName)
{
    // The program turns "Name.html" into "Name_<sfx>.html" in the language's sub-folder.
    const int dot = baseName.lastIndexOf(QLatin1Char('.'));
    return QStringLiteral("%1/%2/%3%4%5")
        .arg(languagesDir, Paths::languageSubFolder(language), baseName.left(dot),
             Paths::languageSuffix(language), baseName.mid(dot));
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

const QStringList commonPlaceholders = {
    QStringLiteral("v_version"),   QStringLiteral("v_assessor"), QStringLiteral("v_institution"),
    QStringLiteral("v_street"),    QStringLiteral("v_code"),     QStringLiteral("v_city"),
    QStringLiteral("v_country"),   QStringLiteral("v_f_name"),   QStringLiteral("v_l_name"),
    QStringLiteral("v_dob"),       QStringLiteral("v_date"),     QStringLiteral("v_time"),
    QStringLiteral("v_session"),   QStringLiteral("v_duration"), QStringLiteral("v_trials")};

QStringList taskPlaceholders(int task)
{
    switch (task) {
    case 1: {
        QStringList list{QStringLiteral("v_t1_central"), QStringLiteral("v_t1_peripheral"),
                         QStringLiteral("v_t1_dual")};
        for (const char *sub : {"a", "b", "c"})
            for (const char *measure : {"errors", "reversals", "inf", "limit_i", "sup", "limit_s"})
                list << QStringLiteral("v_t1%1_%2").arg(QLatin1String(sub), QLatin1String(measure));
        return list;
    }
    case 2:
        return {QStringLiteral("v_t2a_neutral"), QStringLiteral("v_t2b_alerting"),
                QStringLiteral("v_t2c_orientation"), QStringLiteral("v_t2a_error"),
                QStringLiteral("v_t2b_error"), QStringLiteral("v_t2c_error"),
                QStringLiteral("v_t2a_slope"), QStringLiteral("v_t2b_slope"),
                QStringLiteral("v_t2c_slope"), QStringLiteral("v_t2a_r2"),
                QStringLiteral("v_t2b_r2"), QStringLiteral("v_t2c_r2")};
    case 3:
        return {QStringLiteral("v_t3rt"), QStringLiteral("v_t3_error"), QStringLiteral("v_t3_slope"),
                QStringLiteral("v_t3_r2"), QStringLiteral("v_t3_oc"), QStringLiteral("v_t3_lr"),
                QStringLiteral("v_t3_bt")};
    default:
        return {QStringLiteral("v_t4_average_f"), QStringLiteral("v_t4_average_l"),
                QStringLiteral("v_t4_error"), QStringLiteral("v_t4l_slope"),
                QStringLiteral("v_t4l_r2"), QStringLiteral("v_t4_slope"),
                QStringLiteral("v_t4_intercept"), QStringLiteral("v_t4_r2")};
    }
}

// Every "v_…" word of a document: a placeholder is replaced only where it stands exactly.
QSet<QString> placeholderWords(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\bv_[A-Za-z0-9_]+"));
    QSet<QString> found;
    auto it = word.globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured());
    return found;
}

// The character data of a document outside <style>, with placeholders left out.
QString visibleText(const QString &html, QString *error = nullptr)
{
    QXmlStreamReader xml(html);
    QString text;
    int inStyle = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("style"))
            ++inStyle;
        else if (xml.isEndElement() && xml.name() == QLatin1String("style"))
            --inStyle;
        else if (xml.isCharacters() && inStyle == 0)
            text += xml.text().toString() + QLatin1Char(' ');
    }
    if (xml.hasError() && error)
        *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    static const QRegularExpression placeholder(QStringLiteral("\\bv_[A-Za-z0-9_]+"));
    return text.remove(placeholder);
}

// Share of very common English words among all words: a few per cent in English prose,
// practically none in a real translation.
double englishShare(const QString &text)
{
    static const QSet<QString> common = {
        QStringLiteral("the"),  QStringLiteral("and"),  QStringLiteral("with"),
        QStringLiteral("which"), QStringLiteral("when"), QStringLiteral("this"),
        QStringLiteral("that"), QStringLiteral("from"), QStringLiteral("you"),
        QStringLiteral("your"), QStringLiteral("are"),  QStringLiteral("after")};
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"));
    const QStringList words = text.toLower().split(separators, Qt::SkipEmptyParts);
    if (words.isEmpty())
        return 0.0;
    int hits = 0;
    for (const QString &w : words)
        hits += common.contains(w) ? 1 : 0;
    return double(hits) / double(words.size());
}

const QStringList pageNames = {QStringLiteral("Kestrova_About.html"),
                               QStringLiteral("Kestrova_Video-instructions.html"),
                               QStringLiteral("Kestrova_Publications.html")};

QStringList htmlNames()
{
    QStringList names = pageNames;
    for (int task = 1; task <= 4; ++task)
        names << QStringLiteral("Kestrova_Task%1.html").arg(task);
    return names;
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void templateHoldsEveryPlaceholder_data();
    void templateHoldsEveryPlaceholder();
    void everyDocumentExists_data();
    void everyDocumentExists();
    void aboutPageHoldsItsPlaceholders_data();
    void aboutPageHoldsItsPlaceholders();
    void htmlIsWellFormedAndSelfContained_data();
    void htmlIsWellFormedAndSelfContained();
    void htmlIsInItsLanguage_data();
    void htmlIsInItsLanguage();
    void instructionBookIsInItsLanguage_data();
    void instructionBookIsInItsLanguage();
    void nothingUnexpectedIsShipped();
};

void TestContent::templateHoldsEveryPlaceholder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("placeholders");
    for (int language = 0; language < Paths::languageCount; ++language)
        for (int task = 1; task <= 4; ++task)
            QTest::addRow("%s task %d", qPrintable(Paths::languageSubFolder(language)), task)
                << shippedFile(language, QStringLiteral("Kestrova_Task%1.html").arg(task))
                << commonPlaceholders + taskPlaceholders(task);
}

void TestContent::templateHoldsEveryPlaceholder()
{
    QFETCH(QString, path);
    QFETCH(QStringList, placeholders);
    const QString html = readText(path);
    QVERIFY2(!html.isEmpty(), qPrintable(path + QStringLiteral(" is missing or empty")));
    const QSet<QString> words = placeholderWords(html);
    for (const QString &placeholder : placeholders)
        QVERIFY2(words.contains(placeholder), qPrintable(placeholder + QStringLiteral(" missing")));
    // A misspelt placeholder would stay in the filed report as it is.
    const QSet<QString> known(placeholders.cbegin(), placeholders.cend());
    for (const QString &word : words)
        QVERIFY2(known.contains(word), qPrintable(word + QStringLiteral(" is no placeholder of this report")));
}

void TestContent::everyDocumentExists_data()
{
    QTest::addColumn<QString>("path");
    QStringList names = htmlNames();
    names << QStringLiteral("Kestrova_Instruction-book.pdf");
    for (int language = 0; language < Paths::languageCount; ++language)
        for (const QString &name : names)
            QTest::addRow("%s %s", qPrintable(Paths::languageSubFolder(language)), qPrintable(name))
                << shippedFile(language, name);
}

void TestContent::everyDocumentExists()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path + QStringLiteral(": ") + file.errorString()));
    const QByteArray head = file.read(5);
    if (path.endsWith(QLatin1String(".pdf")))
        QCOMPARE(head, QByteArray("%PDF-"));
    else
        QCOMPARE(head, QByteArray("<!DOC"));
}

void TestContent::aboutPageHoldsItsPlaceholders_data()
{
    QTest::addColumn<QString>("path");
    for (int language = 0; language < Paths::languageCount; ++language)
        QTest::addRow("%s", qPrintable(Paths::languageSubFolder(language)))
            << shippedFile(language, QStringLiteral("Kestrova_About.html"));
}

void TestContent::aboutPageHoldsItsPlaceholders()
{
    QFETCH(QString, path);
    const QSet<QString> words = placeholderWords(readText(path));
    const QSet<QString> expected = {QStringLiteral("v_version"), QStringLiteral("v_assessor"),
                                    QStringLiteral("v_institution")};
    QCOMPARE(words, expected);
}

void TestContent::htmlIsWellFormedAndSelfContained_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("code");
    for (int language = 0; language < Paths::languageCount; ++language)
        for (const QString &name : htmlNames())
            QTest::addRow("%s %s", qPrintable(Paths::languageSubFolder(language)), qPrintable(name))
                << shippedFile(language, name) << Paths::languageSuffix(language).mid(1);
}

void TestContent::htmlIsWellFormedAndSelfContained()
{
    QFETCH(QString, path);
    QFETCH(QString, code);
    const QString html = readText(path);
    QVERIFY2(!html.isEmpty(), qPrintable(path));

    QXmlStreamReader xml(html);
    QString rootLanguage;
    QString title;
    bool utf8 = false;
    int elements = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto attributes = xml.attributes();
        if (elements++ == 0) {
            QCOMPARE(xml.name().toString(), QStringLiteral("html"));
            rootLanguage = attributes.value(QLatin1String("lang")).toString();
        }
        if (xml.name() == QLatin1String("meta") && attributes.value(QLatin1String("charset")).compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0)
            utf8 = true;
        if (xml.name() == QLatin1String("title"))
            title = xml.readElementText();
        // Everything a page shows is in the page: no stylesheet, script or image fetched.
        QVERIFY2(xml.name() != QLatin1String("link") && xml.name() != QLatin1String("script"),
                 qPrintable(xml.name().toString()));
        QVERIFY2(!attributes.hasAttribute(QLatin1String("src")),
                 qPrintable(attributes.value(QLatin1String("src")).toString()));
    }
    QVERIFY2(!xml.hasError(), qPrintable(QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString())));
    QCOMPARE(rootLanguage, code);
    QVERIFY(utf8);
    QVERIFY(!title.trimmed().isEmpty());
    QVERIFY(!html.contains(QLatin1String("@import")));
    QVERIFY(!html.contains(QLatin1String("url(")));
    QVERIFY2(!html.contains(QLatin1String("{{")), "a marker of the sources was left unfilled");
}

void TestContent::htmlIsInItsLanguage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("english");
    for (int language = 0; language < Paths::languageCount; ++language)
        for (const QString &name : htmlNames())
            QTest::addRow("%s %s", qPrintable(Paths::languageSubFolder(language)), qPrintable(name))
                << shippedFile(language, name) << (language == 0);
}

void TestContent::htmlIsInItsLanguage()
{
    QFETCH(QString, path);
    QFETCH(bool, english);
    // Reference lists keep the titles of the works and journals as they were published.
    static const QRegularExpression references(QStringLiteral("<cite[^>]*>.*?</cite>"),
                                               QRegularExpression::DotMatchesEverythingOption);
    QString error;
    const QString text = visibleText(readText(path).remove(references), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const double share = englishShare(text);
    if (english)
        QVERIFY2(share > 0.03, qPrintable(QString::number(share)));
    else
        QVERIFY2(share < 0.005, qPrintable(QStringLiteral("%1 of the words are English").arg(share)));
}

void TestContent::instructionBookIsInItsLanguage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("english");
    for (int language = 0; language < Paths::languageCount; ++language)
        QTest::addRow("%s", qPrintable(Paths::languageSubFolder(language)))
            << shippedFile(language, QStringLiteral("Kestrova_Instruction-book.pdf")) << (language == 0);
}

void TestContent::instructionBookIsInItsLanguage()
{
    QFETCH(QString, path);
    QFETCH(bool, english);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed");
    QProcess process;
    process.start(pdftotext, {path, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    // A real manual, not a stub: it names the assessor's keys and every task.
    QVERIFY2(text.size() > 10000, qPrintable(QString::number(text.size())));
    for (const char *key : {"Escape", "E", "P"})
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QLatin1String(key)))), key);
    const double share = englishShare(text);
    if (english)
        QVERIFY2(share > 0.03, qPrintable(QString::number(share)));
    else
        QVERIFY2(share < 0.005, qPrintable(QStringLiteral("%1 of the words are English").arg(share)));
}

void TestContent::nothingUnexpectedIsShipped()
{
    // Only the language folders of the program's table, each with its eight documents.
    QStringList expectedFolders;
    for (int language = 0; language < Paths::languageCount; ++language)
        expectedFolders << Paths::languageSubFolder(language);
    QStringList folders = QDir(languagesDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.sort();
    expectedFolders.sort();
    QCOMPARE(folders, expectedFolders);
    for (int language = 0; language < Paths::languageCount; ++language) {
        const QDir folder(QStringLiteral("%1/%2").arg(languagesDir, Paths::languageSubFolder(language)));
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden).size(), htmlNames().size() + 1);
    }
}

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
