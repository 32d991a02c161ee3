#pragma once

#include "platform/keyboardlayout.h"

// The keyboard layout as X11 reports it: keycodes are read through the current keyboard map.
class X11KeyboardLayout final : public KeyboardLayout {
public:
    std::optional<Key> keyForKeyPress(const NativeKeyPress &press) const override;
    QString characterForKey(Key key) const override;
};
