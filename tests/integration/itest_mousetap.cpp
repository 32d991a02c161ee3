// The X11 mouse tap against a real X server: a declined press is replayed to the window below,
// the grab follows the setting, Num Lock does not matter, a grab held by another client is retried
// until it is free, and scroll capture works without a button held.
#include "platform/fake/memorydefaults.h"
#include "platform/linux/qtscreens.h"
#include "platform/x11/x11mousetap.h"
#include "wheel/mousewheeltrigger.h"
#include "testsupport.h"

#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>

using TestSupport::xdotool;

namespace {
class TargetWindow final : public QWidget {
public:
    QStringList events;

protected:
    void mousePressEvent(QMouseEvent *e) override { events << QStringLiteral("press %1").arg(int(e->button())); }
    void mouseReleaseEvent(QMouseEvent *e) override { events << QStringLiteral("release %1").arg(int(e->button())); }
    void wheelEvent(QWheelEvent *) override { events << QStringLiteral("wheel"); }
};

QString describe(const MouseTapEvent &e)
{
    switch (e.type) {
    case MouseTapEvent::Type::buttonDown:
        return QStringLiteral("down %1").arg(e.button);
    case MouseTapEvent::Type::buttonUp:
        return QStringLiteral("up %1").arg(e.button);
    case MouseTapEvent::Type::scrollWheel:
        return QStringLiteral("scroll %1").arg(e.scroll ? e.scroll->lines : 99);
    default:
        return {};
    }
}

constexpr KeyModifiers ctrlAlt = KeyModifiers::control | KeyModifiers::option;
} // namespace

class ItestMouseTap final : public QObject {
    Q_OBJECT

    TargetWindow m_target;

private Q_SLOTS:
    void initTestCase()
    {
        m_target.showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&m_target));
        QVERIFY(xdotool({"mousemove", "600", "400"}));
    }

    void init() { m_target.events.clear(); }

    void declinedPressIsReplayedToTheWindow()
    {
        std::unique_ptr<X11MouseTap> tap = X11MouseTap::create();
        QVERIFY(tap);
        QStringList seen;
        bool swallow = false;
        tap->setHandler([&](const MouseTapEvent &e) {
            if (!describe(e).isEmpty())
                seen << describe(e);
            return swallow;
        });
        QVERIFY(tap->watch(MouseTap::Trigger{1, ctrlAlt}));

        QVERIFY(xdotool({"keydown", "ctrl+alt", "click", "3", "keyup", "ctrl+alt"}));
        QTRY_COMPARE(m_target.events, QStringList({"press 2", "release 2"}));
        QCOMPARE(seen, QStringList{"down 1"});

        swallow = true;
        seen.clear();
        m_target.events.clear();
        QVERIFY(xdotool({"keydown", "ctrl+alt", "click", "3", "keyup", "ctrl+alt"}));
        QTRY_COMPARE(seen, QStringList({"down 1", "up 1"}));
        QTest::qWait(100);
        QVERIFY(m_target.events.isEmpty());

        // Watching nothing releases the grab.
        QVERIFY(tap->watch(std::nullopt));
        QVERIFY(xdotool({"keydown", "ctrl+alt", "click", "3", "keyup", "ctrl+alt"}));
        QTRY_COMPARE(m_target.events, QStringList({"press 2", "release 2"}));
    }

    void grabFollowsTheSettingAndIgnoresNumLock()
    {
        MemoryDefaults defaults;
        std::unique_ptr<X11MouseTap> tap = X11MouseTap::create();
        QtScreens screens;
        MouseWheelTrigger trigger(defaults, *tap, screens);
        QStringList reports;
        QObject::connect(&trigger, &MouseWheelTrigger::began,
                         [&](QPointF) { reports << QStringLiteral("begin"); });
        QObject::connect(&trigger, &MouseWheelTrigger::ended, [&](std::optional<QPointF> p) {
            reports << (p ? QStringLiteral("end") : QStringLiteral("cut"));
        });
        trigger.start();
        QVERIFY(trigger.isWatching());

        defaults.setString("wheelMouseButton", "middle");
        defaults.setInt("wheelMouseModifiers", 0);
        QVERIFY(xdotool({"key", "Num_Lock"}));
        QVERIFY(xdotool({"click", "2"}));
        QTRY_COMPARE(reports, QStringList({"begin", "end"}));
        QVERIFY(xdotool({"keydown", "ctrl+alt", "click", "3", "keyup", "ctrl+alt"}));
        QVERIFY(xdotool({"key", "Num_Lock"}));
        QTRY_COMPARE(m_target.events, QStringList({"press 2", "release 2"}));
        QCOMPARE(reports.size(), 2);
    }

    void grabHeldElsewhereIsRetried()
    {
        // Another client, on a connection of its own.
        std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t *)> other(xcb_connect(nullptr, nullptr),
                                                                               &xcb_disconnect);
        QVERIFY(!xcb_connection_has_error(other.get()));
        xcb_connection_t *c = other.get();
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const auto sync = [c] { std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); };
        const quint16 ctrlAltMask = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
        xcb_grab_button(c, 0, root, XCB_EVENT_MASK_BUTTON_PRESS, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                        XCB_NONE, XCB_NONE, 3, ctrlAltMask);
        sync();

        MemoryDefaults defaults;
        std::unique_ptr<X11MouseTap> tap = X11MouseTap::create();
        QtScreens screens;
        MouseWheelTrigger trigger(defaults, *tap, screens);
        QStringList reports;
        QObject::connect(&trigger, &MouseWheelTrigger::began,
                         [&](QPointF) { reports << QStringLiteral("begin"); });
        trigger.start();
        QVERIFY(!trigger.isWatching());
        QVERIFY(trigger.isRetrying());

        xcb_ungrab_button(c, 3, root, ctrlAltMask);
        sync();
        QTRY_VERIFY_WITH_TIMEOUT(trigger.isWatching(), 5000);
        QVERIFY(xdotool({"keydown", "ctrl+alt", "mousedown", "3"}));
        QTRY_COMPARE(reports, QStringList{"begin"});
        QVERIFY(xdotool({"mouseup", "3", "keyup", "ctrl+alt"}));
        QTest::qWait(100);
        QVERIFY(m_target.events.isEmpty());
    }

    void scrollCaptureWithoutAButtonHeld()
    {
        std::unique_ptr<X11MouseTap> tap = X11MouseTap::create();
        QStringList seen;
        tap->setHandler([&](const MouseTapEvent &e) {
            if (e.type == MouseTapEvent::Type::scrollWheel)
                seen << describe(e);
            return e.type == MouseTapEvent::Type::scrollWheel;
        });
        tap->setScrollCapture(true);
        QVERIFY(xdotool({"click", "4", "click", "5", "click", "6"}));
        QTRY_COMPARE(seen, QStringList({"scroll 1", "scroll -1", "scroll 0"}));
        tap->setScrollCapture(false);
        QVERIFY(xdotool({"click", "4"}));
        QTRY_COMPARE(m_target.events, QStringList{"wheel"});
        QCOMPARE(seen.size(), 3);
    }
};

QTEST_MAIN(ItestMouseTap)
#include "itest_mousetap.moc"
