#pragma once

#include <array>

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPoint>

class QPainter;

// The shapes that several stimulus widgets share, drawn with a painter the widget has opened on
// itself. Nothing here allocates beyond the pen and brush a painter needs and the fixed arrays
// of points, so that a stimulus paints in the same short time whatever its exposure.
namespace StimulusShapes {

// The outline of an arrow: a shaft and a head, seven corners.
using SevenPoints = std::array<QPoint, 7>;

// A pen given by a colour alone: zero width, always one device pixel whatever the transform.
QPen cosmeticPen(const QColor &colour);
// A pen of a given width: square cap and bevel join.
QPen widePen(const QColor &colour, qreal width, Qt::PenStyle style = Qt::SolidLine);

// Every stimulus is drawn with smoothed edges, with the given pen and brush.
void prepare(QPainter &painter, const QPen &pen, const QBrush &brush = Qt::NoBrush);

// The central cue arrow of a w × h widget, around the origin and pointing toward +x: a shaft
// half as long as the widget and a head of 0.15 h half-width.
SevenPoints centralArrow(int w, int h);
// The peripheral arrow of width w and thickness d, around the origin and pointing toward +x:
// it spans the whole width, its shaft is d/3 thick and its head d thick.
SevenPoints peripheralArrow(int w, int d);
// Arrows filling a w × h box, without rotation, pointing left or right.
SevenPoints leftArrow(int w, int h);
SevenPoints rightArrow(int w, int h);
// Fills a seven-corner outline with the odd-even rule.
void drawArrow(QPainter &painter, const SevenPoints &points);

// A fixation cross: one horizontal and one vertical line through the middle of a w × h box.
void drawCross(QPainter &painter, int w, int h);

// A grating of four lines 15 pixels apart, starting 2 pixels from the edge, across the whole
// w × h box: horizontal lines for Qt::Horizontal, vertical ones for Qt::Vertical.
void drawGrating(QPainter &painter, Qt::Orientation orientation, int w, int h);

// The star of the working memory task: twelve spokes 30° apart, from radius 180 to radius 360
// pixels around (360, 360), whatever the size of the widget that shows it.
void drawStar(QPainter &painter);

} // namespace StimulusShapes
