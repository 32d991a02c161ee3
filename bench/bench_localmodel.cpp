// The local model client's own overhead against the test model server on loopback:
//  - stream latency: from the server having written a server-sent event to the stream element
//    carrying it reaching the consumer (median and 95th percentile; both clocks are CLOCK_MONOTONIC);
//  - whole completions per second with a tiny answer, one after another, each on its own connection.
#include "ai/localmodelclient.h"
#include "modelserverprocess.h"
#include "taskrunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <vector>

namespace {

qint64 monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double percentile(std::vector<qint64> values, double fraction)
{
    if (values.empty())
        return 0;
    const auto at = values.begin() + qsizetype(fraction * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return double(*at);
}

// Each event adds one character, so an element's length says which event it carries.
QCoro::Task<std::vector<qint64>> deliveryTimes(LocalModelClient &client, LocalModelConfig config)
{
    std::vector<qint64> delivered;
    const QList<ChatMessage> messages{{QStringLiteral("user"), QStringLiteral("<text>\nHi\n</text>")}};
    AnswerStream stream = client.stream(config, messages, 0.3);
    for (auto it = co_await stream.begin(); it != stream.end(); co_await ++it) {
        const qsizetype index = (*it).size() - 1;
        if (index >= 0 && index == qsizetype(delivered.size()))
            delivered.push_back(monotonicNanoseconds());
    }
    co_return delivered;
}

void measureStreamLatency(QTextStream &out, ModelServerProcess &server, LocalModelClient &client,
                          const LocalModelConfig &config)
{
    constexpr int kEvents = 300;
    QList<QByteArray> lines;
    for (int i = 0; i < kEvents; ++i)
        lines.append(ModelServerProcess::deltaEvent(QStringLiteral("x")));
    lines.append("data: [DONE]\n\n");
    server.forgetEvents();
    server.enqueue(ModelServerProcess::eventStream(lines, 3, true));

    const std::vector<qint64> delivered = QCoro::waitFor(deliveryTimes(client, config));
    const QList<QJsonObject> written = server.events(QStringLiteral("wrote"), kEvents);
    std::vector<qint64> latencies;
    for (qsizetype i = 0; i < qsizetype(delivered.size()) && i < written.size(); ++i)
        latencies.push_back(delivered[size_t(i)] - written[i].value(QLatin1String("ns")).toInteger());
    out << "stream: " << latencies.size() << " of " << kEvents << " events delivered one by one; latency median "
        << percentile(latencies, 0.5) / 1000.0 << " µs, 95th percentile " << percentile(latencies, 0.95) / 1000.0
        << " µs\n";
}

void measureCompletions(QTextStream &out, ModelServerProcess &server, LocalModelClient &client,
                        const LocalModelConfig &config)
{
    server.setRecording(false);
    server.setDefault(ModelServerProcess::completion(QStringLiteral("ok")));
    const QList<ChatMessage> messages{{QStringLiteral("system"), QStringLiteral("Be brief.")},
                                      {QStringLiteral("user"), QStringLiteral("<text>\nHi\n</text>")}};
    constexpr int kRequests = 2000;
    int answered = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kRequests; ++i)
        answered += TaskRunner::run(client.complete(config, messages, 0.2)).value == QStringLiteral("ok");
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    out << "complete: " << answered << " of " << kRequests << " answered, " << qRound(kRequests / seconds)
        << " requests/s (" << seconds * 1e6 / kRequests << " µs each)\n";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    ModelServerProcess server;
    if (!server.isRunning()) {
        out << "the test model server did not start\n";
        return 1;
    }
    LocalModelClient client;
    const LocalModelConfig config{ModelProvider::ollama, server.url(), QStringLiteral("bench")};
    for (int round = 0; round < 3; ++round)
        measureStreamLatency(out, server, client, config);
    measureCompletions(out, server, client, config);
    return 0;
}
