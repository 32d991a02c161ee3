#pragma once

#include <QtGlobal>

// Which desktop's conventions key combinations follow: the built-in catalogue, the labels of special
// keys and the way modifiers are written. Data (key codes, modifier bits) is the same on every platform.
enum class KeyPlatform {
    mac,
    linuxDesktop,
};

constexpr KeyPlatform currentKeyPlatform()
{
#ifdef Q_OS_MACOS
    return KeyPlatform::mac;
#else
    return KeyPlatform::linuxDesktop;
#endif
}
