// ringle-shortcuts: the user's scripts as shortcuts for Ringle's wheel.
//
//   ringle-shortcuts list [--show-identifiers]
//   ringle-shortcuts list --folders
//   ringle-shortcuts list --folder-name NAME [--show-identifiers]
//   ringle-shortcuts run ID-OR-NAME [--input-path FILE] [--output-path FILE] [--output-type TYPE]
//
// Scripts are the executable files in $XDG_CONFIG_HOME/Ringle/Shortcuts and its sub-folders.
#include "scriptcatalogue.h"
#include "scriptrunner.h"

#include <QString>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {
constexpr int usageError = 2;

int usage()
{
    std::fputs("usage: ringle-shortcuts list [--show-identifiers]\n"
               "       ringle-shortcuts list --folders\n"
               "       ringle-shortcuts list --folder-name NAME [--show-identifiers]\n"
               "       ringle-shortcuts run ID-OR-NAME [--input-path FILE] [--output-path FILE] [--output-type TYPE]\n"
               "Scripts: the executable files in $XDG_CONFIG_HOME/Ringle/Shortcuts and its sub-folders.\n"
               "A script reads the selected text on standard input and writes its result on standard output;\n"
               "a non-zero exit status with a message on standard error shows as the failure.\n",
               stderr);
    return usageError;
}

void printLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

int list(int argc, char **argv)
{
    bool identifiers = false;
    bool folders = false;
    std::optional<QString> folder;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--show-identifiers") == 0)
            identifiers = true;
        else if (std::strcmp(argv[i], "--folders") == 0)
            folders = true;
        else if (std::strcmp(argv[i], "--folder-name") == 0 && i + 1 < argc)
            folder = QString::fromUtf8(argv[++i]);
        else
            return usage();
    }
    if (folders && folder)
        return usage();

    const ScriptCatalogue catalogue(ScriptCatalogue::defaultRoot());
    if (folders) {
        for (const QString &name : catalogue.folders())
            printLine(name);
        return 0;
    }
    if (folder && !catalogue.hasFolder(*folder)) {
        std::fprintf(stderr, "There is no folder named %s.\n", qPrintable(*folder));
        return 1;
    }
    for (const Script &script : catalogue.scripts()) {
        if (folder && script.folder != *folder)
            continue;
        printLine(identifiers ? script.name + QStringLiteral(" (") + script.id + QLatin1Char(')') : script.name);
    }
    return 0;
}

int run(int argc, char **argv)
{
    if (argc < 3 || argv[2][0] == '-')
        return usage();
    std::optional<std::string> inputPath;
    std::optional<std::string> outputPath;
    for (int i = 3; i < argc; ++i) {
        if (i + 1 >= argc)
            return usage();
        // Every output is text, so the type asked for changes nothing.
        if (std::strcmp(argv[i], "--input-path") == 0)
            inputPath = argv[++i];
        else if (std::strcmp(argv[i], "--output-path") == 0)
            outputPath = argv[++i];
        else if (std::strcmp(argv[i], "--output-type") == 0)
            ++i;
        else
            return usage();
    }
    const ScriptCatalogue catalogue(ScriptCatalogue::defaultRoot());
    const Script *script = catalogue.find(QString::fromUtf8(argv[2]));
    if (!script) {
        std::fprintf(stderr, "There is no shortcut %s in %s.\n", argv[2], ScriptCatalogue::defaultRoot().c_str());
        return 1;
    }
    std::fflush(stdout);
    return runScript(*script, inputPath, outputPath);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "list") == 0)
        return list(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "run") == 0)
        return run(argc, argv);
    return usage();
}
