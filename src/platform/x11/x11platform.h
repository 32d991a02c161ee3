#pragma once

#include "platform/platform.h"

#include <memory>

class AtspiAccessibility;
class AtspiStatusSwitch;
class GlobalInputMonitor;
class QtScreens;
class UnavailableOnDeviceModel;
class X11Clipboard;
class X11Connection;
class X11HotKeyService;
class X11Keyboard;
class X11KeyboardLayout;
class X11MouseTap;
class X11Sound;
class X11Workspace;

// The Linux/X11 backend of every port. Needs a running QGuiApplication on the xcb platform.
class X11Platform final {
public:
    // None when the X server cannot be reached or cannot report the mouse.
    static std::unique_ptr<X11Platform> create();
    ~X11Platform();

    Platform platform();
    X11Connection &connection() { return *m_connection; }
    X11Clipboard &clipboard() { return *m_clipboard; }

private:
    X11Platform() = default;

    std::unique_ptr<X11Connection> m_connection;
    std::unique_ptr<X11Clipboard> m_clipboard;
    std::unique_ptr<X11Keyboard> m_keyboard;
    std::unique_ptr<X11Workspace> m_workspace;
    std::unique_ptr<QtScreens> m_screens;
    std::unique_ptr<X11Sound> m_sound;
    std::unique_ptr<AtspiAccessibility> m_accessibility;
    std::unique_ptr<AtspiStatusSwitch> m_accessibilitySwitch;
    std::unique_ptr<X11HotKeyService> m_hotKeys;
    std::unique_ptr<X11MouseTap> m_mouseTap;
    std::unique_ptr<GlobalInputMonitor> m_inputMonitor;
    std::unique_ptr<X11KeyboardLayout> m_keyboardLayout;
    std::unique_ptr<UnavailableOnDeviceModel> m_onDeviceModel;
    std::unique_ptr<WindowSystem> m_windows;
};
