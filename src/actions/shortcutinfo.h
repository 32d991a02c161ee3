#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

// One shortcut as the Shortcuts tool lists it; `id` is what the tool prints and accepts.
struct ShortcutInfo {
    QString name;
    QString id;

    friend bool operator==(const ShortcutInfo &, const ShortcutInfo &) = default;
};

inline size_t qHash(const ShortcutInfo &info, size_t seed = 0) noexcept
{
    return qHashMulti(seed, info.name, info.id);
}

// One group of shortcuts for the wheel editor.
struct ShortcutFolder {
    QString name;
    QList<ShortcutInfo> shortcuts;

    friend bool operator==(const ShortcutFolder &, const ShortcutFolder &) = default;
};

inline size_t qHash(const ShortcutFolder &folder, size_t seed = 0) noexcept
{
    return qHashMulti(seed, folder.name, qHashRange(folder.shortcuts.begin(), folder.shortcuts.end()));
}
