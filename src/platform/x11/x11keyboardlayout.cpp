#include "platform/x11/x11keyboardlayout.h"

#include "platform/linux/mackeycodes.h"
#include "platform/x11/qtxcbconnection.h"
#include "platform/x11/x11keymap.h"

std::optional<Key> X11KeyboardLayout::keyForKeyPress(const NativeKeyPress &press) const
{
    // Read afresh: the map may have changed since the last key, and people type slowly.
    if (xcb_connection_t *connection = qtXcbConnection(); connection && press.nativeScanCode >= 8
        && press.nativeScanCode <= 255) {
        if (const std::optional<Key> key = X11Keymap(connection).keyForKeycode(quint8(press.nativeScanCode)))
            return key;
    }
    if (press.nativeVirtualKey)
        return MacKeyCodes::keyForKeysym(press.nativeVirtualKey);
    return std::nullopt;
}

QString X11KeyboardLayout::characterForKey(Key key) const
{
    return MacKeyCodes::characterForKey(key);
}
