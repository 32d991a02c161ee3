#include "actions/faviconfetcher.h"
#include "actions/iconlinks.h"

#include <QTest>

// The icon links of a page, best first, and the icon files' names.
class TestIconLinks final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void links_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("apple-touch before a larger plain icon")
            << R"(<link rel="icon" sizes="32x32" href="/i32.png"><link rel="apple-touch-icon" sizes="180x180" href="/apple.png"><link rel="icon" sizes="512x512" href="/i512.png">)"
            << QStringList{"https://example.com/apple.png", "https://example.com/i512.png", "https://example.com/i32.png"};
        QTest::newRow("apple-touch without sizes still first")
            << R"(<link rel="icon" sizes="999x999" href="/big.png"><link rel="apple-touch-icon-precomposed" href="/apple.png">)"
            << QStringList{"https://example.com/apple.png", "https://example.com/big.png"};
        QTest::newRow("without sizes after those with sizes, page order kept")
            << R"(<link rel="icon" href="/a.ico"><link rel="shortcut icon" href="/b.ico"><link rel="icon" sizes="16x16" href="/c.png"><link rel="icon" href="/d.ico">)"
            << QStringList{"https://example.com/c.png", "https://example.com/a.ico", "https://example.com/b.ico", "https://example.com/d.ico"};
        QTest::newRow("sizes: any, a list, upper-case X, signs")
            << R"(<link rel=icon sizes=any href=/any.svg><link rel=icon sizes="32x32 16x16" href=/list.png><link rel=icon sizes="64X64" href=/upper.png><link rel=icon sizes="+20x20" href=/plus.png><link rel=icon sizes="-5x-5" href=/minus.png>)"
            << QStringList{"https://example.com/list.png", "https://example.com/plus.png", "https://example.com/any.svg", "https://example.com/upper.png", "https://example.com/minus.png"};
        QTest::newRow("a width past the integer range")
            << R"(<link rel="icon" sizes="99999999999999999999x1" href="/huge.png"><link rel="apple-touch-icon" sizes="9223372036854775807x1" href="/max.png"><link rel="icon" sizes="10x10" href="/ten.png">)"
            << QStringList{"https://example.com/max.png", "https://example.com/ten.png", "https://example.com/huge.png"};
        QTest::newRow("quoting forms and case")
            << R"(<LINK REL='ICON' HREF='/single.png'><link Rel = "Icon" Href = "/double.png"><link rel=icon href=/bare.png>)"
            << QStringList{"https://example.com/single.png", "https://example.com/double.png", "https://example.com/bare.png"};
        QTest::newRow("tags without rel, without icon, without href")
            << R"(<link href="/norel.png"><link rel="stylesheet" href="/s.css"><link rel="icon"><link rel="mask-icon" href="/mask.svg">)"
            << QStringList{"https://example.com/mask.svg"};
        QTest::newRow("relative, protocol-relative and absolute addresses")
            << R"(<link rel="icon" href="img/rel.png"><link rel="icon" href="//cdn.example.net/p.png"><link rel="icon" href="http://other.org/a.png"><link rel="icon" href="../up.png">)"
            << QStringList{"https://example.com/blog/img/rel.png", "https://cdn.example.net/p.png", "http://other.org/a.png", "https://example.com/up.png"};
        QTest::newRow("addresses that do not parse are skipped")
            << R"(<link rel="icon" href="http://[::1"><link rel="icon" href="/fine.png">)"
            << QStringList{"https://example.com/fine.png"};
        QTest::newRow("linkage is not a link tag")
            << R"(<linkage rel="icon" href="/no.png"><link/rel="icon"/href="/yes.png">)"
            << QStringList{"https://example.com/yes.png"};
        QTest::newRow("an unterminated tag") << R"(<link rel="icon" href="/x.png")" << QStringList();
        QTest::newRow("no tags at all") << "<html><body>hello</body></html>" << QStringList();
    }
    void links()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, expected);
        QStringList found;
        for (const QUrl &url : iconLinks(page, QUrl("https://example.com/blog/post.html")))
            found.append(url.toString());
        QCOMPARE(found, expected);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("name");
        QTest::newRow("www and case") << "WWW.Example.COM" << "example.com";
        QTest::newRow("without www") << "example.com" << "example.com";
        QTest::newRow("www only once") << "www.www.example.com" << "www.example.com";
        QTest::newRow("www without its dot stays") << "wwwexample.com" << "wwwexample.com";
        QTest::newRow("dash and digits kept") << "my-site2.example" << "my-site2.example";
        QTest::newRow("other characters") << "a_b~c!d" << "a_b_c_d";
        QTest::newRow("address") << "127.0.0.1" << "127.0.0.1";
        QTest::newRow("v6 address") << "[::1]" << "___1_";
    }
    void fileNames()
    {
        QFETCH(QString, host);
        QFETCH(QString, name);
        QCOMPARE(FaviconFetcher::fileName(host), name);
    }
};

QTEST_GUILESS_MAIN(TestIconLinks)
#include "test_iconlinks.moc"
