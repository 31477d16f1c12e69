#pragma once

#include <array>

#include <QImage>
#include <QRegion>
#include <QWidget>

#include "tasks/test3/motionfield.h"

// The 80 cells of the movement detection field drawn by one widget. Each cell looks exactly as
// a DrawRectangle of 42 × 42 under a DrawLineH and a DrawLineV of 48 × 48 would: the view
// renders those three stimulus widgets once, for every direction and every tick of the line
// period, into small images, and a paint only copies the 80 images of the current tick. A
// motion step thus repaints 80 small squares from memory instead of moving 80 child widgets
// and repainting everything beneath them.
//
// The parts of a grating that reach beyond its square are black lines on the black screen;
// the images leave them out, and the view paints nothing between its squares.
//
// The owner places the view with its centre on the screen centre (placeAround), sets the
// directions, and advances the motion with setStep.
class MotionFieldView : public QWidget
{
    Q_OBJECT

public:
    explicit MotionFieldView(QWidget *parent = nullptr);

    // Size that holds the whole 9 × 9 grid.
    static constexpr int side = 9 * MotionField::pitch;

    void placeAround(QPoint centre);
    void setDirections(const MotionField::Directions &directions);
    const MotionField::Directions &directions() const { return m_directions; }
    // Every cell's gratings at tick `step` of its drift (0: at rest).
    void setStep(int step);
    int step() const { return m_step; }

    // The look of one cell drifting `direction` at tick `tick` (0 … 14), as the stimulus
    // widgets draw it.
    const QImage &cellImage(int direction, int tick) const { return m_images[direction][tick]; }
    // Where a cell's square lies in the view.
    QRect squareRect(int cell) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void renderImages();

    MotionField::Directions m_directions{};
    int m_step = 0;
    QRegion m_squares;
    std::array<std::array<QImage, MotionField::linePeriod>, MotionField::directionCount> m_images;
};
