// The data-control clipboard against a real compositor (sway): snapshots of another process's
// content and byte-exact restores, transient text, the change count, owners and readers that
// misbehave, and what becomes of the content at quit. Needs WAYLAND_DISPLAY.
#include "clipboardtools.h"
#include "lineprocess.h"
#include "platform/wayland/datacontrolclipboard.h"
#include "platform/wayland/datacontroldevice.h"
#include "platform/wayland/pipetransfer.h"
#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylandglobals.h"
#include "platform/wayland/waylandseat.h"
#include "stallmeter.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using TestSupport::Formats;
using TestSupport::LineProcess;
using TestSupport::dump;
using TestSupport::itemOf;
using TestSupport::nulFirstBytes;
using TestSupport::typesOf;

namespace {
// A client of the compositor of its own, as another program would be.
struct Client {
    std::unique_ptr<WaylandConnection> connection;
    std::unique_ptr<WaylandGlobals> globals;
    std::unique_ptr<WaylandSeat> seat;

    static std::unique_ptr<Client> open()
    {
        auto client = std::make_unique<Client>();
        client->connection = WaylandConnection::open();
        if (!client->connection)
            return nullptr;
        client->globals = std::make_unique<WaylandGlobals>(*client->connection);
        client->seat = WaylandSeat::create(*client->connection, client->globals->compositor, client->globals->shm);
        return client->seat ? std::move(client) : nullptr;
    }
};

// A raw device on a client, for owners and readers that misbehave on purpose.
struct RawDevice {
    explicit RawDevice(Client &c)
        : client(c)
        , queue(c.connection->createQueue())
    {
        device = DataControlDevice::create(
            *c.connection, c.seat->seat(), queue,
            {.selection = [this](std::shared_ptr<DataControlOffer> offer) { selection = std::move(offer); }, .finished = [] {}});
        // QTest's waits never let the loop sleep, which is when requests would go otherwise.
        c.connection->flush();
    }
    ~RawDevice()
    {
        source.reset();
        selection.reset();
        device.reset();
        client.connection->destroyQueue(queue);
    }

    Client &client;
    wl_event_queue *queue;
    std::shared_ptr<DataControlOffer> selection;
    std::unique_ptr<DataControlDevice> device;
    std::unique_ptr<DataControlSource> source;
};

template <typename T> T run(QCoro::Task<T> task)
{
    return QCoro::waitFor(std::move(task));
}

std::unique_ptr<LineProcess> startTool()
{
    return TestSupport::startClipboardTool(u"waylandclipboardtool"_qs);
}

std::unique_ptr<LineProcess> ownerOf(const Formats &formats)
{
    return TestSupport::clipboardOwnerOf(u"waylandclipboardtool"_qs, formats);
}

// Waits with the loop running: this process serves what it owns meanwhile.
QByteArray wlPaste(const QStringList &args)
{
    QProcess paste;
    paste.start(u"wl-paste"_qs, QStringList{u"--no-newline"_qs} + args);
    QDeadlineTimer deadline(10000);
    while (paste.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(5);
    return paste.exitCode() == 0 ? paste.readAllStandardOutput() : QByteArrayLiteral("wl-paste failed");
}

// What a file descriptor refers to ("pipe:[1234]"), and how many of this process's do.
QString targetOf(int fd)
{
    return QFile::symLinkTarget(u"/proc/self/fd/%1"_qs.arg(fd));
}
int holdersOf(const QString &target)
{
    const QDir fds(u"/proc/self/fd"_qs);
    const QStringList names = fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    return int(std::count_if(names.cbegin(), names.cend(), [&](const QString &n) { return QFile::symLinkTarget(fds.filePath(n)) == target; }));
}


// A clipboard keeper like those of the desktops: reads every new selection and offers the last
// one again when the selection empties.
class Holder final {
public:
    explicit Holder(Client &client)
        : m_clipboard(*client.connection, *client.seat)
    {
        QObject::connect(&m_clipboard, &DataControlClipboard::selectionChanged, [this] {
            m_dirty = true;
            follow();
        });
    }
    bool idle() const { return !m_running; }
    const QList<ClipboardItem> &kept() const { return m_kept; }

private:
    QCoro::Task<void> follow()
    {
        if (m_running)
            co_return;
        m_running = true;
        while (m_dirty) {
            m_dirty = false;
            const QList<ClipboardItem> items = co_await m_clipboard.readItems();
            // A read the next change cut short holds only some of the types: read again.
            if (m_dirty)
                continue;
            if (!items.isEmpty()) {
                m_kept = items;
            } else if (!m_kept.isEmpty()) {
                m_clipboard.writeItems(m_kept);
            }
        }
        m_running = false;
    }

    DataControlClipboard m_clipboard;
    QList<ClipboardItem> m_kept;
    bool m_dirty = false;
    bool m_running = false;
};
} // namespace

class ItestWlClipboard final : public QObject {
    Q_OBJECT

    std::unique_ptr<Client> m_client;
    std::unique_ptr<DataControlClipboard> m_clipboard;

    QList<ClipboardItem> read() { return run(m_clipboard->readItems()); }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            QSKIP("needs a Wayland compositor with data-control (WAYLAND_DISPLAY is not set)");
        m_client = Client::open();
        QVERIFY(m_client);
        QVERIFY(DataControlClipboard::isOffered(*m_client->connection));
        m_clipboard = std::make_unique<DataControlClipboard>(*m_client->connection, *m_client->seat);
    }

    void snapshotOfAnotherOwnerRestoresByteExact()
    {
        const Formats formats{{u"text/plain;charset=utf-8"_qs, QStringLiteral("Grüße, 世界 🙂\r\nline").toUtf8()},
                              {u"text/html"_qs, QByteArrayLiteral("<p><b>bold</b> &amp; more</p>")},
                              {u"image/png"_qs, nulFirstBytes(300 * 1000, 1)},
                              {u"application/x-ringle-test"_qs, QByteArray("\0\x01\xff\xfe binary \0 tail", 18)},
                              {u"application/x-empty"_qs, QByteArray()}};
        auto owner = ownerOf(formats);
        QVERIFY(owner);
        const QList<ClipboardItem> snapshot = read();
        QCOMPARE(snapshot, QList<ClipboardItem>{itemOf(formats)});

        // The owner goes away and its data with it; the restore must not need it.
        owner.reset();
        auto reader = startTool();
        QVERIFY(reader);
        QTRY_VERIFY(typesOf(*reader).isEmpty());
        m_clipboard->writeItems(snapshot);
        QCOMPARE(dump(*reader), formats);
        for (const auto &[type, data] : formats)
            QCOMPARE(wlPaste({u"--type"_qs, type}), data);
        // Our own content comes back from memory, unchanged.
        QCOMPARE(read(), snapshot);
    }

    void textAndItsTransientMarkers()
    {
        const QString text = QStringLiteral("Grüße 🙂");
        const QByteArray utf8 = text.toUtf8();
        auto reader = startTool();
        QVERIFY(reader);
        m_clipboard->writeText(text, true);
        QCOMPARE(dump(*reader), (Formats{{u"text/plain;charset=utf-8"_qs, utf8},
                                         {u"text/plain"_qs, utf8},
                                         {u"UTF8_STRING"_qs, utf8},
                                         {u"STRING"_qs, text.toLatin1()},
                                         {u"TEXT"_qs, utf8},
                                         {u"org.nspasteboard.TransientType"_qs, QByteArray()},
                                         {u"x-kde-passwordManagerHint"_qs, QByteArrayLiteral("secret")}}));
        QCOMPARE(run(m_clipboard->readText()), std::optional<QString>(text));

        m_clipboard->writeText(text, false);
        QCOMPARE(typesOf(*reader).size(), 5);

        // Another owner's text, and an owner without any.
        auto owner = ownerOf({{u"text/plain;charset=utf-8"_qs, utf8}});
        QVERIFY(owner);
        QCOMPARE(run(m_clipboard->readText()), std::optional<QString>(text));
        QCOMPARE(owner->request("own " + TestSupport::encodeFormats({{u"image/png"_qs, "png"}})), "ok");
        QCOMPARE(run(m_clipboard->readText()), std::nullopt);

        m_clipboard->writeItems({});
        QVERIFY(typesOf(*reader).isEmpty());
        QVERIFY(read().isEmpty());
    }

    void changeCountSeesEveryChangeButThePrimarySelection()
    {
        auto tool = startTool();
        QVERIFY(tool);
        qint64 count = m_clipboard->changeCount();
        // Each is seen at once, without the event loop in between.
        const auto grew = [&] {
            const qint64 now = m_clipboard->changeCount();
            return std::exchange(count, now) < now;
        };
        QCOMPARE(tool->request("own " + TestSupport::encodeFormats({{u"text/plain"_qs, "a"}})), "ok");
        QVERIFY(grew());
        m_clipboard->writeText(u"b"_qs, false);
        QVERIFY(grew());
        m_clipboard->writeText(u"b"_qs, false);
        QVERIFY(grew());
        QCOMPARE(tool->request("clear"), "ok");
        QVERIFY(grew());

        QProcess primary;
        primary.start(u"wl-copy"_qs, {u"--foreground"_qs, u"--primary"_qs, u"primary text"_qs});
        QTRY_COMPARE(wlPaste({u"--primary"_qs}), QByteArrayLiteral("primary text"));
        QVERIFY(!grew());
        primary.kill();
        primary.waitForFinished();
    }

    void ownerThatFreezesOrDiesCostsBoundedTime()
    {
        const Formats formats{{u"text/plain"_qs, "frozen"}, {u"image/png"_qs, nulFirstBytes(300 * 1000, 3)}};
        auto owner = ownerOf(formats);
        QVERIFY(owner);
        QCOMPARE(owner->request("freeze 4000"), "ok");
        TestSupport::StallMeter meter;
        QElapsedTimer timer;
        timer.start();
        const QList<ClipboardItem> items = read();
        const qint64 frozenMs = timer.elapsed();
        qInfo("frozen owner: %lld ms, the loop stood still %lld ms at most", frozenMs, meter.longestMs());
        QVERIFY(frozenMs < DataControlClipboard::snapshotBudget.count() + 500);
        QVERIFY(meter.longestMs() < 300);
        for (const ClipboardFormat &f : items.value(0))
            QVERIFY(formats.contains({f.type, f.data}));
        // Awake again, it is read whole.
        QCOMPARE(owner->request("owner", 10000), "owner yes");
        QCOMPARE(read(), QList<ClipboardItem>{itemOf(formats)});

        // Killed while it does not answer: its pipes end with nothing in them, which is no content.
        QCOMPARE(owner->request("freeze 4000"), "ok");
        QTimer::singleShot(300, [&owner] { owner->process().kill(); });
        timer.restart();
        QVERIFY(read().isEmpty());
        QVERIFY(timer.elapsed() < DataControlClipboard::typeTimeout.count());
    }

    void typesThatMisbehaveAreLeftOut()
    {
        auto other = Client::open();
        QVERIFY(other);
        RawDevice rogue(*other);
        QVERIFY(rogue.device);
        const QByteArray huge(DataControlClipboard::maxTypeSize + 1, 'h');
        QList<int> silent;
        const QList<QByteArray> types{"text/plain", "application/x-huge", "application/x-after", "application/x-silent",
                                      "application/x-never-asked"};
        rogue.source = rogue.device->createSource(types, {.send =
                                                              [&](const QByteArray &type, int fd) {
                                                                  if (type == "application/x-silent")
                                                                      return silent.append(fd);
                                                                  const QByteArray data = type.endsWith("huge") ? huge : type;
                                                                  new PipeWriter(fd, data, other->connection.get());
                                                              },
                                                          .cancelled = [] {}});
        const qint64 changes = m_clipboard->changeCount();
        rogue.device->setSelection(rogue.source.get());
        other->connection->flush();
        QTRY_VERIFY(m_clipboard->changeCount() > changes);
        QElapsedTimer timer;
        timer.start();
        const QList<ClipboardItem> items = read();
        qInfo("huge and silent types: %lld ms", timer.elapsed());
        // The silent type stops the snapshot: what comes after it is never asked for.
        QCOMPARE(items, (QList<ClipboardItem>{{{u"text/plain"_qs, "text/plain"}, {u"application/x-after"_qs, "application/x-after"}}}));
        QVERIFY(timer.elapsed() < DataControlClipboard::snapshotBudget.count() + 500);
        for (int fd : std::as_const(silent))
            ::close(fd);

        // A type list longer than any clipboard's: bounded, and still read within the budget.
        QJsonArray many;
        for (int i = 0; i < 2000; ++i)
            many.append(QJsonArray{u"application/x-type-%1"_qs.arg(i), QString::fromLatin1(QByteArray::number(i).toBase64())});
        auto tool = startTool();
        QVERIFY(tool);
        QCOMPARE(tool->request("own " + QJsonDocument(many).toJson(QJsonDocument::Compact)), "ok");
        timer.restart();
        const ClipboardItem item = read().value(0);
        qInfo("%lld of 2000 types in %lld ms", qlonglong(item.size()), timer.elapsed());
        QVERIFY(!item.isEmpty() && item.size() <= DataControlOffer::maxTypes);
        QVERIFY(timer.elapsed() < DataControlClipboard::snapshotBudget.count() + 500);
        for (qsizetype i = 0; i < item.size(); ++i)
            QCOMPARE(item.at(i), (ClipboardFormat{u"application/x-type-%1"_qs.arg(i), QByteArray::number(i)}));
    }

    void servingOutlivesReadersThatStallOrLeave()
    {
        const QByteArray big = nulFirstBytes(4 * 1024 * 1024, 4);
        m_clipboard->writeItems({{{u"application/octet-stream"_qs, big}}});
        auto other = Client::open();
        QVERIFY(other);
        RawDevice reader(*other);
        QTRY_VERIFY(reader.selection);
        auto tool = startTool();
        QVERIFY(tool);
        const auto ask = [&] {
            int fds[2];
            if (::pipe2(fds, O_CLOEXEC) < 0)
                return -1;
            reader.selection->receive("application/octet-stream", fds[1]);
            ::close(fds[1]);
            other->connection->flush();
            return fds[0];
        };
        // One leaves after the first piece: no SIGPIPE, and the writing end goes at once. Qt's
        // QProcess has the whole process ignore SIGPIPE; the clipboard must not count on that.
        const auto previous = std::signal(SIGPIPE, SIG_DFL);
        const int leaving = ask();
        const QString leavingPipe = targetOf(leaving);
        QTRY_COMPARE(holdersOf(leavingPipe), 2);
        char piece[1024];
        QTRY_VERIFY(::read(leaving, piece, sizeof piece) > 0);
        ::close(leaving);
        QTRY_COMPARE_WITH_TIMEOUT(holdersOf(leavingPipe), 0, 1000);
        std::signal(SIGPIPE, previous);

        // One never reads; another process reads meanwhile, then the stalled one is dropped.
        QElapsedTimer timer;
        timer.start();
        const int stalled = ask();
        const QString stalledPipe = targetOf(stalled);
        QTRY_COMPARE(holdersOf(stalledPipe), 2);
        QCOMPARE(dump(*tool), (Formats{{u"application/octet-stream"_qs, big}}));
        QTRY_COMPARE_WITH_TIMEOUT(holdersOf(stalledPipe), 1, int(PipeWriter::stallTimeout.count()) + 2000);
        qInfo("stalled reader dropped after %lld ms", timer.elapsed());
        QVERIFY(timer.elapsed() >= PipeWriter::stallTimeout.count() - 100);
        ::close(stalled);
    }

    void handOverAtQuit()
    {
        using HandOver = DataControlClipboard::HandOver;
        auto tool = ownerOf({{u"text/plain"_qs, "theirs"}});
        QVERIFY(tool);
        QCOMPARE(run(m_clipboard->handOverAtQuit()), HandOver::notOurs);

        // Nobody read it, so nobody can offer it again: no wait.
        m_clipboard->writeText(u"unread"_qs, false);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run(m_clipboard->handOverAtQuit()), HandOver::gone);
        QVERIFY(timer.elapsed() < 200);
        QVERIFY(typesOf(*tool).isEmpty());

        // Read by a process that keeps nothing: gone once the time is up.
        m_clipboard->writeText(u"read once"_qs, false);
        QCOMPARE(dump(*tool).size(), 5);
        timer.restart();
        QCOMPARE(run(m_clipboard->handOverAtQuit()), HandOver::gone);
        QVERIFY(timer.elapsed() >= DataControlClipboard::handOverBudget.count() - 50);
        QVERIFY(timer.elapsed() < DataControlClipboard::handOverBudget.count() + 1000);

        // A holder that read it offers it again.
        auto second = Client::open();
        QVERIFY(second);
        Holder holder(*second);
        const Formats content{{u"text/plain"_qs, "kept"}, {u"image/png"_qs, nulFirstBytes(100 * 1000, 5)}};
        m_clipboard->writeItems({itemOf(content)});
        // All of it: a read that a change cut short is read again.
        QTRY_COMPARE(holder.kept(), QList<ClipboardItem>{itemOf(content)});
        QCOMPARE(run(m_clipboard->handOverAtQuit()), HandOver::kept);
        QCOMPARE(dump(*tool), content);
        QCOMPARE(tool->request("owner"), "owner no");
        QTRY_VERIFY(holder.idle());
    }

    void cleanupTestCase()
    {
        if (m_clipboard)
            m_clipboard->writeItems({});
        m_clipboard.reset();
        m_client.reset();
    }
};

QTEST_GUILESS_MAIN(ItestWlClipboard)
#include "itest_wlclipboard.moc"
