#pragma once

#include <QWidget>

// The stimuli of the tasks: small child widgets of a full-screen task dialog on a black
// background. The dialog places and sizes each one in pixels, shows and hides it to time the
// exposure and sets its public members before showing it; the widget only paints its shape,
// scaled to its current size (the gratings and the star keep fixed pixel positions).
//
// Members have values from construction (a straight arrow, a white patch, square corners) so
// that a widget painted before its owner sets them still draws a defined shape.

// Fixation cross: a one-pixel white horizontal and vertical line through the middle.
class DrawCross : public QWidget
{
    Q_OBJECT

public:
    explicit DrawCross(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The fixation cross drawn with two-pixel lines.
class DrawCrossThick : public QWidget
{
    Q_OBJECT

public:
    explicit DrawCrossThick(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The fixation cross drawn with two-pixel dotted lines.
class DrawCrossDot : public QWidget
{
    Q_OBJECT

public:
    explicit DrawCrossDot(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Orienting cue: a filled white arrow at the centre, half the widget long, turned about the
// centre by `angle` degrees clockwise on the screen (0 right, 90 down, 180 left, 270 up).
class DrawArrow : public QWidget
{
    Q_OBJECT

public:
    explicit DrawArrow(QWidget *parent = nullptr);

    double angle = 0.0;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Peripheral arrow: a filled white arrow as long as the widget is wide and height / `ratio`
// thick at its head, turned by `angle` degrees clockwise about the point half a width from the
// left and from the top edge (the owner gives it a square size). A `ratio` that leaves no
// finite thickness (0, not a number) draws nothing.
class DrawArrowPeriph : public QWidget
{
    Q_OBJECT

public:
    explicit DrawArrowPeriph(QWidget *parent = nullptr);

    double angle = 0.0;
    double ratio = 1.5;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A filled white arrow pointing left, filling the widget.
class DrawTriangleLeft : public QWidget
{
    Q_OBJECT

public:
    explicit DrawTriangleLeft(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A filled white arrow pointing right, filling the widget.
class DrawTriangleRight : public QWidget
{
    Q_OBJECT

public:
    explicit DrawTriangleRight(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A white patch filling the widget.
class DrawRectangle : public QWidget
{
    Q_OBJECT

public:
    explicit DrawRectangle(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A grey patch filling the widget, of grey level `grayLevel` (0 black … 255 white; values
// outside are held at the nearer end).
class DrawGrayRectangle : public QWidget
{
    Q_OBJECT

public:
    explicit DrawGrayRectangle(QWidget *parent = nullptr);

    int grayLevel = 255;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A white patch with rounded corners, the corner radius `roundness` percent of half the width
// and of half the height (0 gives square corners).
class DrawRoundedRectangle : public QWidget
{
    Q_OBJECT

public:
    explicit DrawRoundedRectangle(QWidget *parent = nullptr);

    float roundness = 0.0f;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A red frame, three pixels wide, along the widget's edges.
class DrawBorder : public QWidget
{
    Q_OBJECT

public:
    explicit DrawBorder(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A one-pixel white circle, or ellipse, touching the widget's four edges.
class DrawCircle : public QWidget
{
    Q_OBJECT

public:
    explicit DrawCircle(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A grating of four black horizontal lines, three pixels wide, at y = 2, 17, 32 and 47.
class DrawLineH : public QWidget
{
    Q_OBJECT

public:
    explicit DrawLineH(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A grating of four black vertical lines, three pixels wide, at x = 2, 17, 32 and 47.
class DrawLineV : public QWidget
{
    Q_OBJECT

public:
    explicit DrawLineV(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A star of twelve white spokes around (360, 360); the widget must be at least 720 × 720 to
// show it whole, a smaller one shows the part that falls inside it.
class DrawLineSh : public QWidget
{
    Q_OBJECT

public:
    explicit DrawLineSh(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
