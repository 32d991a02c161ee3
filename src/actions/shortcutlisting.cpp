#include "actions/shortcutlisting.h"

#include "ai/graphemes.h"
#include "base/linebreaks.h"

#include <QCoreApplication>
#include <QSet>

namespace {
QList<QStringView> nonEmptyLines(const QString &text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isLineBreak(text.at(i)))
            continue;
        if (i > start)
            lines.append(QStringView(text).mid(start, i - start));
        start = i + 1;
    }
    return lines;
}

// Only spaces and tabs: other white space may belong to a name.
QStringView trimSpacesAndTabs(QStringView line)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!line.isEmpty() && blank(line.front()))
        line = line.mid(1);
    while (!line.isEmpty() && blank(line.back()))
        line.chop(1);
    return line;
}

bool looksLikeIdentifier(const QString &candidate)
{
    return candidate.count(u'-') == 4 && Graphemes::count(candidate) == 36;
}

ShortcutInfo parseLine(QStringView line)
{
    if (line.endsWith(u')')) {
        const qsizetype open = line.lastIndexOf(u" (");
        if (open >= 0) {
            const QString id = line.mid(open + 2, line.size() - open - 3).toString();
            if (looksLikeIdentifier(id))
                return {line.left(open).toString(), id};
        }
    }
    return {line.toString(), line.toString()};
}
} // namespace

QList<ShortcutInfo> parseShortcutListing(const QString &listing)
{
    QList<ShortcutInfo> shortcuts;
    for (QStringView line : nonEmptyLines(listing)) {
        line = trimSpacesAndTabs(line);
        if (!line.isEmpty())
            shortcuts.append(parseLine(line));
    }
    return shortcuts;
}

QStringList parseFolderNames(const QString &listing)
{
    QStringList names;
    for (QStringView line : nonEmptyLines(listing))
        names.append(line.toString());
    return names;
}

QList<ShortcutFolder> groupShortcutFolders(const QList<ShortcutInfo> &all, const QList<ShortcutFolder> &listed)
{
    QList<ShortcutFolder> folders;
    QSet<QString> inFolders;
    for (const ShortcutFolder &folder : listed) {
        if (folder.shortcuts.isEmpty())
            continue;
        folders.append(folder);
        for (const ShortcutInfo &shortcut : folder.shortcuts)
            inFolders.insert(shortcut.id);
    }
    ShortcutFolder rest;
    for (const ShortcutInfo &shortcut : all) {
        if (!inFolders.contains(shortcut.id))
            rest.shortcuts.append(shortcut);
    }
    if (!rest.shortcuts.isEmpty()) {
        rest.name = folders.isEmpty() ? QCoreApplication::translate("ShortcutsCLI", "All Shortcuts")
                                      : QCoreApplication::translate("ShortcutsCLI", "Other");
        folders.append(rest);
    }
    return folders;
}
