#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "tasks/test1/recognitionanswer.h"

// Where the visual recognition task draws its figures, arrows and position buttons, and how
// big, in the screen's own pixels. Sizes are given in reference pixels of 0.25 mm and scaled
// per axis by the calibrated pixel size, so a figure is equally large in millimetres on every
// screen. A scaled size becomes whole pixels by rounding, an exact half rounding down.
class RecognitionGeometry
{
public:
    // The figure and arrow parameters of the parameter panel.
    struct Parameters
    {
        double globSize = 56;       // figure width, reference pixels
        double orientation = 1.1;   // height / width of a figure
        double shape = 15;          // corner radius of the rounded figure, percent
        double contrast = 0.8;      // grey level of the grey figure, fraction of white
        double size = 0.91;         // the smaller figure, fraction of the normal one
        double separator = 0.2;     // gap between the figures, fraction of the width
        double triBase = 100;       // arrow size before its ratio, reference pixels
        double triRatio = 1.5;      // arrow size factor and thickness divisor
        int triOffset = 336;        // radius of the circle of arrows, screen pixels
    };

    static constexpr double referencePixelMm = 0.25;

    // n = floor(x), plus one only when the fraction is above one half.
    static int roundHalfDown(double x);

    // mm per pixel of each axis (the context's pixel size); both must be above 0.
    RecognitionGeometry(double horzMm, double vertMm, const Parameters &parameters);

    double hScale() const { return m_hScale; }
    double vScale() const { return m_vScale; }
    QSize figureSize(RecognitionAnswer::Figure kind) const;
    // Distance of each figure's inner edge from the vertical centre line.
    int separation() const { return m_separation; }
    QSize arrowSize() const { return m_arrow; }
    int grayLevel() const { return int(m_parameters.contrast * 255); }

    // The figure of a kind on the left or the right of the centre line, its top-left corner.
    QPoint leftFigure(RecognitionAnswer::Figure kind, QPoint centre) const;
    QPoint rightFigure(RecognitionAnswer::Figure kind, QPoint centre) const;
    // Arrow i (0 … 5) on its circle, and the position button i further out.
    QPoint arrowTopLeft(int position, QPoint centre) const;
    QPoint buttonTopLeft(int position, QSize button, QPoint centre) const;

private:
    Parameters m_parameters;
    double m_hScale = 1;
    double m_vScale = 1;
    QSize m_normal;
    QSize m_smaller;
    QSize m_arrow;
    int m_separation = 0;
};
