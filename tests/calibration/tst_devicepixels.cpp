// The program draws in the screen's own pixels on a scaled desktop: this executable starts the
// way the program does, on a screen of 1600 x 1200 pixels whose desktop asks for 150 %, with
// QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS set on top.

#include <QtTest>

#include "app/kestrova.h"
#include "app/startup.h"
#include "calibration/calibration.h"
#include "calibration/preferences.h"
#include "installedtree.h"
#include "widgetlookup.h"

class TestDevicePixels : public QObject
{
    Q_OBJECT

private slots:
    // The rulers' lines as the screen shows them, 1000 pixels across and 500 down: a grabbed
    // image counts the screen's pixels.
    void rulers()
    {
        InstalledTree tree;
        Calibration dialog;
        dialog.goCalibration();
        QCOMPARE(child<QWidget>(dialog, "line_2")->grab().size(), QSize(1000, 2));
        QCOMPARE(child<QWidget>(dialog, "line_4")->grab().size(), QSize(2, 500));
    }

    // The resolution as the screen has it, and every form's captions at the size the form was
    // laid out for.
    void formsShown()
    {
        InstalledTree tree;
        Kestrova window;
        auto *preferences = window.findChild<Preferences *>();
        preferences->goPreferences();
        QCOMPARE(child<QLineEdit>(*preferences, "le_HorzScreenRes")->text(), QString("1600"));
        QCOMPARE(child<QLineEdit>(*preferences, "le_VertScreenRes")->text(), QString("1200"));
        QStringList clipped;
        for (const char *form : {"NewPatientClass", "AssessorClass", "CalibrationClass",
                                 "PreferencesClass"}) {
            for (const QString &label : clippedLabels(*child<QDialog>(window, form)))
                clipped << QString::fromLatin1(form) + ": " + label;
        }
        QCOMPARE(clipped.join(QLatin1Char(' ')), QString());
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    QFile screen(config.filePath(QStringLiteral("screen.json")));
    if (!screen.open(QIODevice::WriteOnly)
        || !screen.write(R"({"screens": [{"name": "scaled", "x": 0, "y": 0, "width": 1600, "height": 1200,
                             "logicalDpi": 144, "logicalBaseDpi": 96, "dpr": 1}]})"))
        qFatal("cannot write the screen configuration");
    screen.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName()));
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_SCREEN_SCALE_FACTORS", "1.25");

    Startup::beforeApplication();
    QApplication app(argc, argv);
    Startup::afterApplication();
    TestDevicePixels test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_devicepixels.moc"
