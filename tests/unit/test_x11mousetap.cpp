#include "platform/x11/x11keymap.h"
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
        QCOMPARE(X11Keymap::modifiers(control | mod1 | lock | mod2), KeyModifiers::control | KeyModifiers::option);
        QCOMPARE(X11Keymap::modifiers(shift | mod4), KeyModifiers::shift | KeyModifiers::command);
        QCOMPARE(X11Keymap::modifierMask(KeyModifiers::control | KeyModifiers::option | KeyModifiers::shift
                                         | KeyModifiers::command),
                 quint16(control | mod1 | shift | mod4));
        // Every combination of the four comes back as it went.
        constexpr KeyModifiers::Flag four[] = {KeyModifiers::control, KeyModifiers::option, KeyModifiers::shift,
                                               KeyModifiers::command};
        for (int combination = 0; combination < 16; ++combination) {
            KeyModifiers set;
            for (int i = 0; i < 4; ++i) {
                if (combination & (1 << i))
                    set = set | four[i];
            }
            QCOMPARE(X11Keymap::modifiers(X11Keymap::modifierMask(set)), set);
        }
        // The function modifier has no X bit.
        QCOMPARE(X11Keymap::modifierMask(KeyModifiers::function | KeyModifiers::shift), shift);
    }
};

QTEST_GUILESS_MAIN(TestX11MouseTap)
#include "test_x11mousetap.moc"
