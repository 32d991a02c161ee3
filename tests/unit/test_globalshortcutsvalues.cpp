#include "globalshortcuts/modifierflags.h"
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
constexpr int ctrl = HotKeyModifiers::control, alt = HotKeyModifiers::option, shift = HotKeyModifiers::shift,
              super = HotKeyModifiers::command, fn = HotKeyModifiers::function;

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
    void modifiersConvertBothWaysAndDropStrayBits_data()
    {
        QTest::addColumn<quint64>("eventFlags");
        QTest::addColumn<int>("hotKey");
        QTest::newRow("control") << quint64(0x40000) << 0x1000;
        QTest::newRow("option") << quint64(0x80000) << 0x800;
        QTest::newRow("shift") << quint64(0x20000) << 0x200;
        QTest::newRow("command") << quint64(0x100000) << 0x100;
        QTest::newRow("function") << quint64(0x800000) << 0x20000;
        QTest::newRow("all five") << quint64(0x9E0000) << 0x21B00;
    }
    void modifiersConvertBothWaysAndDropStrayBits()
    {
        QFETCH(quint64, eventFlags);
        QFETCH(int, hotKey);
        // Caps lock (0x10000), numeric pad (0x200000) and device bits vanish.
        QCOMPARE(hotKeyModifiersFromEventFlags(eventFlags | 0x10000 | 0x200000 | 0x7), hotKey);
        QCOMPARE(eventFlagsFromHotKeyModifiers(hotKey | 0x1 | 0x400 | 0x4000), eventFlags);
        QCOMPARE(Shortcut::fromCarbon(4, hotKey | 0x1).carbonModifiers, hotKey);
        QCOMPARE(Shortcut(Key::h, eventFlags | 0x10000).modifiers(), eventFlags);
    }

    void jsonIsCompactInOrderAndRoundTrips()
    {
        const Shortcut wheel(Key::h, EventFlags::control | EventFlags::option);
        QCOMPARE(wheel.toJson(), QStringLiteral("{\"carbonKeyCode\":4,\"carbonModifiers\":6144}"));
        QCOMPARE(Shortcut::fromJson(wheel.toJson()), std::optional<Shortcut>(wheel));
        const Shortcut odd = Shortcut::fromCarbon(126, shift | super | fn);
        QCOMPARE(Shortcut::fromJson(odd.toJson()), std::optional<Shortcut>(odd));
    }

    void keyEventsDropTheFunctionModifier()
    {
        const auto down = Shortcut::fromKeyEvent(Shortcut::KeyEventType::keyDown, 96,
                                                 EventFlags::function | EventFlags::command);
        QCOMPARE(down, std::optional<Shortcut>(Shortcut::fromCarbon(96, super)));
        QVERIFY(Shortcut::fromKeyEvent(Shortcut::KeyEventType::keyUp, 96, 0));
        QVERIFY(!Shortcut::fromKeyEvent(Shortcut::KeyEventType::flagsChanged, 96, 0));
    }

    void presentableTextUsesLinuxNotation_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("default") << 4 << (ctrl | alt) << QStringLiteral("Ctrl+Alt+H");
        QTest::newRow("fixed order") << 4 << (super | shift | alt | ctrl) << QStringLiteral("Ctrl+Alt+Shift+Super+H");
        QTest::newRow("F key alone") << 96 << 0 << QStringLiteral("F5");
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
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QCOMPARE(presentableText(Shortcut::fromCarbon(keyCode, modifiers), usLayout()), text);
    }

    void menuCombinations()
    {
        const FakeKeyboardLayout layout = usLayout();
        QCOMPARE(menuKeyCombination(Shortcut::fromCarbon(4, ctrl | shift), layout),
                 std::optional<QKeyCombination>(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_H)));
        QCOMPARE(menuKeyCombination(Shortcut::fromCarbon(96, super), layout),
                 std::optional<QKeyCombination>(QKeyCombination(Qt::MetaModifier, Qt::Key_F5)));
        QCOMPARE(menuKeyCombination(Shortcut::fromCarbon(43, alt), layout),
                 std::optional<QKeyCombination>(QKeyCombination(Qt::AltModifier, Qt::Key_Comma)));
        QVERIFY(!menuKeyCombination(Shortcut::fromCarbon(89, ctrl), layout)); // keypad
        QVERIFY(!menuKeyCombination(Shortcut::fromCarbon(10, ctrl), layout)); // types nothing here
    }

    void recorderKeyRules_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("hotKeyModifiers");
        const Qt::KeyboardModifiers none;
        QTest::newRow("H alone") << int(Qt::Key_H) << none << Outcome::reject << 0 << 0;
        QTest::newRow("Shift+H") << int(Qt::Key_H) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Outcome::reject << 0 << 0;
        QTest::newRow("F5 alone") << int(Qt::Key_F5) << none << Outcome::candidate << 96 << 0;
        QTest::newRow("Shift+F13") << int(Qt::Key_F13) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Outcome::candidate << 105 << shift;
        QTest::newRow("Ctrl+Alt+H") << int(Qt::Key_H) << (Qt::ControlModifier | Qt::AltModifier) << Outcome::candidate << 4 << (ctrl | alt);
        QTest::newRow("keypad flag ignored") << int(Qt::Key_H) << (Qt::MetaModifier | Qt::KeypadModifier) << Outcome::candidate << 4 << super;
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << Qt::KeyboardModifiers(Qt::ControlModifier) << Outcome::candidate << 48 << ctrl;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << Outcome::moveFocus << 0 << 0;
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Outcome::moveFocus << 0 << 0;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << Outcome::clearShortcut << 0 << 0;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::KeypadModifier) << Outcome::clearShortcut << 0 << 0;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << Outcome::endRecording << 0 << 0;
        QTest::newRow("Shift+Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Outcome::reject << 0 << 0;
        QTest::newRow("Control alone") << int(Qt::Key_Control) << Qt::KeyboardModifiers(Qt::ControlModifier) << Outcome::ignore << 0 << 0;
        QTest::newRow("unknown key") << int(Qt::Key_Eacute) << Qt::KeyboardModifiers(Qt::ControlModifier) << Outcome::reject << 0 << 0;
    }
    void recorderKeyRules()
    {
        QFETCH(int, qtKey);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Outcome, outcome);
        QFETCH(int, keyCode);
        QFETCH(int, hotKeyModifiers);
        const FakeKeyboardLayout layout = usLayout();
        const auto decision =
            RecorderKeyRules::decide(qtKey, modifiers, layout.keyCodeForKeyPress(NativeKeyPress{qtKey, 0, 0}));
        QCOMPARE(decision.outcome, outcome);
        if (outcome == Outcome::candidate)
            QCOMPARE(decision.candidate, std::optional<Shortcut>(Shortcut::fromCarbon(keyCode, hotKeyModifiers)));
        else
            QVERIFY(!decision.candidate);
    }
};

QTEST_GUILESS_MAIN(TestGlobalShortcutsValues)
#include "test_globalshortcutsvalues.moc"
