#include "platform/fake/fakemousetap.h"
#include "platform/fake/fakescreens.h"
#include "platform/fake/memorydefaults.h"
#include "wheel/mousewheeltrigger.h"

#include <QTest>

namespace {
using Type = MouseTapEvent::Type;
constexpr KeyModifiers ctrl = KeyModifiers::control;
constexpr KeyModifiers alt = KeyModifiers::option;
constexpr KeyModifiers shift = KeyModifiers::shift;
constexpr KeyModifiers super = KeyModifiers::command;
constexpr KeyModifiers fn = KeyModifiers::function;

MouseTapEvent tapEvent(Type type, qint64 button, KeyModifiers modifiers = {}, QPointF location = {})
{
    return {type, button, modifiers, location, std::nullopt};
}

MouseTapEvent scrollEvent(ScrollInput input)
{
    return {Type::scrollWheel, 0, {}, {}, input};
}

// The settings as read from stored values.
WheelMouseSettings settings(WheelMouseSettings::Button button, int storedModifiers)
{
    MemoryDefaults defaults;
    defaults.setString("wheelMouseButton", WheelMouseSettings::rawValue(button));
    defaults.setInt("wheelMouseModifiers", storedModifiers);
    return WheelMouseSettings::current(defaults);
}

int storedModifiers(KeyModifiers modifiers)
{
    MemoryDefaults defaults;
    WheelMouseSettings::storeModifiers(defaults, modifiers);
    return int(defaults.intValue("wheelMouseModifiers").value_or(-1));
}

// A started trigger that records what it reports.
struct Fixture {
    MemoryDefaults defaults;
    FakeMouseTap tap;
    FakeScreens screens;
    MouseWheelTrigger trigger{defaults, tap, screens};
    QStringList reports;

    Fixture()
    {
        screens.setPointerLocation(QPointF(500, 600));
        QObject::connect(&trigger, &MouseWheelTrigger::began,
                         [this](QPointF p) { reports << QStringLiteral("begin %1,%2").arg(p.x()).arg(p.y()); });
        QObject::connect(&trigger, &MouseWheelTrigger::moved,
                         [this](QPointF p) { reports << QStringLiteral("move %1,%2").arg(p.x()).arg(p.y()); });
        QObject::connect(&trigger, &MouseWheelTrigger::ended, [this](std::optional<QPointF> p) {
            reports << (p ? QStringLiteral("end %1,%2").arg(p->x()).arg(p->y()) : QStringLiteral("end none"));
        });
        QObject::connect(&trigger, &MouseWheelTrigger::scrolled,
                         [this](const ScrollInput &s) { reports << QStringLiteral("scroll %1").arg(s.lines); });
        trigger.start();
    }
    QStringList takeReports()
    {
        QCoreApplication::processEvents();
        return std::exchange(reports, {});
    }
};
} // namespace

class TestMouseWheelTrigger final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedSettings_data()
    {
        QTest::addColumn<QVariant>("button");
        QTest::addColumn<QVariant>("modifiers");
        QTest::addColumn<int>("expectedButton");
        QTest::addColumn<int>("expectedModifiers");
        using B = WheelMouseSettings::Button;
        QTest::newRow("nothing stored") << QVariant() << QVariant() << int(B::right) << 3;
        QTest::newRow("middle, none") << QVariant("middle") << QVariant(qint64(0)) << int(B::middle) << 0;
        QTest::newRow("unknown name") << QVariant("left") << QVariant(qint64(4)) << int(B::right) << 4;
        QTest::newRow("wrong types") << QVariant(qint64(2)) << QVariant("3") << int(B::right) << 3;
        QTest::newRow("negative modifiers") << QVariant("off") << QVariant(qint64(-1)) << int(B::off) << 3;
        QTest::newRow("unknown bits dropped") << QVariant("middle") << QVariant(qint64(0x7FFFFFF5)) << int(B::middle) << 5;
        QTest::newRow("each bit, shift") << QVariant("middle") << QVariant(qint64(4)) << int(B::middle) << 4;
        QTest::newRow("each bit, command") << QVariant("middle") << QVariant(qint64(8)) << int(B::middle) << 8;
        QTest::newRow("beyond int") << QVariant("middle") << QVariant(qint64(1) << 32) << int(B::middle) << 3;
    }
    void storedSettings()
    {
        QFETCH(QVariant, button);
        QFETCH(QVariant, modifiers);
        QFETCH(int, expectedButton);
        QFETCH(int, expectedModifiers);
        MemoryDefaults defaults;
        const auto store = [&](const QString &key, const QVariant &v) {
            if (v.typeId() == QMetaType::QString)
                defaults.setString(key, v.toString());
            else if (v.isValid())
                defaults.setInt(key, v.toLongLong());
        };
        store("wheelMouseButton", button);
        store("wheelMouseModifiers", modifiers);
        const WheelMouseSettings current = WheelMouseSettings::current(defaults);
        QCOMPARE(int(current.button), expectedButton);
        QCOMPARE(storedModifiers(current.modifiers), expectedModifiers);
    }

    void activeAndInstruction_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("linuxText");
        QTest::addColumn<QString>("macText");
        using B = WheelMouseSettings::Button;
        QTest::newRow("off") << int(B::off) << 3 << false << "" << "";
        QTest::newRow("plain right") << int(B::right) << 0 << false << "" << "";
        QTest::newRow("default") << int(B::right) << 3 << true << "hold Ctrl+Alt and right-click"
                                 << "hold ⌃⌥ and right-click";
        QTest::newRow("plain middle") << int(B::middle) << 0 << true << "middle-click" << "middle-click";
        QTest::newRow("button 4 with command") << int(B::button4) << 8 << true << "hold Super and press button 4"
                                               << "hold ⌘ and press button 4";
        QTest::newRow("all four") << int(B::right) << 15 << true << "hold Ctrl+Alt+Shift+Super and right-click"
                                  << "hold ⌃⌥⇧⌘ and right-click";
    }
    void activeAndInstruction()
    {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(bool, active);
        QFETCH(QString, linuxText);
        QFETCH(QString, macText);
        const WheelMouseSettings s = settings(WheelMouseSettings::Button(button), modifiers);
        QCOMPARE(s.isActive(), active);
        QCOMPARE(s.instruction(KeyPlatform::linuxDesktop), linuxText);
        QCOMPARE(s.instruction(KeyPlatform::mac), macText);
    }

    void matches_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<qint64>("eventButton");
        QTest::addColumn<KeyModifiers>("flags");
        QTest::addColumn<bool>("expected");
        using B = WheelMouseSettings::Button;
        QTest::newRow("default gesture") << int(B::right) << 3 << qint64(1) << (ctrl | alt) << true;
        QTest::newRow("fn ignored") << int(B::right) << 3 << qint64(1) << (ctrl | alt | fn) << true;
        QTest::newRow("extra shift") << int(B::right) << 3 << qint64(1) << (ctrl | alt | shift) << false;
        QTest::newRow("control only") << int(B::right) << 3 << qint64(1) << ctrl << false;
        QTest::newRow("other button") << int(B::right) << 3 << qint64(2) << (ctrl | alt) << false;
        QTest::newRow("right without modifiers never") << int(B::right) << 0 << qint64(1) << KeyModifiers() << false;
        QTest::newRow("plain middle") << int(B::middle) << 0 << qint64(2) << fn << true;
        QTest::newRow("off") << int(B::off) << 0 << qint64(0) << KeyModifiers() << false;
    }
    void matches()
    {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(qint64, eventButton);
        QFETCH(KeyModifiers, flags);
        QFETCH(bool, expected);
        QCOMPARE(settings(WheelMouseSettings::Button(button), modifiers).matches(eventButton, flags), expected);
    }

    void gestureIsSwallowedAndReportedLater()
    {
        Fixture f;
        QVERIFY(f.tap.send(tapEvent(Type::buttonDown, 1, ctrl | alt | fn, QPointF(40, 50))));
        QVERIFY(f.reports.isEmpty()); // reported only after the handler returned
        QVERIFY(f.trigger.isTracking());
        QVERIFY(f.tap.send(tapEvent(Type::buttonDragged, 1, ctrl | alt, QPointF(70, 20))));
        // Another button passes while tracking.
        QVERIFY(!f.tap.send(tapEvent(Type::buttonDown, 2, ctrl | alt, QPointF(70, 20))));
        QVERIFY(!f.tap.send(tapEvent(Type::buttonDragged, 2, ctrl | alt, QPointF(70, 20))));
        QVERIFY(!f.tap.send(tapEvent(Type::buttonUp, 2, ctrl | alt, QPointF(70, 20))));
        // Released 10 lower on screen than pressed: 10 lower in y-up points.
        QVERIFY(f.tap.send(tapEvent(Type::buttonUp, 1, {}, QPointF(45, 60))));
        QVERIFY(!f.trigger.isTracking());
        QCOMPARE(f.takeReports(), QStringList({"begin 500,600", "move 530,630", "end 505,590"}));
    }

    void gestureWithoutTheModifiersPasses()
    {
        Fixture f;
        QVERIFY(!f.tap.send(tapEvent(Type::buttonDown, 1, ctrl, QPointF(1, 1))));
        // The modifiers pressed during the drag do not adopt it.
        QVERIFY(!f.tap.send(tapEvent(Type::buttonDragged, 1, ctrl | alt, QPointF(5, 5))));
        QVERIFY(!f.tap.send(tapEvent(Type::buttonUp, 1, ctrl | alt, QPointF(5, 5))));
        QVERIFY(!f.tap.send(tapEvent(Type::buttonDown, 1, {}, QPointF(1, 1))));
        QVERIFY(!f.tap.send(tapEvent(Type::other, 1, ctrl | alt)));
        QVERIFY(f.takeReports().isEmpty());
    }

    void plainMiddleButtonOpens()
    {
        Fixture f;
        f.defaults.setString("wheelMouseButton", "middle");
        f.defaults.setInt("wheelMouseModifiers", 0);
        QVERIFY(f.tap.send(tapEvent(Type::buttonDown, 2)));
        QVERIFY(!f.tap.send(tapEvent(Type::buttonDown, 1, ctrl | alt))); // right passes while tracking
        QVERIFY(f.tap.send(tapEvent(Type::buttonUp, 2)));
        QCOMPARE(f.takeReports(), QStringList({"begin 500,600", "end 500,600"}));
    }

    void scrollIsCapturedOnlyWhileAskedTo()
    {
        Fixture f;
        QVERIFY(!f.tap.send(scrollEvent({-1, -10, false, false})));
        QVERIFY(!f.tap.scrollCapture());
        f.trigger.setCapturesScroll(true);
        QVERIFY(f.tap.scrollCapture());
        QVERIFY(f.tap.send(scrollEvent({-1, -10, false, false})));
        QVERIFY(f.tap.send(scrollEvent({2, 0, true, true}))); // momentum is reported; the wheel ignores it
        QVERIFY(!f.tap.send(tapEvent(Type::scrollWheel, 0)));     // no scroll data
        f.trigger.setCapturesScroll(false);
        QVERIFY(!f.tap.scrollCapture());
        QVERIFY(!f.tap.send(scrollEvent({1, 10, false, false})));
        QCOMPARE(f.takeReports(), QStringList({"scroll -1", "scroll 2"}));
    }

    void tapDisabledEndsTheGesture()
    {
        Fixture f;
        f.trigger.setCapturesScroll(true);
        QVERIFY(f.tap.send(tapEvent(Type::buttonDown, 1, ctrl | alt)));
        f.tap.setScrollCapture(false);
        const qsizetype watches = f.tap.watchCalls().size();
        QVERIFY(!f.tap.send(tapEvent(Type::tapDisabled, 0)));
        QVERIFY(!f.trigger.isTracking());
        QCOMPARE(f.tap.watchCalls().size(), watches + 1);
        QVERIFY(f.tap.scrollCapture());
        QVERIFY(!f.tap.send(tapEvent(Type::buttonUp, 1)));
        QCOMPARE(f.takeReports(), QStringList({"begin 500,600", "end none"}));
    }

    void reportsAreDroppedWhenTheTriggerIsGone()
    {
        auto f = std::make_unique<Fixture>();
        bool called = false;
        QObject::connect(&f->trigger, &MouseWheelTrigger::began, [&](QPointF) { called = true; });
        QVERIFY(f->tap.send(tapEvent(Type::buttonDown, 1, ctrl | alt)));
        f.reset();
        QCoreApplication::processEvents();
        QVERIFY(!called);
    }

    void watchesTheConfiguredGestureAndFollowsTheSetting()
    {
        Fixture f;
        QCOMPARE(f.tap.watched(), std::optional<MouseTap::Trigger>(MouseTap::Trigger{1, ctrl | alt}));
        const qsizetype watches = f.tap.watchCalls().size();
        f.defaults.setBool("wheelFollowsApp", false);
        f.defaults.setInt("wheelMouseModifiers", 3); // the same gesture: no new grab
        QCOMPARE(f.tap.watchCalls().size(), watches);
        f.defaults.setInt("wheelMouseModifiers", 9);
        QCOMPARE(f.tap.watched(), std::optional<MouseTap::Trigger>(MouseTap::Trigger{1, ctrl | super}));
        f.defaults.setInt("wheelMouseModifiers", 0);
        QCOMPARE(f.tap.watched(), std::nullopt);
        QVERIFY(f.tap.watchCalls().size() == watches + 2);
        f.defaults.setString("wheelMouseButton", "button4");
        QCOMPARE(f.tap.watched(), std::optional<MouseTap::Trigger>(MouseTap::Trigger{3, {}}));
    }

    void retriesEveryTwoSecondsUntilItCanWatch()
    {
        MemoryDefaults defaults;
        FakeMouseTap tap;
        FakeScreens screens;
        tap.refuseWatching(2);
        MouseWheelTrigger trigger(defaults, tap, screens);
        trigger.setCapturesScroll(true);
        trigger.start();
        QVERIFY(trigger.isRetrying());
        QVERIFY(!trigger.isWatching());
        QVERIFY(!tap.scrollCapture());
        QTest::qWait(1500);
        QCOMPARE(tap.watchCalls().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(trigger.isWatching(), 5000);
        QCOMPARE(tap.watchCalls().size(), 3);
        QVERIFY(!trigger.isRetrying());
        QVERIFY(tap.scrollCapture());
        trigger.start(); // once only
        QCOMPARE(tap.watchCalls().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestMouseWheelTrigger)
#include "test_mousewheeltrigger.moc"
