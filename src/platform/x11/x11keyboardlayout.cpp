#include "platform/x11/x11keyboardlayout.h"

#include "platform/x11/mackeycodes.h"
#include "platform/x11/qtxcbconnection.h"
#include "platform/x11/x11keymap.h"

std::optional<int> X11KeyboardLayout::keyCodeForKeyPress(const NativeKeyPress &press) const
{
    // Read afresh: the map may have changed since the last key, and people type slowly.
    if (xcb_connection_t *connection = qtXcbConnection(); connection && press.nativeScanCode >= 8
        && press.nativeScanCode <= 255) {
        if (const std::optional<int> code = X11Keymap(connection).keyCodeForKeycode(quint8(press.nativeScanCode)))
            return code;
    }
    if (press.nativeVirtualKey)
        return MacKeyCodes::keyCodeForKeysym(press.nativeVirtualKey);
    return std::nullopt;
}

QString X11KeyboardLayout::characterForKeyCode(int keyCode) const
{
    const std::optional<quint32> keysym = MacKeyCodes::keysymForKeyCode(keyCode);
    return keysym ? MacKeyCodes::characterForKeysym(*keysym) : QString();
}
