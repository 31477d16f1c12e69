#include "calibration/preferences.h"

#include <QGuiApplication>
#include <QScreen>

#include "calibration/calibration.h"
#include "context/sharedcontext.h"

Preferences::Preferences(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    cal = new Calibration(this);
    // The frequency list is the stored index's meaning; its texts are not translated.
    ui.cob_screenFreq->addItems({QStringLiteral("60Hz"), QStringLiteral("120Hz")});

    connect(ui.pb_reCalibrate, &QPushButton::clicked, this, &Preferences::toPb_reCalibrate);
    connect(ui.pb_ok, &QPushButton::clicked, this, &Preferences::toPb_ok);
    connect(ui.pb_cancel, &QPushButton::clicked, this, &Preferences::toPb_cancel);
}

void Preferences::goPreferences()
{
    show();
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    ui.le_HorzScreenRes->setText(QString::number(desktop.width()));
    ui.le_VertScreenRes->setText(QString::number(desktop.height()));
    // The pixel size in µm per axis, as the tasks use it.
    const ScreenParams &screen = SharedContext::instance().screen;
    ui.le_horzPixelSize->setText(QString::number(qRound(screen.horzMmPerPixel() * 1000.0)));
    ui.le_vertPixelSize->setText(QString::number(qRound(screen.vertMmPerPixel() * 1000.0)));
    ui.cob_screenFreq->setCurrentIndex(cal->isFrequency());
}

void Preferences::toPb_reCalibrate()
{
    cal->goCalibration();
    close();
}

void Preferences::toPb_ok()
{
    cal->setFrequency(ui.cob_screenFreq->currentIndex());
    close();
}

void Preferences::toPb_cancel()
{
    close();
}
