// The GNOME clipboard against a stand-in for Mutter's remote desktop service on a bus of the
// test's own, for what a real GNOME Shell does only now and then: refusing a read while it still
// counts the session's previous one as running.
#include "platform/wayland/mutterclipboard.h"
#include "privatebus.h"
#include "stallmeter.h"

#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>
#include <QCoroTask>

#include <unistd.h>

namespace {
const QString rootPath = QStringLiteral("/org/gnome/Mutter/RemoteDesktop");
const QString sessionPath = QStringLiteral("/org/gnome/Mutter/RemoteDesktop/Session/u1");

// Another session owns the clipboard with `offered`; a read may be refused a number of times
// before it is served, as Mutter does while it finishes the last one.
class StandIn final : public QDBusVirtualObject {
public:
    QList<ClipboardFormat> offered;
    // Refusals before each read is served; negative for ever.
    int refusalsPerRead = 0;
    int refusals = 0;
    int served = 0;

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        QDBusConnection bus(connection);
        const QString member = message.member();
        if (member == u"CreateSession") {
            bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(sessionPath))));
        } else if (member == u"EnableClipboard") {
            // Mutter tells the current owner before it answers.
            QStringList types;
            for (const ClipboardFormat &f : std::as_const(offered))
                types.append(f.type);
            QDBusMessage changed = QDBusMessage::createSignal(sessionPath, MutterRemoteDesktop::sessionInterface, u"SelectionOwnerChanged"_qs);
            changed << QVariantMap{{u"mime-types"_qs, types}, {u"session-is-owner"_qs, false}};
            bus.send(changed);
            bus.send(message.createReply());
        } else if (member == u"Get") {
            bus.send(message.createReply(QVariant::fromValue(QDBusVariant(u"u1"_qs))));
        } else if (member == u"SelectionRead") {
            bus.send(read(message));
        } else {
            bus.send(message.createReply());
        }
        return true;
    }

private:
    QDBusMessage read(const QDBusMessage &message)
    {
        if (refusalsPerRead < 0 || m_refusedInARow < refusalsPerRead) {
            ++m_refusedInARow;
            ++refusals;
            return message.createErrorReply(QDBusError::LimitsExceeded, u"Tried to read in parallel"_qs);
        }
        m_refusedInARow = 0;
        const QString type = message.arguments().value(0).toString();
        const auto it = std::find_if(offered.cbegin(), offered.cend(), [&](const ClipboardFormat &f) { return f.type == type; });
        int fds[2];
        if (it == offered.cend() || ::pipe(fds) != 0)
            return message.createErrorReply(QDBusError::Failed, u"nothing to read"_qs);
        // Small enough for the pipe to hold it all.
        const bool written = ::write(fds[1], it->data.constData(), size_t(it->data.size())) == it->data.size();
        ::close(fds[1]);
        const QDBusUnixFileDescriptor handed(fds[0]);
        ::close(fds[0]);
        if (!written)
            return message.createErrorReply(QDBusError::Failed, u"short write"_qs);
        ++served;
        return message.createReply(QVariant::fromValue(handed));
    }

    int m_refusedInARow = 0;
};

template <typename T> T run(QCoro::Task<T> task)
{
    return QCoro::waitFor(std::move(task));
}
} // namespace

class TestMutterClipboard final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::PrivateBus> m_private;
    QDBusConnection m_serviceBus{QString()};
    std::unique_ptr<StandIn> m_mutter;
    std::unique_ptr<MutterRemoteDesktop> m_session;
    std::unique_ptr<MutterClipboard> m_clipboard;

    const QList<ClipboardFormat> m_formats{{u"text/plain;charset=utf-8"_qs, QStringLiteral("Grüße").toUtf8()},
                                           {u"image/png"_qs, QByteArray(20000, '\x89')},
                                           {u"application/x-empty"_qs, QByteArray()},
                                           {u"application/x-ringle-test"_qs, QByteArray("\0\1\2", 3)}};

    bool open(int refusalsPerRead)
    {
        m_mutter->offered = m_formats;
        m_mutter->refusalsPerRead = refusalsPerRead;
        m_session = std::make_unique<MutterRemoteDesktop>(MutterRemoteDesktop::Use::clipboard, m_private->bus());
        m_clipboard = std::make_unique<MutterClipboard>(*m_session);
        return QTest::qWaitFor([&] { return m_clipboard->isReady(); }, 5000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"dbus-daemon"_qs).isEmpty())
            QSKIP("needs dbus-daemon");
    }

    void init()
    {
        m_private = std::make_unique<TestSupport::PrivateBus>();
        QVERIFY(m_private->start(u"ringle"_qs));
        m_serviceBus = QDBusConnection::connectToBus(m_private->address(), u"stand-in"_qs);
        m_mutter = std::make_unique<StandIn>();
        QVERIFY(m_serviceBus.registerVirtualObject(rootPath, m_mutter.get(), QDBusConnection::SubPath));
        QVERIFY(m_serviceBus.registerService(MutterRemoteDesktop::service));
    }

    void cleanup()
    {
        m_clipboard.reset();
        m_session.reset();
        m_serviceBus.unregisterObject(rootPath, QDBusConnection::UnregisterTree);
        m_serviceBus = QDBusConnection(QString());
        QDBusConnection::disconnectFromBus(u"stand-in"_qs);
        m_mutter.reset();
        m_private.reset();
    }

    void readsRefusedForAMomentAreAskedAgain()
    {
        QVERIFY(open(3));
        TestSupport::StallMeter meter;
        QCOMPARE(run(m_clipboard->readItems()), QList<ClipboardItem>{m_formats});
        QCOMPARE(m_mutter->served, m_formats.size());
        QCOMPARE(m_mutter->refusals, 3 * m_formats.size());
        QCOMPARE(run(m_clipboard->readText()), std::optional<QString>(u"Grüße"_qs));
        QVERIFY(meter.longestMs() < 100);
    }

    void readsRefusedForEverEndTheSnapshotInBoundedTime()
    {
        QVERIFY(open(-1));
        TestSupport::StallMeter meter;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run(m_clipboard->readItems()), QList<ClipboardItem>{});
        // One type's wait, not every type's.
        QVERIFY2(timer.elapsed() < ClipboardContent::typeTimeout.count() + 500, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(m_mutter->refusals > 1);
        QCOMPARE(m_mutter->served, 0);
        QCOMPARE(run(m_clipboard->readText()), std::nullopt);
        QVERIFY(timer.elapsed() < 2 * ClipboardContent::typeTimeout.count() + 1000);
        QVERIFY(meter.longestMs() < 100);

        // Once Mutter lets go, everything reads.
        m_mutter->refusalsPerRead = 0;
        QCOMPARE(run(m_clipboard->readItems()), QList<ClipboardItem>{m_formats});
    }
};

QTEST_GUILESS_MAIN(TestMutterClipboard)
#include "test_mutterclipboard.moc"
