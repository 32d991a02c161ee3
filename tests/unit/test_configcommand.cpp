#include "app/configcommand.h"
#include "platform/fake/memorydefaults.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(UserDefaults::Value)

namespace {
struct Outcome {
    int code = 0;
    QString out;
    QString err;
};

Outcome config(UserDefaults &defaults, const QStringList &arguments)
{
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.code = ConfigCommand::run(arguments, defaults, out, err);
    return outcome;
}

const QByteArray promptJson = R"([{"id":"6f1c9a52-8a57-4a1e-9d0b-3c2a1b0e9f11","name":"Formal","symbol":"text.bubble",
    "instruction":"Make it formal.","result":"show","keepLanguage":false}])";
} // namespace

class TestConfigCommand final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setStoresTypedValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<UserDefaults::Value>("stored");

        using V = UserDefaults::Value;
        const auto text = [](const char *value) { return V(QString::fromUtf8(value)); };
        QTest::newRow("bool") << "wheelFollowsApp" << "false" << V(false);
        QTest::newRow("bool any case") << "showResultFirst" << "True" << V(true);
        QTest::newRow("int") << "wheelMouseModifiers" << "12" << V(qint64(12));
        QTest::newRow("int zero") << "wheelMouseModifiers" << "0" << V(qint64(0));
        QTest::newRow("provider") << "modelProvider" << "ollama" << text("ollama");
        QTest::newRow("provider cased as stored") << "modelProvider" << "lmstudio" << text("lmStudio");
        QTest::newRow("language") << "targetLanguage" << "zh-Hant" << text("zh-Hant");
        QTest::newRow("button") << "wheelMouseButton" << "button5" << text("button5");
        QTest::newRow("tab") << "settingsTab" << "general" << text("general");
        QTest::newRow("free text") << "modelName" << "llama3.2:3b" << text("llama3.2:3b");
        QTest::newRow("server") << "modelServer" << "http://127.0.0.1:11434" << text("http://127.0.0.1:11434");
        QTest::newRow("empty server") << "modelServer" << "" << V(QString());
        QTest::newRow("cleared shortcut") << "GlobalShortcuts_actionWheel" << "false" << V(false);
        QTest::newRow("shortcut in stored order") << "GlobalShortcuts_actionWheel" << R"({ "carbonModifiers": 768, "carbonKeyCode": 49 })"
                                                  << text(R"({"carbonKeyCode":49,"carbonModifiers":768})");
        // Bits that stand for no modifier are not stored.
        QTest::newRow("shortcut at the limits") << "GlobalShortcuts_actionWheel" << R"({"carbonKeyCode":65535,"carbonModifiers":2147483647})"
                                                << text(R"({"carbonKeyCode":65535,"carbonModifiers":137984})");
        QTest::newRow("empty prompts") << "customPrompts" << " [ ] " << V(QByteArray("[]"));
    }

    void setStoresTypedValues()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(UserDefaults::Value, stored);
        MemoryDefaults defaults;
        const Outcome outcome = config(defaults, {"set", key, text});
        QCOMPARE(outcome.code, 0);
        QVERIFY2(outcome.err.isEmpty(), qPrintable(outcome.err));
        QVERIFY(defaults.value(key) == stored);
    }

    void badValuesAreRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mentions");

        const QString wheel = "GlobalShortcuts_actionWheel";
        const QString uuid = "6F1C9A52-8A57-4A1E-9D0B-3C2A1B0E9F11";
        QTest::newRow("bool") << "wheelFollowsApp" << "maybe" << "true or false";
        QTest::newRow("bool as number") << "showResultFirst" << "1" << "true or false";
        QTest::newRow("int too big") << "wheelMouseModifiers" << "16" << "0 to 15";
        QTest::newRow("int negative") << "wheelMouseModifiers" << "-1" << "0 to 15";
        QTest::newRow("int fraction") << "wheelMouseModifiers" << "2.5" << "0 to 15";
        QTest::newRow("provider") << "modelProvider" << "openai" << "apple, lmStudio, ollama, other";
        QTest::newRow("language") << "targetLanguage" << "xx" << "en";
        QTest::newRow("button") << "wheelMouseButton" << "left" << "button4";
        QTest::newRow("tab") << "settingsTab" << "advanced" << "general, wheel";
        QTest::newRow("server without host") << "modelServer" << "http://" << "no host";
        QTest::newRow("shortcut true") << wheel << "true" << "carbonKeyCode";
        QTest::newRow("shortcut missing member") << wheel << R"({"carbonKeyCode":4})" << "carbonModifiers";
        QTest::newRow("shortcut text code") << wheel << R"({"carbonKeyCode":"h","carbonModifiers":6144})" << "carbonKeyCode";
        QTest::newRow("shortcut modifiers beyond int") << wheel << R"({"carbonModifiers":3222777777,"carbonKeyCode":2})"
                                                       << "carbonModifiers";
        QTest::newRow("prompts not json") << "customPrompts" << "[{" << "customPrompts is not valid";
        QTest::newRow("prompts not a list") << "customPrompts" << "{}" << "customPrompts is not valid";
        QTest::newRow("prompt missing key") << "customPrompts" << QString(R"([{"id":"%1"}])").arg(uuid) << "customPrompts is not valid";
        QTest::newRow("combo bad id") << "customKeyCombos" << R"([{"id":"x","combo":{"title":"a","keyCode":1,"modifiers":0,"keyLabel":"A"},"symbol":"k"}])"
                                      << "customKeyCombos is not valid";
        QTest::newRow("no sets") << "wheelSets" << "[]" << "default set";
        QTest::newRow("set without rings") << "wheelSets" << QString(R"([{"id":"%1","title":"A","apps":[],"sites":[],"rings":[]}])").arg(uuid) << "1 to 8";
        QTest::newRow("legacy rings not a list") << "wheelTabs" << "3" << "wheelTabs is not valid";
    }

    void badValuesAreRefused()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, mentions);
        MemoryDefaults defaults;
        defaults.setString(QStringLiteral("modelProvider"), QStringLiteral("apple"));
        const int writesBefore = defaults.writeCount();
        const Outcome outcome = config(defaults, {"set", key, text});
        QCOMPARE(outcome.code, 2);
        QVERIFY2(outcome.err.contains(mentions), qPrintable(outcome.err));
        QCOMPARE(defaults.writeCount(), writesBefore);
    }

    void dataIsStoredInTheStoresCompactForm()
    {
        MemoryDefaults defaults;
        QCOMPARE(config(defaults, {"set", "customPrompts", QString::fromUtf8(promptJson)}).code, 0);
        const QByteArray stored = defaults.dataValue(QStringLiteral("customPrompts")).value();
        QVERIFY(stored.contains("\"6F1C9A52-8A57-4A1E-9D0B-3C2A1B0E9F11\""));
        QVERIFY(!stored.contains('\n'));

        // Thirteen sets are one more than the wheel keeps.
        QList<WheelSet> sets;
        for (int i = 0; i < WheelStore::maximumSets + 1; ++i)
            sets.append(WheelStore::shippedDefault().first());
        const QString tooMany = QString::fromUtf8(WheelSet::encodeList(sets));
        QCOMPARE(config(defaults, {"set", "wheelSets", tooMany}).code, 2);
        sets.removeLast();
        QCOMPARE(config(defaults, {"set", "wheelSets", QString::fromUtf8(WheelSet::encodeList(sets))}).code, 0);
        WheelStore store(defaults);
        QCOMPARE(store.sets(), sets);
    }

    void roundTripThroughTheSettingsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Ringle/defaults.json"));
        {
            JsonFileDefaults defaults(path);
            QCOMPARE(config(defaults, {"set", "modelProvider", "ollama"}).code, 0);
            QCOMPARE(config(defaults, {"set", "wheelMouseModifiers", "5"}).code, 0);
            QCOMPARE(config(defaults, {"set", "customPrompts", QString::fromUtf8(promptJson)}).code, 0);
            QCOMPARE(config(defaults, {"set", "GlobalShortcuts_actionWheel", "false"}).code, 0);
        }
        JsonFileDefaults reread(path);
        QCOMPARE(reread.stringValue(QStringLiteral("modelProvider")), std::optional<QString>(QStringLiteral("ollama")));
        QCOMPARE(reread.intValue(QStringLiteral("wheelMouseModifiers")), std::optional<qint64>(5));
        QCOMPARE(reread.boolValue(QStringLiteral("GlobalShortcuts_actionWheel")), std::optional<bool>(false));

        Outcome got = config(reread, {"get", "customPrompts"});
        QCOMPARE(got.code, 0);
        QCOMPARE(config(reread, {"set", "customPrompts", got.out.trimmed()}).code, 0); // get's output is valid input
        QCOMPARE(config(reread, {"get", "wheelMouseModifiers"}).out, QStringLiteral("5\n"));
        QCOMPARE(config(reread, {"get", "GlobalShortcuts_actionWheel"}).out, QStringLiteral("false\n"));

        QCOMPARE(config(reread, {"unset", "modelProvider"}).code, 0);
        JsonFileDefaults afterUnset(path);
        got = config(afterUnset, {"get", "modelProvider"});
        QCOMPARE(got.code, 1);
        QVERIFY(got.out.isEmpty());
        QVERIFY2(got.err.contains("default (apple)"), qPrintable(got.err));
    }

    void usageAndUnknownKeys_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("nothing") << QStringList{} << "Usage: ringle config";
        QTest::newRow("unknown verb") << QStringList{"delete", "modelName"} << "Usage: ringle config";
        QTest::newRow("set without value") << QStringList{"set", "modelName"} << "Usage: ringle config";
        QTest::newRow("get with extra") << QStringList{"get", "modelName", "x"} << "Usage: ringle config";
        QTest::newRow("unknown key") << QStringList{"set", "modelprovider", "ollama"}
                                     << "Unknown key \"modelprovider\". Known keys: wheelSets, ";
        QTest::newRow("unknown key on get") << QStringList{"get", "theme"} << "modelProvider";
        QTest::newRow("unknown key on unset") << QStringList{"unset", "wheelSets.unreadable"} << "settingsTab";
    }

    void usageAndUnknownKeys()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        MemoryDefaults defaults;
        const Outcome outcome = config(defaults, arguments);
        QCOMPARE(outcome.code, 2);
        QVERIFY2(outcome.err.contains(mentions), qPrintable(outcome.err));
        QCOMPARE(defaults.writeCount(), 0);
    }

    void valuesOfAnotherTypeAreShownAsIgnored()
    {
        MemoryDefaults defaults;
        defaults.setString(QStringLiteral("showResultFirst"), QStringLiteral("no"));
        defaults.setBool(QStringLiteral("GlobalShortcuts_actionWheel"), true);
        const Outcome got = config(defaults, {"get", "showResultFirst"});
        QCOMPARE(got.code, 0);
        QCOMPARE(got.out, QStringLiteral("no\n"));
        QVERIFY2(got.err.contains("holds a String, not a Bool"), qPrintable(got.err));

        const Outcome listed = config(defaults, {"list"});
        QCOMPARE(listed.code, 0);
        const QStringList lines = listed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 16);
        QVERIFY(lines.contains("showResultFirst = no  (a String, ignored: not a Bool)"));
        // Only false means "cleared"; true is not a stored shortcut.
        QVERIFY(lines.contains("GlobalShortcuts_actionWheel = true  (a Bool, ignored: not a shortcut)"));
        QVERIFY(lines.contains("modelProvider = (not set; default: apple)"));
    }
};

QTEST_GUILESS_MAIN(TestConfigCommand)
#include "test_configcommand.moc"
