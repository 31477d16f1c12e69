// kestrova-docprinter: prints HTML documents to PDF with the web engine that shows and files
// Kestrova's reports, so a document looks here as it will look to the assessor.
//
//   kestrova-docprinter [--zoom Z] [--margins MM] [--values FILE] [--max-pages N]
//                       <input.html> <output.pdf> [<input.html> <output.pdf> …]
//
// --values FILE   lines "placeholder<TAB>value": every occurrence of each placeholder in the
//                 document is replaced by its value before printing (a report template filled
//                 with sample values, the way the report dialog fills it).
// --zoom Z        zoom factor of the view (the report view uses 1.2; default 1).
// --margins MM    page margins of the A4 page layout in millimetres (default 0, the web
//                 engine's own default; the documents set their margins with CSS @page).
// --max-pages N   fail when a PDF has more than N pages (a report must fit one A4 page).
//
// Relative links resolve against the input file's folder. Each PDF's page count is printed.
// The exit status is 0 only when every document loaded, printed and stayed within the limit.

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

struct Options
{
    double zoom = 1.0;
    double marginsMm = 0.0;
    int maxPages = 0; // 0: no limit
    std::vector<std::pair<QString, QString>> values;
    std::vector<std::pair<QString, QString>> jobs; // input, output
};

bool readValues(const QString &path, Options &options)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err() << "Cannot read " << path << ": " << file.errorString() << Qt::endl;
        return false;
    }
    QTextStream in(&file);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0) {
            err() << path << ":" << lineNumber << ": expected placeholder<TAB>value" << Qt::endl;
            return false;
        }
        options.values.emplace_back(line.left(tab), line.mid(tab + 1));
    }
    // Longer placeholders first, so that none is cut by a shorter one that begins it.
    std::sort(options.values.begin(), options.values.end(),
              [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
    return true;
}

bool parseArguments(const QStringList &args, Options &options)
{
    QStringList files;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (arg == QLatin1String("--zoom") && hasValue)
            options.zoom = args.at(++i).toDouble(&ok);
        else if (arg == QLatin1String("--margins") && hasValue)
            options.marginsMm = args.at(++i).toDouble(&ok);
        else if (arg == QLatin1String("--max-pages") && hasValue)
            options.maxPages = args.at(++i).toInt(&ok);
        else if (arg == QLatin1String("--values") && hasValue)
            ok = readValues(args.at(++i), options);
        else if (arg.startsWith(QLatin1String("--")))
            ok = false;
        else
            files << arg;
        if (!ok) {
            err() << "Bad argument: " << arg << Qt::endl;
            return false;
        }
    }
    if (files.isEmpty() || files.size() % 2 != 0) {
        err() << "usage: kestrova-docprinter [--zoom Z] [--margins MM] [--values FILE] "
                 "[--max-pages N] <input.html> <output.pdf> [...]"
              << Qt::endl;
        return false;
    }
    for (int i = 0; i < files.size(); i += 2)
        options.jobs.emplace_back(files.at(i), files.at(i + 1));
    return true;
}

// Number of page objects in a PDF as the web engine writes it (uncompressed object headers).
int pageCount(const QString &pdfPath)
{
    QFile file(pdfPath);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    const QString text = QString::fromLatin1(file.readAll());
    int count = 0;
    auto it = pageObject.globalMatch(text);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

// Prints the jobs one after the other: load, then print, then the next load.
class Printer : public QObject
{
public:
    Printer(Options options, QObject *parent)
        : QObject(parent)
        , m_options(std::move(options))
        , m_view(new QWebEngineView)
    {
        m_view->setAttribute(Qt::WA_DontShowOnScreen);
        m_view->resize(1024, 1160);
        m_view->show();
        QWebEnginePage *page = m_view->page();
        connect(page, &QWebEnginePage::loadFinished, this, &Printer::loaded);
        connect(page, &QWebEnginePage::pdfPrintingFinished, this, &Printer::printed);
    }
    ~Printer() override { delete m_view; }

    void start() { next(); }
    int failures() const { return m_failures; }

private:
    void next()
    {
        if (m_index >= m_options.jobs.size()) {
            QApplication::exit(m_failures == 0 ? 0 : 1);
            return;
        }
        const QString input = m_options.jobs.at(m_index).first;
        QFile file(input);
        if (!file.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("cannot read %1: %2").arg(input, file.errorString()));
            return;
        }
        QString html = QString::fromUtf8(file.readAll());
        for (const auto &[placeholder, value] : m_options.values)
            html.replace(placeholder, value);
        m_view->setZoomFactor(m_options.zoom);
        m_view->setHtml(html, QUrl::fromLocalFile(QFileInfo(input).absoluteFilePath()));
    }

    void loaded(bool ok)
    {
        if (!ok) {
            fail(QStringLiteral("cannot load %1").arg(m_options.jobs.at(m_index).first));
            return;
        }
        const QMarginsF margins(m_options.marginsMm, m_options.marginsMm, m_options.marginsMm,
                                m_options.marginsMm);
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins,
                                 QPageLayout::Millimeter);
        m_view->page()->printToPdf(QFileInfo(m_options.jobs.at(m_index).second).absoluteFilePath(),
                                   layout);
    }

    void printed(const QString &path, bool success)
    {
        if (!success) {
            fail(QStringLiteral("cannot write %1").arg(path));
            return;
        }
        const int pages = pageCount(path);
        out() << path << ": " << pages << (pages == 1 ? " page" : " pages") << Qt::endl;
        if (pages < 1 || (m_options.maxPages > 0 && pages > m_options.maxPages)) {
            err() << path << ": expected at most " << m_options.maxPages << " page(s)" << Qt::endl;
            ++m_failures;
        }
        ++m_index;
        next();
    }

    void fail(const QString &message)
    {
        err() << message << Qt::endl;
        ++m_failures;
        ++m_index;
        next();
    }

    Options m_options;
    QWebEngineView *m_view; // a top-level window, deleted with the printer
    std::size_t m_index = 0;
    int m_failures = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Options options;
    if (!parseArguments(QApplication::arguments(), options))
        return 2;
    Printer printer(std::move(options), nullptr);
    QMetaObject::invokeMethod(&printer, &Printer::start, Qt::QueuedConnection);
    return QApplication::exec();
}
