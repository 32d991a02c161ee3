#include "modelserverprocess.h"
#include "net/httpclient.h"
#include "platform/fake/fakeworkspace.h"
#include "platform/fake/memorydefaults.h"
#include "ui/faviconstore.h"
#include "ui/schemeappicons.h"
#include "ui/siteicons.h"
#include "wheel/wheelstore.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using S = ModelServerProcess;

namespace {
QByteArray png(const QColor &colour)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QList<WheelSet> withAddresses(const QStringList &addresses)
{
    QList<WheelSet> sets = WheelStore::shippedDefault();
    sets[0].rings[0].slots.clear();
    for (const QString &address : addresses)
        sets[0].rings[0].slots.append(WheelItem::openURL(address, QString()));
    return sets;
}
} // namespace

// Which icons are fetched, and when, as the stored sets change.
class TestSiteIcons final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fetchesWhatIsSavedOrMissing()
    {
        ModelServerProcess server;
        QVERIFY(server.isRunning());
        QTemporaryDir folder;
        const QString known = QString("http://127.0.0.1:%1/a/").arg(server.port());
        const QString added = QString("http://localhost:%1/b/").arg(server.port());
        QFile cached(folder.filePath("127.0.0.1"));
        QVERIFY(cached.open(QIODevice::WriteOnly));
        cached.write(png(Qt::red));
        cached.close();

        MemoryDefaults defaults;
        WheelStore store(defaults);
        store.setSets(withAddresses({known}));
        HttpClient http;
        FaviconStore favicons(http, folder.path());
        FakeWorkspace workspace;
        SchemeAppIcons schemeApps(workspace);
        const SiteIcons icons(favicons, schemeApps, store);
        // Known at start: nothing fetched.
        QVERIFY(!icons.icon(known).isNull());
        QCOMPARE(server.requests(1, 300).size(), 0);

        // A new website: fetched.
        QVERIFY(server.enqueue(S::text(200, R"(<link rel="icon" href="/b.png">)", "text/html")));
        QVERIFY(server.enqueue(S::text(200, png(Qt::green), "image/png")));
        store.setSets(withAddresses({known, added}));
        QVERIFY(QTest::qWaitFor([&] { return !icons.icon(added).isNull(); }, 5000));
        QCOMPARE(server.requests(2).size(), 2);

        // The same websites stored again: nothing new.
        server.forgetEvents();
        store.setSets(withAddresses({added, known}));
        QCOMPARE(server.requests(1, 300).size(), 0);

        // A website removed and saved again: fetched again, although its icon is known.
        store.setSets(withAddresses({added}));
        QVERIFY(server.enqueue(S::text(200, R"(<link rel="icon" href="/a.png">)", "text/html")));
        QVERIFY(server.enqueue(S::text(200, png(Qt::blue), "image/png")));
        store.setSets(withAddresses({added, known}));
        QVERIFY(QTest::qWaitFor([&] { return favicons.images().value("127.0.0.1").pixelColor(0, 0) == QColor(Qt::blue); }, 5000));
        QCOMPARE(server.requests(2).value(1).value("path").toString(), QString("/a.png"));
    }

    void asksForASchemesApplicationOnce()
    {
        QTemporaryDir folder;
        const QString iconFile = folder.filePath("mail.png");
        QFile file(iconFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(png(Qt::yellow));
        file.close();
        FakeWorkspace workspace;
        workspace.install(ApplicationInfo{"org.example.Mail", "Mail", iconFile, {}});
        workspace.setSchemeHandler("mailto", "org.example.Mail");

        MemoryDefaults defaults;
        WheelStore store(defaults);
        store.setSets(withAddresses({"mailto:a@example.com", "mailto:b@example.com", "unknown-scheme:x"}));
        HttpClient http;
        FaviconStore favicons(http, folder.filePath("icons"));
        SchemeAppIcons schemeApps(workspace);
        const SiteIcons icons(favicons, schemeApps, store);
        QVERIFY(QTest::qWaitFor([&] { return !icons.icon("mailto:c@example.com").isNull(); }, 2000));
        QVERIFY(icons.icon("unknown-scheme:y").isNull());
        store.setSets(withAddresses({"mailto:d@example.com", "unknown-scheme:z"}));
        QTest::qWait(50);
        QCOMPARE(workspace.handlerQueries(), 2); // mailto once, the unknown scheme once
    }
};

QTEST_MAIN(TestSiteIcons)
#include "test_siteicons.moc"
