#pragma once

#include <QStringList>
#include <QTimer>

// Watches for modal message boxes while a test drives a window, records their titles and
// texts, and dismisses each with its default button, so flows that warn the assessor can run
// unattended and the test can check what was said.
class MessageBoxCatcher : public QObject
{
    Q_OBJECT

public:
    explicit MessageBoxCatcher(QObject *parent = nullptr);

    QStringList titles;
    QStringList texts;

    int count() const { return texts.size(); }
    void clear();

private:
    void poll();

    QTimer m_timer;
};
