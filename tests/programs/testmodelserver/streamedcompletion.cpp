#include "streamedcompletion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {
constexpr int wordsPerEvent = 2;

QByteArray deltaEvent(const QString &content)
{
    const QJsonObject delta{{QStringLiteral("content"), content}};
    const QJsonObject chunk{{QStringLiteral("choices"), QJsonArray{QJsonObject{{QStringLiteral("delta"), delta}}}}};
    return "data: " + QJsonDocument(chunk).toJson(QJsonDocument::Compact) + "\n\n";
}
} // namespace

std::optional<CannedResponse> streamedCompletion(const CannedResponse &response, int gapMs)
{
    if (response.status != 200 || response.raw || response.abort || response.parts.size() != 1
        || response.parts.first().repeat != 1)
        return std::nullopt;
    const QJsonObject body = QJsonDocument::fromJson(response.parts.first().data).object();
    const QJsonValue content = body.value(QLatin1String("choices"))[0][QLatin1String("message")][QLatin1String("content")];
    if (!content.isString())
        return std::nullopt;

    CannedResponse streamed;
    streamed.reason = response.reason;
    streamed.headers.append(std::pair<QByteArray, QByteArray>("Content-Type", "text/event-stream"));
    streamed.framing = CannedResponse::Framing::chunked;
    // Words with the white space before them, a couple to an event, as models send tokens.
    static const QRegularExpression word(QStringLiteral("\\s*\\S+"));
    QString pending;
    int words = 0;
    const auto send = [&] {
        const int delay = streamed.parts.isEmpty() ? response.parts.first().delayMs : gapMs;
        streamed.parts.append(CannedResponse::Part{deltaEvent(pending), 1, delay, false});
        pending.clear();
        words = 0;
    };
    const QString text = content.toString();
    qsizetype end = 0;
    for (QRegularExpressionMatchIterator it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        pending += match.captured();
        end = match.capturedEnd();
        if (++words == wordsPerEvent)
            send();
    }
    pending += text.mid(end);
    if (!pending.isEmpty() || streamed.parts.isEmpty())
        send();
    streamed.parts.append(CannedResponse::Part{"data: [DONE]\n\n", 1, 0, false});
    return streamed;
}
