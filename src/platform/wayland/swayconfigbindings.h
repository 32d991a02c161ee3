#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The key and button bindings a sway configuration makes; read so that Ringle can refuse a
// shortcut sway would otherwise take over without a word.
namespace SwayConfigBindings {

struct Binding {
    // In the order Shift, Lock, Ctrl, Mod1…Mod5 (Control, Alt and Super mapped to theirs); unknown
    // names as written, after them.
    QStringList modifiers;
    QString key; // as written ("h", "Return", "button3", "XF86AudioMute"); the number for bindcode
    bool byCode = false;
    bool release = false;
    bool wholeWindow = false;
    bool mouse = false;
    QString command;
    QString mode = u"default"_qs;

    friend bool operator==(const Binding &, const Binding &) = default;
};

// The text of the files an include line names (after variables are expanded), or none.
using IncludeReader = std::function<std::optional<QString>(const QString &includePattern)>;

// Every binding of `configText`; lines that are not bindings, or that sway would reject, are skipped.
QList<Binding> parse(const QString &configText, const IncludeReader &readInclude = {});

// Reads what an include line names as sway would find it: `~` and environment variables expanded,
// relative to `configDir`, with wildcards in the file name; the files one after another.
std::optional<QString> readIncludeFromDisk(const QString &pattern, const QString &configDir);

// The configuration file sway reads when started without -c; empty when there is none.
QString mainConfigPath();

} // namespace SwayConfigBindings
