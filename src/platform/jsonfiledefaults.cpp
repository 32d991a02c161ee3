#include "platform/jsonfiledefaults.h"

#include "platform/defaultsvaluecodec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <sys/stat.h>

Q_LOGGING_CATEGORY(lcDefaults, "ringle.defaults")

JsonFileDefaults::JsonFileDefaults(const QString &filePath, QObject *parent)
    : UserDefaults(parent)
    , m_path(filePath)
{
    load();
}

void JsonFileDefaults::watchForOtherWriters()
{
    if (m_watcher)
        return;
    // An atomic replace puts a new file in place of the watched one, so the folder is what tells.
    const QString folder = QFileInfo(m_path).absolutePath();
    QDir().mkpath(folder);
    m_watcher = new QFileSystemWatcher(this);
    if (!m_watcher->addPath(folder))
        qCWarning(lcDefaults) << "cannot watch" << folder << "- changes by other writers apply at their next use";
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleTime);
    connect(&m_settle, &QTimer::timeout, this, &JsonFileDefaults::takeOtherWritersChange);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    // The folder does not hear of writes in place; the file itself does, until it is replaced.
    connect(m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    takeOtherWritersChange();
}

void JsonFileDefaults::takeOtherWritersChange()
{
    reloadIfChangedOnDisk();
    if (QFile::exists(m_path) && !m_watcher->files().contains(m_path))
        m_watcher->addPath(m_path);
}

QString JsonFileDefaults::pathForDomain(const QString &domain)
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QLatin1Char('/') + domain + QStringLiteral("/defaults.json");
}

QString JsonFileDefaults::filePathOf(const UserDefaults &defaults)
{
    const auto *file = qobject_cast<const JsonFileDefaults *>(&defaults);
    return file ? file->filePath() : QString();
}

JsonFileDefaults::FileStamp JsonFileDefaults::stampOnDisk() const
{
    struct stat st {};
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0)
        return {};
    return {true, static_cast<quint64>(st.st_ino), static_cast<qint64>(st.st_size),
            static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

void JsonFileDefaults::reloadIfChangedOnDisk() const
{
    if (stampOnDisk() == m_stamp)
        return;
    const QHash<QString, Value> before = m_values;
    load();
    auto *self = const_cast<JsonFileDefaults *>(this);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!m_values.contains(it.key()) || m_values.value(it.key()) != it.value())
            Q_EMIT self->valueChanged(it.key());
    }
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
        if (!before.contains(it.key()))
            Q_EMIT self->valueChanged(it.key());
    }
}

void JsonFileDefaults::load() const
{
    m_values.clear();
    m_stamp = stampOnDisk();
    if (!m_stamp.exists)
        return;

    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Unreadable for now (permissions); never write over what we could not read.
        qCWarning(lcDefaults) << "cannot read" << m_path << file.errorString();
        m_writable = false;
        return;
    }
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    file.close();

    bool intact = parseError.error == QJsonParseError::NoError && doc.isObject();
    const QJsonObject root = doc.object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (const std::optional<Value> v = DefaultsValueCodec::decode(it.value()))
            m_values.insert(it.key(), *v);
        else
            intact = false;
    }
    if (intact) {
        m_writable = true;
        return;
    }

    const QString aside = m_path + QStringLiteral(".unreadable-")
                          + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (QFile::rename(m_path, aside)) {
        qCWarning(lcDefaults) << "kept unreadable settings aside as" << aside;
        m_setAsidePath = aside;
        m_stamp = stampOnDisk();
        m_writable = true;
        // What could be read stays in force on disk too, so that other readers see what this one
        // does and a value set again to the same is not left only in memory.
        if (!m_values.isEmpty())
            const_cast<JsonFileDefaults *>(this)->write();
    } else {
        qCWarning(lcDefaults) << "settings file is unreadable and cannot be moved aside:" << m_path;
        m_writable = false;
    }
}

std::optional<UserDefaults::Value> JsonFileDefaults::value(const QString &key) const
{
    reloadIfChangedOnDisk();
    const auto it = m_values.constFind(key);
    if (it == m_values.cend())
        return std::nullopt;
    return *it;
}

QStringList JsonFileDefaults::keys() const
{
    reloadIfChangedOnDisk();
    QStringList result = m_values.keys();
    result.sort();
    return result;
}

void JsonFileDefaults::setValue(const QString &key, const Value &value)
{
    reloadIfChangedOnDisk();
    const auto it = m_values.constFind(key);
    if (it != m_values.cend() && *it == value)
        return;
    m_values.insert(key, value);
    write();
    Q_EMIT valueChanged(key);
}

void JsonFileDefaults::remove(const QString &key)
{
    reloadIfChangedOnDisk();
    if (!m_values.remove(key))
        return;
    write();
    Q_EMIT valueChanged(key);
}

void JsonFileDefaults::write()
{
    if (!m_writable) {
        // The file on disk could not be read nor moved aside: leave it intact.
        qCWarning(lcDefaults) << "not writing over unreadable settings file" << m_path;
        m_lastWriteOk = false;
        return;
    }
    QJsonObject root;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        root.insert(it.key(), DefaultsValueCodec::encode(it.value()));

    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    m_lastWriteOk = file.open(QIODevice::WriteOnly)
                    && file.write(QJsonDocument(root).toJson(QJsonDocument::Indented)) >= 0 && file.commit();
    if (!m_lastWriteOk)
        qCWarning(lcDefaults) << "cannot write" << m_path << file.errorString();
    m_stamp = stampOnDisk();
}
