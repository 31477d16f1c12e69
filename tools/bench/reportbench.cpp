// Files the four task reports from the shipped templates into an installed tree and measures,
// for each, the time from the report call (display false) until its PDF is on disk, less the
// 500 ms the report waits before printing. The first report of a process also starts the
// browser engine.
//
//   kestrova-reportbench <root> [language index] [tasks]
//
// tasks: the reports to file, in order, e.g. "2,2,2" (default "1,2,3,4").
// <root> is an installed tree (bin/, Languages/…); the PDFs are left in
// <root>/Archives/Zeller Anna 05.06.1944/. Prints one line per report: task, milliseconds.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>

#include "calibration/calibration.h"
#include "reports/result.h"

namespace {
void fileReport(Result &result, int task)
{
    const QDateTime start(QDate(2024, 3, 9), QTime(8, 7, 30));
    const QTime duration(0, 14, 37);
    switch (task) {
    case 1:
        result.goResult1(false, start, 7, duration, 96, 64, 1, 6, 160, 0, 40, 0, 128, 3, 6, 320, 0, 80, 0, 176, 4,
                         7, 480, 0, 120, 1);
        break;
    case 2:
        result.goResult2(false, start, 7, duration, 96, 512.4, 21.3, -38.2, 0.412, 468.9, 19.7, -25.5, 0.287,
                         441.2, 18.4, -17.9, 0.198);
        break;
    case 3:
        result.goResult3(false, start, 7, duration, 48, 603.8, 32.6, -41.7, 0.356, 2, 5, 1);
        break;
    default:
        result.goResult4(false, start, 7, duration, 30, 14.6, 9.8, 2.7, -0.125, 0.642, 1.4, 8.2, 0.531);
        break;
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: kestrova-reportbench <root> [language index] [tasks]" << Qt::endl;
        return 2;
    }
    const QString key = QStringLiteral("Zeller Anna 05.06.1944");
    QDir root(args.at(1));
    root.mkpath(QStringLiteral("bin"));
    root.mkpath(QStringLiteral("Parameters"));
    root.mkpath(QStringLiteral("Archives/") + key);
    QDir::setCurrent(root.filePath(QStringLiteral("bin")));

    Calibration cal;
    cal.setLanguage(args.size() > 2 ? args.at(2).toInt() : 0);
    cal.setPatientName(key);
    cal.setLastName(QStringLiteral("Zeller"));
    cal.setFirstName(QStringLiteral("Anna"));
    cal.setDob(QDate(1944, 6, 5));
    const QStringList tasks = (args.size() > 3 ? args.at(3) : QStringLiteral("1,2,3,4")).split(QLatin1Char(','));

    QWidget owner;
    Result result(&owner);
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&result, &Result::filed, &loop, [&](const QString &, bool filed) {
        ok = filed;
        loop.quit();
    });
    QTextStream out(stdout);
    for (const QString &task : tasks) {
        QElapsedTimer clock;
        clock.start();
        fileReport(result, task.toInt());
        loop.exec();
        if (!ok)
            return 1;
        out << task << ' ' << clock.nsecsElapsed() / 1e6 - 500 << Qt::endl;
    }
    return 0;
}
