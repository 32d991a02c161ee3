#include "base/websiteaddress.h"

#include <QTest>

class TestWebsiteAddress final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void websiteAddress_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare host") << "  example.org \n" << "https://example.org";
        QTest::newRow("http kept") << "http://example.org" << "http://example.org";
        QTest::newRow("mail") << "mailto:me@example.org" << "mailto:me@example.org";
        QTest::newRow("app scheme") << "obsidian://open?vault=Notes" << "obsidian://open?vault=Notes";
        QTest::newRow("local machine") << "intranet" << "";
        QTest::newRow("web without dot") << "http://printer/" << "";
        QTest::newRow("space inside") << "example.org/a b" << "";
        QTest::newRow("empty") << " \t" << "";
    }
    void websiteAddress()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const std::optional<QUrl> url = WebsiteAddress::url(input);
        QCOMPARE(url ? url->toString() : QString(), expected);
        if (url)
            QCOMPARE(WebsiteAddress::isWeb(*url), expected.startsWith("http"));
    }

    void websiteDisplayName()
    {
        QCOMPARE(WebsiteAddress::displayName("https://www.example.org/x"), QStringLiteral("example.org"));
        QCOMPARE(WebsiteAddress::displayName("https://docs.example.org"), QStringLiteral("docs.example.org"));
        QCOMPARE(WebsiteAddress::displayName("not an address"), QStringLiteral("not an address"));
        QVERIFY(!WebsiteAddress::isWeb(QUrl("ftp://example.org")));
    }

    void site_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("spaces, case, www, path") << "  WWW.Example.COM/path/x?q=1 \n" << "example.com";
        QTest::newRow("port dropped") << "example.com:8080" << "example.com";
        QTest::newRow("scheme kept subdomain") << "http://docs.google.com/document" << "docs.google.com";
        QTest::newRow("localhost with port") << "localhost:3000" << "localhost";
        QTest::newRow("single word") << "intranet" << "";
        QTest::newRow("space inside") << "exa mple.com" << "";
        QTest::newRow("empty") << "   " << "";
        QTest::newRow("no host") << "https://" << "";
        QTest::newRow("www only inner") << "mywww.example.com" << "mywww.example.com";
        QTest::newRow("user info dropped") << "https://me@example.com" << "example.com";
    }
    void site()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(WebsiteAddress::site(input).value_or(QString()), expected);
    }
};

QTEST_GUILESS_MAIN(TestWebsiteAddress)
#include "test_websiteaddress.moc"
