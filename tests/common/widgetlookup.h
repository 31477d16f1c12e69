#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

// The child of a window by object name; a missing widget ends the test run at once, naming it.
template <typename T>
T *child(const QObject &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// Shows the main window and waits for its start-up step, which enables the patient combo, the
// Users menu and the preferences.
template <typename MainWindow>
bool startedUp(MainWindow &window)
{
    window.show();
    return QTest::qWaitFor([&] { return child<QComboBox>(window, "cob_patientName")->isEnabled(); }, 2000);
}

// Opens a dialog through its menu entry; the assessor then types into the dialog's window.
template <typename Dialog>
Dialog *open(QWidget &window, const char *action)
{
    child<QAction>(window, action)->trigger();
    auto *dialog = window.findChild<Dialog *>();
    dialog->activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }))
        qFatal("%s did not open", action);
    return dialog;
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

// The labels below widget whose text does not fit inside them with their font, each named
// with the size it needs and the size it has, so a form shows no clipped caption.
inline QStringList clippedLabels(const QWidget &widget)
{
    QStringList clipped;
    const auto labels = widget.findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        const QRect needed = QFontMetrics(label->font()).boundingRect(QRect(QPoint(), label->size()),
                                                                      int(label->alignment()), label->text());
        if (needed.width() > label->width() || needed.height() > label->height())
            clipped << QString::asprintf("%s needs %dx%d in %dx%d", qPrintable(label->objectName()),
                                         needed.width(), needed.height(), label->width(), label->height());
    }
    return clipped;
}
