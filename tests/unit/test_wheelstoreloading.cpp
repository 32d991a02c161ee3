#include "platform/fake/memorydefaults.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/wheelstore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray legacyRing(const QString &title, const QStringList &apps, const QStringList &sites, bool readOnly = false)
{
    QJsonObject ring = WheelTab{QUuid::createUuid(), title, {WheelItem::ask()}, readOnly}.toJson();
    if (!readOnly)
        ring.remove(QStringLiteral("forReadOnlyText"));
    if (!apps.isEmpty())
        ring.insert(QStringLiteral("apps"), QJsonArray::fromStringList(apps));
    if (!sites.isEmpty())
        ring.insert(QStringLiteral("sites"), QJsonArray::fromStringList(sites));
    return QJsonDocument(ring).toJson(QJsonDocument::Compact);
}

QByteArray array(const QList<QByteArray> &items)
{
    return "[" + items.join(',') + "]";
}

QList<WheelSet> sampleSets()
{
    WheelTab ring{QUuid::createUuid(), "Mine", {WheelItem::explain(), std::nullopt}, false};
    return {{QUuid::createUuid(), "Default", {}, {}, {ring}},
            {QUuid::createUuid(), "Mail", {"thunderbird.desktop"}, {}, {WheelTab::standard()}}};
}

bool isShippedDefault(const QList<WheelSet> &sets)
{
    if (sets.size() != 1 || sets.first().title != QLatin1String("Default") || sets.first().rings.size() != 1)
        return false;
    WheelTab ring = sets.first().rings.first();
    ring.id = QUuid();
    WheelTab standard = WheelTab::standard();
    standard.id = QUuid();
    return ring == standard && sets.first().apps.isEmpty() && sets.first().sites.isEmpty();
}
} // namespace

class TestWheelStoreLoading final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nothingUsableStoredGivesShippedDefaultUnsaved_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("absent") << "wheelSets" << QByteArray();
        QTest::newRow("empty array") << "wheelSets" << QByteArray("[]");
        QTest::newRow("unreadable legacy") << "wheelTabs" << QByteArray(R"([{"title":"no id","slots":[]}])");
    }
    void nothingUsableStoredGivesShippedDefaultUnsaved()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, value);
        MemoryDefaults defaults;
        if (!value.isNull())
            defaults.setData(key, value);
        const int writes = defaults.writeCount();
        WheelStore store(defaults);
        QVERIFY(isShippedDefault(store.sets()));
        QCOMPARE(defaults.writeCount(), writes);
        store.addRing(store.sets().first().id);
        QCOMPARE(WheelSet::decodeList(*defaults.dataValue("wheelSets")), store.sets());
        QVERIFY(!defaults.value("wheelSets.unreadable"));
    }

    void storedSetsLoad()
    {
        MemoryDefaults defaults;
        const QList<WheelSet> sets = sampleSets();
        defaults.setData("wheelSets", WheelSet::encodeList(sets));
        defaults.setData("wheelTabs", array({legacyRing("Old", {"x"}, {})}));
        QCOMPARE(WheelStore(defaults).sets(), sets);
    }

    void legacyMigration()
    {
        MemoryDefaults defaults;
        defaults.setData("wheelTabs", array({legacyRing("Plain", {}, {}, true), legacyRing("  Docs\t", {}, {"docs.example.org"}),
                                             legacyRing("Second", {}, {}, true), legacyRing("", {"code.desktop"}, {})}));
        WheelStore store(defaults);
        const QList<WheelSet> &sets = store.sets();
        QCOMPARE(sets.size(), 3);
        QCOMPARE(sets[0].title, QStringLiteral("Default"));
        QVERIFY(sets[0].apps.isEmpty() && sets[0].sites.isEmpty());
        QCOMPARE(sets[0].rings.size(), 2);
        QCOMPARE(sets[0].rings[0].title, QStringLiteral("Plain"));
        QVERIFY(sets[0].rings[0].forReadOnlyText);
        // Only one ring can be the read-only ring.
        QVERIFY(!sets[0].rings[1].forReadOnlyText);
        QCOMPARE(sets[1].title, QStringLiteral("Docs"));
        QCOMPARE(sets[1].sites, QStringList{"docs.example.org"});
        QCOMPARE(sets[1].rings.first().title, QStringLiteral("  Docs\t"));
        QCOMPARE(sets[2].title, QStringLiteral("Untitled"));
        QCOMPARE(sets[2].apps, QStringList{"code.desktop"});
        QVERIFY(!sets[2].rings.first().forReadOnlyText);
        // Saved at once; the older data stays.
        QCOMPARE(WheelSet::decodeList(*defaults.dataValue("wheelSets")), sets);
        QVERIFY(defaults.dataValue("wheelTabs"));
    }

    void legacyBoundRingsCappedAtTwelveSets()
    {
        MemoryDefaults defaults;
        QList<QByteArray> rings;
        for (int i = 0; i < 14; ++i)
            rings.append(legacyRing(QStringLiteral("R%1").arg(i), {QStringLiteral("app%1").arg(i)}, {}, true));
        defaults.setData("wheelTabs", array(rings));
        WheelStore store(defaults);
        QCOMPARE(store.sets().size(), 12);
        QVERIFY(isShippedDefault({store.sets().first()}));
        for (int i = 1; i < 12; ++i) {
            QCOMPARE(store.sets()[i].title, QStringLiteral("R%1").arg(i - 1));
            QVERIFY(!store.sets()[i].rings.first().forReadOnlyText);
        }
    }

    // One edit after a damaged file must not destroy the configuration that was in it.
    void unreadableSetsKeptBeforeFirstSave_data()
    {
        QTest::addColumn<bool>("withLegacy");
        QTest::newRow("falls back to default") << false;
        QTest::newRow("falls back to legacy migration") << true;
    }
    void unreadableSetsKeptBeforeFirstSave()
    {
        QFETCH(bool, withLegacy);
        MemoryDefaults defaults;
        QByteArray damaged = WheelSet::encodeList(sampleSets());
        // Valid JSON, but one slot names two actions: the whole list is unreadable.
        damaged.replace("\"explain\":{}", "\"explain\":{},\"ask\":{}");
        QVERIFY(damaged.contains("\"ask\":{}}"));
        defaults.setData("wheelSets", damaged);
        if (withLegacy)
            defaults.setData("wheelTabs", array({legacyRing("Old", {}, {})}));

        WheelStore store(defaults);
        QCOMPARE(store.sets().first().rings.first().title, withLegacy ? QStringLiteral("Old") : QStringLiteral("Text"));
        if (!withLegacy) {
            QCOMPARE(*defaults.dataValue("wheelSets"), damaged);
            QVERIFY(!defaults.value("wheelSets.unreadable"));
            store.addSet();
        }
        QCOMPARE(*defaults.dataValue("wheelSets.unreadable"), damaged);
        QVERIFY(*defaults.dataValue("wheelSets") != damaged);
        // Copied once, not again on later saves.
        const int writes = defaults.writeCount();
        store.addSet();
        QCOMPARE(defaults.writeCount(), writes + 1);
    }

    void earlierUnreadableCopyIsNeverReplaced()
    {
        MemoryDefaults defaults;
        defaults.setData("wheelSets.unreadable", "first damage");
        defaults.setData("wheelSets", "second damage");
        WheelStore(defaults).addSet();
        QCOMPARE(*defaults.dataValue("wheelSets.unreadable"), QByteArray("first damage"));
        QCOMPARE(*defaults.dataValue("wheelSets.unreadable.2"), QByteArray("second damage"));

        // The same bytes damaged again are not stored twice; a third distinct one takes the next key.
        defaults.setData("wheelSets", "second damage");
        WheelStore(defaults).addSet();
        QVERIFY(!defaults.value("wheelSets.unreadable.3"));
        defaults.setString("wheelSets", "a value of the wrong type");
        WheelStore(defaults).addSet();
        QCOMPARE(*defaults.stringValue("wheelSets.unreadable.3"), QStringLiteral("a value of the wrong type"));
    }

    void survivesRestart()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("defaults.json");
        QUuid added;
        {
            JsonFileDefaults defaults(path);
            WheelStore store(defaults);
            added = store.addSet()->id;
            WheelSet edited = *store.set(added);
            edited.title = "Browsers";
            edited.sites = {"example.org"};
            store.updateInfo(edited);
        }
        JsonFileDefaults defaults(path);
        WheelStore store(defaults);
        QCOMPARE(store.sets().size(), 2);
        QCOMPARE(store.set(added)->title, QStringLiteral("Browsers"));
        QCOMPARE(store.set(added)->sites, QStringList{"example.org"});
        // Written compactly.
        QVERIFY(!defaults.dataValue("wheelSets")->contains('\n'));
    }

    void notifiesOnlyOnRealChange()
    {
        MemoryDefaults defaults;
        WheelStore store(defaults);
        QSignalSpy spy(&store, &WheelStore::setsChanged);
        store.setSets(store.sets());
        QCOMPARE(spy.count(), 0);
        store.clearSlots(WheelItem::ask());
        QCOMPARE(spy.count(), 0);
        store.removeRing(QUuid::createUuid());
        QCOMPARE(spy.count(), 0);
        store.addRing(store.sets().first().id);
        QCOMPARE(spy.count(), 1);
        QList<WheelSet> changed = store.sets();
        changed.first().title = "Everything";
        store.setSets(changed);
        QCOMPARE(spy.count(), 2);
        // Assigning does not save.
        QVERIFY(WheelSet::decodeList(*defaults.dataValue("wheelSets")).first().title != QLatin1String("Everything"));
    }
};

QTEST_GUILESS_MAIN(TestWheelStoreLoading)
#include "test_wheelstoreloading.moc"
