// Time from a key press reaching the X server to the hot key's key-down handler running, for 100
// presses of Ctrl+Alt+H sent with XTest. Run inside a private X session:
//   tests/integration/x11-session.sh build/release/bench/bench_hotkey
#include "globalshortcuts/registry.h"
#include "platform/fake/memorydefaults.h"
#include "platform/x11/x11hotkeyservice.h"

#include <QApplication>
#include <QTimer>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int warmUp = 5;
constexpr int presses = 100;

xcb_keycode_t keycode(xcb_key_symbols_t *symbols, xcb_keysym_t keysym)
{
    xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, keysym);
    const xcb_keycode_t code = codes ? codes[0] : 0;
    std::free(codes);
    return code;
}

void fake(xcb_connection_t *c, quint8 type, xcb_keycode_t code)
{
    xcb_test_fake_input(c, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "bench_hotkey needs an X server (run it inside x11-session.sh)\n");
        return 2;
    }
    MemoryDefaults defaults;
    X11HotKeyService service;
    GlobalShortcuts::Registry registry(defaults, service, nullptr);

    xcb_connection_t *sender = xcb_connect(nullptr, nullptr);
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(sender);
    const xcb_keycode_t control = keycode(symbols, 0xffe3), alt = keycode(symbols, 0xffe9), h = keycode(symbols, 0x68);
    xcb_key_symbols_free(symbols);

    std::vector<double> latencies;
    Clock::time_point sent;
    int done = 0;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    watchdog.setInterval(2000);
    QObject::connect(&watchdog, &QTimer::timeout, &app, [&] {
        std::fprintf(stderr, "no key-down after press %d\n", done + 1);
        app.exit(1);
    });

    const auto press = [&] {
        fake(sender, XCB_KEY_PRESS, control);
        fake(sender, XCB_KEY_PRESS, alt);
        std::free(xcb_get_input_focus_reply(sender, xcb_get_input_focus(sender), nullptr)); // modifiers are in
        sent = Clock::now();
        fake(sender, XCB_KEY_PRESS, h);
        xcb_flush(sender);
        watchdog.start();
    };
    registry.onKeyDown(GlobalShortcuts::Name::actionWheel(), [&] {
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        if (done >= warmUp)
            latencies.push_back(ms);
        fake(sender, XCB_KEY_RELEASE, h);
        fake(sender, XCB_KEY_RELEASE, alt);
        fake(sender, XCB_KEY_RELEASE, control);
        xcb_flush(sender);
    });
    registry.onKeyUp(GlobalShortcuts::Name::actionWheel(), [&] {
        watchdog.stop();
        if (++done == warmUp + presses)
            app.exit(0);
        else
            QTimer::singleShot(10, &app, press);
    });
    if (!registry.isRegistered(*GlobalShortcuts::Name::actionWheel().defaultShortcut)) {
        std::fprintf(stderr, "Ctrl+Alt+H could not be registered\n");
        return 1;
    }
    QTimer::singleShot(100, &app, press);
    const int status = app.exec();
    xcb_disconnect(sender);
    if (status != 0 || latencies.empty())
        return status ? status : 1;

    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) { return latencies[size_t(q * double(latencies.size() - 1))]; };
    std::printf("hot key press to key-down handler, %zu presses: median %.3f ms, p95 %.3f ms, worst %.3f ms\n",
                latencies.size(), at(0.5), at(0.95), latencies.back());
    return 0;
}
