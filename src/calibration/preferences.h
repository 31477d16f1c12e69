#pragma once

#include <QDialog>

#include "ui_preferences.h"

class Calibration;

// The dialog behind "File" → "Preferences...": the primary screen's resolution, the calibrated
// pixel sizes in µm, the refresh frequency ("60Hz" or "120Hz", stored as its index) and the
// way to start a new calibration.
class Preferences : public QDialog
{
    Q_OBJECT

public:
    explicit Preferences(QWidget *parent = nullptr);

public slots:
    void goPreferences();
    void toPb_reCalibrate();
    void toPb_ok();
    void toPb_cancel();

private:
    Ui::PreferencesClass ui;
    Calibration *cal = nullptr;
};
