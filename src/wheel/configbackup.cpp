#include "wheel/configbackup.h"

#include "wheel/configfile.h"
#include "wheel/configtransfererror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ConfigBackup {

QString freePath(const QString &settingsFile, const QDateTime &now)
{
    const QDir folder = QFileInfo(settingsFile).absoluteDir();
    const QString stem = QStringLiteral("defaults-backup-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? stem : stem + QLatin1Char('-') + QString::number(n);
        const QString path = folder.filePath(name + QStringLiteral(".json"));
        if (!QFileInfo::exists(path))
            return path;
    }
}

QString keep(const QString &settingsFile, const QByteArray &document)
{
    if (settingsFile.isEmpty())
        throw ConfigTransferError(QCoreApplication::translate(
            "ConfigImport", "Ringle keeps no settings file to put a backup next to, so nothing was imported."));
    const QString path = freePath(settingsFile, QDateTime::currentDateTime());
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (const std::optional<QString> failure = ConfigFile::write(path, document))
        throw ConfigTransferError(
            QCoreApplication::translate("ConfigImport", "Could not write the backup %1, so nothing was imported: %2.")
                .arg(path, *failure));
    return path;
}

} // namespace ConfigBackup
