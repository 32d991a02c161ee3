#include "keys/key.h"
#include "platform/wayland/portalshortcutbinder.h"

#include "lineprocess.h"
#include "privatebus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Event = std::pair<quint64, bool>;
using Lines = QList<QByteArray>;
const KeyModifiers ctrlAlt = KeyModifiers::control | KeyModifiers::option;
} // namespace

class TestPortalShortcutBinder final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void createSucceeds_data();
    void createSucceeds();
    void createFails_data();
    void createFails();
    void bindAndUnbindSendTheWholeList();
    void refusals();
    void lateAnswers();
    void renewsTheSessionForASecondList();
    void pressAndRelease();
    void ignoresOtherSessionsAndIds();
    void endOfTheSession_data();
    void endOfTheSession();

private:
    // Starts the fake portal with these settings and opens a binder on it; null when either fails.
    std::unique_ptr<PortalShortcutBinder> binderWith(const Lines &settings = {});
    bool send(const Lines &commands);
    QByteArray ask(const QByteArray &command) { return m_portal->request(command); }
    // The ids and triggers of the newest session's last list.
    Lines boundList() { return ask("bound").split(' ').mid(2); }

    std::unique_ptr<TestSupport::PrivateBus> m_private;
    QString m_address;
    QDBusConnection m_bus{QString()};
    std::unique_ptr<TestSupport::LineProcess> m_portal;
    QList<Event> m_events;
};

void TestPortalShortcutBinder::initTestCase()
{
    if (QStandardPaths::findExecutable(u"dbus-daemon"_qs).isEmpty())
        QSKIP("needs dbus-daemon");
}

void TestPortalShortcutBinder::init()
{
    m_events.clear();
    m_private = std::make_unique<TestSupport::PrivateBus>();
    QVERIFY(m_private->start(QString::fromLatin1(QTest::currentTestFunction())));
    m_address = m_private->address();
    m_bus = m_private->bus();
}

void TestPortalShortcutBinder::cleanup()
{
    m_portal.reset();
    m_bus = QDBusConnection(QString());
    m_private.reset();
}

std::unique_ptr<PortalShortcutBinder> TestPortalShortcutBinder::binderWith(const Lines &settings)
{
    m_portal = std::make_unique<TestSupport::LineProcess>();
    if (!m_portal->start(TestSupport::programPath(u"fakeportal"_qs), {u"--bus"_qs, m_address}))
        return nullptr;
    for (const QByteArray &setting : settings) {
        if (ask("set " + setting) != "ok")
            return nullptr;
    }
    std::unique_ptr<PortalShortcutBinder> binder = PortalShortcutBinder::create(m_bus);
    if (binder)
        binder->setEventHandler([this](quint64 id, bool pressed) { m_events.append({id, pressed}); });
    return binder;
}

bool TestPortalShortcutBinder::send(const Lines &commands)
{
    for (const QByteArray &command : commands) {
        if (ask(command) != "ok")
            return false;
    }
    return true;
}

void TestPortalShortcutBinder::createSucceeds_data()
{
    QTest::addColumn<Lines>("settings");
    QTest::newRow("plain") << Lines{};
    QTest::newRow("handle as a string") << Lines{"create-results string"};
    QTest::newRow("request at another path") << Lines{"handle other", "create-delay 300"};
    QTest::newRow("slow answer") << Lines{"create-delay 1200"};
}

void TestPortalShortcutBinder::createSucceeds()
{
    QFETCH(Lines, settings);
    const std::unique_ptr<PortalShortcutBinder> binder = binderWith(settings);
    QVERIFY(binder);
    QCOMPARE(ask("sessions").left(12), "sessions 1 1");
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QCOMPARE(boundList(), Lines{"ringle-1=CTRL+ALT+h"});
}

void TestPortalShortcutBinder::createFails_data()
{
    QTest::addColumn<bool>("portal");
    QTest::addColumn<Lines>("settings");
    QTest::newRow("no portal") << false << Lines{};
    QTest::newRow("no GlobalShortcuts") << true << Lines{"version 0"};
    QTest::newRow("cancelled") << true << Lines{"create-response 1"};
    QTest::newRow("ended otherwise") << true << Lines{"create-response 2"};
    QTest::newRow("never answered") << true << Lines{"create-delay -1"};
    QTest::newRow("no session handle") << true << Lines{"create-results none"};
    QTest::newRow("handle not a path") << true << Lines{"create-results garbage"};
    QTest::newRow("answer of another shape") << true << Lines{"create-results badsignature"};
}

void TestPortalShortcutBinder::createFails()
{
    QFETCH(bool, portal);
    QFETCH(Lines, settings);
    QElapsedTimer clock;
    clock.start();
    if (portal)
        QVERIFY(!binderWith(settings));
    else
        QVERIFY(!PortalShortcutBinder::create(m_bus));
    QCOMPARE_LT(clock.elapsed(), portal ? 3000 : 500);
}

void TestPortalShortcutBinder::bindAndUnbindSendTheWholeList()
{
    std::unique_ptr<PortalShortcutBinder> binder = binderWith();
    QVERIFY(binder);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    // Modifiers in their fixed order, the function modifier left out.
    QVERIFY(binder->bind(2, Key::f5, KeyModifiers::function | KeyModifiers::command | KeyModifiers::shift | ctrlAlt));
    QCOMPARE(boundList(), (Lines{"ringle-1=CTRL+ALT+h", "ringle-2=CTRL+ALT+SHIFT+LOGO+F5"}));
    QCOMPARE(binder->triggerDescription(1), u"Press CTRL+ALT+h"_qs);

    QVERIFY(binder->bind(1, Key::space, KeyModifiers::command));
    QCOMPARE(boundList(), (Lines{"ringle-1=LOGO+space", "ringle-2=CTRL+ALT+SHIFT+LOGO+F5"}));
    binder->unbind(1);
    QCOMPARE(ask("bound"), "bound 4 ringle-2=CTRL+ALT+SHIFT+LOGO+F5");
    // Nothing to send for ids not bound, nor for a key without a keysym.
    binder->unbind(1);
    binder->unbind(7);
    QVERIFY(!binder->bind(3, Key(0xffff), ctrlAlt));
    QCOMPARE(ask("bound"), "bound 4 ringle-2=CTRL+ALT+SHIFT+LOGO+F5");
    binder->unbind(2);
    QCOMPARE(ask("bound"), "bound 5");

    binder.reset();
    QTRY_COMPARE(ask("sessions").left(12), "sessions 0 1");
}

void TestPortalShortcutBinder::refusals()
{
    const std::unique_ptr<PortalShortcutBinder> binder = binderWith({"refuse ringle-2"});
    QVERIFY(binder);
    QSignalSpy lost(binder.get(), &PortalShortcutBinder::shortcutLost);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(!binder->bind(2, Key::j, ctrlAlt));
    // Denied, or answered in a form that says nothing: what was bound stays bound.
    for (const QByteArray &setting : Lines{"bind-response 1", "bind-response 2", "bind-results badshape"}) {
        QVERIFY(send({"set bind-response 0", "set " + setting}));
        QVERIFY2(!binder->bind(3, Key::k, ctrlAlt), setting);
    }
    QVERIFY(send({"set bind-response 0", "set bind-results good"}));
    QVERIFY(binder->bind(4, Key::l, ctrlAlt));
    QCOMPARE(boundList(), (Lines{"ringle-1=CTRL+ALT+h", "ringle-4=CTRL+ALT+l"}));
    QCOMPARE(lost.count(), 0);

    QVERIFY(send({"activate ringle-2", "activate ringle-3", "activate ringle-1"}));
    QTRY_COMPARE(m_events, (QList<Event>{{1, true}}));
    // A portal that drops one it had bound; it was held, and its release would never come.
    QVERIFY(send({"set refuse ringle-1"}));
    QVERIFY(binder->bind(5, Key::m, ctrlAlt));
    QCOMPARE(lost.count(), 1);
    QCOMPARE(lost.at(0).at(0).toULongLong(), 1u);
    QCOMPARE(m_events, (QList<Event>{{1, true}, {1, false}}));
}

void TestPortalShortcutBinder::lateAnswers()
{
    const std::unique_ptr<PortalShortcutBinder> binder = binderWith({"bind-delay 3000", "refuse ringle-2"});
    QVERIFY(binder);
    QSignalSpy lost(binder.get(), &PortalShortcutBinder::shortcutLost);
    // A portal asking the user takes its time; bind() waits only so long, then trusts it.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QCOMPARE_LT(clock.elapsed(), 2600);
    QTRY_COMPARE_WITH_TIMEOUT(binder->triggerDescription(1), u"Press CTRL+ALT+h"_qs, 3000);
    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 3000);
    QCOMPARE(lost.at(0).at(0).toULongLong(), 2u);

    // An answer that never comes, or comes malformed, costs only the wait.
    QVERIFY(send({"set bind-delay -1"}));
    QVERIFY(binder->bind(3, Key::k, ctrlAlt));
    QVERIFY(send({"set bind-delay 0", "set bind-results badsignature"}));
    clock.restart();
    QVERIFY(binder->bind(4, Key::l, ctrlAlt));
    QCOMPARE_LT(clock.elapsed(), 2600);
    QCOMPARE(boundList(), (Lines{"ringle-1=CTRL+ALT+h", "ringle-3=CTRL+ALT+k", "ringle-4=CTRL+ALT+l"}));
    QVERIFY(send({"activate ringle-2", "activate ringle-4"}));
    QTRY_COMPARE(m_events, (QList<Event>{{4, true}}));
}

void TestPortalShortcutBinder::renewsTheSessionForASecondList()
{
    const std::unique_ptr<PortalShortcutBinder> binder = binderWith({"bind-once 1"});
    QVERIFY(binder);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(send({"activate ringle-1"}));
    QTRY_COMPARE(m_events.size(), 1);
    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    QCOMPARE(ask("sessions").left(12), "sessions 1 2");
    QCOMPARE(ask("bound"), "bound 1 ringle-1=CTRL+ALT+h ringle-2=CTRL+ALT+j");
    // The old session's release never comes.
    QCOMPARE(m_events, (QList<Event>{{1, true}, {1, false}}));
    QVERIFY(send({"activate ringle-2"}));
    QTRY_COMPARE(m_events.size(), 3);
    QCOMPARE(m_events.last(), Event(2, true));
}

void TestPortalShortcutBinder::pressAndRelease()
{
    const std::unique_ptr<PortalShortcutBinder> binder = binderWith();
    QVERIFY(binder);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    QVERIFY(send({"activate ringle-1", "activate ringle-1", "activate ringle-2", "deactivate ringle-1", "deactivate ringle-1",
                  "activate ringle-1", "deactivate ringle-2", "deactivate ringle-1"}));
    // Signals from one sender keep their order: once the last has come, all before it have.
    QTRY_COMPARE(m_events.size(), 6);
    QCOMPARE(m_events, (QList<Event>{{1, true}, {2, true}, {1, false}, {1, true}, {2, false}, {1, false}}));
}

void TestPortalShortcutBinder::ignoresOtherSessionsAndIds()
{
    const std::unique_ptr<PortalShortcutBinder> binder = binderWith();
    QVERIFY(binder);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    QVERIFY(send({"deactivate ringle-1", "activate ringle-1 /org/freedesktop/portal/desktop/session/1_99/other",
                  "activate ringle-9", "activate ringle-01", "activate other-1", "activate ringle-",
                  "activate ringle-18446744073709551617", "activate-badsignature ringle-1"}));

    // Anyone on the bus can send the portal's signals, with the right session even.
    {
        QDBusConnection stranger = QDBusConnection::connectToBus(m_address, u"stranger"_qs);
        QDBusMessage fake = QDBusMessage::createSignal(u"/org/freedesktop/portal/desktop"_qs,
                                                       u"org.freedesktop.portal.GlobalShortcuts"_qs, u"Activated"_qs);
        const QString session = QString::fromUtf8(ask("sessions").split(' ').value(3));
        fake << QVariant::fromValue(QDBusObjectPath(session)) << u"ringle-1"_qs << quint64(0) << QVariantMap();
        QVERIFY(stranger.send(fake));
        // Once the bus has answered this, it has passed the signal on.
        QVERIFY(stranger.interface()->isServiceRegistered(u"org.freedesktop.DBus"_qs));
    }
    QDBusConnection::disconnectFromBus(u"stranger"_qs);

    QVERIFY(send({"activate ringle-2"}));
    QTRY_VERIFY(!m_events.isEmpty());
    QCOMPARE(m_events, (QList<Event>{{2, true}}));
}

void TestPortalShortcutBinder::endOfTheSession_data()
{
    QTest::addColumn<bool>("portalDies");
    QTest::newRow("portal killed") << true;
    QTest::newRow("session closed by the portal") << false;
}

void TestPortalShortcutBinder::endOfTheSession()
{
    QFETCH(bool, portalDies);
    std::unique_ptr<PortalShortcutBinder> binder = binderWith();
    QVERIFY(binder);
    QSignalSpy lost(binder.get(), &PortalShortcutBinder::shortcutLost);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    QVERIFY(send({"activate ringle-1"}));
    QTRY_COMPARE(m_events.size(), 1);

    if (portalDies) {
        m_portal->process().kill();
        QVERIFY(m_portal->process().waitForFinished());
    } else {
        QVERIFY(send({"close-session"}));
    }
    QTRY_VERIFY(!binder->hasSession());
    QCOMPARE(lost.count(), 2);
    // A wheel held open is let go.
    QCOMPARE(m_events, (QList<Event>{{1, true}, {1, false}}));

    QElapsedTimer clock;
    clock.start();
    QVERIFY(!binder->bind(3, Key::k, ctrlAlt));
    binder->unbind(1);
    binder.reset();
    QCOMPARE_LT(clock.elapsed(), 100);
}

QTEST_GUILESS_MAIN(TestPortalShortcutBinder)
#include "test_portalshortcutbinder.moc"
