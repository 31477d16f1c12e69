#include "documents/webviewer.h"

#include <QUrl>
#include <QWebEngineView>

#include "calibration/calibration.h"
#include "context/paths.h"
#include "documents/documenttext.h"
#include "patients/assessorfile.h"

WebViewer::WebViewer(QWidget *parent)
    : QDialog(parent)
    , page(this)
{
    ui.setupUi(this);
    cal = new Calibration(this);
}

QWebEngineView *WebViewer::webView()
{
    return page.isCreated() ? page.view() : nullptr;
}

void WebViewer::goAbout()
{
    showPage(QStringLiteral("Kestrova_About.html"), true);
}

void WebViewer::goVideo_instructions()
{
    showPage(QStringLiteral("Kestrova_Video-instructions.html"), false);
}

void WebViewer::goPublications()
{
    showPage(QStringLiteral("Kestrova_Publications.html"), false);
}

void WebViewer::showPage(const QString &baseName, bool fillAbout)
{
    show();
    const QString path = Paths::documentPathOrEnglish(cal->isLanguage(), baseName);
    auto html = PageView::readOrTell(this, path);
    if (!html)
        return;
    if (fillAbout) {
        DocumentText::fillVersion(*html);
        DocumentText::fillAssessorName(*html,
                                       AssessorFile::read(AssessorFile::standardPath()).value_or(QStringList()));
    }
    page.view()->setHtml(*html, QUrl::fromLocalFile(path));
}
