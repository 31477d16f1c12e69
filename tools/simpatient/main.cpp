// kestrova-simpatient: runs a whole task through Kestrova's real windows, in-process, with a
// simulated patient, for testing, demonstration and validation. Run from <root>/bin:
//
//   ./kestrova-simpatient --task 2|3|4 --patient 'Last;First;dd.MM.yyyy' [--seed N] [--verbose]
//                         [--rulers H,V] [model options of the task]
//
// A screen without a calibration is calibrated first with rulers of H and V mm (270,135).
//
// Prints the run's result row (and what the patient measured) and exits 0; on any failure
// prints what went wrong and exits 1 (2 for a wrong command line).

#include <cstdio>
#include <ctime>
#include <memory>

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QTranslator>

#include "app/kestrova.h"
#include "app/language.h"
#include "app/startup.h"
#include "attentionpatient.h"
#include "calibration/calibration.h"
#include "driver.h"
#include "memorypatient.h"
#include "motionpatient.h"
#include "patients/identity.h"
#include "recognitionpatient.h"

namespace {
bool verbose = false;

// The task windows write their diagnostics to the debug channel, shown only with --verbose.
void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg || verbose)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int fail(const QString &message, int code = 1)
{
    std::fprintf(stderr, "kestrova-simpatient: %s\n", qPrintable(message));
    return code;
}

// The strategy of task N.
std::unique_ptr<TaskStrategy> strategyFor(int task, unsigned int seed)
{
    switch (task) {
    case 1:
    case 5:
    case 6:
    case 7:
        return std::make_unique<RecognitionPatient>(task, seed);
    case 2:
        return std::make_unique<AttentionPatient>(seed);
    case 3:
        return std::make_unique<MotionPatient>(seed);
    case 4:
        return std::make_unique<MemoryPatient>(seed);
    default:
        return nullptr;
    }
}
} // namespace

int main(int argc, char *argv[])
{
    Startup::beforeApplication();
    QApplication app(argc, argv);
    Startup::afterApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs a Kestrova task with a simulated patient."));
    parser.addHelpOption();
    const QCommandLineOption taskOption(QStringLiteral("task"), QStringLiteral("Task number (1 to 7)."),
                                        QStringLiteral("N"));
    const QCommandLineOption patientOption(QStringLiteral("patient"),
                                           QStringLiteral("The patient as 'Last;First;dd.MM.yyyy'."),
                                           QStringLiteral("patient"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the patient's answers."),
                                        QStringLiteral("N"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"), QStringLiteral("Show the task's debug lines."));
    const QCommandLineOption rulersOption(QStringLiteral("rulers"),
                                          QStringLiteral("Ruler lengths for a screen never calibrated, mm (270,135)."),
                                          QStringLiteral("H,V"));
    parser.addOptions({taskOption, patientOption, seedOption, verboseOption, rulersOption});
    // The patient models of the tasks.
    parser.addOptions(AttentionPatient::modelOptions());
    parser.addOptions(MotionPatient::modelOptions());
    parser.addOptions(MemoryPatient::modelOptions());
    parser.addOptions(RecognitionPatient::modelOptions());
    parser.process(app);

    bool ok = false;
    const int task = parser.value(taskOption).toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--task N is required"), 2);
    const QStringList fields = parser.value(patientOption).split(QLatin1Char(';'));
    const QDate dob = fields.size() == 3 ? QDate::fromString(fields[2], QStringLiteral("dd.MM.yyyy")) : QDate();
    if (fields.size() != 3 || fields[0].isEmpty() || fields[1].isEmpty() || !dob.isValid())
        return fail(QStringLiteral("--patient 'Last;First;dd.MM.yyyy' is required"), 2);
    // The names the new-patient dialog would refuse are refused here, before anything runs.
    const QString labels[] = {QStringLiteral("last name"), QStringLiteral("first name")};
    for (int i = 0; i < 2; ++i) {
        const Identity::Check check = Identity::checkPatientName(fields[i]);
        if (!check.ok())
            return fail(QStringLiteral("--patient: %1").arg(Identity::message(labels[i], check)), 2);
    }
    unsigned int seed = unsigned(std::time(nullptr));
    if (parser.isSet(seedOption)) {
        seed = parser.value(seedOption).toUInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--seed must be a whole number"), 2);
    }
    verbose = parser.isSet(verboseOption);
    int horizontalRuler = 270;
    int verticalRuler = 135;
    if (parser.isSet(rulersOption)) {
        const QStringList rulers = parser.value(rulersOption).split(QLatin1Char(','));
        bool okV = false;
        horizontalRuler = rulers.value(0).toInt(&ok);
        verticalRuler = rulers.value(1).toInt(&okV);
        if (rulers.size() != 2 || !ok || !okV || horizontalRuler < 100 || verticalRuler < 100)
            return fail(QStringLiteral("--rulers takes two lengths of at least 100 mm, as H,V"), 2);
    }

    std::unique_ptr<TaskStrategy> strategy = strategyFor(task, seed);
    if (!strategy)
        return fail(QStringLiteral("task %1 has no simulated patient yet (available: 1 to 7)").arg(task), 2);
    QString error;
    if (!strategy->configure(parser, &error))
        return fail(error, 2);
    qInstallMessageHandler(messageHandler);

    Calibration context;
    QTranslator translator;
    loadLanguage(translator, context);
    app.installTranslator(&translator);
    Kestrova window;
    window.show();

    Driver driver(window, *strategy, Driver::Patient{fields[0], fields[1], dob});
    driver.setRulers(horizontalRuler, verticalRuler);
    const bool done = driver.run(&error);
    std::printf("%s\n", qPrintable(strategy->summary()));
    if (!done)
        return fail(error);
    std::printf("report %s\n%s\n", qPrintable(driver.reportPath()), qPrintable(driver.resultRow()));
    std::fflush(stdout);
    window.closeApp();
    return 0;
}
