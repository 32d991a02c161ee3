#include "platform/jsonfiledefaults.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestUserDefaults final : public QObject {
    Q_OBJECT

    QString path() const { return m_dir.path() + QStringLiteral("/Ringle/defaults.json"); }
    void writeFile(const QByteArray &bytes)
    {
        QDir().mkpath(m_dir.path() + QStringLiteral("/Ringle"));
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir m_dir;

private Q_SLOTS:
    void init() { QDir(m_dir.path()).removeRecursively(); QDir().mkpath(m_dir.path()); }

    void typesSurviveARestart()
    {
        {
            JsonFileDefaults d(path());
            d.setBool(QStringLiteral("flag"), true);
            d.setInt(QStringLiteral("count"), 1);
            d.setInt(QStringLiteral("big"), Q_INT64_C(9007199254740991));
            d.setDouble(QStringLiteral("ratio"), 1.0);
            d.setString(QStringLiteral("name"), QStringLiteral("Grüße ⌘"));
            d.setData(QStringLiteral("blob"), QByteArray("\x00\xff{\"a\":1}", 10));
        }
        JsonFileDefaults d(path());
        QCOMPARE(d.boolValue(QStringLiteral("flag")), std::optional<bool>(true));
        QCOMPARE(d.intValue(QStringLiteral("count")), std::optional<qint64>(1));
        QCOMPARE(d.intValue(QStringLiteral("big")), std::optional<qint64>(Q_INT64_C(9007199254740991)));
        // A double that happens to be whole stays a double, and an int never reads as a double.
        QCOMPARE(d.doubleValue(QStringLiteral("ratio")), std::optional<double>(1.0));
        QVERIFY(!d.intValue(QStringLiteral("ratio")));
        QVERIFY(!d.doubleValue(QStringLiteral("count")));
        QVERIFY(!d.boolValue(QStringLiteral("count")));
        QVERIFY(!d.stringValue(QStringLiteral("blob")));
        QCOMPARE(d.stringValue(QStringLiteral("name")), std::optional<QString>(QStringLiteral("Grüße ⌘")));
        QCOMPARE(d.dataValue(QStringLiteral("blob")), std::optional<QByteArray>(QByteArray("\x00\xff{\"a\":1}", 10)));
        QCOMPARE(d.keys().size(), 6);
    }

    void removeAndMissingKeys()
    {
        JsonFileDefaults d(path());
        QVERIFY(!d.value(QStringLiteral("nothing")));
        QVERIFY(!QFile::exists(path())); // reading never creates the file
        d.setString(QStringLiteral("k"), QStringLiteral("v"));
        d.remove(QStringLiteral("k"));
        JsonFileDefaults again(path());
        QVERIFY(!again.value(QStringLiteral("k")));
    }

    void unreadableFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not json") << QByteArray("{\"a\": {\"bool\": tru");
        QTest::newRow("array") << QByteArray("[1,2]");
        QTest::newRow("untagged value") << QByteArray("{\"a\": true}");
        QTest::newRow("two tags") << QByteArray("{\"a\": {\"bool\": true, \"int\": 1}}");
        QTest::newRow("bad base64") << QByteArray("{\"a\": {\"data\": \"***\"}}");
        QTest::newRow("fractional int") << QByteArray("{\"a\": {\"int\": 1.5}}");
        QTest::newRow("empty file") << QByteArray();
    }
    void unreadableFileIsKeptAside()
    {
        QFETCH(QByteArray, content);
        writeFile(content);
        JsonFileDefaults d(path());
        QVERIFY(!d.setAsidePath().isEmpty());
        QFile aside(d.setAsidePath());
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), content);
        d.setBool(QStringLiteral("fresh"), true);
        QVERIFY(d.lastWriteSucceeded());
        QCOMPARE(JsonFileDefaults(path()).boolValue(QStringLiteral("fresh")), std::optional<bool>(true));
    }

    void readableEntriesOfADamagedFileStayUsable()
    {
        writeFile("{\"good\": {\"string\": \"x\"}, \"bad\": {\"nope\": 1}}");
        JsonFileDefaults d(path());
        QCOMPARE(d.stringValue(QStringLiteral("good")), std::optional<QString>(QStringLiteral("x")));
        QVERIFY(!d.setAsidePath().isEmpty());
        // Other readers see the same at once, and setting it again to the same keeps it.
        d.setString(QStringLiteral("good"), QStringLiteral("x"));
        const JsonFileDefaults other(path());
        QVERIFY(other.setAsidePath().isEmpty());
        QCOMPARE(other.keys(), QStringList{QStringLiteral("good")});
        QCOMPARE(other.stringValue(QStringLiteral("good")), std::optional<QString>(QStringLiteral("x")));
    }

    void anotherWritersChangeIsNotLost()
    {
        JsonFileDefaults app(path());
        app.setString(QStringLiteral("modelServer"), QStringLiteral("a"));
        QSignalSpy changed(&app, &UserDefaults::valueChanged);
        {
            JsonFileDefaults cli(path());
            cli.setString(QStringLiteral("modelName"), QStringLiteral("llama"));
        }
        // The app's next write keeps the other writer's key.
        app.setBool(QStringLiteral("showResultFirst"), false);
        QCOMPARE(changed.count(), 2);
        JsonFileDefaults check(path());
        QCOMPARE(check.stringValue(QStringLiteral("modelName")), std::optional<QString>(QStringLiteral("llama")));
        QCOMPARE(check.stringValue(QStringLiteral("modelServer")), std::optional<QString>(QStringLiteral("a")));
        QCOMPARE(check.boolValue(QStringLiteral("showResultFirst")), std::optional<bool>(false));
    }

    // A watching instance hears of other writers without being asked for a value: an atomic
    // replace (a new file in the folder), a write in place, and a first file where none was.
    void watchedFileReportsOtherWritersAtOnce_data()
    {
        QTest::addColumn<bool>("fileAtStart");
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("atomic replace") << true << false;
        QTest::newRow("write in place") << true << true;
        QTest::newRow("first file") << false << false;
    }
    void watchedFileReportsOtherWritersAtOnce()
    {
        QFETCH(bool, fileAtStart);
        QFETCH(bool, inPlace);
        if (fileAtStart)
            writeFile(QByteArrayLiteral("{\"modelName\": {\"string\": \"a\"}}"));
        JsonFileDefaults app(path());
        app.watchForOtherWriters();
        QSignalSpy changed(&app, &UserDefaults::valueChanged);
        for (const char *name : {"b", "c"}) {
            const QByteArray json = QByteArrayLiteral("{\"modelName\": {\"string\": \"") + name + "\"}}";
            if (inPlace) {
                writeFile(json);
            } else {
                JsonFileDefaults cli(path());
                cli.setString(QStringLiteral("modelName"), QString::fromLatin1(name));
            }
            QVERIFY(changed.wait(1000));
            QCOMPARE(changed.takeFirst().at(0).toString(), QStringLiteral("modelName"));
            QTest::qWait(200);
            QVERIFY(changed.isEmpty());
        }
        // Its own writes are reported once, as before.
        app.setString(QStringLiteral("modelName"), QStringLiteral("d"));
        QTest::qWait(300);
        QCOMPARE(changed.count(), 1);
    }

    void settingTheSameValueWritesNothing()
    {
        JsonFileDefaults d(path());
        d.setInt(QStringLiteral("n"), 3);
        QSignalSpy changed(&d, &UserDefaults::valueChanged);
        d.setInt(QStringLiteral("n"), 3);
        QCOMPARE(changed.count(), 0);
        d.setDouble(QStringLiteral("n"), 3.0); // a type change is a change
        QCOMPARE(changed.count(), 1);
    }

    void pathFollowsXdgConfigHome()
    {
        qputenv("XDG_CONFIG_HOME", "/tmp/xdg-test");
        QCOMPARE(JsonFileDefaults::pathForDomain(QStringLiteral("Ringle")), QStringLiteral("/tmp/xdg-test/Ringle/defaults.json"));
        qputenv("XDG_CONFIG_HOME", "relative/path");
        QCOMPARE(JsonFileDefaults::pathForDomain(QStringLiteral("Varno")), QDir::homePath() + QStringLiteral("/.config/Varno/defaults.json"));
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_GUILESS_MAIN(TestUserDefaults)
#include "test_userdefaults.moc"
