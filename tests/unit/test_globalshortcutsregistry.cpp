#include "globalshortcuts/hotkeycenter.h"
#include "globalshortcuts/registry.h"
#include "keys/keymodifiers.h"
#include "platform/fake/fakehotkeyservice.h"
#include "platform/fake/fakemenutracker.h"
#include "platform/fake/memorydefaults.h"

#include <QSignalSpy>
#include <QTest>

using namespace GlobalShortcuts;

namespace {
constexpr KeyModifiers controlOption = KeyModifiers::control | KeyModifiers::option; // stored as 6144
const QString wheelKey = QStringLiteral("GlobalShortcuts_actionWheel");

// One app launch: the registry over its own or shared defaults, with a fake system behind it.
struct Launch {
    explicit Launch(MemoryDefaults *shared = nullptr) : defaults(shared ? *shared : own), registry(defaults, service, &menus) {}
    MemoryDefaults own;
    MemoryDefaults &defaults;
    FakeHotKeyService service;
    FakeMenuTracker menus;
    Registry registry;
};
} // namespace

class TestGlobalShortcutsRegistry final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstLaunchStoresTheDefaultAndControlOptionHFires()
    {
        Launch app;
        QStringList calls;
        app.registry.onKeyDown(Name::actionWheel(), [&] { calls << QStringLiteral("down"); });
        app.registry.onKeyUp(Name::actionWheel(), [&] { calls << QStringLiteral("up"); });

        QCOMPARE(app.defaults.stringValue(wheelKey),
                 std::optional<QString>(QStringLiteral("{\"carbonKeyCode\":4,\"carbonModifiers\":6144}")));
        QCOMPARE(app.service.registrations().size(), 1);
        const auto registration = app.service.registrations().first();
        QCOMPARE(registration.key, Key::h);
        QCOMPARE(registration.modifiers, controlOption);
        QCOMPARE(registration.signature, 0x524E474Bu);
        QCOMPARE(registration.id, 1u);

        QVERIFY(app.service.press(4, controlOption));
        QVERIFY(app.service.release(4, controlOption));
        QCOMPARE(calls, QStringList({QStringLiteral("down"), QStringLiteral("up")}));
    }

    // Whatever is stored stays as it is; only a readable shortcut is registered.
    void storedValuesAreLeftAlone_data()
    {
        QTest::addColumn<UserDefaults::Value>("stored");
        QTest::addColumn<bool>("readsAsShortcut");
        QTest::newRow("cleared") << UserDefaults::Value(false) << false;
        QTest::newRow("user's own") << UserDefaults::Value(QStringLiteral("{\"carbonKeyCode\":38,\"carbonModifiers\":256}")) << true;
        QTest::newRow("true") << UserDefaults::Value(true) << false;
        QTest::newRow("integer") << UserDefaults::Value(qint64(4)) << false;
        QTest::newRow("bytes") << UserDefaults::Value(QByteArray("{}")) << false;
        const char *unreadable[][2] = {{"empty", ""}, {"not json", "control-option-H"}, {"array", "[4,6144]"},
            {"missing member", "{\"carbonKeyCode\":4}"},
            {"string member", "{\"carbonKeyCode\":\"4\",\"carbonModifiers\":6144}"},
            {"fraction", "{\"carbonKeyCode\":4.5,\"carbonModifiers\":6144}"},
            {"beyond int", "{\"carbonKeyCode\":4,\"carbonModifiers\":1e20}"},
            {"null", "{\"carbonKeyCode\":null,\"carbonModifiers\":6144}"},
            {"truncated", "{\"carbonKeyCode\":4,\"carbonModif"}};
        for (const auto &[name, text] : unreadable)
            QTest::newRow(name) << UserDefaults::Value(QString::fromUtf8(text)) << false;
    }
    void storedValuesAreLeftAlone()
    {
        QFETCH(UserDefaults::Value, stored);
        QFETCH(bool, readsAsShortcut);
        MemoryDefaults defaults;
        defaults.setValue(wheelKey, stored);
        Launch app(&defaults);
        app.registry.onKeyDown(Name::actionWheel(), [] {});
        QCOMPARE(defaults.value(wheelKey), std::optional<UserDefaults::Value>(stored));
        QCOMPARE(app.registry.shortcut(Name::actionWheel()).has_value(), readsAsShortcut);
        QCOMPARE(app.service.registerCalls(), readsAsShortcut ? 1 : 0);
    }

    void unknownModifierBitsAreDroppedAndNegativeValuesAreNotRegistered()
    {
        MemoryDefaults defaults;
        defaults.setString(wheelKey, QStringLiteral(" {\"carbonModifiers\": 6145, \"carbonKeyCode\": 4, \"x\": 1} "));
        Launch app(&defaults);
        app.registry.onKeyDown(Name::actionWheel(), [] {});
        QCOMPARE(app.registry.shortcut(Name::actionWheel()), std::optional<Shortcut>(Shortcut{Key::h, controlOption}));
        QVERIFY(app.service.isRegistered(Key::h, controlOption));
        // The stored text stays as it was.
        QVERIFY(defaults.stringValue(wheelKey)->contains(QLatin1String("6145")));

        app.defaults.setString(wheelKey, QStringLiteral("{\"carbonKeyCode\":4,\"carbonModifiers\":-1}"));
        QCOMPARE(app.registry.shortcut(Name::actionWheel()), std::nullopt);
        QCOMPARE(app.service.registrations().size(), 0);
    }

    void clearedShortcutStaysClearedOnTheNextLaunch()
    {
        MemoryDefaults defaults;
        {
            Launch app(&defaults);
            app.registry.onKeyDown(Name::actionWheel(), [] {});
            QSignalSpy changed(&app.registry, &Registry::shortcutByNameDidChange);
            app.registry.setShortcut(std::nullopt, Name::actionWheel());
            QCOMPARE(defaults.boolValue(wheelKey), std::optional<bool>(false));
            QVERIFY(app.service.registrations().isEmpty());
            QCOMPARE(changed.size(), 1);
            QCOMPARE(changed.first().first().value<Name>().rawValue, QStringLiteral("actionWheel"));

            const int writes = defaults.writeCount();
            app.registry.setShortcut(std::nullopt, Name::actionWheel());
            QCOMPARE(defaults.writeCount(), writes);
            QCOMPARE(changed.size(), 1);
        }
        Launch next(&defaults);
        int downs = 0;
        next.registry.onKeyDown(Name::actionWheel(), [&] { ++downs; });
        QVERIFY(!next.registry.shortcut(Name::actionWheel()));
        QCOMPARE(next.service.registerCalls(), 0);
        QVERIFY(!next.service.press(4, controlOption));
        QCOMPARE(downs, 0);
    }

    void removingANameWithoutDefaultDeletesItsKey()
    {
        Launch app;
        const Name plain(QStringLiteral("plain"));
        app.registry.onKeyDown(plain, [] {});
        QVERIFY(!app.defaults.value(QStringLiteral("GlobalShortcuts_plain")));
        QSignalSpy changed(&app.registry, &Registry::shortcutByNameDidChange);
        app.registry.setShortcut(std::nullopt, plain); // nothing stored: nothing happens
        QCOMPARE(changed.size(), 0);
        app.registry.setShortcut(Shortcut{38, KeyModifiers::command}, plain);
        QVERIFY(app.service.isRegistered(38, KeyModifiers::command));
        app.registry.setShortcut(std::nullopt, plain);
        QVERIFY(!app.defaults.value(QStringLiteral("GlobalShortcuts_plain")));
        QVERIFY(app.service.registrations().isEmpty());
        QCOMPARE(changed.size(), 2);
    }

    void namesWithTheSameShortcutShareOneHotKey()
    {
        Launch app;
        const Shortcut shared = Shortcut{38, controlOption};
        const Shortcut other = Shortcut{40, controlOption};
        const Name first(QStringLiteral("first"), shared), second(QStringLiteral("second"), shared);
        QStringList calls;
        app.registry.onKeyDown(first, [&] { calls << QStringLiteral("first 1"); });
        app.registry.onKeyDown(second, [&] { calls << QStringLiteral("second"); });
        app.registry.onKeyDown(first, [&] { calls << QStringLiteral("first 2"); });
        QCOMPARE(app.service.registrations().size(), 1);
        QVERIFY(app.service.press(38, controlOption));
        QCOMPARE(calls, QStringList({QStringLiteral("first 1"), QStringLiteral("first 2"), QStringLiteral("second")}));

        calls.clear();
        app.registry.setShortcut(other, first);
        QVERIFY(app.service.isRegistered(38, controlOption)); // still used by "second"
        QVERIFY(app.service.isRegistered(40, controlOption));
        app.service.press(38, controlOption);
        app.service.press(40, controlOption);
        QCOMPARE(calls, QStringList({QStringLiteral("second"), QStringLiteral("first 1"), QStringLiteral("first 2")}));

        // Once the only other user is disabled, moving away releases the hot key.
        app.registry.setShortcut(shared, first);
        app.registry.disable(second);
        app.registry.setShortcut(other, first);
        QVERIFY(!app.service.isRegistered(38, controlOption));
        calls.clear();
        app.registry.enable(second);
        QVERIFY(app.service.isRegistered(38, controlOption));
        app.service.press(38, controlOption);
        QCOMPARE(calls, QStringList({QStringLiteral("second")}));
    }

    void pausedHotKeysRunNoAction()
    {
        Launch app;
        int downs = 0;
        app.registry.onKeyDown(Name::actionWheel(), [&] { ++downs; });
        QObject recorder, otherRecorder;
        QSignalSpy active(&app.registry, &Registry::recorderActiveStatusDidChange);
        app.registry.beginRecording(&recorder);
        QVERIFY(app.registry.isPaused());
        QCOMPARE(app.registry.center().mode(), HotKeyCenter::Mode::disabled);
        QVERIFY(!app.service.press(4, controlOption));
        QCOMPARE(downs, 0);

        app.registry.endRecording(&otherRecorder); // not the active one: stays paused
        QVERIFY(app.registry.isPaused());
        app.registry.endRecording(&recorder);
        QCOMPARE(active.size(), 2);
        QCOMPARE(active.at(0).first().toBool(), true);
        QCOMPARE(active.at(1).first().toBool(), false);
        QVERIFY(app.service.press(4, controlOption));
        QCOMPARE(downs, 1);

        app.registry.setEnabled(false);
        QVERIFY(app.service.registrations().isEmpty());
        app.registry.setEnabled(true);
        QCOMPARE(app.service.registrations().size(), 1);
    }

    void openMenuMatchesRawKeysAndIgnoresRepeats()
    {
        Launch app;
        QStringList calls;
        app.registry.onKeyDown(Name::actionWheel(), [&] { calls << QStringLiteral("down"); });
        app.registry.onKeyUp(Name::actionWheel(), [&] { calls << QStringLiteral("up"); });

        app.menus.setMenuOpen(true);
        QTRY_COMPARE(app.registry.center().mode(), HotKeyCenter::Mode::menuOpen);
        QVERIFY(app.service.registrations().isEmpty());
        QVERIFY(app.service.rawKeyEventsEnabled());
        QVERIFY(!app.service.hotKeyEventsEnabled());

        QVERIFY(app.service.rawKey(true, 4, controlOption));
        QVERIFY(!app.service.rawKey(true, 4, controlOption, true));
        QVERIFY(!app.service.rawKey(true, 4, controlOption | KeyModifiers::shift));
        QVERIFY(!app.service.rawKey(true, 5, controlOption));
        QVERIFY(app.service.rawKey(false, 4, controlOption));
        QCOMPARE(calls, QStringList({QStringLiteral("down"), QStringLiteral("up")}));

        app.menus.setMenuOpen(false);
        QTRY_COMPARE(app.registry.center().mode(), HotKeyCenter::Mode::normal);
        QVERIFY(!app.service.rawKeyEventsEnabled());
        QVERIFY(app.service.press(4, controlOption));
        QCOMPARE(calls.size(), 3);
    }

    void functionAndNavigationKeysMatchWithOrWithoutFunctionModifier_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<bool>("functionIgnored");
        const int fKeys[] = {122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111, 105, 107, 113, 106, 64, 79, 80, 90};
        for (int i = 0; i < 20; ++i)
            QTest::addRow("F%d", i + 1) << fKeys[i] << true;
        const std::pair<const char *, int> navigation[] = {{"help", 114}, {"forward delete", 117}, {"keypad clear", 71},
            {"home", 115}, {"end", 119}, {"page up", 116}, {"page down", 121}, {"up", 126}, {"right", 124},
            {"down", 125}, {"left", 123}};
        for (const auto &[name, code] : navigation)
            QTest::newRow(name) << code << true;
        QTest::newRow("H") << 4 << false;
        QTest::newRow("Return") << 36 << false;
    }
    void functionAndNavigationKeysMatchWithOrWithoutFunctionModifier()
    {
        QFETCH(int, keyCode);
        QFETCH(bool, functionIgnored);
        Launch app;
        const Name withFn(QStringLiteral("withFn"), Shortcut{quint16(keyCode), KeyModifiers::control | KeyModifiers::function});
        const Name plain(QStringLiteral("plain"), Shortcut{quint16(keyCode), KeyModifiers::shift});
        int fnDowns = 0, plainDowns = 0;
        app.registry.onKeyDown(withFn, [&] { ++fnDowns; });
        app.registry.onKeyDown(plain, [&] { ++plainDowns; });
        app.menus.setMenuOpen(true);
        QTRY_VERIFY(app.service.rawKeyEventsEnabled());

        QCOMPARE(app.service.rawKey(true, keyCode, KeyModifiers::control), functionIgnored);
        QVERIFY(app.service.rawKey(true, keyCode, KeyModifiers::control | KeyModifiers::function));
        QCOMPARE(app.service.rawKey(true, keyCode, KeyModifiers::shift | KeyModifiers::function), functionIgnored);
        QVERIFY(app.service.rawKey(true, keyCode, KeyModifiers::shift));
        QCOMPARE(fnDowns, functionIgnored ? 2 : 1);
        QCOMPARE(plainDowns, functionIgnored ? 2 : 1);
    }

    void refusedAndLostHotKeysLeaveTheMap()
    {
        Launch app;
        app.service.setTaken(4, controlOption);
        int downs = 0;
        app.registry.onKeyDown(Name::actionWheel(), [&] { ++downs; });
        const Shortcut wheel = Shortcut{4, controlOption};
        QVERIFY(!app.registry.isRegistered(wheel));

        app.service.setTaken(4, controlOption, false);
        app.registry.setShortcut(wheel, Name::actionWheel());
        QVERIFY(app.registry.isRegistered(wheel));

        // Another program takes the key while ours is paused: resuming fails and the hot key goes.
        app.registry.setPaused(true);
        app.service.setTaken(4, controlOption);
        app.registry.setPaused(false);
        QVERIFY(!app.registry.isRegistered(wheel));
        QVERIFY(!app.service.press(4, controlOption));
        QCOMPARE(downs, 0);
    }

    void eventsForUnknownHotKeysAreNotHandled()
    {
        Launch app;
        int downs = 0;
        app.registry.onKeyDown(Name::actionWheel(), [&] { ++downs; });
        HotKeyEvent foreign;
        foreign.kind = HotKeyEvent::Kind::hotKeyPressed;
        foreign.signature = 0x41424344;
        foreign.id = 1;
        QVERIFY(!app.registry.center().handleEvent(foreign));
        HotKeyEvent unknownId = foreign;
        unknownId.signature = HotKeyCenter::signature;
        unknownId.id = 99;
        QVERIFY(!app.registry.center().handleEvent(unknownId));
        QCOMPARE(downs, 0);
    }

    void idsCountUpAcrossHotKeys()
    {
        Launch app;
        app.registry.onKeyDown(Name::actionWheel(), [] {});
        app.registry.setShortcut(Shortcut{38, controlOption}, Name::actionWheel());
        app.registry.setShortcut(Shortcut{40, controlOption}, Name::actionWheel());
        QCOMPARE(app.registry.center().lastHotKeyId(), 3u);
        QCOMPARE(app.service.registrations().size(), 1);
        QCOMPARE(app.service.registrations().first().id, 3u);
    }

    // Another writer (ringle config, the settings window) changes the stored value behind the
    // registry's back: the old key lets go whatever the new value is, a usable one is grabbed.
    void storedValueWrittenElsewhereMovesTheHotKey_data()
    {
        QTest::addColumn<UserDefaults::Value>("stored");
        QTest::addColumn<int>("grabbedKeyCode");
        QTest::addColumn<bool>("otherProgramHoldsIt");
        QTest::newRow("another key") << UserDefaults::Value(QStringLiteral("{\"carbonKeyCode\":38,\"carbonModifiers\":6144}")) << 38 << false;
        QTest::newRow("cleared") << UserDefaults::Value(false) << -1 << false;
        QTest::newRow("not JSON") << UserDefaults::Value(QStringLiteral("ctrl+alt+j")) << -1 << false;
        QTest::newRow("negative code") << UserDefaults::Value(QStringLiteral("{\"carbonKeyCode\":-1,\"carbonModifiers\":6144}")) << -1 << false;
        QTest::newRow("held by another program") << UserDefaults::Value(QStringLiteral("{\"carbonKeyCode\":38,\"carbonModifiers\":6144}")) << -1 << true;
    }
    void storedValueWrittenElsewhereMovesTheHotKey()
    {
        QFETCH(UserDefaults::Value, stored);
        QFETCH(int, grabbedKeyCode);
        QFETCH(bool, otherProgramHoldsIt);
        Launch app;
        int downs = 0;
        app.registry.onKeyDown(Name::actionWheel(), [&] { ++downs; });
        QVERIFY(app.service.isRegistered(4, controlOption));
        if (otherProgramHoldsIt)
            app.service.setTaken(38, controlOption);

        app.defaults.setValue(wheelKey, stored);
        QVERIFY(!app.service.isRegistered(4, controlOption));
        QVERIFY(!app.service.press(4, controlOption));
        QCOMPARE(app.service.registrations().size(), grabbedKeyCode < 0 ? 0 : 1);
        if (grabbedKeyCode >= 0) {
            QVERIFY(app.service.press(quint16(grabbedKeyCode), controlOption));
            QCOMPARE(downs, 1);
        }

        // Back to the first key, as `ringle config set` would write it.
        app.defaults.setString(wheelKey, Shortcut{4, controlOption}.toJson());
        QCOMPARE(app.service.registrations().size(), 1);
        QVERIFY(app.service.isRegistered(4, controlOption));
    }

    void otherKeysAndDisabledNamesLeaveHotKeysAlone()
    {
        Launch app;
        app.registry.onKeyDown(Name::actionWheel(), [] {});
        const int registered = app.service.registerCalls();
        app.defaults.setString(QStringLiteral("wheelMouseButton"), QStringLiteral("right"));
        app.registry.disable(Name::actionWheel());
        QCOMPARE(app.service.registrations().size(), 0);
        app.defaults.setString(wheelKey, Shortcut{38, controlOption}.toJson());
        QCOMPARE(app.service.registrations().size(), 0);
        QCOMPARE(app.service.registerCalls(), registered);
        app.registry.enable(Name::actionWheel());
        QVERIFY(app.service.isRegistered(38, controlOption));
    }

    void systemShortcutsExceptBareF12()
    {
        Launch app;
        app.service.setTaken(111, {});
        app.service.setTaken(111, KeyModifiers::shift);
        QVERIFY(!app.registry.isTakenBySystem(Shortcut{111, {}}));
        QVERIFY(app.registry.isTakenBySystem(Shortcut{111, KeyModifiers::shift}));
        QVERIFY(!app.registry.isTakenBySystem(Shortcut{4, controlOption}));
    }
};

QTEST_GUILESS_MAIN(TestGlobalShortcutsRegistry)
#include "test_globalshortcutsregistry.moc"
