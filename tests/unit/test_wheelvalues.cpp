#include "wheel/jsondecodeerror.h"
#include "wheel/wheelset.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

// moc reads "//" inside raw strings as a comment, so addresses in them escape the slashes as "\/".
namespace {
QJsonValue parse(const QByteArray &json)
{
    const QJsonDocument doc = QJsonDocument::fromJson("[" + json + "]");
    return doc.array().first();
}

const QUuid someID = QUuid::fromString(QStringLiteral("0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0"));

QList<WheelItem> everyKind()
{
    return {WheelItem::proofread(),
            WheelItem::rewrite(),
            WheelItem::translate(),
            WheelItem::translateTo(TargetLanguage::chineseSimplified),
            WheelItem::explain(),
            WheelItem::summarize(),
            WheelItem::ask(),
            WheelItem::shortcut("Make PDF", "abc-1"),
            WheelItem::keys({"Undo", 6, KeyModifiers::control, "Z"}),
            WheelItem::customKeys(someID),
            WheelItem::openApp("org.gnome.TextEditor.desktop"),
            WheelItem::openURL("https://example.org/a?b=1", "Example"),
            WheelItem::customPrompt(someID)};
}
} // namespace

class TestWheelValues final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void slotWrittenForm_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("json");
        const QByteArray forms[] = {
            R"({"proofread":{}})",
            R"({"rewrite":{}})",
            R"({"translate":{}})",
            R"({"translateTo":{"_0":"zh-Hans"}})",
            R"({"explain":{}})",
            R"({"summarize":{}})",
            R"({"ask":{}})",
            R"({"shortcut":{"name":"Make PDF","id":"abc-1"}})",
            R"({"keys":{"_0":{"title":"Undo","keyCode":6,"modifiers":4,"keyLabel":"Z"}}})",
            R"({"customKeys":{"_0":"0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0"}})",
            R"({"openApp":{"bundleID":"org.gnome.TextEditor.desktop"}})",
            R"({"openURL":{"address":"https:\/\/example.org/a?b=1","name":"Example"}})",
            R"({"customPrompt":{"_0":"0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0"}})",
        };
        for (int i = 0; i < int(std::size(forms)); ++i)
            QTest::newRow(forms[i].constData()) << i << forms[i];
    }
    void slotWrittenForm()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, json);
        const WheelItem item = everyKind().at(index);
        QCOMPARE(QJsonValue(item.toJson()), parse(json));
        QCOMPARE(WheelItem::fromJson(parse(json)), item);
    }

    void slotTolerances()
    {
        // Keys that name no case, and unknown inner keys, are ignored; plain cases do not read their value.
        QCOMPARE(WheelItem::fromJson(parse(R"({"proofread":{},"colour":"red"})")), WheelItem::proofread());
        QCOMPARE(WheelItem::fromJson(parse(R"({"ask":{"_0":5}})")), WheelItem::ask());
        QCOMPARE(WheelItem::fromJson(parse(R"({"openApp":{"bundleID":"a","extra":1}})")), WheelItem::openApp("a"));
        QCOMPARE(WheelItem::fromJson(parse(R"({"customKeys":{"_0":"0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0"}})")),
                 WheelItem::customKeys(someID));
    }

    void slotFailures_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        const QString keys = QStringLiteral("Invalid number of keys found, expected one.");
        QTest::newRow("empty object") << QByteArray("{}") << keys;
        QTest::newRow("two cases") << QByteArray(R"({"proofread":{},"rewrite":{}})") << keys;
        QTest::newRow("case name in other case") << QByteArray(R"({"Proofread":{}})") << keys;
        QTest::newRow("value not an object") << QByteArray(R"({"proofread":true})") << QString();
        QTest::newRow("not an object") << QByteArray(R"("proofread")") << QString();
        QTest::newRow("unknown language") << QByteArray(R"({"translateTo":{"_0":"xx"}})") << QString();
        QTest::newRow("language missing") << QByteArray(R"({"translateTo":{}})") << QString();
        QTest::newRow("shortcut id number") << QByteArray(R"({"shortcut":{"name":"x","id":1}})") << QString();
        QTest::newRow("keys incomplete") << QByteArray(R"({"keys":{"_0":{"title":"x","keyCode":1,"modifiers":0}}})") << QString();
        QTest::newRow("customKeys bad uuid") << QByteArray(R"({"customKeys":{"_0":"not-a-uuid"}})") << QString();
        QTest::newRow("customPrompt braced uuid")
            << QByteArray(R"({"customPrompt":{"_0":"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}"}})") << QString();
        QTest::newRow("openURL without name") << QByteArray(R"({"openURL":{"address":"https:\/\/a.b"}})") << QString();
        QTest::newRow("openApp bundle null") << QByteArray(R"({"openApp":{"bundleID":null}})") << QString();
    }
    void slotFailures()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        try {
            WheelItem::fromJson(parse(json));
            QFAIL("decoded");
        } catch (const JsonDecodeError &error) {
            if (!message.isEmpty())
                QCOMPARE(error.message(), message);
        }
    }

    void ringForm()
    {
        const QByteArray stored = R"({"id":"0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0","title":"Text","slots":[null,{"ask":{}}]})";
        const WheelTab ring = WheelTab::fromJson(parse(stored));
        QCOMPARE(ring.id, someID);
        QCOMPARE(ring.slots, (QList<WheelSlot>{std::nullopt, WheelItem::ask()}));
        QVERIFY(!ring.forReadOnlyText);
        QCOMPARE(QJsonValue(ring.toJson()),
                 parse(R"({"id":"0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0","title":"Text","slots":[null,{"ask":{}}],"forReadOnlyText":false})"));
        QVERIFY(WheelTab::fromJson(parse(R"({"id":"0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0","title":"","slots":[],"forReadOnlyText":true})")).forReadOnlyText);
    }

    void ringAndSetFailures_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("isSet");
        const QByteArray id = R"("id":"0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0")";
        QTest::newRow("ring without id") << QByteArray(R"({"title":"","slots":[]})") << false;
        QTest::newRow("ring without title") << "{" + id + R"(,"slots":[]})" << false;
        QTest::newRow("ring without slots") << "{" + id + R"(,"title":""})" << false;
        QTest::newRow("ring with bad slot") << "{" + id + R"(,"title":"","slots":[{"proofread":{},"ask":{}}]})" << false;
        QTest::newRow("ring flag as text") << "{" + id + R"(,"title":"","slots":[],"forReadOnlyText":"yes"})" << false;
        QTest::newRow("set without sites") << "{" + id + R"(,"title":"","apps":[],"rings":[]})" << true;
        QTest::newRow("set apps not strings") << "{" + id + R"(,"title":"","apps":[1],"sites":[],"rings":[]})" << true;
        QTest::newRow("set ring broken") << "{" + id + R"(,"title":"","apps":[],"sites":[],"rings":[{}]})" << true;
    }
    void ringAndSetFailures()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, isSet);
        if (isSet)
            QVERIFY_THROWS_EXCEPTION(JsonDecodeError, WheelSet::fromJson(parse(json)));
        else
            QVERIFY_THROWS_EXCEPTION(JsonDecodeError, WheelTab::fromJson(parse(json)));
    }

    void configurationRoundTrip()
    {
        QList<WheelSet> sets;
        WheelTab ring{QUuid::createUuid(), "All", {}, true};
        for (const WheelItem &item : everyKind())
            ring.slots.append(item);
        ring.slots.append(std::nullopt);
        sets.append({QUuid::createUuid(), "Default", {}, {}, {ring, WheelTab::standard()}});
        sets.append({QUuid::createUuid(), "Mail", {"org.mozilla.Thunderbird.desktop"}, {"mail.example.org"}, {ring}});
        const QByteArray bytes = WheelSet::encodeList(sets);
        QVERIFY(!bytes.contains('\n'));
        QCOMPARE(WheelSet::decodeList(bytes), sets);
        QVERIFY(bytes.contains(sets.first().id.toString(QUuid::WithoutBraces).toUpper().toLatin1()));
        QVERIFY_THROWS_EXCEPTION(JsonDecodeError, WheelSet::decodeList("{}"));
        QVERIFY_THROWS_EXCEPTION(JsonDecodeError, WheelSet::decodeList("[1]"));
        QVERIFY_THROWS_EXCEPTION(JsonDecodeError, WheelSet::decodeList(bytes.left(bytes.size() - 1)));
        QCOMPARE(WheelSet::decodeList("[]"), QList<WheelSet>());
        QVERIFY(WheelTab::standard().id != WheelTab::standard().id);
    }

    void slotCount_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero clamps to one") << 4 << 0 << 1;
        QTest::newRow("nine clamps to six") << 4 << 9 << 6;
        QTest::newRow("shrink") << 6 << 4 << 4;
        QTest::newRow("grow") << 2 << 5 << 5;
        QTest::newRow("from oversized stored ring") << 9 << 7 << 6;
    }
    void slotCount()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, expected);
        WheelTab ring{QUuid::createUuid(), "", {}, false};
        for (int i = 0; i < from; ++i)
            ring.slots.append(WheelItem::shortcut(QString::number(i), {}));
        ring.setSlotCount(to);
        QCOMPARE(ring.slotCount(), expected);
        for (int i = 0; i < expected; ++i)
            QCOMPARE(ring.slots.at(i), i < from ? WheelSlot(WheelItem::shortcut(QString::number(i), {})) : WheelSlot());
    }

    void displayTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");
        QTest::newRow("spaces and tabs") << " \tNotes \t" << "Notes";
        QTest::newRow("only spaces") << "   " << "Untitled";
        QTest::newRow("empty") << "" << "Untitled";
        QTest::newRow("inner space kept") << " My Notes " << "My Notes";
        QTest::newRow("newline is not trimmed") << "\nA" << "\nA";
    }
    void displayTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, expected);
        QCOMPARE((WheelTab{QUuid(), title, {}, false}.displayTitle()), expected);
        QCOMPARE((WheelSet{QUuid(), title, {}, {}, {}}.displayTitle()), expected);
    }
};

QTEST_GUILESS_MAIN(TestWheelValues)
#include "test_wheelvalues.moc"
