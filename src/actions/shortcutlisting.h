#pragma once

#include "actions/shortcutinfo.h"

#include <QList>
#include <QString>
#include <QStringList>

// Reading what the Shortcuts tool prints. Pure functions: the tool's output is untrusted text.

// One shortcut per non-blank line, in order. "Name (ID)" gives that name and identifier when ID is
// 36 characters with 4 hyphens (only the last " (" separates them); any other line is both the
// name and the identifier.
QList<ShortcutInfo> parseShortcutListing(const QString &listing);

// The folders for the editor: each listed folder with its shortcuts (empty ones left out), then
// the shortcuts of `all` in no folder, as "All Shortcuts" when there is no other folder, else "Other".
QList<ShortcutFolder> groupShortcutFolders(const QList<ShortcutInfo> &all, const QList<ShortcutFolder> &listed);

// The non-empty lines of a folder-names listing, as they are.
QStringList parseFolderNames(const QString &listing);
