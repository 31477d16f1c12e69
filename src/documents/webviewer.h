#pragma once

#include <QDialog>
#include <QString>

#include "documents/pageview.h"
#include "ui_webviewer.h"

class Calibration;

// Shows the about page, the video instructions and the publications that ship with the
// program, in the interface language or, where that language has none, in English. Created
// once by the main window and shown modeless.
class WebViewer : public QDialog
{
    Q_OBJECT

public:
    explicit WebViewer(QWidget *parent = nullptr);

    // The page view; nullptr until a page has been shown.
    QWebEngineView *webView();

public slots:
    void goAbout();
    void goVideo_instructions();
    void goPublications();

private:
    // Shows the document baseName of the current language; the about page gets its version
    // and assessor filled in.
    void showPage(const QString &baseName, bool fillAbout);

    Ui::WebViewerClass ui;
    Calibration *cal = nullptr;
    PageView page;
};
