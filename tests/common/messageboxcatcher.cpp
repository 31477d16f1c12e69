#include "messageboxcatcher.h"

#include <QApplication>
#include <QMessageBox>

MessageBoxCatcher::MessageBoxCatcher(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCatcher::poll);
    m_timer.start(10);
}

void MessageBoxCatcher::clear()
{
    titles.clear();
    texts.clear();
}

void MessageBoxCatcher::poll()
{
    const auto boxes = QApplication::topLevelWidgets();
    for (QWidget *widget : boxes) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible())
            continue;
        titles << box->windowTitle();
        texts << box->text();
        box->done(QMessageBox::Ok);
    }
}
