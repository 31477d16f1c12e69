#include "tasks/test3/motionfieldview.h"

#include <QPaintEvent>
#include <QPainter>

#include "stimuli/drawwidgets.h"

using namespace MotionField;

namespace {
// The view's origin lies half a side up and left of the screen centre.
QPoint toView(QPoint offset)
{
    return offset + QPoint(MotionFieldView::side / 2, MotionFieldView::side / 2);
}
} // namespace

MotionFieldView::MotionFieldView(QWidget *parent)
    : QWidget(parent)
{
    // Between the squares the screen behind the view shows, so that the view, a large square
    // over the middle of the screen, hides nothing but with its cells.
    resize(side, side);
    renderImages();
    for (int cell = 0; cell < cellCount; ++cell)
        m_squares += squareRect(cell);
}

// Draws the three stimulus widgets of a cell, stacked as in a widget field (square, then the
// horizontal and the vertical grating above it), into one image per direction and tick.
void MotionFieldView::renderImages()
{
    QWidget stage;
    stage.setAttribute(Qt::WA_DontShowOnScreen);
    stage.resize(gratingSize + 2 * linePeriod, gratingSize + 2 * linePeriod);
    auto *square = new DrawRectangle(&stage);
    square->resize(squareSize, squareSize);
    auto *horizontal = new DrawLineH(&stage);
    horizontal->resize(gratingSize, gratingSize);
    auto *vertical = new DrawLineV(&stage);
    vertical->resize(gratingSize, gratingSize);
    // A cell centred in the stage, at the stage's own coordinates.
    const QPoint centre(stage.width() / 2, stage.height() / 2);
    const int cell = singleCell(0);
    const QPoint shift = centre - cellOffset(cell);
    square->move(squareTopLeft(cell) + shift);
    for (int d = 0; d < directionCount; ++d) {
        for (int tick = 0; tick < linePeriod; ++tick) {
            horizontal->move(horizontalGratingTopLeft(cell, d, tick) + shift);
            vertical->move(verticalGratingTopLeft(cell, d, tick) + shift);
            QImage image(squareSize, squareSize, QImage::Format_RGB32);
            image.fill(Qt::black);
            stage.render(&image, QPoint(), QRegion(QRect(square->pos(), square->size())),
                         QWidget::DrawChildren);
            m_images[d][tick] = image;
        }
    }
}

void MotionFieldView::placeAround(QPoint centre)
{
    move(centre - QPoint(side / 2, side / 2));
}

void MotionFieldView::setDirections(const Directions &directions)
{
    m_directions = directions;
    update();
}

void MotionFieldView::setStep(int step)
{
    m_step = step;
    // Only the squares change; the black between them stays as it is.
    update(m_squares);
}

QRect MotionFieldView::squareRect(int cell) const
{
    return QRect(toView(squareTopLeft(cell)), QSize(squareSize, squareSize));
}

void MotionFieldView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const int tick = m_step % linePeriod;
    for (int cell = 0; cell < cellCount; ++cell) {
        const QRect rect = squareRect(cell);
        if (event->region().intersects(rect))
            painter.drawImage(rect.topLeft(), m_images[m_directions[cell]][tick]);
    }
}
