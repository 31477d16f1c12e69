// Drawings of the images compiled into Kestrova.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace iconmaker {

// One image of the resource folder: its file name, the exact pixel size the
// windows expect, and the routine that paints it into a blank image.
struct ImageSpec {
    QString fileName;
    QSize size;
    QImage::Format format;
    std::function<void(QImage &)> draw;
};

// Every image, in the order they are written.
std::vector<ImageSpec> allImages();

} // namespace iconmaker
