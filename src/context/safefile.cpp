#include "context/safefile.h"

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QSaveFile>

namespace SafeFile {

namespace {
bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}
} // namespace

bool writeAll(QFileDevice &file, const QByteArray &data, QString *error)
{
    qint64 done = 0;
    while (done < data.size()) {
        errno = 0;
        const qint64 written = file.write(data.constData() + done, data.size() - done);
        if (written <= 0) {
            const int code = errno;
            QString text = file.errorString();
            // A short write leaves the device without an error of its own.
            if (file.error() == QFileDevice::NoError || text.isEmpty() || text == QLatin1String("Unknown error"))
                text = code ? QString::fromLocal8Bit(std::strerror(code)) : QStringLiteral("Short write");
            return fail(error, text);
        }
        done += written;
    }
    return true;
}

bool replace(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk) shows at write() and not only at commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, file.errorString());
    QString text;
    if (!writeAll(file, data, &text)) {
        file.cancelWriting();
        return fail(error, text);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

bool append(const QString &path, const QByteArray &data, QString *error)
{
    QFile file(path);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return fail(error, file.errorString());
    const qint64 previousSize = file.size();
    QString text;
    if (!writeAll(file, data, &text) || !file.flush()) {
        if (text.isEmpty())
            text = file.errorString();
        // Take a partial write back: half a line would merge with the next one, and a new
        // file cut inside its header would never get a complete one.
        if (existed)
            file.resize(previousSize);
        else
            file.remove();
        return fail(error, text);
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail(error, file.errorString());
    return true;
}

} // namespace SafeFile
