#include "ai/localmodelconfig.h"

#include "platform/userdefaults.h"

std::optional<LocalModelConfig> LocalModelConfig::current(const UserDefaults &defaults)
{
    const std::optional<ModelProvider> provider =
        ModelProviders::fromRawValue(defaults.stringValue(QStringLiteral("modelProvider")).value_or(QString()));
    if (!provider || *provider == ModelProvider::apple)
        return std::nullopt;

    LocalModelConfig config;
    config.provider = *provider;
    const QString typed = defaults.stringValue(QStringLiteral("modelServer")).value_or(QString());
    config.server = serverURL(typed, *provider).value_or(ModelProviders::defaultServer(*provider).value_or(QUrl()));
    config.model = defaults.stringValue(QStringLiteral("modelName")).value_or(QString());
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
