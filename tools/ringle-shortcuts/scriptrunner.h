#pragma once

#include <optional>
#include <string>

struct Script;

// Runs a script with the input file on its standard input (ours without one) and its standard
// output written to the output file (to ours without one); its standard error is ours. Returns the exit status to pass
// on: the script's own, 128 + N when it died of signal N (said on standard error unless we were
// asked to end it), 1 when a file cannot be opened, 126 when the script cannot be started.
// SIGTERM, SIGINT and SIGHUP are passed to the script and everything it started; whatever is
// still running a second later is killed. The script also dies with us if we are killed.
int runScript(const Script &script, const std::optional<std::string> &inputPath,
              const std::optional<std::string> &outputPath);
