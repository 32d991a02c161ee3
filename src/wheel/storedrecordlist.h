#pragma once

#include "platform/userdefaults.h"
#include "wheel/jsonfields.h"
#include "wheel/storeddata.h"

#include <QList>
#include <QUuid>
#include <algorithm>
#include <optional>

// A list of records with ids kept as one JSON array under one key, written whole after each change.
// Unreadable stored data gives an empty list (and is kept aside, see StoredData). A readable list
// another writer stored (`ringle config import`) is taken up before the next change, so that a
// change here never writes over it.
// T has `QUuid id`, `toJson()` and a static `fromJson(const QJsonValue &)` that throws JsonDecodeError.
template <typename T> class StoredRecordList final {
public:
    StoredRecordList(UserDefaults &defaults, const QString &key)
        : m_stored(defaults, key)
    {
        m_known = m_stored.stored();
        m_records = m_stored.read(&decode).value_or(QList<T>());
    }

    static QList<T> decode(const QByteArray &json) { return JsonFields::decodeArray<T>(json, &T::fromJson); }
    // The compact form written of a readable list; throws JsonDecodeError.
    static QByteArray normalised(const QByteArray &json) { return JsonFields::encodeArray(decode(json)); }

    const QList<T> &records() const { return m_records; }

    std::optional<T> find(const QUuid &id) const
    {
        const auto it = std::find_if(m_records.cbegin(), m_records.cend(), [&](const T &r) { return r.id == id; });
        return it == m_records.cend() ? std::nullopt : std::optional<T>(*it);
    }

    // Takes up what another writer stored since this list last read or wrote it, unless that is
    // unreadable or removed. Answers whether the records changed.
    bool reloadIfChangedElsewhere()
    {
        const std::optional<UserDefaults::Value> now = m_stored.stored();
        if (now == m_known)
            return false;
        m_known = now;
        std::optional<QList<T>> stored = m_stored.read(&decode);
        if (!stored || *stored == m_records)
            return false;
        m_records = std::move(*stored);
        return true;
    }

    // Replaces the record with the same id in place, or appends it. Answers whether the list changed.
    bool save(const T &record)
    {
        const QList<T> before = m_records;
        reloadIfChangedElsewhere();
        const auto it = std::find_if(m_records.begin(), m_records.end(), [&](const T &r) { return r.id == record.id; });
        if (it == m_records.end())
            m_records.append(record);
        else
            *it = record;
        persist();
        return m_records != before;
    }

    // Removes every record with the id; writes also when none matched. Answers whether the list changed.
    bool remove(const QUuid &id)
    {
        const bool tookUp = reloadIfChangedElsewhere();
        const qsizetype removed = m_records.removeIf([&](const T &r) { return r.id == id; });
        persist();
        return tookUp || removed > 0;
    }

    // The whole list at once; always writes. Answers whether the list changed.
    bool replaceAll(const QList<T> &records)
    {
        const bool changed = records != m_records;
        m_records = records;
        persist();
        return changed;
    }

private:
    void persist()
    {
        const QByteArray bytes = JsonFields::encodeArray(m_records);
        // Known before the write, whose change notice must not read as another writer's.
        m_known = UserDefaults::Value(bytes);
        m_stored.write(bytes);
    }

    StoredData m_stored;
    QList<T> m_records;
    // The value under the key as this list last read or wrote it.
    std::optional<UserDefaults::Value> m_known;
};
