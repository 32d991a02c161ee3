#include "ai/chatwire.h"

#include "base/ringleerror.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

struct DecodeFailure {
    QString reason;
};

[[noreturn]] void fail(const char *reason)
{
    throw DecodeFailure{QCoreApplication::translate("LocalModelClient", reason)};
}

QJsonObject parseObject(const QByteArray &body)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        throw DecodeFailure{error.errorString()};
    if (!document.isObject())
        fail(QT_TRANSLATE_NOOP("LocalModelClient", "not a JSON object"));
    return document.object();
}

// The content of the first choice's `field` ("message" or "delta"); every choice must be well formed.
QString firstChoiceContent(const QJsonObject &root, const QString &field)
{
    const QJsonValue choices = root.value(QLatin1String("choices"));
    if (!choices.isArray())
        fail(QT_TRANSLATE_NOOP("LocalModelClient", "\"choices\" is missing"));
    QString first;
    bool isFirst = true;
    for (const QJsonValue &choice : choices.toArray()) {
        const QJsonValue part = choice.toObject().value(field);
        if (!choice.isObject() || !part.isObject())
            fail(QT_TRANSLATE_NOOP("LocalModelClient", "a choice has no message"));
        const QJsonValue content = part.toObject().value(QLatin1String("content"));
        if (!content.isUndefined() && !content.isNull() && !content.isString())
            fail(QT_TRANSLATE_NOOP("LocalModelClient", "a message's content is not text"));
        if (isFirst)
            first = content.toString();
        isFirst = false;
    }
    return first;
}

QString readError(const DecodeFailure &failure)
{
    return QCoreApplication::translate("LocalModelClient", "the server's answer could not be read (%1)")
        .arg(failure.reason);
}

QString decodeEntities(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// Error pages of proxies and web servers: their title, or their text without markup.
QString readableMarkup(const QString &html)
{
    static const QRegularExpression title(QStringLiteral("<title[^>]*>([^<]*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression hidden(QStringLiteral("<(script|style|head)[^>]*>.*?</\\1>"),
                                           QRegularExpression::CaseInsensitiveOption
                                               | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    const QRegularExpressionMatch match = title.match(html);
    QString text = match.hasMatch() ? match.captured(1) : QString(html).remove(hidden).remove(tag);
    return decodeEntities(text).simplified();
}

} // namespace

namespace ChatWire {

QByteArray encodeRequest(const QString &model, const QList<ChatMessage> &messages, double temperature, bool stream)
{
    QJsonArray list;
    for (const ChatMessage &message : messages)
        list.append(QJsonObject{{QStringLiteral("role"), message.role}, {QStringLiteral("content"), message.content}});
    const QJsonObject body{{QStringLiteral("model"), model},
                           {QStringLiteral("messages"), list},
                           {QStringLiteral("temperature"), temperature},
                           {QStringLiteral("stream"), stream}};
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

QString decodeResponse(const QByteArray &body)
{
    try {
        return firstChoiceContent(parseObject(body), QStringLiteral("message"));
    } catch (const DecodeFailure &failure) {
        throw RingleError::localModelFailed(readError(failure));
    }
}

std::optional<QString> decodeStreamChunk(const QByteArray &json)
{
    try {
        return firstChoiceContent(parseObject(json), QStringLiteral("delta"));
    } catch (const DecodeFailure &) {
        return std::nullopt;
    }
}

QStringList decodeModelList(const QByteArray &body)
{
    try {
        const QJsonValue data = parseObject(body).value(QLatin1String("data"));
        if (!data.isArray())
            fail(QT_TRANSLATE_NOOP("LocalModelClient", "\"data\" is missing"));
        QStringList ids;
        for (const QJsonValue &entry : data.toArray()) {
            const QJsonValue id = entry.toObject().value(QLatin1String("id"));
            if (!id.isString())
                fail(QT_TRANSLATE_NOOP("LocalModelClient", "a model has no id"));
            ids.append(id.toString());
        }
        return ids;
    } catch (const DecodeFailure &failure) {
        throw RingleError::localModelFailed(readError(failure));
    }
}

std::optional<QString> errorMessage(const QByteArray &body)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error == QJsonParseError::NoError && document.isObject()) {
        const QJsonObject root = document.object();
        const QJsonValue error = root.value(QLatin1String("error"));
        const QJsonValue nested = error.toObject().value(QLatin1String("message"));
        if (error.isObject() && nested.isString())
            return nested.toString();
        if (error.isString())
            return error.toString();
        const QJsonValue message = root.value(QLatin1String("message"));
        if (message.isString())
            return message.toString();
        return std::nullopt;
    }

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (utf8.hasError() || text.isEmpty())
        return std::nullopt;
    if (text.trimmed().startsWith(QLatin1Char('<'))) {
        text = readableMarkup(text);
        if (text.isEmpty())
            return std::nullopt;
    }
    return text;
}

} // namespace ChatWire
