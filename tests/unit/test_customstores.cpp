#include "platform/fake/memorydefaults.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/jsondecodeerror.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelstore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
CustomKeyCombo combo(const QString &title, quint16 keyCode = 9)
{
    CustomKeyCombo record;
    record.combo = {title, keyCode, KeyModifiers(KeyModifiers::control), QStringLiteral("V")};
    return record;
}

CustomPrompt prompt(const QString &name)
{
    CustomPrompt record;
    record.name = name;
    record.instruction = QStringLiteral("Make it formal.");
    return record;
}

QJsonArray storedArray(const UserDefaults &defaults, const char *key)
{
    return QJsonDocument::fromJson(defaults.dataValue(key).value_or(QByteArray())).array();
}
} // namespace

class TestCustomStores final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordForms()
    {
        CustomKeyCombo keys = combo("Paste");
        keys.id = QUuid::fromString(QStringLiteral("{00000000-0000-0000-0000-00000000abcd}"));
        keys.symbol = "doc.on.clipboard";
        QCOMPARE(keys.toJson(), QJsonDocument::fromJson(R"({"id":"00000000-0000-0000-0000-00000000ABCD",
            "combo":{"title":"Paste","keyCode":9,"modifiers":4,"keyLabel":"V"},"symbol":"doc.on.clipboard"})").object());
        QCOMPARE(CustomKeyCombo::fromJson(keys.toJson()), keys);

        CustomPrompt p = prompt("Formal");
        p.result = CustomPrompt::ResultMode::show;
        p.keepLanguage = false;
        const QJsonObject json = p.toJson();
        QCOMPARE(json.value("result").toString(), QStringLiteral("show"));
        QCOMPARE(json.value("keepLanguage"), QJsonValue(false));
        QCOMPARE(json.value("id").toString(), p.id.toString(QUuid::WithoutBraces).toUpper());
        QCOMPARE(CustomPrompt::fromJson(json), p);
    }

    void newPrompt()
    {
        const CustomPrompt fresh;
        QVERIFY(!fresh.id.isNull());
        QVERIFY(fresh.id != CustomPrompt().id);
        QVERIFY(fresh.name.isEmpty());
        QCOMPARE(fresh.symbol, QStringLiteral("text.bubble"));
        QCOMPARE(fresh.result, CustomPrompt::ResultMode::replace);
        QVERIFY(fresh.keepLanguage);
        QCOMPARE(CustomKeyCombo().symbol, QStringLiteral("keyboard"));
    }

    void promptTitle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("blank") << "  " << "Untitled Prompt";
        QTest::newRow("empty") << "" << "Untitled Prompt";
        QTest::newRow("padded") << "\t Formal " << "Formal";
    }
    void promptTitle()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        const CustomPrompt p = prompt(name);
        QCOMPARE(p.title(), title);
        QCOMPARE(CustomPrompt::fromJson(p.toJson()).name, name);
    }

    // One unreadable record spoils the whole list, which then starts empty and is kept aside.
    void unreadableListsStartEmpty_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("combo without symbol") << "customKeyCombos" << "symbol" << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("combo id not uuid") << "customKeyCombos" << "id" << QJsonValue("42");
        QTest::newRow("combo without keyLabel") << "customKeyCombos" << "combo" << QJsonValue(QJsonObject{{"title", ""}, {"keyCode", 1}, {"modifiers", 0}});
        QTest::newRow("prompt unknown result") << "customPrompts" << "result" << QJsonValue("paste");
        QTest::newRow("prompt keepLanguage text") << "customPrompts" << "keepLanguage" << QJsonValue("true");
        QTest::newRow("prompt without instruction") << "customPrompts" << "instruction" << QJsonValue(QJsonValue::Undefined);
    }
    void unreadableListsStartEmpty()
    {
        QFETCH(QString, key);
        QFETCH(QString, field);
        QFETCH(QJsonValue, value);
        MemoryDefaults defaults;
        const bool combos = key == QLatin1String("customKeyCombos");
        QJsonObject broken = combos ? combo("b").toJson() : prompt("b").toJson();
        if (value.isUndefined())
            broken.remove(field);
        else
            broken.insert(field, value);
        const QJsonObject good = combos ? combo("a").toJson() : prompt("a").toJson();
        const QByteArray bytes = QJsonDocument(QJsonArray{good, broken}).toJson();
        defaults.setData(key, bytes);

        WheelStore wheels(defaults);
        KeyComboStore comboStore(defaults, wheels);
        PromptStore promptStore(defaults, wheels);
        QVERIFY(comboStore.combos().isEmpty());
        QVERIFY(promptStore.prompts().isEmpty());
        QCOMPARE(*defaults.dataValue(key), bytes);
        if (combos)
            comboStore.save(combo("new"));
        else
            promptStore.save(prompt("new"));
        QCOMPARE(*defaults.dataValue(key + ".unreadable"), bytes);
        QCOMPARE(storedArray(defaults, qPrintable(key)).size(), 1);
    }

    void saveReplacesInPlaceAndSurvivesRestart()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("defaults.json");
        CustomKeyCombo a = combo("A"), b = combo("B"), c = combo("C");
        CustomPrompt p = prompt("P"), q = prompt("Q");
        {
            JsonFileDefaults defaults(path);
            WheelStore wheels(defaults);
            KeyComboStore combos(defaults, wheels);
            PromptStore prompts(defaults, wheels);
            QSignalSpy spy(&combos, &KeyComboStore::combosChanged);
            for (const CustomKeyCombo &r : {a, b, c})
                combos.save(r);
            b.combo.title = "Bee";
            combos.save(b);
            QCOMPARE(spy.count(), 4);
            combos.save(b);
            QCOMPARE(spy.count(), 4);
            prompts.save(p);
            prompts.save(q);
            p.instruction = "Shorter.";
            prompts.save(p);
            QVERIFY(!defaults.dataValue("customKeyCombos")->contains('\n'));
        }
        JsonFileDefaults defaults(path);
        WheelStore wheels(defaults);
        KeyComboStore combos(defaults, wheels);
        PromptStore prompts(defaults, wheels);
        QCOMPARE(combos.combos(), (QList<CustomKeyCombo>{a, b, c}));
        QCOMPARE(prompts.prompts(), (QList<CustomPrompt>{p, q}));
        QCOMPARE(combos.combo(b.id)->combo.title, QStringLiteral("Bee"));
        QVERIFY(!combos.combo(QUuid::createUuid()));
        QCOMPARE(prompts.prompt(p.id)->instruction, QStringLiteral("Shorter."));
    }

    void removeClearsEveryReferringSlot()
    {
        MemoryDefaults defaults;
        WheelStore wheels(defaults);
        KeyComboStore combos(defaults, wheels);
        PromptStore prompts(defaults, wheels);
        const CustomKeyCombo gone = combo("Gone"), kept = combo("Kept");
        const CustomPrompt p = prompt("P");
        combos.save(gone);
        combos.save(kept);
        prompts.save(p);
        const WheelTab ring{QUuid::createUuid(), "r",
                            {WheelItem::customKeys(gone.id), WheelItem::customKeys(kept.id), WheelItem::customPrompt(p.id),
                             WheelItem::customPrompt(gone.id)},
                            false};
        wheels.setSets({WheelSet{QUuid::createUuid(), "D", {}, {}, {ring, ring}},
                        WheelSet{QUuid::createUuid(), "S", {"a"}, {}, {ring}}});

        QSignalSpy spy(&combos, &KeyComboStore::combosChanged);
        combos.remove(gone.id);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(combos.combos(), QList<CustomKeyCombo>{kept});
        const QList<WheelSlot> afterCombo{std::nullopt, WheelItem::customKeys(kept.id), WheelItem::customPrompt(p.id),
                                          WheelItem::customPrompt(gone.id)};
        for (const WheelSet &set : wheels.sets())
            for (const WheelTab &r : set.rings)
                QCOMPARE(r.slots, afterCombo);
        QCOMPARE(WheelSet::decodeList(*defaults.dataValue("wheelSets")), wheels.sets());

        prompts.remove(p.id);
        QVERIFY(prompts.prompts().isEmpty());
        QCOMPARE(wheels.sets()[1].rings[0].slots[2], WheelSlot());
        QCOMPARE(wheels.sets()[1].rings[0].slots[3], WheelSlot(WheelItem::customPrompt(gone.id)));

        // An unknown id changes no list but still writes it and still clears slots.
        const int writes = defaults.writeCount();
        prompts.remove(gone.id);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(wheels.sets()[1].rings[0].slots[3], WheelSlot());
        QVERIFY(defaults.writeCount() > writes);
        QCOMPARE(storedArray(defaults, "customPrompts").size(), 0);
    }

    // `ringle config import` writes while the app runs: its list is taken up, never written over.
    void listsAnotherWriterStoredAreTakenUp()
    {
        MemoryDefaults defaults;
        WheelStore wheels(defaults);
        KeyComboStore combos(defaults, wheels);
        PromptStore prompts(defaults, wheels);
        const CustomKeyCombo mine = combo("Mine"), theirs = combo("Theirs"), later = combo("Later");
        const CustomPrompt p = prompt("P"), q = prompt("Q");
        combos.save(mine);
        prompts.save(p);
        QSignalSpy combosSpy(&combos, &KeyComboStore::combosChanged);
        QSignalSpy promptsSpy(&prompts, &PromptStore::promptsChanged);

        defaults.setData("customKeyCombos", JsonFields::encodeArray(QList<CustomKeyCombo>{theirs}));
        defaults.setData("customPrompts", JsonFields::encodeArray(QList<CustomPrompt>{q}));
        QCOMPARE(combosSpy.count(), 1);
        QCOMPARE(promptsSpy.count(), 1);
        QCOMPARE(combos.combos(), QList<CustomKeyCombo>{theirs});
        QCOMPARE(prompts.prompts(), QList<CustomPrompt>{q});
        combos.save(later);
        QCOMPARE(storedArray(defaults, "customKeyCombos"), QJsonArray({theirs.toJson(), later.toJson()}));

        // Unreadable or removed data is not taken up; what the store holds is written again, the
        // unreadable bytes kept aside.
        defaults.setData("customKeyCombos", "[{");
        defaults.remove("customPrompts");
        QCOMPARE(combos.combos(), (QList<CustomKeyCombo>{theirs, later}));
        QCOMPARE(prompts.prompts(), QList<CustomPrompt>{q});
        combos.remove(later.id);
        QCOMPARE(storedArray(defaults, "customKeyCombos"), QJsonArray({theirs.toJson()}));
        QCOMPARE(*defaults.dataValue("customKeyCombos.unreadable"), QByteArray("[{"));
        QCOMPARE(combosSpy.count(), 3);

        // The store's own writes are not news.
        combos.replaceAll({mine});
        prompts.replaceAll({p, q});
        QCOMPARE(combosSpy.count(), 4);
        QCOMPARE(promptsSpy.count(), 2);
        QCOMPARE(storedArray(defaults, "customPrompts"), QJsonArray({p.toJson(), q.toJson()}));
    }
};

QTEST_GUILESS_MAIN(TestCustomStores)
#include "test_customstores.moc"
