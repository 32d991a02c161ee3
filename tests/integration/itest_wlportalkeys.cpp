// Keys through the RemoteDesktop portal, the road where the compositor takes no client's keys: the
// fake portal on a bus of the test's own stands for the user's answers, and the seat's keymap is
// sway's (a virtual keyboard connected by the test tool gives the seat one).
#include "keys/key.h"
#include "platform/wayland/portalremotekeyboard.h"
#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylandglobals.h"
#include "platform/wayland/waylandseat.h"

#include "lineprocess.h"
#include "privatebus.h"
#include "testsupport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using State = PortalRemoteKeyboard::State;
using Lines = QList<QByteArray>;

namespace {
const Key keyV{9};
const QList<KeyEvent> ctrlV{{keyV, true, KeyModifiers::control}, {keyV, false, KeyModifiers::control}};
// evdev codes on the us layout.
const QByteArray ctrlVKeys = "29:1 47:1 47:0 29:0";
} // namespace

class ItestWlPortalKeys final : public QObject {
    Q_OBJECT

    // Its virtual keyboard gives the seat a keymap.
    TestSupport::LineProcess m_input;
    std::unique_ptr<WaylandConnection> m_connection;
    std::unique_ptr<WaylandGlobals> m_globals;
    std::unique_ptr<WaylandSeat> m_seat;
    std::unique_ptr<TestSupport::PrivateBus> m_bus;
    std::unique_ptr<TestSupport::LineProcess> m_portal;
    QTemporaryDir m_data;
    QString m_tokenPath;

    // The fake portal with these settings, and a keyboard on it (null when the portal offers none).
    std::unique_ptr<PortalRemoteKeyboard> keyboardWith(const Lines &settings)
    {
        m_portal = std::make_unique<TestSupport::LineProcess>();
        if (!m_portal->start(TestSupport::programPath(u"fakeportal"_qs), {u"--bus"_qs, m_bus->address()}))
            return nullptr;
        for (const QByteArray &setting : settings) {
            if (m_portal->request("set " + setting) != "ok")
                return nullptr;
        }
        return PortalRemoteKeyboard::create(*m_seat, m_tokenPath, m_bus->bus());
    }
    QByteArray ask(const QByteArray &command) { return m_portal->request(command); }
    // The keys posted so far, from the first press on: what comes before it lets go of modifiers.
    QByteArray pressedKeys()
    {
        const QList<QByteArray> keys = ask("keys").split(' ').mid(1);
        const qsizetype first = std::find_if(keys.cbegin(), keys.cend(), [](const QByteArray &k) { return k.endsWith(":1"); })
            - keys.cbegin();
        const bool releasesFirst = std::all_of(keys.cbegin(), keys.cbegin() + first, [](const QByteArray &k) { return k.endsWith(":0"); });
        return releasesFirst ? keys.mid(first).join(' ') : "modifiers pressed before the keys: " + keys.join(' ');
    }
    QByteArray storedToken()
    {
        QFile file(m_tokenPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_input.start(TestSupport::programPath(u"waylandinput"_qs)));
        m_connection = WaylandConnection::open();
        QVERIFY(m_connection);
        m_globals = std::make_unique<WaylandGlobals>(*m_connection);
        m_seat = WaylandSeat::create(*m_connection, m_globals->compositor, m_globals->shm);
        QVERIFY(m_seat);
        QTRY_VERIFY_WITH_TIMEOUT(m_seat->keymap() != nullptr, 5000);
    }
    void init()
    {
        m_tokenPath = m_data.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u"/token"_qs);
        m_bus = std::make_unique<TestSupport::PrivateBus>();
        QVERIFY(m_bus->start(QString::fromLatin1(QTest::currentTestFunction())));
    }
    void cleanup()
    {
        m_portal.reset();
        m_bus.reset();
    }

    void offeredOnlyWithAKeyboard()
    {
        QVERIFY(!keyboardWith({"remote-version 0"}));
        QVERIFY(!PortalRemoteKeyboard::isOffered(m_bus->bus()));
        QVERIFY(!keyboardWith({"remote-devices 6"}));
        QVERIFY(keyboardWith({"remote-devices 1"}));
        QVERIFY(PortalRemoteKeyboard::isOffered(m_bus->bus()));
    }

    void grantedKeysGoInTheSeatKeymapAfterTheQuestion()
    {
        auto keyboard = keyboardWith({"start-delay 300", "key-jitter 1"});
        QVERIFY(keyboard);
        QCOMPARE(keyboard->state(), State::idle);
        // Nothing goes before the user's answer.
        keyboard->post(ctrlV);
        keyboard->begin();
        QTRY_COMPARE(keyboard->state(), State::asking);
        keyboard->post(ctrlV);
        QTRY_COMPARE_WITH_TIMEOUT(keyboard->state(), State::granted, 5000);
        QCOMPARE(ask("keys"), QByteArray("keys"));
        // A portal without kept grants is asked for the keyboard alone.
        QCOMPARE(ask("selected"), QByteArray("selected types=1:uint"));

        keyboard->post(ctrlV);
        QTRY_COMPARE(pressedKeys(), ctrlVKeys);
        QVERIFY(!keyboard->wasGrantedBefore());
        // Asked again while granted, it keeps its session.
        keyboard->begin();
        QCOMPARE(ask("sessions").split(' ').value(1), QByteArray("1"));

        keyboard.reset();
        QTRY_COMPARE(ask("sessions").split(' ').value(1), QByteArray("0"));
    }

    void theGrantIsKeptAndOfferedNextTime()
    {
        {
            auto keyboard = keyboardWith({"remote-version 2", "start-token kept-1"});
            QVERIFY(keyboard);
            keyboard->begin();
            QTRY_COMPARE_WITH_TIMEOUT(keyboard->state(), State::granted, 5000);
            QCOMPARE(ask("selected"), QByteArray("selected persist_mode=2:uint types=1:uint"));
            QCOMPARE(storedToken(), QByteArray("kept-1"));
            QCOMPARE(QFile::permissions(m_tokenPath),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
            QVERIFY(keyboard->wasGrantedBefore());
        }
        // Each token is good once: the next start gives the one it got and keeps the new one.
        auto keyboard = keyboardWith({"remote-version 2", "start-token kept-2"});
        QVERIFY(keyboard);
        keyboard->begin();
        QTRY_COMPARE_WITH_TIMEOUT(keyboard->state(), State::granted, 5000);
        QCOMPARE(ask("selected"), QByteArray("selected persist_mode=2:uint restore_token=kept-1:QString types=1:uint"));
        QCOMPARE(storedToken(), QByteArray("kept-2"));
    }

    void refusalsSendNothingAndForgetTheToken_data()
    {
        QTest::addColumn<Lines>("settings");
        QTest::addColumn<int>("state");
        QTest::newRow("the user says no") << Lines{"start-response 1"} << int(State::refused);
        QTest::newRow("a pointer but no keyboard") << Lines{"start-devices 2"} << int(State::refused);
        QTest::newRow("no session") << Lines{"create-response 2"} << int(State::ended);
        QTest::newRow("no device selected") << Lines{"select-response 2"} << int(State::ended);
    }
    void refusalsSendNothingAndForgetTheToken()
    {
        QFETCH(Lines, settings);
        QFETCH(int, state);
        QVERIFY(QDir().mkpath(QFileInfo(m_tokenPath).absolutePath()));
        QFile token(m_tokenPath);
        QVERIFY(token.open(QIODevice::WriteOnly) && token.write("old-token") > 0);
        token.close();

        auto keyboard = keyboardWith(settings + Lines{"remote-version 2"});
        QVERIFY(keyboard);
        keyboard->begin();
        QTRY_COMPARE_WITH_TIMEOUT(int(keyboard->state()), state, 5000);
        keyboard->post(ctrlV);
        QCOMPARE(ask("keys"), QByteArray("keys"));
        QCOMPARE(ask("sessions").split(' ').value(1), QByteArray("0"));
        // Refused, the grant is gone; a portal that merely failed keeps it for the next start.
        QCOMPARE(QFile::exists(m_tokenPath), State(state) != State::refused);
        // Asked again, it asks again.
        QVERIFY(send({"set create-response 0", "set select-response 0", "set start-response 0",
                      "set start-devices 1"}));
        keyboard->begin();
        QTRY_COMPARE_WITH_TIMEOUT(keyboard->state(), State::granted, 5000);
    }

    void endsWithItsSession_data()
    {
        QTest::addColumn<QByteArray>("how");
        QTest::newRow("the portal closes it") << QByteArray("close-session");
        QTest::newRow("the portal goes away") << QByteArray("quit");
    }
    void endsWithItsSession()
    {
        QFETCH(QByteArray, how);
        for (const bool answered : {true, false}) {
            auto keyboard = keyboardWith({answered ? "start-delay 0" : "start-delay -1"});
            QVERIFY(keyboard);
            QSignalSpy changes(keyboard.get(), &PortalRemoteKeyboard::stateChanged);
            keyboard->begin();
            QTRY_COMPARE_WITH_TIMEOUT(keyboard->state(), answered ? State::granted : State::asking, 5000);
            if (how == "quit") {
                m_portal->send(how);
                QVERIFY(m_portal->process().waitForFinished(5000));
            } else {
                QCOMPARE(ask(how), QByteArray("ok"));
            }
            QTRY_COMPARE_WITH_TIMEOUT(keyboard->state(), State::ended, 5000);
            keyboard->post(ctrlV);
            QVERIFY(changes.size() >= 2);
        }
    }

private:
    bool send(const Lines &commands)
    {
        return std::all_of(commands.cbegin(), commands.cend(), [this](const QByteArray &c) { return ask(c) == "ok"; });
    }
};

QTEST_GUILESS_MAIN(ItestWlPortalKeys)
#include "itest_wlportalkeys.moc"
