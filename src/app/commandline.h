#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the words after "ringle" ask for, decided before anything needs a display, and the texts of
// `ringle --help` and `ringle --version` (the manual page is made from them, so they cannot drift).
namespace CommandLine {

enum class Mode { run, settings, demoWheel, checkConfig, config, help, version, badUsage };

struct Request {
    Mode mode = Mode::run;
    QStringList configArguments; // the words after "config"
    QString error;               // for badUsage
};

Request parse(const QStringList &words);
QString usage();
QString versionText();
bool needsDisplay(Mode mode);

// The one sentence said when no X display can be used, or empty when `display` (the value of
// DISPLAY) can be reached; `waylandDisplay` is WAYLAND_DISPLAY.
QString displayProblem(const QByteArray &display, const QByteArray &waylandDisplay, bool reachable);

} // namespace CommandLine
