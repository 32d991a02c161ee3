// `ringle --demo-wheel` on a real X session: the mouse trigger opens the wheel at the pointer and
// swallows its gesture, a plain right-click still reaches the window below, and scrolling while
// the wheel is open switches rings without reaching that window.
#include "platform/jsonfiledefaults.h"
#include "testsupport.h"
#include "wheel/wheelset.h"

#include <QDir>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

using TestSupport::xdotool;

namespace {
// The window under the pointer: counts what reaches it.
class TargetWindow final : public QWidget {
public:
    QStringList events;

protected:
    void mousePressEvent(QMouseEvent *e) override { events << QStringLiteral("press %1").arg(int(e->button())); }
    void mouseReleaseEvent(QMouseEvent *e) override { events << QStringLiteral("release %1").arg(int(e->button())); }
    void wheelEvent(QWheelEvent *) override { events << QStringLiteral("wheel"); }
};

WheelTab ring(const QString &title, const QList<WheelItem> &items)
{
    WheelTab tab{QUuid::createUuid(), title, {}, false};
    for (const WheelItem &item : items)
        tab.slots.append(item);
    return tab;
}

// The overlay's frame and whether it is mapped, as the X server reports it.
struct WindowInfo {
    QRect frame;
    bool viewable = false;
};

std::optional<WindowInfo> wheelWindow()
{
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-name"), QStringLiteral("Ringle Wheel")});
    if (!info.waitForFinished(5000) || info.exitCode() != 0)
        return std::nullopt;
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const auto number = [&](const QString &label) {
        const QRegularExpressionMatch m = QRegularExpression(label + QStringLiteral(":\\s+(-?\\d+)")).match(text);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    return WindowInfo{QRect(number(QStringLiteral("Absolute upper-left X")), number(QStringLiteral("Absolute upper-left Y")),
                            number(QStringLiteral("Width")), number(QStringLiteral("Height"))),
                      text.contains(QLatin1String("IsViewable"))};
}
} // namespace

class ItestWheelDemo final : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    TargetWindow m_target;
    QProcess m_demo;
    QStringList m_lines;

    bool waitForLine(const QString &prefix, int timeoutMs = 15000)
    {
        return QTest::qWaitFor(
            [&] {
                for (const QString &line : std::as_const(m_lines)) {
                    if (line.startsWith(prefix))
                        return true;
                }
                return false;
            },
            timeoutMs);
    }

    QStringList takeLines()
    {
        return std::exchange(m_lines, {});
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        {
            JsonFileDefaults defaults(JsonFileDefaults::pathForDomain(QStringLiteral("Ringle")));
            QList<WheelSet> sets{WheelSet{QUuid::createUuid(), "Default", {}, {},
                                          {ring("Four", {WheelItem::proofread(), WheelItem::rewrite(),
                                                         WheelItem::explain(), WheelItem::summarize()}),
                                           ring("Two", {WheelItem::ask(), WheelItem::translate()}),
                                           ring("One", {WheelItem::explain()})}}};
            defaults.setData(QStringLiteral("wheelSets"), WheelSet::encodeList(sets));
        }

        m_target.setWindowTitle(QStringLiteral("Target"));
        m_target.showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&m_target));

        const QString ringle = QDir(qEnvironmentVariable("RINGLE_BUILD_DIR")).filePath(QStringLiteral("src/app/ringle"));
        connect(&m_demo, &QProcess::readyReadStandardOutput, this, [this] {
            while (m_demo.canReadLine())
                m_lines << QString::fromUtf8(m_demo.readLine()).trimmed();
        });
        m_demo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_demo.start(ringle, {QStringLiteral("--demo-wheel")});
        QVERIFY(m_demo.waitForStarted());
        QVERIFY(waitForLine(QStringLiteral("ready")));
        QCOMPARE(takeLines(), QStringList{QStringLiteral("ready: hold Ctrl+Alt and right-click")});
        QVERIFY(xdotool({"mousemove", "640", "400"}));
        QTest::qWait(100);
    }

    void cleanupTestCase()
    {
        m_demo.terminate();
        m_demo.waitForFinished(3000);
    }

    void plainRightClickReachesTheWindow()
    {
        m_target.events.clear();
        QVERIFY(xdotool({"click", "3"}));
        QTRY_COMPARE(m_target.events, QStringList({"press 2", "release 2"}));
        // Control alone is not the gesture either.
        QVERIFY(xdotool({"keydown", "ctrl", "click", "3", "keyup", "ctrl"}));
        QTRY_COMPARE(m_target.events.size(), 4);
        QTest::qWait(100);
        QVERIFY(takeLines().isEmpty());
    }

    void gestureOpensAtThePointerAndChoosesBySlot()
    {
        m_target.events.clear();
        QVERIFY(xdotool({"keydown", "ctrl+alt", "mousedown", "3"}));
        QVERIFY(waitForLine(QStringLiteral("open")));
        QCOMPARE(takeLines(), QStringList{QStringLiteral("open 640,400")});
        std::optional<WindowInfo> window;
        QTRY_VERIFY((window = wheelWindow()) && window->viewable);
        // The wheel's centre is on the pointer; the list of three rings sits on its left.
        QCOMPARE(window->frame, QRect(640 - 253, 400 - 115, 368, 230));

        QVERIFY(xdotool({"mousemove", "640", "330"}));
        QVERIFY(xdotool({"mouseup", "3", "keyup", "ctrl+alt"}));
        QVERIFY(waitForLine(QStringLiteral("chosen")));
        QCOMPARE(takeLines(), QStringList{QStringLiteral("chosen slot 0 Proofread")});
        QTRY_VERIFY((window = wheelWindow()) && !window->viewable);
        QVERIFY(m_target.events.isEmpty());
    }

    void scrollingSwitchesRingsAndStaysWithTheWheel()
    {
        QVERIFY(xdotool({"mousemove", "640", "400"}));
        m_target.events.clear();
        QVERIFY(xdotool({"keydown", "ctrl+alt", "mousedown", "3"}));
        QVERIFY(waitForLine(QStringLiteral("open")));
        QVERIFY(xdotool({"click", "5"}));
        QVERIFY(waitForLine(QStringLiteral("ring")));
        QTest::qWait(250); // past the lock after a switch
        QVERIFY(xdotool({"click", "5"}));
        QVERIFY(waitForLine(QStringLiteral("ring 2")));
        QTest::qWait(250);
        QVERIFY(xdotool({"click", "4"}));
        QTRY_COMPARE(m_lines.size(), 4);
        // On ring "Two" the slot right of the pointer is the second one.
        QVERIFY(xdotool({"mousemove", "700", "400"}));
        QVERIFY(xdotool({"mouseup", "3", "keyup", "ctrl+alt"}));
        QVERIFY(waitForLine(QStringLiteral("chosen")));
        QCOMPARE(takeLines(), QStringList({"open 640,400", "ring 1 Two", "ring 2 One", "ring 1 Two",
                                           "chosen slot 1 Translate"}));
        QVERIFY(m_target.events.isEmpty());

        // Closed again: scrolling reaches the window.
        QVERIFY(xdotool({"click", "5"}));
        QTRY_COMPARE(m_target.events, QStringList{"wheel"});
    }

    void releaseInTheCentreChoosesNothingAndLockKeysDoNotMatter()
    {
        QVERIFY(xdotool({"mousemove", "200", "400"}));
        m_target.events.clear();
        QVERIFY(xdotool({"key", "Caps_Lock"}));
        QVERIFY(xdotool({"keydown", "ctrl+alt", "mousedown", "3"}));
        QVERIFY(waitForLine(QStringLiteral("open")));
        std::optional<WindowInfo> window;
        QTRY_VERIFY((window = wheelWindow()) && window->viewable);
        // Too little room on the left: the list goes right of the wheel.
        QCOMPARE(window->frame, QRect(200 - 115, 400 - 115, 368, 230));
        QVERIFY(xdotool({"mousemove", "210", "410"}));
        QVERIFY(xdotool({"mouseup", "3", "keyup", "ctrl+alt"}));
        QVERIFY(xdotool({"key", "Caps_Lock"}));
        QVERIFY(waitForLine(QStringLiteral("chosen")));
        QCOMPARE(takeLines(), QStringList({"open 200,400", "chosen none"}));
        QVERIFY(m_target.events.isEmpty());
    }
};

QTEST_MAIN(ItestWheelDemo)
#include "itest_wheeldemo.moc"
