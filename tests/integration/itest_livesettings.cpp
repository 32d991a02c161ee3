// Settings changed with `ringle config set` while the real app runs: the wheel's shortcut and mouse
// trigger move at once; the old ones stop working.
#include "ringleprocess.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

using TestSupport::RingleProcess;
using TestSupport::xdotool;

namespace {
const QString wheelOpens = QStringLiteral("ringle.wheel: opens at");

bool tapKeys(const QString &chord)
{
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("640"), QStringLiteral("420"), QStringLiteral("keydown"), chord,
                    QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("keyup"), chord});
}

bool holdButton(const QString &modifiers, const QString &button)
{
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("640"), QStringLiteral("420"), QStringLiteral("keydown"), modifiers,
                    QStringLiteral("mousedown"), button, QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("mouseup"),
                    button, QStringLiteral("keyup"), modifiers});
}
} // namespace

class ItestLiveSettings final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        xdotool({QStringLiteral("keyup"), QStringLiteral("h"), QStringLiteral("j"), QStringLiteral("ctrl"), QStringLiteral("alt")});
    }

    void shortcutMovesToTheNewKeyAtOnce()
    {
        RingleProcess ringle;
        QVERIFY(ringle.start());
        QCOMPARE(ringle.configured(QStringLiteral("GlobalShortcuts_actionWheel")),
                 std::optional<QString>(QStringLiteral("{\"carbonKeyCode\":4,\"carbonModifiers\":6144}")));
        QVERIFY(TestSupport::keyIsFree(QStringLiteral("0x6a"), QStringLiteral("0xc")));

        // Ctrl+Alt+J (J is 38 in the stored key codes).
        QElapsedTimer since;
        since.start();
        QVERIFY(ringle.configure(QStringLiteral("GlobalShortcuts_actionWheel"),
                                 QStringLiteral("{\"carbonKeyCode\":38,\"carbonModifiers\":6144}")));
        const qint64 written = since.elapsed();
        // Probing by grabbing would race the app for the key, so wait for its word, then probe.
        QVERIFY2(ringle.seesWithin(QStringLiteral("holds the hot key {\"carbonKeyCode\":38,\"carbonModifiers\":6144}"), 1000),
                 qPrintable(ringle.transcript()));
        qInfo("the new key was held %lld ms after the write", static_cast<long long>(since.elapsed() - written));
        QVERIFY(!TestSupport::keyIsFree(QStringLiteral("0x6a"), QStringLiteral("0xc")));
        QVERIFY(TestSupport::keyIsFree(QStringLiteral("0x68"), QStringLiteral("0xc")));

        QVERIFY(tapKeys(QStringLiteral("ctrl+alt+j")));
        QVERIFY2(ringle.seesWithin(wheelOpens, 3000), qPrintable(ringle.transcript()));
        QVERIFY(tapKeys(QStringLiteral("ctrl+alt+h")));
        QVERIFY(!ringle.seesWithin(wheelOpens, 1000));

        // A value that cannot be used lets the old key go all the same.
        QVERIFY(ringle.configure(QStringLiteral("GlobalShortcuts_actionWheel"), QStringLiteral("false")));
        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::keyIsFree(QStringLiteral("0x6a"), QStringLiteral("0xc")), 1000);
        QVERIFY(tapKeys(QStringLiteral("ctrl+alt+j")));
        QVERIFY(!ringle.seesWithin(wheelOpens, 1000));
    }

    void mouseTriggerMovesToTheNewButtonAtOnce()
    {
        RingleProcess ringle;
        QVERIFY(ringle.start());
        QVERIFY(holdButton(QStringLiteral("ctrl+alt"), QStringLiteral("3")));
        QVERIFY2(ringle.seesWithin(wheelOpens, 3000), qPrintable(ringle.transcript()));

        // Ctrl and the middle button.
        QVERIFY(ringle.configure(QStringLiteral("wheelMouseButton"), QStringLiteral("middle")));
        QElapsedTimer since;
        since.start();
        QVERIFY(ringle.configure(QStringLiteral("wheelMouseModifiers"), QStringLiteral("1")));
        const qint64 written = since.elapsed();
        QVERIFY2(ringle.seesWithin(QStringLiteral("holds button 2 with modifiers 4"), 1000), qPrintable(ringle.transcript()));
        qInfo("the new button was held %lld ms after the write", static_cast<long long>(since.elapsed() - written));
        QVERIFY(holdButton(QStringLiteral("ctrl"), QStringLiteral("2")));
        QVERIFY2(ringle.seesWithin(wheelOpens, 3000), qPrintable(ringle.transcript()));
        QVERIFY(holdButton(QStringLiteral("ctrl+alt"), QStringLiteral("3")));
        QVERIFY(!ringle.seesWithin(wheelOpens, 1000));
    }
};

QTEST_GUILESS_MAIN(ItestLiveSettings)
#include "itest_livesettings.moc"
