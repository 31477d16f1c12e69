#include "context/safefile.h"

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

bool replace(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk) shows at write() and not only at commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, file.errorString());
    if (file.write(data) != data.size()) {
        const QString text = file.errorString();
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
    if (file.write(data) != data.size() || !file.flush()) {
        const QString text = file.errorString();
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
