#pragma once

#include <QString>
#include <QStringList>

// What the words after "ringle" ask for, decided before anything needs a display, and the texts of
// `ringle --help` and `ringle --version` (the manual page is made from them, so they cannot drift).
namespace CommandLine {

enum class Mode { run, settings, demoWheel, checkConfig, config, doctor, wheel, help, version, badUsage };

struct Request {
    Mode mode = Mode::run;
    QStringList configArguments; // the words after "config"
    QString error;               // for badUsage
    QString backend = {};        // from --backend=…: "x11", "wayland" or empty
    QString wheelGesture = {};   // for wheel: press, release or toggle
};

Request parse(const QStringList &words);
QString usage();
QString versionText();
bool needsDisplay(Mode mode);


} // namespace CommandLine
