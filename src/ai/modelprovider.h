#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// Where language-model work runs: the on-device model ("apple") or a local OpenAI-compatible server.
enum class ModelProvider {
    apple,
    lmStudio,
    ollama,
    other,
};

namespace ModelProviders {
const QList<ModelProvider> &allCases();
QString rawValue(ModelProvider provider);
std::optional<ModelProvider> fromRawValue(const QString &raw);
// Plain HTTP on the local host at the provider's usual port; nothing for the on-device model.
std::optional<QUrl> defaultServer(ModelProvider provider);
// How error messages name the server ("LM Studio", "Ollama", "the local model server").
QString serverName(ModelProvider provider);
} // namespace ModelProviders
