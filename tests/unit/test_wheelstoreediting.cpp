#include "platform/fake/memorydefaults.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/wheelstore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
WheelTab ring(const QString &title, bool readOnly = false)
{
    return WheelTab{QUuid::createUuid(), title, {WheelItem::ask(), std::nullopt}, readOnly};
}

WheelSet set(const QString &title, const QStringList &apps, const QStringList &sites, const QList<WheelTab> &rings)
{
    return WheelSet{QUuid::createUuid(), title, apps, sites, rings};
}

QStringList titles(const QList<WheelTab> &rings)
{
    QStringList result;
    for (const WheelTab &r : rings)
        result.append(r.title);
    return result;
}

QList<WheelSet> stored(const MemoryDefaults &defaults)
{
    return WheelSet::decodeList(defaults.dataValue("wheelSets").value_or(QByteArray()));
}

// A store whose configuration is `sets`, already saved.
struct Fixture {
    MemoryDefaults defaults;
    WheelStore store{defaults};
    explicit Fixture(const QList<WheelSet> &sets)
    {
        store.setSets(sets);
        store.clearSlots(WheelItem::shortcut("none", "none"));
    }
    const WheelSet &at(int i) const { return store.sets().at(i); }
};
} // namespace

class TestWheelStoreEditing final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setChoice_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("app");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing") << "" << "" << "Default";
        QTest::newRow("site exact") << "example.org" << "" << "Site";
        QTest::newRow("site subdomain") << "mail.example.org" << "" << "Site";
        QTest::newRow("parent of stored subdomain") << "google.com" << "" << "Default";
        QTest::newRow("suffix without dot") << "badexample.org" << "" << "Default";
        QTest::newRow("app") << "" << "code.desktop" << "Apps";
        QTest::newRow("app is case-sensitive") << "" << "Code.desktop" << "Default";
        QTest::newRow("website before app") << "example.org" << "code.desktop" << "Site";
        QTest::newRow("unmatched host falls to app") << "other.net" << "code.desktop" << "Apps";
        QTest::newRow("earlier set wins") << "" << "both.desktop" << "Apps";
    }
    void setChoice()
    {
        QFETCH(QString, host);
        QFETCH(QString, app);
        QFETCH(QString, expected);
        Fixture f({set("Default", {}, {}, {ring("d")}),
                   set("Apps", {"code.desktop", "both.desktop"}, {}, {ring("a")}),
                   set("Site", {"both.desktop"}, {"example.org"}, {ring("s")}),
                   set("Docs", {}, {"docs.google.com"}, {ring("g")})});
        const auto opt = [](const QString &s) { return s.isEmpty() ? std::nullopt : std::optional<QString>(s); };
        QCOMPARE(f.store.set(opt(host), opt(app)).title, expected);
    }

    void chooseSetAsksForTheHostOnlyWhenUseful()
    {
        Fixture f({set("Default", {}, {}, {ring("d")}), set("Apps", {"code.desktop"}, {}, {ring("a")})});
        int asked = 0;
        const auto host = [&]() -> std::optional<QString> {
            ++asked;
            return QStringLiteral("example.org");
        };
        QCOMPARE(f.store.chooseSet(host, QStringLiteral("code.desktop")).title, QStringLiteral("Apps"));
        QCOMPARE(asked, 0);

        WheelSet site = set("Site", {}, {"example.org"}, {ring("s")});
        f.store.setSets(QList<WheelSet>(f.store.sets()) << site);
        QCOMPARE(f.store.chooseSet(host, QStringLiteral("code.desktop")).title, QStringLiteral("Site"));
        QCOMPARE(asked, 1);

        f.defaults.setBool("wheelFollowsApp", false);
        QCOMPARE(f.store.chooseSet(host, QStringLiteral("code.desktop")).title, QStringLiteral("Default"));
        QCOMPARE(asked, 1);
        f.defaults.setString("wheelFollowsApp", "no");
        QVERIFY(f.store.followsApp());
    }

    void ringsToShow()
    {
        Fixture f({set("Default", {}, {}, {ring("A"), ring("B", true), ring("C")}),
                   set("Other", {"x"}, {}, {ring("X"), ring("Y")})});
        int asked = 0;
        const auto readOnly = [&](bool answer) {
            return [&asked, answer] {
                ++asked;
                return answer;
            };
        };
        QCOMPARE(titles(f.store.ringsToShow(f.at(0), readOnly(true))), (QStringList{"B", "A", "C"}));
        QCOMPARE(titles(f.store.ringsToShow(f.at(0), readOnly(false))), (QStringList{"A", "B", "C"}));
        QCOMPARE(asked, 2);
        // Other sets never move rings, nor ask. The stored order stays.
        WheelSet other = f.at(1);
        other.rings[1].forReadOnlyText = true;
        QCOMPARE(titles(f.store.ringsToShow(other, readOnly(true))), (QStringList{"X", "Y"}));
        QCOMPARE(asked, 2);
        QCOMPARE(titles(f.at(0).rings), (QStringList{"A", "B", "C"}));

        Fixture plain({set("Default", {}, {}, {ring("A")})});
        QCOMPARE(titles(plain.store.ringsToShow(plain.at(0), readOnly(true))), QStringList{"A"});
        QCOMPARE(asked, 2);
        WheelSet empty = plain.at(0);
        empty.rings.clear();
        QCOMPARE(titles(plain.store.ringsToShow(empty, readOnly(true))), QStringList{"Text"});
    }

    void updateInfo()
    {
        Fixture f({set("Default", {}, {}, {ring("d")}), set("A", {"one", "two"}, {"a.org", "b.org"}, {ring("a")}),
                   set("B", {"three"}, {}, {ring("b")})});
        WheelSet b = f.at(2);
        b.title = "Bee";
        b.apps = {"three", "two"};
        b.sites = {"b.org"};
        b.rings.clear();
        f.store.updateInfo(b);
        QCOMPARE(f.at(1).apps, QStringList{"one"});
        QCOMPARE(f.at(1).sites, QStringList{"a.org"});
        QCOMPARE(f.at(2).title, QStringLiteral("Bee"));
        QCOMPARE(f.at(2).apps, (QStringList{"three", "two"}));
        QCOMPARE(f.at(2).rings.size(), 1);
        QCOMPARE(stored(f.defaults), f.store.sets());

        WheelSet d = f.at(0);
        d.title = "Everywhere";
        d.apps = {"one"};
        d.sites = {"a.org"};
        f.store.updateInfo(d);
        QCOMPARE(f.at(0).title, QStringLiteral("Everywhere"));
        QVERIFY(f.at(0).apps.isEmpty() && f.at(0).sites.isEmpty());
        QCOMPARE(f.at(1).apps, QStringList{"one"});

        const int writes = f.defaults.writeCount();
        f.store.updateInfo(set("Unknown", {"one"}, {}, {}));
        QCOMPARE(f.defaults.writeCount(), writes);
        QCOMPARE(f.at(1).apps, QStringList{"one"});
    }

    void replaceRingKeepsOneReadOnlyRing()
    {
        Fixture f({set("Default", {}, {}, {ring("A", true), ring("B")}), set("Other", {"x"}, {}, {ring("X")})});
        WheelTab b = f.at(0).rings[1];
        b.forReadOnlyText = true;
        b.slots = {WheelItem::rewrite()};
        f.store.replaceRing(b);
        QVERIFY(!f.at(0).rings[0].forReadOnlyText);
        QCOMPARE(f.at(0).rings[1], b);

        WheelTab x = f.at(1).rings[0];
        x.forReadOnlyText = true;
        x.title = "Ex";
        f.store.replaceRing(x);
        QCOMPARE(f.at(1).rings[0].title, QStringLiteral("Ex"));
        QVERIFY(!f.at(1).rings[0].forReadOnlyText);
        QVERIFY(f.at(0).rings[1].forReadOnlyText);
        QCOMPARE(stored(f.defaults), f.store.sets());
    }

    void limits()
    {
        Fixture f({set("Default", {}, {}, {ring("only")})});
        const int writes = f.defaults.writeCount();
        f.store.removeRing(f.at(0).rings[0].id);
        f.store.removeSet(f.at(0).id);
        QCOMPARE(f.store.sets().size(), 1);
        QCOMPARE(f.defaults.writeCount(), writes);

        const std::optional<WheelSet> added = f.store.addSet();
        QCOMPARE(added->title, QStringLiteral("New Set"));
        QCOMPARE(added->rings.size(), 1);
        QCOMPARE(added->rings[0].title, QStringLiteral("New Ring"));
        QCOMPARE(added->rings[0].slots, QList<WheelSlot>(4));
        for (int i = 2; i < WheelStore::maximumSets; ++i)
            QVERIFY(f.store.addSet());
        QVERIFY(!f.store.addSet());
        QCOMPARE(f.store.sets().size(), 12);

        const QUuid target = f.at(1).id;
        for (int i = 1; i < WheelStore::maximumRings; ++i)
            QVERIFY(f.store.addRing(target));
        QVERIFY(!f.store.addRing(target));
        QVERIFY(!f.store.duplicateRing(f.at(1).rings[0].id));
        QVERIFY(!f.store.addRing(QUuid::createUuid()));
        QCOMPARE(f.at(1).rings.size(), 8);

        f.store.removeSet(target);
        QCOMPARE(f.store.sets().size(), 11);
        QVERIFY(!f.store.set(target));
        QCOMPARE(stored(f.defaults), f.store.sets());
    }

    void duplicateRing_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("copy");
        QTest::newRow("named") << "Notes" << "Notes Copy";
        QTest::newRow("padded") << "  Notes\t" << "Notes Copy";
        QTest::newRow("empty") << "" << "Untitled Copy";
    }
    void duplicateRing()
    {
        QFETCH(QString, title);
        QFETCH(QString, copy);
        Fixture f({set("Default", {}, {}, {ring(title, true), ring("Last")})});
        const std::optional<WheelTab> made = f.store.duplicateRing(f.at(0).rings[0].id);
        QVERIFY(made);
        QCOMPARE(titles(f.at(0).rings), (QStringList{title, copy, "Last"}));
        QCOMPARE(f.at(0).rings[1], *made);
        QVERIFY(made->id != f.at(0).rings[0].id);
        QVERIFY(!made->forReadOnlyText);
        QVERIFY(f.at(0).rings[0].forReadOnlyText);
        QCOMPARE(made->slots, f.at(0).rings[0].slots);
    }

    void moveRing()
    {
        Fixture f({set("Default", {}, {}, {ring("A", true), ring("B")}), set("One", {"x"}, {}, {ring("X")}),
                   set("Full", {"y"}, {}, {ring("1"), ring("2"), ring("3"), ring("4"), ring("5"), ring("6"), ring("7"), ring("8")})});
        const QUuid a = f.at(0).rings[0].id;
        QVERIFY(!f.store.canMoveRing(a, f.at(0).id));
        QVERIFY(!f.store.canMoveRing(a, f.at(2).id));
        QVERIFY(!f.store.canMoveRing(f.at(1).rings[0].id, f.at(0).id));
        QVERIFY(!f.store.canMoveRing(QUuid::createUuid(), f.at(1).id));
        QVERIFY(!f.store.canMoveRing(a, QUuid::createUuid()));
        QVERIFY(f.store.canMoveRing(a, f.at(1).id));
        f.store.moveRing(a, f.at(2).id);
        QCOMPARE(f.at(0).rings.size(), 2);
        f.store.moveRing(a, f.at(1).id);
        QCOMPARE(titles(f.at(0).rings), QStringList{"B"});
        QCOMPARE(titles(f.at(1).rings), (QStringList{"X", "A"}));
        QVERIFY(!f.at(1).rings[1].forReadOnlyText);
        QCOMPARE(stored(f.defaults), f.store.sets());
    }

    void moveRings_data()
    {
        QTest::addColumn<QList<qsizetype>>("positions");
        QTest::addColumn<qsizetype>("destination");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("first to end") << QList<qsizetype>{0} << qsizetype(5) << QStringList{"B", "C", "D", "E", "A"};
        QTest::newRow("last to front") << QList<qsizetype>{4} << qsizetype(0) << QStringList{"E", "A", "B", "C", "D"};
        QTest::newRow("onto itself") << QList<qsizetype>{2} << qsizetype(2) << QStringList{"A", "B", "C", "D", "E"};
        QTest::newRow("two apart before") << QList<qsizetype>{3, 1} << qsizetype(0) << QStringList{"B", "D", "A", "C", "E"};
        QTest::newRow("two around destination") << QList<qsizetype>{0, 4} << qsizetype(2) << QStringList{"B", "A", "E", "C", "D"};
        QTest::newRow("out of range ignored") << QList<qsizetype>{9, 0} << qsizetype(99) << QStringList{"B", "C", "D", "E", "A"};
    }
    void moveRings()
    {
        QFETCH(QList<qsizetype>, positions);
        QFETCH(qsizetype, destination);
        QFETCH(QStringList, expected);
        Fixture f({set("Default", {}, {}, {ring("A"), ring("B"), ring("C"), ring("D"), ring("E")})});
        f.store.moveRings(f.at(0).id, positions, destination);
        QCOMPARE(titles(f.at(0).rings), expected);
        QCOMPARE(stored(f.defaults), f.store.sets());
    }

    void clearSlots()
    {
        const QUuid gone = QUuid::createUuid();
        const QUuid kept = QUuid::createUuid();
        WheelTab a{QUuid::createUuid(), "a", {WheelItem::customKeys(gone), WheelItem::customPrompt(gone), WheelItem::customKeys(kept)}, false};
        WheelTab b{QUuid::createUuid(), "b", {std::nullopt, WheelItem::customKeys(gone)}, false};
        Fixture f({set("Default", {}, {}, {a}), set("Other", {"x"}, {}, {ring("x"), b})});
        f.store.clearSlots(WheelItem::customKeys(gone));
        QCOMPARE(f.at(0).rings[0].slots,
                 (QList<WheelSlot>{std::nullopt, WheelItem::customPrompt(gone), WheelItem::customKeys(kept)}));
        QCOMPARE(f.at(1).rings[1].slots, (QList<WheelSlot>{std::nullopt, std::nullopt}));
        QCOMPARE(stored(f.defaults), f.store.sets());
    }

    void lookups()
    {
        Fixture f({set("Default", {}, {}, {ring("A")}), set("Other", {"x"}, {}, {ring("X"), ring("Y")})});
        QCOMPARE(f.store.indices(f.at(1).rings[1].id), (WheelStore::RingPosition{1, 1}));
        QVERIFY(!f.store.indices(QUuid::createUuid()));
        QVERIFY(f.store.isDefault(f.at(0).id));
        QVERIFY(!f.store.isDefault(f.at(1).id));
        QCOMPARE(f.store.set(f.at(1).id)->title, QStringLiteral("Other"));
        f.store.setSets({});
        QVERIFY(!f.store.isDefault(QUuid()));
        QCOMPARE(f.store.set(std::nullopt, std::nullopt).rings.size(), 1);
    }

    // `ringle config set wheelSets` while the app runs: another process replaces the file. The
    // store's next edit starts from that list instead of writing over it.
    void anotherWritersListIsTakenUpBeforeAnEdit()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("defaults.json");
        JsonFileDefaults ours(path);
        WheelStore store(ours);
        const QUuid defaultID = store.sets().first().id;
        store.addSet();
        QCOMPARE(store.sets().size(), 2);

        JsonFileDefaults theirs(path);
        QList<WheelSet> edited = WheelSet::decodeList(*theirs.dataValue("wheelSets"));
        edited[0].rings[0].title = "Theirs";
        edited.append(set("Mail", {"org.gnome.Evolution"}, {}, {ring("Inbox")}));
        // A later modification time than our own write, whatever the file system's granularity.
        QTest::qWait(20);
        theirs.setData("wheelSets", WheelSet::encodeList(edited));

        QSignalSpy tookUp(&store, &WheelStore::tookUpOtherWriter);
        store.addRing(defaultID);
        QCOMPARE(tookUp.size(), 1);
        const QList<WheelSet> now = WheelSet::decodeList(*JsonFileDefaults(path).dataValue("wheelSets"));
        QCOMPARE(now.size(), 3);
        QCOMPARE(now.at(0).rings.first().title, QStringLiteral("Theirs"));
        QCOMPARE(now.at(0).rings.size(), 2);
        QCOMPARE(now.at(2).title, QStringLiteral("Mail"));
        QCOMPARE(store.sets(), now);
        // Our own writes are not someone else's.
        QVERIFY(!store.reloadIfChangedElsewhere());
    }

    void unreadableOrEmptyOtherWritesAreNotTakenUp()
    {
        MemoryDefaults defaults;
        WheelStore store(defaults);
        store.addSet();
        const QList<WheelSet> before = store.sets();
        QSignalSpy tookUp(&store, &WheelStore::tookUpOtherWriter);
        defaults.setData("wheelSets", "[{\"broken\":");
        QCOMPARE(store.sets(), before);
        defaults.setData("wheelSets", "[]");
        defaults.remove("wheelSets");
        QCOMPARE(store.sets(), before);
        QCOMPARE(tookUp.size(), 0);
        // The broken value is kept aside when the next edit writes.
        defaults.setData("wheelSets", "[{\"broken\":");
        store.addSet();
        QCOMPARE(defaults.dataValue("wheelSets.unreadable"), std::optional<QByteArray>("[{\"broken\":"));
        QCOMPARE(stored(defaults).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestWheelStoreEditing)
#include "test_wheelstoreediting.moc"
