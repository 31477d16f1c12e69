#pragma once

#include <memory>

#include <QDateTime>
#include <QDialog>
#include <QString>
#include <QTime>

#include "documents/pageview.h"
#include "reports/reporttext.h"
#include "ui_result.h"

class Calibration;
class QByteArray;
class QPrinter;
class QTemporaryDir;
class QTimer;
class QWebEngineView;

// The one-page report of a completed run. A task window owns one and calls its goResultN slot
// at the end of the run: the language's template is filled with the assessor, the patient,
// the session and the task's measures, shown when display is true, and 500 ms later filed as
// "Output_T<task>_S<session>_<display key>.pdf" in the patient's archive folder (the task's
// end-of-run sequence has created that folder). With display false the window never appears.
class Result : public QDialog
{
    Q_OBJECT

public:
    explicit Result(QWidget *parent = nullptr);
    ~Result() override;

    // The report view; nullptr until a report has been loaded.
    QWebEngineView *webView();

    // Files a report kept by a completed run (a run completed after a crash), for the
    // patient it names, exactly as the task's report slot would have filed it.
    void fileReport(const ReportText::Report &report, bool display);

    // A report not filed within this time (ms) is told to the assessor as not filed.
    void setFilingTimeout(int ms) { filingTimeout = ms; }
    static constexpr int standardFilingTimeout = 10000;

signals:
    // The report's PDF was written (ok true), or could not be written and the assessor has
    // been told (ok false).
    void filed(const QString &pdfPath, bool ok);

public slots:
    void goResult1(bool display, QDateTime dtSession, int session, QTime duration, int trials,
                   int timer02_T1S1, int t1a_errors, int nbReversalsS1, int t1a_sup, int t1a_limit_sup,
                   int t1a_inf, int t1a_limit_inf, int timer02_T1S2, int t1b_errors, int nbReversalsS2,
                   int t1b_sup, int t1b_limit_sup, int t1b_inf, int t1b_limit_inf, int timer02_T1S3,
                   int t1c_errors, int nbReversalsS3, int t1c_sup, int t1c_limit_sup, int t1c_inf,
                   int t1c_limit_inf);
    void goResult2(bool display, QDateTime dtSession, int session, QTime duration, int trials,
                   double t2a, double t2a_error, double t2a_slope, double t2a_r2, double t2b,
                   double t2b_error, double t2b_slope, double t2b_r2, double t2c, double t2c_error,
                   double t2c_slope, double t2c_r2);
    void goResult3(bool display, QDateTime dtSession, int session, QTime duration, int trials,
                   double t3rt, double t3_error, double t3_slope, double t3_r2, double t3_oc,
                   double t3_lr, double t3_bt);
    void goResult4(bool display, QDateTime dtSession, int session, QTime duration, int trials,
                   double t4_average_f, double t4_average_l, double t4_error, double t4l_slope,
                   double t4l_r2, double t4_slope, double t4_intercept, double t4_r2);
    void toPb_printer();
    void to_timer1();
    void to_timer2();
    void to_timer3();
    void to_timer4();

private:
    // Fills task N's template, loads it, shows it when asked and starts the filing timer.
    void goResult(int task, bool display, const ReportText::Session &session,
                  const ReportText::Values &values);
    void goResult(int task, bool display, const ReportText::Patient &patient, const QString &patientKey,
                  const ReportText::Session &session, const ReportText::Values &values);
    // Loads the filled page; a page larger than the view takes in one piece goes through a
    // temporary file. False with the reason when the page could not be handed over.
    bool loadPage(const QString &html, const QString &templatePath, QString *error);
    // The report could not be filed: tells the assessor and gives the outcome.
    void failFiling(const QString &path, const QString &reason);
    // Timer N ran out: file the report once the page has finished loading.
    void timerRanOut(int task);
    void printPdf(int task);
    void storePdf(const QString &path, const QByteArray &pdf);

    Ui::ResultClass ui;
    Calibration *cal = nullptr;
    PageView page;
    QTimer *timer1 = nullptr;
    QTimer *timer2 = nullptr;
    QTimer *timer3 = nullptr;
    QTimer *timer4 = nullptr;

    bool display = false;
    QString sessionText;
    // Where each task's report goes, fixed when the report is filled, so that the PDF always
    // carries the name of the patient whose report it is.
    QString pdfPaths[4];
    bool pageLoading = false;
    // Task whose timer ran out while its page was still loading (0: none).
    int waitingTask = 0;
    // The printer of a print in progress; the web view prints asynchronously.
    std::unique_ptr<QPrinter> printer;
    // The large page being shown, while it is needed.
    std::unique_ptr<QTemporaryDir> largePage;
    // Watches the filing of the current report; an answer to an abandoned filing is dropped.
    QTimer *filingWatch = nullptr;
    int filingTimeout = standardFilingTimeout;
    int filingAttempt = 0;
    QString watchedPath;
};
