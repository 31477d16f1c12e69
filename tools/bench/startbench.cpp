// Measures how long the main window takes to start: from before its construction until it is
// shown and its first events are processed, in a fresh installed tree. One measurement per
// process, since the first window of a process pays for everything loaded on first use.
//
//   kestrova-startbench [--eager-view]
//
// --eager-view also creates a web view in the main window and waits until it has loaded a
// blank page, which is what the start would cost if the document and report views were
// created with their windows. Prints milliseconds.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWebEngineView>

#include "app/kestrova.h"

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const bool eagerView = app.arguments().contains(QStringLiteral("--eager-view"));

    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("bin"));
    QDir::setCurrent(root.filePath(QStringLiteral("bin")));

    QElapsedTimer clock;
    clock.start();
    Kestrova window;
    if (eagerView) {
        auto *view = new QWebEngineView(&window);
        bool loaded = false;
        QObject::connect(view, &QWebEngineView::loadFinished, &window, [&loaded] { loaded = true; });
        view->setUrl(QUrl(QStringLiteral("about:blank")));
        while (!loaded)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    window.show();
    QCoreApplication::processEvents();
    QTextStream(stdout) << clock.nsecsElapsed() / 1e6 << Qt::endl;
    return 0;
}
