#include "modelserverprocess.h"
#include "net/httpclient.h"
#include "taskrunner.h"
#include "testsupport.h"
#include "ui/faviconstore.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using S = ModelServerProcess;

namespace {

QByteArray encoded(const QColor &color, const char *format, int side = 32)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

const QByteArray kSvg = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 16 16" width="16" height="16"><rect width="16" height="16" fill="#00ff00"/></svg>)";

QJsonObject page(const QByteArray &html, int status = 200)
{
    return S::text(status, html, "text/html; charset=utf-8");
}

QJsonObject icon(const QByteArray &bytes, const QByteArray &type)
{
    return S::text(200, bytes, type);
}

QJsonObject redirect(const QString &location)
{
    return QJsonObject{{"status", 302}, {"headers", QJsonObject{{"Location", location}}}, {"parts", QJsonArray()}};
}

QColor centreColour(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

// Site icons fetched from a real HTTP server on the loopback interface and kept in a folder.
class TestFaviconStore final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(m_server.isRunning()); }
    void init()
    {
        m_server.forgetEvents();
        m_folder.emplace();
        QVERIFY(m_folder->isValid());
    }

    // Each row: the server's answers in order, the paths it must be asked for, and the picture kept.
    void fetch_data()
    {
        QTest::addColumn<QList<QJsonObject>>("answers");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QByteArray>("kept"); // the file's bytes; empty: nothing kept
        QTest::addColumn<QColor>("colour");
        const QByteArray png = encoded(Qt::red, "PNG");
        const QByteArray ico = encoded(Qt::blue, "ICO");
        const QByteArray links = R"(<html><head><link rel="icon" sizes="16x16" href="/small.png">
            <link rel="apple-touch-icon" sizes="180x180" href="/apple.png"></head></html>)";
        QTest::newRow("page with icon links, png")
            << QList<QJsonObject>{page(links), icon(png, "image/png")} << QStringList{"/site/", "/apple.png"} << png << QColor(Qt::red);
        QTest::newRow("redirected page, links relative to where it ended, ico")
            << QList<QJsonObject>{redirect("/moved/"), page(R"(<link rel="icon" href="icon.ico">)"), icon(ico, "image/x-icon")}
            << QStringList{"/site/", "/moved/", "/moved/icon.ico"} << ico << QColor(Qt::blue);
        QTest::newRow("404 link, then /favicon.ico of the page's host, svg")
            << QList<QJsonObject>{page(R"(<link rel="icon" href="/gone.png">)"), S::text(404, "missing"), icon(kSvg, "image/svg+xml")}
            << QStringList{"/site/", "/gone.png", "/favicon.ico"} << kSvg << QColor(Qt::green);
        QTest::newRow("html served as the icon is skipped")
            << QList<QJsonObject>{page(R"(<link rel="icon" href="/fake.png">)"), page("<html>not an image</html>"), icon(png, "image/png")}
            << QStringList{"/site/", "/fake.png", "/favicon.ico"} << png << QColor(Qt::red);
        QTest::newRow("an icon with another status than 200 is skipped")
            << QList<QJsonObject>{page(R"(<link rel="icon" href="/partial.png">)"), S::text(203, png, "image/png"), icon(ico, "image/x-icon")}
            << QStringList{"/site/", "/partial.png", "/favicon.ico"} << ico << QColor(Qt::blue);
        QTest::newRow("page failing: only /favicon.ico")
            << QList<QJsonObject>{page("<p>server error</p>", 500), icon(ico, "image/x-icon")}
            << QStringList{"/site/", "/favicon.ico"} << ico << QColor(Qt::blue);
        QTest::newRow("nothing usable: nothing kept")
            << QList<QJsonObject>{page("<p>no links</p>"), S::text(404, "")}
            << QStringList{"/site/", "/favicon.ico"} << QByteArray() << QColor();
    }
    void fetch()
    {
        QFETCH(QList<QJsonObject>, answers);
        QFETCH(QStringList, paths);
        QFETCH(QByteArray, kept);
        QFETCH(QColor, colour);
        for (const QJsonObject &answer : answers)
            QVERIFY(m_server.enqueue(answer));
        HttpClient http;
        FaviconStore store(http, m_folder->path());
        QSignalSpy changed(&store, &FaviconStore::imagesChanged);
        QVERIFY(!TaskRunner::run(store.fetch(siteAddress())));

        QStringList asked;
        for (const QJsonObject &request : m_server.requests(int(paths.size()))) {
            asked.append(request.value("path").toString());
            QCOMPARE(request.value("headers")["user-agent"].toString(), QString(FaviconFetcher::kUserAgent));
        }
        QCOMPARE(asked, paths);
        QFile file(m_folder->filePath("127.0.0.1"));
        if (kept.isEmpty()) {
            QVERIFY(!file.exists());
            QVERIFY(store.icon(siteAddress()).isNull());
            QCOMPARE(changed.size(), 0);
            return;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kept);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(centreColour(store.images().value("127.0.0.1")), colour);
        QVERIFY(!store.icon(siteAddress()).isNull());
        // Another address of the same host shares the icon; another host has none.
        QVERIFY(!store.icon(QString("http://127.0.0.1:%1/other/page").arg(m_server.port())).isNull());
        QVERIFY(store.icon("https://example.com/").isNull());
    }

    void loadsTheFolderAtStart()
    {
        const auto write = [this](const QString &name, const QByteArray &bytes) {
            QFile file(m_folder->filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        QVERIFY(write("example.com", encoded(Qt::red, "PNG")));
        QVERIFY(write("ico.example", encoded(Qt::blue, "ICO", 48)));
        QVERIFY(write("svg.example", kSvg));
        QVERIFY(write("garbage.example", "<html>not an image</html>"));
        QVERIFY(write("empty.example", ""));
        QVERIFY(QDir(m_folder->path()).mkdir("folder.example"));
        HttpClient http;
        const FaviconStore store(http, m_folder->path());
        QStringList names = store.images().keys();
        names.sort();
        QCOMPARE(names, QStringList({"example.com", "ico.example", "svg.example"}));
        QVERIFY(!store.icon("https://WWW.Example.com/some/page").isNull());
        QVERIFY(store.icon("mailto:someone@example.com").isNull());
    }

    void aMissingFolderIsEmptyAndMadeOnSave()
    {
        const QString folder = m_folder->filePath("not/yet/there");
        QVERIFY(m_server.enqueue(page(R"(<link rel="icon" href="/i.png">)")));
        QVERIFY(m_server.enqueue(icon(encoded(Qt::red, "PNG"), "image/png")));
        HttpClient http;
        FaviconStore store(http, folder);
        QVERIFY(store.images().isEmpty());
        QVERIFY(!TaskRunner::run(store.fetch(siteAddress())));
        QVERIFY(QFile::exists(folder + "/127.0.0.1"));
    }

    void aFailedFetchKeepsTheKnownIcon()
    {
        QFile file(m_folder->filePath("127.0.0.1"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(encoded(Qt::red, "PNG"));
        file.close();
        QVERIFY(m_server.enqueue(page("<p>nothing</p>")));
        QVERIFY(m_server.enqueue(S::text(404, "")));
        HttpClient http;
        FaviconStore store(http, m_folder->path());
        QVERIFY(!TaskRunner::run(store.fetch(siteAddress())));
        QCOMPARE(centreColour(store.images().value("127.0.0.1")), QColor(Qt::red));
    }

    void notWebAddressesAreNotFetched()
    {
        HttpClient http;
        FaviconStore store(http, m_folder->path());
        for (const QString address : {"mailto:a@example.com", "obsidian://open?vault=x", "file:///etc/passwd", "not an address"})
            QVERIFY(!TaskRunner::run(store.fetch(address)));
        QCOMPARE(m_server.requests(1, 300).size(), 0);
    }

    void aHugePageIsReadOnlyToTheSearchedPart()
    {
        // 50 MB of page whose icon link comes after the part that is searched.
        QJsonObject huge{{"status", 200},
                         {"headers", QJsonObject{{"Content-Type", "text/html"}}},
                         {"parts", QJsonArray{QJsonObject{{"text", QString(1000, 'x')}, {"repeat", 50000}},
                                              QJsonObject{{"text", R"(<link rel="icon" href="/late.png">)"}}}}};
        QVERIFY(m_server.enqueue(huge));
        QVERIFY(m_server.enqueue(icon(encoded(Qt::red, "PNG"), "image/png")));
        HttpClient http;
        FaviconStore store(http, m_folder->path());
        const qint64 before = TestSupport::residentKilobytes();
        QVERIFY(!TaskRunner::run(store.fetch(siteAddress())));
        const qint64 grown = TestSupport::residentKilobytes() - before;
        QVERIFY2(grown < 16 * 1024, qPrintable(QString::number(grown)));
        const QList<QJsonObject> requests = m_server.requests(2);
        QCOMPARE(requests.value(1).value("path").toString(), QString("/favicon.ico"));
        // The page's connection was dropped long before its end.
        QCOMPARE(m_server.events("disconnected", 1).value(0).value("id"), requests.value(0).value("id"));
        QVERIFY(!store.icon(siteAddress()).isNull());
    }

    void aSilentServerTimesOutWithoutBlocking()
    {
        // Not even a status line for a minute.
        QVERIFY(m_server.enqueue(QJsonObject{{"raw", true}, {"parts", QJsonArray{QJsonObject{{"text", "HTTP/1.1 200 OK\r\n\r\n"}, {"delayMs", 60000}}}}}));
        QVERIFY(m_server.enqueue(icon(encoded(Qt::red, "PNG"), "image/png")));
        HttpClient http;
        FaviconStore store(http, m_folder->path());
        // The event loop keeps running while the fetch waits: a wheel would still open and paint.
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(50);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!TaskRunner::run(store.fetch(siteAddress())));
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 9500 && elapsed < 15000, qPrintable(QString::number(elapsed)));
        QVERIFY2(ticks > elapsed / 50 / 2, qPrintable(QString::number(ticks)));
        QVERIFY(!store.icon(siteAddress()).isNull());
    }

private:
    QString siteAddress() const { return QString("http://127.0.0.1:%1/site/").arg(m_server.port()); }

    ModelServerProcess m_server;
    std::optional<QTemporaryDir> m_folder;
};

QTEST_MAIN(TestFaviconStore)
#include "test_faviconstore.moc"
