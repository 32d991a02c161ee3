#include "globalshortcuts/recorderkeyrules.h"
#include "globalshortcuts/shortcut.h"
#include "globalshortcuts/shortcutpresentation.h"
#include "platform/fake/fakekeyboardlayout.h"

#include <QTest>

using namespace GlobalShortcuts;
using Outcome = RecorderKeyRules::Outcome;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)
Q_DECLARE_METATYPE(Outcome)

namespace {
constexpr KeyModifiers ctrl = KeyModifiers::control, alt = KeyModifiers::option, shift = KeyModifiers::shift,
                       super = KeyModifiers::command, fn = KeyModifiers::function;

FakeKeyboardLayout usLayout()
{
    FakeKeyboardLayout layout;
    layout.addKey(Qt::Key_H, 4, QStringLiteral("h"));
    layout.addKey(Qt::Key_Tab, 48);
    layout.addKey(Qt::Key_F5, 96);
    layout.addKey(Qt::Key_F13, 105);
    layout.addKey(Qt::Key_Space, 49, QStringLiteral(" "));
    layout.addKey(Qt::Key_Comma, 43, QStringLiteral(","));
    return layout;
}
} // namespace

class TestGlobalShortcutsValues final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The stored modifier bits: control 0x1000, option 0x800, shift 0x200, command 0x100, function 0x20000.
    void jsonModifierBits_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<KeyModifiers>("modifiers");
        QTest::newRow("none") << 0 << KeyModifiers();
        QTest::newRow("control") << 0x1000 << ctrl;
        QTest::newRow("option") << 0x800 << alt;
        QTest::newRow("shift") << 0x200 << shift;
        QTest::newRow("command") << 0x100 << super;
        QTest::newRow("function") << 0x20000 << fn;
        QTest::newRow("all five") << 0x21B00 << (ctrl | alt | shift | super | fn);
    }
    void jsonModifierBits()
    {
        QFETCH(int, stored);
        QFETCH(KeyModifiers, modifiers);
        const QString json = QStringLiteral("{\"carbonKeyCode\":4,\"carbonModifiers\":%1}").arg(stored);
        QCOMPARE(Shortcut::fromJson(json), std::optional<Shortcut>(Shortcut{Key::h, modifiers}));
        QCOMPARE((Shortcut{Key::h, modifiers}.toJson()), json);
    }

    void jsonIsCompactInOrderAndRoundTrips()
    {
        const Shortcut wheel{Key::h, KeyModifiers::control | KeyModifiers::option};
        QCOMPARE(wheel.toJson(), QStringLiteral("{\"carbonKeyCode\":4,\"carbonModifiers\":6144}"));
        QCOMPARE(Shortcut::fromJson(wheel.toJson()), std::optional<Shortcut>(wheel));
        const Shortcut odd{65535, shift | super | fn};
        QCOMPARE(Shortcut::fromJson(odd.toJson()), std::optional<Shortcut>(odd));
    }

    void jsonDropsUnknownBitsAndRefusesWhatFitsNoKey_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<std::optional<Shortcut>>("read");
        // Caps lock (0x400), the right-hand bits (0x2000–0x8000) and the low bits have no modifier.
        QTest::newRow("unknown bits") << "{\"carbonKeyCode\":4,\"carbonModifiers\":65535}"
                                      << std::optional<Shortcut>(Shortcut{Key::h, ctrl | alt | shift | super});
        QTest::newRow("largest int") << "{\"carbonKeyCode\":4,\"carbonModifiers\":2147483647}"
                                     << std::optional<Shortcut>(Shortcut{Key::h, ctrl | alt | shift | super | fn});
        QTest::newRow("beyond int") << "{\"carbonKeyCode\":4,\"carbonModifiers\":2147483648}" << std::optional<Shortcut>();
        QTest::newRow("negative modifiers") << "{\"carbonKeyCode\":4,\"carbonModifiers\":-1}" << std::optional<Shortcut>();
        QTest::newRow("negative key") << "{\"carbonKeyCode\":-1,\"carbonModifiers\":0}" << std::optional<Shortcut>();
        QTest::newRow("key beyond 16 bits") << "{\"carbonKeyCode\":65536,\"carbonModifiers\":0}" << std::optional<Shortcut>();
    }
    void jsonDropsUnknownBitsAndRefusesWhatFitsNoKey()
    {
        QFETCH(QString, json);
        QFETCH(std::optional<Shortcut>, read);
        QCOMPARE(Shortcut::fromJson(json), read);
    }

    void presentableTextUsesLinuxNotation_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<KeyModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("default") << 4 << (ctrl | alt) << QStringLiteral("Ctrl+Alt+H");
        QTest::newRow("fixed order") << 4 << (super | shift | alt | ctrl) << QStringLiteral("Ctrl+Alt+Shift+Super+H");
        QTest::newRow("F key alone") << 96 << KeyModifiers() << QStringLiteral("F5");
        QTest::newRow("F20") << 90 << ctrl << QStringLiteral("Ctrl+F20");
        QTest::newRow("Print") << 105 << shift << QStringLiteral("Shift+Print");
        QTest::newRow("space") << 49 << ctrl << QStringLiteral("Ctrl+Space");
        QTest::newRow("keypad") << 89 << ctrl << QStringLiteral("Ctrl+Num 7");
        QTest::newRow("arrow") << 126 << super << QStringLiteral("Super+↑");
        QTest::newRow("function") << 4 << (ctrl | fn) << QStringLiteral("Ctrl+Fn+H");
        QTest::newRow("punctuation") << 43 << ctrl << QStringLiteral("Ctrl+,");
        QTest::newRow("no character") << 10 << ctrl << QStringLiteral("Ctrl+\uFFFD");
    }
    void presentableTextUsesLinuxNotation()
    {
        QFETCH(int, keyCode);
        QFETCH(KeyModifiers, modifiers);
        QFETCH(QString, text);
        QCOMPARE(presentableText(Shortcut{quint16(keyCode), modifiers}, usLayout()), text);
    }

    void menuCombinations()
    {
        const FakeKeyboardLayout layout = usLayout();
        QCOMPARE(menuKeyCombination(Shortcut{4, ctrl | shift}, layout),
                 std::optional<QKeyCombination>(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_H)));
        QCOMPARE(menuKeyCombination(Shortcut{96, super}, layout),
                 std::optional<QKeyCombination>(QKeyCombination(Qt::MetaModifier, Qt::Key_F5)));
        QCOMPARE(menuKeyCombination(Shortcut{43, alt}, layout),
                 std::optional<QKeyCombination>(QKeyCombination(Qt::AltModifier, Qt::Key_Comma)));
        QVERIFY(!menuKeyCombination(Shortcut{89, ctrl}, layout)); // keypad
        QVERIFY(!menuKeyCombination(Shortcut{10, ctrl}, layout)); // types nothing here
    }

    void recorderKeyRules_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<KeyModifiers>("hotKeyModifiers");
        const Qt::KeyboardModifiers none;
        QTest::newRow("H alone") << int(Qt::Key_H) << none << Outcome::reject << 0 << KeyModifiers();
        QTest::newRow("Shift+H") << int(Qt::Key_H) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Outcome::reject << 0 << KeyModifiers();
        QTest::newRow("F5 alone") << int(Qt::Key_F5) << none << Outcome::candidate << 96 << KeyModifiers();
        QTest::newRow("Shift+F13") << int(Qt::Key_F13) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Outcome::candidate << 105 << shift;
        QTest::newRow("Ctrl+Alt+H") << int(Qt::Key_H) << (Qt::ControlModifier | Qt::AltModifier) << Outcome::candidate << 4 << (ctrl | alt);
        QTest::newRow("keypad flag ignored") << int(Qt::Key_H) << (Qt::MetaModifier | Qt::KeypadModifier) << Outcome::candidate << 4 << super;
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << Qt::KeyboardModifiers(Qt::ControlModifier) << Outcome::candidate << 48 << ctrl;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << Outcome::moveFocus << 0 << KeyModifiers();
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Outcome::moveFocus << 0 << KeyModifiers();
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << Outcome::clearShortcut << 0 << KeyModifiers();
        QTest::newRow("Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::KeypadModifier) << Outcome::clearShortcut << 0 << KeyModifiers();
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << Outcome::endRecording << 0 << KeyModifiers();
        QTest::newRow("Shift+Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Outcome::reject << 0 << KeyModifiers();
        QTest::newRow("Control alone") << int(Qt::Key_Control) << Qt::KeyboardModifiers(Qt::ControlModifier) << Outcome::ignore << 0 << KeyModifiers();
        QTest::newRow("unknown key") << int(Qt::Key_Eacute) << Qt::KeyboardModifiers(Qt::ControlModifier) << Outcome::reject << 0 << KeyModifiers();
    }
    void recorderKeyRules()
    {
        QFETCH(int, qtKey);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Outcome, outcome);
        QFETCH(int, keyCode);
        QFETCH(KeyModifiers, hotKeyModifiers);
        const FakeKeyboardLayout layout = usLayout();
        const auto decision =
            RecorderKeyRules::decide(qtKey, modifiers, layout.keyForKeyPress(NativeKeyPress{qtKey, 0, 0}));
        QCOMPARE(decision.outcome, outcome);
        if (outcome == Outcome::candidate)
            QCOMPARE(decision.candidate, std::optional<Shortcut>(Shortcut{quint16(keyCode), hotKeyModifiers}));
        else
            QVERIFY(!decision.candidate);
    }
};

QTEST_GUILESS_MAIN(TestGlobalShortcutsValues)
#include "test_globalshortcutsvalues.moc"
