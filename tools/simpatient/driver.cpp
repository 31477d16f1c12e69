#include "driver.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include "app/kestrova.h"
#include "context/paths.h"
#include "context/sharedcontext.h"
#include "patients/patientlist.h"
#include "simulatedinput.h"
#include "taskstrategy.h"

namespace {
constexpr int startUpMs = 5000;
constexpr int dialogMs = 3000;
constexpr int blockMs = 20 * 60 * 1000;
constexpr int reportMs = 60 * 1000;

template <typename T>
T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

QDialog *visibleDialog(QWidget *owner, const char *className)
{
    const auto dialogs = owner->findChildren<QDialog *>();
    for (QDialog *dialog : dialogs) {
        if (dialog->isVisible() && qstrcmp(dialog->metaObject()->className(), className) == 0)
            return dialog;
    }
    return nullptr;
}
} // namespace

QString Driver::Patient::key() const
{
    return PatientList::displayKey(lastName, firstName, dob);
}

Driver::Driver(Kestrova &mainWindow, TaskStrategy &strategy, const Patient &patient)
    : m_main(mainWindow)
    , m_strategy(strategy)
    , m_patient(patient)
{
}

bool Driver::run(QString *error)
{
    return waitForStartUp(error) && ensureCalibration(error) && ensurePatient(error) && choosePatient(error) && setOptions(error)
           && runTask(error) && fileReport(error);
}

bool Driver::waitForStartUp(QString *error)
{
    auto *combo = child<QComboBox>(&m_main, "cob_patientName");
    if (!combo || !SimulatedInput::waitUntil([combo] { return combo->isEnabled(); }, startUpMs)) {
        *error = QStringLiteral("the main window did not enable its patient list");
        return false;
    }
    return true;
}

void Driver::setRulers(int horizontalMm, int verticalMm)
{
    m_horizontalRuler = horizontalMm;
    m_verticalRuler = verticalMm;
}

// A screen never calibrated is calibrated as the assessor does it: "Preferences...",
// "Re calibrate", the length of the horizontal ruler, then of the vertical one.
bool Driver::ensureCalibration(QString *error)
{
    if (SharedContext::instance().screen.isCalibrated())
        return true;
    auto *preferences = child<QAction>(&m_main, "actionPreferences");
    QDialog *dialog = nullptr;
    if (preferences && preferences->isEnabled()) {
        preferences->trigger();
        SimulatedInput::waitUntil([&] { return (dialog = visibleDialog(&m_main, "Preferences")) != nullptr; },
                                  dialogMs);
    }
    if (!dialog || !SimulatedInput::click(dialog, "pb_reCalibrate", error)
        || !SimulatedInput::waitUntil([&] { return (dialog = visibleDialog(&m_main, "Calibration")) != nullptr; },
                                      dialogMs)
        || !SimulatedInput::typeInto(dialog, "le_horzPitch", QString::number(m_horizontalRuler), error)
        || !SimulatedInput::typeInto(dialog, "le_vertPitch", QString::number(m_verticalRuler), error)
        || !SimulatedInput::waitUntil([] { return SharedContext::instance().screen.isCalibrated(); }, dialogMs)) {
        *error = QStringLiteral("the screen could not be calibrated");
        return false;
    }
    return true;
}

bool Driver::ensurePatient(QString *error)
{
    auto *combo = child<QComboBox>(&m_main, "cob_patientName");
    const QString key = m_patient.key();
    if (combo->findText(key) >= 0)
        return true;

    auto *add = child<QAction>(&m_main, "actionAdd_patient");
    if (!add || !add->isEnabled()) {
        *error = QStringLiteral("\"Add patient...\" is not available");
        return false;
    }
    add->trigger();
    QDialog *dialog = nullptr;
    if (!SimulatedInput::waitUntil([&] { return (dialog = visibleDialog(&m_main, "NewPatient")) != nullptr; },
                                   dialogMs)) {
        *error = QStringLiteral("the new-patient dialog did not open");
        return false;
    }
    auto *dob = child<QDateEdit>(dialog, "de_dateOfBirth");
    if (!dob) {
        *error = QStringLiteral("the new-patient dialog has no date of birth field");
        return false;
    }
    // The gender: the first of the list, chosen with the keyboard.
    auto *gender = child<QComboBox>(dialog, "cob_genre");
    if (gender) {
        gender->setFocus();
        QTest::keyClick(gender, Qt::Key_Home);
    }
    dob->setFocus();
    dob->setDate(m_patient.dob);
    if (!SimulatedInput::typeInto(dialog, "le_lastName", m_patient.lastName, error)
        || !SimulatedInput::typeInto(dialog, "le_firstName", m_patient.firstName, error)
        || !SimulatedInput::click(dialog, "pb_ok", error)) {
        *error = QStringLiteral("new-patient dialog: %1").arg(*error);
        return false;
    }
    if (!SimulatedInput::waitUntil([&] { return combo->findText(key) >= 0; }, dialogMs)) {
        *error = QStringLiteral("the new patient %1 did not appear in the patient list").arg(key);
        return false;
    }
    return true;
}

bool Driver::choosePatient(QString *error)
{
    auto *combo = child<QComboBox>(&m_main, "cob_patientName");
    const QString key = m_patient.key();
    // Chosen with the keyboard, as the assessor would: first item, then down to the patient.
    if (combo->currentText() != key) {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < combo->count() && combo->currentText() != key; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }
    auto *button = child<QWidget>(&m_main, m_strategy.buttonName());
    if (combo->currentText() != key || !button || !button->isEnabled()) {
        *error = QStringLiteral("could not choose the patient %1").arg(key);
        return false;
    }
    return true;
}

bool Driver::setOptions(QString *error)
{
    const struct
    {
        const char *box;
        bool checked;
    } options[] = {{"cb_withInstruction", false}, {"cb_withTraining", m_strategy.withTraining()},
                   {"cb_parameters", true}, {"cb_fixedDuration", false}, {"cb_subTask", m_strategy.task() > 4}};
    for (const auto &option : options) {
        auto *box = child<QCheckBox>(&m_main, option.box);
        if (!box || !box->isEnabled()) {
            *error = QStringLiteral("the option %1 is not available").arg(QString::fromLatin1(option.box));
            return false;
        }
        if (box->isChecked() != option.checked)
            box->click();
    }
    return true;
}

bool Driver::runTask(QString *error)
{
    if (!SimulatedInput::click(&m_main, m_strategy.buttonName(), error))
        return false;
    auto *sessionBox = child<QLineEdit>(&m_main, qPrintable(QStringLiteral("le_session%1").arg(m_strategy.task())));
    m_session = sessionBox ? sessionBox->text().toInt() : 0;

    QDialog *window = nullptr;
    if (!SimulatedInput::waitUntil(
            [&] { return (window = visibleDialog(&m_main, m_strategy.windowClass())) != nullptr; }, dialogMs)) {
        *error = QStringLiteral("the task window did not open (is output.csv writable?)");
        return false;
    }
    if (!m_strategy.start(window, error))
        return false;
    bool closedEarly = false;
    const bool done = SimulatedInput::waitUntil(
        [&] {
            closedEarly = !window->isVisible();
            return closedEarly || m_strategy.finished();
        },
        blockMs);
    if (!done || closedEarly || !m_strategy.finished()) {
        *error = closedEarly ? QStringLiteral("the task window closed before the block ended")
                             : QStringLiteral("the block did not end within %1 minutes").arg(blockMs / 60000);
        return false;
    }
    return SimulatedInput::click(window, "pb_mainMenu", error);
}

bool Driver::fileReport(QString *error)
{
    const QString key = m_patient.key();
    const QString session = m_session < 10 ? QStringLiteral("0%1").arg(m_session) : QString::number(m_session);
    m_reportPath = QStringLiteral("%1%2/Output_T%3_S%4_%2.pdf")
                       .arg(Paths::archivesFolder, key)
                       .arg(m_strategy.resultTable())
                       .arg(session);
    // The report is filed once the PDF is complete; a half-written file is not yet a report.
    const bool filed = SimulatedInput::waitUntil(
        [&] {
            QFile pdf(m_reportPath);
            if (!pdf.open(QIODevice::ReadOnly) || pdf.size() < 32)
                return false;
            return pdf.read(5) == "%PDF-" && (pdf.seek(pdf.size() - 32), pdf.readAll().contains("%%EOF"));
        },
        reportMs);
    if (!filed) {
        *error = QStringLiteral("the report %1 was not filed").arg(m_reportPath);
        return false;
    }
    QFile table(QStringLiteral("%1results_T%2.csv").arg(Paths::resultsFolder).arg(m_strategy.resultTable()));
    if (!table.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(table.fileName(), table.errorString());
        return false;
    }
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        if (!it->isEmpty()) {
            m_resultRow = QString::fromLatin1(*it);
            break;
        }
    }
    if (m_resultRow.isEmpty() || m_resultRow.startsWith(QLatin1String("code;"))) {
        *error = QStringLiteral("%1 holds no result row").arg(table.fileName());
        return false;
    }
    return true;
}
