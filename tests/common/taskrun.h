#pragma once

// A full-screen task window in an installed tree with one patient chosen, shared by the task
// suites: each suite's own fixture adds the steps of its task.

#include <QtTest>

#include <algorithm>
#include <initializer_list>
#include <memory>

#include "calibration/calibration.h"
#include "context/sharedcontext.h"
#include "installedtree.h"
#include "patients/patientlist.h"
#include "support/recordheaders.h"
#include "widgetlookup.h"

inline QList<QByteArray> fields(const QByteArray &row)
{
    return row.split(';');
}

inline QByteArray trialLogHeader()
{
    return QByteArray(RecordHeaders::trialLog) + '\n';
}

// The display key of a list record ("gender;last;first;dd.MM.yyyy;…").
inline QString displayKeyOf(const QByteArray &record)
{
    return PatientList::displayKey(QString::fromUtf8(record.trimmed()).split(QLatin1Char(';')));
}

// Chooses the patient of a list record as the main window does; returns the display key.
inline QString choosePatient(const QByteArray &record)
{
    const QStringList f = QString::fromUtf8(record.trimmed()).split(QLatin1Char(';'));
    Calibration context;
    context.setPatientName(displayKeyOf(record));
    context.setGender(f.value(0));
    context.setLastName(f.value(1));
    context.setFirstName(f.value(2));
    context.setDob(QDate::fromString(f.value(3), QStringLiteral("dd.MM.yyyy")));
    return context.isPatientName();
}

// The list holds the patient `record`, who is chosen with the sessions of `tasks` raised to
// `session` as the main window does when a task's button is pressed; the trial log holds its
// header; the screen has 0.25 mm pixels (rulers of 250 and 125 mm); then the task window.
template <typename Window>
struct TaskRun
{
    InstalledTree tree;
    Calibration context;
    std::unique_ptr<Window> window;
    const QByteArray record;

    TaskRun(const QByteArray &patient, std::initializer_list<int> tasks, int session)
        : record(patient)
    {
        tree.write("Results/output.csv", trialLogHeader());
        tree.write("Parameters/patients_list.txt", record);
        choosePatient(record);
        for (int task : tasks)
            context.setSessionNb(task, session);
        SharedContext::instance().screen.horzPitch = 250;
        SharedContext::instance().screen.vertPitch = 125;
        window = std::make_unique<Window>();
    }

    template <typename T>
    T *get(const char *name) const { return child<T>(*window, name); }
    void step(const char *slot) { QVERIFY(QMetaObject::invokeMethod(window.get(), slot)); }
    void key(Qt::Key key) { QTest::keyClick(window.get(), key); }
    // The first stimulus of a drawing class, e.g. "DrawRectangle".
    QWidget *stimulus(const char *className) const
    {
        const auto all = window->template findChildren<QWidget *>();
        const auto named = [&](QWidget *w) { return qstrcmp(w->metaObject()->className(), className) == 0; };
        const auto found = std::find_if(all.begin(), all.end(), named);
        return found == all.end() ? nullptr : *found;
    }
    void click(const char *button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
    // Types into a field of the parameter panel as the assessor does.
    void setField(const char *name, const QString &text)
    {
        auto *field = get<QLineEdit>(name);
        field->setText(text);
        emit field->editingFinished();
    }
    // The window closed as an interruption, every file as it was before and no result of the
    // task's table `task`.
    void checkLeftWithoutTrace(int task)
    {
        QVERIFY(!window->isVisible());
        QVERIFY(context.isEscapeSeq());
        QCOMPARE(tree.read("Results/output.csv"), trialLogHeader());
        QCOMPARE(tree.read("Parameters/patients_list.txt"), record);
        QVERIFY(!tree.exists("Results/valid-output.csv"));
        QVERIFY(!tree.exists(QStringLiteral("Results/results_T%1.csv").arg(task)));
    }
    // The trial log's rows below its header.
    QList<QByteArray> logRows() const
    {
        QList<QByteArray> rows = tree.read("Results/output.csv").split('\n');
        rows.removeFirst();
        rows.removeAll(QByteArray());
        return rows;
    }
};
