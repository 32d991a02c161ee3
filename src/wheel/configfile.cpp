#include "wheel/configfile.h"

#include "wheel/configdocument.h"
#include "wheel/configtransfererror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace ConfigFile {
namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("ConfigFile", text);
}

const QString standardStream = QStringLiteral("-");

[[noreturn]] void refuseSize(const QString &path)
{
    const qint64 mebibytes = ConfigDocument::maximumSize / (1024 * 1024);
    throw ConfigTransferError(
        path == standardStream
            ? tr("The standard input holds more than %1 MiB, so it is not a Ringle configuration file.").arg(mebibytes)
            : tr("%1 is larger than %2 MiB, so it is not a Ringle configuration file.").arg(path).arg(mebibytes));
}

[[noreturn]] void refuseReading(const QString &path, const QString &reason)
{
    throw ConfigTransferError(path == standardStream ? tr("Could not read the standard input: %1.").arg(reason)
                                                     : tr("Could not read %1: %2.").arg(path, reason));
}
} // namespace

QByteArray read(const QString &path)
{
    QFile file;
    if (path == standardStream) {
        if (!file.open(stdin, QIODevice::ReadOnly))
            refuseReading(path, file.errorString());
    } else {
        const QFileInfo info(path);
        if (!info.exists())
            throw ConfigTransferError(tr("There is no file %1.").arg(path));
        if (info.isDir())
            throw ConfigTransferError(tr("%1 is a folder, not a file.").arg(path));
        if (info.size() > ConfigDocument::maximumSize)
            refuseSize(path);
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly))
            refuseReading(path, file.errorString());
    }
    // One byte more than allowed tells a stream or a growing file that is too large.
    const QByteArray bytes = file.read(ConfigDocument::maximumSize + 1);
    if (bytes.size() > ConfigDocument::maximumSize)
        refuseSize(path);
    if (file.error() != QFileDevice::NoError)
        refuseReading(path, file.errorString());
    return bytes;
}

std::optional<QString> write(const QString &path, const QByteArray &bytes)
{
    if (path == standardStream) {
        QFile out;
        if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush())
            return std::nullopt;
        return out.errorString();
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    return file.errorString();
}
} // namespace ConfigFile
