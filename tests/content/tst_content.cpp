// The documents and report templates shipped in languages/<Lang>/: every file the program looks
// up exists in every language under the name it looks for, every placeholder the report dialog
// fills is in its template (and nothing that looks like a placeholder but is none), each file is
// well-formed, self-contained and written in its own language, and each instruction book is the
// PDF of its own language.

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include "context/paths.h"
#include "pdftext.h"
#include "placeholders.h"

namespace {

const QRegularExpression placeholderWord(QStringLiteral("\\bv_[A-Za-z0-9_]+"));

// Share of very common English words among all words: a few per cent in English prose,
// practically none in a real translation.
double englishShare(const QString &text)
{
    static const QSet<QString> common({"the", "and", "with", "which", "when", "this", "that",
                                       "from", "you", "your", "are", "after"});
    const QStringList all = text.toLower().split(QRegularExpression(QStringLiteral("[^\\w]+")),
                                                 Qt::SkipEmptyParts);
    int hits = 0;
    for (const QString &w : all)
        hits += common.contains(w) ? 1 : 0;
    return all.isEmpty() ? 0.0 : double(hits) / double(all.size());
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
        QTest::addColumn<QStringList>("placeholders");   // those the program fills in the page
        const QStringList names = {"About.html", "Video-instructions.html", "Publications.html",
                                   "Task1.html", "Task2.html", "Task3.html", "Task4.html",
                                   "Instruction-book.pdf"};
        for (int language = 0; language < Paths::languageCount; ++language) {
            for (const QString &name : names) {
                const QString file = Paths::languageSubFolder(language) + QLatin1Char('/')
                                     + Paths::localizedName(language, "Kestrova_" + name);
                const QStringList fills = name.startsWith("Task")
                    ? Placeholders::common + Placeholders::ofTask(name.mid(4, 1).toInt())
                    : Placeholders::common.mid(0, name == "About.html" ? 3 : 0);
                QTest::addRow("%s", qPrintable(file))
                    << KESTROVA_SOURCE_DIR "/languages/" + file << language << fills;
            }
        }
    }

    void document()
    {
        QFETCH(QString, path);
        QFETCH(int, language);
        QFETCH(QStringList, placeholders);
        QString text;
        if (path.endsWith(QLatin1String(".pdf"))) {
            text = pdfText(path);
            // A real manual, not a stub: it names the assessor's keys.
            QVERIFY2(text.size() > 10000, qPrintable(QString::number(text.size())));
            for (const char *key : {"Escape", "E", "P"})
                QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(key))),
                         key);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            // An HTML page in its own language and encoding, with a title.
            const QRegularExpression head(
                QStringLiteral("^<!DOCTYPE html>\\s*<html lang=\"%1\">\\s*<head>\\s*"
                               "<meta charset=\"utf-8\"/>\\s*<title>\\s*\\S[^<]*</title>")
                    .arg(Paths::languageSuffix(language).mid(1)));
            QVERIFY2(html.contains(head), qPrintable(html.left(200)));
            // Exactly its placeholders: a misspelt one would stay in the filed report as it is.
            QStringList found;
            for (auto it = placeholderWord.globalMatch(html); it.hasNext();)
                found << it.next().captured();
            found.removeDuplicates();
            found.sort();
            placeholders.sort();
            QCOMPARE(found, placeholders);
            // Everything a page shows is in the page (no style sheet, script or image fetched),
            // and every marker of the sources is filled.
            for (const char *outside : {"<link", "<script", "src=", "@import", "url(", "{{"})
                QVERIFY2(!html.contains(QLatin1String(outside)), outside);

            // The language is judged on the visible text: not the style sheet, nor the reference
            // lists, which keep the titles of works and journals as they were published.
            QXmlStreamReader xml(html);
            int hidden = 0;
            while (!xml.atEnd()) {
                xml.readNext();
                const bool hiding = xml.name() == u"style" || xml.name() == u"cite";
                hidden += xml.isStartElement() && hiding ? 1 : 0;
                hidden -= xml.isEndElement() && hiding ? 1 : 0;
                if (xml.isCharacters() && hidden == 0)
                    text += xml.text().toString() + QLatin1Char(' ');
            }
            QVERIFY2(!xml.hasError(),
                     qPrintable(QString::number(xml.lineNumber()) + ": " + xml.errorString()));
            text.remove(placeholderWord);
        }
        const double share = englishShare(text);
        if (language == 0)
            QVERIFY2(share > 0.03, qPrintable(QString::number(share)));
        else
            QVERIFY2(share < 0.005, qPrintable(QString::number(share)));
    }
};

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
