#pragma once

class QWidget;

namespace CalibrationCheck {

// Every task that sizes stimuli or distances in millimetres calls this first thing when it
// starts, with its own window:
//
//     if (!CalibrationCheck::ensureCalibrated(this)) {
//         cal->setEscapeSeq(true);   // an interrupted start: the main window restores the counter
//         close();
//         return;
//     }
//
// On a calibrated screen it returns true and shows nothing. When either calibration value is
// 0 (no calibration saved yet, so every millimetre size would be infinite) it shows a warning
// titled "Error" asking for a calibration first, with the task window's background switched
// to light grey while the box is open and back to black afterwards, and returns false.
bool ensureCalibrated(QWidget *taskWindow);

} // namespace CalibrationCheck
