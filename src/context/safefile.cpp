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
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return fail(error, file.errorString());
    if (file.write(data) != data.size() || !file.flush())
        return fail(error, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail(error, file.errorString());
    return true;
}

} // namespace SafeFile
