#pragma once

#include <QString>

// The screen parameters file "screen.pix": three big-endian 32-bit integers and two strings in
// the data stream encoding of Qt 4.8, field by field, with no header, version or checksum.
struct ScreenParams
{
    int horzPitch = 0;   // measured length in mm of the 1000-pixel horizontal ruler
    int vertPitch = 0;   // measured length in mm of the 500-pixel vertical ruler
    int frequency = 0;   // index into "60Hz", "120Hz"
    QString reserved1;   // carried through unchanged
    QString reserved2;

    // Reads all five fields (a negative calibration value reads as 0, not calibrated); on a missing, unreadable or short file returns false with the
    // error text and leaves *this unchanged.
    bool read(const QString &path, QString *error);
    // Writes the five fields atomically; returns false with the error text on failure.
    bool write(const QString &path, QString *error) const;

    // Pixel size in millimetres per axis: the horizontal ruler is 1000 pixels long, the
    // vertical one 500, and each value is the ruler's measured length in mm. Every size or
    // distance given in millimetres goes through these two.
    double horzMmPerPixel() const { return horzPitch / 1000.0; }
    double vertMmPerPixel() const { return vertPitch / 500.0; }
    // A screen whose rulers have not both been measured cannot size anything in millimetres.
    bool isCalibrated() const { return horzPitch > 0 && vertPitch > 0; }

    bool operator==(const ScreenParams &other) const;
};
