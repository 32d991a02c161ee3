// What goes to Ringle's GNOME Shell extension and comes back from it: shortcuts in the form Mutter
// reads, and Clutter's pointer events and modifier state as the core takes them.
#include "platform/wayland/shelloverlaysurfaces.h"
#include "platform/wayland/shellshortcutbinder.h"

#include <QTest>

namespace {
// Mac virtual key codes, as Ringle stores keys.
constexpr Key keyH{4};
constexpr Key keyF5{96};
constexpr Key keySpace{49};
constexpr Key keyNone{0xffff};

constexpr quint32 clutterShift = 1u << 0;
constexpr quint32 clutterControl = 1u << 2;
constexpr quint32 clutterAlt = 1u << 3;
constexpr quint32 clutterSuper = 1u << 6;
constexpr quint32 clutterButton1 = 1u << 8;
} // namespace

Q_DECLARE_METATYPE(KeyModifiers)

class TestGnomeShell final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void acceleratorsAsMutterReadsThem_data()
    {
        QTest::addColumn<quint16>("key");
        QTest::addColumn<KeyModifiers>("modifiers");
        QTest::addColumn<QString>("accelerator");
        QTest::addColumn<quint32>("mask");
        using M = KeyModifiers;
        QTest::newRow("the default") << keyH.code << (M::control | M::option) << u"<Control><Alt>h"_qs
                                     << (clutterControl | clutterAlt);
        QTest::newRow("every modifier, in order") << keyF5.code << (M::control | M::option | M::shift | M::command)
                                                  << u"<Control><Alt><Shift><Super>F5"_qs
                                                  << (clutterControl | clutterAlt | clutterShift | clutterSuper);
        QTest::newRow("a named key") << keySpace.code << KeyModifiers(M::command) << u"<Super>space"_qs << clutterSuper;
        QTest::newRow("a key without a keysym") << keyNone.code << KeyModifiers(M::control) << QString() << clutterControl;
    }

    void acceleratorsAsMutterReadsThem()
    {
        QFETCH(quint16, key);
        QFETCH(KeyModifiers, modifiers);
        QFETCH(QString, accelerator);
        QFETCH(quint32, mask);
        QCOMPARE(ShellShortcutBinder::accelerator(Key{key}, modifiers), accelerator);
        QCOMPARE(ShellShortcutBinder::clutterModifiers(modifiers), mask);
    }

    void pointerEventsArePlacedOnTheContent()
    {
        const QRect content(100, 200, 300, 150);
        const auto event = ShellOverlaySurface::pointerEvent(u"motion"_qs, {130, 260}, 0, clutterShift | clutterButton1, {},
                                                             content);
        QVERIFY(event);
        QCOMPARE(event->type, SurfacePointerEvent::Type::motion);
        QCOMPARE(event->position, QPointF(30, 60));
        QCOMPARE(event->global, QPointF(130, 260));
        QCOMPARE(event->buttons, Qt::MouseButtons(Qt::LeftButton));
        QCOMPARE(event->modifiers, Qt::KeyboardModifiers(Qt::ShiftModifier));
    }

    // Clutter's state is the one before the event: a press is not yet in it, a release still is.
    void buttonsAreTheStateAfterTheEvent()
    {
        const auto press = ShellOverlaySurface::pointerEvent(u"press"_qs, {}, 1, 0, {}, {});
        QVERIFY(press);
        QCOMPARE(press->type, SurfacePointerEvent::Type::press);
        QCOMPARE(press->button, Qt::LeftButton);
        QCOMPARE(press->buttons, Qt::MouseButtons(Qt::LeftButton));
        const auto release = ShellOverlaySurface::pointerEvent(u"release"_qs, {}, 3, clutterButton1 | (1u << 10), {}, {});
        QVERIFY(release);
        QCOMPARE(release->button, Qt::RightButton);
        QCOMPARE(release->buttons, Qt::MouseButtons(Qt::LeftButton));
        // A button Ringle has no name for, and a kind of event it does not know, are dropped.
        QVERIFY(!ShellOverlaySurface::pointerEvent(u"press"_qs, {}, 12, 0, {}, {}));
        QVERIFY(!ShellOverlaySurface::pointerEvent(u"pinch"_qs, {}, 0, 0, {}, {}));
    }

    // Clutter counts a step down as +1; Qt and the wheel count up as positive.
    void scrollingKeepsItsDirection()
    {
        const auto down = ShellOverlaySurface::pointerEvent(u"scroll"_qs, {}, 0, 0, {0, 1}, {});
        QVERIFY(down);
        QCOMPARE(down->type, SurfacePointerEvent::Type::scroll);
        QCOMPARE(down->angleDelta, QPoint(0, -120));
        QCOMPARE(down->scroll.lines, -1.0);
        QVERIFY(!down->scroll.isContinuous);
        const auto smooth = ShellOverlaySurface::pointerEvent(u"smooth-scroll"_qs, {}, 0, 0, {0, -0.5}, {});
        QVERIFY(smooth);
        QCOMPARE(smooth->angleDelta, QPoint(0, 60));
        QVERIFY(smooth->scroll.isContinuous);
    }

    void modifiersFromClutterState()
    {
        QCOMPARE(ShellOverlaySurface::qtModifiers(clutterControl | clutterAlt | clutterSuper | clutterButton1),
                 Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        QCOMPARE(ShellOverlaySurface::qtModifiers(0), Qt::KeyboardModifiers());
    }
};

QTEST_GUILESS_MAIN(TestGnomeShell)
#include "test_gnomeshell.moc"
