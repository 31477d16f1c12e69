#include "context/screenparams.h"

#include <algorithm>

#include <QBuffer>
#include <QDataStream>
#include <QFile>

#include "context/safefile.h"

namespace {
void pinFormat(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_4_8);
    stream.setByteOrder(QDataStream::BigEndian);
}
} // namespace

bool ScreenParams::read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QDataStream in(&file);
    pinFormat(in);
    qint32 horz = 0, vert = 0, freq = 0;
    QString first, second;
    in >> horz >> vert >> freq >> first >> second;
    if (in.status() != QDataStream::Ok) {
        if (error)
            *error = QStringLiteral("The file is shorter than its five fields or corrupted");
        return false;
    }
    // A ruler cannot measure a negative length: such a value is no calibration.
    horzPitch = std::max<qint32>(0, horz);
    vertPitch = std::max<qint32>(0, vert);
    frequency = freq;
    reserved1 = first;
    reserved2 = second;
    return true;
}

bool ScreenParams::write(const QString &path, QString *error) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    pinFormat(out);
    out << qint32(horzPitch) << qint32(vertPitch) << qint32(frequency) << reserved1 << reserved2;
    return SafeFile::replace(path, bytes, error);
}

bool ScreenParams::operator==(const ScreenParams &other) const
{
    return horzPitch == other.horzPitch && vertPitch == other.vertPitch
        && frequency == other.frequency && reserved1 == other.reserved1
        && reserved2 == other.reserved2 && reserved1.isNull() == other.reserved1.isNull()
        && reserved2.isNull() == other.reserved2.isNull();
}
