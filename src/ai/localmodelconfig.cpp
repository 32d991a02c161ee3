#include "ai/localmodelconfig.h"

#include "platform/userdefaults.h"

#include <QCoreApplication>

const SettingKey LocalModelConfig::providerKey{
    QStringLiteral("modelProvider"), SettingKey::Type::string, ModelProviders::rawValue(ModelProvider::apple),
    QStringLiteral("Where language-model work runs."),
    SettingKey::texts(ModelProviders::allCases(), &ModelProviders::rawValue)};

const SettingKey LocalModelConfig::serverKey{
    QStringLiteral("modelServer"), SettingKey::Type::string, QStringLiteral("the provider's usual address"),
    QStringLiteral("The local model server's address as the user typed it."), {},
    [](const SettingKey &key, const QString &text) {
        if (!text.trimmed().isEmpty() && !serverURL(text, ModelProvider::other))
            return SettingKey::refusal(
                QCoreApplication::translate("SettingKey", "%1 takes an address such as http://127.0.0.1:11434, or "
                                                          "nothing for the provider's usual one; \"%2\" has no host.")
                    .arg(key.name, text));
        return SettingKey::Parsed{UserDefaults::Value(text), {}};
    }};

const SettingKey LocalModelConfig::nameKey{QStringLiteral("modelName"), SettingKey::Type::string, QStringLiteral("none"),
                                           QStringLiteral("The model as the local server lists it.")};

ModelProvider LocalModelConfig::storedProvider(const UserDefaults &defaults)
{
    return *ModelProviders::fromRawValue(providerKey.chosen(defaults));
}

std::optional<LocalModelConfig> LocalModelConfig::current(const UserDefaults &defaults)
{
    const ModelProvider provider = storedProvider(defaults);
    if (provider == ModelProvider::apple)
        return std::nullopt;

    LocalModelConfig config;
    config.provider = provider;
    const QString typed = defaults.stringValue(serverKey.name).value_or(QString());
    config.server = serverURL(typed, provider).value_or(ModelProviders::defaultServer(provider).value_or(QUrl()));
    config.model = defaults.stringValue(nameKey.name).value_or(QString());
    return config;
}

std::optional<QUrl> LocalModelConfig::serverURL(const QString &typed, ModelProvider provider)
{
    QString text = typed.trimmed();
    if (text.isEmpty()) {
        const std::optional<QUrl> fallback = ModelProviders::defaultServer(provider);
        text = fallback ? fallback->toString() : QString();
    }
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("http://"));
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    if (text.endsWith(QLatin1String("/v1")))
        text.chop(3);

    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    return url;
}

QUrl LocalModelConfig::endpoint(const QUrl &base, const QString &path)
{
    QUrl url = base;
    QString basePath = url.path();
    while (basePath.endsWith(QLatin1Char('/')))
        basePath.chop(1);
    url.setPath(basePath + QLatin1Char('/') + path);
    return url;
}
