#pragma once

#include "platform/userdefaults.h"

#include <QHash>

// In-memory user defaults for tests; counts writes so a test can assert that nothing was stored.
class MemoryDefaults final : public UserDefaults {
    Q_OBJECT
public:
    using UserDefaults::UserDefaults;

    std::optional<Value> value(const QString &key) const override
    {
        const auto it = m_values.constFind(key);
        return it == m_values.cend() ? std::nullopt : std::optional<Value>(*it);
    }
    void setValue(const QString &key, const Value &value) override
    {
        ++m_writes;
        m_values.insert(key, value);
        Q_EMIT valueChanged(key);
    }
    void remove(const QString &key) override
    {
        ++m_writes;
        if (m_values.remove(key))
            Q_EMIT valueChanged(key);
    }
    QStringList keys() const override
    {
        QStringList k = m_values.keys();
        k.sort();
        return k;
    }
    int writeCount() const { return m_writes; }

private:
    QHash<QString, Value> m_values;
    int m_writes = 0;
};
