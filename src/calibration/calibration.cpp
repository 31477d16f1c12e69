#include "calibration/calibration.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>

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
    ui.setupUi(this);
}

void Calibration::goCalibration()
{
    // The rulers must lie wholly on the screen: the dialog takes the screen's geometry itself,
    // also where the window system ignores the full-screen request or applies it only later,
    // and the centre comes from the screen.
    const QRect area = screen()->geometry();
    setGeometry(area);
    showFullScreen();
    centreX = area.width() / 2;
    centreY = area.height() / 2;

    connect(ui.le_horzPitch, &QLineEdit::editingFinished, this, &Calibration::toLe_horzPitch,
            Qt::UniqueConnection);
    connect(ui.le_vertPitch, &QLineEdit::editingFinished, this, &Calibration::toLe_vertPitch,
            Qt::UniqueConnection);

    const QPoint labelPos(centreX - 500, centreY - 300);
    const QPoint entryPos(centreX - 220, centreY - 300);
    const QPoint centre(centreX, centreY);
    ui.lbl_horzPitch->move(labelPos);
    ui.le_horzPitch->move(entryPos);
    ui.le_horzPitch->clear();
    ui.lbl_horzPitch->show();
    ui.le_horzPitch->show();
    ui.fr_horzCalibration->show();

    ui.lbl_vertPitch->move(labelPos);
    ui.le_vertPitch->move(entryPos);
    ui.le_vertPitch->clear();
    ui.lbl_vertPitch->hide();
    ui.le_vertPitch->hide();
    ui.fr_vertCalibration->move(centre - QPoint(ui.fr_vertCalibration->width() / 2,
                                                ui.fr_vertCalibration->height() / 2));
    ui.fr_vertCalibration->hide();

    ui.fr_horzCalibration->move(centre - QPoint(ui.fr_horzCalibration->width() / 2,
                                                ui.fr_horzCalibration->height() / 2));
    step = Step::Horizontal;
    ui.le_horzPitch->setFocus();
}

void Calibration::toLe_horzPitch()
{
    if (step != Step::Horizontal)
        return;
    // The frequency and reserved strings of the stored file go back into it unchanged. Before
    // the very first calibration there is no file yet, which is no error.
    if (QFileInfo::exists(screenParamsPath()))
        goReadParam();
    pending = ctx().screen;
    pending.horzPitch = ui.le_horzPitch->text().toInt();
    if (pending.horzPitch < 100) {
        rejectEntry(ui.le_horzPitch);
        return;
    }
    step = Step::Vertical;
    ui.lbl_horzPitch->hide();
    ui.le_horzPitch->hide();
    ui.fr_horzCalibration->hide();
    ui.lbl_vertPitch->show();
    ui.le_vertPitch->show();
    ui.le_vertPitch->setFocus();
    ui.fr_vertCalibration->show();
}

void Calibration::toLe_vertPitch()
{
    if (step != Step::Vertical)
        return;
    pending.vertPitch = ui.le_vertPitch->text().toInt();
    if (pending.vertPitch < 100) {
        rejectEntry(ui.le_vertPitch);
        return;
    }
    step = Step::Idle;
    ui.le_vertPitch->clearFocus();
    QString error;
    if (!pending.write(screenParamsPath(), &error)) {
        warnFailedToOpen(error);
        step = Step::Vertical;
        return;
    }
    ctx().screen = pending;
    close();
}

void Calibration::rejectEntry(QLineEdit *entry)
{
    step = Step::Idle;
    disconnect(entry, &QLineEdit::editingFinished, this, nullptr);
    hide();
    warn(tr("Please enter value in mm"));
    setPitchError(true);
}

void Calibration::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        step = Step::Idle;
        close();
        return;
    }
    event->ignore();
}

void Calibration::closeEvent(QCloseEvent *event)
{
    step = Step::Idle;
    QDialog::closeEvent(event);
}

void Calibration::warn(const QString &text)
{
    // The box is a child of the dialog and would inherit its black background.
    setStyleSheet(QStringLiteral("background-color:rgb(230, 230, 230)"));
    QMessageBox::warning(this, tr("Error"), text, QMessageBox::Ok);
    setStyleSheet(QStringLiteral("background-color:rgb(0, 0, 0)"));
}

void Calibration::warnFailedToOpen(const QString &errorText)
{
    warn(tr("Failed to open %1\n%2").arg(Paths::screenParamsFile, errorText));
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
