// The key-combination and prompt sheets as a user works them in the running app: keys recorded from
// real presses (with modifiers, alone, Tab and Escape, and keys the app or its hot key would
// otherwise act on), a prompt written, both put on the wheel's ring and used on the test editor.
#include "lineprocess.h"
#include "modelserverprocess.h"
#include "platform/jsonfiledefaults.h"
#include "ringleprocess.h"
#include "settingsprobe.h"
#include "testsupport.h"
#include "wheel/customkeycombo.h"
#include "wheel/customprompt.h"
#include "wheel/jsondecodeerror.h"
#include "wheelgestures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::SettingsProbe;
using TestSupport::xdotool;

namespace {
const QString editorTitle = QStringLiteral("record editors test");
const QString controlsEnd = QStringLiteral("controls end");

template <typename Record>
QList<Record> stored(RingleProcess &ringle, const QString &key)
{
    const JsonFileDefaults defaults(ringle.configHome() + QStringLiteral("/Ringle/defaults.json"));
    QList<Record> records;
    try {
        for (const QJsonValue &value : QJsonDocument::fromJson(defaults.dataValue(key).value_or(QByteArray())).array())
            records.append(Record::fromJson(value));
    } catch (const JsonDecodeError &) {
        return {};
    }
    return records;
}

bool key(const QString &keys)
{
    return xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys, QStringLiteral("sleep"),
                    QStringLiteral("0.3")});
}
} // namespace

class ItestRecordEditors final : public QObject {
    Q_OBJECT

    ModelServerProcess m_server;

    // Opens the sheet for a new key combination from the list section, presses `ignored`, then `keys`
    // in it (the box records at once), names the combination and saves it.
    bool recordNew(SettingsProbe &probe, RingleProcess &ringle, const QString &keys, const QString &recorded,
                   const QString &name, const QStringList &ignored = {})
    {
        if (!probe.clickControl(QStringLiteral("addKeyCombo")) || !probe.waitFor(controlsEnd))
            return false;
        for (const QString &press : ignored) {
            if (!key(press))
                return false;
        }
        if (!key(keys))
            return false;
        if (ringle.waitForLine(QStringLiteral("recorded ") + recorded, 5000).isEmpty()) {
            qWarning().noquote() << "not recorded:" << keys;
            return false;
        }
        return probe.typeInto(QStringLiteral("keyComboName"), name) && probe.clickControl(QStringLiteral("save"))
            && probe.waitFor(controlsEnd);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_server.isRunning()); }

    void recordedKeysAndAPromptWorkFromTheWheel()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(ringle.configure(QStringLiteral("showResultFirst"), QStringLiteral("false")));
        QVERIFY(m_server.setDefault(ModelServerProcess::completion(TestSupport::typo.toUpper())));
        QVERIFY(ringle.start());
        LineProcess editor;
        QVERIFY(TestSupport::startTestEditor(editor, editorTitle));

        SettingsProbe probe(ringle);
        QVERIFY(ringle.openSettings());
        QVERIFY2(probe.waitFor(controlsEnd), qPrintable(ringle.transcript()));
        QVERIFY(probe.click(QStringLiteral("row"), QStringLiteral("Key Combos")));
        QVERIFY(probe.waitFor(controlsEnd));

        // Control, Alt and Super with K: modifiers 7 and the label K.
        QVERIFY(recordNew(probe, ringle, QStringLiteral("ctrl+alt+super+k"), QStringLiteral("40 7 K"),
                          QStringLiteral("Spread")));
        // Ctrl alone and a key with no key code (which beeps) record nothing; then S alone does. The
        // box is clicked again, Tab passes on and Escape brings S back.
        QVERIFY(recordNew(probe, ringle, QStringLiteral("s"), QStringLiteral("1 0 S"), QStringLiteral("Letter S"),
                          {QStringLiteral("ctrl"), QStringLiteral("XF86Mail")}));
        QVERIFY(ringle.transcript().contains(QStringLiteral("no key code")));
        QVERIFY(probe.clickControl(QStringLiteral("editKeyCombo2")));
        QVERIFY(probe.waitFor(controlsEnd));
        QVERIFY(probe.clickControl(QStringLiteral("recordBox")));
        QVERIFY(key(QStringLiteral("Tab")));
        QVERIFY(key(QStringLiteral("Escape")));
        QVERIFY(!ringle.seesWithin(QStringLiteral("recorded "), 300));
        QVERIFY(probe.clickControl(QStringLiteral("save")));
        QVERIFY(probe.waitFor(controlsEnd));
        // Keys the settings window and the hot keys would act on are recorded instead.
        QVERIFY(recordNew(probe, ringle, QStringLiteral("ctrl+q"), QStringLiteral("12 4 Q"), QStringLiteral("Quit")));
        QVERIFY(ringle.isRunning());
        QVERIFY(recordNew(probe, ringle, QStringLiteral("ctrl+alt+h"), QStringLiteral("4 6 H"), QStringLiteral("Hot")));
        QVERIFY(!ringle.seesWithin(QStringLiteral("rings, first"), 500));

        QCOMPARE(ringle.transcript().count(QStringLiteral("ringle.settings: recorded ")), 4);
        const QList<CustomKeyCombo> combos = stored<CustomKeyCombo>(ringle, QStringLiteral("customKeyCombos"));
        QCOMPARE(combos.size(), 4);
        QCOMPARE(combos.at(0).combo, (KeyCombo{QStringLiteral("Spread"), 40, KeyModifiers::command | KeyModifiers::option | KeyModifiers::control, QStringLiteral("K")}));
        QCOMPARE(combos.at(1).combo, (KeyCombo{QStringLiteral("Letter S"), 1, KeyModifiers(), QStringLiteral("S")}));
        QCOMPARE(combos.at(2).combo,
                 (KeyCombo{QStringLiteral("Quit"), 12, KeyModifiers(KeyModifiers::control), QStringLiteral("Q")}));
        QCOMPARE(combos.at(3).combo, (KeyCombo{QStringLiteral("Hot"), 4, KeyModifiers::control | KeyModifiers::option,
                                               QStringLiteral("H")}));

        // A prompt, with a symbol found by searching the picker.
        QVERIFY(probe.click(QStringLiteral("row"), QStringLiteral("Prompts")));
        QVERIFY(probe.waitFor(controlsEnd));
        QVERIFY(probe.clickControl(QStringLiteral("addPrompt")));
        QVERIFY(probe.waitFor(controlsEnd));
        QVERIFY(probe.typeInto(QStringLiteral("promptName"), QStringLiteral("Shout")));
        QVERIFY(probe.typeInto(QStringLiteral("promptInstruction"), QStringLiteral("Upper-case the text.")));
        QVERIFY(probe.clickControl(QStringLiteral("symbolButton")));
        QVERIFY(probe.waitFor(controlsEnd));
        QVERIFY(TestSupport::type(QStringLiteral("megaph")));
        QVERIFY(probe.waitFor(controlsEnd));
        QVERIFY(probe.click(QStringLiteral("symbol"), QStringLiteral("megaphone")));
        QVERIFY(probe.clickControl(QStringLiteral("save")));
        QVERIFY(probe.waitFor(controlsEnd));
        const QList<CustomPrompt> prompts = stored<CustomPrompt>(ringle, QStringLiteral("customPrompts"));
        QCOMPARE(prompts.size(), 1);
        QCOMPARE(prompts.at(0).name, QStringLiteral("Shout"));
        QCOMPARE(prompts.at(0).symbol, QStringLiteral("megaphone"));
        QCOMPARE(prompts.at(0).instruction, QStringLiteral("Upper-case the text."));

        // Both on the default ring: the prompt on the right, the S key on the left.
        QVERIFY(probe.click(QStringLiteral("row"), QStringLiteral("Text")));
        QVERIFY(probe.waitFor(controlsEnd));
        QVERIFY(probe.pick(QStringLiteral("slot2"), {QStringLiteral("Prompts"), QStringLiteral("Shout")}));
        QVERIFY(probe.pick(QStringLiteral("slot4"), {QStringLiteral("Key Combos"), QStringLiteral("My Key Combos"),
                                                     QStringLiteral("Letter S S")}));

        QVERIFY(xdotool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^") + editorTitle + QStringLiteral("$"),
                         QStringLiteral("windowactivate"), QStringLiteral("--sync")}));
        QVERIFY(TestSupport::waitUntilActive(editor.pid(), editorTitle));
        QVERIFY(TestSupport::setAndSelect(editor, TestSupport::typo, 0, int(TestSupport::typo.size())));
        m_server.forgetEvents();
        QVERIFY(TestSupport::shortcutGesture(ringle, 90, 0));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(editor), TestSupport::typo.toUpper(), 15000);
        QVERIFY(QJsonDocument(m_server.requests().first()).toJson().contains("Upper-case the text."));
        // The wheel opens again once the prompt's work is over.
        QVERIFY(!ringle.waitForLine(QStringLiteral("ringle.resultpanel: hidden")).isEmpty());
        QVERIFY(TestSupport::setAndSelect(editor, QStringLiteral("word"), 0, 4));
        QVERIFY(TestSupport::shortcutGesture(ringle, -90, 0));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(editor), QStringLiteral("s"), 10000);
    }
};

QTEST_GUILESS_MAIN(ItestRecordEditors)
#include "itest_recordeditors.moc"
