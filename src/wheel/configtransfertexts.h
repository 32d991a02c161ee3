#pragma once

#include "wheel/configimport.h"

#include <QStringList>

// The texts that tell what an export or import holds and does, the same on the command line and in
// the settings window.
namespace ConfigTransferTexts {
// "3 sets, 2 key combinations and 1 prompt"
QString counts(const ConfigContents &contents);
// "Import 3 sets, 2 key combinations and 1 prompt?"
QString question(const ConfigContents &file);
// One line per kind the file holds: "Sets: Default, Mail." and so on.
QStringList names(const ConfigContents &file);
// What each mode would do, named as the caller offers it ("--merge", or a button's "Merge").
QStringList effects(const ConfigImport::Prepared &prepared, const QString &mergeName, const QString &replaceName);
// After the import: what was imported, and where the backup is.
QString done(const ConfigImport::Prepared &prepared, ConfigImport::Mode mode, const QString &backup);
// "Exported 3 sets, 2 key combinations and 1 prompt to FILE."
QString exported(const ConfigContents &contents, const QString &path);
QString exportFailed(const QString &path, const QString &reason);
} // namespace ConfigTransferTexts
