#include "app/configkeys.h"
#include "platform/jsonfiledefaults.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The keys `ringle config` knows, as their owners declare them, against a configuration an earlier
// build stored (tests/fixtures/storedconfig).
class TestConfigSchema final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        const QString path = m_home.filePath(QStringLiteral("defaults.json"));
        QVERIFY(QFile::copy(qEnvironmentVariable("RINGLE_FIXTURES_DIR") + QStringLiteral("/storedconfig/Ringle/defaults.json"),
                            path));
        m_stored = std::make_unique<JsonFileDefaults>(path);
    }

    void namesAreUniqueAndEveryKeyIsStoredInTheFixture()
    {
        QSet<QString> seen;
        for (const SettingKey *key : ConfigKeys::all()) {
            QVERIFY2(!seen.contains(key->name), qPrintable(key->name));
            seen.insert(key->name);
            QVERIFY2(!key->description.isEmpty(), qPrintable(key->name));
            QVERIFY2(m_stored->value(key->name), qPrintable(key->name));
        }
        const QStringList stored = m_stored->keys();
        QCOMPARE(seen, QSet<QString>(stored.cbegin(), stored.cend()));
    }

    // What `get` prints of a stored value, `set` takes back as the very same value.
    void everyStoredValueReadsBackThroughItsKey()
    {
        for (const SettingKey *key : ConfigKeys::all()) {
            const UserDefaults::Value stored = *m_stored->value(key->name);
            QVERIFY2(key->holdsReadableType(stored), qPrintable(key->name));
            const SettingKey::Parsed parsed = key->parse(SettingKey::format(stored));
            QVERIFY2(parsed.value, qPrintable(key->name + QStringLiteral(": ") + parsed.error));
            QVERIFY2(*parsed.value == stored, qPrintable(key->name));
        }
    }

    // A flag or a choice falls back to its stated default when nothing, or something unusable, is stored.
    void defaultsOfFlagsAndChoices()
    {
        JsonFileDefaults empty(m_home.filePath(QStringLiteral("empty.json")));
        empty.setString(QStringLiteral("wheelMouseButton"), QStringLiteral("Middle"));
        empty.setInt(QStringLiteral("wheelFollowsApp"), 0);
        for (const SettingKey *key : ConfigKeys::all()) {
            if (key->type == SettingKey::Type::boolean)
                QCOMPARE(SettingKey::format(key->isOn(empty)), key->defaultText);
            else if (!key->choices.isEmpty())
                QCOMPARE(key->chosen(empty), key->defaultText);
        }
    }

private:
    QTemporaryDir m_home;
    std::unique_ptr<JsonFileDefaults> m_stored;
};

QTEST_GUILESS_MAIN(TestConfigSchema)
#include "test_configschema.moc"
