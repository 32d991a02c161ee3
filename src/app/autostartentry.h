#pragma once

#include <QString>

// "Start Ringle at login": an entry in $XDG_CONFIG_HOME/autostart/ named after Ringle's desktop-file id.
// The entry's presence is the state, so removing the file by hand turns it off as well.
class AutostartEntry final {
public:
    static QString filePath();
    static bool isEnabled();
    // Writes the entry (starting the program now running) or removes it; on failure says why in `error`.
    static bool setEnabled(bool on, QString *error = nullptr);

    // The entry's text for a program at `programPath`.
    static QByteArray contents(const QString &programPath);
    // `path` as one argument of a desktop entry's Exec line, quoted and escaped where it needs it.
    static QString execArgument(const QString &path);
};
