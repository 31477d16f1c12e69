#include "calibration/calibration.h"

#include <QMessageBox>

#include "context/paths.h"
#include "context/sharedcontext.h"

namespace {
SharedContext &ctx()
{
    return SharedContext::instance();
}

QString screenParamsPath()
{
    return Paths::join(Paths::parametersFolder, Paths::screenParamsFile);
}
} // namespace

Calibration::Calibration(QWidget *parent)
    : QDialog(parent)
{
}

void Calibration::warnFailedToOpen(const QString &errorText)
{
    QMessageBox::warning(this, tr("Error"),
                         tr("Failed to open %1\n%2").arg(Paths::screenParamsFile, errorText));
}

bool Calibration::goReadParam()
{
    QString error;
    if (!ctx().screen.read(screenParamsPath(), &error)) {
        warnFailedToOpen(error);
        return false;
    }
    return true;
}

void Calibration::setFrequency(int index)
{
    goReadParam();
    ctx().screen.frequency = index;
    QString error;
    if (!ctx().screen.write(screenParamsPath(), &error))
        warnFailedToOpen(error);
}

int Calibration::isFrequency() { return ctx().screen.frequency; }
void Calibration::setLanguage(int index) { ctx().language = index; }
int Calibration::isLanguage() { return ctx().language; }
int Calibration::isHorzPitch() { return ctx().screen.horzPitch; }
int Calibration::isVertPitch() { return ctx().screen.vertPitch; }
void Calibration::setPitchError(bool raised) { ctx().pitchError = raised; }
bool Calibration::isPitchError() { return ctx().pitchError; }

void Calibration::setPatientName(const QString &key) { ctx().patientName = key; }
QString Calibration::isPatientName() { return ctx().patientName; }
void Calibration::setGender(const QString &gender) { ctx().gender = gender; }
QString Calibration::isGender() { return ctx().gender; }
void Calibration::setLastName(const QString &name) { ctx().lastName = name; }
QString Calibration::isLastName() { return ctx().lastName; }
void Calibration::setFirstName(const QString &name) { ctx().firstName = name; }
QString Calibration::isFirstName() { return ctx().firstName; }
void Calibration::setDob(const QDate &dob) { ctx().dob = dob; }
QDate Calibration::isDob() { return ctx().dob; }

void Calibration::setNewPatient(bool raised) { ctx().newPatient = raised; }
bool Calibration::isNewPatient() { return ctx().newPatient; }
void Calibration::setAssessor(bool raised) { ctx().assessor = raised; }
bool Calibration::isAssessor() { return ctx().assessor; }
void Calibration::setEscapeSeq(bool raised) { ctx().escapeSeq = raised; }
bool Calibration::isEscapeSeq() { return ctx().escapeSeq; }

int Calibration::isSessionNb(int task)
{
    return (task >= 1 && task <= SharedContext::taskCount) ? ctx().sessionNb[task - 1] : 0;
}

void Calibration::setSessionNb(int task, int n)
{
    if (task >= 1 && task <= SharedContext::taskCount)
        ctx().sessionNb[task - 1] = n;
}

void Calibration::setSessionNb_T1(int n) { setSessionNb(1, n); }
int Calibration::isSessionNb_T1() { return isSessionNb(1); }
void Calibration::setSessionNb_T2(int n) { setSessionNb(2, n); }
int Calibration::isSessionNb_T2() { return isSessionNb(2); }
void Calibration::setSessionNb_T3(int n) { setSessionNb(3, n); }
int Calibration::isSessionNb_T3() { return isSessionNb(3); }
void Calibration::setSessionNb_T4(int n) { setSessionNb(4, n); }
int Calibration::isSessionNb_T4() { return isSessionNb(4); }
void Calibration::setSessionNb_T5(int n) { setSessionNb(5, n); }
int Calibration::isSessionNb_T5() { return isSessionNb(5); }
void Calibration::setSessionNb_T6(int n) { setSessionNb(6, n); }
int Calibration::isSessionNb_T6() { return isSessionNb(6); }
void Calibration::setSessionNb_T7(int n) { setSessionNb(7, n); }
int Calibration::isSessionNb_T7() { return isSessionNb(7); }

QString Calibration::isMode(int index) { return SharedContext::mode(index); }
