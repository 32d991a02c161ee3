// Synthetic keys and bound shortcuts must land on the user's own keys: the keymap decides where a
// keysym is, so a German keyboard posts Ctrl+Z on its own Z key. Keys as Qt sees them on Ringle's
// own surfaces come from the same keymaps.
#include "platform/wayland/xkbkeylookup.h"
#include "platform/wayland/xkbqtkeys.h"

#include <QTest>

#include <xkbcommon/xkbcommon.h>

namespace {
// evdev codes of the keys by their US name, + 8 as xkb counts them.
constexpr quint32 keyY = 21 + 8;
constexpr quint32 keyZ = 44 + 8;
constexpr quint32 key1 = 2 + 8;

struct Keymap {
    explicit Keymap(const char *layout)
    {
        const xkb_rule_names names{"evdev", "pc105", layout, "", ""};
        map = context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
    }
    ~Keymap()
    {
        xkb_keymap_unref(map);
        xkb_context_unref(context);
    }
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap *map = nullptr;
};
} // namespace

class TestXkbKeyLookup final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keysFollowTheLayout()
    {
        Keymap us("us");
        Keymap de("de");
        QVERIFY(us.map && de.map);
        QCOMPARE(XkbKeyLookup(us.map).find(XKB_KEY_z)->keycode, keyZ);
        QCOMPARE(XkbKeyLookup(de.map).find(XKB_KEY_z)->keycode, keyY);
        QCOMPARE(XkbKeyLookup(de.map).find(XKB_KEY_y)->keycode, keyZ);
        // Upper-case keysyms are found on the key of their letter.
        QCOMPARE(XkbKeyLookup(de.map).find(XKB_KEY_Z)->keycode, keyY);
        // A keysym only Shift gives is found as the last resort: '!' is Shift+1 on both.
        QCOMPARE(XkbKeyLookup(us.map).find(XKB_KEY_exclam)->keycode, key1);
        // A keysym no key gives.
        QVERIFY(!XkbKeyLookup(us.map).find(XKB_KEY_adiaeresis));
        QVERIFY(!XkbKeyLookup(nullptr).find(XKB_KEY_a));
    }

    void theActiveLayoutComesFirst()
    {
        Keymap both("us,de");
        QVERIFY(both.map);
        const std::optional<XkbKeyLookup::Location> inUs = XkbKeyLookup(both.map).find(XKB_KEY_z, 0);
        const std::optional<XkbKeyLookup::Location> inDe = XkbKeyLookup(both.map).find(XKB_KEY_z, 1);
        QCOMPARE(inUs->keycode, keyZ);
        QCOMPARE(inUs->layout, 0u);
        QCOMPARE(inDe->keycode, keyY);
        QCOMPARE(inDe->layout, 1u);
        // ä lives only in the German layout, whichever is active.
        QCOMPARE(XkbKeyLookup(both.map).find(XKB_KEY_adiaeresis, 0)->layout, 1u);
    }

    void modifierMasks()
    {
        Keymap us("us");
        const XkbKeyLookup lookup(us.map);
        const auto bit = [&](const char *name) { return 1u << xkb_keymap_mod_get_index(us.map, name); };
        QCOMPARE(lookup.maskFor({}), 0u);
        QCOMPARE(lookup.maskFor(KeyModifiers::control), bit(XKB_MOD_NAME_CTRL));
        QCOMPARE(lookup.maskFor(KeyModifiers::control | KeyModifiers::option | KeyModifiers::shift | KeyModifiers::command),
                 bit(XKB_MOD_NAME_CTRL) | bit(XKB_MOD_NAME_ALT) | bit(XKB_MOD_NAME_SHIFT) | bit(XKB_MOD_NAME_LOGO));
        // The function modifier is no key of its own.
        QCOMPARE(lookup.maskFor(KeyModifiers::function), 0u);
    }

    void qtKeys()
    {
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_a), int(Qt::Key_A));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_A), int(Qt::Key_A));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_adiaeresis), int(Qt::Key_Adiaeresis));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_Return), int(Qt::Key_Return));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_KP_Enter), int(Qt::Key_Enter));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_Escape), int(Qt::Key_Escape));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_ISO_Left_Tab), int(Qt::Key_Backtab));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_F12), int(Qt::Key_F12));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_KP_7), int(Qt::Key_7));
        QVERIFY(XkbQtKeys::isKeypad(XKB_KEY_KP_7));
        QVERIFY(!XkbQtKeys::isKeypad(XKB_KEY_7));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_EuroSign), int(0x20ac));
        QCOMPARE(XkbQtKeys::qtKey(XKB_KEY_NoSymbol), 0);
    }
};

QTEST_GUILESS_MAIN(TestXkbKeyLookup)
#include "test_xkbkeylookup.moc"
