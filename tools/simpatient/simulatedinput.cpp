#include "simulatedinput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
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

namespace {
// The key that carries a character: a Latin-1 letter, digit or sign has a key of the same code
// (the upper-case form for letters); other characters come from an input method without one.
Qt::Key keyOf(const QString &character)
{
    const QString upper = character.toUpper();
    const char16_t code = upper.size() == 1 ? upper.at(0).unicode() : 0xFFFF;
    return code >= 0x20 && code <= 0xFF ? Qt::Key(code) : Qt::Key_unknown;
}
} // namespace

void typeText(QWidget *receiver, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        const Qt::KeyboardModifiers modifiers =
            character != character.toLower() ? Qt::ShiftModifier : Qt::NoModifier;
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, keyOf(character), modifiers, character);
            QApplication::sendEvent(receiver, &event);
        }
    }
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
    typeText(field, text);
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
