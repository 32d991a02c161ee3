// The X11 clipboard against a real X server: snapshots of content owned by another process,
// byte-exact restores, the change count, transient text, and owners that misbehave.
#include "actions/clipboardsnapshot.h"
#include "lineprocess.h"
#include "platform/x11/x11clipboard.h"
#include "platform/x11/x11connection.h"
#include "taskrunner.h"
#include "stallmeter.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

using TestSupport::Formats;
using TestSupport::LineProcess;
using TestSupport::contentOf;

namespace {
QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator gen(seed);
    return TestSupport::randomBytes(gen, size);
}

} // namespace

class ItestClipboard final : public QObject {
    Q_OBJECT

    std::unique_ptr<X11Connection> m_connection;
    std::unique_ptr<X11Clipboard> m_clipboard;

    // A clipboard tool owning `formats`.
    std::unique_ptr<LineProcess> ownerOf(const Formats &formats)
    {
        auto tool = std::make_unique<LineProcess>();
        if (!tool->start(TestSupport::programPath(u"clipboardtool"_qs)))
            return nullptr;
        if (tool->request("own " + TestSupport::encodeFormats(formats)) != "ok")
            return nullptr;
        return tool;
    }

    QList<ClipboardItem> read()
    {
        return *TaskRunner::run(m_clipboard->readItems()).value;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_connection = X11Connection::open();
        QVERIFY(m_connection);
        m_clipboard = std::make_unique<X11Clipboard>(*m_connection);
    }

    void restoresContentOfAnotherProcessByteExact_data()
    {
        QTest::addColumn<Formats>("formats");
        const QByteArray binary("\0\x01\xff\xfe binary \0 tail", 18);
        QTest::newRow("text, html, png, custom") << Formats{{u"text/plain"_qs, QStringLiteral("Grüße, 世界 🙂\r\nline").toUtf8()},
                                                            {u"text/html"_qs, QByteArrayLiteral("<p><b>bold</b> &amp; more</p>")},
                                                            {u"image/png"_qs, randomBytes(70001, 1)},
                                                            {u"application/x-ringle-test"_qs, binary}};
        QTest::newRow("zero-byte custom format") << Formats{{u"text/plain"_qs, QByteArrayLiteral("x")},
                                                            {u"application/x-empty"_qs, QByteArray()}};
        QTest::newRow("5 MB image") << Formats{{u"image/png"_qs, randomBytes(5 * 1024 * 1024, 2)},
                                               {u"text/uri-list"_qs, QByteArrayLiteral("file:///tmp/picture.png\r\n")}};
    }
    void restoresContentOfAnotherProcessByteExact()
    {
        QFETCH(Formats, formats);
        auto owner = ownerOf(formats);
        QVERIFY(owner);
        const Formats before = TestSupport::clipboardFromOtherProcess();
        QVERIFY(!before.isEmpty());

        QElapsedTimer timer;
        timer.start();
        const ClipboardSnapshot snapshot = *TaskRunner::run(ClipboardSnapshot::take(*m_clipboard)).value;
        qInfo("snapshot of %lld formats in %lld ms", qlonglong(snapshot.items().value(0).size()), timer.elapsed());
        QCOMPARE(snapshot.items().size(), 1);

        // The owner goes away and its data with it; the restore must not need it.
        owner.reset();
        QTRY_VERIFY(TestSupport::clipboardFromOtherProcess().isEmpty());

        snapshot.restore(*m_clipboard);
        QCOMPARE(contentOf(TestSupport::clipboardFromOtherProcess()), contentOf(before));
        // Read back through a second connection: our reader against our own serving, with
        // large data in increments both ways.
        const auto second = X11Connection::open();
        QVERIFY(second);
        X11Clipboard other(*second);
        QCOMPARE(*TaskRunner::run(other.readItems()).value, snapshot.items());
        for (const auto &[type, data] : formats)
            QCOMPARE(contentOf(before).value(type), data);
    }

    void emptyClipboardStaysEmpty()
    {
        m_clipboard->writeItems({});
        QVERIFY(read().isEmpty());
        const ClipboardSnapshot snapshot = *TaskRunner::run(ClipboardSnapshot::take(*m_clipboard)).value;
        QVERIFY(snapshot.isEmpty());
        auto other = ownerOf({{u"text/plain"_qs, QByteArrayLiteral("copied meanwhile")}});
        QVERIFY(other);
        snapshot.restore(*m_clipboard);
        QVERIFY(TestSupport::clipboardFromOtherProcess().isEmpty());
    }

    void emptyImageFormatsAreDropped()
    {
        auto owner = ownerOf({{u"text/plain"_qs, QByteArrayLiteral("picture")}, {u"image/bmp"_qs, QByteArray()}});
        QVERIFY(owner);
        const QList<ClipboardItem> items = read();
        QCOMPARE(items.size(), 1);
        QStringList types;
        for (const ClipboardFormat &f : items.first())
            types.append(f.type);
        QVERIFY(!types.contains(u"image/bmp"_qs));
        QVERIFY(!types.contains(u"TARGETS"_qs));
        QVERIFY(types.contains(u"UTF8_STRING"_qs));
    }

    void changeCountFollowsEveryOwnerChange()
    {
        const qint64 start = m_clipboard->changeCount();
        QCOMPARE(m_clipboard->changeCount(), start);
        auto owner = ownerOf({{u"text/plain"_qs, QByteArrayLiteral("a")}});
        QVERIFY(owner);
        const qint64 afterOther = m_clipboard->changeCount();
        QVERIFY(afterOther > start);
        // Our own write is counted at once, without waiting for the event loop.
        m_clipboard->writeText(u"ours"_qs, false);
        QVERIFY(m_clipboard->changeCount() > afterOther);
        const qint64 afterOurs = m_clipboard->changeCount();
        // The owner exiting does not change the count while it is not the owner.
        owner.reset();
        QTest::qWait(100);
        QCOMPARE(m_clipboard->changeCount(), afterOurs);
    }

    void transientTextCarriesMarkers()
    {
        m_clipboard->writeText(u"secret résumé"_qs, true);
        const QHash<QString, QByteArray> seen = contentOf(TestSupport::clipboardFromOtherProcess());
        QCOMPARE(seen.value(u"text/plain"_qs), QStringLiteral("secret résumé").toUtf8());
        QVERIFY(seen.contains(u"org.nspasteboard.TransientType"_qs));
        QCOMPARE(seen.value(u"org.nspasteboard.TransientType"_qs), QByteArray());
        QCOMPARE(seen.value(u"x-kde-passwordManagerHint"_qs), QByteArray("secret"));
        QCOMPARE(*TaskRunner::run(m_clipboard->readText()).value, std::optional<QString>(u"secret résumé"_qs));

        m_clipboard->writeText(u"plain"_qs, false);
        QVERIFY(!contentOf(TestSupport::clipboardFromOtherProcess()).contains(u"org.nspasteboard.TransientType"_qs));
    }

    void ownerThatNeverAnswersCostsABoundedWait()
    {
        auto owner = ownerOf({{u"text/plain"_qs, QByteArrayLiteral("frozen")}});
        QVERIFY(owner);
        QCOMPARE(owner->request("freeze 6000"), QByteArray("ok"));
        TestSupport::StallMeter meter;
        QElapsedTimer timer;
        timer.start();
        const QList<ClipboardItem> items = read();
        const qint64 snapshotMs = timer.restart();
        const auto text = TaskRunner::run(m_clipboard->readText()).value;
        const qint64 textMs = timer.elapsed();
        qInfo("frozen owner: snapshot %lld ms, text %lld ms, longest stall %lld ms", snapshotMs, textMs, meter.longestMs());
        QVERIFY(items.isEmpty());
        QVERIFY(!text->has_value());
        QVERIFY(snapshotMs < 1500);
        QVERIFY(textMs < 1500);
        QVERIFY(meter.longestMs() < 200);
    }
};

QTEST_MAIN(ItestClipboard)
#include "itest_clipboard.moc"
