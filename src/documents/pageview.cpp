#include "documents/pageview.h"

#include <QLayout>
#include <QMessageBox>
#include <QWebEngineView>

#include "documents/documenttext.h"

PageView::PageView(QWidget *parent, const QRect &geometry)
    : m_parent(parent)
    , m_geometry(geometry)
{
}

QWebEngineView *PageView::view()
{
    if (!m_view) {
        m_view = new QWebEngineView(m_parent);
        m_view->setObjectName(QStringLiteral("webView"));
        if (QLayout *layout = m_parent->layout())
            layout->addWidget(m_view);
        else
            m_view->setGeometry(m_geometry);
        m_view->setZoomFactor(1.2);
        m_view->show();
    }
    return m_view;
}

void PageView::resize(const QSize &size)
{
    m_geometry.setSize(size);
    if (m_view)
        m_view->resize(size);
}

std::optional<QString> PageView::readOrTell(QWidget *parent, const QString &path)
{
    QString error;
    auto text = DocumentText::read(path, &error);
    if (!text)
        QMessageBox::information(parent, tr("Unable to open file"), error);
    return text;
}
