// What the scripts tool prints, as any tool on PATH under its name might print it: the first byte
// splits the input into a shortcut listing and a folder listing. Every shortcut has a name and an
// identifier, a separate identifier has the listed shape, and grouping neither loses a shortcut nor
// keeps an empty folder.
#include "fuzzsupport.h"

#include "actions/shortcutlisting.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes = fuzzBytes(data + 1, size - 1);
    const qsizetype split = qsizetype(data[0]) * bytes.size() / 255;
    const QList<ShortcutInfo> all = parseShortcutListing(QString::fromUtf8(bytes.left(split)));
    for (const ShortcutInfo &info : all) {
        FUZZ_CHECK(!info.name.isEmpty() && !info.id.isEmpty());
        FUZZ_CHECK(info.id == info.name || info.id.count(u'-') == 4);
    }

    // Each listed folder holds the shortcuts at its position in the listing, as the tool is asked
    // folder by folder.
    QList<ShortcutFolder> listed;
    const QStringList names = parseFolderNames(QString::fromUtf8(bytes.mid(split)));
    for (qsizetype i = 0; i < names.size(); ++i) {
        FUZZ_CHECK(!names.at(i).isEmpty());
        listed.append({names.at(i), i < all.size() ? QList<ShortcutInfo>{all.at(i)} : QList<ShortcutInfo>{}});
    }
    const QList<ShortcutFolder> folders = groupShortcutFolders(all, listed);
    QSet<QString> grouped;
    for (const ShortcutFolder &folder : folders) {
        FUZZ_CHECK(!folder.shortcuts.isEmpty());
        for (const ShortcutInfo &info : folder.shortcuts)
            grouped.insert(info.id);
    }
    for (const ShortcutInfo &info : all)
        FUZZ_CHECK(grouped.contains(info.id));
    return 0;
}
