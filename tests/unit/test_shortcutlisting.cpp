#include "actions/shortcutlisting.h"

#include <QTest>

namespace {
const QString id1 = QStringLiteral("0A1B2C3D-4E5F-5A6B-8C7D-9E0F1A2B3C4D");
const QString id2 = QStringLiteral("11111111-2222-5333-8444-555555555555");
const QString id3 = QStringLiteral("AAAAAAAA-BBBB-5CCC-8DDD-EEEEEEEEEEEE");

ShortcutInfo same(const QString &line)
{
    return {line, line};
}
} // namespace

namespace QTest {
template <> char *toString(const ShortcutInfo &info)
{
    return qstrdup(QStringLiteral("(%1 | %2)").arg(info.name, info.id).toUtf8().constData());
}
} // namespace QTest

class TestShortcutListing final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parsesListings_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QList<ShortcutInfo>>("expected");
        const QByteArray a = id1.toLatin1();
        const QByteArray b = id2.toLatin1();

        QTest::newRow("name and identifier") << "Upper Case (" + a + ")\n" << QList<ShortcutInfo>{{"Upper Case", id1}};
        QTest::newRow("order of lines, blank lines and CRLF")
            << "First (" + a + ")\r\n\r\n \t \nSecond (" + b + ")" << QList<ShortcutInfo>{{"First", id1}, {"Second", id2}};
        QTest::newRow("spaces and tabs around") << "\t  Upper (" + a + ")  \t" << QList<ShortcutInfo>{{"Upper", id1}};
        QTest::newRow("other white space stays in the name")
            << "\xc2\xa0Upper (" + a + ")" << QList<ShortcutInfo>{{QStringLiteral("\u00a0Upper"), id1}};
        QTest::newRow("parentheses in the name: the last ones are the identifier")
            << "Fix (draft) (v2) (" + a + ")" << QList<ShortcutInfo>{{"Fix (draft) (v2)", id1}};
        QTest::newRow("a short word in parentheses") << QByteArray("Notes (draft)") << QList<ShortcutInfo>{same("Notes (draft)")};
        QTest::newRow("no identifier") << QByteArray("Plain") << QList<ShortcutInfo>{same("Plain")};
        QTest::newRow("no space before the parenthesis")
            << "Upper(" + a + ")" << QList<ShortcutInfo>{same("Upper(" + id1 + ")")};
        QTest::newRow("36 characters, 3 hyphens")
            << QByteArray("X (0A1B2C3D-4E5F-5A6B-8C7D09E0F1A2B3C4D)")
            << QList<ShortcutInfo>{same("X (0A1B2C3D-4E5F-5A6B-8C7D09E0F1A2B3C4D)")};
        QTest::newRow("35 characters, 4 hyphens")
            << QByteArray("X (0A1B2C3D-4E5F-5A6B-8C7D-9E0F1A2B3C4)")
            << QList<ShortcutInfo>{same("X (0A1B2C3D-4E5F-5A6B-8C7D-9E0F1A2B3C4)")};
        QTest::newRow("37 characters, 4 hyphens")
            << QByteArray("X (0A1B2C3D-4E5F-5A6B-8C7D-9E0F1A2B3C4DD)")
            << QList<ShortcutInfo>{same("X (0A1B2C3D-4E5F-5A6B-8C7D-9E0F1A2B3C4DD)")};
        // Characters as a reader counts them: an emoji is one, though two UTF-16 units.
        QTest::newRow("36 characters with an emoji")
            << QByteArray("X (0A1B2C3D-4E5F-5A6B-8C7D-9E0F1A2B3C4\xf0\x9f\x98\x80)")
            << QList<ShortcutInfo>{{"X", QStringLiteral("0A1B2C3D-4E5F-5A6B-8C7D-9E0F1A2B3C4\U0001F600")}};
        QTest::newRow("text after the closing parenthesis")
            << "Upper (" + a + ") x" << QList<ShortcutInfo>{same("Upper (" + id1 + ") x")};
        QTest::newRow("nothing before the identifier") << " (" + a + ")" << QList<ShortcutInfo>{same("(" + id1 + ")")};
        QTest::newRow("a double space leaves one in the name")
            << "x  (" + a + ")" << QList<ShortcutInfo>{{"x ", id1}};
        QTest::newRow("lone parentheses") << QByteArray(")\n(\n ()\n") << QList<ShortcutInfo>{same(")"), same("("), same("()")};
        QTest::newRow("invalid UTF-8 becomes replacement characters")
            << "Caf\xff\xfe (" + a + ")" << QList<ShortcutInfo>{{QStringLiteral("Caf\ufffd\ufffd"), id1}};
        QTest::newRow("a NUL inside a name") << QByteArray("A\0B", 3) << QList<ShortcutInfo>{same(QString::fromUtf8("A\0B", 3))};
        QTest::newRow("empty output") << QByteArray() << QList<ShortcutInfo>{};
    }

    void parsesListings()
    {
        QFETCH(QByteArray, output);
        QFETCH(QList<ShortcutInfo>, expected);
        QCOMPARE(parseShortcutListing(QString::fromUtf8(output)), expected);
    }

    void folderNamesAreTheNonEmptyLines()
    {
        QCOMPARE(parseFolderNames(QStringLiteral("Text\n\nCode\r\nWeb")),
                 (QStringList{QStringLiteral("Text"), QStringLiteral("Code"), QStringLiteral("Web")}));
        QCOMPARE(parseFolderNames(QStringLiteral(" Spaced \n")), QStringList{QStringLiteral(" Spaced ")});
        QCOMPARE(parseFolderNames(QString()), QStringList{});
    }

    void groupsFolders_data()
    {
        QTest::addColumn<QList<ShortcutInfo>>("all");
        QTest::addColumn<QList<ShortcutFolder>>("listed");
        QTest::addColumn<QList<ShortcutFolder>>("expected");
        const ShortcutInfo upper{QStringLiteral("Upper"), id1};
        const ShortcutInfo sort{QStringLiteral("Sort"), id2};
        const ShortcutInfo count{QStringLiteral("Count"), id3};
        const QList<ShortcutInfo> all{upper, sort, count};

        QTest::newRow("no folders: one folder of everything")
            << all << QList<ShortcutFolder>{} << QList<ShortcutFolder>{{QStringLiteral("All Shortcuts"), all}};
        QTest::newRow("only empty folders count as none")
            << all << QList<ShortcutFolder>{{QStringLiteral("Empty"), {}}}
            << QList<ShortcutFolder>{{QStringLiteral("All Shortcuts"), all}};
        QTest::newRow("the rest goes to Other, in the order of the whole list")
            << all << QList<ShortcutFolder>{{QStringLiteral("Empty"), {}}, {QStringLiteral("Text"), {sort}}}
            << QList<ShortcutFolder>{{QStringLiteral("Text"), {sort}}, {QStringLiteral("Other"), {upper, count}}};
        QTest::newRow("everything in folders: no Other")
            << all << QList<ShortcutFolder>{{QStringLiteral("B"), {count, upper}}, {QStringLiteral("A"), {sort}}}
            << QList<ShortcutFolder>{{QStringLiteral("B"), {count, upper}}, {QStringLiteral("A"), {sort}}};
        QTest::newRow("a shortcut only a folder lists stays in it")
            << QList<ShortcutInfo>{upper} << QList<ShortcutFolder>{{QStringLiteral("Text"), {sort}}}
            << QList<ShortcutFolder>{{QStringLiteral("Text"), {sort}}, {QStringLiteral("Other"), {upper}}};
        QTest::newRow("nothing anywhere") << QList<ShortcutInfo>{} << QList<ShortcutFolder>{} << QList<ShortcutFolder>{};
    }

    void groupsFolders()
    {
        QFETCH(QList<ShortcutInfo>, all);
        QFETCH(QList<ShortcutFolder>, listed);
        QFETCH(QList<ShortcutFolder>, expected);
        QCOMPARE(groupShortcutFolders(all, listed), expected);
    }
};

QTEST_GUILESS_MAIN(TestShortcutListing)
#include "test_shortcutlisting.moc"
