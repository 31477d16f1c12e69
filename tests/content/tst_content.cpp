// The documents and report templates shipped in languages/<Lang>/: every file the program looks
// up exists in every language under the name it looks for, every placeholder the report dialog
// fills is in its template (and nothing that looks like a placeholder but is none), each file is
// well-formed, self-contained and written in its own language, and each instruction book is the
// PDF of its own language.

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include "context/paths.h"
#include "pdftext.h"
#include "placeholders.h"

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

// The placeholders the report dialog fills in each page: the About page and the four reports.
QStringList placeholders(const QString &page)
{
    if (page.contains(QLatin1String("About")))
        return Placeholders::common.mid(0, 3);
    const auto task = QRegularExpression(QStringLiteral("Task([1-4])")).match(page);
    return task.hasMatch() ? Placeholders::common + Placeholders::ofTask(task.captured(1).toInt()) : QStringList();
}

const QRegularExpression placeholderWord(QStringLiteral("\\bv_[A-Za-z0-9_]+"));

// Share of very common English words among all words: a few per cent in English prose,
// practically none in a real translation.
double englishShare(const QString &text)
{
    static const QSet<QString> common(
        {"the", "and", "with", "which", "when", "this", "that", "from", "you", "your", "are", "after"});
    const QStringList all = text.toLower().split(QRegularExpression(QStringLiteral("[^\\w]+")),
                                                 Qt::SkipEmptyParts);
    int hits = 0;
    for (const QString &w : all)
        hits += common.contains(w) ? 1 : 0;
    return all.isEmpty() ? 0.0 : double(hits) / double(all.size());
}

QStringList documentNames()
{
    return QString::fromLatin1("Kestrova_About.html Kestrova_Video-instructions.html Kestrova_Publications.html "
                               "Kestrova_Task1.html Kestrova_Task2.html Kestrova_Task3.html Kestrova_Task4.html "
                               "Kestrova_Instruction-book.pdf")
        .split(QLatin1Char(' '));
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void document_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("language");
        for (int language = 0; language < Paths::languageCount; ++language)
            for (const QString &name : documentNames())
                QTest::addRow("%s %s", qPrintable(Paths::languageSubFolder(language)), qPrintable(name))
                    << shippedFile(language, name) << language;
    }

    void document()
    {
        QFETCH(QString, path);
        QFETCH(int, language);
        QString text;
        if (path.endsWith(QLatin1String(".pdf"))) {
            text = pdfText(path);
            // A real manual, not a stub: it names the assessor's keys and every task.
            QVERIFY2(text.size() > 10000, qPrintable(path + QStringLiteral(": ") + QString::number(text.size())));
            for (const char *key : {"Escape", "E", "P"})
                QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QLatin1String(key)))), key);
        } else {
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY2(html.startsWith(QLatin1String("<!DOC")), qPrintable(path));
            // Exactly its placeholders: a misspelt one would stay in the filed report as it is.
            QStringList found;
            for (auto it = placeholderWord.globalMatch(html); it.hasNext();)
                found << it.next().captured();
            found.removeDuplicates();
            found.sort();
            QStringList expected = placeholders(QFileInfo(path).fileName());
            expected.sort();
            QCOMPARE(found, expected);

            // The language is judged on the visible text: not the style sheet, nor the reference
            // lists, which keep the titles of works and journals as they were published.
            const auto hidden = [](QStringView name) { return name == u"style" || name == u"cite"; };
            QXmlStreamReader xml(html);
            QString rootLanguage, title;
            bool utf8 = false;
            int inHidden = 0;
            for (int elements = 0; !xml.atEnd();) {
                xml.readNext();
                if (xml.isEndElement() && hidden(xml.name()))
                    --inHidden;
                if (xml.isCharacters() && inHidden == 0)
                    text += xml.text().toString() + QLatin1Char(' ');
                if (!xml.isStartElement())
                    continue;
                const auto attributes = xml.attributes();
                if (elements++ == 0) {
                    QCOMPARE(xml.name().toString(), QStringLiteral("html"));
                    rootLanguage = attributes.value(QLatin1String("lang")).toString();
                }
                inHidden += hidden(xml.name()) ? 1 : 0;
                utf8 = utf8 || (xml.name() == QLatin1String("meta")
                                && attributes.value(QLatin1String("charset")).compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0);
                if (xml.name() == QLatin1String("title"))
                    title = xml.readElementText();
                // Everything a page shows is in the page: no stylesheet, script or image fetched.
                QVERIFY2(xml.name() != QLatin1String("link") && xml.name() != QLatin1String("script")
                             && !attributes.hasAttribute(QLatin1String("src")),
                         qPrintable(xml.name().toString()));
            }
            QVERIFY2(!xml.hasError(), qPrintable(QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString())));
            QCOMPARE(rootLanguage, Paths::languageSuffix(language).mid(1));
            QVERIFY(utf8);
            QVERIFY(!title.trimmed().isEmpty());
            QVERIFY(!html.contains(QLatin1String("@import")) && !html.contains(QLatin1String("url(")));
            QVERIFY2(!html.contains(QLatin1String("{{")), "a marker of the sources was left unfilled");
            text.remove(placeholderWord);
        }
        const double share = englishShare(text);
        if (language == 0)
            QVERIFY2(share > 0.03, qPrintable(QString::number(share)));
        else
            QVERIFY2(share < 0.005, qPrintable(QStringLiteral("%1 of the words are English").arg(share)));
    }
};

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
