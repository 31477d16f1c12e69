#include <cmath>

#include <QtTest>

#include "stimuli/drawwidgets.h"

namespace {

template <typename W>
QWidget *make(QWidget *parent) { return new W(parent); }

// Every stimulus class, by its name without "Draw".
const QMap<QString, QWidget *(*)(QWidget *)> factories = {
    {"Cross", make<DrawCross>}, {"CrossThick", make<DrawCrossThick>},
    {"CrossDot", make<DrawCrossDot>}, {"Arrow", make<DrawArrow>},
    {"ArrowPeriph", make<DrawArrowPeriph>}, {"TriangleLeft", make<DrawTriangleLeft>},
    {"TriangleRight", make<DrawTriangleRight>}, {"Rectangle", make<DrawRectangle>},
    {"GrayRectangle", make<DrawGrayRectangle>}, {"RoundedRectangle", make<DrawRoundedRectangle>},
    {"Border", make<DrawBorder>}, {"Circle", make<DrawCircle>}, {"LineH", make<DrawLineH>},
    {"LineV", make<DrawLineV>}, {"LineSh", make<DrawLineSh>}};

// A stimulus by class name; `value` goes to its one setting (angle, grey level, roundness),
// `ratio` to the thickness of the peripheral arrow.
QWidget *makeStimulus(const QString &kind, double value, QWidget *parent = nullptr,
                      double ratio = 1.5)
{
    QWidget *widget = factories.value(kind)(parent);
    if (auto *arrow = qobject_cast<DrawArrow *>(widget))
        arrow->angle = value;
    if (auto *arrow = qobject_cast<DrawArrowPeriph *>(widget)) {
        arrow->angle = value;
        arrow->ratio = ratio;
    }
    if (auto *patch = qobject_cast<DrawGrayRectangle *>(widget))
        patch->grayLevel = int(value);
    if (auto *patch = qobject_cast<DrawRoundedRectangle *>(widget))
        patch->roundness = float(value);
    return widget;
}

// What the widget paints over a background, as its owning dialog shows it.
QImage render(QWidget &widget, QSize size, QColor background = Qt::black)
{
    widget.resize(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// How much of `colour` covers the pixel over `background` (1 = the colour itself), or -1 when
// the pixel is not a blend of the two. Every colour tested differs from its background in red.
double coverage(QRgb pixel, QColor colour, QColor background)
{
    const double share =
        double(qRed(pixel) - background.red()) / (colour.red() - background.red());
    const auto blend = [&](int c, int b, int p) { return std::abs(b + share * (c - b) - p) <= 3; };
    return blend(colour.green(), background.green(), qGreen(pixel))
               && blend(colour.blue(), background.blue(), qBlue(pixel)) ? share : -1;
}

} // namespace

class TestStimuli : public QObject
{
    Q_OBJECT

private slots:
    void shapeByPixels_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("value");
        QTest::addColumn<QSize>("size");
        // "x,y …" on the shape | "x,y …" left at the background colour
        QTest::addColumn<QString>("points");
        QTest::addColumn<double>("least");   // least coverage of the colour on each shape point
        QTest::addColumn<QColor>("colour");  // over black, or over white for the black gratings
        const auto row = [](const char *kind, double value, QSize size, const char *points,
                            double least = 1, QColor colour = Qt::white) {
            QTest::addRow("%s %g %dx%d", kind, value, size.width(), size.height())
                << QString::fromLatin1(kind) << value << size << QString::fromLatin1(points)
                << least << colour;
        };
        const QSize small(40, 40), square(100, 100), patch(30, 20), wide(100, 60);

        // One-pixel lines on whole coordinates are shared half and half by two pixel rows.
        row("Cross", 0, small, "5,19 5,20 34,19 19,5 20,34 | 5,5 34,34 5,22 22,5 5,17", 0.45);
        row("CrossThick", 0, small, "5,19 5,20 19,34 20,5 | 5,18 5,21 18,5 21,5");
        row("CrossDot", 0, small, "1,19 6,20 7,19 20,1 | 3,19 4,20 9,19 20,3 19,10 5,21");
        row("Arrow", 90, square, "50,70 45,58 50,30 | 45,41 30,50 50,80");
        row("ArrowPeriph", 0, square, "75,35 75,65 95,50 10,50 | 25,35 25,65 50,10 50,90");
        row("ArrowPeriph", 180, square, "24,64 24,35 4,49 90,49 | 75,35 75,64 49,10");
        row("ArrowPeriph", 45, square, "57,78 78,57 78,78 20,20 | 21,43 43,21 85,15 15,85");
        // The arrow turns about a point half a width from the top, not half the height.
        row("ArrowPeriph", 0, wide, "20,50 20,45 | 20,30 20,42");
        row("TriangleLeft", 0, square, "90,50 20,50 38,10 38,90 | 90,20 90,80 10,10 10,90");
        row("TriangleRight", 0, square, "10,50 80,50 61,10 61,90 | 10,20 10,80 90,10 90,90");
        row("Rectangle", 0, patch, "0,0 29,19 15,10 29,0");
        row("GrayRectangle", 204, patch, "0,0 29,19 15,10", 1, QColor(204, 204, 204));
        // 255 as the white patch, and a level above 255 held at white.
        row("GrayRectangle", 255, patch, "0,0 29,19 15,10 29,0");
        row("GrayRectangle", 300, patch, "0,0 15,10");
        row("RoundedRectangle", 0, wide, "0,0 99,0 0,59 99,59 50,30");
        row("RoundedRectangle", 50, wide, "50,30 50,0 0,30 99,30 | 0,0 1,1 98,58 99,59");
        row("Border", 0, wide, "0,30 99,30 50,0 50,59 | 50,30 3,30 96,30 50,3", 1, Qt::red);
        row("Circle", 0, square, "0,49 0,50 49,0 99,50 | 50,50 2,2 97,97 3,50 50,3", 0.45);
        row("LineH", 0, {60, 60}, "10,1 10,2 10,16 10,17 10,31 10,32 10,46 10,47 "
                                  "| 10,8 10,24 10,39 10,55", 1, Qt::black);
        row("LineV", 0, {60, 60}, "1,10 2,10 16,10 17,10 31,10 32,10 46,10 47,10 "
                                  "| 8,10 24,10 39,10 55,10", 1, Qt::black);
        row("LineSh", 0, {720, 720}, "600,359 600,360 359,600 360,600 100,359 359,100 "
                                     "| 360,360 400,360 600,380 10,10 710,710 360,190", 0.45);
    }

    void shapeByPixels()
    {
        QFETCH(QString, kind);
        QFETCH(double, value);
        QFETCH(QSize, size);
        QFETCH(QString, points);
        QFETCH(double, least);
        QFETCH(QColor, colour);

        const QColor background = colour == Qt::black ? Qt::white : Qt::black;
        QScopedPointer<QWidget> widget(makeStimulus(kind, value));
        const QImage image = render(*widget, size, background);
        const QStringList sides = points.split(QLatin1Char('|'));
        for (int side = 0; side < sides.size(); ++side) {
            for (const QString &word : sides[side].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const QPoint at(word.section(QLatin1Char(','), 0, 0).toInt(),
                                word.section(QLatin1Char(','), 1).toInt());
                const QRgb pixel = image.pixel(at);
                QVERIFY2(side == 0 ? coverage(pixel, colour, background) >= least
                                   : pixel == background.rgb(),
                         qPrintable(word + QStringLiteral(" is ") + image.pixelColor(at).name()));
            }
        }
    }

    // A smaller widget shows the top left part of the whole star (smoothing may differ by a
    // few steps along slanted spokes, where the clipped area shifts the rasterised edge).
    void starShowsWhatFallsInside()
    {
        DrawLineSh star;
        const QImage whole = render(star, QSize(720, 720));
        for (const QSize size : {QSize(720, 300), QSize(100, 720)}) {
            const QImage part = render(star, size);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    if (std::abs(qRed(part.pixel(x, y)) - qRed(whole.pixel(x, y))) > 8)
                        QFAIL(qPrintable(QStringLiteral("differs at (%1, %2)").arg(x).arg(y)));
        }
    }

    // Nothing outside the widget and nothing at all without an area, or for an arrow whose
    // thickness is no usable number.
    void emptyWidgetPaintsNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("ratio");
        for (const QString &kind : factories.keys()) {
            QTest::addRow("%s width 0", qPrintable(kind)) << kind << QSize(0, 80) << 1.5;
            QTest::addRow("%s height 0", qPrintable(kind)) << kind << QSize(80, 0) << 1.5;
        }
        const QString arrow = QStringLiteral("ArrowPeriph");
        QTest::newRow("arrow ratio zero") << arrow << QSize(80, 80) << 0.0;
        QTest::newRow("arrow ratio not a number") << arrow << QSize(80, 80) << std::nan("");
        QTest::newRow("arrow too thick for a pixel position") << arrow << QSize(80, 80) << 1e-300;
    }

    void emptyWidgetPaintsNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QSize, size);
        QFETCH(double, ratio);
        QWidget dialog;
        QWidget *stimulus = makeStimulus(kind, 45.0, &dialog, ratio);
        stimulus->setGeometry(QRect(QPoint(10, 10), size));
        stimulus->show();
        QImage black(100, 100, QImage::Format_RGB32);
        black.fill(Qt::black);
        QCOMPARE(render(dialog, black.size()), black);
    }
};

QTEST_MAIN(TestStimuli)
#include "tst_stimuli.moc"
