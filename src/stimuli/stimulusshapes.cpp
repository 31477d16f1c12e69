#include "stimuli/stimulusshapes.h"

#include <QPainter>

namespace StimulusShapes {

QPen cosmeticPen(const QColor &colour)
{
    QPen pen(colour);
    pen.setWidth(0);
    return pen;
}

QPen widePen(const QColor &colour, qreal width, Qt::PenStyle style)
{
    return QPen(QBrush(colour), width, style, Qt::SquareCap, Qt::BevelJoin);
}

void prepare(QPainter &painter, const QPen &pen, const QBrush &brush)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(pen);
    painter.setBrush(brush);
}

// Corner coordinates are truncated toward zero, as C++ integer division and the conversion of
// a double to int both do, so a negated half or sixth is the negation of the positive one.

SevenPoints centralArrow(int w, int h)
{
    const int e = static_cast<int>(h * 0.3 / 12);
    const int f = static_cast<int>(h * 0.3 / 4);
    const int tail = w / 4;
    const int neck = w / 20;
    return {QPoint(-tail, -e), QPoint(neck, -e), QPoint(neck, -f), QPoint(tail, 0),
            QPoint(neck, f), QPoint(neck, e), QPoint(-tail, e)};
}

SevenPoints peripheralArrow(int w, int d)
{
    const int half = w / 2;
    const int neck = w / 10;
    const int shaft = d / 6;
    const int head = d / 2;
    return {QPoint(-half, -shaft), QPoint(neck, -shaft), QPoint(neck, -head), QPoint(half, 0),
            QPoint(neck, head), QPoint(neck, shaft), QPoint(-half, shaft)};
}

SevenPoints leftArrow(int w, int h)
{
    const int neck = static_cast<int>(w / 2.5);
    const int top = static_cast<int>(h / 3.0);
    const int bottom = static_cast<int>(h / 1.5);
    return {QPoint(0, h / 2), QPoint(neck, 0), QPoint(neck, top), QPoint(w, top),
            QPoint(w, bottom), QPoint(neck, bottom), QPoint(neck, h)};
}

SevenPoints rightArrow(int w, int h)
{
    const int neck = static_cast<int>(w / 1.667);
    const int top = static_cast<int>(h / 3.0);
    const int bottom = static_cast<int>(h / 1.5);
    return {QPoint(0, top), QPoint(neck, top), QPoint(neck, 0), QPoint(w, h / 2),
            QPoint(neck, h), QPoint(neck, bottom), QPoint(0, bottom)};
}

void drawArrow(QPainter &painter, const SevenPoints &points)
{
    painter.drawPolygon(points.data(), static_cast<int>(points.size()), Qt::OddEvenFill);
}

void drawCross(QPainter &painter, int w, int h)
{
    painter.drawLine(0, h / 2, w, h / 2);
    painter.drawLine(w / 2, 0, w / 2, h);
}

void drawGrating(QPainter &painter, Qt::Orientation orientation, int w, int h)
{
    for (const int at : {2, 17, 32, 47}) {
        if (orientation == Qt::Horizontal)
            painter.drawLine(0, at, w, at);
        else
            painter.drawLine(at, 0, at, h);
    }
}

void drawStar(QPainter &painter)
{
    painter.translate(360.0, 360.0);
    for (int spoke = 0; spoke < 12; ++spoke) {
        painter.drawLine(180, 0, 360, 0);
        painter.rotate(30.0);
    }
}

} // namespace StimulusShapes
