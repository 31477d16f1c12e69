#include "tasks/test1/recognitiongeometry.h"

#include <cmath>

namespace {
constexpr double pi = 3.14159265358979323846;
// Sizes computed in floating point carry rounding noise: a half is a half within this.
constexpr double halfTolerance = 1e-9;
constexpr int buttonRadiusExtra = 100;
} // namespace

using RecognitionAnswer::Figure;

int RecognitionGeometry::roundHalfDown(double x)
{
    const double n = std::floor(x);
    return int(n) + (x - n > 0.5 + halfTolerance ? 1 : 0);
}

RecognitionGeometry::RecognitionGeometry(double horzMm, double vertMm, const Parameters &parameters)
    : m_parameters(parameters)
    , m_hScale(referencePixelMm / horzMm)
    , m_vScale(referencePixelMm / vertMm)
{
    const Parameters &p = m_parameters;
    m_normal = QSize(roundHalfDown(p.globSize * m_hScale), roundHalfDown(p.globSize * m_vScale * p.orientation));
    m_smaller = QSize(roundHalfDown(p.globSize * m_hScale * p.size),
                      roundHalfDown(p.globSize * m_vScale * p.orientation * p.size));
    m_arrow = QSize(roundHalfDown(p.triBase * m_hScale * p.triRatio), roundHalfDown(p.triBase * m_vScale * p.triRatio));
    m_separation = int(m_normal.width() * p.separator / 2);
}

QSize RecognitionGeometry::figureSize(Figure kind) const
{
    switch (kind) {
    case RecognitionAnswer::Turned:
        return m_normal.transposed();
    case RecognitionAnswer::Smaller:
        return m_smaller;
    default:
        return m_normal;
    }
}

QPoint RecognitionGeometry::leftFigure(Figure kind, QPoint centre) const
{
    const QSize size = figureSize(kind);
    return QPoint(centre.x() - m_separation - size.width(), centre.y() - size.height() / 2);
}

QPoint RecognitionGeometry::rightFigure(Figure kind, QPoint centre) const
{
    const QSize size = figureSize(kind);
    return QPoint(centre.x() + m_separation, centre.y() - size.height() / 2);
}

QPoint RecognitionGeometry::arrowTopLeft(int position, QPoint centre) const
{
    const double theta = RecognitionAnswer::positionAngle(position) * pi / 180.0;
    const double radius = m_parameters.triOffset;
    return QPoint(int(centre.x() - m_arrow.width() / 2.0 + radius * std::cos(theta)),
                  int(centre.y() - m_arrow.height() / 2.0 + radius * std::sin(theta)));
}

QPoint RecognitionGeometry::buttonTopLeft(int position, QSize button, QPoint centre) const
{
    const double theta = RecognitionAnswer::positionAngle(position) * pi / 180.0;
    const double radius = m_parameters.triOffset + buttonRadiusExtra;
    return QPoint(int(centre.x() - button.width() / 2.0 + radius * std::cos(theta)),
                  int(centre.y() - button.height() / 2.0 + radius * std::sin(theta)));
}
