#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The copy of the user's configuration that an import keeps before it changes anything, in the
// export's form so that it can be imported back.
namespace ConfigBackup {
// "defaults-backup-YYYYMMDD-HHMMSS.json" in the folder of the settings file; "-2", "-3", … added
// when that name is taken.
QString freePath(const QString &settingsFile, const QDateTime &now);
// Writes the document there and answers its path. Throws ConfigTransferError.
QString keep(const QString &settingsFile, const QByteArray &document);
} // namespace ConfigBackup
