// Tray hosts coming and going, seen on a real X server: another client takes the XEmbed tray's
// manager selection as a tray does when it starts, and lets it go when it ends.
#include "platform/x11/x11connection.h"
#include "platform/x11/x11selectionwatch.h"
#include "platform/x11/x11trayhostwatch.h"

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
