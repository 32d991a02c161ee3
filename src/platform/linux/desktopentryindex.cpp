#include "platform/linux/desktopentryindex.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

namespace {
QStringList envDirs(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    QStringList dirs;
    for (const QString &d : (value.isEmpty() ? fallback : value).split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(d))
            dirs.append(QDir::cleanPath(d));
    }
    return dirs;
}

QString systemLocaleName()
{
    for (const char *var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString v = qEnvironmentVariable(var);
        if (!v.isEmpty())
            return v;
    }
    return QLocale::system().name();
}
} // namespace

DesktopEntryIndex::DesktopEntryIndex(QStringList applicationDirs)
    : m_dirs(applicationDirs.isEmpty() ? defaultApplicationDirs() : std::move(applicationDirs))
{
}

QStringList DesktopEntryIndex::defaultApplicationDirs()
{
    QStringList dirs;
    for (const QString &d : envDirs("XDG_DATA_HOME", QDir::homePath() + u"/.local/share"_qs))
        dirs.append(d + u"/applications"_qs);
    for (const QString &d : envDirs("XDG_DATA_DIRS", u"/usr/local/share:/usr/share"_qs))
        dirs.append(d + u"/applications"_qs);
    dirs.removeDuplicates();
    return dirs;
}

void DesktopEntryIndex::refreshIfChanged()
{
    QList<QDateTime> stamps;
    for (const QString &dir : std::as_const(m_dirs))
        stamps.append(QFileInfo(dir).lastModified());
    if (m_loaded && stamps == m_stamps)
        return;
    m_loaded = true;
    m_stamps = stamps;
    m_entries.clear();
    m_byId.clear();

    const QStringList locales = DesktopEntryParser::localeCandidates(systemLocaleName());
    QSet<QString> seen; // ids taken by an earlier directory, hidden ones included
    for (const QString &dir : std::as_const(m_dirs)) {
        QDirIterator it(dir, {u"*.desktop"_qs}, QDir::Files | QDir::Readable, QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString id = DesktopEntryParser::idForRelativePath(QDir(dir).relativeFilePath(path));
            if (seen.contains(id))
                continue;
            seen.insert(id);
            QFile file(path);
            if (file.size() > DesktopEntryParser::maxFileSize || !file.open(QIODevice::ReadOnly))
                continue;
            std::optional<DesktopEntry> entry = DesktopEntryParser::parse(file.read(DesktopEntryParser::maxFileSize + 1), locales);
            if (!entry || entry->hidden || entry->type != u"Application")
                continue;
            entry->id = id;
            entry->path = path;
            m_byId.insert(id, m_entries.size());
            m_entries.append(*entry);
        }
    }
}

std::optional<DesktopEntry> DesktopEntryIndex::find(const QString &appId)
{
    refreshIfChanged();
    const auto it = m_byId.constFind(appId);
    if (it == m_byId.cend())
        return std::nullopt;
    return m_entries.at(*it);
}

std::optional<DesktopEntry> DesktopEntryIndex::matchWindow(const QString &gtkApplicationId, const QString &wmInstance, const QString &wmClass)
{
    refreshIfChanged();
    return match(m_entries, gtkApplicationId, wmInstance, wmClass);
}

QList<DesktopEntry> DesktopEntryIndex::applications()
{
    refreshIfChanged();
    return m_entries;
}

std::optional<DesktopEntry> DesktopEntryIndex::match(const QList<DesktopEntry> &entries, const QString &gtkApplicationId,
                                                     const QString &wmInstance, const QString &wmClass)
{
    auto first = [&](auto predicate) -> std::optional<DesktopEntry> {
        for (const DesktopEntry &e : entries) {
            if (predicate(e))
                return e;
        }
        return std::nullopt;
    };
    if (!gtkApplicationId.isEmpty()) {
        if (auto e = first([&](const DesktopEntry &e) { return e.id == gtkApplicationId; }))
            return e;
    }
    QStringList names;
    for (const QString &n : {wmClass, wmInstance}) {
        if (!n.isEmpty())
            names.append(n);
    }
    if (names.isEmpty())
        return std::nullopt;
    for (const QString &n : names) {
        if (auto e = first([&](const DesktopEntry &e) { return e.startupWmClass == n; }))
            return e;
    }
    for (const QString &n : names) {
        if (auto e = first([&](const DesktopEntry &e) { return e.id.compare(n, Qt::CaseInsensitive) == 0; }))
            return e;
    }
    for (const QString &n : names) {
        if (auto e = first([&](const DesktopEntry &e) {
                return e.startupWmClass.isEmpty() && e.id.section(u'.', -1).compare(n, Qt::CaseInsensitive) == 0;
            }))
            return e;
    }
    return std::nullopt;
}
