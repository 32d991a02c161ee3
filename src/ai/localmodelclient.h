#pragma once

#include "base/answerstream.h"
#include "ai/chatwire.h"
#include "ai/localmodelconfig.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QCoroTask>
#include <chrono>
#include <memory>
#include <optional>

class HttpClient;
class HttpStream;

// How long a local model server may stay silent while we wait for it.
struct LocalModelTimeouts {
    std::chrono::milliseconds completion = std::chrono::seconds(180);
    std::chrono::milliseconds modelList = std::chrono::seconds(3);
};

// Talks to a local OpenAI-compatible model server: whole and streamed chat completions and the
// model list. Keeps no state between requests: each one has a connection of its own. Failures are
// RingleError values (unreachable, failed, not chosen, text too long) or RequestCancelled.
// The client must outlive the tasks and streams it returns.
class LocalModelClient final {
public:
    using Message = ChatMessage;

    using Timeouts = LocalModelTimeouts;

    // What one response may cost at most, whatever the server sends.
    static constexpr qint64 kMaxBodyBytes = 32 * 1024 * 1024;
    // Longer stream lines cannot be a chunk of an answer; they are skipped like any unreadable line.
    static constexpr qsizetype kMaxStreamLineBytes = 1024 * 1024;

    explicit LocalModelClient(Timeouts timeouts = {});

    // The answer with thinking removed and trimmed; may be empty.
    QCoro::Task<QString> complete(LocalModelConfig config, QList<Message> messages, double temperature);
    // The answer as it is written. The request starts with the first step of the iteration.
    AnswerStream stream(LocalModelConfig config, QList<Message> messages, double temperature);
    // The server's model identifiers in the order a file browser lists names.
    QCoro::Task<QStringList> models(QUrl base, QString serverName);

    // Removes <think>…</think> sections, an unclosed one up to the end, and the tail of one whose
    // opening tag was cut off before the text began.
    static QString withoutThinking(const QString &text);
    // Sorts names case-insensitively with digit runs compared by value ("model-9" before "model-10").
    static void sortLikeFileNames(QStringList &names);
    // Throws the failure a non-200 status stands for; does nothing for 200.
    static void check(int statusCode, const QByteArray &body);

private:
    std::unique_ptr<HttpStream> post(const LocalModelConfig &config, const QList<Message> &messages,
                                     double temperature, bool stream);
    QCoro::AsyncGenerator<QString> streamAnswer(std::shared_ptr<AnswerStream::Control> control,
                                                LocalModelConfig config, QList<Message> messages,
                                                double temperature);

    Timeouts m_timeouts;
    std::shared_ptr<HttpClient> m_http;
};
