#include "base/ringleerror.h"
#include "ai/chatwire.h"
#include "ai/linesplitter.h"
#include "ai/localmodelclient.h"
#include "ai/localmodelconfig.h"
#include "platform/fake/memorydefaults.h"

#include <QTest>

// The parts of the local model client that need no server: addresses, settings, answer and error texts.
class TestLocalModelConfig final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void serverURL_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("provider");
        QTest::addColumn<QString>("expected"); // empty: nothing
        const int lm = int(ModelProvider::lmStudio);
        QTest::newRow("typed like a user") << "  localhost:1234/v1/ \n" << lm << "http://localhost:1234";
        QTest::newRow("several slashes") << "http://host:8000///" << lm << "http://host:8000";
        QTest::newRow("v1 once") << "host:1/v1/v1/" << lm << "http://host:1/v1";
        QTest::newRow("keeps a path") << "https://example.org/proxy/v1" << lm << "https://example.org/proxy";
        QTest::newRow("no host") << "http://" << lm << "";
        QTest::newRow("space inside") << "my server:1234" << lm << "";
        QTest::newRow("bad port") << "localhost:port" << lm << "";
        QTest::newRow("empty lm studio") << "" << lm << "http://localhost:1234";
        QTest::newRow("empty ollama") << " " << int(ModelProvider::ollama) << "http://localhost:11434";
        QTest::newRow("empty other") << "" << int(ModelProvider::other) << "http://localhost:8080";
        QTest::newRow("empty apple") << "" << int(ModelProvider::apple) << "";
    }
    void serverURL()
    {
        QFETCH(QString, typed);
        QFETCH(int, provider);
        QFETCH(QString, expected);
        const std::optional<QUrl> url = LocalModelConfig::serverURL(typed, ModelProvider(provider));
        QCOMPARE(url ? url->toString() : QString(), expected);
    }

    void current_data()
    {
        QTest::addColumn<QVariant>("provider"); // invalid: absent
        QTest::addColumn<QVariant>("server");
        QTest::addColumn<QString>("model"); // stored when not empty
        QTest::addColumn<QString>("expectedServer"); // empty: no configuration
        QTest::newRow("no provider") << QVariant() << QVariant("localhost:1") << "m" << "";
        QTest::newRow("apple") << QVariant("apple") << QVariant("localhost:1") << "m" << "";
        QTest::newRow("unknown provider") << QVariant("openai") << QVariant() << "m" << "";
        QTest::newRow("provider stored as a number") << QVariant(2) << QVariant() << "m" << "";
        QTest::newRow("ollama default") << QVariant("ollama") << QVariant() << "m" << "http://localhost:11434";
        QTest::newRow("no model name") << QVariant("ollama") << QVariant() << "" << "http://localhost:11434";
        QTest::newRow("no host falls back") << QVariant("other") << QVariant("http://") << "m" << "http://localhost:8080";
        QTest::newRow("typed") << QVariant("lmStudio") << QVariant(" 10.0.0.2:1234/v1/") << "m" << "http://10.0.0.2:1234";
    }
    void current()
    {
        QFETCH(QVariant, provider);
        QFETCH(QVariant, server);
        QFETCH(QString, model);
        QFETCH(QString, expectedServer);
        MemoryDefaults defaults;
        if (provider.typeId() == QMetaType::QString)
            defaults.setString("modelProvider", provider.toString());
        else if (provider.isValid())
            defaults.setInt("modelProvider", provider.toInt());
        if (server.isValid())
            defaults.setString("modelServer", server.toString());
        if (!model.isEmpty())
            defaults.setString("modelName", model);
        const std::optional<LocalModelConfig> config = LocalModelConfig::current(defaults);
        QCOMPARE(config.has_value(), !expectedServer.isEmpty());
        if (config) {
            QCOMPARE(config->server.toString(), expectedServer);
            QCOMPARE(config->model, model);
            QCOMPARE(ModelProviders::rawValue(config->provider), provider.toString());
        }
    }

    void withoutThinking_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << " Hello \n" << "Hello";
        QTest::newRow("section") << "<think>hmm</think>\nHello" << "Hello";
        QTest::newRow("only thinking") << "<think>all of it</think>" << "";
        QTest::newRow("unclosed hides the rest") << "Hi <think>still going" << "Hi";
        QTest::newRow("two sections") << "<think>a</think>One <think>b</think>Two" << "One Two";
        QTest::newRow("opening cut off") << "reasoning…</think> Answer" << "Answer";
        QTest::newRow("stray close after open") << "<think>a</think>B</think>C" << "B</think>C";
    }
    void withoutThinking()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(LocalModelClient::withoutThinking(text), expected);
    }

    void check_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("kind"); // -1: no failure
        QTest::addColumn<QString>("payload");
        const int failed = int(RingleError::Kind::localModelFailed);
        const int tooLong = int(RingleError::Kind::textTooLong);
        QTest::newRow("200") << 200 << QByteArray("anything") << -1 << "";
        QTest::newRow("201 is a failure") << 201 << QByteArray(R"({"choices":[]})") << failed << "created";
        QTest::newRow("openai error object") << 400 << QByteArray(R"({"error":{"message":"Model not loaded"}})") << failed << "Model not loaded";
        QTest::newRow("context length") << 400 << QByteArray(R"({"error":{"message":"The maximum context length is 4096 tokens"}})") << tooLong << "";
        QTest::newRow("context exceeded, any case") << 500 << QByteArray(R"({"error":"Prompt EXCEEDS the Context window"})") << tooLong << "";
        QTest::newRow("context overflow") << 400 << QByteArray("context overflow") << tooLong << "";
        QTest::newRow("context alone") << 400 << QByteArray(R"({"message":"bad context"})") << failed << "bad context";
        QTest::newRow("error string") << 404 << QByteArray(R"({"error":"model x not found"})") << failed << "model x not found";
        QTest::newRow("object without message") << 503 << QByteArray(R"({"error":{"code":1}})") << failed << "service unavailable";
        QTest::newRow("plain text") << 500 << QByteArray("upstream crashed") << failed << "upstream crashed";
        QTest::newRow("json array is text") << 500 << QByteArray("[1,2]") << failed << "[1,2]";
        QTest::newRow("empty") << 502 << QByteArray() << failed << "bad gateway";
        QTest::newRow("invalid utf-8") << 500 << QByteArray("\xff\xfe\xfd") << failed << "internal server error";
        QTest::newRow("html page") << 502 << QByteArray("<html><head><title>502 Bad Gateway</title></head><body><h1>502</h1></body></html>") << failed << "502 Bad Gateway";
        QTest::newRow("html without title") << 500 << QByteArray("<p>Out of <b>memory</b> &amp; gone</p>") << failed << "Out of memory & gone";
        QTest::newRow("unknown code") << 418 << QByteArray() << failed << "client error";
        QTest::newRow("long message cut") << 500 << QByteArray(5000, 'x') << failed << QString(500, 'x') + QChar(0x2026);
    }
    void check()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, kind);
        QFETCH(QString, payload);
        try {
            LocalModelClient::check(status, body);
            QCOMPARE(kind, -1);
        } catch (const RingleError &error) {
            QCOMPARE(int(error.kind()), kind);
            QCOMPARE(error.payload(), payload);
        }
    }

    void streamChunks_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QVariant>("expected"); // invalid: unreadable
        QTest::newRow("content") << QByteArray(R"({"choices":[{"delta":{"content":"Hi"}}]})") << QVariant("Hi");
        QTest::newRow("role only") << QByteArray(R"({"choices":[{"delta":{"role":"assistant"}}]})") << QVariant("");
        QTest::newRow("null content") << QByteArray(R"({"choices":[{"delta":{"content":null}}]})") << QVariant("");
        QTest::newRow("no choices") << QByteArray(R"({"choices":[]})") << QVariant("");
        QTest::newRow("choices missing") << QByteArray(R"({"usage":{}})") << QVariant();
        QTest::newRow("delta missing") << QByteArray(R"({"choices":[{"index":0}]})") << QVariant();
        QTest::newRow("content a number") << QByteArray(R"({"choices":[{"delta":{"content":5}}]})") << QVariant();
        QTest::newRow("not json") << QByteArray("keep-alive") << QVariant();
        QTest::newRow("invalid utf-8") << QByteArray("{\"choices\":[{\"delta\":{\"content\":\"\xc3\x28\"}}]}") << QVariant();
    }
    void streamChunks()
    {
        QFETCH(QByteArray, json);
        QFETCH(QVariant, expected);
        const std::optional<QString> content = ChatWire::decodeStreamChunk(json);
        QCOMPARE(content.has_value(), expected.isValid());
        if (content)
            QCOMPARE(*content, expected.toString());
    }

    void lineSplitting_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("lf") << QByteArray("a\nb\n\nc") << QList<QByteArray>{"a", "b", "", "c"};
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n\r\n") << QList<QByteArray>{"a", "b", ""};
        QTest::newRow("cr") << QByteArray("a\rb\r\r") << QList<QByteArray>{"a", "b", ""};
        QTest::newRow("overlong dropped") << QByteArray("ok\n") + QByteArray(20, 'x') + "\nnext" << QList<QByteArray>{"ok", "next"};
        QTest::newRow("overlong at the end") << QByteArray("ok\n") + QByteArray(20, 'x') << QList<QByteArray>{"ok"};
        QTest::newRow("exactly the cap") << QByteArray(16, 'y') + "\n" << QList<QByteArray>{QByteArray(16, 'y')};
    }

    void lineSplitting()
    {
        QFETCH(QByteArray, input);
        QFETCH(QList<QByteArray>, lines);
        // The same lines whatever the chunk boundaries.
        for (qsizetype cut = 0; cut <= input.size(); ++cut) {
            LineSplitter splitter(16);
            QList<QByteArray> seen;
            const auto keep = [&seen](QByteArrayView line) {
                seen.append(line.toByteArray());
                return true;
            };
            splitter.feed(input.left(cut), keep);
            splitter.feed(input.mid(cut), keep);
            splitter.finish(keep);
            QCOMPARE(seen, lines);
        }
    }

    void lineSplittingStopsWhenAsked()
    {
        LineSplitter splitter(100);
        QList<QByteArray> seen;
        const bool finished = splitter.feed("a\nstop\nb\n", [&seen](QByteArrayView line) {
            seen.append(line.toByteArray());
            return line != "stop";
        });
        QVERIFY(!finished);
        QCOMPARE(seen, QList<QByteArray>({"a", "stop"}));
    }
};

QTEST_GUILESS_MAIN(TestLocalModelConfig)
#include "test_localmodelconfig.moc"
