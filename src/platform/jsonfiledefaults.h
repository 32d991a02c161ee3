#pragma once

#include "platform/userdefaults.h"

#include <QHash>
#include <QLoggingCategory>
#include <QTimer>

class QFileSystemWatcher;

Q_DECLARE_LOGGING_CATEGORY(lcDefaults)

// User defaults kept in one JSON file per domain, each value tagged with its type.
// Every change is written through at once with an atomic replace. A file written by someone else
// (another process, `ringle config set`) is picked up before the next read or write, so neither side
// loses the other's change; once watched, also as soon as it lands. A file that cannot be read is
// moved aside, never overwritten.
class JsonFileDefaults final : public UserDefaults {
    Q_OBJECT
public:
    explicit JsonFileDefaults(const QString &filePath, QObject *parent = nullptr);

    // "$XDG_CONFIG_HOME/<domain>/defaults.json", with ~/.config when XDG_CONFIG_HOME is unset or relative.
    static QString pathForDomain(const QString &domain);

    std::optional<Value> value(const QString &key) const override;
    void setValue(const QString &key, const Value &value) override;
    void remove(const QString &key) override;
    QStringList keys() const override;

    // From now on, changes by other writers are loaded when they land and reported through
    // valueChanged, without waiting for the next read.
    void watchForOtherWriters();

    QString filePath() const { return m_path; }
    // The file of defaults kept in one; empty for defaults kept otherwise.
    static QString filePathOf(const UserDefaults &defaults);
    // Where an unreadable file was moved to, if that happened while loading; empty otherwise.
    QString setAsidePath() const { return m_setAsidePath; }
    // False when the last write could not be completed (the in-memory value still changed).
    bool lastWriteSucceeded() const { return m_lastWriteOk; }

private:
    struct FileStamp {
        bool exists = false;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 mtimeNs = 0;
        bool operator==(const FileStamp &) const = default;
    };

    static constexpr std::chrono::milliseconds settleTime{100};

    void takeOtherWritersChange();
    FileStamp stampOnDisk() const;
    void reloadIfChangedOnDisk() const;
    void load() const;
    void write();

    QString m_path;
    QFileSystemWatcher *m_watcher = nullptr;
    // Writers that rewrite in place fire several notifications; the file is read once they settle.
    QTimer m_settle;
    mutable QHash<QString, Value> m_values;
    mutable FileStamp m_stamp;
    mutable QString m_setAsidePath;
    mutable bool m_writable = true;
    bool m_lastWriteOk = true;
};
