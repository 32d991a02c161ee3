#include "base/ringleerror.h"
#include "ai/localmodelclient.h"
#include "modelserverprocess.h"
#include "taskrunner.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

using TaskRunner::Outcome;
using Kind = RingleError::Kind;
using S = ModelServerProcess;

namespace {
const QList<ChatMessage> kMessages{{"system", "Be brief."}, {"user", "<text>\nHello\n</text>"}};

QJsonObject repeated(int status, const QByteArray &head, const QByteArray &unit, qint64 times, const QString &framing)
{
    return QJsonObject{{"status", status},
                       {"framing", framing},
                       {"parts", QJsonArray{QJsonObject{{"text", QString::fromUtf8(head)}},
                                            QJsonObject{{"text", QString::fromUtf8(unit)}, {"repeat", times}}}}};
}

// The response followed by `text` again and again, so the server never ends it by itself.
QJsonObject endless(QJsonObject response, const QString &text, int delayMs)
{
    QJsonArray parts = response.value("parts").toArray();
    parts.append(QJsonObject{{"text", text}, {"repeat", -1}, {"delayMs", delayMs}});
    response.insert("parts", parts);
    return response;
}
} // namespace

// The client against a real HTTP server on the loopback interface.
class TestLocalModelClient final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(m_server.isRunning()); }
    void init() { m_server.forgetEvents(); }

    void completeSendsTheProtocolRequest()
    {
        QVERIFY(m_server.enqueue(S::completion("  <think>plan</think>\n Hallo Welt \n")));
        QCOMPARE(ask(config(), 0.7).value.value_or("<failed>"), QString("Hallo Welt"));

        const QList<QJsonObject> requests = m_server.requests(1);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].value("method").toString(), QString("POST"));
        QCOMPARE(requests[0].value("path").toString(), QString("/v1/chat/completions"));
        QCOMPARE(requests[0].value("headers")["content-type"].toString(), QString("application/json"));
        QVERIFY(!requests[0].value("headers").toObject().contains("authorization"));
        const QJsonObject body = sentBody(requests[0]);
        QCOMPARE(body.keys(), QStringList({"messages", "model", "stream", "temperature"}));
        QCOMPARE(body.value("model").toString(), QString("test-model"));
        QCOMPARE(body.value("temperature").toDouble(), 0.7);
        QCOMPARE(body.value("stream").toBool(true), false);
        const QJsonArray messages = body.value("messages").toArray();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].toObject(), QJsonObject({{"role", "system"}, {"content", "Be brief."}}));
        QCOMPARE(messages[1].toObject(), QJsonObject({{"role", "user"}, {"content", "<text>\nHello\n</text>"}}));
    }

    void completeOutcomes_data()
    {
        QTest::addColumn<QJsonObject>("response");
        QTest::addColumn<int>("kind"); // -1: an answer is expected
        QTest::addColumn<QString>("payload"); // the answer, or checked when not empty; "*" prefix: starts with
        const QString unreadable = "*the server's answer could not be read";
        const auto choice = [](const QJsonValue &content) {
            return QJsonObject{{"choices", QJsonArray{QJsonObject{{"message", QJsonObject{{"content", content}}}}}}};
        };
        QTest::newRow("no choices") << S::json(200, {{"choices", QJsonArray()}}) << -1 << "";
        QTest::newRow("null content") << S::json(200, choice(QJsonValue::Null)) << -1 << "";
        QTest::newRow("thinking only") << S::json(200, choice("<think>only this</think>")) << -1 << "";
        QTest::newRow("201 with a valid body") << S::json(201, choice("fine")) << int(Kind::localModelFailed) << "created";
        QTest::newRow("400 context length") << S::json(400, {{"error", QJsonObject{{"message", "Context length exceeded: 9000 > 4096"}}}}) << int(Kind::textTooLong) << "";
        QTest::newRow("400 other") << S::json(400, {{"error", QJsonObject{{"message", "Unknown model"}}}}) << int(Kind::localModelFailed) << "Unknown model";
        QTest::newRow("500 html") << S::text(500, "<!DOCTYPE html><html><head><title>Oops &amp; sorry</title></head><body>x</body></html>", "text/html") << int(Kind::localModelFailed) << "Oops & sorry";
        QTest::newRow("404 empty") << S::text(404, "") << int(Kind::localModelFailed) << "not found";
        QTest::newRow("body not json") << S::text(200, "Hello there") << int(Kind::localModelFailed) << unreadable;
        QTest::newRow("choices missing") << S::json(200, {{"id", "x"}}) << int(Kind::localModelFailed) << unreadable;
        QTest::newRow("invalid utf-8") << S::text(200, "{\"choices\":[{\"message\":{\"content\":\"\xc3\x28\xff\"}}]}", "application/json") << int(Kind::localModelFailed) << unreadable;
        QTest::newRow("closed mid-body") << QJsonObject{{"status", 200}, {"abort", true}, {"parts", QJsonArray{QJsonObject{{"text", "{\"choi"}}}}} << int(Kind::localModelUnreachable) << "Ollama";
        QTest::newRow("closed mid-chunk") << QJsonObject{{"status", 200}, {"abort", true}, {"framing", "chunked"}, {"parts", QJsonArray{QJsonObject{{"text", "{\"choi"}}}}} << int(Kind::localModelUnreachable) << "Ollama";
        QTest::newRow("50 MB body") << repeated(200, "{\"choices\":[{\"message\":{\"content\":\"", "aaaaaaaaaa", 5000000, "length") << int(Kind::localModelFailed) << "the answer is larger than 32 MB";
        QTest::newRow("50 MB error body") << repeated(500, "", "<p>", 17000000, "chunked") << int(Kind::localModelFailed) << "the answer is larger than 32 MB";
    }
    void completeOutcomes()
    {
        QFETCH(QJsonObject, response);
        QFETCH(int, kind);
        QFETCH(QString, payload);
        QVERIFY(m_server.enqueue(response));
        const Outcome<QString> outcome = ask(config());
        if (kind < 0) {
            QCOMPARE(outcome.value, std::optional<QString>(payload));
            return;
        }
        QVERIFY2(!outcome.value, qPrintable(outcome.value.value_or(QString())));
        const std::optional<RingleError> error = outcome.ringleError();
        QVERIFY(error);
        QCOMPARE(int(error->kind()), kind);
        if (payload.startsWith('*'))
            QVERIFY2(error->payload().startsWith(payload.mid(1)), qPrintable(error->payload()));
        else if (!payload.isEmpty())
            QCOMPARE(error->payload(), payload);
    }


    void responseFraming_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QString>("answer"); // empty: a failure is expected
        const QByteArray body = R"({"choices":[{"message":{"content":"framed"}}]})";
        const QByteArray length = QByteArray::number(body.size());
        const QByteArray hex = QByteArray::number(body.size(), 16);
        QTest::newRow("until close") << "HTTP/1.1 200 OK\r\n\r\n" + body << "framed";
        QTest::newRow("http 1.0") << "HTTP/1.0 200 OK\r\nContent-Length: " + length + "\r\n\r\n" + body << "framed";
        QTest::newRow("chunk extension and trailer") << "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + hex + ";x=1\r\n" + body + "\r\n0\r\nX-Trailer: 1\r\n\r\n" << "framed";
        QTest::newRow("continue first") << "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: " + length + "\r\n\r\n" + body << "framed";
        QTest::newRow("body longer than announced") << "HTTP/1.1 200 OK\r\nContent-Length: " + length + "\r\n\r\n" + body + "garbage" << "framed";
        QTest::newRow("not http") << QByteArray("SSH-2.0-OpenSSH_9.2\r\n\r\n") << "";
        QTest::newRow("bad chunk size") << "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n" + body << "";
        QTest::newRow("bad length") << "HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\n" + body << "";
        QTest::newRow("endless head") << "HTTP/1.1 200 OK\r\n" + QByteArray(200000, 'h') << "";
        QTest::newRow("nothing") << QByteArray() << "";
    }
    void responseFraming()
    {
        QFETCH(QByteArray, response);
        QFETCH(QString, answer);
        QVERIFY(m_server.enqueue(QJsonObject{{"raw", true}, {"parts", QJsonArray{QJsonObject{{"base64", QString::fromLatin1(response.toBase64())}}}}}));
        const Outcome<QString> outcome = ask(config());
        if (answer.isEmpty())
            QVERIFY(outcome.ringleError());
        else
            QCOMPARE(outcome.value.value_or("<failed>"), answer);
    }

    void noModelChosenSendsNothing()
    {
        LocalModelConfig noModel = config();
        noModel.model.clear();
        QCOMPARE(ask(noModel).ringleError(), RingleError::localModelNotChosen());
        QCOMPARE(askStream(noModel).ringleError(), RingleError::localModelNotChosen());
        QCOMPARE(m_server.requests(1, 300).size(), 0);
    }

    void serverNotRunningIsUnreachableAtOnce_data()
    {
        QTest::addColumn<int>("provider");
        QTest::addColumn<QString>("name");
        QTest::newRow("lm studio") << int(ModelProvider::lmStudio) << "LM Studio";
        QTest::newRow("ollama") << int(ModelProvider::ollama) << "Ollama";
        QTest::newRow("other") << int(ModelProvider::other) << "the local model server";
    }
    void serverNotRunningIsUnreachableAtOnce()
    {
        QFETCH(int, provider);
        QFETCH(QString, name);
        LocalModelConfig down = config();
        down.provider = ModelProvider(provider);
        down.server = QUrl(QString("http://127.0.0.1:%1").arg(closedPort()));
        LocalModelClient client;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ask(down).ringleError(), RingleError::localModelUnreachable(name));
        QCOMPARE(askStream(down).ringleError(), RingleError::localModelUnreachable(name));
        QCOMPARE(TaskRunner::run(client.models(down.server, name)).ringleError(), RingleError::localModelUnreachable(name));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    void silentServerTimesOut()
    {
        QVERIFY(m_server.enqueue(QJsonObject{{"status", 200}, {"parts", QJsonArray{QJsonObject{{"text", "{}"}, {"delayMs", 3000}}}}}));
        LocalModelClient client(LocalModelClient::Timeouts{std::chrono::milliseconds(300), std::chrono::milliseconds(300)});
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(TaskRunner::run(client.complete(config(), kMessages, 0.2)).ringleError(), RingleError::localModelUnreachable("Ollama"));
        QVERIFY(clock.elapsed() < 2500);
    }

    void slowDripWithinTheTimeoutCompletes()
    {
        // A body trickling in a byte at a time never counts as silence.
        QJsonArray parts;
        for (char c : QByteArray(R"({"choices":[{"message":{"content":"drip"}}]})"))
            parts.append(QJsonObject{{"text", QString(QChar(c))}, {"delayMs", 5}});
        QVERIFY(m_server.enqueue(QJsonObject{{"status", 200}, {"parts", parts}}));
        LocalModelClient client(LocalModelClient::Timeouts{std::chrono::milliseconds(150), std::chrono::milliseconds(150)});
        QCOMPARE(TaskRunner::run(client.complete(config(), kMessages, 0.2)).value.value_or("<failed>"), QString("drip"));
    }

    void streamDeliversTheWholeAnswerSoFar()
    {
        const QList<QByteArray> lines{": keep-alive comment\n", "event: message\n",
                                      "data: {\"choices\":[{\"delta\":{\"role\":\"assistant\"}}]}\n\n",
                                      S::deltaEvent("<think>hmm"), S::deltaEvent("</think>Hel"), "data: not json\n\n",
                                      S::deltaEvent("lo"), "data:\t{\"choices\":[{\"delta\":{\"content\":\" world\"}}]}\r\n\r\n",
                                      "data: [DONE]\n\n"};
        QVERIFY(m_server.enqueue(S::eventStream(lines, 20)));
        const Outcome<QStringList> outcome = askStream(config());
        QVERIFY(!outcome.error);
        QCOMPARE(*outcome.value, QStringList({"", "", "Hel", "Hello", "Hello world"}));
        const QJsonObject body = sentBody(m_server.requests(1).value(0));
        QCOMPARE(body.value("stream").toBool(), true);
        QCOMPARE(body.value("temperature").toDouble(), 0.3);
    }

    void doneEndsTheStream_data()
    {
        QTest::addColumn<QByteArray>("done");
        QTest::newRow("with a space") << QByteArray("data: [DONE]\n\n");
        QTest::newRow("without") << QByteArray("data:[DONE]\n\n");
        QTest::newRow("tabs and spaces") << QByteArray("data: \t [DONE] \r\n");
    }
    void doneEndsTheStream()
    {
        QFETCH(QByteArray, done);
        // The server keeps the connection open and writes more after [DONE]; none of it counts.
        QVERIFY(m_server.enqueue(endless(S::eventStream({S::deltaEvent("A"), done, S::deltaEvent("B")}, 10), "\n", 50)));
        const Outcome<QStringList> outcome = askStream(config());
        QVERIFY(!outcome.error);
        QCOMPARE(*outcome.value, QStringList({"A"}));
    }

    void streamFailures_data()
    {
        QTest::addColumn<QJsonObject>("response");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("payload"); // checked when not empty
        QTest::addColumn<QString>("last"); // the last answer so far before the failure
        QJsonObject created = S::eventStream({S::deltaEvent("x")});
        created.insert("status", 201);
        QJsonObject cut = S::eventStream({S::deltaEvent("Par"), S::deltaEvent("tial")}, 10);
        cut.insert("abort", true);
        QTest::newRow("500 html") << S::text(500, "<html><title>Server Error</title></html>", "text/html") << int(Kind::localModelFailed) << "Server Error" << "";
        QTest::newRow("400 context") << S::json(400, {{"error", "context length exceeded"}}) << int(Kind::textTooLong) << "" << "";
        QTest::newRow("201") << created << int(Kind::localModelFailed) << "" << "";
        QTest::newRow("closed mid-stream") << cut << int(Kind::localModelUnreachable) << "Ollama" << "Partial";
        QTest::newRow("endless blank lines") << repeated(200, "", "\n", -1, "chunked") << int(Kind::localModelFailed) << "the answer is larger than 32 MB" << "";
    }
    void streamFailures()
    {
        QFETCH(QJsonObject, response);
        QFETCH(int, kind);
        QFETCH(QString, payload);
        QFETCH(QString, last);
        QVERIFY(m_server.enqueue(response));
        const Outcome<QStringList> outcome = askStream(config());
        // Lines that arrive together make one element, so only the last one is certain.
        QCOMPARE(outcome.value->value(outcome.value->size() - 1), last);
        const std::optional<RingleError> error = outcome.ringleError();
        QVERIFY(error);
        QCOMPARE(int(error->kind()), kind);
        if (!payload.isEmpty())
            QCOMPARE(error->payload(), payload);
    }

    void streamSkipsBadLines_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        const auto around = [](const QByteArray &bad) {
            return QList<QByteArray>{S::deltaEvent("one"), bad, S::deltaEvent(" two"), "data: [DONE]\n"};
        };
        QTest::newRow("1 MB without a line break") << around(QByteArray("data: ") + QByteArray(1024 * 1024, 'x') + "\n");
        QTest::newRow("4 MB without a line break") << around(QByteArray(4 * 1024 * 1024, 'y') + "\n");
        QTest::newRow("invalid utf-8") << around("data: {\"choices\":[{\"delta\":{\"content\":\"\xc0\xaf\"}}]}\n");
        QTest::newRow("nul bytes") << around(QByteArray("data: \0\0\0\n", 10));
        // No [DONE], no trailing line break: the last line still counts.
        QTest::newRow("ends with the body") << QList<QByteArray>{S::deltaEvent("one"), S::deltaEvent(" two").chopped(2)};
    }
    void streamSkipsBadLines()
    {
        QFETCH(QList<QByteArray>, lines);
        QVERIFY(m_server.enqueue(S::eventStream(lines, 5)));
        const Outcome<QStringList> outcome = askStream(config());
        QVERIFY(!outcome.error);
        QCOMPARE(outcome.value->value(outcome.value->size() - 1), QString("one two"));
    }

    void droppingTheStreamAbortsTheRequest()
    {
        QVERIFY(m_server.enqueue(endless(S::eventStream({S::deltaEvent("first")}), "data: {\"choices\":[]}\n\n", 100)));
        LocalModelClient client;
        QCOMPARE(*TaskRunner::runStream(client.stream(config(), kMessages, 0.3), 1).value, QStringList({"first"}));
        QVERIFY(serverSawTheRequestDropped());
    }

    void cancellingAWaitingStream()
    {
        QVERIFY(m_server.enqueue(S::eventStream({S::deltaEvent("a"), S::deltaEvent("b")}, 5000)));
        LocalModelClient client;
        AnswerStream stream = client.stream(config(), kMessages, 0.3);
        QTimer::singleShot(200, [&stream] { stream.cancel(); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(TaskRunner::runStream(stream).wasCancelled());
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(serverSawTheRequestDropped());
    }

    void models_data()
    {
        QTest::addColumn<QString>("basePath");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("plain") << "" << QStringList{"qwen-10b", "Qwen-9b", "llama", "Gemma"} << QStringList{"Gemma", "llama", "Qwen-9b", "qwen-10b"};
        QTest::newRow("behind a path") << "/llm" << QStringList{"b", "a"} << QStringList{"a", "b"};
        QTest::newRow("empty") << "" << QStringList() << QStringList();
    }
    void models()
    {
        QFETCH(QString, basePath);
        QFETCH(QStringList, ids);
        QFETCH(QStringList, sorted);
        QVERIFY(m_server.enqueue(S::modelList(ids)));
        LocalModelClient client;
        const Outcome<QStringList> outcome = TaskRunner::run(client.models(QUrl(m_server.url().toString() + basePath), "LM Studio"));
        QCOMPARE(outcome.value.value_or(QStringList("<failed>")), sorted);
        const QJsonObject request = m_server.requests(1).value(0);
        QCOMPARE(request.value("method").toString(), QString("GET"));
        QCOMPARE(request.value("path").toString(), basePath + "/v1/models");
    }

    void modelListFailures_data()
    {
        QTest::addColumn<QJsonObject>("response");
        QTest::addColumn<int>("kind");
        QTest::newRow("id missing") << S::json(200, {{"data", QJsonArray{QJsonObject{{"name", "x"}}}}}) << int(Kind::localModelFailed);
        QTest::newRow("data missing") << S::json(200, {{"models", QJsonArray()}}) << int(Kind::localModelFailed);
        QTest::newRow("401") << S::json(401, {{"error", "unauthorized"}}) << int(Kind::localModelFailed);
        QTest::newRow("silent") << QJsonObject{{"parts", QJsonArray{QJsonObject{{"text", "{}"}, {"delayMs", 2000}}}}} << int(Kind::localModelUnreachable);
    }
    void modelListFailures()
    {
        QFETCH(QJsonObject, response);
        QFETCH(int, kind);
        QVERIFY(m_server.enqueue(response));
        LocalModelClient client(LocalModelClient::Timeouts{std::chrono::seconds(180), std::chrono::milliseconds(300)});
        const Outcome<QStringList> outcome = TaskRunner::run(client.models(m_server.url(), "LM Studio"));
        QVERIFY(outcome.ringleError());
        QCOMPARE(int(outcome.ringleError()->kind()), kind);
    }

private:
    LocalModelConfig config() const { return LocalModelConfig{ModelProvider::ollama, m_server.url(), "test-model"}; }

    static Outcome<QString> ask(const LocalModelConfig &config, double temperature = 0.2)
    {
        LocalModelClient client;
        return TaskRunner::run(client.complete(config, kMessages, temperature));
    }
    static Outcome<QStringList> askStream(const LocalModelConfig &config)
    {
        LocalModelClient client;
        return TaskRunner::runStream(client.stream(config, kMessages, 0.3));
    }
    static QJsonObject sentBody(const QJsonObject &request)
    {
        return QJsonDocument::fromJson(request.value("body").toString().toUtf8()).object();
    }
    // The first request's connection was closed by the client.
    bool serverSawTheRequestDropped()
    {
        const qint64 request = m_server.requests(1).value(0).value("id").toInteger();
        return m_server.events("disconnected", 1).value(0).value("id").toInteger(-1) == request;
    }

    static quint16 closedPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort(); // closed again when probe goes
    }

    ModelServerProcess m_server;
};

QTEST_GUILESS_MAIN(TestLocalModelClient)
#include "test_localmodelclient.moc"
