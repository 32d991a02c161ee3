#pragma once

#include <QStringList>
#include <QTextStream>

class UserDefaults;

// `ringle config export FILE` and `ringle config import FILE [--merge|--replace]`: the wheel's sets,
// key combinations and prompts as one file. An import checks the whole file first, says what it
// would do, keeps a backup next to the settings file, and only then writes.
namespace ConfigTransferCommand {
// `arguments` start with the verb.
int exportConfig(const QStringList &arguments, UserDefaults &defaults, QTextStream &out, QTextStream &err);
int importConfig(const QStringList &arguments, UserDefaults &defaults, QTextStream &out, QTextStream &err);
} // namespace ConfigTransferCommand
