#include <cmath>
#include <limits>

#include <QtTest>

#include "stimuli/drawwidgets.h"

using Points = QList<QPoint>;

namespace {

// A stimulus by class name; `value` goes to its one setting (angle, grey level, roundness).
QWidget *makeStimulus(const QString &kind, double value, QWidget *parent = nullptr)
{
    const auto is = [&kind](const char *name) { return kind == QLatin1String(name); };
    if (is("DrawArrow")) { auto *w = new DrawArrow(parent); w->angle = value; return w; }
    if (is("DrawArrowPeriph")) {
        auto *w = new DrawArrowPeriph(parent);
        w->angle = value;
        w->ratio = 1.5;
        return w;
    }
    if (is("DrawGrayRectangle")) {
        auto *w = new DrawGrayRectangle(parent);
        w->grayLevel = static_cast<int>(value);
        return w;
    }
    if (is("DrawRoundedRectangle")) {
        auto *w = new DrawRoundedRectangle(parent);
        w->roundness = static_cast<float>(value);
        return w;
    }
    if (is("DrawCross")) return new DrawCross(parent);
    if (is("DrawCrossThick")) return new DrawCrossThick(parent);
    if (is("DrawCrossDot")) return new DrawCrossDot(parent);
    if (is("DrawTriangleLeft")) return new DrawTriangleLeft(parent);
    if (is("DrawTriangleRight")) return new DrawTriangleRight(parent);
    if (is("DrawRectangle")) return new DrawRectangle(parent);
    if (is("DrawBorder")) return new DrawBorder(parent);
    if (is("DrawCircle")) return new DrawCircle(parent);
    if (is("DrawLineH")) return new DrawLineH(parent);
    if (is("DrawLineV")) return new DrawLineV(parent);
    if (is("DrawLineSh")) return new DrawLineSh(parent);
    qFatal("unknown stimulus %s", qPrintable(kind));
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

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// How much of `colour` covers the pixel over `background` (1 = the colour itself), or -1 when
// the pixel is not a blend of the two.
double coverage(QRgb pixel, QColor colour, QColor background)
{
    const int p[] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    const int c[] = {colour.red(), colour.green(), colour.blue()};
    const int b[] = {background.red(), background.green(), background.blue()};
    int widest = 0;
    for (int i = 1; i < 3; ++i)
        widest = std::abs(c[i] - b[i]) > std::abs(c[widest] - b[widest]) ? i : widest;
    const double share = double(p[widest] - b[widest]) / (c[widest] - b[widest]);
    for (int i = 0; i < 3; ++i)
        if (std::abs(b[i] + share * (c[i] - b[i]) - p[i]) > 3)
            return -1;
    return share;
}

const QStringList allKinds = {"DrawCross", "DrawCrossThick", "DrawCrossDot", "DrawArrow",
    "DrawArrowPeriph", "DrawTriangleLeft", "DrawTriangleRight", "DrawRectangle",
    "DrawGrayRectangle", "DrawRoundedRectangle", "DrawBorder", "DrawCircle", "DrawLineH",
    "DrawLineV", "DrawLineSh"};

} // namespace

class TestStimuli : public QObject
{
    Q_OBJECT

private slots:
    void shapeByPixels_data();
    void shapeByPixels();
    void starShowsWhatFallsInside_data();
    void starShowsWhatFallsInside();
    void emptyWidgetPaintsNothing_data();
    void emptyWidgetPaintsNothing();
    void arrowWithoutThicknessPaintsNothing_data();
    void arrowWithoutThicknessPaintsNothing();
};

void TestStimuli::shapeByPixels_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");  // over black, or over white for the black gratings
    QTest::addColumn<double>("least");   // least coverage of the colour on each shape point
    QTest::addColumn<Points>("shape");
    QTest::addColumn<Points>("outside"); // points left at the background colour
    const auto row = [](const char *name, const char *kind, double value, QSize size,
                        QColor colour, double least, const Points &shape, const Points &outside) {
        QTest::newRow(name) << QString::fromLatin1(kind) << value << size << colour << least
                            << shape << outside;
    };
    const QColor white(Qt::white), black(Qt::black);
    const QSize square(100, 100), patch(30, 20), wide(100, 60);

    // One-pixel lines on whole coordinates are shared half and half by two pixel rows.
    row("cross", "DrawCross", 0,
        {40, 40}, white, 0.45, {{5, 19}, {5, 20}, {34, 19}, {19, 5}, {20, 34}},
        {{5, 5}, {34, 34}, {5, 22}, {22, 5}, {5, 17}});
    row("thick cross", "DrawCrossThick", 0,
        {40, 40}, white, 1, {{5, 19}, {5, 20}, {19, 34}, {20, 5}},
        {{5, 18}, {5, 21}, {18, 5}, {21, 5}});
    row("dotted cross", "DrawCrossDot", 0, {40, 40}, white, 1, {{1, 19}, {6, 20}, {7, 19}, {20, 1}},
        {{3, 19}, {4, 20}, {9, 19}, {20, 3}, {19, 10}, {5, 21}});
    row("cue right", "DrawArrow", 0, square, white, 1, {{70, 50}, {58, 54}, {30, 50}},
        {{42, 54}, {50, 30}, {80, 50}, {20, 50}});
    row("cue down", "DrawArrow", 90, square, white, 1, {{50, 70}, {45, 58}, {50, 30}},
        {{45, 41}, {30, 50}, {50, 80}});
    row("peripheral 0 right", "DrawArrowPeriph", 0, square, white, 1,
        {{75, 35}, {75, 65}, {95, 50}, {10, 50}}, {{25, 35}, {25, 65}, {50, 10}, {50, 90}});
    row("peripheral 180 left", "DrawArrowPeriph", 180, square, white, 1,
        {{24, 64}, {24, 35}, {4, 49}, {90, 49}}, {{75, 35}, {75, 64}, {49, 10}});
    row("peripheral 45 lower right", "DrawArrowPeriph", 45, square, white, 1,
        {{57, 78}, {78, 57}, {78, 78}, {20, 20}}, {{21, 43}, {43, 21}, {85, 15}, {15, 85}});
    // The arrow turns about a point half a width from the top, not half the height.
    row("peripheral not square", "DrawArrowPeriph", 0, wide, white, 1, {{20, 50}, {20, 45}},
        {{20, 30}, {20, 42}});
    row("left arrow", "DrawTriangleLeft", 0, square, white, 1,
        {{90, 50}, {20, 50}, {38, 10}, {38, 90}},
        {{90, 20}, {90, 80}, {10, 10}, {10, 90}});
    row("right arrow", "DrawTriangleRight", 0, square, white, 1,
        {{10, 50}, {80, 50}, {61, 10}, {61, 90}},
        {{10, 20}, {10, 80}, {90, 10}, {90, 90}});
    row("white patch", "DrawRectangle", 0, patch, white, 1,
        {{0, 0}, {29, 19}, {15, 10}, {29, 0}}, {});
    row("grey 204", "DrawGrayRectangle", 204, patch, QColor(204, 204, 204), 1,
        {{0, 0}, {29, 19}, {15, 10}}, {});
    row("grey 255 as the white patch", "DrawGrayRectangle", 255, patch, white, 1,
        {{0, 0}, {29, 19}, {15, 10}, {29, 0}}, {});
    row("grey 0 invisible", "DrawGrayRectangle", 0, patch, white, 1,
        {}, {{0, 0}, {29, 19}, {15, 10}});
    row("grey above 255 is white", "DrawGrayRectangle", 300, patch, white, 1,
        {{0, 0}, {15, 10}}, {});
    row("roundness 0 square corners", "DrawRoundedRectangle", 0, wide, white, 1,
        {{0, 0}, {99, 0}, {0, 59}, {99, 59}, {50, 30}}, {});
    row("roundness 50", "DrawRoundedRectangle", 50, wide, white, 1,
        {{50, 30}, {50, 0}, {0, 30}, {99, 30}},
        {{0, 0}, {1, 1}, {98, 58}, {99, 59}});
    row("red frame", "DrawBorder", 0, wide, Qt::red, 1, {{0, 30}, {99, 30}, {50, 0}, {50, 59}},
        {{50, 30}, {3, 30}, {96, 30}, {50, 3}});
    row("circle", "DrawCircle", 0, square, white, 0.45, {{0, 49}, {0, 50}, {49, 0}, {99, 50}},
        {{50, 50}, {2, 2}, {97, 97}, {3, 50}, {50, 3}});
    row("horizontal grating", "DrawLineH", 0, {60, 60}, black, 1,
        {{10, 1}, {10, 2}, {10, 16}, {10, 17}, {10, 31}, {10, 32}, {10, 46}, {10, 47}},
        {{10, 8}, {10, 24}, {10, 39}, {10, 55}});
    row("vertical grating", "DrawLineV", 0, {60, 60}, black, 1,
        {{1, 10}, {2, 10}, {16, 10}, {17, 10}, {31, 10}, {32, 10}, {46, 10}, {47, 10}},
        {{8, 10}, {24, 10}, {39, 10}, {55, 10}});
    row("star", "DrawLineSh", 0, {720, 720}, white, 0.45,
        {{600, 359}, {600, 360}, {359, 600}, {360, 600}, {100, 359}, {359, 100}},
        {{360, 360}, {400, 360}, {600, 380}, {10, 10}, {710, 710}, {360, 190}});
}

void TestStimuli::shapeByPixels()
{
    QFETCH(QString, kind);
    QFETCH(double, value);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    QFETCH(double, least);
    QFETCH(Points, shape);
    QFETCH(Points, outside);

    const QColor background = colour == Qt::black ? Qt::white : Qt::black;
    QScopedPointer<QWidget> widget(makeStimulus(kind, value));
    const QImage image = render(*widget, size, background);
    const auto where = [&image](QPoint at) {
        return QStringLiteral("(%1, %2) is %3").arg(at.x()).arg(at.y())
            .arg(image.pixelColor(at).name()).toLatin1();
    };
    for (const QPoint &at : shape)
        QVERIFY2(coverage(image.pixel(at), colour, background) >= least, where(at).constData());
    for (const QPoint &at : outside)
        QVERIFY2(image.pixel(at) == background.rgb(), where(at).constData());
}

void TestStimuli::starShowsWhatFallsInside_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("400 x 400") << QSize(400, 400);
    QTest::newRow("720 x 300") << QSize(720, 300);
    QTest::newRow("100 x 720") << QSize(100, 720);
}

// A smaller widget shows the top left part of the whole star (smoothing may differ by a
// few steps along slanted spokes, where the clipped area shifts the rasterised edge).
void TestStimuli::starShowsWhatFallsInside()
{
    QFETCH(QSize, size);
    DrawLineSh star;
    const QImage whole = render(star, QSize(720, 720));
    const QImage part = render(star, size);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (std::abs(qRed(part.pixel(x, y)) - qRed(whole.pixel(x, y))) > 8)
                QFAIL(qPrintable(QStringLiteral("differs at (%1, %2)").arg(x).arg(y)));
    QVERIFY(part != blank(size));
}

void TestStimuli::emptyWidgetPaintsNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("size");
    for (const QString &kind : allKinds) {
        QTest::addRow("%s width 0", qPrintable(kind)) << kind << QSize(0, 80);
        QTest::addRow("%s height 0", qPrintable(kind)) << kind << QSize(80, 0);
    }
}

void TestStimuli::emptyWidgetPaintsNothing()
{
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    QWidget dialog;
    QWidget *stimulus = makeStimulus(kind, 45.0, &dialog);
    stimulus->setGeometry(QRect(QPoint(10, 10), size));
    stimulus->show();
    QCOMPARE(render(dialog, QSize(100, 100)), blank(QSize(100, 100)));
}

void TestStimuli::arrowWithoutThicknessPaintsNothing_data()
{
    QTest::addColumn<double>("ratio");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("too thick for a pixel position") << 1e-300;
}

void TestStimuli::arrowWithoutThicknessPaintsNothing()
{
    QFETCH(double, ratio);
    DrawArrowPeriph arrow;
    arrow.ratio = ratio;
    QCOMPARE(render(arrow, QSize(100, 100)), blank(QSize(100, 100)));
}

QTEST_MAIN(TestStimuli)
#include "tst_stimuli.moc"
