// Tray hosts coming and going, seen on a real X server: another client takes the XEmbed tray's
// manager selection as a tray does when it starts, and lets it go when it ends.
#include "platform/x11/x11connection.h"
#include "platform/x11/x11selectionwatch.h"
#include "platform/x11/x11trayhostwatch.h"

#include <QColor>
#include <QSignalSpy>
#include <QTest>

#include <xcb/xcb.h>

class ItestTrayHostWatch final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aTrayStartingAndEndingIsReported()
    {
        const auto ours = X11Connection::open();
        QVERIFY(ours);
        X11TrayHostWatch watch(*ours);
        QVERIFY(watch.isActive());
        QSignalSpy changes(&watch, &X11TrayHostWatch::trayHostsChanged);

        auto tray = X11Connection::open();
        QVERIFY(tray);
        const quint32 selection = tray->atom("_NET_SYSTEM_TRAY_S" + QByteArray::number(tray->screenNumber()));
        xcb_set_selection_owner(tray->connection(), tray->createWindow(), selection, XCB_CURRENT_TIME);
        tray->sync();
        QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 1, 5000);

        // A tray that crashes never gives the selection up; its connection closing must count.
        tray.reset();
        QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 2, 5000);
    }

    // An XEmbed tray may say which colour its icons should be (_NET_SYSTEM_TRAY_COLORS); anything
    // short of a whole colour in 32-bit values is no answer.
    void theTraysIconColourIsRead_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QList<quint32>>("values");
        QTest::addColumn<QColor>("expected");
        const QList<quint32> light{0xffff, 0xeeee, 0xdddd, 0xffff, 0, 0, 0xffff, 0xffff, 0, 0, 0xffff, 0};
        QTest::newRow("light text on a dark panel") << 32 << light << QColor(0xff, 0xee, 0xdd);
        QTest::newRow("only the normal colour") << 32 << QList<quint32>{0x1010, 0x2020, 0x3030} << QColor(0x10, 0x20, 0x30);
        QTest::newRow("too short") << 32 << QList<quint32>{0xffff, 0xffff} << QColor();
        QTest::newRow("wrong format") << 16 << light << QColor();
        QTest::newRow("absent") << 0 << QList<quint32>{} << QColor();
    }

    void theTraysIconColourIsRead()
    {
        QFETCH(int, format);
        QFETCH(QList<quint32>, values);
        QFETCH(QColor, expected);
        const auto ours = X11Connection::open();
        QVERIFY(ours);
        X11TrayHostWatch watch(*ours);
        QVERIFY(!watch.xembedForeground().isValid()); // no tray yet

        auto tray = X11Connection::open();
        QVERIFY(tray);
        const quint32 window = tray->createWindow();
        if (format != 0) {
            QByteArray data(reinterpret_cast<const char *>(values.constData()), values.size() * 4);
            xcb_change_property(tray->connection(), XCB_PROP_MODE_REPLACE, window, tray->atom("_NET_SYSTEM_TRAY_COLORS"),
                                XCB_ATOM_CARDINAL, quint8(format), quint32(data.size() * 8 / format), data.constData());
        }
        xcb_set_selection_owner(tray->connection(), window,
                                tray->atom("_NET_SYSTEM_TRAY_S" + QByteArray::number(tray->screenNumber())), XCB_CURRENT_TIME);
        tray->sync();
        QCOMPARE(watch.xembedForeground(), expected);
    }

    // The clipboard watches its selection on the same connection; its changes are not trays.
    void otherSelectionsOnTheConnectionAreNotReported()
    {
        const auto ours = X11Connection::open();
        QVERIFY(ours);
        X11TrayHostWatch watch(*ours);
        QSignalSpy changes(&watch, &X11TrayHostWatch::trayHostsChanged);
        int clipboardChanges = 0;
        X11SelectionWatch clipboard(*ours, "CLIPBOARD", [&] { ++clipboardChanges; });

        const auto other = X11Connection::open();
        QVERIFY(other);
        xcb_set_selection_owner(other->connection(), other->createWindow(), other->atom("CLIPBOARD"), XCB_CURRENT_TIME);
        other->sync();
        QTRY_COMPARE_WITH_TIMEOUT(clipboardChanges, 1, 5000);
        QCOMPARE(changes.count(), 0);
    }
};

QTEST_MAIN(ItestTrayHostWatch)
#include "itest_trayhostwatch.moc"
