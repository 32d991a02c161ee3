#include "wheel/storeddata.h"

#include <QCoreApplication>

StoredData::StoredData(UserDefaults &defaults, QString key)
    : m_defaults(defaults)
    , m_key(std::move(key))
{
}

SettingKey StoredData::setting(QString name, QString defaultText, QString description,
                               QByteArray (*normalise)(const QByteArray &json))
{
    SettingKey key{std::move(name), SettingKey::Type::data, std::move(defaultText), std::move(description)};
    key.parseText = [normalise](const SettingKey &key, const QString &text) -> SettingKey::Parsed {
        try {
            return {UserDefaults::Value(normalise(text.toUtf8())), {}};
        } catch (const JsonDecodeError &error) {
            return SettingKey::refusal(
                QCoreApplication::translate("SettingKey", "%1 is not valid: %2").arg(key.name, error.message()));
        }
    };
    return key;
}

void StoredData::write(const QByteArray &bytes)
{
    keepUnreadable();
    m_defaults.setData(m_key, bytes);
}

void StoredData::keepUnreadable()
{
    if (!m_unreadable)
        return;
    const QString base = m_key + QStringLiteral(".unreadable");
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? base : base + QLatin1Char('.') + QString::number(n);
        const std::optional<UserDefaults::Value> existing = m_defaults.value(candidate);
        if (existing && *existing != *m_unreadable)
            continue;
        if (!existing)
            m_defaults.setValue(candidate, *m_unreadable);
        qCWarning(lcWheel) << "kept unreadable" << m_key << "under" << candidate;
        break;
    }
    m_unreadable.reset();
}
