#include "ai/localmodelclient.h"

#include "base/ringleerror.h"
#include "ai/ailogging.h"
#include "ai/httpstatusphrase.h"
#include "ai/linesplitter.h"
#include "ai/requestcancelled.h"
#include "net/httpclient.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <QScopeGuard>
#include <algorithm>

namespace {

// Failure messages longer than this are cut: they end up in a small panel.
constexpr qsizetype kMaxMessageChars = 500;

const QString kThinkOpen = QStringLiteral("<think>");
const QString kThinkClose = QStringLiteral("</think>");

QByteArrayView trimmedSpacesAndTabs(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

// Applies server-sent events to the answer, one line at a time.
struct StreamReader {
    QString answer;
    bool changed = false; // a chunk arrived since the last element
    bool done = false;    // the server said [DONE]

    // Answers whether to read on.
    bool operator()(QByteArrayView line)
    {
        if (!line.startsWith("data:"))
            return true;
        const QByteArrayView payload = trimmedSpacesAndTabs(line.sliced(5));
        if (payload == "[DONE]") {
            done = true;
            return false;
        }
        if (const std::optional<QString> content = ChatWire::decodeStreamChunk(payload.toByteArray())) {
            answer += *content;
            changed = true;
        }
        return true;
    }
};

QString shortened(const QString &message)
{
    if (message.size() <= kMaxMessageChars)
        return message;
    return message.left(kMaxMessageChars).trimmed() + QChar(0x2026);
}

// The failure of a request as the user sees it.
[[noreturn]] void throwModelError(const HttpFailure &failure, const QString &serverName)
{
    switch (failure.kind()) {
    case HttpFailure::Kind::unreachable:
        throw RingleError::localModelUnreachable(serverName);
    case HttpFailure::Kind::cancelled:
        throw RequestCancelled();
    case HttpFailure::Kind::tooLarge:
        throw RingleError::localModelFailed(QCoreApplication::translate("LocalModelClient", "the answer is larger than %1 MB")
                                                .arg(LocalModelClient::kMaxBodyBytes / (1024 * 1024)));
    case HttpFailure::Kind::notHttp:
        throw RingleError::localModelFailed(QCoreApplication::translate("LocalModelClient", "the server's answer is not HTTP"));
    case HttpFailure::Kind::other:
        break;
    }
    throw RingleError::localModelFailed(failure.message());
}

QCoro::Task<std::optional<QByteArray>> nextChunk(HttpStream &stream, const QString &serverName)
{
    try {
        co_return co_await stream.nextChunk();
    } catch (const HttpFailure &failure) {
        throwModelError(failure, serverName);
    }
}

QCoro::Task<QByteArray> readRest(HttpStream &stream, const QString &serverName)
{
    QByteArray body;
    while (std::optional<QByteArray> chunk = co_await nextChunk(stream, serverName))
        body += *chunk;
    co_return body;
}

} // namespace

LocalModelClient::LocalModelClient(Timeouts timeouts)
    : m_timeouts(timeouts)
    , m_http(std::make_shared<HttpClient>())
{
}

std::unique_ptr<HttpStream> LocalModelClient::post(const LocalModelConfig &config, const QList<Message> &messages,
                                                   double temperature, bool stream)
{
    HttpRequest request;
    request.method = "POST";
    request.url = LocalModelConfig::endpoint(config.server, QStringLiteral("v1/chat/completions"));
    request.headers = {{"Content-Type", "application/json"}};
    request.body = ChatWire::encodeRequest(config.model, messages, temperature, stream);
    request.inactivityTimeout = m_timeouts.completion;
    request.maxBodyBytes = kMaxBodyBytes;
    return m_http->open(request);
}

QCoro::Task<QString> LocalModelClient::complete(LocalModelConfig config, QList<Message> messages, double temperature)
{
    if (config.model.isEmpty())
        throw RingleError::localModelNotChosen();
    const std::unique_ptr<HttpStream> exchange = post(config, messages, temperature, false);
    const QByteArray body = co_await readRest(*exchange, ModelProviders::serverName(config.provider));
    check(exchange->statusCode().value_or(200), body);
    co_return withoutThinking(ChatWire::decodeResponse(body));
}

AnswerStream LocalModelClient::stream(LocalModelConfig config, QList<Message> messages, double temperature)
{
    auto control = std::make_shared<AnswerStream::Control>();
    return AnswerStream(control, streamAnswer(control, std::move(config), std::move(messages), temperature));
}

QCoro::AsyncGenerator<QString> LocalModelClient::streamAnswer(std::shared_ptr<AnswerStream::Control> control,
                                                              LocalModelConfig config, QList<Message> messages,
                                                              double temperature)
{
    if (control->isCancelled())
        throw RequestCancelled();
    if (config.model.isEmpty())
        throw RingleError::localModelNotChosen();

    const QString serverName = ModelProviders::serverName(config.provider);
    const std::unique_ptr<HttpStream> exchange = post(config, messages, temperature, true);
    control->setInterrupt([request = exchange.get()] { request->cancel(); });
    const auto forgetRequest = qScopeGuard([&control] { control->setInterrupt({}); });

    std::optional<QByteArray> chunk = co_await nextChunk(*exchange, serverName);
    const int status = exchange->statusCode().value_or(200);
    if (status != 200) {
        QByteArray body = chunk.value_or(QByteArray());
        if (chunk)
            body += co_await readRest(*exchange, serverName);
        check(status, body);
    }

    // Lines that arrived together give one element: each element is the whole answer, so the
    // in-between states would only cost the reader time.
    LineSplitter splitter(kMaxStreamLineBytes);
    StreamReader reader;
    while (chunk) {
        splitter.feed(*chunk, reader);
        if (std::exchange(reader.changed, false))
            co_yield withoutThinking(reader.answer);
        if (reader.done)
            co_return;
        chunk = co_await nextChunk(*exchange, serverName);
    }
    splitter.finish(reader);
    if (reader.changed)
        co_yield withoutThinking(reader.answer);
}

QCoro::Task<QStringList> LocalModelClient::models(QUrl base, QString serverName)
{
    HttpRequest request;
    request.url = LocalModelConfig::endpoint(base, QStringLiteral("v1/models"));
    request.inactivityTimeout = m_timeouts.modelList;
    request.maxBodyBytes = kMaxBodyBytes;
    const std::unique_ptr<HttpStream> exchange = m_http->open(request);
    const QByteArray body = co_await readRest(*exchange, serverName);
    check(exchange->statusCode().value_or(200), body);
    QStringList ids = ChatWire::decodeModelList(body);
    sortLikeFileNames(ids);
    co_return ids;
}

QString LocalModelClient::withoutThinking(const QString &text)
{
    QString result = text;
    if (result.contains(kThinkClose) && !result.contains(kThinkOpen))
        result.remove(0, result.indexOf(kThinkClose) + kThinkClose.size());
    qsizetype open = result.indexOf(kThinkOpen);
    while (open >= 0) {
        const qsizetype close = result.indexOf(kThinkClose, open + kThinkOpen.size());
        const qsizetype end = close >= 0 ? close + kThinkClose.size() : result.size();
        result.remove(open, end - open);
        open = result.indexOf(kThinkOpen);
    }
    return result.trimmed();
}

void LocalModelClient::sortLikeFileNames(QStringList &names)
{
    // The C locale collates by code point and has no numeric mode; English collation then serves.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

void LocalModelClient::check(int statusCode, const QByteArray &body)
{
    if (statusCode == 200)
        return;
    qCDebug(lcAi) << "status" << statusCode << body.left(200);
    std::optional<QString> said = ChatWire::errorMessage(body);
    const QString message = said && !said->trimmed().isEmpty() ? *said : httpStatusPhrase(statusCode);
    const QString lower = message.toLower();
    if (lower.contains(QLatin1String("context"))
        && (lower.contains(QLatin1String("length")) || lower.contains(QLatin1String("exceed"))
            || lower.contains(QLatin1String("overflow"))))
        throw RingleError::textTooLong();
    throw RingleError::localModelFailed(shortened(message));
}
