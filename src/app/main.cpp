#include <QApplication>
#include <QTranslator>

#include "app/kestrova.h"
#include "app/language.h"
#include "calibration/calibration.h"

int main(int argc, char *argv[])
{
    // The report and document views share the application's graphics context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    Calibration context;
    QTranslator translator;
    loadLanguage(translator, context);
    app.installTranslator(&translator);

    Kestrova window;
    window.show();
    return app.exec();
}
