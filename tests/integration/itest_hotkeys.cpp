// Global hot keys against a real X server: xdotool presses the keys, as a user would.
#include "globalshortcuts/hotkeycenter.h"
#include "globalshortcuts/registry.h"
#include "keys/keymodifiers.h"
#include "platform/fake/memorydefaults.h"
#include "platform/x11/x11hotkeyservice.h"
#include "ui/qtmenutracker.h"

#include <QMenu>
#include <QProcess>
#include <QTest>
#include <memory>

using namespace GlobalShortcuts;

namespace {
constexpr KeyModifiers controlOption = KeyModifiers::control | KeyModifiers::option;

void xdotool(const QStringList &arguments)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
}

QString keyTool()
{
    return qEnvironmentVariable("RINGLE_BUILD_DIR") + QStringLiteral("/tests/programs/x11keytool/x11keytool");
}

// Runs x11keytool and answers the first line it prints.
QString runKeyTool(QProcess &process, const QStringList &arguments)
{
    process.start(keyTool(), arguments);
    if (!process.waitForStarted() || !process.waitForReadyRead(5000))
        return QString();
    return QString::fromLatin1(process.readLine()).trimmed();
}
} // namespace

class TestHotKeys final : public QObject {
    Q_OBJECT

    std::unique_ptr<MemoryDefaults> m_defaults;
    std::unique_ptr<X11HotKeyService> m_service;
    std::unique_ptr<QtMenuTracker> m_menus;
    std::unique_ptr<Registry> m_registry;
    int m_downs = 0;
    int m_ups = 0;

    void startApp(const Name &name)
    {
        m_registry->onKeyDown(name, [this] { ++m_downs; });
        m_registry->onKeyUp(name, [this] { ++m_ups; });
    }

    void pressAndRelease(const QString &keys, int holdMs = 0)
    {
        xdotool({QStringLiteral("keydown"), keys});
        QTRY_COMPARE(m_downs, 1);
        QTest::qWait(holdMs);
        xdotool({QStringLiteral("keyup"), keys});
        QTRY_COMPARE(m_ups, 1);
        QTest::qWait(100);
        QCOMPARE(m_downs, 1);
        QCOMPARE(m_ups, 1);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY(QFile::exists(keyTool()));
    }

    void init()
    {
        cleanup(); // after a failed init, cleanup() did not run
        m_defaults = std::make_unique<MemoryDefaults>();
        m_service = std::make_unique<X11HotKeyService>();
        m_menus = std::make_unique<QtMenuTracker>();
        m_registry = std::make_unique<Registry>(*m_defaults, *m_service, m_menus.get());
        m_downs = m_ups = 0;
        QVERIFY(m_service->isAvailable());
    }

    void cleanup()
    {
        m_registry.reset();
        m_menus.reset();
        m_service.reset();
    }

    void pressFiresKeyDownOnceAndReleaseKeyUpOnce_data()
    {
        QTest::addColumn<QStringList>("locks");
        QTest::newRow("no lock") << QStringList();
        QTest::newRow("NumLock") << QStringList({QStringLiteral("Num_Lock")});
        QTest::newRow("CapsLock") << QStringList({QStringLiteral("Caps_Lock")});
        QTest::newRow("both") << QStringList({QStringLiteral("Num_Lock"), QStringLiteral("Caps_Lock")});
    }
    void pressFiresKeyDownOnceAndReleaseKeyUpOnce()
    {
        QFETCH(QStringList, locks);
        for (const QString &lock : locks)
            xdotool({QStringLiteral("key"), lock});
        startApp(Name::actionWheel());
        QVERIFY(m_registry->isRegistered(*Name::actionWheel().defaultShortcut));
        pressAndRelease(QStringLiteral("ctrl+alt+h"));
        for (const QString &lock : locks)
            xdotool({QStringLiteral("key"), lock});
    }

    void holdingPastTheRepeatDelayFiresKeyDownOnce()
    {
        startApp(Name::actionWheel());
        pressAndRelease(QStringLiteral("ctrl+alt+h"), 1500);
    }

    void otherKeysAndOtherModifiersDoNotFire()
    {
        startApp(Name::actionWheel());
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+j"), QStringLiteral("ctrl+shift+h"),
                 QStringLiteral("ctrl+alt+shift+h")});
        QTest::qWait(200);
        QCOMPARE(m_downs, 0);
    }

    void openMenuStillDeliversKeyDownAndKeyUp_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<KeyModifiers>("modifiers");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("menuStaysOpen");
        // Qt menus close when Alt goes down; the key-up must still come once the keyboard is free.
        QTest::newRow("Ctrl+Alt+H") << 4 << controlOption << QStringLiteral("ctrl+alt+h") << false;
        QTest::newRow("Ctrl+Super+J") << 38 << (KeyModifiers::control | KeyModifiers::command)
                                      << QStringLiteral("ctrl+super+j") << true;
    }
    void openMenuStillDeliversKeyDownAndKeyUp()
    {
        QFETCH(int, keyCode);
        QFETCH(KeyModifiers, modifiers);
        QFETCH(QString, keys);
        QFETCH(bool, menuStaysOpen);
        startApp(Name(QStringLiteral("menuTest"), Shortcut{quint16(keyCode), modifiers}));
        QMenu menu;
        QAction *item = menu.addAction(QStringLiteral("Item"));
        int triggered = 0;
        connect(item, &QAction::triggered, this, [&] { ++triggered; });
        menu.popup(QPoint(100, 100));
        QTRY_COMPARE(m_registry->center().mode(), HotKeyCenter::Mode::menuOpen);
        QTest::qWait(200); // let the menu take the keyboard

        pressAndRelease(keys, 1200);
        QCOMPARE(menu.isVisible(), menuStaysOpen);
        QCOMPARE(triggered, 0);
        menu.hide();
        QTRY_COMPARE(m_registry->center().mode(), HotKeyCenter::Mode::normal);

        m_downs = m_ups = 0;
        pressAndRelease(keys);
    }

    void keyHeldByAnotherClientFailsToRegister()
    {
        QProcess holder;
        QCOMPARE(runKeyTool(holder, {QStringLiteral("grab"), QStringLiteral("6b"), QStringLiteral("c")}),
                 QStringLiteral("grabbed"));
        const Name name(QStringLiteral("taken"), Shortcut{Key::k, controlOption});
        startApp(name);
        QVERIFY(!m_registry->isRegistered(*name.defaultShortcut));
        QVERIFY(m_registry->isTakenBySystem(*name.defaultShortcut));
        QVERIFY(!m_registry->isTakenBySystem(*Name::actionWheel().defaultShortcut));
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished());
        QVERIFY(!m_registry->isTakenBySystem(*name.defaultShortcut));
    }

    // The recorder asks whether a key is free just before it registers it: the probe's own grab must be
    // gone by then, although it was made on another connection.
    void aProbedKeyCanBeRegisteredAtOnce()
    {
        for (int round = 0; round < 200; ++round) {
            const Key key = round % 2 ? Key::j : Key::k;
            QVERIFY(!m_service->isTakenByAnotherClient(key, controlOption));
            const std::optional<HotKeyService::Handle> handle = m_service->registerHotKey(key, controlOption, 1, 1);
            QVERIFY2(handle, qPrintable(QStringLiteral("round %1").arg(round)));
            m_service->unregisterHotKey(*handle);
        }
    }

    void releasingTheHotKeyUngrabsIt()
    {
        startApp(Name::actionWheel());
        QProcess holder;
        QCOMPARE(runKeyTool(holder, {QStringLiteral("grab"), QStringLiteral("68"), QStringLiteral("c")}),
                 QStringLiteral("taken"));
        QVERIFY(holder.waitForFinished());
        m_registry->setShortcut(Shortcut{Key::j, controlOption}, Name::actionWheel());
        QCOMPARE(runKeyTool(holder, {QStringLiteral("grab"), QStringLiteral("68"), QStringLiteral("c")}),
                 QStringLiteral("grabbed"));
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished());
    }

    void keyboardMapChangeMovesTheGrab()
    {
        startApp(Name::actionWheel());
        QProcess swap;
        QCOMPARE(runKeyTool(swap, {QStringLiteral("swap"), QStringLiteral("68"), QStringLiteral("6a")}),
                 QStringLiteral("swapped"));
        QVERIFY(swap.waitForFinished());
        QTest::qWait(300);
        pressAndRelease(QStringLiteral("ctrl+alt+h"));
        QCOMPARE(runKeyTool(swap, {QStringLiteral("swap"), QStringLiteral("68"), QStringLiteral("6a")}),
                 QStringLiteral("swapped"));
        QVERIFY(swap.waitForFinished());
    }
};

QTEST_MAIN(TestHotKeys)
#include "itest_hotkeys.moc"
