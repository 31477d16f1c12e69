#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QWidget>

// The child of a window by object name; a missing widget ends the test run at once, naming it.
template <typename T>
T *child(const QObject &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// The visible top-level window of class T, or nullptr.
template <typename T>
T *visibleWindow()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (auto *window = qobject_cast<T *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}
