#include "modelserverprocess.h"
#include "net/httpclient.h"
#include "net/proxyenvironment.h"
#include "taskrunner.h"
#include "testsupport.h"

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using S = ModelServerProcess;
using Kind = HttpFailure::Kind;

namespace {

QJsonObject redirect(int status, const QString &location)
{
    return QJsonObject{{"status", status}, {"headers", QJsonObject{{"Location", location}}}, {"parts", QJsonArray()}};
}

QJsonObject endlessBody(qint64 repeat = -1)
{
    return QJsonObject{{"status", 200}, {"framing", "chunked"}, {"parts", QJsonArray{QJsonObject{{"text", QString(1024, 'x')}, {"repeat", repeat}}}}};
}

struct Answer {
    std::optional<int> status;
    QByteArray body;
    QUrl finalUrl;
};

QCoro::Task<Answer> fetch(HttpClient &client, HttpRequest request)
{
    const std::unique_ptr<HttpStream> stream = client.open(request);
    Answer answer;
    answer.body = co_await stream->readRest();
    answer.status = stream->statusCode();
    answer.finalUrl = stream->finalUrl();
    co_return answer;
}

HttpRequest get(const QUrl &url, int maxRedirects = 10)
{
    HttpRequest request;
    request.url = url;
    request.inactivityTimeout = std::chrono::seconds(5);
    request.maxRedirects = maxRedirects;
    return request;
}

std::optional<Kind> failureKind(const std::exception_ptr &error)
{
    if (const std::optional<HttpFailure> failure = TaskRunner::errorAs<HttpFailure>(error))
        return failure->kind();
    return std::nullopt;
}

// Sets an environment variable for one scope.
class ScopedVariable final {
public:
    ScopedVariable(const char *name, const QByteArray &value)
        : m_name(name)
        , m_old(qgetenv(name))
        , m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_old;
    bool m_had;
};

} // namespace

// The HTTP layer against real servers on the loopback interface.
class TestHttpClient final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.isRunning());
        QVERIFY(m_folder.isValid());
    }
    void init() { m_server.forgetEvents(); }

    // Kept out of memory until a request needs it; first, before any other case sends one.
    void libcurlIsLoadedWithTheFirstRequest()
    {
        const auto loaded = [] {
            QFile maps(u"/proc/self/maps"_qs);
            return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libcurl");
        };
        HttpClient client;
        QVERIFY(!loaded());
        QVERIFY(m_server.enqueue(S::text(200, "hello")));
        const auto outcome = TaskRunner::run(fetch(client, get(m_server.url())));
        QVERIFY(outcome.value);
        QCOMPARE(outcome.value->body, QByteArray("hello"));
        QVERIFY(loaded());
    }

    void followsARedirect()
    {
        QVERIFY(m_server.enqueue(redirect(302, "/final")));
        QVERIFY(m_server.enqueue(S::text(200, "arrived")));
        HttpClient client;
        const auto outcome = TaskRunner::run(fetch(client, get(m_server.url().resolved(QUrl("/start")))));
        QVERIFY(outcome.value);
        QCOMPARE(outcome.value->body, QByteArray("arrived"));
        QCOMPARE(outcome.value->status, std::optional<int>(200));
        QCOMPARE(outcome.value->finalUrl.path(), QString("/final"));
        const QList<QJsonObject> requests = m_server.requests(2);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests[1].value("path").toString(), QString("/final"));
    }

    void redirectWithoutFollowingIsTheAnswer()
    {
        QVERIFY(m_server.enqueue(redirect(301, "/elsewhere")));
        HttpClient client;
        const auto outcome = TaskRunner::run(fetch(client, get(m_server.url(), 0)));
        QVERIFY(outcome.value);
        QCOMPARE(outcome.value->status, std::optional<int>(301));
        QCOMPARE(m_server.requests(2, 300).size(), 1);
    }

    void redirectLoopIsBounded()
    {
        ModelServerProcess looping;
        QVERIFY(looping.setDefault(redirect(302, "/again")));
        HttpClient client;
        const auto outcome = TaskRunner::run(fetch(client, get(looping.url(), 5)));
        QCOMPARE(failureKind(outcome.error), std::optional<Kind>(Kind::other));
        // The first request and five redirects, no more.
        QCOMPARE(looping.requests(7, 500).size(), 6);
    }

    void httpsTrustsOnlyKnownAuthorities_data()
    {
        QTest::addColumn<QString>("trusted"); // "": the system's store
        QTest::addColumn<bool>("accepted");
        QTest::newRow("system store") << "" << false;
        QTest::newRow("the server's authority") << "ca" << true;
        QTest::newRow("another authority") << "other" << false;
    }
    void httpsTrustsOnlyKnownAuthorities()
    {
        QFETCH(QString, trusted);
        QFETCH(bool, accepted);
        QVERIFY(makeCertificates());
        ModelServerProcess secure({m_folder.filePath("server.pem"), m_folder.filePath("server.key")});
        QVERIFY(secure.isRunning());
        QCOMPARE(secure.url().scheme(), QString("https"));
        QVERIFY(secure.enqueue(S::text(200, "secret")));
        HttpClient client;
        if (!trusted.isEmpty()) {
            QFile authority(m_folder.filePath(trusted + ".pem"));
            QVERIFY(authority.open(QIODevice::ReadOnly));
            client.trustOnly(authority.readAll());
        }
        const auto outcome = TaskRunner::run(fetch(client, get(secure.url())));
        if (accepted) {
            QVERIFY(outcome.value);
            QCOMPARE(outcome.value->body, QByteArray("secret"));
        } else {
            QCOMPARE(failureKind(outcome.error), std::optional<Kind>(Kind::other));
            QCOMPARE(secure.requests(1, 300).size(), 0);
        }
    }

    void proxySeesTheRequest_data()
    {
        QTest::addColumn<QByteArray>("noProxy");
        QTest::addColumn<bool>("viaProxy");
        QTest::newRow("proxied") << QByteArray() << true;
        QTest::newRow("other hosts excluded") << QByteArray("localhost,.elsewhere.invalid") << true;
        QTest::newRow("this domain excluded") << QByteArray("example.invalid") << false;
    }
    void proxySeesTheRequest()
    {
        QFETCH(QByteArray, noProxy);
        QFETCH(bool, viaProxy);
        const ScopedVariable proxy("http_proxy", m_server.url().toEncoded());
        const ScopedVariable exceptions("no_proxy", noProxy);
        if (viaProxy)
            QVERIFY(m_server.enqueue(S::text(200, "through the proxy")));
        HttpClient client;
        const QUrl target("http://models.example.invalid/v1/models");
        const auto outcome = TaskRunner::run(fetch(client, get(target)));
        if (!viaProxy) {
            // Direct, to a host that cannot exist.
            QCOMPARE(failureKind(outcome.error), std::optional<Kind>(Kind::unreachable));
            QCOMPARE(m_server.requests(1, 300).size(), 0);
            return;
        }
        QVERIFY(outcome.value);
        QCOMPARE(outcome.value->body, QByteArray("through the proxy"));
        const QJsonObject request = m_server.requests(1).value(0);
        QCOMPARE(request.value("path").toString(), target.toString());
        QCOMPARE(request.value("headers")["host"].toString(), QString("models.example.invalid"));
    }

    void proxyChoice_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("noProxy");
        QTest::addColumn<QString>("proxy");
        const QString http = "http://proxy.lan:3128";
        const QString https = "http://secure-proxy.lan:3129";
        QTest::newRow("http") << "http://example.com/" << "" << http;
        QTest::newRow("https") << "https://example.com/" << "" << https;
        QTest::newRow("loopback name") << "http://localhost:11434/" << "" << "";
        QTest::newRow("loopback address") << "http://127.0.0.1:8080/" << "" << "";
        QTest::newRow("loopback v6") << "http://[::1]:8080/" << "" << "";
        QTest::newRow("star") << "http://example.com/" << "*" << "";
        QTest::newRow("domain") << "http://www.example.com/" << "example.com" << "";
        QTest::newRow("leading dot") << "http://example.com/" << ".example.com" << "";
        QTest::newRow("not a suffix match") << "http://badexample.com/" << "example.com" << http;
        QTest::newRow("case") << "http://WWW.Example.COM/" << "example.com" << "";
        QTest::newRow("list with spaces") << "http://b.org/" << "a.org, b.org" << "";
        QTest::newRow("port matches") << "http://example.com:8080/" << "example.com:8080" << "";
        QTest::newRow("port differs") << "http://example.com/" << "example.com:8080" << http;
        QTest::newRow("subnet") << "http://10.1.2.3/" << "10.0.0.0/8" << "";
        QTest::newRow("outside subnet") << "http://11.1.2.3/" << "10.0.0.0/8" << http;
        QTest::newRow("address") << "http://192.168.1.5/" << "192.168.1.5" << "";
        QTest::newRow("other scheme") << "ftp://example.com/" << "" << "";
    }
    void proxyChoice()
    {
        QFETCH(QString, target);
        QFETCH(QString, noProxy);
        QFETCH(QString, proxy);
        const ProxyEnvironment environment{"proxy.lan:3128", "http://secure-proxy.lan:3129", noProxy};
        QCOMPARE(proxyFor(QUrl(target), environment), proxy);
    }

    void slowReaderKeepsMemoryBounded()
    {
        // The server writes as fast as loopback goes; the reader takes one chunk, then nothing for
        // two seconds. Only the small buffer may grow meanwhile; then reading goes on.
        QVERIFY(m_server.enqueue(endlessBody()));
        HttpClient client;
        HttpRequest request = get(m_server.url());
        request.maxBodyBytes = qint64(1) << 40;
        const std::unique_ptr<HttpStream> stream = client.open(request);
        QVERIFY(TaskRunner::run(stream->nextChunk()).value);
        const qint64 before = TestSupport::residentKilobytes();
        QTest::qWait(2000);
        const qint64 grown = TestSupport::residentKilobytes() - before;
        qInfo("memory grew by %lld KB while the reader paused", grown);
        QVERIFY2(grown < 16 * 1024, qPrintable(QString::number(grown)));
        qint64 read = 0;
        while (read < 64 * 1024 * 1024) {
            const auto chunk = TaskRunner::run(stream->nextChunk());
            if (const std::optional<HttpFailure> failure = TaskRunner::errorAs<HttpFailure>(chunk.error))
                QFAIL(qPrintable(failure->message()));
            QVERIFY(chunk.value && *chunk.value);
            read += (*chunk.value)->size();
        }
    }

    void bodyStopsAtTheCap()
    {
        QVERIFY(m_server.enqueue(endlessBody(50 * 1024)));
        HttpClient client;
        HttpRequest request = get(m_server.url());
        request.maxBodyBytes = 1024 * 1024;
        const qint64 before = TestSupport::residentKilobytes();
        const auto outcome = TaskRunner::run(fetch(client, request));
        QCOMPARE(failureKind(outcome.error), std::optional<Kind>(Kind::tooLarge));
        QVERIFY(TestSupport::residentKilobytes() - before < 16 * 1024);
        QCOMPARE(m_server.events("disconnected", 1).size(), 1);
    }

    void silenceIsUnreachable()
    {
        QVERIFY(m_server.enqueue(QJsonObject{{"parts", QJsonArray{QJsonObject{{"text", "late"}, {"delayMs", 3000}}}}}));
        HttpClient client;
        HttpRequest request = get(m_server.url());
        request.inactivityTimeout = std::chrono::milliseconds(300);
        QElapsedTimer clock;
        clock.start();
        const auto outcome = TaskRunner::run(fetch(client, request));
        QVERIFY2(!outcome.value, outcome.value ? outcome.value->body.constData() : "");
        QCOMPARE(failureKind(outcome.error), std::optional<Kind>(Kind::unreachable));
        QVERIFY(clock.elapsed() < 2000);
    }

private:
    // A certificate authority, a server certificate for 127.0.0.1 it signed, and an unrelated authority.
    bool makeCertificates()
    {
        if (QFile::exists(m_folder.filePath("server.pem")))
            return true;
        const auto openssl = [this](const QStringList &arguments) {
            QProcess process;
            process.setWorkingDirectory(m_folder.path());
            process.setProcessChannelMode(QProcess::MergedChannels);
            process.start("openssl", arguments);
            const bool done = process.waitForFinished(60000) && process.exitCode() == 0;
            if (!done)
                qWarning() << "openssl" << arguments << process.readAll();
            return done;
        };
        QFile extensions(m_folder.filePath("server.ext"));
        if (!extensions.open(QIODevice::WriteOnly))
            return false;
        extensions.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n");
        extensions.close();
        const auto authority = [&](const QString &name) {
            return openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", name + ".key", "-out", name + ".pem",
                            "-days", "2", "-subj", "/CN=Ringle test " + name});
        };
        return authority("ca") && authority("other")
            && openssl({"req", "-newkey", "rsa:2048", "-nodes", "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1"})
            && openssl({"x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
                        "-out", "server.pem", "-days", "2", "-extfile", "server.ext"});
    }

    ModelServerProcess m_server;
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestHttpClient)
#include "test_httpclient.moc"
