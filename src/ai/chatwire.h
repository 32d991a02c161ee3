#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One message of a chat with a model; role is "system", "user" or "assistant".
struct ChatMessage {
    QString role;
    QString content;

    bool operator==(const ChatMessage &other) const = default;
};

// The JSON bodies of the OpenAI-compatible chat-completions and model-list endpoints.
// Decoders of whole bodies throw RingleError::localModelFailed naming what was wrong.
namespace ChatWire {
QByteArray encodeRequest(const QString &model, const QList<ChatMessage> &messages, double temperature, bool stream);
// The first choice's message content; "" when there are no choices or no content.
QString decodeResponse(const QByteArray &body);
// The first choice's delta content ("" when absent); nothing when the event is not a readable chunk.
std::optional<QString> decodeStreamChunk(const QByteArray &json);
QStringList decodeModelList(const QByteArray &body);
// What a failing server said: its JSON error message, or its body as text; nothing when it said nothing.
std::optional<QString> errorMessage(const QByteArray &body);
} // namespace ChatWire
