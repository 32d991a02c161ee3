#include "wheel/unreadablevaluekeeper.h"

#include "wheel/wheellogging.h"

UnreadableValueKeeper::UnreadableValueKeeper(UserDefaults &defaults, QString key)
    : m_defaults(defaults)
    , m_key(std::move(key))
{
}

void UnreadableValueKeeper::remember(const UserDefaults::Value &value)
{
    m_pending = value;
}

void UnreadableValueKeeper::keepBeforeOverwrite()
{
    if (!m_pending)
        return;
    const QString base = m_key + QStringLiteral(".unreadable");
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? base : base + QLatin1Char('.') + QString::number(n);
        const std::optional<UserDefaults::Value> existing = m_defaults.value(candidate);
        if (existing && *existing != *m_pending)
            continue;
        if (!existing)
            m_defaults.setValue(candidate, *m_pending);
        qCWarning(lcWheel) << "kept unreadable" << m_key << "under" << candidate;
        m_keptUnder = candidate;
        break;
    }
    m_pending.reset();
}
