// A virtual keyboard and pointer on the Wayland seat (KWin's fake input under KWin; GNOME Shell's
// test helper extension under Mutter), for tests that act as a user. The keymap is
// the full evdev/pc105 one for XKB_DEFAULT_LAYOUT (else us), _VARIANT and _OPTIONS. Commands come on
// stdin; each gets one reply line, "ok" or "error <why>":
//   keydown NAME, keyup NAME   NAME: a keysym name (case-insensitive), a character, or ctrl alt
//                              shift super enter esc tab space backspace; "H" is the h key
//   key COMBO                  e.g. ctrl+alt+h: pressed in order, released in reverse
//   hold COMBO, release COMBO  press and keep held; let go
//   type TEXT                  every character, with Shift or AltGr where the keymap wants them;
//                              nothing when one of them is not on the keymap
//   releaseall                 every held key and button
//   move X Y                   absolute desktop position in logical pixels
//   moveby DX DY               relative motion
//   buttondown N, buttonup N, click N   1 left, 2 middle, 3 right, 4 side, 5 extra, or those names
//   scroll N                   N wheel steps, positive is down
//   wait MS                    at most 10000
//   sync                       once the compositor has handled everything sent before (under GNOME:
//                              once the shell has answered every call)
//   quit
// Held keys stay held only while we are connected, so the program lives until quit or end of stdin.
#include <QCoreApplication>
#include <QTimer>

#include "commandqueue.h"
#include "fakeinputroad.h"
#include "keyboard.h"
#include "outputs.h"
#include "pointer.h"
#include "shelltestroad.h"
#include "virtualdevicesroad.h"
#include "waylandtoolconnection.h"

#include "fake-input-client-protocol.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {
// Clients make their wl_keyboard and wl_pointer only once the seat announces them.
constexpr int settleMs = 200;

struct Globals {
    wl_seat *seat = nullptr;
    uint32_t capabilities = 0;
    zwp_virtual_keyboard_manager_v1 *keyboards = nullptr;
    zwlr_virtual_pointer_manager_v1 *pointers = nullptr;
    // KWin's, where the others are missing.
    org_kde_kwin_fake_input *fakeInput = nullptr;
    OutputLayout layout;

    ~Globals()
    {
        if (fakeInput)
            org_kde_kwin_fake_input_destroy(fakeInput);
        if (pointers)
            zwlr_virtual_pointer_manager_v1_destroy(pointers);
        if (keyboards)
            zwp_virtual_keyboard_manager_v1_destroy(keyboards);
        if (seat)
            wl_seat_destroy(seat);
    }
};

const wl_seat_listener seatListener = {
    .capabilities =
        [](void *data, wl_seat *, uint32_t capabilities) {
            static_cast<Globals *>(data)->capabilities = capabilities;
        },
    .name = [](void *, wl_seat *, const char *) {},
};

const wl_registry_listener registryListener = {
    .global =
        [](void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version) {
            auto *globals = static_cast<Globals *>(data);
            const auto bind = [&](const wl_interface *type, uint32_t newest) {
                return wl_registry_bind(registry, name, type, std::min(version, newest));
            };
            const auto is = [&](const wl_interface &type) { return std::strcmp(interface, type.name) == 0; };
            if (is(wl_seat_interface) && !globals->seat) {
                globals->seat = static_cast<wl_seat *>(bind(&wl_seat_interface, 1));
                wl_seat_add_listener(globals->seat, &seatListener, globals);
            } else if (is(zwp_virtual_keyboard_manager_v1_interface) && !globals->keyboards)
                globals->keyboards =
                    static_cast<zwp_virtual_keyboard_manager_v1 *>(bind(&zwp_virtual_keyboard_manager_v1_interface, 1));
            else if (is(zwlr_virtual_pointer_manager_v1_interface) && !globals->pointers)
                globals->pointers =
                    static_cast<zwlr_virtual_pointer_manager_v1 *>(bind(&zwlr_virtual_pointer_manager_v1_interface, 2));
            else if (is(org_kde_kwin_fake_input_interface) && version >= 4 && !globals->fakeInput)
                globals->fakeInput = static_cast<org_kde_kwin_fake_input *>(bind(&org_kde_kwin_fake_input_interface, 4));
            else if (is(zxdg_output_manager_v1_interface))
                globals->layout.setManager(
                    static_cast<zxdg_output_manager_v1 *>(bind(&zxdg_output_manager_v1_interface, 3)));
            else if (is(wl_output_interface))
                globals->layout.add(name, static_cast<wl_output *>(bind(&wl_output_interface, 2)));
        },
    .global_remove = [](void *data, wl_registry *,
                        uint32_t name) { static_cast<Globals *>(data)->layout.remove(name); },
};

// "ctrl+alt+h" -> names; a '+' where a name starts is the plus key itself ("ctrl++").
QList<QByteArray> comboNames(const QByteArray &combo)
{
    QList<QByteArray> names;
    QByteArray name;
    for (const char c : combo) {
        if (c == '+' && !name.isEmpty()) {
            names.append(name);
            name.clear();
        } else {
            name.append(c);
        }
    }
    if (!name.isEmpty())
        names.append(name);
    return names;
}

class InputTool final {
public:
    InputTool(WaylandConnection &connection, InputRoad &road, VirtualKeyboard &keyboard, VirtualPointer &pointer)
        : m_connection(connection)
        , m_road(road)
        , m_keyboard(keyboard)
        , m_pointer(pointer)
    {}

    void run(const QByteArray &line)
    {
        const auto [command, rest] = splitCommand(line);
        if (command == "quit") {
            QCoreApplication::quit();
        } else if (command == "wait") {
            bool ok = false;
            const int ms = rest.trimmed().toInt(&ok);
            if (!ok || ms < 0 || ms > 10000)
                return m_queue.reply("error wait takes 0 to 10000 milliseconds");
            QTimer::singleShot(ms, [this] { m_queue.reply("ok"); });
        } else if (command == "sync") {
            const QByteArray error = m_road.sync();
            m_queue.reply(error.isEmpty() ? QByteArray("ok") : "error " + error);
        } else {
            const QByteArray error = handle(command, rest);
            m_connection.flush();
            m_queue.reply(error.isEmpty() ? QByteArray("ok") : "error " + error);
        }
    }

private:
    // Empty when done, else why not.
    QByteArray handle(const QByteArray &command, const QByteArray &rest)
    {
        const QList<QByteArray> args = rest.simplified().split(' ');
        if (command == "keydown" || command == "keyup" || command == "key" || command == "hold" ||
            command == "release") {
            QList<xkb_keycode_t> codes;
            for (const QByteArray &name : comboNames(rest.trimmed())) {
                const xkb_keycode_t code = m_keyboard.keyForName(name);
                if (!code)
                    return "no key makes " + name;
                codes.append(code);
            }
            if (codes.isEmpty())
                return command + " needs a key";
            if (command == "keyup" || command == "release") {
                std::for_each(codes.rbegin(), codes.rend(), [this](xkb_keycode_t code) { m_keyboard.release(code); });
                return {};
            }
            // A key held before stays held after the combination.
            QList<xkb_keycode_t> pressed;
            for (const xkb_keycode_t code : codes) {
                if (!m_keyboard.isDown(code))
                    pressed.append(code);
                m_keyboard.press(code);
            }
            if (command == "key")
                std::for_each(pressed.rbegin(), pressed.rend(),
                              [this](xkb_keycode_t code) { m_keyboard.release(code); });
            return {};
        }
        if (command == "type") {
            QString missing;
            const std::optional<QList<VirtualKeyboard::Key>> keys =
                m_keyboard.keysForText(QString::fromUtf8(rest), &missing);
            if (!keys)
                return "the keymap has no key for " + missing.toUtf8();
            return m_keyboard.type(*keys);
        }
        if (command == "releaseall") {
            m_keyboard.releaseAll();
            m_pointer.releaseAll();
            return {};
        }
        if (command == "move" || command == "moveby") {
            bool okX = false, okY = false;
            const double x = args.value(0).toDouble(&okX);
            const double y = args.value(1).toDouble(&okY);
            if (args.size() != 2 || !okX || !okY)
                return command + " takes two numbers";
            if (command == "moveby") {
                m_pointer.moveBy(x, y);
                return {};
            }
            if (x != int(x) || y != int(y))
                return "move takes whole pixels";
            return m_pointer.moveTo(int(x), int(y));
        }
        if (command == "buttondown" || command == "buttonup" || command == "click") {
            const std::optional<uint32_t> button = VirtualPointer::buttonCode(rest.trimmed());
            if (!button)
                return "no button " + rest.trimmed() + " (1-5, left middle right side extra)";
            if (command != "buttonup")
                m_pointer.press(*button);
            if (command != "buttondown")
                m_pointer.release(*button);
            return {};
        }
        if (command == "scroll") {
            bool ok = false;
            const int steps = rest.trimmed().toInt(&ok);
            if (!ok || steps == 0 || steps < -100 || steps > 100)
                return "scroll takes 1 to 100 steps, negative for up";
            m_pointer.scroll(steps);
            return {};
        }
        return "unknown command " + command;
    }

    WaylandConnection &m_connection;
    InputRoad &m_road;
    VirtualKeyboard &m_keyboard;
    VirtualPointer &m_pointer;
    CommandQueue m_queue{[this](const QByteArray &line) { run(line); }};
};
// The compositor's own devices first, then KWin's, then GNOME Shell's; null with a message on stderr
// when there is none.
std::unique_ptr<InputRoad> chooseRoad(WaylandConnection &connection, Globals &globals)
{
    if (!globals.seat) {
        std::fprintf(stderr, "waylandinput: the compositor offers no seat\n");
        return nullptr;
    }
    if (globals.keyboards && globals.pointers)
        return std::make_unique<VirtualDevicesRoad>(connection, globals.keyboards, globals.pointers, globals.seat,
                                                    globals.layout);
    if (globals.fakeInput)
        return std::make_unique<FakeInputRoad>(connection, globals.fakeInput);
    if (ShellTestRoad::available()) {
        auto shell = std::make_unique<ShellTestRoad>(globals.layout);
        return shell->start() ? std::move(shell) : nullptr;
    }
    std::fprintf(stderr, "waylandinput: the compositor offers no %s\n",
                 globals.keyboards ? "virtual pointers"
                                   : "virtual keyboards (nor KWin's fake input or GNOME Shell's test helper)");
    return nullptr;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    WaylandConnection connection;
    if (!connection.alive())
        return 1;
    Globals globals;
    const std::unique_ptr<wl_registry, void (*)(wl_registry *)> registry(wl_display_get_registry(connection.display()),
                                                                         wl_registry_destroy);
    wl_registry_add_listener(registry.get(), &registryListener, &globals);
    if (!connection.roundtrip())
        return 1;
    const std::unique_ptr<InputRoad> road = chooseRoad(connection, globals);
    if (!road)
        return 1;
    VirtualKeyboard keyboard(*road);
    VirtualPointer pointer(*road, globals.layout);
    if (!keyboard.start())
        return 1;
    // Also brings the outputs' logical geometry.
    const uint32_t both = WL_SEAT_CAPABILITY_KEYBOARD | WL_SEAT_CAPABILITY_POINTER;
    if (!connection.roundtrip() || (globals.capabilities & both) != both) {
        std::fprintf(stderr, "waylandinput: the seat did not take the virtual devices\n");
        return 1;
    }
    InputTool tool(connection, *road, keyboard, pointer);
    // Other clients' devices follow the seat's news a moment later; keys sent before are lost.
    QTimer::singleShot(settleMs, [] { replyLine("ready " + QByteArray::number(QCoreApplication::applicationPid())); });
    const int status = app.exec();
    if (connection.alive()) {
        keyboard.releaseAll();
        pointer.releaseAll();
        road->sync();
    }
    return status;
}
