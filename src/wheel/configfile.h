#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reading and writing the file of an export; "-" is standard input or output.
namespace ConfigFile {
// At most ConfigDocument::maximumSize bytes; a larger file is refused before it is read.
// Throws ConfigTransferError.
QByteArray read(const QString &path);
// Replaces the file atomically (never half written). Answers why it failed, or none.
std::optional<QString> write(const QString &path, const QByteArray &bytes);
} // namespace ConfigFile
