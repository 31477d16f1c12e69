#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Watches for modal message boxes while a test drives a window, records their titles and
// texts, and dismisses each with its default button, so flows that warn the assessor can run
// unattended and the test can check what was said.
class MessageBoxCatcher : public QObject
{
    Q_OBJECT

public:
    explicit MessageBoxCatcher(QObject *parent = nullptr)
        : QObject(parent)
    {
        m_timer.callOnTimeout(this, [this] {
            const auto windows = QApplication::topLevelWidgets();
            for (QWidget *window : windows) {
                if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible()) {
                    titles << box->windowTitle();
                    texts << box->text();
                    box->done(QMessageBox::Ok);
                }
            }
        });
        m_timer.start(10);
    }

    QStringList titles;
    QStringList texts;

    int count() const { return texts.size(); }
    void clear()
    {
        titles.clear();
        texts.clear();
    }

private:
    QTimer m_timer;
};
