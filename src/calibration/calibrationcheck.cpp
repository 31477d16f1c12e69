#include "calibration/calibrationcheck.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include "context/sharedcontext.h"

namespace CalibrationCheck {

bool ensureCalibrated(QWidget *taskWindow)
{
    if (SharedContext::instance().screen.isCalibrated())
        return true;
    taskWindow->setStyleSheet(QStringLiteral("background-color:rgb(230, 230, 230)"));
    QMessageBox::warning(
        taskWindow, QCoreApplication::translate("CalibrationCheck", "Error"),
        QCoreApplication::translate("CalibrationCheck",
                                    "The screen is not calibrated yet.\n"
                                    "Please calibrate it first: File > Preferences... > Re calibrate."));
    taskWindow->setStyleSheet(QStringLiteral("background-color:rgb(0, 0, 0)"));
    return false;
}

} // namespace CalibrationCheck
