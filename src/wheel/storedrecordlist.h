#pragma once

#include "platform/userdefaults.h"
#include "wheel/jsonfields.h"
#include "wheel/storeddata.h"

#include <QList>
#include <QUuid>
#include <algorithm>
#include <optional>

// A list of records with ids kept as one JSON array under one key, written whole after each change.
// Unreadable stored data gives an empty list (and is kept aside, see StoredData).
// T has `QUuid id`, `toJson()` and a static `fromJson(const QJsonValue &)` that throws JsonDecodeError.
template <typename T> class StoredRecordList final {
public:
    StoredRecordList(UserDefaults &defaults, const QString &key)
        : m_stored(defaults, key)
    {
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

    // Replaces the record with the same id in place, or appends it. Answers whether the list changed.
    bool save(const T &record)
    {
        const QList<T> before = m_records;
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
        const qsizetype removed = m_records.removeIf([&](const T &r) { return r.id == id; });
        persist();
        return removed > 0;
    }

private:
    void persist() { m_stored.write(JsonFields::encodeArray(m_records)); }

    StoredData m_stored;
    QList<T> m_records;
};
