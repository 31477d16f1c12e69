#include "reports/result.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "calibration/calibration.h"
#include "context/paths.h"
#include "context/safefile.h"
#include "patients/assessorfile.h"

Result::Result(QWidget *parent)
    : QDialog(parent)
    , page(this, QRect(0, 35, 1024, 1160))
{
    ui.setupUi(this);
    cal = new Calibration(this);
    timer1 = new QTimer(this);
    timer2 = new QTimer(this);
    timer3 = new QTimer(this);
    timer4 = new QTimer(this);
    connect(timer1, &QTimer::timeout, this, &Result::to_timer1);
    connect(timer2, &QTimer::timeout, this, &Result::to_timer2);
    connect(timer3, &QTimer::timeout, this, &Result::to_timer3);
    connect(timer4, &QTimer::timeout, this, &Result::to_timer4);
    connect(ui.pb_printer, &QPushButton::clicked, this, &Result::toPb_printer);
    filingWatch = new QTimer(this);
    filingWatch->setSingleShot(true);
    connect(filingWatch, &QTimer::timeout, this, [this] {
        ++filingAttempt;
        waitingTask = 0;
        if (page.isCreated())
            page.view()->stop();
        failFiling(watchedPath, tr("The report was not filed within %1 seconds.").arg(filingTimeout / 1000.0));
    });
}

Result::~Result() = default;

QWebEngineView *Result::webView()
{
    return page.isCreated() ? page.view() : nullptr;
}

void Result::goResult1(bool display, QDateTime dtSession, int session, QTime duration, int trials,
                       int timer02_T1S1, int t1a_errors, int nbReversalsS1, int t1a_sup, int t1a_limit_sup,
                       int t1a_inf, int t1a_limit_inf, int timer02_T1S2, int t1b_errors, int nbReversalsS2,
                       int t1b_sup, int t1b_limit_sup, int t1b_inf, int t1b_limit_inf, int timer02_T1S3,
                       int t1c_errors, int nbReversalsS3, int t1c_sup, int t1c_limit_sup, int t1c_inf,
                       int t1c_limit_inf)
{
    goResult(1, display, {dtSession, session, duration, trials},
             ReportText::task1({timer02_T1S1, t1a_errors, nbReversalsS1, t1a_sup, t1a_limit_sup, t1a_inf,
                                t1a_limit_inf, timer02_T1S2, t1b_errors, nbReversalsS2, t1b_sup,
                                t1b_limit_sup, t1b_inf, t1b_limit_inf, timer02_T1S3, t1c_errors,
                                nbReversalsS3, t1c_sup, t1c_limit_sup, t1c_inf, t1c_limit_inf}));
}

void Result::goResult2(bool display, QDateTime dtSession, int session, QTime duration, int trials,
                       double t2a, double t2a_error, double t2a_slope, double t2a_r2, double t2b,
                       double t2b_error, double t2b_slope, double t2b_r2, double t2c, double t2c_error,
                       double t2c_slope, double t2c_r2)
{
    goResult(2, display, {dtSession, session, duration, trials},
             ReportText::task2({t2a, t2a_error, t2a_slope, t2a_r2, t2b, t2b_error, t2b_slope, t2b_r2, t2c,
                                t2c_error, t2c_slope, t2c_r2}));
}

void Result::goResult3(bool display, QDateTime dtSession, int session, QTime duration, int trials,
                       double t3rt, double t3_error, double t3_slope, double t3_r2, double t3_oc,
                       double t3_lr, double t3_bt)
{
    goResult(3, display, {dtSession, session, duration, trials},
             ReportText::task3({t3rt, t3_error, t3_slope, t3_r2, t3_oc, t3_lr, t3_bt}));
}

void Result::goResult4(bool display, QDateTime dtSession, int session, QTime duration, int trials,
                       double t4_average_f, double t4_average_l, double t4_error, double t4l_slope,
                       double t4l_r2, double t4_slope, double t4_intercept, double t4_r2)
{
    goResult(4, display, {dtSession, session, duration, trials},
             ReportText::task4({t4_average_f, t4_average_l, t4_error, t4l_slope, t4l_r2, t4_slope,
                                t4_intercept, t4_r2}));
}

void Result::fileReport(const ReportText::Report &report, bool display)
{
    goResult(report.task, display, report.patient, report.patientKey, report.session,
             ReportText::taskValues(report.task, report.measures));
}

void Result::goResult(int task, bool display, const ReportText::Session &session,
                      const ReportText::Values &values)
{
    goResult(task, display, {cal->isFirstName(), cal->isLastName(), cal->isDob()}, cal->isPatientName(), session,
             values);
}

void Result::goResult(int task, bool display, const ReportText::Patient &patient, const QString &patientKey,
                      const ReportText::Session &session, const ReportText::Values &values)
{
    this->display = display;
    const int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
    resize(width(), screenHeight - 100);
    page.resize(QSize(1024, screenHeight - 140));
    sessionText = ReportText::sessionText(session.session);

    const QString templatePath =
        Paths::documentPathOrEnglish(cal->isLanguage(), ReportText::templateName(task));
    if (task == 1)
        qDebug("%s", qPrintable(templatePath));
    pdfPaths[task - 1] = ReportText::pdfPath(task, sessionText, patientKey);
    const auto templateText = PageView::readOrTell(this, templatePath);
    if (!templateText) {
        emit filed(pdfPaths[task - 1], false);
        return;
    }
    // Shown only once there is a report to show: after a failed template the window would
    // otherwise show the previous patient's report.
    if (display)
        show();

    const auto assessor = AssessorFile::read(AssessorFile::standardPath());
    if (assessor)
        qDebug("line %s", qPrintable(assessor->join(QLatin1Char(';'))));
    const QString html = ReportText::fill(*templateText, assessor, patient, session, values);

    const bool created = page.isCreated();
    QWebEngineView *view = page.view();
    if (!created) {
        connect(view, &QWebEngineView::loadFinished, this, [this] {
            pageLoading = false;
            if (waitingTask) {
                const int task = waitingTask;
                waitingTask = 0;
                printPdf(task);
            }
        });
    }
    view->setStyleSheet(QStringLiteral("background-color:rgb(255, 255, 255)"));
    // A report is a document: a script in a template must neither run nor hold up the filing.
    view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    pageLoading = true;
    watchedPath = pdfPaths[task - 1];
    QString error;
    if (!loadPage(html, templatePath, &error)) {
        pageLoading = false;
        failFiling(watchedPath, error);
        return;
    }
    filingWatch->start(filingTimeout);
    QTimer *const timers[4] = {timer1, timer2, timer3, timer4};
    timers[task - 1]->start(500);
}

bool Result::loadPage(const QString &html, const QString &templatePath, QString *error)
{
    QWebEngineView *view = page.view();
    const QUrl base = QUrl::fromLocalFile(templatePath);
    largePage.reset();
    // setHtml hands the page over as a data URL, which the engine refuses beyond 2 MB
    // (leaving a blank page); the percent-encoding counts, with a margin.
    if (QUrl::toPercentEncoding(html).size() < 1800 * 1024) {
        view->setHtml(html, base);
        return true;
    }
    // Relative links of the template keep resolving against its own folder.
    QString withBase = html;
    if (!withBase.contains(QStringLiteral("<base"), Qt::CaseInsensitive)) {
        const QString tag = QStringLiteral("<base href=\"%1\">").arg(base.toString(QUrl::FullyEncoded).toHtmlEscaped());
        const QRegularExpression head(QStringLiteral("<head[^>]*>"), QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = head.match(withBase);
        withBase.insert(match.hasMatch() ? match.capturedEnd() : 0, tag);
    }
    largePage = std::make_unique<QTemporaryDir>();
    if (!largePage->isValid()) {
        *error = largePage->errorString();
        return false;
    }
    const QString path = largePage->filePath(QStringLiteral("report.html"));
    if (!SafeFile::replace(path, withBase.toUtf8(), error))
        return false;
    view->load(QUrl::fromLocalFile(path));
    return true;
}

void Result::to_timer1() { timer1->stop(); timerRanOut(1); }
void Result::to_timer2() { timer2->stop(); timerRanOut(2); }
void Result::to_timer3() { timer3->stop(); timerRanOut(3); }
void Result::to_timer4() { timer4->stop(); timerRanOut(4); }

void Result::timerRanOut(int task)
{
    // The first page of a run also starts the browser engine and may take longer than the
    // timer; printing before it has loaded would file an empty report.
    if (pageLoading)
        waitingTask = task;
    else
        printPdf(task);
}

void Result::printPdf(int task)
{
    const QString path = pdfPaths[task - 1];
    // The templates lay out a whole A4 sheet with its own margins.
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    QPointer<Result> self(this);
    const int attempt = filingAttempt;
    page.view()->page()->printToPdf(
        [self, path, attempt](const QByteArray &pdf) {
            if (self && self->filingAttempt == attempt)
                self->storePdf(path, pdf);
        },
        a4);
}

void Result::storePdf(const QString &path, const QByteArray &pdf)
{
    filingWatch->stop();
    ++filingAttempt;
    largePage.reset();
    // Written in one piece: a report filed again for the same session replaces the earlier
    // one, and a failure leaves the earlier one whole.
    QString error = tr("The report could not be printed.");
    if (pdf.isEmpty() || !SafeFile::replace(path, pdf, &error)) {
        failFiling(path, error);
        return;
    }
    emit filed(path, true);
    if (!display)
        close();
}

void Result::failFiling(const QString &path, const QString &reason)
{
    filingWatch->stop();
    const QString shown = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    QMessageBox::warning(this, tr("Error"), tr("Failed to write %1\n%2").arg(shown, reason));
    emit filed(path, false);
    if (!display)
        close();
}

void Result::toPb_printer()
{
    if (!page.isCreated() || printer)
        return;
    auto chosen = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    QPrintDialog dialog(chosen.get(), this);
    dialog.setWindowTitle(tr("Print Document"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The view prints asynchronously; the printer must live until it has finished.
    printer = std::move(chosen);
    QWebEngineView *view = page.view();
    connect(view, &QWebEngineView::printFinished, this, [this] { printer.reset(); },
            Qt::SingleShotConnection);
    view->print(printer.get());
    qDebug("print");
}
