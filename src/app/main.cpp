#include <QApplication>
#include <QTranslator>

#include "app/kestrova.h"
#include "app/language.h"
#include "app/startup.h"
#include "calibration/calibration.h"

int main(int argc, char *argv[])
{
    Startup::beforeApplication();
    QApplication app(argc, argv);
    Startup::afterApplication();
    Calibration context;
    QTranslator translator;
    loadLanguage(translator, context);
    app.installTranslator(&translator);

    Kestrova window;
    window.show();
    return app.exec();
}
