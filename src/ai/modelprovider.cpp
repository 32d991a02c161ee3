#include "ai/modelprovider.h"

#include <QCoreApplication>

namespace ModelProviders {

const QList<ModelProvider> &allCases()
{
    static const QList<ModelProvider> cases{ModelProvider::apple, ModelProvider::lmStudio, ModelProvider::ollama,
                                            ModelProvider::other};
    return cases;
}

QString rawValue(ModelProvider provider)
{
    switch (provider) {
    case ModelProvider::apple:
        return QStringLiteral("apple");
    case ModelProvider::lmStudio:
        return QStringLiteral("lmStudio");
    case ModelProvider::ollama:
        return QStringLiteral("ollama");
    case ModelProvider::other:
        return QStringLiteral("other");
    }
    return {};
}

std::optional<ModelProvider> fromRawValue(const QString &raw)
{
    for (ModelProvider provider : allCases()) {
        if (rawValue(provider) == raw)
            return provider;
    }
    return std::nullopt;
}

std::optional<QUrl> defaultServer(ModelProvider provider)
{
    switch (provider) {
    case ModelProvider::apple:
        return std::nullopt;
    case ModelProvider::lmStudio:
        return QUrl(QStringLiteral("http://localhost:1234"));
    case ModelProvider::ollama:
        return QUrl(QStringLiteral("http://localhost:11434"));
    case ModelProvider::other:
        return QUrl(QStringLiteral("http://localhost:8080"));
    }
    return std::nullopt;
}

QString serverName(ModelProvider provider)
{
    switch (provider) {
    case ModelProvider::lmStudio:
        return QStringLiteral("LM Studio");
    case ModelProvider::ollama:
        return QStringLiteral("Ollama");
    case ModelProvider::apple:
    case ModelProvider::other:
        break;
    }
    return QCoreApplication::translate("LocalModelClient", "the local model server");
}

} // namespace ModelProviders
