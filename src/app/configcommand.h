#pragma once

#include <QStringList>
#include <QTextStream>

class UserDefaults;

// `ringle config list|get KEY|set KEY VALUE|unset KEY|start-at-login [on|off]`: reads and writes the stored settings with the
// types Ringle reads them as, so a setting can be changed without the settings window (for example
// `ringle config set modelProvider ollama`). A running Ringle picks the change up at its next read.
// `export` and `import` move the wheel's configuration as one file (ConfigTransferCommand).
namespace ConfigCommand {

enum ExitCode {
    success = 0,
    notSet = 1,     // `get` of a key with nothing stored
    writeFailed = 1,
    badUsage = 2,   // unknown verb or key, missing or wrong value; import without --merge or --replace
    refused = 2,    // import: the file, or what the chosen mode would make of it, is refused
};

// Prints the usage lines; answers badUsage.
int printUsage(QTextStream &err);

// `arguments` are the words after "config".
int run(const QStringList &arguments, UserDefaults &defaults, QTextStream &out, QTextStream &err);

} // namespace ConfigCommand
