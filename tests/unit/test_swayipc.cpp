#include "platform/wayland/swayipc.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstring>

using namespace std::chrono_literals;

namespace {

QByteArray frame(quint32 type, const QByteArray &payload, quint32 length)
{
    QByteArray message("i3-ipc");
    message.append(reinterpret_cast<const char *>(&length), 4);
    message.append(reinterpret_cast<const char *>(&type), 4);
    return message + payload;
}

QByteArray frame(quint32 type, const QByteArray &payload)
{
    return frame(type, payload, quint32(payload.size()));
}

QByteArray view(int id, const char *appId, bool focused, const char *rect, const char *windowRect)
{
    return QString::fromLatin1(R"({"id": %1, "type": "con", "name": "view %1", "pid": %2, "app_id": "%3",
        "focused": %4, "rect": %5, "window_rect": %6, "shell": "xdg_shell", "nodes": []})")
        .arg(id).arg(id * 100).arg(QLatin1String(appId), focused ? u"true"_qs : u"false"_qs)
        .arg(QLatin1String(rect), QLatin1String(windowRect)).toUtf8();
}

// A scratchpad, nested splits, a floating XWayland window; the focus on a view or on its workspace.
QByteArray tree(bool viewFocused)
{
    const QByteArray gimp = R"({"id": 9, "type": "floating_con", "name": "GIMP", "pid": 900, "app_id": null,
        "shell": "xwayland", "focused": false, "window_properties": {"class": "Gimp", "instance": "gimp"},
        "rect": {"x": 300, "y": 200, "width": 500, "height": 400},
        "window_rect": {"x": 0, "y": 22, "width": 500, "height": 378}, "nodes": [], "floating_nodes": []})";
    const QByteArray nautilus =
        view(7, "org.gnome.Nautilus", false, R"({"x": 0, "y": 30, "width": 640, "height": 770})", "{}");
    const char *footRect = R"({"x": 640, "y": 30, "width": 640, "height": 385})";
    const QByteArray foot = view(8, "foot", viewFocused, footRect, R"({"x": 2, "y": 3})");
    return R"({"id": 1, "type": "root", "name": "root", "focused": false, "nodes": [
        {"id": 2, "type": "output", "name": "__i3", "nodes": [{"id": 3, "type": "workspace",
            "name": "__i3_scratch", "nodes": [], "floating_nodes": [)"
        + view(20, "scratch", false, "{}", "{}") + R"(]}]},
        {"id": 4, "type": "output", "name": "HEADLESS-1", "nodes": [
            {"id": 5, "type": "workspace", "name": "1", "focused": )"
        + (viewFocused ? "false" : "true") + R"(,
              "nodes": [{"id": 6, "type": "con", "layout": "splitv", "focused": false, "nodes": [)"
        + nautilus + "," + foot + R"(]}], "floating_nodes": [)" + gimp + R"(]}]}]})";
}

// A stand-in for sway on a thread of its own, so the client's blocking waits get their answers.
class FakeSway final : public QObject {
    Q_OBJECT
public:
    enum class Reply { normal, silent, late, absurdLength, badMagic, wrongType, notJson, halfThenClose };
    std::atomic<Reply> reply{Reply::normal};
    // sway stops at the first command that fails.
    QHash<quint32, QByteArray> replies{
        {SwayIpc::GetTree, tree(true)},
        {SwayIpc::GetConfig, R"({"config": "set $mod Mod4\nbindsym $mod+q kill\n"})"},
        {SwayIpc::RunCommand, R"([{"success": true}, {"success": false, "error": "Unknown command"}])"},
        {SwayIpc::GetWorkspaces, R"([{"visible": false, "output": "HEADLESS-1", "rect": {"width": 1280}},
            {"visible": true, "output": "HEADLESS-1", "rect": {"y": 30, "width": 1280, "height": 770}}])"}};

    void listen(const QString &path)
    {
        m_server = new QLocalServer(this);
        m_server->listen(path);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection())
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        });
    }
    void sendEvents(const QByteArray &bytes)
    {
        for (QLocalSocket *socket : std::as_const(m_subscribers)) {
            socket->write(bytes);
            socket->flush();
        }
    }
    void quit()
    {
        for (QLocalSocket *socket : m_server->findChildren<QLocalSocket *>())
            socket->disconnectFromServer();
        m_server->close();
    }

private:
    void serve(QLocalSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        while (buffer.size() >= 14) {
            quint32 length, type;
            std::memcpy(&length, buffer.constData() + 6, 4);
            std::memcpy(&type, buffer.constData() + 10, 4);
            if (buffer.size() < 14 + qsizetype(length))
                return;
            answer(socket, type);
            buffer.remove(0, 14 + length);
        }
    }
    void answer(QLocalSocket *socket, quint32 type)
    {
        if (type == SwayIpc::Subscribe)
            m_subscribers.append(socket);
        const QByteArray json = replies.value(type, R"({"success": true})");
        switch (reply.load()) {
        case Reply::normal: socket->write(frame(type, json)); break;
        case Reply::silent: break;
        case Reply::late:
            QTimer::singleShot(300, socket, [socket, type, json] { socket->write(frame(type, json)); });
            break;
        case Reply::absurdLength: socket->write(frame(type, json, 0xfffffff0)); break;
        case Reply::badMagic: socket->write(frame(type, json).replace(0, 6, "i4-ipc")); break;
        case Reply::wrongType: socket->write(frame(type + 1, json)); break;
        case Reply::notJson: socket->write(frame(type, json.left(json.size() / 2))); break;
        case Reply::halfThenClose:
            socket->write(frame(type, json).left(20));
            socket->flush();
            socket->disconnectFromServer();
            break;
        }
    }

    QLocalServer *m_server = nullptr;
    QHash<QLocalSocket *, QByteArray> m_buffers;
    QList<QLocalSocket *> m_subscribers;
};

} // namespace

class TestSwayIpc final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_sway = new FakeSway;
        m_sway->moveToThread(&m_thread);
        m_thread.start();
        onSway([this] { m_sway->listen(socket()); });
        m_ipc = std::make_unique<SwayIpc>(socket());
        m_log.clear();
        connect(m_ipc.get(), &SwayIpc::bindingTriggered, this,
                [this](const QString &command, const QString &input) {
                    m_log << u"binding "_qs + command + u' ' + input;
                });
        connect(m_ipc.get(), &SwayIpc::configReloaded, this, [this] { m_log << u"reload"_qs; });
        connect(m_ipc.get(), &SwayIpc::focusChanged, this, [this](const SwayWindow &window) {
            m_log << u"focus "_qs + window.appId + u' ' + QString::number(window.id);
        });
        connect(m_ipc.get(), &SwayIpc::disconnected, this, [this] { m_log << u"disconnected"_qs; });
        QVERIFY(m_ipc->open(1s));
    }
    void cleanup()
    {
        m_ipc.reset();
        onSway([this] { delete m_sway; });
        m_thread.quit();
        m_thread.wait();
    }

    void requests()
    {
        const std::optional<SwayWindow> focused = m_ipc->focusedWindow(250ms);
        QVERIFY(focused);
        QCOMPARE(focused->appId, u"foot"_qs);
        QCOMPARE(focused->pid, qint64(800));
        QCOMPARE(focused->rect, QRect(640, 30, 640, 385));
        QCOMPARE(focused->contentOrigin(), QPoint(642, 33));
        QVERIFY(!focused->xwayland);

        const QList<SwayWindow> windows = m_ipc->windows(250ms);
        QCOMPARE(windows.size(), 4);
        const SwayWindow &gimp = windows.last();
        QVERIFY(gimp.xwayland);
        QCOMPARE(gimp.appId, u"Gimp"_qs); // the X11 class stands in for the missing app_id
        QCOMPARE(gimp.contentOrigin(), QPoint(300, 222));

        QCOMPARE(m_ipc->usableArea(u"HEADLESS-1"_qs, 250ms), std::optional(QRect(0, 30, 1280, 770)));
        QCOMPARE(m_ipc->usableArea(u"HEADLESS-9"_qs, 250ms), std::nullopt);
        QCOMPARE(m_ipc->configText(250ms), std::optional(u"set $mod Mod4\nbindsym $mod+q kill\n"_qs));

        const QList<SwayIpc::CommandResult> results = m_ipc->runCommand(u"nop a; fail b; nop c"_qs, 250ms);
        QCOMPARE(results.size(), 2);
        QVERIFY(results[0].success && !results[1].success);
        QCOMPARE(results[1].error, u"Unknown command"_qs);

        // Focus on the workspace itself (after "focus parent") is on no window.
        onSway([this] { m_sway->replies[SwayIpc::GetTree] = tree(false); });
        QCOMPARE(m_ipc->focusedWindow(250ms), std::nullopt);
        // Coordinates beyond any screen are clamped, not overflowed.
        onSway([this] {
            m_sway->replies[SwayIpc::GetTree] = R"({"nodes": [{"pid": 1, "app_id": "x", "focused": true,
                "window_rect": {"x": 2147483647},
                "rect": {"x": 2147483647, "y": -1e300, "width": 4294967296, "height": 1.5}}]})";
        });
        QVERIFY(m_ipc->focusedWindow(250ms).value_or(SwayWindow()).contentOrigin().x() > 0);
    }

    void badReplies_data()
    {
        QTest::addColumn<FakeSway::Reply>("reply");
        QTest::addColumn<bool>("waitsItOut");
        QTest::newRow("no answer") << FakeSway::Reply::silent << true;
        QTest::newRow("answer after the deadline") << FakeSway::Reply::late << true;
        QTest::newRow("absurd length") << FakeSway::Reply::absurdLength << false;
        QTest::newRow("bad magic") << FakeSway::Reply::badMagic << false;
        QTest::newRow("another message's reply") << FakeSway::Reply::wrongType << false;
        QTest::newRow("truncated JSON") << FakeSway::Reply::notJson << false;
    }
    void badReplies()
    {
        QFETCH(FakeSway::Reply, reply);
        QFETCH(bool, waitsItOut);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"reply to message 9 "_qs));
        m_sway->reply = reply;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(m_ipc->configText(200ms), std::nullopt);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(waitsItOut ? elapsed >= 190 && elapsed < 400 : elapsed < 150,
                 qPrintable(QString::number(elapsed)));

        // The next request gets its own answer, not a leftover of the failed one.
        m_sway->reply = FakeSway::Reply::normal;
        QTest::qWait(waitsItOut ? 200 : 0);
        QCOMPARE(m_ipc->focusedWindow(250ms).value_or(SwayWindow()).appId, u"foot"_qs);
        QVERIFY(m_log.isEmpty());
    }

    void events()
    {
        const QByteArray binding = frame(SwayIpc::BindingEvent, R"({"change": "run",
            "binding": {"command": "nop ringle", "input_type": "keyboard", "symbol": "h"}})");
        // Split inside the header, then inside the payload.
        for (const QByteArray &part : {binding.left(5), binding.mid(5, 20)}) {
            onSway([&] { m_sway->sendEvents(part); });
            QTest::qWait(30);
            QVERIFY(m_log.isEmpty());
        }
        onSway([&] { m_sway->sendEvents(binding.mid(25)); });
        QTRY_COMPARE(m_log, QStringList{u"binding nop ringle keyboard"_qs});

        // Several in one write, with some that mean nothing to us.
        m_log.clear();
        const QByteArray focus =
            R"({"change": "focus", "container": )" + view(8, "foot", true, "{}", "{}") + "}";
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"not a JSON object"_qs));
        onSway([&] {
            m_sway->sendEvents(frame(SwayIpc::WorkspaceEvent, R"({"change": "focus"})")
                               + frame(SwayIpc::WorkspaceEvent, R"({"change": "reload", "current": null})")
                               + frame(SwayIpc::TickEvent, R"({"first": true})")
                               + frame(SwayIpc::WindowEvent, "{garbage") + frame(SwayIpc::WindowEvent, focus)
                               + frame(SwayIpc::WindowEvent, R"({"change": "title"})"));
        });
        QTRY_COMPARE(m_log, (QStringList{u"reload"_qs, u"focus foot 8"_qs}));
    }

    void garbageOnTheEventStream()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"event stream is not framed"_qs));
        onSway([&] { m_sway->sendEvents(frame(SwayIpc::TickEvent, "{}") + "XXXXXXXXXXXXXXXXXXXX"); });
        QTRY_COMPARE(m_log, QStringList{u"disconnected"_qs});
        QVERIFY(!m_ipc->isOpen());
        QCOMPARE(m_ipc->focusedWindow(250ms), std::nullopt);
    }

    void swayQuits_data()
    {
        QTest::addColumn<bool>("midReply");
        QTest::newRow("while idle") << false;
        QTest::newRow("in the middle of a reply") << true;
    }
    void swayQuits()
    {
        QFETCH(bool, midReply);
        QElapsedTimer clock;
        clock.start();
        if (midReply) {
            QTest::ignoreMessage(QtInfoMsg, "sway closed the connection");
            m_sway->reply = FakeSway::Reply::halfThenClose;
            QVERIFY(m_ipc->windows(1s).isEmpty());
            QVERIFY(clock.elapsed() < 500);
        }
        // sway says goodbye, then closes both connections.
        onSway([&] {
            m_sway->sendEvents(frame(SwayIpc::ShutdownEvent, R"({"change": "exit"})"));
            m_sway->quit();
        });
        QTRY_COMPARE(m_log, QStringList{u"disconnected"_qs});
        QTest::qWait(50);
        QCOMPARE(m_log.size(), 1);
        QVERIFY(m_ipc->runCommand(u"nop"_qs, 1s).isEmpty());
        QVERIFY(clock.elapsed() < 1000);
    }

    void openFails()
    {
        SwayIpc nobody(m_dir.filePath(u"nobody.sock"_qs));
        QVERIFY(!nobody.open(1s));
        m_sway->reply = FakeSway::Reply::silent;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!m_ipc->open(200ms));
        QVERIFY(clock.elapsed() >= 190 && clock.elapsed() < 400);
    }

    void quoting()
    {
        QCOMPARE(SwayIpc::quoted(u"Mod4+Shift+h"_qs), u"Mod4+Shift+h"_qs);
        QCOMPARE(SwayIpc::quoted(u"a b"_qs), u"\"a b\""_qs);
        QCOMPARE(SwayIpc::quoted(u"say \"hi\"; \\exit"_qs), u"\"say \\\"hi\\\"; \\\\exit\""_qs);
        QCOMPARE(SwayIpc::quoted(u"one\ntwo"_qs), u"\"one two\""_qs);
        QCOMPARE(SwayIpc::quoted(QString()), u"\"\""_qs);
    }

private:
    QString socket() const { return m_dir.filePath(u"sway.sock"_qs); }
    template<typename Function>
    void onSway(Function function)
    {
        QMetaObject::invokeMethod(m_sway, function, Qt::BlockingQueuedConnection);
    }

    QTemporaryDir m_dir;
    QThread m_thread;
    FakeSway *m_sway = nullptr;
    std::unique_ptr<SwayIpc> m_ipc;
    QStringList m_log;
};

QTEST_GUILESS_MAIN(TestSwayIpc)
#include "test_swayipc.moc"
