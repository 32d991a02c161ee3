#include "platform/fake/memorydefaults.h"
#include "wheel/settingsmigration.h"

#include <QTest>

class TestSettingsMigration final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void copiesMissingKeysOnly()
    {
        MemoryDefaults app, earlier;
        app.setString("targetLanguage", "de");
        earlier.setString("targetLanguage", "fr");
        earlier.setBool("showResultFirst", false);
        earlier.setData("wheelSets", "[1]");
        earlier.setInt("wheelMouseModifiers", 5);
        SettingsMigration::runOnce(app, earlier);
        QCOMPARE(*app.stringValue("targetLanguage"), QStringLiteral("de"));
        QCOMPARE(app.boolValue("showResultFirst"), std::optional<bool>(false));
        QCOMPARE(*app.dataValue("wheelSets"), QByteArray("[1]"));
        QCOMPARE(app.intValue("wheelMouseModifiers"), std::optional<qint64>(5));
        QCOMPARE(app.boolValue("migratedFromVarno"), std::optional<bool>(true));

        // Runs once: later changes of the earlier product are not copied.
        earlier.setString("modelName", "later");
        app.remove("showResultFirst");
        SettingsMigration::runOnce(app, earlier);
        QVERIFY(!app.value("modelName"));
        QVERIFY(!app.value("showResultFirst"));
    }

    void missingEarlierDomainStillSetsFlag()
    {
        MemoryDefaults app, earlier;
        SettingsMigration::runOnce(app, earlier);
        QCOMPARE(app.boolValue("migratedFromVarno"), std::optional<bool>(true));
        QCOMPARE(app.boolValue("removedActionShortcuts"), std::optional<bool>(true));
    }

    void removesOldActionShortcuts()
    {
        MemoryDefaults app, earlier;
        app.setString("GlobalShortcuts_actionWheel", "{\"keyCode\":49}");
        app.setString("GlobalShortcuts_proofread", "{\"keyCode\":35}");
        earlier.setBool("GlobalShortcuts_translate", false);
        app.setString("GlobalShortcutsOther", "kept");
        app.setString("xGlobalShortcuts_y", "kept");
        SettingsMigration::runOnce(app, earlier);
        QCOMPARE(app.keys(), (QStringList{"GlobalShortcutsOther", "GlobalShortcuts_actionWheel", "migratedFromVarno",
                                          "removedActionShortcuts", "xGlobalShortcuts_y"}));

        // Once done, shortcuts recorded later stay.
        app.setString("GlobalShortcuts_proofread", "{\"keyCode\":35}");
        SettingsMigration::runOnce(app, earlier);
        QVERIFY(app.value("GlobalShortcuts_proofread"));
    }

    void flagsOfAnotherTypeCountAsNotDone()
    {
        MemoryDefaults app, earlier;
        app.setString("removedActionShortcuts", "yes");
        app.setString("GlobalShortcuts_summarize", "{}");
        SettingsMigration::runOnce(app, earlier);
        QVERIFY(!app.value("GlobalShortcuts_summarize"));
        QCOMPARE(app.boolValue("removedActionShortcuts"), std::optional<bool>(true));
    }
};

QTEST_GUILESS_MAIN(TestSettingsMigration)
#include "test_settingsmigration.moc"
