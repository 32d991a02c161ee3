#include "ai/localmodelconfig.h"
#include "globalshortcuts/registry.h"
#include "platform/fake/fakehotkeyservice.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelmousesettings.h"
#include "wheel/wheelstore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// A configuration written by an earlier build (tests/fixtures/storedconfig, made by
// write-storedconfig.sh: every key, every slot kind, custom combos and prompts, a recorded shortcut, a
// mouse setting) is read through the stores the app reads it with and written back through them;
// every file must come out byte for byte as it was.
namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The fixture's files by their path under the configuration home.
QHash<QString, QByteArray> filesUnder(const QString &root)
{
    QHash<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), contents(path));
    }
    return files;
}

bool copyTree(const QHash<QString, QByteArray> &files, const QString &root)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = root + QLatin1Char('/') + it.key();
        QFile file(path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) || file.write(it.value()) < 0)
            return false;
    }
    return true;
}

QString readable(const std::optional<UserDefaults::Value> &value)
{
    if (!value)
        return QStringLiteral("(absent)");
    return std::visit(
        [](const auto &v) -> QString {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QByteArray>)
                return QStringLiteral("data ") + QString::fromUtf8(v);
            else if constexpr (std::is_same_v<T, QString>)
                return QStringLiteral("string ") + v;
            else
                return QStringLiteral("number ") + QString::number(v);
        },
        *value);
}

QSet<WheelItem::Kind> slotKinds(const QList<WheelSet> &sets)
{
    QSet<WheelItem::Kind> kinds;
    for (const WheelSet &set : sets) {
        for (const WheelTab &ring : set.rings) {
            for (const WheelSlot &slot : ring.slots) {
                if (slot)
                    kinds.insert(slot->kind());
            }
        }
    }
    return kinds;
}
} // namespace

class TestStoredConfig final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsBackAndWritesOutUnchanged()
    {
        const QString fixtureRoot = qEnvironmentVariable("RINGLE_FIXTURES_DIR") + QStringLiteral("/storedconfig");
        const QHash<QString, QByteArray> fixture = filesUnder(fixtureRoot);
        QVERIFY(fixture.contains(QStringLiteral("Ringle/defaults.json")));

        QTemporaryDir home;
        QVERIFY(copyTree(fixture, home.path()));
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        const QString path = JsonFileDefaults::pathForDomain(QStringLiteral("Ringle"));
        const QString originalPath = home.path() + QStringLiteral("/original.json");
        QVERIFY(QFile::copy(path, originalPath));
        const JsonFileDefaults original(originalPath);
        JsonFileDefaults defaults(path);

        // Read everything through the stores the app uses.
        WheelStore wheels(defaults);
        KeyComboStore combos(defaults, wheels);
        PromptStore prompts(defaults, wheels);
        FakeHotKeyService service;
        GlobalShortcuts::Registry registry(defaults, service, nullptr);
        const GlobalShortcuts::Name wheelName = GlobalShortcuts::Name::actionWheel();
        const std::optional<GlobalShortcuts::Shortcut> shortcut = registry.shortcut(wheelName);
        const WheelMouseSettings mouse = WheelMouseSettings::current(defaults);
        const std::optional<LocalModelConfig> model = LocalModelConfig::current(defaults);

        // What the fixture promises to hold, so that the round trip covers it.
        QCOMPARE(wheels.sets().size(), 2);
        QCOMPARE(slotKinds(wheels.sets()).size(), 13);
        QCOMPARE(combos.combos().size(), 2);
        QCOMPARE(prompts.prompts().size(), 2);
        QVERIFY(shortcut && shortcut->toJson() != wheelName.defaultShortcut->toJson());
        QVERIFY(mouse != WheelMouseSettings());
        QVERIFY(model && model->provider == ModelProvider::ollama && !model->model.isEmpty());

        // The settings without a store of their own, as the settings window writes them.
        QHash<QString, UserDefaults::Value> plain;
        for (const char *key : {"wheelTabs", "wheelFollowsApp", "targetLanguage", "showResultFirst", "modelServer",
                                "migratedFromVarno", "removedActionShortcuts", "settingsTab"}) {
            const std::optional<UserDefaults::Value> value = defaults.value(QLatin1String(key));
            QVERIFY2(value, key);
            plain.insert(QLatin1String(key), *value);
        }

        // Forget everything, then have each store write what it read.
        for (const QString &key : defaults.keys())
            defaults.remove(key);
        QCOMPARE(contents(path).trimmed(), QByteArray("{\n}"));

        wheels.updateInfo(wheels.sets().first());
        for (const CustomKeyCombo &combo : QList<CustomKeyCombo>(combos.combos()))
            combos.save(combo);
        for (const CustomPrompt &prompt : QList<CustomPrompt>(prompts.prompts()))
            prompts.save(prompt);
        registry.setShortcut(shortcut, wheelName);
        defaults.setString(QStringLiteral("wheelMouseButton"), WheelMouseSettings::rawValue(mouse.button));
        WheelMouseSettings::storeModifiers(defaults, mouse.modifiers);
        defaults.setString(QStringLiteral("modelProvider"), ModelProviders::rawValue(model->provider));
        defaults.setString(QStringLiteral("modelName"), model->model);
        for (auto it = plain.cbegin(); it != plain.cend(); ++it)
            defaults.setValue(it.key(), it.value());
        QVERIFY(defaults.lastWriteSucceeded());

        // Value by value first, for a readable failure; then the files, byte for byte.
        QCOMPARE(defaults.keys(), original.keys());
        for (const QString &key : original.keys())
            QCOMPARE(readable(defaults.value(key)), readable(original.value(key)));
        QVERIFY(QFile::remove(originalPath));
        const QHash<QString, QByteArray> written = filesUnder(home.path());
        QStringList writtenNames = written.keys();
        QStringList fixtureNames = fixture.keys();
        writtenNames.sort();
        fixtureNames.sort();
        QCOMPARE(writtenNames, fixtureNames);
        for (auto it = fixture.cbegin(); it != fixture.cend(); ++it)
            QVERIFY2(written.value(it.key()) == it.value(), qPrintable(it.key()));
    }
};

QTEST_GUILESS_MAIN(TestStoredConfig)
#include "test_storedconfig.moc"
