#include "stimuli/drawwidgets.h"

#include <cmath>
#include <limits>

#include <QPainter>

#include "stimuli/stimulusshapes.h"

using namespace StimulusShapes;

DrawCross::DrawCross(QWidget *parent)
    : QWidget(parent)
{
}

void DrawCross::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, cosmeticPen(Qt::white));
    drawCross(painter, width(), height());
}

DrawCrossThick::DrawCrossThick(QWidget *parent)
    : QWidget(parent)
{
}

void DrawCrossThick::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, widePen(Qt::white, 2.0));
    drawCross(painter, width(), height());
}

DrawCrossDot::DrawCrossDot(QWidget *parent)
    : QWidget(parent)
{
}

void DrawCrossDot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, widePen(Qt::white, 2.0, Qt::DotLine));
    drawCross(painter, width(), height());
}

DrawArrow::DrawArrow(QWidget *parent)
    : QWidget(parent)
{
}

void DrawArrow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, cosmeticPen(Qt::white), QBrush(Qt::white));
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(angle);
    drawArrow(painter, centralArrow(width(), height()));
}

DrawArrowPeriph::DrawArrowPeriph(QWidget *parent)
    : QWidget(parent)
{
}

void DrawArrowPeriph::paintEvent(QPaintEvent *)
{
    // The head's thickness; a ratio of 0 or one that is not a number leaves none that a
    // pixel position can hold, and the arrow is not drawn.
    const double thickness = height() / ratio;
    if (!(std::abs(thickness) <= std::numeric_limits<int>::max()))
        return;

    QPainter painter(this);
    prepare(painter, cosmeticPen(Qt::white), QBrush(Qt::white));
    // Both offsets come from the width: the arrow turns about the centre of a square widget.
    painter.translate(width() / 2.0, width() / 2.0);
    painter.rotate(angle);
    drawArrow(painter, peripheralArrow(width(), static_cast<int>(thickness)));
}

DrawTriangleLeft::DrawTriangleLeft(QWidget *parent)
    : QWidget(parent)
{
}

void DrawTriangleLeft::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, cosmeticPen(Qt::white), QBrush(Qt::white));
    drawArrow(painter, leftArrow(width(), height()));
}

DrawTriangleRight::DrawTriangleRight(QWidget *parent)
    : QWidget(parent)
{
}

void DrawTriangleRight::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, cosmeticPen(Qt::white), QBrush(Qt::white));
    drawArrow(painter, rightArrow(width(), height()));
}

DrawRectangle::DrawRectangle(QWidget *parent)
    : QWidget(parent)
{
}

void DrawRectangle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, cosmeticPen(Qt::white));
    painter.fillRect(0, 0, width(), height(), Qt::white);
}

DrawGrayRectangle::DrawGrayRectangle(QWidget *parent)
    : QWidget(parent)
{
}

void DrawGrayRectangle::paintEvent(QPaintEvent *)
{
    const int g = qBound(0, grayLevel, 255);
    const QColor grey(g, g, g, 255);
    QPainter painter(this);
    prepare(painter, cosmeticPen(grey), QBrush(grey));
    painter.drawRect(0, 0, width(), height());
}

DrawRoundedRectangle::DrawRoundedRectangle(QWidget *parent)
    : QWidget(parent)
{
}

void DrawRoundedRectangle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, cosmeticPen(Qt::white), QBrush(Qt::white));
    painter.drawRoundedRect(0, 0, width(), height(), roundness, roundness, Qt::RelativeSize);
}

DrawBorder::DrawBorder(QWidget *parent)
    : QWidget(parent)
{
}

void DrawBorder::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, widePen(Qt::red, 3.0));
    painter.drawRect(0, 0, width(), height());
}

DrawCircle::DrawCircle(QWidget *parent)
    : QWidget(parent)
{
}

void DrawCircle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, cosmeticPen(Qt::white), QBrush(Qt::transparent));
    painter.drawEllipse(0, 0, width(), height());
}

DrawLineH::DrawLineH(QWidget *parent)
    : QWidget(parent)
{
}

void DrawLineH::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, widePen(Qt::black, 3.0));
    drawGrating(painter, Qt::Horizontal, width(), height());
}

DrawLineV::DrawLineV(QWidget *parent)
    : QWidget(parent)
{
}

void DrawLineV::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, widePen(Qt::black, 3.0));
    drawGrating(painter, Qt::Vertical, width(), height());
}

DrawLineSh::DrawLineSh(QWidget *parent)
    : QWidget(parent)
{
}

void DrawLineSh::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    prepare(painter, cosmeticPen(Qt::white));
    drawStar(painter);
}
