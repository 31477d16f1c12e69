// kestrova-iconmaker: draws the images compiled into Kestrova and writes them
// as PNG files into a folder (normally resources/icons/).
//
//   kestrova-iconmaker <output-folder>
//
// After writing, every file is read back and checked: it must decode, have
// exactly the size the windows lay it out at, and not be a blank canvas.
// Any failure is reported and the tool exits with a non-zero status.

#include "drawings.h"

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstddef>
#include <cstdio>
#include <vector>

namespace {

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

// True when every pixel of the image has the same value: a drawing routine
// that silently painted nothing.
bool isBlank(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = argb.pixel(0, 0);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (line[x] != first)
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // A developer tool: it never opens a window, so it needs no display.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 || args.at(1).startsWith(QLatin1Char('-'))) {
        err() << "usage: kestrova-iconmaker <output-folder>\n"
              << "Draws the Kestrova images and writes them as PNG files.\n";
        err().flush();
        return 2;
    }

    const QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        err() << "kestrova-iconmaker: cannot create folder " << folder.path() << '\n';
        err().flush();
        return 1;
    }

    const auto images = iconmaker::allImages();
    int failures = 0;
    std::vector<bool> written(images.size(), false);

    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto &entry = images[i];
        QImage image(entry.size, entry.format);
        image.fill(Qt::transparent);
        entry.draw(image);
        const QString path = folder.filePath(entry.fileName);
        if (!image.save(path, "PNG")) {
            err() << "kestrova-iconmaker: cannot write " << path << '\n';
            ++failures;
        } else {
            written[i] = true;
        }
    }

    // Read every file back from disk rather than trusting the in-memory image.
    // A file that could not be written is not read: an older copy left in the
    // folder must not pass for the new one.
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (!written[i])
            continue;
        const auto &entry = images[i];
        const QString path = folder.filePath(entry.fileName);
        QImageReader reader(path, "PNG");
        const QImage back = reader.read();
        if (back.isNull()) {
            err() << "kestrova-iconmaker: cannot read back " << path << ": "
                  << reader.errorString() << '\n';
            ++failures;
            continue;
        }
        if (back.size() != entry.size) {
            err() << "kestrova-iconmaker: " << entry.fileName << " is "
                  << back.width() << "x" << back.height() << ", expected "
                  << entry.size.width() << "x" << entry.size.height() << '\n';
            ++failures;
            continue;
        }
        if (isBlank(back)) {
            err() << "kestrova-iconmaker: " << entry.fileName << " is blank\n";
            ++failures;
            continue;
        }
        out() << entry.fileName << "  " << entry.size.width() << "x"
              << entry.size.height() << "  ok\n";
    }

    out().flush();
    if (failures > 0) {
        err() << "kestrova-iconmaker: " << failures << " image(s) failed\n";
        err().flush();
        return 1;
    }
    return 0;
}
