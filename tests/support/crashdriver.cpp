// Runs the real program's pieces in a child process for the crash tests, so that a run can be
// killed (SIGKILL) at any moment and the program started again.
//   crashdriver run <trials>   a completed run of the attention task, filed through "Main Menu"
//   crashdriver block          two trials of a test block, then waits to be killed
//   crashdriver start          the main window's start-up, until the runs it completes are filed
// The working directory is the installation's bin/; the patient is the first of its list.
// KESTROVA_CRASH_AT kills the run at that end-of-run step. Message boxes are answered and
// printed as "box: <text>" lines.
#include <cstdio>

#include <QApplication>

#include "app/kestrova.h"
#include "messageboxcatcher.h"
#include "reports/result.h"
#include "taskrun.h"
#include "tasks/test2/test2.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = QString::fromLocal8Bit(argc > 1 ? argv[1] : "");
    MessageBoxCatcher boxes;
    bool done = true;
    if (mode == QLatin1String("start")) {
        Kestrova window;
        window.show();
        // Until the reports of the completed runs are filed and their records are gone.
        done = QTest::qWaitFor([] {
            return QDir(QStringLiteral("../Results")).entryList({"pending-run-*"}).isEmpty();
        }, 60000);
        QTest::qWait(300);
    } else {
        // The first patient of the list, with the attention task's session raised.
        Calibration context;
        QFile list(PatientList::standard().path());
        const QByteArray record = list.open(QIODevice::ReadOnly) ? list.readLine() : QByteArray();
        if (fields(record).size() < PatientList::fieldCount)
            return 3;
        choosePatient(record);
        context.setSessionNb_T2(fields(record).value(PatientList::sessionField(2)).toInt() + 1);
        Test2 task;
        task.goTest2(0, false, false, true, false);
        const bool block = mode == QLatin1String("block");
        const int trials = block ? 2 : QString::fromLocal8Bit(argv[2]).toInt();
        auto *number = task.findChild<QLineEdit *>(QStringLiteral("le_number"));
        number->setText(QString::number(block ? 96 : trials));
        emit number->editingFinished();
        QTest::mouseClick(task.findChild<QPushButton *>(QStringLiteral("pb_go")), Qt::LeftButton);
        for (int i = 0; i < trials; ++i) {
            for (const char *slot : {"sequence1", "sequence2", "sequence3"})
                QMetaObject::invokeMethod(&task, slot);
            QTest::keyClick(&task, Qt::Key_Space);
            QMetaObject::invokeMethod(&task, "sequence5");
        }
        if (block) {
            std::printf("in-block\n");
            std::fflush(stdout);
            QTest::qWait(60000);
            return 4;
        }
        bool filed = false;
        QObject::connect(task.findChild<Result *>(), &Result::filed, &app, [&filed] { filed = true; });
        QTest::mouseClick(task.findChild<QPushButton *>(QStringLiteral("pb_mainMenu")), Qt::LeftButton);
        done = QTest::qWaitFor([&filed] { return filed; }, 60000);
    }
    for (const QString &text : boxes.texts)
        std::printf("box: %s\n", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char('|'))));
    return done ? 0 : 5;
}
