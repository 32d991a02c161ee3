#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The [Desktop Entry] group of an XDG desktop file, as far as launching and showing an
// application needs it.
struct DesktopEntry {
    QString id;   // the desktop-file id without ".desktop" (e.g. "org.gnome.TextEditor")
    QString path; // the file it was read from
    QString type;
    QString name; // in the best matching locale
    QString icon;
    QString exec;
    QString tryExec;
    QString workingDirectory; // the "Path" key
    QString startupWmClass;
    bool noDisplay = false;
    bool hidden = false;
    bool terminal = false;

    friend bool operator==(const DesktopEntry &, const DesktopEntry &) = default;
};

namespace DesktopEntryParser {
// Files larger than this are not desktop entries; reading them is refused.
inline constexpr qsizetype maxFileSize = 256 * 1024;

// Parses the contents of a desktop file; none when it has no [Desktop Entry] group or is not
// text. `locales` are tried in order for localised keys (see localeCandidates).
std::optional<DesktopEntry> parse(const QByteArray &contents, const QStringList &locales);

// The locale suffixes to try for a locale name such as "de_DE.UTF-8@euro", best first:
// de_DE@euro, de_DE, de@euro, de.
QStringList localeCandidates(const QString &localeName);

// The value with the escapes \s \n \t \r \\ resolved.
QString unescapeValue(const QString &value);

// The command line of the Exec key: quoting resolved, field codes for files and addresses
// dropped, %i %c %k %% expanded. None when the key is malformed or names no program.
std::optional<QStringList> execArguments(const DesktopEntry &entry);

// The desktop-file id of a file below an applications directory: its relative path with
// "/" replaced by "-", without ".desktop".
QString idForRelativePath(const QString &relativePath);
} // namespace DesktopEntryParser
