// A stand-in for the desktop portal's GlobalShortcuts and RemoteDesktop interfaces on the bus at
// --bus ADDRESS, driven over stdin/stdout, one reply per line ("ok" unless said otherwise).
//   set version <n>               0: the portal has no GlobalShortcuts interface
//   set remote-version <n>        0: no RemoteDesktop interface; 2 and up keep grants (restore tokens)
//   set remote-devices <bits>     AvailableDeviceTypes (1 keyboard, 2 pointer, 4 touch)
//   set select-response <n>       the Response code of SelectDevices
//   set start-response <n>        likewise for Start, and the devices and restore token it gives
//   set start-devices <bits>
//   set start-token <token|->
//   set start-delay <ms>          before Start's Response (the user answering); -1: never
//   set key-jitter <0|1>          1: every other key is taken 30 ms late, as a portal that handles
//                                 calls on threads would, so a key sent before its answer overtakes it
//   set create-response <n>       the Response code of CreateSession (0 done, 1 cancelled, 2 other)
//   set create-delay <ms>         before that Response; -1: never
//   set create-results <kind>     good, string (the handle as a string), none, garbage, badsignature
//   set bind-response <n>         likewise for BindShortcuts
//   set bind-delay <ms>
//   set bind-results <kind>       good, badshape (the shortcuts in another type), badsignature
//   set refuse <id,id,...|->      ids BindShortcuts leaves out of its answer
//   set bind-once <0|1>           1: a session's second BindShortcuts fails
//   set handle <predicted|other>  other: request handles unlike the ones clients predict
//   activate <id> [session]       Activated for the newest open session (or the one named)
//   deactivate <id> [session]
//   activate-badsignature <id>    Activated with the session as a string
//   close-session                 the portal closes the newest open session (Closed signal)
//   bound                         -> bound <calls> <id>=<trigger> ... (the newest session's last list)
//   sessions                      -> sessions <open> <created> <newest session's path>
//   selected                      -> selected <options of the newest SelectDevices, key=value ...>
//   keys                          -> keys <keycode>:<state> ... (every NotifyKeyboardKeycode so far)
//   quit
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDateTime>
#include <QHash>
#include <QTimer>

#include "stdinlines.h"

namespace {
const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");
const QString remoteInterface = QStringLiteral("org.freedesktop.portal.RemoteDesktop");

struct Shortcut {
    QString id;
    QVariantMap properties;
};
} // namespace

Q_DECLARE_METATYPE(Shortcut)

namespace {
QDBusArgument &operator<<(QDBusArgument &arg, const Shortcut &s)
{
    arg.beginStructure();
    arg << s.id << s.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, Shortcut &s)
{
    arg.beginStructure();
    arg >> s.id >> s.properties;
    arg.endStructure();
    return arg;
}

QString senderPart(const QString &uniqueName)
{
    return uniqueName.mid(1).replace(u'.', u'_');
}

struct Session {
    QString owner;
    int calls = 0;
    QList<Shortcut> shortcuts;
    bool started = false;
};

class FakePortal final : public QDBusVirtualObject {
public:
    explicit FakePortal(QDBusConnection bus)
        : m_bus(std::move(bus))
    {
    }
    ~FakePortal() override { qDeleteAll(m_pending); }

    QHash<QString, QString> settings{{u"version"_qs, u"1"_qs},        {u"create-response"_qs, u"0"_qs},
                                     {u"create-delay"_qs, u"0"_qs},   {u"create-results"_qs, u"good"_qs},
                                     {u"bind-response"_qs, u"0"_qs},  {u"bind-delay"_qs, u"0"_qs},
                                     {u"bind-results"_qs, u"good"_qs}, {u"refuse"_qs, u"-"_qs},
                                     {u"bind-once"_qs, u"0"_qs},      {u"handle"_qs, u"predicted"_qs},
                                     {u"remote-version"_qs, u"1"_qs}, {u"remote-devices"_qs, u"7"_qs},
                                     {u"select-response"_qs, u"0"_qs}, {u"start-response"_qs, u"0"_qs},
                                     {u"start-devices"_qs, u"1"_qs},  {u"start-token"_qs, u"-"_qs},
                                     {u"start-delay"_qs, u"0"_qs},    {u"key-jitter"_qs, u"0"_qs}};
    QStringList selected;
    QStringList keys;
    QHash<QString, Session> sessions;
    QString newestSession;
    int created = 0;

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        const QString iface = message.interface();
        const QString member = message.member();
        if (iface == u"org.freedesktop.DBus.Properties" && member == u"Get")
            return getProperty(message);
        if (iface == shortcutsInterface && member == u"CreateSession" && hasShortcuts())
            return createSession(message);
        if (iface == shortcutsInterface && member == u"BindShortcuts" && hasShortcuts())
            return bindShortcuts(message);
        if (iface == remoteInterface && member == u"CreateSession" && hasRemote())
            return createSession(message);
        if (iface == remoteInterface && member == u"SelectDevices" && hasRemote())
            return selectDevices(message);
        if (iface == remoteInterface && member == u"Start" && hasRemote())
            return start(message);
        if (iface == remoteInterface && member == u"NotifyKeyboardKeycode" && hasRemote())
            return notifyKey(message);
        if (iface == requestInterface && member == u"Close") {
            delete m_pending.take(message.path());
            m_bus.send(message.createReply());
            return true;
        }
        if (iface == sessionInterface && member == u"Close") {
            if (sessions.remove(message.path()) == 0)
                return fail(message, u"org.freedesktop.portal.Error.NotFound"_qs);
            m_bus.send(message.createReply());
            return true;
        }
        return false;
    }

    void emitShortcut(const QString &member, const QString &id, const QString &session)
    {
        QDBusMessage signal = QDBusMessage::createSignal(portalPath, shortcutsInterface, member);
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << quint64(QDateTime::currentMSecsSinceEpoch() * 1000)
               << QVariantMap();
        m_bus.send(signal);
    }

    void emitBadActivated(const QString &id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(portalPath, shortcutsInterface, u"Activated"_qs);
        signal << newestSession << id << quint64(0) << QVariantMap();
        m_bus.send(signal);
    }

    void closeSession(const QString &path)
    {
        sessions.remove(path);
        QDBusMessage signal = QDBusMessage::createSignal(path, sessionInterface, u"Closed"_qs);
        signal << QVariantMap();
        m_bus.send(signal);
    }

private:
    bool hasShortcuts() const { return settings.value(u"version"_qs).toUInt() > 0; }
    bool hasRemote() const { return settings.value(u"remote-version"_qs).toUInt() > 0; }
    int setting(const char *key) const { return settings.value(QString::fromLatin1(key)).toInt(); }

    bool fail(const QDBusMessage &message, const QString &error)
    {
        m_bus.send(message.createErrorReply(error, u"refused by the fake portal"_qs));
        return true;
    }

    bool getProperty(const QDBusMessage &message)
    {
        const QList<QVariant> args = message.arguments();
        const QString iface = args.value(0).toString();
        const QString name = args.value(1).toString();
        QVariant value;
        if (iface == shortcutsInterface && name == u"version" && hasShortcuts())
            value = settings.value(u"version"_qs).toUInt();
        else if (iface == remoteInterface && name == u"version" && hasRemote())
            value = settings.value(u"remote-version"_qs).toUInt();
        else if (iface == remoteInterface && name == u"AvailableDeviceTypes" && hasRemote())
            value = settings.value(u"remote-devices"_qs).toUInt();
        else
            return fail(message, u"org.freedesktop.DBus.Error.InvalidArgs"_qs);
        m_bus.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
        return true;
    }

    // The caller's own session, or end() when it names another.
    QHash<QString, Session>::iterator ownSession(const QDBusMessage &message)
    {
        const auto it = sessions.find(message.arguments().value(0).value<QDBusObjectPath>().path());
        return it != sessions.end() && it->owner == message.service() ? it : sessions.end();
    }

    bool selectDevices(const QDBusMessage &message)
    {
        if (message.signature() != u"oa{sv}" || ownSession(message) == sessions.end())
            return fail(message, u"org.freedesktop.DBus.Error.InvalidArgs"_qs);
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(1));
        selected.clear();
        for (auto it = options.cbegin(); it != options.cend(); ++it) {
            if (it.key() != u"handle_token")
                selected << it.key() + u'=' + it.value().toString() + u':' + QString::fromLatin1(it.value().typeName());
        }
        selected.sort();
        const uint code = uint(setting("select-response"));
        answerLater(message, options.value(u"handle_token"_qs).toString(), 0,
                    [code](const QString &path) { return responseSignal(path, code, {}); });
        return true;
    }

    bool start(const QDBusMessage &message)
    {
        const auto session = ownSession(message);
        if (message.signature() != u"osa{sv}" || session == sessions.end())
            return fail(message, u"org.freedesktop.DBus.Error.InvalidArgs"_qs);
        const uint code = uint(setting("start-response"));
        QVariantMap results{{u"devices"_qs, uint(setting("start-devices"))}};
        if (const QString token = settings.value(u"start-token"_qs); token != u"-")
            results.insert(u"restore_token"_qs, token);
        const QString path = session.key();
        answerLater(message, qdbus_cast<QVariantMap>(message.arguments().value(2)).value(u"handle_token"_qs).toString(),
                    setting("start-delay"), [this, code, results, path](const QString &request) {
                        if (code == 0 && sessions.contains(path))
                            sessions[path].started = true;
                        return responseSignal(request, code, results);
                    });
        return true;
    }

    bool notifyKey(const QDBusMessage &message)
    {
        const auto session = ownSession(message);
        if (message.signature() != u"oa{sv}iu" || session == sessions.end() || !session->started)
            return fail(message, u"org.freedesktop.DBus.Error.InvalidArgs"_qs);
        const QList<QVariant> args = message.arguments();
        const QString key = QString::number(args.at(2).toInt()) + u':' + QString::number(args.at(3).toUInt());
        const auto take = [this, key, reply = message.createReply()] {
            keys << key;
            m_bus.send(reply);
        };
        if (setting("key-jitter") && m_keyCalls++ % 2 == 0)
            QTimer::singleShot(30, take);
        else
            take();
        return true;
    }

    // Replies with the request handle, then answers on it after the delay the test chose.
    void answerLater(const QDBusMessage &message, const QString &token, int delayMs, std::function<QDBusMessage(const QString &)> response)
    {
        QString path = u"/org/freedesktop/portal/desktop/request/"_qs + senderPart(message.service()) + u'/' + token;
        if (settings.value(u"handle"_qs) == u"other")
            path += u"_moved"_qs;
        m_bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path))));
        if (delayMs < 0)
            return;
        auto *timer = new QTimer;
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, [this, path, response = std::move(response)] {
            m_pending.take(path)->deleteLater();
            m_bus.send(response(path));
        });
        delete m_pending.take(path);
        m_pending.insert(path, timer);
        timer->start(delayMs);
    }

    static QDBusMessage responseSignal(const QString &path, uint code, const QVariantMap &results)
    {
        QDBusMessage signal = QDBusMessage::createSignal(path, requestInterface, u"Response"_qs);
        signal << code << results;
        return signal;
    }

    bool createSession(const QDBusMessage &message)
    {
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(0));
        const QString token = options.value(u"handle_token"_qs).toString();
        const QString sessionToken = options.value(u"session_handle_token"_qs).toString();
        if (token.isEmpty() || sessionToken.isEmpty())
            return fail(message, u"org.freedesktop.DBus.Error.InvalidArgs"_qs);
        const QString owner = message.service();
        const QString session = u"/org/freedesktop/portal/desktop/session/"_qs + senderPart(owner) + u'/' + sessionToken;
        const uint code = uint(setting("create-response"));
        const QString kind = settings.value(u"create-results"_qs);
        answerLater(message, token, setting("create-delay"), [this, owner, session, code, kind](const QString &path) {
            if (code == 0) {
                sessions.insert(session, {owner, 0, {}, false});
                newestSession = session;
                ++created;
            }
            if (kind == u"badsignature") {
                QDBusMessage signal = QDBusMessage::createSignal(path, requestInterface, u"Response"_qs);
                signal << code << session;
                return signal;
            }
            QVariantMap results;
            if (kind == u"good")
                results.insert(u"session_handle"_qs, QVariant::fromValue(QDBusObjectPath(session)));
            else if (kind == u"string")
                results.insert(u"session_handle"_qs, session);
            else if (kind == u"garbage")
                results.insert(u"session_handle"_qs, u"not a path"_qs);
            return responseSignal(path, code, results);
        });
        return true;
    }

    bool bindShortcuts(const QDBusMessage &message)
    {
        const QList<QVariant> args = message.arguments();
        const QString session = args.value(0).value<QDBusObjectPath>().path();
        auto it = sessions.find(session);
        if (message.signature() != u"oa(sa{sv})sa{sv}" || it == sessions.end() || it->owner != message.service())
            return fail(message, u"org.freedesktop.DBus.Error.InvalidArgs"_qs);
        if (setting("bind-once") && it->calls > 0)
            return fail(message, u"org.freedesktop.portal.Error.Failed"_qs);
        QList<Shortcut> shortcuts;
        args.at(1).value<QDBusArgument>() >> shortcuts;
        for (const Shortcut &s : shortcuts) {
            if (s.properties.value(u"description"_qs).toString().isEmpty()
                || s.properties.value(u"preferred_trigger"_qs).metaType() != QMetaType::fromType<QString>())
                return fail(message, u"org.freedesktop.DBus.Error.InvalidArgs"_qs);
        }
        ++it->calls;
        it->shortcuts = shortcuts;
        const QStringList refused = settings.value(u"refuse"_qs).split(u',');
        QList<Shortcut> bound;
        for (const Shortcut &s : shortcuts) {
            if (!refused.contains(s.id))
                bound.append({s.id, {{u"description"_qs, s.properties.value(u"description"_qs)},
                                     {u"trigger_description"_qs, u"Press "_qs + s.properties.value(u"preferred_trigger"_qs).toString()}}});
        }
        const uint code = uint(setting("bind-response"));
        const QString kind = settings.value(u"bind-results"_qs);
        const QString token = qdbus_cast<QVariantMap>(args.value(3)).value(u"handle_token"_qs).toString();
        answerLater(message, token, setting("bind-delay"), [code, kind, bound](const QString &path) {
            if (kind == u"badsignature") {
                QDBusMessage signal = QDBusMessage::createSignal(path, requestInterface, u"Response"_qs);
                signal << code;
                return signal;
            }
            QStringList ids;
            for (const Shortcut &s : bound)
                ids << s.id;
            const QVariant list = kind == u"badshape" ? QVariant(ids) : QVariant::fromValue(bound);
            return responseSignal(path, code, {{u"shortcuts"_qs, list}});
        });
        return true;
    }

    QDBusConnection m_bus;
    QHash<QString, QTimer *> m_pending;
    int m_keyCalls = 0;
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<QList<Shortcut>>();
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(u"--bus"_qs);
    if (at < 0 || at + 1 >= args.size()) {
        replyLine("error usage: fakeportal --bus ADDRESS");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(args.at(at + 1), u"fakeportal"_qs);
    FakePortal portal(bus);
    if (!bus.isConnected() || !bus.registerVirtualObject(portalPath, &portal, QDBusConnection::SubPath)
        || !bus.registerService(service)) {
        replyLine("error cannot serve " + service.toLatin1() + ": " + bus.lastError().message().toUtf8());
        return 1;
    }

    StdinLines input([&](const QByteArray &line) {
        const auto [cmd, rest] = splitCommand(line);
        const QStringList words = QString::fromUtf8(rest).split(u' ', Qt::SkipEmptyParts);
        if (cmd == "set" && words.size() == 2 && portal.settings.contains(words.at(0))) {
            portal.settings.insert(words.at(0), words.at(1));
            replyLine("ok");
        } else if ((cmd == "activate" || cmd == "deactivate") && !words.isEmpty()) {
            const QString session = words.value(1, portal.newestSession);
            if (session.isEmpty())
                return replyLine("error no session");
            portal.emitShortcut(cmd == "activate" ? u"Activated"_qs : u"Deactivated"_qs, words.at(0), session);
            replyLine("ok");
        } else if (cmd == "activate-badsignature" && !words.isEmpty()) {
            portal.emitBadActivated(words.at(0));
            replyLine("ok");
        } else if (cmd == "close-session") {
            if (!portal.sessions.contains(portal.newestSession))
                return replyLine("error no session");
            portal.closeSession(portal.newestSession);
            replyLine("ok");
        } else if (cmd == "bound") {
            const Session session = portal.sessions.value(portal.newestSession);
            QByteArray reply = "bound " + QByteArray::number(session.calls);
            for (const Shortcut &s : session.shortcuts)
                reply += ' ' + s.id.toUtf8() + '=' + s.properties.value(u"preferred_trigger"_qs).toString().toUtf8();
            replyLine(reply);
        } else if (cmd == "sessions") {
            QByteArray reply = "sessions " + QByteArray::number(portal.sessions.size()) + ' ' + QByteArray::number(portal.created);
            if (!portal.newestSession.isEmpty())
                reply += ' ' + portal.newestSession.toUtf8();
            replyLine(reply);
        } else if (cmd == "selected") {
            replyLine(("selected " + portal.selected.join(u' ')).toUtf8().trimmed());
        } else if (cmd == "keys") {
            replyLine(("keys " + portal.keys.join(u' ')).toUtf8().trimmed());
        } else if (cmd == "quit") {
            app.quit();
        } else {
            replyLine("error unknown command");
        }
    });
    replyLine("ready " + QByteArray::number(QCoreApplication::applicationPid()));
    return app.exec();
}
