// The wheel on a desktop that tells where the pointer is only when it enters a surface (Wayland):
// the wheel is drawn where the pointer turns out to be, or where it was asked when no entry comes;
// the wheel follows the core's model, and a click on it chooses.
#include "platform/fake/fakeoverlaysurfaces.h"
#include "platform/fake/fakescreens.h"
#include "platform/fake/memorydefaults.h"
#include "platform/screencoordinates.h"
#include "ui/surfacewheelpanel.h"
#include "ui/wheeloverlay.h"
#include "wheel/actionwheel.h"
#include "wheel/wheelstore.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {
QRectF primary()
{
    return QGuiApplication::primaryScreen()->geometry();
}

SurfacePointerEvent at(SurfacePointerEvent::Type type, QPointF global, Qt::MouseButton button = Qt::NoButton)
{
    SurfacePointerEvent event;
    event.type = type;
    event.global = global;
    event.button = button;
    return event;
}

struct Wheel {
    Wheel() { screens.setScreens({{primary(), primary()}}); }

    MemoryDefaults defaults;
    WheelStore store{defaults};
    FakeScreens screens;
    FakeOverlaySurface *surface = nullptr;
    SurfaceWheelPanel *panel = nullptr;
    ActionWheel wheel{store, screens, {}, [this](WheelModel &model) {
                          auto owned = std::make_unique<FakeOverlaySurface>();
                          surface = owned.get();
                          auto made = std::make_unique<SurfaceWheelPanel>(
                              std::make_unique<WheelOverlay>(model, [](const WheelItem &) { return SlotLabel(); },
                                                             [] { return true; }),
                              std::move(owned));
                          panel = made.get();
                          return made;
                      }};
};
} // namespace

class TestSurfaceWheelPanel final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWhereThePointerEnters()
    {
        Wheel w;
        // Where Ringle last saw the pointer, long ago.
        w.screens.setPointerLocation(ScreenCoordinates::toYUp(QPointF(100, 100), primary()));
        w.wheel.open();
        QVERIFY(w.surface->shown);
        // Nothing drawn before the pointer is found: a wheel in the wrong place would flash.
        QVERIFY(w.surface->contentRect().isEmpty());
        QVERIFY(!w.panel->overlay().isVisible());

        w.surface->send(at(SurfacePointerEvent::Type::enter, QPointF(600, 400)));
        const QPointF found = ScreenCoordinates::toYUp(QPointF(600, 400), primary());
        QCOMPARE(w.wheel.origin(), found);
        QVERIFY(w.panel->overlay().isVisible());
        QVERIFY(w.surface->contentRect().contains(QPoint(600, 400)));
        QTRY_VERIFY(!w.surface->frames.isEmpty());

        // The selection measures from the pointer's true place.
        w.wheel.select(found + QPointF(0, 90));
        QCOMPARE(w.wheel.model().selectedSlot(), std::optional<int>(0));

        w.wheel.close();
        QVERIFY(!w.surface->shown);
        QVERIFY(!w.panel->overlay().isVisible());
    }

    void opensWhereAskedWhenNoEntryComes()
    {
        Wheel w;
        const QPointF asked = ScreenCoordinates::toYUp(QPointF(300, 300), primary());
        w.screens.setPointerLocation(asked);
        w.wheel.open();
        QTRY_VERIFY_WITH_TIMEOUT(w.panel->overlay().isVisible(), SurfaceWheelPanel::pointerWaitMilliseconds * 4);
        QCOMPARE(w.wheel.origin(), asked);
        QVERIFY(w.surface->contentRect().contains(QPoint(300, 300)));
        // An entry after the wait moves nothing.
        w.surface->send(at(SurfacePointerEvent::Type::enter, QPointF(900, 500)));
        QCOMPARE(w.wheel.origin(), asked);
        w.wheel.close();
    }

    void aClickChooses()
    {
        Wheel w;
        QSignalSpy clicked(&w.wheel, &ActionWheel::clicked);
        w.wheel.open();
        w.surface->send(at(SurfacePointerEvent::Type::enter, QPointF(600, 400)));
        w.surface->send(at(SurfacePointerEvent::Type::press, QPointF(690, 400), Qt::LeftButton));
        w.surface->send(at(SurfacePointerEvent::Type::release, QPointF(690, 400), Qt::RightButton));
        QCOMPARE(clicked.size(), 0);
        w.surface->send(at(SurfacePointerEvent::Type::release, QPointF(690, 400), Qt::LeftButton));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.first().first().toPointF(), ScreenCoordinates::toYUp(QPointF(690, 400), primary()));
        w.wheel.close();
        // A closed wheel takes no more clicks.
        w.panel->overlay().hide();
        w.surface->send(at(SurfacePointerEvent::Type::release, QPointF(690, 400), Qt::LeftButton));
        QCOMPARE(clicked.size(), 1);
    }
};

QTEST_MAIN(TestSurfaceWheelPanel)
#include "test_surfacewheelpanel.moc"
