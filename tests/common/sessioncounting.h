#pragma once

#include <QtTest>

#include <functional>

#include "app/kestrova.h"
#include "context/screenparams.h"
#include "installedtree.h"
#include "taskrun.h"
#include "widgetlookup.h"

// Task `task` started from the main window for the patient of `record` on a screen calibrated
// with 0.25 mm pixels: its button raises the session counter at once; Escape in the task window
// gives it back within the 200 ms poll; a completed block of `trials` valid trials (each played
// by `trial` on the task window) keeps it and writes it into the patient list.
template <typename Window>
void checkSessionCounting(const QByteArray &record, int task, int trials, const std::function<void(Window *)> &trial)
{
    InstalledTree tree;
    tree.write("Parameters/patients_list.txt", record);
    ScreenParams screen;
    screen.horzPitch = 250;
    screen.vertPitch = 125;
    QVERIFY(screen.write(tree.path("Parameters/screen.pix"), nullptr));
    const QByteArray stored = fields(record).value(task + 3);
    const QByteArray raised = QByteArray::number(stored.toInt() + 1);
    Kestrova main;
    auto *combo = child<QComboBox>(main, "cob_patientName");
    QTRY_VERIFY_WITH_TIMEOUT(combo->isEnabled(), 2000);
    combo->setCurrentIndex(combo->findText(displayKeyOf(record)));
    emit combo->activated(combo->currentIndex());
    child<QCheckBox>(main, "cb_withInstruction")->setChecked(false);
    child<QCheckBox>(main, "cb_withTraining")->setChecked(false);
    child<QCheckBox>(main, "cb_parameters")->setChecked(true);
    auto *box = main.findChild<QLineEdit *>(QStringLiteral("le_session%1").arg(task));
    auto *button = main.findChild<QPushButton *>(QStringLiteral("pb_test%1").arg(task));

    QTest::mouseClick(button, Qt::LeftButton);
    Window *window = main.findChild<Window *>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(box->text(), QString::fromLatin1(raised));
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_COMPARE_WITH_TIMEOUT(box->text(), QString::fromLatin1(stored), 400);

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(box->text(), QString::fromLatin1(raised));
    auto *number = child<QLineEdit>(*window, "le_number");
    number->setText(QString::number(trials));
    emit number->editingFinished();
    QTest::mouseClick(child<QPushButton>(*window, "pb_go"), Qt::LeftButton);
    for (int i = 0; i < trials; ++i)
        trial(window);
    QVERIFY(child<QPushButton>(*window, "pb_mainMenu")->isVisible());
    QTest::qWait(400);
    QCOMPARE(box->text(), QString::fromLatin1(raised));
    QCOMPARE(fields(tree.read("Parameters/patients_list.txt")).value(task + 3), raised);
}
