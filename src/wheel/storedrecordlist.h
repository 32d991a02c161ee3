#pragma once

#include "platform/userdefaults.h"
#include "wheel/jsondecodeerror.h"
#include "wheel/jsonfields.h"
#include "wheel/unreadablevaluekeeper.h"
#include "wheel/wheellogging.h"

#include <QList>
#include <QUuid>
#include <algorithm>
#include <optional>

// A list of records with ids kept as one JSON array under one key, written whole after each change.
// Unreadable stored data gives an empty list and is kept aside before it is first overwritten.
// T has `QUuid id`, `toJson()` and a static `fromJson(const QJsonValue &)` that throws JsonDecodeError.
template <typename T> class StoredRecordList final {
public:
    StoredRecordList(UserDefaults &defaults, const QString &key)
        : m_defaults(defaults)
        , m_key(key)
        , m_unreadable(defaults, key)
    {
        const std::optional<UserDefaults::Value> stored = defaults.value(key);
        if (!stored)
            return;
        try {
            if (!std::holds_alternative<QByteArray>(*stored))
                throw JsonDecodeError(QStringLiteral("Not a data value."));
            m_records = JsonFields::decodeArray<T>(std::get<QByteArray>(*stored), &T::fromJson);
        } catch (const JsonDecodeError &error) {
            qCWarning(lcWheel) << "stored" << key << "are unreadable:" << error.message();
            m_unreadable.remember(*stored);
        }
    }

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
    void persist()
    {
        m_unreadable.keepBeforeOverwrite();
        m_defaults.setData(m_key, JsonFields::encodeArray(m_records));
    }

    UserDefaults &m_defaults;
    QString m_key;
    UnreadableValueKeeper m_unreadable;
    QList<T> m_records;
};
