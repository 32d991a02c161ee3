#include "keys/key.h"
#include "platform/wayland/portalshortcutbinder.h"
#include "platform/wayland/portalshortcutformat.h"

#include "lineprocess.h"

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
// A bus of the test's own, so that no real portal answers and none is started on demand.
class PrivateBus final {
public:
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus(m_name);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    bool start()
    {
        static int count = 0;
        m_name = u"portaltest-%1"_qs.arg(++count);
        QFile config(m_dir.filePath(u"bus.conf"_qs));
        if (!m_dir.isValid() || !config.open(QIODevice::WriteOnly))
            return false;
        config.write("<busconfig><type>session</type><listen>unix:dir=" + m_dir.path().toUtf8()
                     + "</listen><policy context='default'><allow send_destination='*' eavesdrop='true'/>"
                       "<allow eavesdrop='true'/><allow own='*'/></policy></busconfig>\n");
        config.close();
        m_daemon.start(u"dbus-daemon"_qs, {u"--config-file="_qs + config.fileName(), u"--print-address"_qs, u"--nofork"_qs});
        if (!m_daemon.waitForStarted(5000) || !m_daemon.waitForReadyRead(5000))
            return false;
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
        m_connection = QDBusConnection::connectToBus(m_address, m_name);
        return m_connection.isConnected();
    }

    QString address() const { return m_address; }
    QDBusConnection connection() const { return m_connection; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_name;
    QString m_address;
    QDBusConnection m_connection{QString()};
};

using Event = std::pair<quint64, bool>;
const KeyModifiers ctrlAlt = KeyModifiers::control | KeyModifiers::option;
} // namespace

Q_DECLARE_METATYPE(Key)
Q_DECLARE_METATYPE(KeyModifiers)

class TestPortalShortcutBinder final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void triggers_data();
    void triggers();
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
    void closesTheSessionWhenDestroyed();

private:
    bool startPortal(const QList<QByteArray> &settings = {});
    std::unique_ptr<PortalShortcutBinder> create();
    QByteArray ask(const QByteArray &command) { return m_portal->request(command); }
    QByteArray session();

    std::unique_ptr<PrivateBus> m_bus;
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
    m_bus = std::make_unique<PrivateBus>();
    QVERIFY(m_bus->start());
}

void TestPortalShortcutBinder::cleanup()
{
    m_portal.reset();
    m_bus.reset();
}

bool TestPortalShortcutBinder::startPortal(const QList<QByteArray> &settings)
{
    m_portal = std::make_unique<TestSupport::LineProcess>();
    if (!m_portal->start(TestSupport::programPath(u"fakeshortcutportal"_qs), {u"--bus"_qs, m_bus->address()}))
        return false;
    for (const QByteArray &setting : settings) {
        if (ask("set " + setting) != "ok")
            return false;
    }
    return true;
}

std::unique_ptr<PortalShortcutBinder> TestPortalShortcutBinder::create()
{
    std::unique_ptr<PortalShortcutBinder> binder = PortalShortcutBinder::create(m_bus->connection());
    if (binder)
        binder->setEventHandler([this](quint64 id, bool pressed) { m_events.append({id, pressed}); });
    return binder;
}

QByteArray TestPortalShortcutBinder::session()
{
    return ask("sessions").split(' ').value(3);
}

void TestPortalShortcutBinder::triggers_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<KeyModifiers>("modifiers");
    QTest::addColumn<QString>("trigger");
    QTest::newRow("letter") << Key::h << ctrlAlt << u"CTRL+ALT+h"_qs;
    QTest::newRow("all modifiers in order")
        << Key::one << (KeyModifiers::command | KeyModifiers::shift | KeyModifiers::option | KeyModifiers::control)
        << u"CTRL+ALT+SHIFT+LOGO+1"_qs;
    QTest::newRow("function key, function modifier left out") << Key::f5 << KeyModifiers(KeyModifiers::function) << u"F5"_qs;
    QTest::newRow("named key") << Key::space << KeyModifiers(KeyModifiers::shift) << u"SHIFT+space"_qs;
    QTest::newRow("no keysym") << Key(0xffff) << ctrlAlt << QString();
}

void TestPortalShortcutBinder::triggers()
{
    QFETCH(Key, key);
    QFETCH(KeyModifiers, modifiers);
    QFETCH(QString, trigger);
    QCOMPARE(PortalShortcutFormat::trigger(key, modifiers), trigger);
}

void TestPortalShortcutBinder::createSucceeds_data()
{
    QTest::addColumn<QList<QByteArray>>("settings");
    QTest::newRow("plain") << QList<QByteArray>{};
    QTest::newRow("handle as a string") << QList<QByteArray>{"create-results string"};
    QTest::newRow("request at another path") << QList<QByteArray>{"handle other", "create-delay 300"};
    QTest::newRow("slow answer") << QList<QByteArray>{"create-delay 1200"};
}

void TestPortalShortcutBinder::createSucceeds()
{
    QFETCH(QList<QByteArray>, settings);
    QVERIFY(startPortal(settings));
    const std::unique_ptr<PortalShortcutBinder> binder = create();
    QVERIFY(binder);
    QVERIFY(binder->hasSession());
    QCOMPARE(ask("sessions").left(12), "sessions 1 1");
    QVERIFY(!binder->isTaken(Key::h, ctrlAlt));
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QCOMPARE(ask("bound"), "bound 1 ringle-1=CTRL+ALT+h");
}

void TestPortalShortcutBinder::createFails_data()
{
    QTest::addColumn<bool>("portal");
    QTest::addColumn<QList<QByteArray>>("settings");
    QTest::newRow("no portal") << false << QList<QByteArray>{};
    QTest::newRow("no GlobalShortcuts") << true << QList<QByteArray>{"version 0"};
    QTest::newRow("cancelled") << true << QList<QByteArray>{"create-response 1"};
    QTest::newRow("ended otherwise") << true << QList<QByteArray>{"create-response 2"};
    QTest::newRow("never answered") << true << QList<QByteArray>{"create-delay -1"};
    QTest::newRow("no session handle") << true << QList<QByteArray>{"create-results none"};
    QTest::newRow("handle not a path") << true << QList<QByteArray>{"create-results garbage"};
    QTest::newRow("answer of another shape") << true << QList<QByteArray>{"create-results badsignature"};
}

void TestPortalShortcutBinder::createFails()
{
    QFETCH(bool, portal);
    QFETCH(QList<QByteArray>, settings);
    if (portal)
        QVERIFY(startPortal(settings));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!create());
    QCOMPARE_LT(clock.elapsed(), portal ? 3000 : 500);
}

void TestPortalShortcutBinder::bindAndUnbindSendTheWholeList()
{
    QVERIFY(startPortal());
    const std::unique_ptr<PortalShortcutBinder> binder = create();
    QVERIFY(binder);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(binder->bind(2, Key::f5, KeyModifiers::shift));
    QCOMPARE(ask("bound"), "bound 2 ringle-1=CTRL+ALT+h ringle-2=SHIFT+F5");
    QCOMPARE(binder->triggerDescription(2), u"Press SHIFT+F5"_qs);

    // Binding an id again replaces its trigger.
    QVERIFY(binder->bind(1, Key::j, KeyModifiers::command));
    QCOMPARE(ask("bound"), "bound 3 ringle-1=LOGO+j ringle-2=SHIFT+F5");

    binder->unbind(1);
    QCOMPARE(ask("bound"), "bound 4 ringle-2=SHIFT+F5");
    binder->unbind(1);
    binder->unbind(7);
    QCOMPARE(ask("bound"), "bound 4 ringle-2=SHIFT+F5");
    binder->unbind(2);
    QCOMPARE(ask("bound"), "bound 5");

    // A key without a keysym never reaches the portal.
    QVERIFY(!binder->bind(3, Key(0xffff), ctrlAlt));
    QCOMPARE(ask("bound"), "bound 5");
}

void TestPortalShortcutBinder::refusals()
{
    QVERIFY(startPortal({"refuse ringle-2"}));
    const std::unique_ptr<PortalShortcutBinder> binder = create();
    QVERIFY(binder);
    QSignalSpy lost(binder.get(), &PortalShortcutBinder::shortcutLost);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(!binder->bind(2, Key::j, ctrlAlt));
    QVERIFY(binder->triggerDescription(2).isEmpty());
    // The refused one is not asked for again.
    QVERIFY(binder->bind(3, Key::k, ctrlAlt));
    QCOMPARE(ask("bound"), "bound 3 ringle-1=CTRL+ALT+h ringle-3=CTRL+ALT+k");

    // An answer that binds nothing new leaves what was bound.
    for (const QByteArray &setting : QList<QByteArray>{"bind-response 1", "bind-response 2", "bind-results badshape"}) {
        QCOMPARE(ask("set bind-response 0"), "ok");
        QCOMPARE(ask("set " + setting), "ok");
        QVERIFY2(!binder->bind(4, Key::l, ctrlAlt), setting);
    }
    QCOMPARE(ask("set bind-results good"), "ok");
    QCOMPARE(ask("set bind-response 0"), "ok");
    QVERIFY(binder->bind(5, Key::m, ctrlAlt));
    QCOMPARE(ask("bound").split(' ').mid(2), QList<QByteArray>({"ringle-1=CTRL+ALT+h", "ringle-3=CTRL+ALT+k", "ringle-5=CTRL+ALT+m"}));
    QCOMPARE(lost.count(), 0);

    // The ones bind() said no to do not trigger.
    QCOMPARE(ask("activate ringle-2"), "ok");
    QCOMPARE(ask("activate ringle-4"), "ok");
    QCOMPARE(ask("activate ringle-1"), "ok");
    QTRY_COMPARE(m_events, (QList<Event>{{1, true}}));

    // A portal that drops one it had bound.
    QCOMPARE(ask("set refuse ringle-1"), "ok");
    QVERIFY(binder->bind(6, Key::n, ctrlAlt));
    QCOMPARE(lost.count(), 1);
    QCOMPARE(lost.at(0).at(0).toULongLong(), 1u);
    // It was held: its release is not left to a portal that no longer knows it.
    QCOMPARE(m_events, (QList<Event>{{1, true}, {1, false}}));
}

void TestPortalShortcutBinder::lateAnswers()
{
    QVERIFY(startPortal({"bind-delay 3000", "refuse ringle-2"}));
    const std::unique_ptr<PortalShortcutBinder> binder = create();
    QVERIFY(binder);
    QSignalSpy lost(binder.get(), &PortalShortcutBinder::shortcutLost);

    // A portal asking the user takes its time: bind() does not wait for it beyond its bound.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QCOMPARE_LT(clock.elapsed(), 2600);
    QTRY_COMPARE_WITH_TIMEOUT(binder->triggerDescription(1), u"Press CTRL+ALT+h"_qs, 3000);

    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    QCOMPARE(lost.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 3000);
    QCOMPARE(lost.at(0).at(0).toULongLong(), 2u);
    QCOMPARE(ask("activate ringle-2"), "ok");
    QCOMPARE(ask("activate ringle-1"), "ok");
    QTRY_COMPARE(m_events, (QList<Event>{{1, true}}));

    // A later list supersedes an unanswered one; an answer that never comes costs only the bound.
    QCOMPARE(ask("set bind-delay -1"), "ok");
    QVERIFY(binder->bind(3, Key::k, ctrlAlt));
    QCOMPARE(ask("set bind-delay 0"), "ok");
    QCOMPARE(ask("set bind-results badsignature"), "ok");
    clock.restart();
    QVERIFY(binder->bind(4, Key::l, ctrlAlt));
    QCOMPARE_LT(clock.elapsed(), 2600);
    QCOMPARE(ask("bound").split(' ').mid(2), QList<QByteArray>({"ringle-1=CTRL+ALT+h", "ringle-3=CTRL+ALT+k", "ringle-4=CTRL+ALT+l"}));
}

void TestPortalShortcutBinder::renewsTheSessionForASecondList()
{
    QVERIFY(startPortal({"bind-once 1"}));
    const std::unique_ptr<PortalShortcutBinder> binder = create();
    QVERIFY(binder);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QCOMPARE(ask("activate ringle-1"), "ok");
    QTRY_COMPARE(m_events.size(), 1);
    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    QCOMPARE(ask("sessions").left(12), "sessions 1 2");
    QCOMPARE(ask("bound"), "bound 1 ringle-1=CTRL+ALT+h ringle-2=CTRL+ALT+j");
    // The old session's release never comes.
    QCOMPARE(m_events, (QList<Event>{{1, true}, {1, false}}));
    QCOMPARE(ask("activate ringle-2"), "ok");
    QTRY_COMPARE(m_events.size(), 3);
    QCOMPARE(m_events.last(), Event(2, true));
}

void TestPortalShortcutBinder::pressAndRelease()
{
    QVERIFY(startPortal());
    const std::unique_ptr<PortalShortcutBinder> binder = create();
    QVERIFY(binder);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    // Signals from one sender keep their order: the last release shows all before it have come.
    for (const QByteArray &command : QList<QByteArray>{"activate ringle-1", "activate ringle-1", "activate ringle-2", "deactivate ringle-1",
                                      "deactivate ringle-1", "activate ringle-1", "deactivate ringle-2", "deactivate ringle-1"})
        QCOMPARE(ask(command), "ok");
    QTRY_COMPARE(m_events.size(), 6);
    QCOMPARE(m_events, (QList<Event>{{1, true}, {2, true}, {1, false}, {1, true}, {2, false}, {1, false}}));
}

void TestPortalShortcutBinder::ignoresOtherSessionsAndIds()
{
    QVERIFY(startPortal());
    const std::unique_ptr<PortalShortcutBinder> binder = create();
    QVERIFY(binder);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    const QByteArray other = "/org/freedesktop/portal/desktop/session/1_99/other";
    for (const QByteArray &command : QList<QByteArray>{"deactivate ringle-1", "activate ringle-1 " + other, "activate ringle-9",
                                                       "activate ringle-01", "activate other-1", "activate ringle-",
                                                       "activate ringle-18446744073709551617", "activate-badsignature ringle-1"})
        QCOMPARE(ask(command), "ok");

    // Anyone on the bus can send the portal's signals, with the right session even.
    {
        QDBusConnection stranger = QDBusConnection::connectToBus(m_bus->address(), u"stranger"_qs);
        QDBusMessage fake = QDBusMessage::createSignal(u"/org/freedesktop/portal/desktop"_qs,
                                                       u"org.freedesktop.portal.GlobalShortcuts"_qs, u"Activated"_qs);
        fake << QVariant::fromValue(QDBusObjectPath(QString::fromUtf8(session()))) << u"ringle-1"_qs << quint64(0) << QVariantMap();
        QVERIFY(stranger.send(fake));
        // Once the bus has answered this, it has passed the signal on.
        QVERIFY(stranger.interface()->isServiceRegistered(u"org.freedesktop.DBus"_qs));
    }
    QDBusConnection::disconnectFromBus(u"stranger"_qs);

    // Signals from one sender keep their order, and the stranger's went first.
    QCOMPARE(ask("activate ringle-2"), "ok");
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
    QVERIFY(startPortal());
    std::unique_ptr<PortalShortcutBinder> binder = create();
    QVERIFY(binder);
    QSignalSpy lost(binder.get(), &PortalShortcutBinder::shortcutLost);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    QVERIFY(binder->bind(2, Key::j, ctrlAlt));
    QCOMPARE(ask("activate ringle-1"), "ok");
    QTRY_COMPARE(m_events.size(), 1);

    if (portalDies) {
        m_portal->process().kill();
        QVERIFY(m_portal->process().waitForFinished());
    } else {
        QCOMPARE(ask("close-session"), "ok");
    }
    QTRY_VERIFY(!binder->hasSession());
    QCOMPARE(lost.count(), 2);
    // A wheel held open is let go.
    QCOMPARE(m_events, (QList<Event>{{1, true}, {1, false}}));

    QElapsedTimer clock;
    clock.start();
    QVERIFY(!binder->bind(3, Key::k, ctrlAlt));
    binder->unbind(1);
    binder->unbind(3);
    QCOMPARE_LT(clock.elapsed(), 100);
    binder.reset();
}

void TestPortalShortcutBinder::closesTheSessionWhenDestroyed()
{
    QVERIFY(startPortal());
    std::unique_ptr<PortalShortcutBinder> binder = create();
    QVERIFY(binder);
    QVERIFY(binder->bind(1, Key::h, ctrlAlt));
    binder.reset();
    QTRY_COMPARE(ask("sessions").left(12), "sessions 0 1");
}

QTEST_GUILESS_MAIN(TestPortalShortcutBinder)
#include "test_portalshortcutbinder.moc"
