#include "simulatedinput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace SimulatedInput {

QWidget *childOfClass(QWidget *window, const char *className)
{
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (qstrcmp(child->metaObject()->className(), className) == 0)
            return child;
    }
    return nullptr;
}

bool click(QWidget *window, const char *name, QString *error)
{
    auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
    if (!button || !button->isVisible() || !button->isEnabled()) {
        *error = QStringLiteral("%1 is not on screen or not enabled").arg(QString::fromLatin1(name));
        return false;
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(button->width() / 2, button->height() / 2));
    return true;
}

bool typeInto(QWidget *window, const char *name, const QString &text, QString *error)
{
    auto *field = window->findChild<QLineEdit *>(QString::fromLatin1(name));
    if (!field || !field->isVisible() || !field->isEnabled()) {
        *error = QStringLiteral("the field %1 is not on screen").arg(QString::fromLatin1(name));
        return false;
    }
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    if (field->text() != text) {
        *error = QStringLiteral("the field %1 did not take %2").arg(QString::fromLatin1(name), text);
        return false;
    }
    return true;
}

void pressKey(QWidget *window, int key)
{
    QWidget *receiver = QApplication::focusWidget();
    if (!receiver || receiver->window() != window->window())
        receiver = window;
    QTest::keyClick(receiver, Qt::Key(key));
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start();
    loop.exec();
    return condition();
}

} // namespace SimulatedInput
