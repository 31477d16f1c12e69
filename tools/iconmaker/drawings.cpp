// Drawings of the images compiled into Kestrova.
//
// Everything is painted with QPainter (antialiased) in device pixels, so the
// files come out at the exact size the windows lay them out at: nothing is
// scaled at run time. The task screens are black, so every control that sits
// on them is a dark plate with a light rim and white content.

#include "drawings.h"

#include <QColor>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>
#include <QtGlobal>

#include <cstdint>
#include <random>

namespace iconmaker {
namespace {

// Brand colours (window icon and logo).
const QColor kNavyDark(0x0c, 0x25, 0x3d);
const QColor kNavy(0x1a, 0x55, 0x86);
const QColor kTeal(0x22, 0xb0, 0xa0);
const QColor kTealDark(0x0f, 0x6e, 0x66);
const QColor kAmber(0xf5, 0xb3, 0x32);
const QColor kLogoText(0x16, 0x30, 0x4a);

// Task-screen controls.
const QColor kPlateTop(0x30, 0x34, 0x39);
const QColor kPlateBottom(0x14, 0x16, 0x19);
const QColor kPlateRim(0x9a, 0xa1, 0xa8);
const QColor kFigure(0xf6, 0xf6, 0xf6);
const QColor kFigureGrey(0x80, 0x80, 0x80);
const QColor kFrameRim(0xc8, 0xc8, 0xc8);

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

// Rounded rectangle whose stroke of width `pen` lies entirely inside `outer`.
QRectF insetForPen(const QRectF &outer, qreal pen)
{
    const qreal h = pen / 2.0;
    return outer.adjusted(h, h, -h, -h);
}

// The dark button plate of the task screens: a soft vertical gradient,
// a 2-px light rim and a faint highlight just inside the top edge.
void paintPlate(QPainter &p, const QRectF &outer, qreal radius)
{
    const QRectF r = insetForPen(outer, 2.0);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, kPlateTop);
    fill.setColorAt(1.0, kPlateBottom);
    p.setPen(QPen(kPlateRim, 2.0));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);

    // Inner highlight: a thin translucent line one pixel inside the rim.
    const QRectF hi = r.adjusted(2.0, 2.0, -2.0, -2.0);
    QLinearGradient glow(hi.topLeft(), hi.bottomLeft());
    glow.setColorAt(0.0, QColor(255, 255, 255, 60));
    glow.setColorAt(0.35, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(glow), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(hi, radius - 2.0, radius - 2.0);
}

// ---------------------------------------------------------------------------
// Brand mark: an eye seen through a sighting reticle, on a rounded navy tile.
// Drawn in a 256 x 256 design space and scaled into `target`.
void paintMark(QPainter &p, const QRectF &target)
{
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / 256.0, target.height() / 256.0);

    // Tile.
    const QRectF tile(8, 8, 240, 240);
    QLinearGradient bg(tile.topLeft(), tile.bottomRight());
    bg.setColorAt(0.0, kNavy);
    bg.setColorAt(1.0, kNavyDark);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(tile, 54, 54);

    // Soft light in the upper part of the tile.
    QRadialGradient sheen(QPointF(128, 40), 190);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(tile, 54, 54);

    const QPointF c(128, 128);

    // Sclera: an almond of two quadratic lids.
    QPainterPath eye;
    eye.moveTo(30, 128);
    eye.quadTo(128, 30, 226, 128);
    eye.quadTo(128, 226, 30, 128);
    eye.closeSubpath();
    p.setBrush(QColor(0xfb, 0xfc, 0xfd));
    p.drawPath(eye);

    // Iris, clipped by the lids.
    p.save();
    p.setClipPath(eye);
    QRadialGradient iris(c, 44);
    iris.setColorAt(0.0, kTeal.lighter(115));
    iris.setColorAt(0.75, kTeal);
    iris.setColorAt(1.0, kTealDark);
    p.setBrush(iris);
    p.drawEllipse(c, 44, 44);
    p.setBrush(kNavyDark);
    p.drawEllipse(c, 19, 19);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(QPointF(143, 112), 9, 9);
    p.restore();

    // Sighting reticle: a ring with four ticks pointing to the pupil.
    QPen ring(kAmber, 10, Qt::SolidLine, Qt::RoundCap);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 66, 66);
    p.drawLine(QPointF(128, 36), QPointF(128, 74));
    p.drawLine(QPointF(128, 182), QPointF(128, 220));
    p.drawLine(QPointF(36, 128), QPointF(58, 128));
    p.drawLine(QPointF(198, 128), QPointF(220, 128));

    p.restore();
}

void drawAppIcon(QImage &img)
{
    QPainter p(&img);
    prepare(p);
    paintMark(p, QRectF(0, 0, img.width(), img.height()));
}

void drawLogo(QImage &img)
{
    QPainter p(&img);
    prepare(p);
    const qreal h = img.height();
    const qreal markSide = h - 2.0;
    paintMark(p, QRectF(0, 1, markSide, markSide));

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.3);

    const QString name = QStringLiteral("Kestrova");
    const qreal textLeft = markSide + 6.0;
    const qreal room = img.width() - textLeft - 2.0;
    // Largest pixel size that still fits the room left by the mark.
    int px = 26;
    for (; px > 10; --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).horizontalAdvance(name) <= room)
            break;
    }
    font.setPixelSize(px);
    const QFontInfo used(font);
    if (used.family() != font.family()) {
        // Another family gives other letter widths: the logo would still be
        // drawn, but not as committed.
        qWarning("kestrova-iconmaker: font \"%s\" not found, logo drawn with \"%s\"",
                 qPrintable(font.family()), qPrintable(used.family()));
    }
    const QFontMetricsF fm(font);
    // Centre the cap height on the mark.
    const qreal baseline = (h + fm.capHeight()) / 2.0;
    p.setFont(font);
    p.setPen(kLogoText);
    p.drawText(QPointF(textLeft, baseline), name);
}

// ---------------------------------------------------------------------------
// Printer pictogram for the report dialog (light window background).
void drawPrinter(QImage &img)
{
    QPainter p(&img);
    prepare(p);
    const QColor outline(0x3a, 0x42, 0x4b);

    // Sheet waiting in the feeder.
    p.setPen(QPen(outline, 1.0));
    p.setBrush(QColor(0xfd, 0xfd, 0xfd));
    p.drawRect(QRectF(9.5, 1.5, 15, 11));

    // Body.
    const QRectF body(1.5, 10.5, 31, 15);
    QLinearGradient bodyFill(body.topLeft(), body.bottomLeft());
    bodyFill.setColorAt(0.0, QColor(0x78, 0x83, 0x8e));
    bodyFill.setColorAt(1.0, QColor(0x45, 0x4e, 0x57));
    p.setPen(QPen(outline, 1.0));
    p.setBrush(bodyFill);
    p.drawRoundedRect(body, 3.5, 3.5);

    // Output slot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x24, 0x29));
    p.drawRoundedRect(QRectF(6, 19, 22, 3), 1.5, 1.5);

    // Power light.
    p.setBrush(QColor(0x4c, 0xd9, 0x64));
    p.drawEllipse(QPointF(27.5, 14.5), 1.6, 1.6);

    // Printed page coming out, with lines of text.
    p.setPen(QPen(outline, 1.0));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRect(QRectF(8.5, 20.5, 17, 13));
    p.setPen(QPen(QColor(0x8c, 0x95, 0x9e), 1.0));
    p.drawLine(QPointF(11, 24.5), QPointF(23, 24.5));
    p.drawLine(QPointF(11, 27.5), QPointF(23, 27.5));
    p.drawLine(QPointF(11, 30.5), QPointF(19, 30.5));
}

// ---------------------------------------------------------------------------
// Answer buttons: which property differed between the two figures.

struct Figure {
    qreal side = 40.0;
    qreal cornerRadius = 0.0;
    qreal angleDeg = 0.0;
    QColor colour = kFigure;
};

void paintFigure(QPainter &p, const QPointF &centre, const Figure &f)
{
    p.save();
    p.translate(centre);
    const QRectF r(-f.side / 2.0, -f.side / 2.0, f.side, f.side);
    if (f.angleDeg != 0.0) {
        // A turned figure keeps a faint dashed trace of its upright position,
        // so the picture reads as "the same figure, rotated" rather than as a
        // different shape.
        QPen trace(QColor(255, 255, 255, 110), 1.5, Qt::CustomDashLine);
        trace.setDashPattern({3.0, 2.5});
        p.setPen(trace);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
    p.rotate(f.angleDeg);
    p.setPen(Qt::NoPen);
    p.setBrush(f.colour);
    if (f.cornerRadius > 0.0)
        p.drawRoundedRect(r, f.cornerRadius, f.cornerRadius);
    else
        p.drawRect(r);
    p.restore();
}

void paintAnswer(QImage &img, const Figure &left, const Figure &right)
{
    QPainter p(&img);
    prepare(p);
    const QRectF all(0, 0, img.width(), img.height());
    paintPlate(p, all, 12.0);

    // Thin divider between the two figures.
    const qreal midX = all.center().x();
    QLinearGradient div(QPointF(midX, 14), QPointF(midX, all.height() - 14));
    div.setColorAt(0.0, QColor(255, 255, 255, 0));
    div.setColorAt(0.5, QColor(255, 255, 255, 55));
    div.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(div), 1.0));
    p.drawLine(QPointF(midX, 14), QPointF(midX, all.height() - 14));

    const qreal cy = all.center().y();
    paintFigure(p, QPointF(midX - 44.0, cy), left);
    paintFigure(p, QPointF(midX + 44.0, cy), right);
}

void drawUniform(QImage &img)
{
    paintAnswer(img, Figure{}, Figure{});
}

void drawShape(QImage &img)
{
    Figure rounded;
    rounded.cornerRadius = 12.0;
    paintAnswer(img, Figure{}, rounded);
}

void drawContrast(QImage &img)
{
    Figure grey;
    grey.colour = kFigureGrey;
    paintAnswer(img, Figure{}, grey);
}

void drawOrientation(QImage &img)
{
    Figure turned;
    turned.angleDeg = 45.0;
    paintAnswer(img, Figure{}, turned);
}

void drawSize(QImage &img)
{
    Figure small;
    small.side = 22.0;
    paintAnswer(img, Figure{}, small);
}

// ---------------------------------------------------------------------------
// Position buttons: a solid triangle pointing left or right.
void paintTriangleButton(QImage &img, bool pointsLeft)
{
    QPainter p(&img);
    prepare(p);
    const QRectF all(0, 0, img.width(), img.height());
    paintPlate(p, all, 12.0);

    // Equilateral-looking triangle pointing right, centred on its centroid.
    const qreal tip = 22.0, back = -14.0, half = 21.0;
    const qreal centroidX = (tip + back + back) / 3.0;
    QPolygonF tri;
    tri << QPointF(tip - centroidX, 0) << QPointF(back - centroidX, -half)
        << QPointF(back - centroidX, half);

    p.translate(all.center());
    if (pointsLeft)
        p.scale(-1.0, 1.0);
    // Round joins soften the corners a little without changing the size much.
    p.setPen(QPen(kFigure, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kFigure);
    p.drawPolygon(tri);
}

void drawTriangleLeft(QImage &img) { paintTriangleButton(img, true); }
void drawTriangleRight(QImage &img) { paintTriangleButton(img, false); }

// ---------------------------------------------------------------------------
// Direction buttons: a block arrow, drawn pointing right and turned.
void paintArrowButton(QImage &img, qreal angleDeg)
{
    QPainter p(&img);
    prepare(p);
    const QRectF all(0, 0, img.width(), img.height());
    paintPlate(p, all, 11.0);

    QPolygonF arrow;
    arrow << QPointF(-20, -5.5) << QPointF(1, -5.5) << QPointF(1, -16)
          << QPointF(21, 0) << QPointF(1, 16) << QPointF(1, 5.5)
          << QPointF(-20, 5.5);

    p.translate(all.center());
    p.rotate(angleDeg);
    p.setPen(QPen(kFigure, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kFigure);
    p.drawPolygon(arrow);
}

void drawLeftArrow(QImage &img) { paintArrowButton(img, 180.0); }
void drawRightArrow(QImage &img) { paintArrowButton(img, 0.0); }
void drawUpArrow(QImage &img) { paintArrowButton(img, -90.0); }
void drawDownArrow(QImage &img) { paintArrowButton(img, 90.0); }

// ---------------------------------------------------------------------------
// Alerting cue: a white eight-stroke asterisk centred on a transparent field.
void drawAsterisk(QImage &img)
{
    QPainter p(&img);
    prepare(p);
    p.translate(img.width() / 2.0, img.height() / 2.0);
    p.setPen(QPen(kFigure, 5.0, Qt::SolidLine, Qt::RoundCap));
    const qreal reach = 19.0;
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(-reach, 0), QPointF(reach, 0));
        p.rotate(45.0);
    }
}

// ---------------------------------------------------------------------------
// Frames behind the white captions of the task windows: a 2-px light-grey
// rounded outline over an almost black interior.
void drawFrame(QImage &img)
{
    QPainter p(&img);
    prepare(p);
    const QRectF r = insetForPen(QRectF(0, 0, img.width(), img.height()), 2.0);
    p.setPen(QPen(kFrameRim, 2.0));
    p.setBrush(QColor(0x12, 0x12, 0x12, 200));
    p.drawRoundedRect(r, 7.0, 7.0);
}

// ---------------------------------------------------------------------------
// Noise mask: square blocks of uniformly random grey. The grey of each block
// is the top byte of a Mersenne Twister draw, which is uniform on 0..255 and
// identical on every platform for a given seed (unlike the distributions of
// <random>, whose algorithms the standard leaves open).
void drawNoise(QImage &img)
{
    constexpr int kBlock = 8;
    constexpr std::uint32_t kSeed = 20240517u;
    std::mt19937 rng(kSeed);
    for (int by = 0; by < img.height(); by += kBlock) {
        for (int bx = 0; bx < img.width(); bx += kBlock) {
            const auto grey = static_cast<uchar>(rng() >> 24);
            for (int y = by; y < by + kBlock && y < img.height(); ++y) {
                uchar *line = img.scanLine(y);
                for (int x = bx; x < bx + kBlock && x < img.width(); ++x)
                    line[x] = grey;
            }
        }
    }
}

} // namespace

std::vector<ImageSpec> allImages()
{
    const auto argb = QImage::Format_ARGB32_Premultiplied;
    return {
        {QStringLiteral("Kestrova_icone.png"), {256, 256}, argb, drawAppIcon},
        {QStringLiteral("Kestrova_logo.png"), {150, 36}, argb, drawLogo},
        {QStringLiteral("printer.png"), {34, 35}, argb, drawPrinter},
        {QStringLiteral("uniform.png"), {200, 80}, argb, drawUniform},
        {QStringLiteral("shape.png"), {200, 80}, argb, drawShape},
        {QStringLiteral("contrast.png"), {200, 80}, argb, drawContrast},
        {QStringLiteral("orientation.png"), {200, 80}, argb, drawOrientation},
        {QStringLiteral("size.png"), {200, 80}, argb, drawSize},
        {QStringLiteral("triangleLeft.png"), {80, 80}, argb, drawTriangleLeft},
        {QStringLiteral("triangleRight.png"), {80, 80}, argb, drawTriangleRight},
        {QStringLiteral("Noise for screen.png"), {1024, 768},
         QImage::Format_Grayscale8, drawNoise},
        {QStringLiteral("asterisk.png"), {50, 50}, argb, drawAsterisk},
        {QStringLiteral("leftArrow.png"), {70, 70}, argb, drawLeftArrow},
        {QStringLiteral("rightArrow.png"), {70, 70}, argb, drawRightArrow},
        {QStringLiteral("upArrow.png"), {70, 70}, argb, drawUpArrow},
        {QStringLiteral("downArrow.png"), {70, 70}, argb, drawDownArrow},
        {QStringLiteral("cadre_68_38.png"), {70, 40}, argb, drawFrame},
        {QStringLiteral("cadre_88_38.png"), {90, 40}, argb, drawFrame},
        {QStringLiteral("cadre_68_68.png"), {70, 70}, argb, drawFrame},
        {QStringLiteral("cadre_138_48.png"), {140, 50}, argb, drawFrame},
    };
}

} // namespace iconmaker
