#pragma once

#include <optional>

#include <QCoreApplication>
#include <QPointer>
#include <QRect>
#include <QString>

class QWebEngineView;
class QWidget;

// The web view of a document window or report, created when a page is first shown. The first
// web view of a process starts the browser engine, which takes longer than building all the
// other windows together; creating the views up front would make the main window start late
// for documents the assessor may never open.
class PageView
{
    Q_DECLARE_TR_FUNCTIONS(PageView)

public:
    // The view will be the child "webView" of parent, placed at geometry, or, when parent has a
    // layout, filling the place the layout gives it (a document window's whole page).
    PageView(QWidget *parent, const QRect &geometry = QRect());

    // The view, created blank on first use, its pages zoomed to 1.2.
    QWebEngineView *view();
    bool isCreated() const { return !m_view.isNull(); }
    // Resizes the view now if it exists, or when it is created.
    void resize(const QSize &size);

    // Reads a shipped page or report template. When it cannot be opened, tells the assessor
    // ("Unable to open file" and the system's text) and returns nullopt.
    static std::optional<QString> readOrTell(QWidget *parent, const QString &path);

private:
    QWidget *m_parent;
    QRect m_geometry;
    QPointer<QWebEngineView> m_view;
};
