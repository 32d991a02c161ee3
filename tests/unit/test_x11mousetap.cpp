#include "platform/x11/x11mousetap.h"
#include "wheel/wheelmousesettings.h"

#include <QTest>

// How the X11 tap names buttons and modifiers; the grabs themselves are tested on a real server.
class TestX11MouseTap final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttons_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("xButton");
        using B = WheelMouseSettings::Button;
        QTest::newRow("right") << int(B::right) << 3;
        QTest::newRow("middle") << int(B::middle) << 2;
        QTest::newRow("button 4 is the back button") << int(B::button4) << 8;
        QTest::newRow("button 5 is the forward button") << int(B::button5) << 9;
    }
    void buttons()
    {
        QFETCH(int, setting);
        QFETCH(int, xButton);
        const qint64 number = *WheelMouseSettings::buttonNumber(WheelMouseSettings::Button(setting));
        QCOMPARE(X11MouseTap::xButton(number), std::optional<quint8>(quint8(xButton)));
        QCOMPARE(X11MouseTap::triggerButton(quint8(xButton)), std::optional<qint64>(number));
    }

    void unknownButtons()
    {
        QCOMPARE(X11MouseTap::triggerButton(1), std::optional<qint64>(0));
        QCOMPARE(X11MouseTap::triggerButton(4), std::nullopt); // scrolling, never a trigger
        QCOMPARE(X11MouseTap::triggerButton(10), std::nullopt);
        QCOMPARE(X11MouseTap::xButton(5), std::nullopt);
    }

    void modifiers()
    {
        constexpr quint16 shift = 1, lock = 2, control = 4, mod1 = 8, mod2 = 16, mod4 = 64;
        QCOMPARE(X11MouseTap::flags(control | mod1 | lock | mod2),
                 MouseTapEvent::controlFlag | MouseTapEvent::optionFlag | MouseTapEvent::capsLockFlag);
        QCOMPARE(X11MouseTap::flags(shift | mod4), MouseTapEvent::shiftFlag | MouseTapEvent::commandFlag);
        // Every stored modifier setting grabs exactly its keys.
        for (int raw = 0; raw < 16; ++raw) {
            const quint64 flags = WheelMouseSettings::Modifiers{raw}.eventFlags();
            QCOMPARE(X11MouseTap::flags(X11MouseTap::modifierMask(flags)), flags);
        }
        QCOMPARE(X11MouseTap::modifierMask(MouseTapEvent::capsLockFlag), quint16(0));
    }
};

QTEST_GUILESS_MAIN(TestX11MouseTap)
#include "test_x11mousetap.moc"
